/* Basic types and error codes shared by the plug-in and its host.
   Plain C: both sides include it, nothing else crosses between them. */
#ifndef FOCARA_SDK_AITYPES_H
#define FOCARA_SDK_AITYPES_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Every function of the interface, the entry point and the suites' both, uses
   the C calling convention. 32-bit Windows compilers can be told to default
   to another, so there it is written out; elsewhere there is only one. */
#if defined(_WIN32) && !defined(_WIN64)
#define SPAPI __cdecl
#else
#define SPAPI
#endif

typedef int32_t ASErr; /* every host call returns one: 0 for success */
typedef ASErr AIErr;
typedef ASErr SPErr;
typedef float AIReal;      /* the host's real type: a 32-bit float */
typedef uint8_t AIBoolean; /* 0 false, non-zero true */

/* Four-character codes: the first character goes in the most significant byte. */
#define AI_FOURCC(a, b, c, d)                                                                                          \
    ((int32_t)(((uint32_t)(uint8_t)(a) << 24) | ((uint32_t)(uint8_t)(b) << 16) | ((uint32_t)(uint8_t)(c) << 8) |       \
               (uint32_t)(uint8_t)(d)))

enum {
    kNoErr = 0,
    kCanceledErr = AI_FOURCC('S', 'T', 'O', 'P'),          /* user cancelled; never reported */
    kSPSuiteNotFoundError = AI_FOURCC('S', '!', 'F', 'd'), /* unknown suite name or version */
    kSelectorNotValidErr = AI_FOURCC('!', 's', 'e', 'l'),  /* a menu command of the plug-in's own */
    kOutOfMemoryErr = AI_FOURCC('!', 'M', 'E', 'M'),
    kBadParameterErr = AI_FOURCC('P', 'A', 'R', 'M'), /* a null or out-of-range argument */
    kLayerLockedErr = AI_FOURCC('S', 'E', 'G', 'M'),
    kTooManySegmentsErr = AI_FOURCC('N', 'E', 'S', 'S'),
    kNoDocumentErr = AI_FOURCC('D', 'O', 'C', '?')
};

typedef struct AIRealPoint {
    AIReal h; /* horizontal */
    AIReal v; /* vertical, up */
} AIRealPoint;

typedef struct AIPoint { /* a point of a document view, in whole pixels */
    int32_t h;
    int32_t v;
} AIPoint;

typedef struct AIRealRect {
    AIReal left, top, right, bottom;
} AIRealRect;

/* Affine matrix: x' = a*x + c*y + tx, y' = b*x + d*y + ty. */
typedef struct AIRealMatrix {
    AIReal a, b, c, d, tx, ty;
} AIRealMatrix;

/* Opaque host objects; only the host looks inside. */
typedef struct _t_AIArtOpaque* AIArtHandle;
typedef struct _t_AILayerOpaque* AILayerHandle;
typedef struct _t_AIDocumentOpaque* AIDocumentHandle;
typedef struct _t_AIDocumentViewOpaque* AIDocumentViewHandle;
typedef struct _t_AISwatchListOpaque* AISwatchListRef;
typedef struct _t_AISwatchOpaque* AISwatchRef;
typedef struct _t_AIArtStyleOpaque* AIArtStyleHandle;
typedef struct _t_AIMdMemoryOpaque* AIMdMemoryHandle;
typedef struct _t_SPPluginOpaque* SPPluginRef;
typedef struct _t_AIFilterOpaque* AIFilterHandle;
typedef struct _t_AIMenuItemOpaque* AIMenuItemHandle;

#ifdef __cplusplus
}
#endif

#endif
