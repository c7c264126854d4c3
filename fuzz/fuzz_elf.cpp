// The ELF reader: sections, their bytes and the exported symbols of any file.
#include <cstdint>
#include <vector>

#include "studio/loader/ElfFile.h"
#include "studio/loader/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        auto elf = studio::loader::ElfFile::parse(std::vector<std::uint8_t>(data, data + size));
        for (const auto& section : elf.sections()) (void)elf.sectionData(section);
        (void)elf.findSection(".rsrc");
        (void)elf.exports("PluginMain");
    } catch (const studio::loader::FormatError&) {
    } catch (const studio::loader::LoadError&) {
    }
    return 0;
}
