// A look as the start of a drawing in a document of the user's: the record
// (fields the look leaves out at the document's defaults, the length chosen
// to reach the page's edges when the look says so) and the current style and
// background it sets. The page stays the document's own.
#pragma once

#include <string>

#include "sdk/FocaraParams.h"
#include "studio/document/Document.h"
#include "studio/document/HostSettings.h"
#include "studio/host/Host.h"
#include "studio/io/Looks.h"
#include "studio/session/PluginRunner.h"

namespace studio {

struct LookStart {
    FocaraParams record{};
    HostSettings host;  // without a page
};

LookStart lookStart(const Look& look, const Document& document);

// A picture of what the look draws on the default page, drawn by the plug-in
// in a scratch run ("AI Go" alone) on the look's background, `width` pixels
// wide. Never call it while a dialog is open. Throws std::runtime_error when
// the filter does not draw.
std::string drawLookPicture(Host& host, PluginRunner& runner, const Look& look, int width);

}  // namespace studio
