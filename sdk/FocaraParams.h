/* The filter's parameter record: the 432 bytes the host stores for the filter
   between runs and in .rec files, little-endian, at fixed offsets. Both sides
   need the layout: the plug-in edits and reads it, the host keeps and files it. */
#ifndef FOCARA_SDK_FOCARAPARAMS_H
#define FOCARA_SDK_FOCARAPARAMS_H

#include <string.h>

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { kFocaraParamsSize = 432, kFocaraParamFieldCount = 108 };

typedef enum FocaraParamType {
    kParamFlag,    /* int32, 0 or 1 */
    kParamInt,     /* int32 */
    kParamReal,    /* 32-bit float */
    kParamReserved /* not set and not read */
} FocaraParamType;

typedef enum FocaraParamDefault {
    kDefaultConstant,    /* the row's default value */
    kDefaultViewCenterH, /* horizontal centre of document view 0 */
    kDefaultViewCenterV, /* vertical centre of document view 0 */
    kDefaultNotSet       /* left as the new block holds it */
} FocaraParamDefault;

/* Every four-byte word of the record, in stored order, written once: the
   struct, its offset checks and the field table are all made from this list,
   so a row's name is always the member it describes.
   X(name, offset, type, default kind, default, minimum, maximum, item, page):
   minimum and maximum are the range the dialog's value box enforces; item is
   the dialog item that edits the field (0 for none); page is the dialog page
   1..6 (0 for every page or none). Flags are int32 0/1, tested for non-zero.
   Percentages are 100 = unchanged, angles are degrees, lengths points. */
