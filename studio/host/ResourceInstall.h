// Hands a loaded plug-in's string lists and dialog templates to the dialog manager.
#pragma once

#include "studio/dialogs/DialogManager.h"
#include "studio/plugin/PluginLibrary.h"

namespace studio {

void installResources(DialogManager& dialogs, const focara::plugin::PluginResources& resources);

}  // namespace studio
