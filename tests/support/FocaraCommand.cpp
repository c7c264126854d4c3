#include "tests/support/FocaraCommand.h"

#include <sys/wait.h>

#include <cstdlib>

#include "tests/support/TempDir.h"

namespace focara_test {

std::string shellQuote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CommandRun runFocara(const std::filesystem::path& in, const std::vector<std::string>& args)
{
    TempDir logs;
    std::string command = "cd " + shellQuote(in.string()) + " && " + shellQuote(FOCARA_CLI_PATH);
    for (const std::string& a : args) command += " " + shellQuote(a);
    command += " </dev/null >" + shellQuote((logs / "out").string()) + " 2>" + shellQuote((logs / "err").string());
    int raw = std::system(command.c_str());
    CommandRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readText(logs / "out");
    run.err = readText(logs / "err");
    return run;
}

}  // namespace focara_test
