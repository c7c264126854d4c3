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

std::string readFileUpTo(const std::filesystem::path& file, size_t maxBytes, const std::string& what)
{
    std::string bytes = readFile(file, maxBytes + 1);
    if (bytes.size() > maxBytes)
        throw InputError(displayName(file) + ": more than " + std::to_string(maxBytes >> 20) + " MiB; a " + what +
                         " is at most that large");
    return bytes;
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) return true;
    std::filesystem::path first = std::filesystem::weakly_canonical(std::filesystem::absolute(a), ec);
    if (ec) return false;
    std::filesystem::path second = std::filesystem::weakly_canonical(std::filesystem::absolute(b), ec);
    return !ec && first == second;
}

}  // namespace studio
