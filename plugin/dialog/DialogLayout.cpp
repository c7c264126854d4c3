#include "plugin/dialog/DialogLayout.h"

#include <stddef.h>

#include "plugin/generator/LineShapes.h"
#include "plugin/params/Presets.h"

#define FIELD(name) static_cast<int32_t>(offsetof(FocaraParams, name))

// id, kind, rectangle (left, top, right, bottom), text, field, value,
// minimum, maximum, places, page, procedure.
// clang-format off
const DialogItemRow kDialogItems[kDialogItemCount] = {
    // Page 1 "Zoom", view zoom, pages 2 to 5: the value boxes.
    {11, kItemSpinEdit, {200, 60, 260, 80}, nullptr, FIELD(lineCount), kValueInt, 1, 300, 0, 1, kProcTransfer},
    {19, kItemSpinEdit, {200, 82, 260, 102}, nullptr, FIELD(zoomLength), kValueReal, 0, 2000, 2, 1, kProcTransfer},
    {23, kItemSpinEdit, {270, 82, 330, 102}, nullptr, FIELD(zoomLengthSpread), kValueReal, -300, 500, 2, 1, kProcTransfer},
    {20, kItemSpinEdit, {200, 104, 260, 124}, nullptr, FIELD(zoomDistance), kValueReal, 0, 2000, 2, 1, kProcTransfer},
    {24, kItemSpinEdit, {270, 104, 330, 124}, nullptr, FIELD(zoomDistanceSpread), kValueReal, -300, 500, 2, 1, kProcTransfer},
    {21, kItemSpinEdit, {200, 126, 260, 146}, nullptr, FIELD(zoomWidth), kValueReal, 0, 2000, 2, 1, kProcTransfer},
    {25, kItemSpinEdit, {270, 126, 330, 146}, nullptr, FIELD(zoomWidthSpread), kValueReal, -200, 500, 2, 1, kProcTransfer},
    {57, kItemSpinEdit, {390, 330, 450, 350}, nullptr, FIELD(viewZoom), kValueReal, 1, 500, 2, 0, kProcViewZoom},
    {6, kItemSpinEdit, {200, 90, 260, 110}, nullptr, FIELD(centerX), kValueReal, -5000, 5000, 2, 2, kProcTransfer},
    {31, kItemSpinEdit, {270, 90, 330, 110}, nullptr, FIELD(centerXSpread), kValueReal, -300, 300, 2, 2, kProcTransfer},
    {7, kItemSpinEdit, {200, 112, 260, 132}, nullptr, FIELD(centerY), kValueReal, -5000, 5000, 2, 2, kProcTransfer},
    {32, kItemSpinEdit, {270, 112, 330, 132}, nullptr, FIELD(centerYSpread), kValueReal, -300, 300, 2, 2, kProcTransfer},
    {8, kItemSpinEdit, {200, 134, 260, 154}, nullptr, FIELD(rotation), kValueReal, -360, 360, 2, 2, kProcTransfer},
    {30, kItemSpinEdit, {270, 134, 330, 154}, nullptr, FIELD(rotationSpread), kValueReal, -200, 200, 2, 2, kProcTransfer},
    {9, kItemSpinEdit, {200, 155, 260, 175}, nullptr, FIELD(scaleHorizontal), kValueReal, -1000, 1000, 2, 2, kProcTransfer},
    {28, kItemSpinEdit, {270, 155, 330, 175}, nullptr, FIELD(scaleHorizontalSpread), kValueReal, -1000, 1000, 2, 2, kProcTransfer},
    {10, kItemSpinEdit, {200, 176, 260, 196}, nullptr, FIELD(scaleVertical), kValueReal, -1000, 1000, 2, 2, kProcTransfer},
    {29, kItemSpinEdit, {270, 176, 330, 196}, nullptr, FIELD(scaleVerticalSpread), kValueReal, -1000, 1000, 2, 2, kProcTransfer},
    {14, kItemSpinEdit, {200, 250, 260, 270}, nullptr, FIELD(sketchWeight), kValueReal, 0, 400, 2, 2, kProcTransfer},
    {13, kItemSpinEdit, {200, 272, 260, 292}, nullptr, FIELD(sketchShift), kValueReal, 0, 200, 2, 2, kProcTransfer},
    {15, kItemSpinEdit, {200, 294, 260, 314}, nullptr, FIELD(sketchRepeats), kValueInt, 0, 60, 0, 2, kProcTransfer},
    {4, kItemSpinEdit, {200, 60, 260, 80}, nullptr, FIELD(angleMin), kValueReal, 0, 360, 2, 3, kProcTransfer},
    {5, kItemSpinEdit, {270, 60, 330, 80}, nullptr, FIELD(angleMax), kValueReal, 0, 360, 2, 3, kProcTransfer},
    {27, kItemSpinEdit, {200, 82, 260, 102}, nullptr, FIELD(randomAngle), kValueReal, -360, 360, 2, 3, kProcTransfer},
    {40, kItemSpinEdit, {200, 104, 260, 124}, nullptr, FIELD(patternSkip1), kValueInt, 0, 60, 0, 3, kProcTransfer},
    {41, kItemSpinEdit, {270, 104, 330, 124}, nullptr, FIELD(patternCreate1), kValueInt, 1, 60, 0, 3, kProcTransfer},
    {42, kItemSpinEdit, {200, 126, 260, 146}, nullptr, FIELD(patternSkip2), kValueInt, 0, 60, 0, 3, kProcTransfer},
    {43, kItemSpinEdit, {270, 126, 330, 146}, nullptr, FIELD(patternCreate2), kValueInt, 1, 60, 0, 3, kProcTransfer},
    {44, kItemSpinEdit, {200, 148, 260, 168}, nullptr, FIELD(patternSkip3), kValueInt, 0, 60, 0, 3, kProcTransfer},
    {45, kItemSpinEdit, {270, 148, 330, 168}, nullptr, FIELD(patternCreate3), kValueInt, 1, 60, 0, 3, kProcTransfer},
    {17, kItemSpinEdit, {200, 250, 260, 270}, nullptr, FIELD(interpolationAmount), kValueReal, -1000, 1000, 2, 3, kProcTransfer},
    {26, kItemSpinEdit, {200, 60, 260, 80}, nullptr, FIELD(zoomSets), kValueInt, 1, 40, 0, 4, kProcTransfer},
    {33, kItemSpinEdit, {200, 82, 260, 102}, nullptr, FIELD(setLengthPercent), kValueReal, 0, 1000, 2, 4, kProcTransfer},
    {34, kItemSpinEdit, {200, 104, 260, 124}, nullptr, FIELD(setDistancePercent), kValueReal, 0, 1000, 2, 4, kProcTransfer},
    {35, kItemSpinEdit, {200, 126, 260, 146}, nullptr, FIELD(setWidthPercent), kValueReal, 0, 1000, 2, 4, kProcTransfer},
    {36, kItemSpinEdit, {200, 148, 260, 168}, nullptr, FIELD(setShiftX), kValueReal, -1000, 1000, 2, 4, kProcTransfer},
    {37, kItemSpinEdit, {200, 170, 260, 190}, nullptr, FIELD(setShiftY), kValueReal, -1000, 1000, 2, 4, kProcTransfer},
    {38, kItemSpinEdit, {200, 192, 260, 212}, nullptr, FIELD(setAngle), kValueReal, -100, 100, 2, 4, kProcTransfer},
    {39, kItemSpinEdit, {200, 214, 260, 234}, nullptr, FIELD(setFill), kValueReal, -300, 300, 2, 4, kProcTransfer},
    {58, kItemSpinEdit, {200, 280, 260, 300}, nullptr, FIELD(setCenterShiftX), kValueReal, -300, 300, 2, 4, kProcTransfer},
    {59, kItemSpinEdit, {270, 280, 330, 300}, nullptr, FIELD(setCenterShiftY), kValueReal, -300, 300, 2, 4, kProcTransfer},
    {46, kItemSpinEdit, {200, 90, 260, 110}, nullptr, FIELD(midpointX), kValueReal, -5000, 5000, 2, 5, kProcTransfer},
    {47, kItemSpinEdit, {200, 112, 260, 132}, nullptr, FIELD(midpointY), kValueReal, -5000, 5000, 2, 5, kProcTransfer},
    {52, kItemSpinEdit, {5, 134, 65, 154}, nullptr, FIELD(midpointLength), kValueReal, -500, 500, 2, 5, kProcTransfer},
    {53, kItemSpinEdit, {5, 160, 65, 180}, nullptr, FIELD(midpointDistance), kValueReal, -500, 500, 2, 5, kProcTransfer},
    {55, kItemSpinEdit, {5, 186, 65, 206}, nullptr, FIELD(midpointWidth), kValueReal, -500, 500, 2, 5, kProcTransfer},
    {54, kItemSpinEdit, {5, 212, 65, 232}, nullptr, FIELD(midpointFill), kValueReal, -500, 500, 2, 5, kProcTransfer},
    {56, kItemSpinEdit, {5, 234, 65, 254}, nullptr, FIELD(midpointCreate), kValueReal, -500, 500, 2, 5, kProcTransfer},
    {48, kItemSpinEdit, {200, 260, 260, 280}, nullptr, FIELD(lineLengthPercent), kValueReal, 0, 1000, 2, 5, kProcTransfer},
    {49, kItemSpinEdit, {200, 282, 260, 302}, nullptr, FIELD(lineDistancePercent), kValueReal, 0, 1000, 2, 5, kProcTransfer},
    {50, kItemSpinEdit, {200, 304, 260, 324}, nullptr, FIELD(lineWidthPercent), kValueReal, 0, 1000, 2, 5, kProcTransfer},
    {51, kItemSpinEdit, {200, 326, 260, 346}, nullptr, FIELD(lineFill), kValueReal, -300, 300, 2, 5, kProcTransfer},
    // Labels.
    {65, kItemStaticText, {10, 60, 190, 80}, "Lines", kNoField, kValueNone, 0, 0, 0, 1, kProcNone},
    {60, kItemStaticText, {10, 82, 190, 102}, "Zoom length", kNoField, kValueNone, 0, 0, 0, 1, kProcNone},
    {61, kItemStaticText, {10, 104, 190, 124}, "Zoom distance", kNoField, kValueNone, 0, 0, 0, 1, kProcNone},
    {69, kItemStaticText, {10, 126, 190, 146}, "Zoom width", kNoField, kValueNone, 0, 0, 0, 1, kProcNone},
    {62, kItemStaticText, {10, 100, 190, 120}, "Zoom center", kNoField, kValueNone, 0, 0, 0, 2, kProcNone},
    {63, kItemStaticText, {10, 134, 190, 154}, "Rotation(o)", kNoField, kValueNone, 0, 0, 0, 2, kProcNone},
    {64, kItemStaticText, {10, 165, 190, 185}, "Scaling(%)", kNoField, kValueNone, 0, 0, 0, 2, kProcNone},
    {67, kItemStaticText, {10, 250, 178, 270}, "Sketch weight(/10p)", kNoField, kValueNone, 0, 0, 0, 2, kProcNone},
    {66, kItemStaticText, {10, 272, 178, 292}, "Sketch shift(p)", kNoField, kValueNone, 0, 0, 0, 2, kProcNone},
    {68, kItemStaticText, {10, 294, 178, 314}, "Sketch repeats", kNoField, kValueNone, 0, 0, 0, 2, kProcNone},
    {70, kItemStaticText, {10, 60, 178, 80}, "Min/Max bound", kNoField, kValueNone, 0, 0, 0, 3, kProcNone},
    {72, kItemStaticText, {10, 82, 178, 102}, "Random angle/lines", kNoField, kValueNone, 0, 0, 0, 3, kProcNone},
    {80, kItemStaticText, {10, 126, 178, 146}, "Skip / create pattern", kNoField, kValueNone, 0, 0, 0, 3, kProcNone},
    {71, kItemStaticText, {10, 60, 178, 80}, "Zoom sets", kNoField, kValueNone, 0, 0, 0, 4, kProcNone},
    {73, kItemStaticText, {10, 82, 178, 102}, "Length(%)", kNoField, kValueNone, 0, 0, 0, 4, kProcNone},
    {74, kItemStaticText, {10, 104, 178, 124}, "Distance(%)", kNoField, kValueNone, 0, 0, 0, 4, kProcNone},
    {75, kItemStaticText, {10, 126, 178, 146}, "Width(%)", kNoField, kValueNone, 0, 0, 0, 4, kProcNone},
    {76, kItemStaticText, {10, 148, 178, 168}, "Mid/horz(p)", kNoField, kValueNone, 0, 0, 0, 4, kProcNone},
    {77, kItemStaticText, {10, 170, 178, 190}, "Mid/vert(p)", kNoField, kValueNone, 0, 0, 0, 4, kProcNone},
    {78, kItemStaticText, {10, 192, 178, 212}, "Angle(o)", kNoField, kValueNone, 0, 0, 0, 4, kProcNone},
    {79, kItemStaticText, {10, 214, 178, 234}, "Fill", kNoField, kValueNone, 0, 0, 0, 4, kProcNone},
    {87, kItemStaticText, {10, 280, 178, 300}, "Shift Center", kNoField, kValueNone, 0, 0, 0, 4, kProcNone},
    {81, kItemStaticText, {10, 90, 178, 110}, "Midpoint/horz(p)", kNoField, kValueNone, 0, 0, 0, 5, kProcNone},
    {82, kItemStaticText, {10, 112, 178, 132}, "Midpoint/vert(p)", kNoField, kValueNone, 0, 0, 0, 5, kProcNone},
    {83, kItemStaticText, {10, 260, 178, 280}, "Length/line(%)", kNoField, kValueNone, 0, 0, 0, 5, kProcNone},
    {84, kItemStaticText, {10, 282, 178, 302}, "Distance/line(%)", kNoField, kValueNone, 0, 0, 0, 5, kProcNone},
    {85, kItemStaticText, {10, 304, 178, 324}, "Width/line(%)", kNoField, kValueNone, 0, 0, 0, 5, kProcNone},
    {86, kItemStaticText, {10, 326, 178, 346}, "Fill/line", kNoField, kValueNone, 0, 0, 0, 5, kProcNone},
    // Popups.
    {161, kItemPopup, {370, 252, 450, 272}, nullptr, FIELD(presetIndex), kValuePopup, 0, 0, 0, 0, kProcPreset},
    {22, kItemPopup, {10, 148, 190, 168}, nullptr, FIELD(shapeStyle), kValuePopup, 0, 0, 0, 1, kProcTransfer},
    {12, kItemPopup, {10, 60, 190, 80}, nullptr, FIELD(centerMode), kValuePopup, 0, 0, 0, 2, kProcTransfer},
    {16, kItemPopup, {10, 225, 190, 245}, nullptr, FIELD(sketchColorMode), kValuePopup, 0, 0, 0, 2, kProcTransfer},
    {18, kItemPopup, {10, 250, 190, 270}, nullptr, FIELD(interpolationMode), kValuePopup, 0, 0, 0, 3, kProcTransfer},
    // The column on the right.
    {2, kItemPushButton, {370, 40, 450, 60}, "Cancel", kNoField, kValueNone, 0, 0, 0, 0, kProcNone},
    {160, kItemPushButton, {370, 70, 450, 90}, "Shuffle", kNoField, kValueNone, 0, 0, 0, 0, kProcTransfer},
    {162, kItemPushButton, {370, 100, 450, 120}, "Tumble", kNoField, kValueNone, 0, 0, 0, 0, kProcTumble},
    {3, kItemCheckBox, {370, 230, 450, 245}, "Preview", FIELD(preview), kValueFlag, 0, 1, 0, 0, kProcTransfer},
    // Check boxes of pages 5, 4 and 6.
    {135, kItemCheckBox, {70, 134, 260, 154}, "Midpoint-Apply to length", FIELD(midpointApplyLength), kValueFlag, 0, 1, 0, 5, kProcTransfer},
    {134, kItemCheckBox, {70, 160, 260, 180}, "Midpoint-Apply to distance", FIELD(midpointApplyDistance), kValueFlag, 0, 1, 0, 5, kProcTransfer},
    {136, kItemCheckBox, {70, 186, 260, 206}, "Midpoint-Apply to width", FIELD(midpointApplyWidth), kValueFlag, 0, 1, 0, 5, kProcTransfer},
    {137, kItemCheckBox, {70, 212, 260, 232}, "Midpoint-Apply to fill", FIELD(midpointApplyFill), kValueFlag, 0, 1, 0, 5, kProcTransfer},
    {138, kItemCheckBox, {70, 234, 260, 254}, "Midpoint-Apply to create", FIELD(midpointApplyCreate), kValueFlag, 0, 1, 0, 5, kProcTransfer},
    {147, kItemCheckBox, {10, 240, 260, 254}, "Repeats-Altscaling", FIELD(repeatAltScaling), kValueFlag, 0, 1, 0, 4, kProcTransfer},
    {148, kItemCheckBox, {10, 257, 260, 271}, "Repeats-AltRotation", FIELD(repeatAltRotation), kValueFlag, 0, 1, 0, 4, kProcTransfer},
    {117, kItemCheckBox, {10, 60, 160, 74}, "Fill (R)", FIELD(randomFill), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {123, kItemCheckBox, {10, 77, 160, 91}, "Fill swatch(R)", FIELD(randomFillSwatch), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {110, kItemCheckBox, {10, 94, 160, 108}, "Stroke (R)", FIELD(randomStroke), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {132, kItemCheckBox, {10, 111, 160, 125}, "Stroke swatch(R)", FIELD(randomStrokeSwatch), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {111, kItemCheckBox, {10, 128, 160, 142}, "Stroke width (R)", FIELD(randomStrokeWidth), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {112, kItemCheckBox, {10, 145, 160, 159}, "Style (R)", FIELD(randomStyle), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {113, kItemCheckBox, {10, 162, 160, 176}, "Opacity (R)", FIELD(randomOpacity), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {124, kItemCheckBox, {10, 179, 160, 193}, "Create (R)", FIELD(randomCreate), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {139, kItemCheckBox, {10, 196, 160, 210}, "Lines(R)", FIELD(randomLineShape), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {140, kItemCheckBox, {10, 213, 160, 227}, "Lines/set(R)", FIELD(randomLineShapePerSet), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {141, kItemCheckBox, {10, 230, 160, 244}, "AltLines(R)", FIELD(alternateLineShapes), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {131, kItemCheckBox, {10, 247, 160, 261}, "Drop shadow", FIELD(dropShadow), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {127, kItemCheckBox, {10, 264, 160, 278}, "Shadowangle(R)", FIELD(randomShadowAngle), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {128, kItemCheckBox, {10, 281, 160, 295}, "Shadowopacity(R)", FIELD(randomShadowOpacity), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {129, kItemCheckBox, {10, 298, 160, 312}, "Half shadow", FIELD(halfShadow), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {130, kItemCheckBox, {10, 315, 160, 329}, "Shadowscale(R)", FIELD(randomShadowScale), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {149, kItemCheckBox, {10, 332, 160, 346}, "Swatch order", FIELD(swatchOrder), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {118, kItemCheckBox, {161, 60, 295, 74}, "Layer/pass", FIELD(layerPerPass), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {119, kItemCheckBox, {161, 77, 295, 91}, "Layer/set", FIELD(layerPerSet), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {120, kItemCheckBox, {161, 94, 295, 108}, "Layer/line", FIELD(layerPerLine), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {144, kItemCheckBox, {161, 111, 295, 125}, "Length(R)", FIELD(randomLength), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {145, kItemCheckBox, {161, 128, 295, 142}, "Distance(R)", FIELD(randomDistance), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {146, kItemCheckBox, {161, 145, 295, 159}, "Width(R)", FIELD(randomWidth), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {142, kItemCheckBox, {161, 162, 295, 176}, "Scaling(R)", FIELD(randomScaling), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {143, kItemCheckBox, {161, 179, 295, 193}, "Rotation(R)", FIELD(randomRotation), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {121, kItemCheckBox, {161, 196, 295, 210}, "Jitter scaling(R)", FIELD(jitterScaling), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {122, kItemCheckBox, {161, 213, 295, 227}, "Jitter center(R)", FIELD(jitterCenter), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {114, kItemCheckBox, {161, 230, 295, 244}, "Jitter fill (R)", FIELD(jitterFill), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {115, kItemCheckBox, {161, 247, 295, 261}, "Jitter stroke(R)", FIELD(jitterStroke), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {116, kItemCheckBox, {161, 264, 295, 278}, "Jitter st.width(R)", FIELD(jitterStrokeWidth), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {125, kItemCheckBox, {161, 281, 295, 295}, "Sketch shift(R)", FIELD(randomSketchShift), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {126, kItemCheckBox, {161, 298, 295, 312}, "Sketch width(R)", FIELD(randomSketchWidth), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    {133, kItemCheckBox, {161, 315, 295, 329}, "Interpolate(R)", FIELD(randomInterpolation), kValueFlag, 0, 1, 0, 6, kProcTransfer},
    // Pick buttons.
    {167, kItemPictureButton, {270, 60, 290, 80}, nullptr, kNoField, kValueNone, 0, 0, 0, 1, kProcPick},
    {164, kItemPictureButton, {340, 82, 360, 102}, nullptr, kNoField, kValueNone, 0, 0, 0, 1, kProcPick},
    {165, kItemPictureButton, {340, 104, 360, 124}, nullptr, kNoField, kValueNone, 0, 0, 0, 1, kProcPick},
    {166, kItemPictureButton, {340, 126, 360, 146}, nullptr, kNoField, kValueNone, 0, 0, 0, 1, kProcPick},
    {163, kItemPictureButton, {340, 100, 360, 120}, nullptr, kNoField, kValueNone, 0, 0, 0, 2, kProcPick},
    {168, kItemPictureButton, {340, 134, 360, 154}, nullptr, kNoField, kValueNone, 0, 0, 0, 2, kProcPick},
    // Page buttons and their captions.
    {90, kItemPictureButton, {10, 5, 60, 35}, nullptr, kNoField, kValueNone, 0, 0, 0, 0, kProcPage},
    {91, kItemPictureButton, {70, 5, 120, 35}, nullptr, kNoField, kValueNone, 0, 0, 0, 0, kProcPage},
    {92, kItemPictureButton, {130, 5, 180, 35}, nullptr, kNoField, kValueNone, 0, 0, 0, 0, kProcPage},
    {93, kItemPictureButton, {190, 5, 240, 35}, nullptr, kNoField, kValueNone, 0, 0, 0, 0, kProcPage},
    {94, kItemPictureButton, {250, 5, 300, 35}, nullptr, kNoField, kValueNone, 0, 0, 0, 0, kProcPage},
    {95, kItemPictureButton, {310, 5, 360, 35}, nullptr, kNoField, kValueNone, 0, 0, 0, 0, kProcPage},
    {96, kItemStaticText, {16, 40, 66, 55}, "Zoom", kNoField, kValueNone, 0, 0, 0, 0, kProcNone},
    {97, kItemStaticText, {76, 40, 126, 55}, "Create", kNoField, kValueNone, 0, 0, 0, 0, kProcNone},
    {98, kItemStaticText, {130, 40, 182, 55}, "Tweak1", kNoField, kValueNone, 0, 0, 0, 0, kProcNone},
    {99, kItemStaticText, {190, 40, 240, 55}, "Repeat", kNoField, kValueNone, 0, 0, 0, 0, kProcNone},
    {100, kItemStaticText, {250, 40, 300, 55}, "Tweak2", kNoField, kValueNone, 0, 0, 0, 0, kProcNone},
    {101, kItemStaticText, {307, 40, 364, 55}, "Setting", kNoField, kValueNone, 0, 0, 0, 0, kProcNone},
};
// clang-format on

#undef FIELD

namespace {

// clang-format off
const char* const kCenterTexts[] = {
    " User defined center position",
    " Center of document",
    " Random center",
    " Bottom left corner",
    " Randomized horizontally (but use current vertical)",
    " Randomized vertically (but use current horizontal)",
    " Any document corner",
    " Frame"};
// clang-format on

// clang-format off
const char* const kSketchColorTexts[] = {
    " Sketch color options - Use black",
    " Use same color as original path",
    " Use random color",
    " Use random swatch color",
    " Reduced",
    " Random reduced",
    " Random black / color",
    " Use shift (otherwise black)",
    " Use black + random opacity",
    " Use random color + random opacity",
    " Reducing opacity",
    " Use white + random opacity"};
// clang-format on

// clang-format off
const char* const kInterpolationTexts[] = {
    " Interpolation 01", " Interpolation 02", " Interpolation 03", " Interpolation 04", " Interpolation 05",
    " Interpolation 06", " Interpolation 07", " Interpolation 08", " Interpolation 09", " Interpolation 10",
    " Interpolation 11", " Interpolation 12", " Interpolation 13", " Interpolation 14", " Interpolation 15"};
// clang-format on

#define COUNT(texts) static_cast<int32_t>(sizeof(texts) / sizeof(texts[0]))

const char* const kItemTypeNames[] = {kADMSpinEditType,       kADMTextStaticType,   kADMPopupListType,
                                      kADMTextPushButtonType, kADMTextCheckBoxType, kADMPicturePushButtonType};

}  // namespace

// clang-format off
const DialogPopupList kDialogPopups[kDialogPopupCount] = {
    {161, kPresetCount, nullptr, PresetText},
    {22, kLineShapeCount, nullptr, LineShapePopupText},
    {12, COUNT(kCenterTexts), kCenterTexts, nullptr},
    {16, COUNT(kSketchColorTexts), kSketchColorTexts, nullptr},
    {18, COUNT(kInterpolationTexts), kInterpolationTexts, nullptr},
};
// clang-format on

#undef COUNT

// clang-format off
const DialogPage kDialogPages[kDialogPageCount] = {
    {1, "Zoom", 90, 96, 11},   {2, "Create", 91, 97, 6},   {3, "Tweak1", 92, 98, 17},
    {4, "Repeat", 93, 99, 26}, {5, "Tweak2", 94, 100, 46}, {6, "Setting", 95, 101, 110},
};
// clang-format on

const DialogItemRow* FindDialogItemRow(int32_t id)
{
    for (const DialogItemRow& row : kDialogItems)
        if (row.id == id) return &row;
    return nullptr;
}

const char* DialogItemTypeName(DialogItemKind kind) { return kItemTypeNames[kind]; }

const char* DialogPopupEntryText(const DialogPopupList* list, int32_t index)
{
    if (index < 0 || index >= list->count) return nullptr;
    if (!list->texts) return list->textAt(index);
    return list->texts[index];
}

const DialogPage* DialogPageOrFirst(int32_t page)
{
    if (page < 1 || page > kDialogPageCount) return &kDialogPages[0];
    return &kDialogPages[page - 1];
}

const DialogPage* DialogPageOfButton(int32_t button)
{
    for (const DialogPage& page : kDialogPages)
        if (page.button == button) return &page;
    return nullptr;
}
