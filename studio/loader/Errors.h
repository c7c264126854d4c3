// The loader's two kinds of failure.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace studio::loader {

// Bytes that do not follow their format. The message says what and where,
// but not which file: the caller that knows the file adds it.
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A plug-in library that cannot be used. The message begins with its path.
class LoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs f; a FormatError from it comes back with "context: " in front.
template <class F>
decltype(auto) inContext(std::string_view context, F&& f)
{
    try {
        return std::forward<F>(f)();
    } catch (const FormatError& error) {
        throw FormatError(std::string(context) + ": " + error.what());
    }
}

}  // namespace studio::loader
