#include "studio/session/ResourceInstall.h"

namespace studio {

namespace {

constexpr uint32_t kStaticTypeMask = 0x1F;
constexpr uint32_t kStaticBlackFrame = 0x07;

ItemKind kindOf(const studio::loader::DialogItem& item)
{
    using studio::loader::ControlClass;
    switch (item.controlClass()) {
    case ControlClass::Button: return ItemKind::PushButton;
    case ControlClass::Static:
        return (item.style & kStaticTypeMask) == kStaticBlackFrame ? ItemKind::Frame : ItemKind::TextStatic;
    default: return ItemKind::TextStatic;
    }
}

}  // namespace

void installResources(DialogManager& dialogs, const studio::loader::PluginResources& resources)
{
    std::map<int32_t, std::string> strings;
    for (const auto& [id, text] : resources.strings().strings()) strings[id] = text;

    std::map<int32_t, DialogTemplate> templates;
    for (const auto& [id, source] : resources.dialogs()) {
        DialogTemplate t;
        t.title = source.title;
        t.width = source.width;
        t.height = source.height;
        for (const auto& item : source.items)
            t.items.push_back({item.id,
                               kindOf(item),
                               {item.x, item.y, item.x + item.width, item.y + item.height},
                               item.text(),
                               item.isDefaultPushButton()});
        templates[id] = std::move(t);
    }
    dialogs.setResources(std::move(strings), std::move(templates));
}

}  // namespace studio
