#include "studio/web/Assets.h"

#include <algorithm>

namespace studio::web {

const EmbeddedFile* findEmbeddedFile(std::string_view path)
{
    if (path == "/") path = "/index.html";
    for (const EmbeddedFile& file : embeddedFiles())
        if (file.path == path) return &file;
    return nullptr;
}

std::string_view contentTypeOf(std::string_view path)
{
    struct Type {
        std::string_view extension, type;
    };
    // clang-format off
    static constexpr Type kTypes[] = {
        {".html", "text/html; charset=utf-8"}, {".js", "text/javascript; charset=utf-8"},
        {".css", "text/css; charset=utf-8"},   {".svg", "image/svg+xml"},
        {".png", "image/png"},                 {".json", "application/json"},
    };
    // clang-format on
    for (const Type& t : kTypes)
        if (path.ends_with(t.extension)) return t.type;
    return "application/octet-stream";
}

}  // namespace studio::web
