// The Linux implementation: an ELF shared library whose section .rsrc holds
// the .res file, loaded with dlopen.
#include "studio/loader/PluginLibrary.h"

#include <dlfcn.h>

#include <bit>

#include "studio/loader/ElfFile.h"
#include "studio/loader/Errors.h"

namespace studio::loader {

PluginResources PluginResources::read(const std::filesystem::path& libraryPath)
{
    const ElfFile elf = ElfFile::read(libraryPath);
    const auto fail = [&](const std::string& message) { return LoadError(libraryPath.string() + ": " + message); };
    if (elf.type() != kElfTypeSharedObject) {
        throw fail("not a shared library (ELF type " + std::to_string(elf.type()) + ")");
    }
    const ElfSection* section = elf.findSection(kResourceSection);
    if (section == nullptr) {
        throw fail(std::string("no ") + kResourceSection + " section: not a plug-in");
    }
    try {
        return inContext(std::string("section ") + kResourceSection, [&] { return parse(elf.sectionData(*section)); });
    } catch (const FormatError& error) {
        throw fail(error.what());
    }
}

void PluginLibrary::Closer::operator()(void* handle) const noexcept { dlclose(handle); }

PluginLibrary::PluginLibrary(const std::filesystem::path& path) : path_(path), resources_(PluginResources::read(path))
{
    // Loading runs the library's constructors: a file without the entry point is refused unloaded.
    const std::string& name = resources_.pipl().entryPoint;
    if (!ElfFile::read(path).exports(name)) {
        throw LoadError(path.string() + ": the entry point \"" + name + "\" named by its PIPL is not exported");
    }
    // dlopen searches the library path for a name without a slash, which
    // could load some other file than the one just checked.
    const std::filesystem::path absolute = std::filesystem::absolute(path);
    handle_.reset(dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!handle_) {
        const char* reason = dlerror();
        throw LoadError(path.string() + ": cannot load: " + (reason != nullptr ? reason : "unknown dlopen error"));
    }
    dlerror();
    void* symbol = dlsym(handle_.get(), name.c_str());
    if (symbol == nullptr) {
        throw LoadError(path.string() + ": the entry point \"" + name + "\" named by its PIPL is not exported");
    }
    entryPoint_ = std::bit_cast<SPPluginMainProc>(symbol);
}

}  // namespace studio::loader
