// The plug-in's entry point. Message dispatch comes later; for now every
// message succeeds without doing anything.
#include "sdk/SPPlugin.h"

extern "C" __attribute__((visibility("default"))) SPErr PluginMain(const char* caller,
                                                                   const char* selector,
                                                                   void* message)
{
    (void)caller;
    (void)selector;
    (void)message;
    return kNoErr;
}
