/* The host's basic suite and the SP service suites.
   The basic suite is handed to the plug-in in every message; every other
   suite is acquired from it by name and version and released when done. */
#ifndef FOCARA_SDK_SPBASIC_H
#define FOCARA_SDK_SPBASIC_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct SPBasicSuite {
    /* Non-zero when the two zero-terminated strings are equal. */
    AIBoolean(SPAPI* IsEqual)(const char* token1, const char* token2);
    /* Fills *suite with the table of the named suite at that version.
       kSPSuiteNotFoundError for an unknown name or version. */
    SPErr(SPAPI* AcquireSuite)(const char* name, int32_t version, const void** suite);
    /* Gives back one acquisition. kSPSuiteNotFoundError if the suite is not held. */
    SPErr(SPAPI* ReleaseSuite)(const char* name, int32_t version);
} SPBasicSuite;

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2
typedef struct SPBlocksSuite {
    /* A block of size bytes, tagged with debugName for leak reports. kOutOfMemoryErr. */
    SPErr(SPAPI* AllocateBlock)(size_t size, const char* debugName, void** block);
    /* Frees a block from AllocateBlock. kBadParameterErr for an unknown block. */
    SPErr(SPAPI* FreeBlock)(void* block);
} SPBlocksSuite;

/* Acquired by the plug-in with the others but never called. */
#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3
typedef struct SPAccessSuite {
    void* reserved;
} SPAccessSuite;

#define kSPPluginsSuite "SP Plug-ins Suite"
#define kSPPluginsSuiteVersion 4
typedef struct SPPluginsSuite {
    void* reserved;
} SPPluginsSuite;

#define kAIMdMemorySuite "AI MdMemory Suite"
#define kAIMdMemorySuiteVersion 1
typedef struct AIMdMemorySuite {
    /* A new relocatable handle of size bytes, contents undefined. kOutOfMemoryErr. */
    AIErr(SPAPI* MdMemoryNewHandle)(size_t size, AIMdMemoryHandle* handle);
    AIErr(SPAPI* MdMemoryDisposeHandle)(AIMdMemoryHandle handle);
    AIErr(SPAPI* MdMemoryGetSize)(AIMdMemoryHandle handle, size_t* size);
    /* The address of the handle's bytes, valid until the handle is unlocked. */
    AIErr(SPAPI* MdMemoryLockHandle)(AIMdMemoryHandle handle, void** block);
    AIErr(SPAPI* MdMemoryUnLockHandle)(AIMdMemoryHandle handle);
} AIMdMemorySuite;

#ifdef __cplusplus
}
#endif

#endif
