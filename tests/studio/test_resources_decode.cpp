// The loader's decoders fed resource by resource, as the Windows loader feeds
// them from a DLL's resource tree: the same plug-in comes out as from the
// .res file, whatever order and header fields the resources arrive with.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "studio/loader/Errors.h"
#include "studio/loader/PluginLibrary.h"
#include "tests/support/ResourceFixtures.h"

namespace focara_test {
namespace {

using studio::loader::FormatError;
using studio::loader::PluginResources;
using studio::loader::Resource;
using studio::loader::ResourceFile;

// The built .res file's resources as a resource tree hands them over: sorted
// by type and name, without the .res headers' flags and versions.
std::vector<Resource> asFromAResourceTree()
{
    const Bytes res = readFileBytes(builtResPath());
    std::vector<Resource> resources = ResourceFile::parse(res).resources();
    for (Resource& r : resources) {
        r.dataVersion = r.memoryFlags = 0;
        r.version = r.characteristics = 0;
    }
    std::sort(resources.begin(), resources.end(),
              [](const Resource& a, const Resource& b) { return std::tie(a.type, a.name) < std::tie(b.type, b.name); });
    return resources;
}

TEST(ResourceDecoding, ResourcesHandedOneByOneDecodeAsTheResFile)
{
    const PluginResources fromRes = PluginResources::parse(readFileBytes(builtResPath()));
    const PluginResources fromTree = PluginResources::decode(ResourceFile::fromResources(asFromAResourceTree()));

    EXPECT_EQ(fromTree.pipl().entryPoint, fromRes.pipl().entryPoint);
    EXPECT_EQ(fromTree.pipl().kind, fromRes.pipl().kind);
    EXPECT_EQ(fromTree.pipl().properties.size(), fromRes.pipl().properties.size());
    EXPECT_EQ(fromTree.strings().strings(), fromRes.strings().strings());
    ASSERT_EQ(fromTree.dialogs().size(), fromRes.dialogs().size());
    for (const auto& [id, dialog] : fromRes.dialogs()) {
        const auto* other = fromTree.dialog(id);
        ASSERT_NE(other, nullptr) << id;
        EXPECT_EQ(other->title, dialog.title);
        EXPECT_EQ(other->items.size(), dialog.items.size());
    }
}

TEST(ResourceDecoding, RefusesWhatTheResFileWouldBeRefusedFor)
{
    const auto without = [](auto drop) {
        std::vector<Resource> resources = asFromAResourceTree();
        std::erase_if(resources, drop);
        return resources;
    };
    std::vector<Resource> twice = asFromAResourceTree();
    twice.push_back(twice.front());
    std::vector<Resource> badPipl = asFromAResourceTree();
    for (Resource& r : badPipl)
        if (r.type == "PIPL") r.data.resize(10);

    const std::vector<std::pair<std::vector<Resource>, std::string>> cases = {
        {without([](const Resource& r) { return r.type == "PIPL"; }), "no PIPL resource: not a plug-in"},
        {twice, "appears twice"},
        {badPipl, "PIPL"},
    };
    for (const auto& [resources, message] : cases) {
        try {
            PluginResources::decode(ResourceFile::fromResources(resources));
            ADD_FAILURE() << "accepted; expected: " << message;
        } catch (const FormatError& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace focara_test
