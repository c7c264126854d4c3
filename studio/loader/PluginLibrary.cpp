#include "studio/loader/PluginLibrary.h"

#include <dlfcn.h>

#include <bit>

#include "studio/loader/ElfFile.h"
#include "studio/loader/Errors.h"

namespace studio::loader {

namespace {

const ResourceName kPiplType("PIPL");

}  // namespace

PluginResources PluginResources::parse(std::span<const std::uint8_t> res)
{
    PluginResources resources;
    resources.file_ = ResourceFile::parse(res);

    const auto pipls = resources.file_.ofType(kPiplType);
    if (pipls.empty()) {
        throw FormatError("no PIPL resource: not a plug-in");
    }
    if (pipls.size() > 1) {
        throw FormatError(std::to_string(pipls.size()) + " PIPL resources; a plug-in library has one");
    }
    resources.pipl_ = inContext(describe(*pipls.front()), [&] { return parsePipl(pipls.front()->data); });

    resources.strings_ = StringTable::fromResources(resources.file_, kLanguageEnglishUS);
    for (const Resource* dialog : resources.file_.ofType(rt::kDialog)) {
        if (!dialog->name.isOrdinal() ||
            resources.file_.findPreferring(rt::kDialog, dialog->name, kLanguageEnglishUS) != dialog) {
            continue;
        }
        resources.dialogs_.emplace(dialog->name.ordinal(),
                                   inContext(describe(*dialog), [&] { return decodeDialog(dialog->data); }));
    }
    return resources;
}

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

std::optional<std::string> PluginResources::string(std::uint16_t listId, std::uint16_t index) const
{
    const unsigned id = unsigned{listId} + index;
    if (id > 0xFFFF) {
        return std::nullopt;
    }
    return strings_.string(static_cast<std::uint16_t>(id));
}

const DialogTemplate* PluginResources::dialog(std::uint16_t id) const noexcept
{
    const auto it = dialogs_.find(id);
    return it != dialogs_.end() ? &it->second : nullptr;
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
