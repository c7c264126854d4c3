// The plug-in's globals block: 32 bytes from the host's block allocator,
// kept by the host while the library is swapped out.
#ifndef FOCARA_HOST_GLOBALS_H
#define FOCARA_HOST_GLOBALS_H

#include "sdk/SPBasic.h"

struct PluginGlobals {
    AIFilterHandle filter;      // the registered filter (the first filter-handle slot)
    int32_t filterCount;        // filters registered
    const SPBasicSuite* basic;  // stored at start-up
};

enum { kGlobalsBlockSize = 32 };
static_assert(sizeof(PluginGlobals) <= kGlobalsBlockSize, "the globals fit their block");

// Null before "Startup" and after "Shutdown".
extern PluginGlobals* gGlobals;

#endif
