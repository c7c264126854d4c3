/* The plug-in's entry point and the message blocks the host passes to it.

   The host calls PluginMain(caller, selector, message) for every event, on
   its user-interface thread, one message at a time. The caller and selector
   strings name the event and decide which message block `message` points to.
   Compare them with the basic suite's IsEqual, never by address. */
#ifndef FOCARA_SDK_SPPLUGIN_H
#define FOCARA_SDK_SPPLUGIN_H

#include "AITypes.h"
#include "SPBasic.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Every message block starts with this header. */
typedef struct SPMessageData {
    int32_t SPCheck;            /* check word; not used by the plug-in */
    SPPluginRef self;           /* the calling plug-in, passed back to host calls that need it */
    void* globals;              /* the host keeps the plug-in's globals here while it is unloaded */
    const SPBasicSuite* basic;  /* string equality, suite acquisition and release */
} SPMessageData;

/* Filter messages ("AI Filter" caller). */
typedef struct AIFilterMessage {
    SPMessageData d;
    AIFilterHandle filter;        /* the registered filter the message is for */
    AIMdMemoryHandle parameters;  /* the parameter record's handle; null until first allocated */
} AIFilterMessage;

/* Load and unload of the library. No suites may be acquired; message: SPMessageData.
   "Unload": hand the globals to the host in message->globals. "Reload": take them back. */
#define kSPAccessCaller "SP Access"
#define kSPAccessUnloadSelector "Unload"
#define kSPAccessReloadSelector "Reload"

/* Life cycle. message: SPMessageData.
   "Startup": allocate globals, register the filter. "About": show the About box.
   "Shutdown": free the globals and clear message->globals. */
#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceAboutSelector "About"
#define kSPInterfaceShutdownSelector "Shutdown"

/* Menu items of the plug-in's own (it registers none). */
#define kCallerAIMenu "AI Menu"
#define kSelectorAIGoMenuItem "AI Go"
#define kSelectorAIUpdateMenuItem "AI Update"

/* The filter. message: AIFilterMessage.
   "AI Get Parameters": run the parameter dialog; kCanceledErr when cancelled.
   "AI Go": draw with the stored parameters. */
#define kCallerAIFilter "AI Filter"
#define kSelectorAIGetFilterParameters "AI Get Parameters"
#define kSelectorAIGoFilter "AI Go"

/* The entry point's type, as the host resolves it by the name in the
   plug-in's property list. Returns 0 for success or a host error code. */
typedef SPErr (*SPPluginMainProc)(const char* caller, const char* selector, void* message);

#if defined(__GNUC__)
#define SP_PLUGIN_EXPORT __attribute__((visibility("default")))
#else
#define SP_PLUGIN_EXPORT
#endif

/* The library's only exported symbol. */
SP_PLUGIN_EXPORT SPErr PluginMain(const char* caller, const char* selector, void* message);

#ifdef __cplusplus
}
#endif

#endif
