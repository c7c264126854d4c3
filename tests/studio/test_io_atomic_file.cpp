// Outputs are complete or absent: never half-written, never a stray temporary.
#include <gtest/gtest.h>

#include "studio/io/AtomicFile.h"
#include "studio/io/Files.h"
#include "tests/support/TempDir.h"

using namespace studio;
using focara_test::readText;
using focara_test::TempDir;
using focara_test::writeText;

TEST(AtomicFile, WritesTheWholeFileAndLeavesNothingElse)
{
    TempDir dir;
    writeFileAtomically(dir / "out.svg", "first");
    writeFileAtomically(dir / "out.svg", "second, longer");
    EXPECT_EQ(readText(dir / "out.svg"), "second, longer");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"out.svg"}));
}

TEST(AtomicFile, TargetStaysAsItWasUntilCommit)
{
    TempDir dir;
    writeText(dir / "out.json", "old");
    {
        AtomicFile file(dir / "out.json");
        file.write("new, half");
        EXPECT_EQ(readText(dir / "out.json"), "old") << "nothing shows before the commit";
    }  // abandoned, as when the work fails after the file was opened
    EXPECT_EQ(readText(dir / "out.json"), "old");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"out.json"}));
}

TEST(AtomicFile, UnwritableTargetsAreRefusedByNameBeforeAnyWork)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    struct Row {
        std::filesystem::path target;
        const char* reason;
        // clang-format off
    } rows[] = {
        {dir / "missing" / "out.svg", "No such file or directory"},
        {dir / "folder", "is a folder"},
        {dir.path() / "", "not a file name"},
    };
    // clang-format on
    for (const Row& row : rows) {
        try {
            AtomicFile file(row.target);
            FAIL() << "opened " << row.target;
        } catch (const InputError& e) {
            std::string message = e.what();
            EXPECT_EQ(message.rfind(row.target.string() + ": ", 0), 0u) << message;
            EXPECT_NE(message.find(row.reason), std::string::npos) << message;
        }
    }
    EXPECT_EQ(dir.names(), (std::set<std::string>{"folder"}));
}
