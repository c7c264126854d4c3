// Every suite table the host offers, by name and version.
#pragma once

#include <cstdint>

namespace studio {

// The table of the named suite at that version, or null.
const void* findSuite(const char* name, int32_t version);

}  // namespace studio
