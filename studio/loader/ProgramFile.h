// Where the running program's file is, so that it can find the plug-in beside it.
#pragma once

#include <filesystem>

namespace studio::loader {

// The running executable's full path, or an empty path when the system cannot tell.
std::filesystem::path runningProgram();

}  // namespace studio::loader
