# Writes OUTPUT, a C++ header holding each look file of FILES (in order) as a
# row of its name (the file name without .json) and its text, so that focara
# offers its looks without any file beside it.
# Run as: cmake -DFILES="a.json;b.json" -DOUTPUT=... -P EmbedLooks.cmake
set(rows "")
foreach(file IN LISTS FILES)
  get_filename_component(name ${file} NAME_WE)
  file(READ ${file} content)
  string(APPEND rows "    {\"${name}\", R\"focara_look(${content})focara_look\"},\n")
endforeach()
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "// Generated from looks/ by EmbedLooks.cmake.
#pragma once

#include <string_view>

namespace studio {

struct EmbeddedLook {
    std::string_view name;
    std::string_view text;
};

inline constexpr EmbeddedLook kEmbeddedLooks[] = {
${rows}};

}  // namespace studio
" @ONLY)
