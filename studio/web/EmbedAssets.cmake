# Writes OUTPUT, a C++ file holding every file of ASSET_DIR as bytes, so that
# the focara binary serves its page without any file beside it.
# Run as: cmake -DASSET_DIR=... -DOUTPUT=... -P EmbedAssets.cmake
file(GLOB names RELATIVE ${ASSET_DIR} ${ASSET_DIR}/*)
list(SORT names)

set(arrays "")
set(rows "")
set(index 0)
foreach(name IN LISTS names)
  if(IS_DIRECTORY ${ASSET_DIR}/${name})
    continue()
  endif()
  file(READ ${ASSET_DIR}/${name} hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  # A zero byte at the end keeps an empty file a valid array.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "const unsigned char kBytes${index}[] = {${bytes}0x00};\n")
  string(APPEND rows "    {\"/${name}\", std::string_view(reinterpret_cast<const char*>(kBytes${index}), ${size})},\n")
  math(EXPR index "${index} + 1")
endforeach()

set(text "// Generated from studio/web/assets by EmbedAssets.cmake.
#include \"studio/web/Assets.h\"

namespace studio::web {
namespace {
${arrays}
const EmbeddedFile kFiles[] = {
${rows}};
}  // namespace

std::span<const EmbeddedFile> embeddedFiles() { return kFiles; }

}  // namespace studio::web
")
# Rewritten only when it changes, so that an unchanged page costs no rebuild.
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "${text}" @ONLY)
