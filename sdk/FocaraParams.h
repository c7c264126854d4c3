/* The filter's parameter record: the 432 bytes the host stores for the filter
   between runs and in .rec files, little-endian, at fixed offsets. Both sides
   need the layout: the plug-in edits and reads it, the host keeps and files it. */
#ifndef FOCARA_SDK_FOCARAPARAMS_H
#define FOCARA_SDK_FOCARAPARAMS_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { kFocaraParamsSize = 432, kFocaraParamFieldCount = 108 };

/* Flags are int32 0/1, tested for non-zero. Percentages are 100 = unchanged,
   angles are degrees, lengths points. */
typedef struct FocaraParams {
    int32_t randomCreate;
    int32_t randomFillSwatch;
    int32_t jitterCenter;
    int32_t jitterScaling;
    int32_t layerPerPass;
    int32_t layerPerSet;
    int32_t layerPerLine;
    int32_t randomFill;
    int32_t randomOpacity;
    int32_t preview;
    int32_t randomStroke;
    int32_t randomStrokeWidth;
    int32_t randomStyle;
    int32_t jitterFill;
    int32_t jitterStroke;
    int32_t jitterStrokeWidth;
    int32_t randomStrokeSwatch;
    int32_t randomInterpolation;
    int32_t dropShadow;
    int32_t halfShadow;
    int32_t randomShadowAngle;
    int32_t randomShadowOpacity;
    int32_t randomShadowScale;
    int32_t randomSketchShift;
    int32_t randomSketchWidth;
    int32_t randomLineShape;
    int32_t randomLineShapePerSet;
    int32_t alternateLineShapes;
    int32_t midpointApplyWidth;
    int32_t midpointApplyCreate;
    int32_t midpointApplyLength;
    int32_t midpointApplyDistance;
    int32_t midpointApplyFill;
    int32_t swatchOrder;
    int32_t randomLength;
    int32_t randomDistance;
    int32_t randomWidth;
    int32_t randomRotation;
    int32_t randomScaling;
    int32_t repeatAltScaling;
    int32_t repeatAltRotation;
    int32_t zoomSets;
    int32_t sketchRepeats;
    int32_t sketchColorMode;
    int32_t currentPage;
    int32_t reserved180;
    int32_t lineCount;
    int32_t shapeStyle;
    int32_t interpolationMode;
    int32_t centerMode;
    int32_t presetIndex;
    int32_t patternSkip1;
    int32_t patternCreate1;
    int32_t patternSkip2;
    int32_t patternCreate2;
    int32_t patternSkip3;
    int32_t patternCreate3;
    AIReal viewZoom;
    AIReal angleMin;
    AIReal angleMax;
    AIReal rotation;
    AIReal zoomWidth;
    AIReal centerX;
    AIReal centerY;
    AIReal scaleHorizontal;
    AIReal scaleVertical;
    AIReal zoomLength;
    AIReal zoomDistance;
    AIReal sketchShift;
    AIReal sketchWeight;
    AIReal interpolationAmount;
    AIReal zoomLengthSpread;
    AIReal zoomDistanceSpread;
    AIReal zoomWidthSpread;
    AIReal randomAngle;
    AIReal scaleHorizontalSpread;
    AIReal scaleVerticalSpread;
    AIReal rotationSpread;
    AIReal centerXSpread;
    AIReal centerYSpread;
    AIReal midpointX;
    AIReal midpointY;
    AIReal setLengthPercent;
    AIReal setDistancePercent;
    AIReal setWidthPercent;
    AIReal setShiftX;
    AIReal setShiftY;
    AIReal setAngle;
    AIReal setFill;
    AIReal lineLengthPercent;
    AIReal lineWidthPercent;
    AIReal lineDistancePercent;
    AIReal lineFill;
    AIReal midpointLength;
    AIReal midpointDistance;
    AIReal midpointFill;
    AIReal midpointWidth;
    AIReal midpointCreate;
    AIReal setCenterShiftX;
    AIReal setCenterShiftY;
    int32_t finalRun;
    int32_t previewDrawn;
    int32_t reserved408;
    int32_t dialogLeft;
    int32_t dialogTop;
    int32_t dialogRight;
    int32_t dialogBottom;
    int32_t dialogBoundsSaved;
} FocaraParams;

