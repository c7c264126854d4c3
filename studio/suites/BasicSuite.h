// The basic suite handed to the plug-in with every message: it acquires and
// releases the other suites, by name and version, from the active host.
#pragma once

#include "sdk/SPBasic.h"

namespace studio {

const SPBasicSuite* basicSuite();

}  // namespace studio
