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

// The file's name as messages show it.
std::string displayName(const std::filesystem::path& file);

}  // namespace studio
