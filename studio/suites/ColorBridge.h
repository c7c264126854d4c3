// Conversion between the sdk's colour and style records and the document's.
#pragma once

#include "sdk/AIArt.h"
#include "studio/document/PathStyle.h"
#include "studio/host/Host.h"

namespace studio {

AIColor toAIColor(Host& host, const Color& color);
// Throws std::invalid_argument for an unknown kind or named-colour id.
Color fromAIColor(const Host& host, const AIColor& color);

AIPathStyle toAIPathStyle(Host& host, const PathStyle& style);
PathStyle fromAIPathStyle(const Host& host, const AIPathStyle& style);

}  // namespace studio
