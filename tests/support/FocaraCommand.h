// Runs the built focara binary as a user would, from a shell in a folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace focara_test {

struct CommandRun {
    int status = -1;  // the exit status, -1 when the program did not exit normally
    std::string out;
    std::string err;
};

std::string shellQuote(const std::string& text);

// Runs focara with args in folder `in`; its output streams are caught in a
// folder of their own, so that `in` holds only what the command wrote.
CommandRun runFocara(const std::filesystem::path& in, const std::vector<std::string>& args);

}  // namespace focara_test
