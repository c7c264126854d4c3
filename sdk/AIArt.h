/* Artwork services: paths, their segments and style, opacity, transforms. */
#ifndef FOCARA_SDK_AIART_H
#define FOCARA_SDK_AIART_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { kPathArt = 2 };

/* Paint orders, relative to a reference object (or to the document when it is null). */
enum {
    kPlaceAbove = 1,
    kPlaceBelow = 2, /* directly below the reference, in its layer */
    kPlaceInsideOnTop = 3,
    kPlaceInsideOnBottom = 4,
    kPlaceAboveAll = 5, /* top of the reference's layer, or of the current layer */
    kPlaceBelowAll = 6
};

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion 9
typedef struct AIArtSuite {
    /* A new, empty object of type at paintOrder relative to prep. kBadParameterErr. */
    AIErr(SPAPI* NewArt)(int16_t type, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt);
    /* A copy of art (segments, style, opacity, graphic style) at paintOrder relative to prep. */
    AIErr(SPAPI* DuplicateArt)(AIArtHandle art, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt);
    /* Tight geometric bounds without the stroke; (0,0,0,0) for an empty path. */
    AIErr(SPAPI* GetArtBounds)(AIArtHandle art, AIRealRect* bounds);
} AIArtSuite;

/* One anchor of a path. The edge to the next anchor is the cubic through
   this segment's out-handle and the next segment's in-handle. */
typedef struct AIPathSegment {
    AIRealPoint p;   /* anchor */
    AIRealPoint in;  /* in-handle */
    AIRealPoint out; /* out-handle */
    AIBoolean corner;
} AIPathSegment;

#define kAIPathSuite "AI Path Suite"
#define kAIPathSuiteVersion 4
typedef struct AIPathSuite {
    AIErr(SPAPI* GetPathSegmentCount)(AIArtHandle path, int16_t* count);
    /* Grows with copies of the last segment (or zeros) or cuts the path to count. kBadParameterErr. */
    AIErr(SPAPI* SetPathSegmentCount)(AIArtHandle path, int16_t count);
    /* Reads count segments from segNumber. kBadParameterErr when the range leaves the path. */
    AIErr(SPAPI* GetPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count, AIPathSegment* segments);
    /* Writes count segments from segNumber; writing past the end grows the path.
       kBadParameterErr when segNumber lies beyond the end, kTooManySegmentsErr past 32767. */
    AIErr(SPAPI* SetPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count, const AIPathSegment* segments);
    AIErr(SPAPI* GetPathClosed)(AIArtHandle path, AIBoolean* closed);
    AIErr(SPAPI* SetPathClosed)(AIArtHandle path, AIBoolean closed);
} AIPathSuite;

/* Colour kinds, as the host tags them. The plug-in changes only gray, four- and three-colour. */
enum { kGrayColor = 0, kFourColor = 1, kPattern = 2, kCustomColor = 3, kGradient = 4, kThreeColor = 5, kNoneColor = 6 };

typedef struct AIGrayColorStyle {
    AIReal gray;
} AIGrayColorStyle; /* 0 white, 1 black */
typedef struct AIFourColorStyle {
    AIReal cyan, magenta, yellow, black;
} AIFourColorStyle;
typedef struct AIThreeColorStyle {
    AIReal red, green, blue;
} AIThreeColorStyle;
/* Pattern, gradient and custom colours refer to a named colour the host keeps. */
typedef struct AINamedColorRef {
    int32_t id;
} AINamedColorRef;

typedef struct AIColor {
    int16_t kind;
    union {
        AIGrayColorStyle g;
        AIFourColorStyle f;
        AIThreeColorStyle rgb;
        AINamedColorRef named;
    } c;
} AIColor;

typedef struct AIFillStyle {
    AIColor color;
} AIFillStyle;

typedef struct AIStrokeStyle {
    AIColor color;
    AIReal width;
} AIStrokeStyle;

typedef struct AIPathStyle {
    AIBoolean fillPaint;
    AIBoolean strokePaint;
    AIFillStyle fill;
    AIStrokeStyle stroke;
} AIPathStyle;

#define kAIPathStyleSuite "AI Path Style Suite"
#define kAIPathStyleSuiteVersion 5
typedef struct AIPathStyleSuite {
    AIErr(SPAPI* GetPathStyle)(AIArtHandle path, AIPathStyle* style);
    /* kBadParameterErr for an unknown colour kind or named colour. */
    AIErr(SPAPI* SetPathStyle)(AIArtHandle path, const AIPathStyle* style);
} AIPathStyleSuite;

#define kAIBlendStyleSuite "AI Blend Style Suite"
#define kAIBlendStyleSuiteVersion 2
typedef struct AIBlendStyleSuite {
    AIErr(SPAPI* GetOpacity)(AIArtHandle art, AIReal* opacity);
    /* opacity in 0..1; other values are clamped. */
    AIErr(SPAPI* SetOpacity)(AIArtHandle art, AIReal opacity);
} AIBlendStyleSuite;

enum { kTransformObjects = 1 };

#define kAITransformArtSuite "AI Transform Art Suite"
#define kAITransformArtSuiteVersion 1
typedef struct AITransformArtSuite {
    /* Applies matrix to every anchor and handle. lineScale scales the stroke width. */
    AIErr(SPAPI* TransformArt)(AIArtHandle art, const AIRealMatrix* matrix, AIReal lineScale, int32_t flags);
} AITransformArtSuite;

/* Acquired by the plug-in with the others but never called. */
#define kAITagSuite "AI Tag Suite"
#define kAITagSuiteVersion 2
typedef struct AITagSuite {
    void* reserved;
} AITagSuite;

#define kAIMatchingArtSuite "AI Matching Art Suite"
#define kAIMatchingArtSuiteVersion 4
typedef struct AIMatchingArtSuite {
    void* reserved;
} AIMatchingArtSuite;

#ifdef __cplusplus
}
#endif

#endif
