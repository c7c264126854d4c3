// The record a filter's first run starts from, as the host can make it from
// the stored format's field table without asking the plug-in: what --params
// replaces and what `focara params make` writes.
#pragma once

#include "sdk/FocaraParams.h"
#include "studio/document/Document.h"

namespace studio {

// Every default of the field table, the zoom centre and midpoint at the
// centre of the document's view; words without a default are 0.
FocaraParams defaultRecord(const Document& document);

}  // namespace studio