/* clang-format off */
#define FOCARA_PARAM_FIELDS(X) \
    X(randomCreate, 0, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 124, 6) \
    X(randomFillSwatch, 4, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 123, 6) \
    X(jitterCenter, 8, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 122, 6) \
    X(jitterScaling, 12, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 121, 6) \
    X(layerPerPass, 16, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 118, 6) \
    X(layerPerSet, 20, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 119, 6) \
    X(layerPerLine, 24, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 120, 6) \
    X(randomFill, 28, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 117, 6) \
    X(randomOpacity, 32, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 113, 6) \
    X(preview, 36, kParamFlag, kDefaultConstant, 1.0, 0.0, 1.0, 3, 0) \
    X(randomStroke, 40, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 110, 6) \
    X(randomStrokeWidth, 44, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 111, 6) \
    X(randomStyle, 48, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 112, 6) \
    X(jitterFill, 52, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 114, 6) \
    X(jitterStroke, 56, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 115, 6) \
    X(jitterStrokeWidth, 60, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 116, 6) \
    X(randomStrokeSwatch, 64, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 132, 6) \
    X(randomInterpolation, 68, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 133, 6) \
    X(dropShadow, 72, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 131, 6) \
    X(halfShadow, 76, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 129, 6) \
    X(randomShadowAngle, 80, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 127, 6) \
    X(randomShadowOpacity, 84, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 128, 6) \
    X(randomShadowScale, 88, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 130, 6) \
    X(randomSketchShift, 92, kParamFlag, kDefaultConstant, 1.0, 0.0, 1.0, 125, 6) \
    X(randomSketchWidth, 96, kParamFlag, kDefaultConstant, 1.0, 0.0, 1.0, 126, 6) \
    X(randomLineShape, 100, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 139, 6) \
    X(randomLineShapePerSet, 104, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 140, 6) \
    X(alternateLineShapes, 108, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 141, 6) \
    X(midpointApplyWidth, 112, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 136, 5) \
    X(midpointApplyCreate, 116, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 138, 5) \
    X(midpointApplyLength, 120, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 135, 5) \
    X(midpointApplyDistance, 124, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 134, 5) \
    X(midpointApplyFill, 128, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 137, 5) \
    X(swatchOrder, 132, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 149, 6) \
    X(randomLength, 136, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 144, 6) \
    X(randomDistance, 140, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 145, 6) \
    X(randomWidth, 144, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 146, 6) \
    X(randomRotation, 148, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 143, 6) \
    X(randomScaling, 152, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 142, 6) \
    X(repeatAltScaling, 156, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 147, 4) \
    X(repeatAltRotation, 160, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 148, 4) \
    X(zoomSets, 164, kParamInt, kDefaultConstant, 1.0, 1.0, 40.0, 26, 4) \
    X(sketchRepeats, 168, kParamInt, kDefaultConstant, 0.0, 0.0, 60.0, 15, 2) \
    X(sketchColorMode, 172, kParamInt, kDefaultConstant, 0.0, 0.0, 11.0, 16, 2) \
    X(currentPage, 176, kParamInt, kDefaultConstant, 1.0, 1.0, 6.0, 0, 0) \
    X(reserved180, 180, kParamReserved, kDefaultNotSet, 0.0, -2147483648.0, 2147483647.0, 0, 0) \
    X(lineCount, 184, kParamInt, kDefaultConstant, 30.0, 1.0, 300.0, 11, 1) \
    X(shapeStyle, 188, kParamInt, kDefaultConstant, 0.0, 0.0, 54.0, 22, 1) \
    X(interpolationMode, 192, kParamInt, kDefaultConstant, 0.0, 0.0, 14.0, 18, 3) \
    X(centerMode, 196, kParamInt, kDefaultConstant, 0.0, 0.0, 7.0, 12, 2) \
    X(presetIndex, 200, kParamInt, kDefaultConstant, 0.0, 0.0, 24.0, 161, 0) \
    X(patternSkip1, 204, kParamInt, kDefaultConstant, 0.0, 0.0, 60.0, 40, 3) \
    X(patternCreate1, 208, kParamInt, kDefaultConstant, 1.0, 1.0, 60.0, 41, 3) \
    X(patternSkip2, 212, kParamInt, kDefaultConstant, 0.0, 0.0, 60.0, 42, 3) \
    X(patternCreate2, 216, kParamInt, kDefaultConstant, 1.0, 1.0, 60.0, 43, 3) \
    X(patternSkip3, 220, kParamInt, kDefaultConstant, 0.0, 0.0, 60.0, 44, 3) \
    X(patternCreate3, 224, kParamInt, kDefaultConstant, 1.0, 1.0, 60.0, 45, 3) \
    X(viewZoom, 228, kParamReal, kDefaultConstant, 100.0, 1.0, 500.0, 57, 0) \
    X(angleMin, 232, kParamReal, kDefaultConstant, 0.0, 0.0, 360.0, 4, 3) \
    X(angleMax, 236, kParamReal, kDefaultConstant, 360.0, 0.0, 360.0, 5, 3) \
    X(rotation, 240, kParamReal, kDefaultConstant, 0.0, -360.0, 360.0, 8, 2) \
    X(zoomWidth, 244, kParamReal, kDefaultConstant, 10.0, 0.0, 2000.0, 21, 1) \
    X(centerX, 248, kParamReal, kDefaultViewCenterH, 0.0, -5000.0, 5000.0, 6, 2) \
    X(centerY, 252, kParamReal, kDefaultViewCenterV, 0.0, -5000.0, 5000.0, 7, 2) \
    X(scaleHorizontal, 256, kParamReal, kDefaultConstant, 100.0, -1000.0, 1000.0, 9, 2) \
    X(scaleVertical, 260, kParamReal, kDefaultConstant, 100.0, -1000.0, 1000.0, 10, 2) \
    X(zoomLength, 264, kParamReal, kDefaultConstant, 100.0, 0.0, 2000.0, 19, 1) \
    X(zoomDistance, 268, kParamReal, kDefaultConstant, 20.0, 0.0, 2000.0, 20, 1) \
    X(sketchShift, 272, kParamReal, kDefaultConstant, 5.0, 0.0, 200.0, 13, 2) \
    X(sketchWeight, 276, kParamReal, kDefaultConstant, 0.0, 0.0, 400.0, 14, 2) \
    X(interpolationAmount, 280, kParamReal, kDefaultConstant, 0.0, -1000.0, 1000.0, 17, 3) \
    X(zoomLengthSpread, 284, kParamReal, kDefaultConstant, 0.0, -300.0, 500.0, 23, 1) \
    X(zoomDistanceSpread, 288, kParamReal, kDefaultConstant, 0.0, -300.0, 500.0, 24, 1) \
    X(zoomWidthSpread, 292, kParamReal, kDefaultConstant, 0.0, -200.0, 500.0, 25, 1) \
    X(randomAngle, 296, kParamReal, kDefaultConstant, 0.0, -360.0, 360.0, 27, 3) \
    X(scaleHorizontalSpread, 300, kParamReal, kDefaultConstant, 0.0, -1000.0, 1000.0, 28, 2) \
    X(scaleVerticalSpread, 304, kParamReal, kDefaultConstant, 0.0, -1000.0, 1000.0, 29, 2) \
    X(rotationSpread, 308, kParamReal, kDefaultConstant, 0.0, -200.0, 200.0, 30, 2) \
    X(centerXSpread, 312, kParamReal, kDefaultConstant, 0.0, -300.0, 300.0, 31, 2) \
    X(centerYSpread, 316, kParamReal, kDefaultConstant, 0.0, -300.0, 300.0, 32, 2) \
    X(midpointX, 320, kParamReal, kDefaultViewCenterH, 0.0, -5000.0, 5000.0, 46, 5) \
    X(midpointY, 324, kParamReal, kDefaultViewCenterV, 0.0, -5000.0, 5000.0, 47, 5) \
    X(setLengthPercent, 328, kParamReal, kDefaultConstant, 100.0, 0.0, 1000.0, 33, 4) \
    X(setDistancePercent, 332, kParamReal, kDefaultConstant, 100.0, 0.0, 1000.0, 34, 4) \
    X(setWidthPercent, 336, kParamReal, kDefaultConstant, 100.0, 0.0, 1000.0, 35, 4) \
    X(setShiftX, 340, kParamReal, kDefaultConstant, 0.0, -1000.0, 1000.0, 36, 4) \
    X(setShiftY, 344, kParamReal, kDefaultConstant, 0.0, -1000.0, 1000.0, 37, 4) \
    X(setAngle, 348, kParamReal, kDefaultConstant, 0.0, -100.0, 100.0, 38, 4) \
    X(setFill, 352, kParamReal, kDefaultConstant, 0.0, -300.0, 300.0, 39, 4) \
    X(lineLengthPercent, 356, kParamReal, kDefaultConstant, 100.0, 0.0, 1000.0, 48, 5) \
    X(lineWidthPercent, 360, kParamReal, kDefaultConstant, 100.0, 0.0, 1000.0, 50, 5) \
    X(lineDistancePercent, 364, kParamReal, kDefaultConstant, 100.0, 0.0, 1000.0, 49, 5) \
    X(lineFill, 368, kParamReal, kDefaultConstant, 0.0, -300.0, 300.0, 51, 5) \
    X(midpointLength, 372, kParamReal, kDefaultConstant, 100.0, -500.0, 500.0, 52, 5) \
    X(midpointDistance, 376, kParamReal, kDefaultConstant, 100.0, -500.0, 500.0, 53, 5) \
    X(midpointFill, 380, kParamReal, kDefaultConstant, 100.0, -500.0, 500.0, 54, 5) \
    X(midpointWidth, 384, kParamReal, kDefaultConstant, 100.0, -500.0, 500.0, 55, 5) \
    X(midpointCreate, 388, kParamReal, kDefaultConstant, 100.0, -500.0, 500.0, 56, 5) \
    X(setCenterShiftX, 392, kParamReal, kDefaultConstant, 0.0, -300.0, 300.0, 58, 4) \
    X(setCenterShiftY, 396, kParamReal, kDefaultConstant, 0.0, -300.0, 300.0, 59, 4) \
    X(finalRun, 400, kParamFlag, kDefaultNotSet, 0.0, 0.0, 1.0, 0, 0) \
    X(previewDrawn, 404, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 0, 0) \
    X(reserved408, 408, kParamReserved, kDefaultNotSet, 0.0, -2147483648.0, 2147483647.0, 0, 0) \
    X(dialogLeft, 412, kParamInt, kDefaultNotSet, 0.0, -2147483648.0, 2147483647.0, 0, 0) \
    X(dialogTop, 416, kParamInt, kDefaultNotSet, 0.0, -2147483648.0, 2147483647.0, 0, 0) \
    X(dialogRight, 420, kParamInt, kDefaultNotSet, 0.0, -2147483648.0, 2147483647.0, 0, 0) \
    X(dialogBottom, 424, kParamInt, kDefaultNotSet, 0.0, -2147483648.0, 2147483647.0, 0, 0) \
    X(dialogBoundsSaved, 428, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 0, 0)
