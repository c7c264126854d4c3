/* The plug-in's entry point and the message blocks the host hands it. */
#ifndef FOCARA_SDK_SPPLUGIN_H
#define FOCARA_SDK_SPPLUGIN_H

#include "AITypes.h"
#include "SPBasic.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Callers and selectors: PluginMain(caller, selector, message). */
#define kSPAccessCaller "SP Access"
#define kSPAccessUnloadSelector "Unload" /* the library is about to be swapped out */
#define kSPAccessReloadSelector "Reload" /* ... and is back */
#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceAboutSelector "About"
#define kSPInterfaceShutdownSelector "Shutdown"
#define kCallerAIMenu "AI Menu"
#define kSelectorAIGoMenuItem "AI Go"
#define kSelectorAIUpdateMenuItem "AI Update"
#define kCallerAIFilter "AI Filter"
#define kSelectorAIGetFilterParameters "AI Get Parameters"
#define kSelectorAIGoFilter "AI Go"

/* Common head of every message. */
typedef struct SPMessageData {
    int32_t SPCheck;  /* not used */
    SPPluginRef self; /* passed back to host calls that need to know the caller */
    void* globals;    /* where the host keeps the plug-in's globals while it is unloaded */
    const SPBasicSuite* basic;
} SPMessageData;

/* "AI Filter" messages. */
typedef struct AIFilterMessage {
    SPMessageData d;
    AIFilterHandle filter;       /* which registered filter */
    AIMdMemoryHandle parameters; /* the filter's parameter record; null until the plug-in allocates it */
} AIFilterMessage;

/* "AI Menu" messages. */
typedef struct AIMenuMessage {
    SPMessageData d;
    AIMenuItemHandle menuItem;
} AIMenuMessage;

/* The only export of a plug-in library. Returns 0 or an error code. */
typedef SPErr(SPAPI* SPPluginMainProc)(const char* caller, const char* selector, void* message);

#ifdef __cplusplus
}
#endif

#endif
