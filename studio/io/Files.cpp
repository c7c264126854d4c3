#include "studio/io/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace studio {

std::string displayName(const std::filesystem::path& file) { return file.string(); }

std::string readFile(const std::filesystem::path& file, size_t maxBytes)
{
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) throw InputError(displayName(file) + ": is a folder, not a file");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw InputError(displayName(file) + ": cannot open: " + std::strerror(errno));
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < maxBytes) {
        size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
        in.read(buffer, static_cast<std::streamsize>(want));
        bytes.append(buffer, static_cast<size_t>(in.gcount()));
        if (in.eof()) break;
        if (!in) throw InputError(displayName(file) + ": cannot read: " + std::strerror(errno));
    }
    return bytes;
}

}  // namespace studio
