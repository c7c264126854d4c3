// What a plug-in's resources say, whichever kind of library file carried them.
#include "studio/loader/Errors.h"
#include "studio/loader/PluginLibrary.h"

namespace studio::loader {

namespace {

const ResourceName kPiplType("PIPL");

}  // namespace

PluginResources PluginResources::parse(std::span<const std::uint8_t> res) { return decode(ResourceFile::parse(res)); }

PluginResources PluginResources::decode(ResourceFile file)
{
    PluginResources resources;
    resources.file_ = std::move(file);

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

}  // namespace studio::loader
