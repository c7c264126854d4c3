// Opening a plug-in library: the built one loads; anything that is not a
// loadable plug-in is refused with a message that names the file and the fault.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "studio/loader/Errors.h"
#include "studio/loader/PluginLibrary.h"
#include "tests/support/ResourceFixtures.h"

namespace focara_test {
namespace {

using studio::loader::LoadError;
using studio::loader::PluginLibrary;

TEST(PluginLibrary, LoadsTheBuiltPluginAndResolvesItsEntryPoint)
{
    const PluginLibrary library(builtPluginPath());
    EXPECT_EQ(library.pipl().entryPoint, "PluginMain");
    ASSERT_NE(library.entryPoint(), nullptr);
    EXPECT_EQ(library.resources().string(16000, 2), std::optional<std::string>("Focara..."));
    EXPECT_NE(library.resources().dialog(16051), nullptr);

    // The entry point is the library's own PluginMain, not a symbol of this process.
    void* self = dlopen(builtPluginPath().c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(self, nullptr);
    EXPECT_EQ(reinterpret_cast<void*>(library.entryPoint()), dlsym(self, "PluginMain"));
    dlclose(self);
}

TEST(PluginLibrary, ClosesTheLibraryWhenTheLastOwnerGoes)
{
    {
        PluginLibrary first(builtPluginPath());
        PluginLibrary moved(std::move(first));
        EXPECT_NE(moved.entryPoint(), nullptr);
        void* probe = dlopen(builtPluginPath().c_str(), RTLD_NOW | RTLD_NOLOAD);
        EXPECT_NE(probe, nullptr) << "loaded while owned";
        if (probe != nullptr) {
            dlclose(probe);
        }
    }
    EXPECT_EQ(dlopen(builtPluginPath().c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr) << "still loaded";
}

TEST(PluginLibrary, APathWithoutADirectoryMeansTheFileHereNotALibrarySearch)
{
    TempDir dir;
    dir.write("Vexo_Zoom.aip", readFileBytes(builtPluginPath()));
    struct WorkingDirectory {
        std::filesystem::path previous = std::filesystem::current_path();
        explicit WorkingDirectory(const std::filesystem::path& path) { std::filesystem::current_path(path); }
        ~WorkingDirectory() { std::filesystem::current_path(previous); }
    } here(dir.path());
    try {
        const PluginLibrary library("Vexo_Zoom.aip");
        EXPECT_NE(library.entryPoint(), nullptr);
    } catch (const LoadError& error) {
        ADD_FAILURE() << error.what();
    }
}

struct Refusal {
    const char* name;
    std::function<std::filesystem::path(const TempDir&)> make;
    const char* reason;
};

TEST(PluginLibrary, RefusesWhatIsNotALoadablePluginNamingFileAndFault)
{
    using namespace std::string_view_literals;
    const Bytes pipl = makePipl(validPiplEntries());
    const Bytes res = makeRes({{"PIPL", std::uint16_t{16000}, 1033, pipl}});
    // clang-format off
    const Refusal refusals[] = {
        {"missing file", [](const TempDir& d) { return d.path() / "absent.aip"; }, "no such file"},
        {"directory", [](const TempDir& d) { return d.path(); }, "not a regular file"},
        {"not ELF", [](const TempDir& d) { return d.write("text.aip", text("just some text\n")); }, "not an ELF file"},
        {"truncated ELF",
         [](const TempDir& d) {
             Bytes library = readFileBytes(builtPluginPath());
             library.resize(library.size() / 2);
             return d.write("half.aip", library);
         },
         "end of the file (truncated?)"},
        {"not a shared library",
         [&](const TempDir& d) { return d.write("exec.aip", makeElf({{".rsrc", res}}, 2)); },
         "not a shared library"},
        {"no .rsrc",
         [](const TempDir& d) { return d.write("bare.aip", makeElf({{".text", Bytes(16, 0x90)}})); },
         "no .rsrc section: not a plug-in"},
        {"truncated .res",
         [&](const TempDir& d) {
             return d.write("cut.aip", makeElf({{".rsrc", Bytes(res.begin(), res.begin() + 100)}}));
         },
         "section .rsrc: resource 1 at offset 32: PIPL 16000 (language 1033) data: truncated"},
        {"no PIPL",
         [](const TempDir& d) {
             return d.write("nopipl.aip", makeElf({{".rsrc", makeRes({{std::uint16_t{6}, std::uint16_t{1001}, 1033,
                                                                         Bytes(32, 0)}})}}));
         },
         "no PIPL resource: not a plug-in"},
        {"wrong kind", [](const TempDir& d) { return d.write("kind.aip", patchedPlugin("AEPS", "AEPX")); },
         "section .rsrc: PIPL 16000 (language 1033): plug-in kind is 'XPEA', expected 'SPEA'"},
        {"wrong interface version",
         [](const TempDir& d) { return d.write("ivrs.aip", patchedPlugin("srvi\0\0\0\0\4\0\0\0\2"sv, "srvi\0\0\0\0\4\0\0\0\3"sv)); },
         "interface version is 3, expected 2"},
        {"entry point not exported",
         [](const TempDir& d) { return d.write("entry.aip", patchedPlugin("PluginMain", "PluginMaim")); },
         "the entry point \"PluginMaim\" named by its PIPL is not exported"},
        {"resources fine, no code",
         [&](const TempDir& d) { return d.write("fake.aip", makeElf({{".rsrc", res}})); },
         "the entry point \"PluginMain\" named by its PIPL is not exported"},
    };
    // clang-format on
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        const TempDir dir;
        const auto path = refusal.make(dir);
        try {
            const PluginLibrary library(path);
            ADD_FAILURE() << "loaded";
        } catch (const LoadError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind(path.string() + ": ", 0), 0u) << "does not begin with the path: " << message;
            EXPECT_NE(message.find(refusal.reason), std::string::npos) << message;
        }
    }
}

// Loading runs a library's constructors: a library without the entry point
// must be refused from its file alone.
TEST(PluginLibrary, RefusesALibraryWithoutTheEntryPointBeforeRunningAnyOfIt)
{
    const TempDir dir;
    const auto mark = dir.path() / "constructor-ran";
    ::setenv("FOCARA_TEST_LOAD_MARK", mark.c_str(), 1);
    try {
        const PluginLibrary library(FOCARA_CONSTRUCTOR_LIBRARY_PATH);
        ADD_FAILURE() << "loaded";
    } catch (const LoadError& error) {
        EXPECT_NE(std::string(error.what()).find("is not exported"), std::string::npos) << error.what();
    }
    ::unsetenv("FOCARA_TEST_LOAD_MARK");
    EXPECT_FALSE(std::filesystem::exists(mark)) << "the library's constructor ran";
}

}  // namespace
}  // namespace focara_test
