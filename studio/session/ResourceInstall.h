// Hands a loaded plug-in's string lists and dialog templates to the dialog manager.
#pragma once

#include "studio/dialogs/DialogManager.h"
#include "studio/loader/PluginLibrary.h"

namespace studio {

void installResources(DialogManager& dialogs, const studio::loader::PluginResources& resources);

}  // namespace studio
