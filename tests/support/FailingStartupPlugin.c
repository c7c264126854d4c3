/* A plug-in with the real plug-in's resources whose "Startup" fails: it
   registers nothing, and every message returns the same error. */
#include <stdint.h>

__attribute__((visibility("default"))) int32_t PluginMain(const char* caller, const char* selector, void* message)
{
    (void)caller;
    (void)selector;
    (void)message;
    return -108; /* out of memory */
}
