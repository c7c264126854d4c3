// The .res reader with everything a plug-in's resources hold: the PIPL,
// string tables and dialog templates.
#include <cstdint>
#include <span>

#include "studio/loader/Errors.h"
#include "studio/loader/PluginLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        auto resources = studio::loader::PluginResources::parse(std::span<const std::uint8_t>(data, size));
        (void)resources.string(16000, 1);
        (void)resources.dialog(16050);
    } catch (const studio::loader::FormatError&) {
    } catch (const studio::loader::LoadError&) {
    }
    return 0;
}
