// Reading input files, and the error every bad input or unwritable output raises.
#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace studio {

// Something the user can fix: a malformed or out-of-range input, an unknown
// field, an output that cannot be written. The message is one line and names
// the file or option it is about.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file's bytes, at most maxBytes of them (the caller asks for one more than
// it accepts to see that a file is too long). Throws InputError naming the file.
std::string readFile(const std::filesystem::path& file, size_t maxBytes = static_cast<size_t>(-1));

// Inputs are read whole; these caps keep a stray huge file or a device such as
// /dev/zero from taking all memory.
inline constexpr size_t kMaxDocumentBytes = size_t{64} << 20;
inline constexpr size_t kMaxScriptBytes = size_t{16} << 20;

// The whole file, refused with a message naming the file and the cap when it
// holds more than maxBytes; what names the kind of file ("document").
std::string readFileUpTo(const std::filesystem::path& file, size_t maxBytes, const std::string& what);

// Whether two names lead to the same file (through links and "..", or to one
// that does not exist yet).
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// The file's name as messages show it.
std::string displayName(const std::filesystem::path& file);

}  // namespace studio