#ifdef __cplusplus
#define FOCARA_STATIC_ASSERT static_assert
#else
#define FOCARA_STATIC_ASSERT _Static_assert
#endif
#define FOCARA_PARAMS_OFFSET(field, offset)                                                                            \
    FOCARA_STATIC_ASSERT(offsetof(FocaraParams, field) == (offset), #field " must stay at byte " #offset)
FOCARA_STATIC_ASSERT(sizeof(FocaraParams) == kFocaraParamsSize, "the stored record is 432 bytes");
FOCARA_PARAMS_OFFSET(randomCreate, 0);
FOCARA_PARAMS_OFFSET(randomFillSwatch, 4);
FOCARA_PARAMS_OFFSET(jitterCenter, 8);
FOCARA_PARAMS_OFFSET(jitterScaling, 12);
FOCARA_PARAMS_OFFSET(layerPerPass, 16);
FOCARA_PARAMS_OFFSET(layerPerSet, 20);
FOCARA_PARAMS_OFFSET(layerPerLine, 24);
FOCARA_PARAMS_OFFSET(randomFill, 28);
FOCARA_PARAMS_OFFSET(randomOpacity, 32);
FOCARA_PARAMS_OFFSET(preview, 36);
FOCARA_PARAMS_OFFSET(randomStroke, 40);
FOCARA_PARAMS_OFFSET(randomStrokeWidth, 44);
FOCARA_PARAMS_OFFSET(randomStyle, 48);
FOCARA_PARAMS_OFFSET(jitterFill, 52);
FOCARA_PARAMS_OFFSET(jitterStroke, 56);
FOCARA_PARAMS_OFFSET(jitterStrokeWidth, 60);
FOCARA_PARAMS_OFFSET(randomStrokeSwatch, 64);
FOCARA_PARAMS_OFFSET(randomInterpolation, 68);
FOCARA_PARAMS_OFFSET(dropShadow, 72);
FOCARA_PARAMS_OFFSET(halfShadow, 76);
FOCARA_PARAMS_OFFSET(randomShadowAngle, 80);
FOCARA_PARAMS_OFFSET(randomShadowOpacity, 84);
FOCARA_PARAMS_OFFSET(randomShadowScale, 88);
FOCARA_PARAMS_OFFSET(randomSketchShift, 92);
FOCARA_PARAMS_OFFSET(randomSketchWidth, 96);
FOCARA_PARAMS_OFFSET(randomLineShape, 100);
FOCARA_PARAMS_OFFSET(randomLineShapePerSet, 104);
FOCARA_PARAMS_OFFSET(alternateLineShapes, 108);
FOCARA_PARAMS_OFFSET(midpointApplyWidth, 112);
FOCARA_PARAMS_OFFSET(midpointApplyCreate, 116);
FOCARA_PARAMS_OFFSET(midpointApplyLength, 120);
FOCARA_PARAMS_OFFSET(midpointApplyDistance, 124);
FOCARA_PARAMS_OFFSET(midpointApplyFill, 128);
FOCARA_PARAMS_OFFSET(swatchOrder, 132);
FOCARA_PARAMS_OFFSET(randomLength, 136);
FOCARA_PARAMS_OFFSET(randomDistance, 140);
FOCARA_PARAMS_OFFSET(randomWidth, 144);
FOCARA_PARAMS_OFFSET(randomRotation, 148);
FOCARA_PARAMS_OFFSET(randomScaling, 152);
FOCARA_PARAMS_OFFSET(repeatAltScaling, 156);
FOCARA_PARAMS_OFFSET(repeatAltRotation, 160);
FOCARA_PARAMS_OFFSET(zoomSets, 164);
FOCARA_PARAMS_OFFSET(sketchRepeats, 168);
FOCARA_PARAMS_OFFSET(sketchColorMode, 172);
FOCARA_PARAMS_OFFSET(currentPage, 176);
FOCARA_PARAMS_OFFSET(reserved180, 180);
FOCARA_PARAMS_OFFSET(lineCount, 184);
FOCARA_PARAMS_OFFSET(shapeStyle, 188);
FOCARA_PARAMS_OFFSET(interpolationMode, 192);
FOCARA_PARAMS_OFFSET(centerMode, 196);
FOCARA_PARAMS_OFFSET(presetIndex, 200);
FOCARA_PARAMS_OFFSET(patternSkip1, 204);
FOCARA_PARAMS_OFFSET(patternCreate1, 208);
FOCARA_PARAMS_OFFSET(patternSkip2, 212);
FOCARA_PARAMS_OFFSET(patternCreate2, 216);
FOCARA_PARAMS_OFFSET(patternSkip3, 220);
FOCARA_PARAMS_OFFSET(patternCreate3, 224);
FOCARA_PARAMS_OFFSET(viewZoom, 228);
FOCARA_PARAMS_OFFSET(angleMin, 232);
FOCARA_PARAMS_OFFSET(angleMax, 236);
FOCARA_PARAMS_OFFSET(rotation, 240);
FOCARA_PARAMS_OFFSET(zoomWidth, 244);
FOCARA_PARAMS_OFFSET(centerX, 248);
FOCARA_PARAMS_OFFSET(centerY, 252);
FOCARA_PARAMS_OFFSET(scaleHorizontal, 256);
FOCARA_PARAMS_OFFSET(scaleVertical, 260);
FOCARA_PARAMS_OFFSET(zoomLength, 264);
FOCARA_PARAMS_OFFSET(zoomDistance, 268);
FOCARA_PARAMS_OFFSET(sketchShift, 272);
FOCARA_PARAMS_OFFSET(sketchWeight, 276);
FOCARA_PARAMS_OFFSET(interpolationAmount, 280);
FOCARA_PARAMS_OFFSET(zoomLengthSpread, 284);
FOCARA_PARAMS_OFFSET(zoomDistanceSpread, 288);
FOCARA_PARAMS_OFFSET(zoomWidthSpread, 292);
FOCARA_PARAMS_OFFSET(randomAngle, 296);
FOCARA_PARAMS_OFFSET(scaleHorizontalSpread, 300);
FOCARA_PARAMS_OFFSET(scaleVerticalSpread, 304);
FOCARA_PARAMS_OFFSET(rotationSpread, 308);
FOCARA_PARAMS_OFFSET(centerXSpread, 312);
FOCARA_PARAMS_OFFSET(centerYSpread, 316);
FOCARA_PARAMS_OFFSET(midpointX, 320);
FOCARA_PARAMS_OFFSET(midpointY, 324);
FOCARA_PARAMS_OFFSET(setLengthPercent, 328);
FOCARA_PARAMS_OFFSET(setDistancePercent, 332);
FOCARA_PARAMS_OFFSET(setWidthPercent, 336);
FOCARA_PARAMS_OFFSET(setShiftX, 340);
FOCARA_PARAMS_OFFSET(setShiftY, 344);
FOCARA_PARAMS_OFFSET(setAngle, 348);
FOCARA_PARAMS_OFFSET(setFill, 352);
FOCARA_PARAMS_OFFSET(lineLengthPercent, 356);
FOCARA_PARAMS_OFFSET(lineWidthPercent, 360);
FOCARA_PARAMS_OFFSET(lineDistancePercent, 364);
FOCARA_PARAMS_OFFSET(lineFill, 368);
FOCARA_PARAMS_OFFSET(midpointLength, 372);
FOCARA_PARAMS_OFFSET(midpointDistance, 376);
FOCARA_PARAMS_OFFSET(midpointFill, 380);
FOCARA_PARAMS_OFFSET(midpointWidth, 384);
FOCARA_PARAMS_OFFSET(midpointCreate, 388);
FOCARA_PARAMS_OFFSET(setCenterShiftX, 392);
FOCARA_PARAMS_OFFSET(setCenterShiftY, 396);
FOCARA_PARAMS_OFFSET(finalRun, 400);
FOCARA_PARAMS_OFFSET(previewDrawn, 404);
FOCARA_PARAMS_OFFSET(reserved408, 408);
FOCARA_PARAMS_OFFSET(dialogLeft, 412);
FOCARA_PARAMS_OFFSET(dialogTop, 416);
FOCARA_PARAMS_OFFSET(dialogRight, 420);
FOCARA_PARAMS_OFFSET(dialogBottom, 424);
FOCARA_PARAMS_OFFSET(dialogBoundsSaved, 428);

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

// clang-format off
static const FocaraParamField kFocaraParamFields[kFocaraParamFieldCount] = {
    {"randomCreate", 0, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 124, 6},
    {"randomFillSwatch", 4, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 123, 6},
    {"jitterCenter", 8, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 122, 6},
    {"jitterScaling", 12, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 121, 6},
    {"layerPerPass", 16, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 118, 6},
    {"layerPerSet", 20, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 119, 6},
    {"layerPerLine", 24, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 120, 6},
    {"randomFill", 28, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 117, 6},
    {"randomOpacity", 32, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 113, 6},
    {"preview", 36, kParamFlag, kDefaultConstant, 1.0, 0.0, 1.0, 3, 0},
    {"randomStroke", 40, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 110, 6},
    {"randomStrokeWidth", 44, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 111, 6},
    {"randomStyle", 48, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 112, 6},
    {"jitterFill", 52, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 114, 6},
    {"jitterStroke", 56, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 115, 6},
    {"jitterStrokeWidth", 60, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 116, 6},
    {"randomStrokeSwatch", 64, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 132, 6},
    {"randomInterpolation", 68, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 133, 6},
    {"dropShadow", 72, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 131, 6},
    {"halfShadow", 76, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 129, 6},
    {"randomShadowAngle", 80, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 127, 6},
    {"randomShadowOpacity", 84, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 128, 6},
    {"randomShadowScale", 88, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 130, 6},
    {"randomSketchShift", 92, kParamFlag, kDefaultConstant, 1.0, 0.0, 1.0, 125, 6},
    {"randomSketchWidth", 96, kParamFlag, kDefaultConstant, 1.0, 0.0, 1.0, 126, 6},
    {"randomLineShape", 100, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 139, 6},
    {"randomLineShapePerSet", 104, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 140, 6},
    {"alternateLineShapes", 108, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 141, 6},
    {"midpointApplyWidth", 112, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 136, 5},
    {"midpointApplyCreate", 116, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 138, 5},
    {"midpointApplyLength", 120, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 135, 5},
    {"midpointApplyDistance", 124, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 134, 5},
    {"midpointApplyFill", 128, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 137, 5},
    {"swatchOrder", 132, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 149, 6},
    {"randomLength", 136, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 144, 6},
    {"randomDistance", 140, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 145, 6},
    {"randomWidth", 144, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 146, 6},
    {"randomRotation", 148, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 143, 6},
    {"randomScaling", 152, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 142, 6},
    {"repeatAltScaling", 156, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 147, 4},
    {"repeatAltRotation", 160, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 148, 4},
    {"zoomSets", 164, kParamInt, kDefaultConstant, 1.0, 1.0, 40.0, 26, 4},
    {"sketchRepeats", 168, kParamInt, kDefaultConstant, 0.0, 0.0, 60.0, 15, 2},
    {"sketchColorMode", 172, kParamInt, kDefaultConstant, 0.0, 0.0, 11.0, 16, 2},
    {"currentPage", 176, kParamInt, kDefaultConstant, 1.0, 1.0, 6.0, 0, 0},
    {"reserved180", 180, kParamReserved, kDefaultNotSet, 0.0, -2147483648.0, 2147483647.0, 0, 0},
    {"lineCount", 184, kParamInt, kDefaultConstant, 30.0, 1.0, 300.0, 11, 1},
    {"shapeStyle", 188, kParamInt, kDefaultConstant, 0.0, 0.0, 54.0, 22, 1},
    {"interpolationMode", 192, kParamInt, kDefaultConstant, 0.0, 0.0, 14.0, 18, 3},
    {"centerMode", 196, kParamInt, kDefaultConstant, 0.0, 0.0, 7.0, 12, 2},
    {"presetIndex", 200, kParamInt, kDefaultConstant, 0.0, 0.0, 24.0, 161, 0},
    {"patternSkip1", 204, kParamInt, kDefaultConstant, 0.0, 0.0, 60.0, 40, 3},
    {"patternCreate1", 208, kParamInt, kDefaultConstant, 1.0, 1.0, 60.0, 41, 3},
    {"patternSkip2", 212, kParamInt, kDefaultConstant, 0.0, 0.0, 60.0, 42, 3},
    {"patternCreate2", 216, kParamInt, kDefaultConstant, 1.0, 1.0, 60.0, 43, 3},
    {"patternSkip3", 220, kParamInt, kDefaultConstant, 0.0, 0.0, 60.0, 44, 3},
    {"patternCreate3", 224, kParamInt, kDefaultConstant, 1.0, 1.0, 60.0, 45, 3},
    {"viewZoom", 228, kParamReal, kDefaultConstant, 100.0, 1.0, 500.0, 57, 0},
    {"angleMin", 232, kParamReal, kDefaultConstant, 0.0, 0.0, 360.0, 4, 3},
    {"angleMax", 236, kParamReal, kDefaultConstant, 360.0, 0.0, 360.0, 5, 3},
    {"rotation", 240, kParamReal, kDefaultConstant, 0.0, -360.0, 360.0, 8, 2},
    {"zoomWidth", 244, kParamReal, kDefaultConstant, 10.0, 0.0, 2000.0, 21, 1},
    {"centerX", 248, kParamReal, kDefaultViewCenterH, 0.0, -5000.0, 5000.0, 6, 2},
    {"centerY", 252, kParamReal, kDefaultViewCenterV, 0.0, -5000.0, 5000.0, 7, 2},
    {"scaleHorizontal", 256, kParamReal, kDefaultConstant, 100.0, -1000.0, 1000.0, 9, 2},
    {"scaleVertical", 260, kParamReal, kDefaultConstant, 100.0, -1000.0, 1000.0, 10, 2},
    {"zoomLength", 264, kParamReal, kDefaultConstant, 100.0, 0.0, 2000.0, 19, 1},
    {"zoomDistance", 268, kParamReal, kDefaultConstant, 20.0, 0.0, 2000.0, 20, 1},
    {"sketchShift", 272, kParamReal, kDefaultConstant, 5.0, 0.0, 200.0, 13, 2},
    {"sketchWeight", 276, kParamReal, kDefaultConstant, 0.0, 0.0, 400.0, 14, 2},
    {"interpolationAmount", 280, kParamReal, kDefaultConstant, 0.0, -1000.0, 1000.0, 17, 3},
    {"zoomLengthSpread", 284, kParamReal, kDefaultConstant, 0.0, -300.0, 500.0, 23, 1},
    {"zoomDistanceSpread", 288, kParamReal, kDefaultConstant, 0.0, -300.0, 500.0, 24, 1},
    {"zoomWidthSpread", 292, kParamReal, kDefaultConstant, 0.0, -200.0, 500.0, 25, 1},
    {"randomAngle", 296, kParamReal, kDefaultConstant, 0.0, -360.0, 360.0, 27, 3},
    {"scaleHorizontalSpread", 300, kParamReal, kDefaultConstant, 0.0, -1000.0, 1000.0, 28, 2},
    {"scaleVerticalSpread", 304, kParamReal, kDefaultConstant, 0.0, -1000.0, 1000.0, 29, 2},
    {"rotationSpread", 308, kParamReal, kDefaultConstant, 0.0, -200.0, 200.0, 30, 2},
    {"centerXSpread", 312, kParamReal, kDefaultConstant, 0.0, -300.0, 300.0, 31, 2},
    {"centerYSpread", 316, kParamReal, kDefaultConstant, 0.0, -300.0, 300.0, 32, 2},
    {"midpointX", 320, kParamReal, kDefaultViewCenterH, 0.0, -5000.0, 5000.0, 46, 5},
    {"midpointY", 324, kParamReal, kDefaultViewCenterV, 0.0, -5000.0, 5000.0, 47, 5},
    {"setLengthPercent", 328, kParamReal, kDefaultConstant, 100.0, 0.0, 1000.0, 33, 4},
    {"setDistancePercent", 332, kParamReal, kDefaultConstant, 100.0, 0.0, 1000.0, 34, 4},
    {"setWidthPercent", 336, kParamReal, kDefaultConstant, 100.0, 0.0, 1000.0, 35, 4},
    {"setShiftX", 340, kParamReal, kDefaultConstant, 0.0, -1000.0, 1000.0, 36, 4},
    {"setShiftY", 344, kParamReal, kDefaultConstant, 0.0, -1000.0, 1000.0, 37, 4},
    {"setAngle", 348, kParamReal, kDefaultConstant, 0.0, -100.0, 100.0, 38, 4},
    {"setFill", 352, kParamReal, kDefaultConstant, 0.0, -300.0, 300.0, 39, 4},
    {"lineLengthPercent", 356, kParamReal, kDefaultConstant, 100.0, 0.0, 1000.0, 48, 5},
    {"lineWidthPercent", 360, kParamReal, kDefaultConstant, 100.0, 0.0, 1000.0, 50, 5},
    {"lineDistancePercent", 364, kParamReal, kDefaultConstant, 100.0, 0.0, 1000.0, 49, 5},
    {"lineFill", 368, kParamReal, kDefaultConstant, 0.0, -300.0, 300.0, 51, 5},
    {"midpointLength", 372, kParamReal, kDefaultConstant, 100.0, -500.0, 500.0, 52, 5},
    {"midpointDistance", 376, kParamReal, kDefaultConstant, 100.0, -500.0, 500.0, 53, 5},
    {"midpointFill", 380, kParamReal, kDefaultConstant, 100.0, -500.0, 500.0, 54, 5},
    {"midpointWidth", 384, kParamReal, kDefaultConstant, 100.0, -500.0, 500.0, 55, 5},
    {"midpointCreate", 388, kParamReal, kDefaultConstant, 100.0, -500.0, 500.0, 56, 5},
    {"setCenterShiftX", 392, kParamReal, kDefaultConstant, 0.0, -300.0, 300.0, 58, 4},
    {"setCenterShiftY", 396, kParamReal, kDefaultConstant, 0.0, -300.0, 300.0, 59, 4},
    {"finalRun", 400, kParamFlag, kDefaultNotSet, 0.0, 0.0, 1.0, 0, 0},
    {"previewDrawn", 404, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 0, 0},
    {"reserved408", 408, kParamReserved, kDefaultNotSet, 0.0, -2147483648.0, 2147483647.0, 0, 0},
    {"dialogLeft", 412, kParamInt, kDefaultNotSet, 0.0, -2147483648.0, 2147483647.0, 0, 0},
    {"dialogTop", 416, kParamInt, kDefaultNotSet, 0.0, -2147483648.0, 2147483647.0, 0, 0},
    {"dialogRight", 420, kParamInt, kDefaultNotSet, 0.0, -2147483648.0, 2147483647.0, 0, 0},
    {"dialogBottom", 424, kParamInt, kDefaultNotSet, 0.0, -2147483648.0, 2147483647.0, 0, 0},
    {"dialogBoundsSaved", 428, kParamFlag, kDefaultConstant, 0.0, 0.0, 1.0, 0, 0}
};
// clang-format on

#ifdef __cplusplus
}
#endif

#endif