/* clang-format on */

#define FOCARA_PARAM_CTYPE_kParamFlag int32_t
#define FOCARA_PARAM_CTYPE_kParamInt int32_t
#define FOCARA_PARAM_CTYPE_kParamReserved int32_t
#define FOCARA_PARAM_CTYPE_kParamReal AIReal
#define FOCARA_PARAM_MEMBER(name, offset, type, ...) FOCARA_PARAM_CTYPE_##type name;

typedef struct FocaraParams {
    FOCARA_PARAM_FIELDS(FOCARA_PARAM_MEMBER)
} FocaraParams;

#ifdef __cplusplus
#define FOCARA_STATIC_ASSERT static_assert
#else
#define FOCARA_STATIC_ASSERT _Static_assert
#endif
#define FOCARA_PARAM_OFFSET_CHECK(name, offset, ...)                                                                   \
    FOCARA_STATIC_ASSERT(offsetof(FocaraParams, name) == (offset), #name " must stay at byte " #offset);
FOCARA_STATIC_ASSERT(sizeof(FocaraParams) == kFocaraParamsSize, "the stored record is 432 bytes");
FOCARA_PARAM_FIELDS(FOCARA_PARAM_OFFSET_CHECK)

/* One row per four-byte word of the record, in stored order. */
typedef struct FocaraParamField {
    const char* name;
    int32_t offset;
    FocaraParamType type;
    FocaraParamDefault defaultKind;
    double defaultValue;
    double minimum; /* the range the dialog's value box enforces */
    double maximum;
    int32_t item; /* dialog item that edits the field, 0 for none */
    int32_t page; /* dialog page 1..6, 0 for every page or none */
} FocaraParamField;

#define FOCARA_PARAM_ROW(name, offset, type, defaultKind, defaultValue, minimum, maximum, item, page)                  \
    {#name, offset, type, defaultKind, defaultValue, minimum, maximum, item, page},
static const FocaraParamField kFocaraParamFields[kFocaraParamFieldCount] = {FOCARA_PARAM_FIELDS(FOCARA_PARAM_ROW)};

/* Access by field: the one way both sides read and write the record's words
   through the table. */

/* The row named name, or null. */
static inline const FocaraParamField* FocaraParamFieldNamed(const char* name)
{
    int i;
    for (i = 0; i < kFocaraParamFieldCount; ++i)
        if (strcmp(kFocaraParamFields[i].name, name) == 0) return &kFocaraParamFields[i];
    return NULL;
}

/* The row of the word at byte offset, or null when no field starts there. */
static inline const FocaraParamField* FocaraParamFieldAt(int32_t offset)
{
    if (offset < 0 || offset % 4 != 0 || offset / 4 >= kFocaraParamFieldCount) return NULL;
    return &kFocaraParamFields[offset / 4];
}

/* The field's word: int32 for flags, integers and reserved words, AIReal for reals. */
static inline int32_t* FocaraParamIntWord(FocaraParams* record, const FocaraParamField* field)
{
    return (int32_t*)(void*)((unsigned char*)record + field->offset);
}
static inline AIReal* FocaraParamRealWord(FocaraParams* record, const FocaraParamField* field)
{
    return (AIReal*)(void*)((unsigned char*)record + field->offset);
}

/* The field's value, exactly, whatever its type. */
static inline double FocaraParamValue(const FocaraParams* record, const FocaraParamField* field)
{
    const unsigned char* word = (const unsigned char*)record + field->offset;
    if (field->type == kParamReal) {
        AIReal real;
        memcpy(&real, word, sizeof real);
        return real;
    } else {
        int32_t whole;
        memcpy(&whole, word, sizeof whole);
        return whole;
    }
}

/* Writes value into the field: rounded to a float for reals, converted toward
   zero for the others, held within int32 (NaN writes 0). */
static inline void FocaraSetParamValue(FocaraParams* record, const FocaraParamField* field, double value)
{
    unsigned char* word = (unsigned char*)record + field->offset;
    if (field->type == kParamReal) {
        AIReal real = (AIReal)value;
        memcpy(word, &real, sizeof real);
    } else {
        int32_t whole = 0;
        if (value >= 2147483647.0)
            whole = INT32_MAX;
        else if (value <= -2147483648.0)
            whole = INT32_MIN;
        else if (value == value)
            whole = (int32_t)value;
        memcpy(word, &whole, sizeof whole);
    }
}

/* Writes the field's default, viewCenter for the view-centre defaults. Fields
   without a default are left alone. */
static inline void FocaraSetParamDefault(FocaraParams* record, const FocaraParamField* field, AIRealPoint viewCenter)
{
    switch (field->defaultKind) {
    case kDefaultNotSet: return;
    case kDefaultViewCenterH: FocaraSetParamValue(record, field, viewCenter.h); return;
    case kDefaultViewCenterV: FocaraSetParamValue(record, field, viewCenter.v); return;
    case kDefaultConstant: FocaraSetParamValue(record, field, field->defaultValue); return;
    }
}

#ifdef __cplusplus
}
#endif

#endif
