// The page's files (studio/web/assets), built into the program.
#pragma once

#include <span>
#include <string_view>

namespace studio::web {

struct EmbeddedFile {
    std::string_view path;  // "/app.js"
    std::string_view bytes;
};

// Every embedded file, by path; generated at build time.
std::span<const EmbeddedFile> embeddedFiles();

// The file served at path ("/" is "/index.html"), or null.
const EmbeddedFile* findEmbeddedFile(std::string_view path);

// The Content-Type for a file name, by its extension.
std::string_view contentTypeOf(std::string_view path);

}  // namespace studio::web
