// A small picture of what a preset of the filter draws, made by the plug-in
// itself: the filter runs in a scratch document with the preset chosen in
// its dialog, as a person would, and the result is drawn as a PNG. The
// host's document, random numbers, record, driver and armed faults are as
// they were after.
#pragma once

#include <cstdint>
#include <string>

#include "studio/host/Host.h"
#include "studio/session/PluginRunner.h"

namespace studio {

// The picture of preset popup entry `entry`: the square around its drawing,
// `width` pixels a side. Never call it while a dialog is open. Throws
// std::runtime_error when the filter does not draw.
std::string drawPresetPicture(Host& host, PluginRunner& runner, int32_t entry, int width);

}  // namespace studio
