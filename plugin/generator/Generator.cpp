// The generator driver: a run walks the zoom sets, a set walks its lines, and
// every created line becomes one closed, rotated path. Every random number is a
// fresh sAIRandom->FloatRnd() draw; since a seed and a record must fix the
// drawing, the order of the draws is part of the behaviour: keep it.
#include "plugin/generator/Generator.h"

#include "plugin/generator/LineShapes.h"
#include "plugin/generator/LineStyle.h"
#include "plugin/suites/SuitePointers.h"

namespace {

// Read or converted once per run.
struct RunValues {
    AIReal pageWidth;
    AIReal pageHeight;
    int32_t swatchCount;
    int32_t namedStyleCount;
    AIReal halfTurn;
    AIReal randomAngleRange;
    AIReal pullFactor;
    AIReal sketchStrokeWeight;
    AIReal angleStart;
    AIReal angleEnd;
    AIReal angleStep;
    AIReal setLengthMultiplier;
    AIReal setDistanceMultiplier;
    AIReal setWidthMultiplier;
    AIReal setFillStep;
    AIReal setAngleStep;
    AIReal lineLengthMultiplier;
    AIReal lineDistanceMultiplier;
    AIReal lineWidthMultiplier;
    AIReal lineFillStep;
    AIReal midpointLengthFactor;
    AIReal midpointDistanceFactor;
    AIReal midpointWidthFactor;
    AIReal midpointCreateFactor;
};

// Carried across sets.
struct RunState {
    AIReal setLengthFactor;
    AIReal setDistanceFactor;
    AIReal setWidthFactor;
    AIReal setFillOffset;
    AIRealPoint midpoint;
    AIReal setAngleOffset;
    int32_t shapeStyle;
};

// Reset at the start of every set. The pattern counters are indexed by phase - 1.
struct SetState {
    int32_t index;
    AIRealPoint jittered;
    AIRealPoint base;
    AIReal currentAngle;
    AIReal lineLengthFactor;
    AIReal lineDistanceFactor;
    AIReal lineWidthFactor;
    AIReal lineFillOffset;
    int32_t phase;
    int32_t skip[3];
    int32_t create[3];
    int32_t firstStyle;
    int32_t secondStyle;
    int32_t swatchCursor;
};

// Computed for every line, created or not.
struct LineValues {
    AIRealPoint center;
    AIReal tilt;
    AIReal scaleHorizontal;
    AIReal scaleVertical;
    AIReal length;
    AIReal distance;
    AIReal width;
    AIReal angle;
    AIRealMatrix matrix;
    AIReal midpointRatio;
    AIReal createChance;
    AIRealPoint pull;
    int32_t create;
};

// The record's fields of the three skip/create phases.
struct PatternPhase {
    int32_t FocaraParams::*skip;
    int32_t FocaraParams::*create;
};
// clang-format off
constexpr PatternPhase kPatternPhases[3] = {
    {&FocaraParams::patternSkip1, &FocaraParams::patternCreate1},
    {&FocaraParams::patternSkip2, &FocaraParams::patternCreate2},
    {&FocaraParams::patternSkip3, &FocaraParams::patternCreate3},
};
// clang-format on

// ---- Run -------------------------------------------------------------------

void ConvertRunValues(const FocaraParams* record, RunValues* values)
{
    const AIRealMathSuite* math = sAIRealMath;
    values->halfTurn = math->DegreeToRadian(180);
    values->randomAngleRange = math->DegreeToRadian(record->randomAngle);
    values->pullFactor = math->AIRealDiv(record->interpolationAmount, 100);
    values->sketchStrokeWeight = math->AIRealDiv(record->sketchWeight, 10);
    values->angleStart = math->DegreeToRadian(record->angleMin);
    values->angleEnd = math->DegreeToRadian(record->angleMax);
    values->angleStep = math->AIRealDiv(values->angleEnd - values->angleStart, static_cast<AIReal>(record->lineCount));
    values->setLengthMultiplier = math->AIRealDiv(record->setLengthPercent, 100);
    values->setDistanceMultiplier = math->AIRealDiv(record->setDistancePercent, 100);
    values->setWidthMultiplier = math->AIRealDiv(record->setWidthPercent, 100);
    values->setFillStep = math->AIRealDiv(record->setFill, 100);
    values->setAngleStep = math->DegreeToRadian(record->setAngle);
    values->lineLengthMultiplier = math->AIRealDiv(record->lineLengthPercent, 100);
    values->lineDistanceMultiplier = math->AIRealDiv(record->lineDistancePercent, 100);
    values->lineWidthMultiplier = math->AIRealDiv(record->lineWidthPercent, 100);
    values->lineFillStep = math->AIRealDiv(record->lineFill, 100);
    values->midpointLengthFactor = math->AIRealDiv(record->midpointLength, 100);
    values->midpointDistanceFactor = math->AIRealDiv(record->midpointDistance, 100);
    values->midpointWidthFactor = math->AIRealDiv(record->midpointWidth, 100);
    values->midpointCreateFactor = math->AIRealDiv(record->midpointCreate, 100);
}

AIErr ReadRunValues(const FocaraParams* record, RunValues* values)
{
    AIErr err = sAIArtStyle->CountNamedArtStyles(&values->namedStyleCount);
    if (err) return err;
    AIDocumentSetup setup = {0, 0};
    err = sAIDocument->GetDocumentSetup(&setup);
    if (err) return err;
    values->pageWidth = setup.width;
    values->pageHeight = setup.height;
    err = sAISwatchList->CountSwatches(nullptr, &values->swatchCount);
    if (err) return err;
    ConvertRunValues(record, values);
    return kNoErr;
}

// A new layer above all layers; its handle is not kept.
AIErr InsertTopLayer()
{
    AILayerHandle layer = nullptr;
    return sAILayer->InsertLayer(nullptr, kPlaceAboveAll, &layer);
}

void StartRun(const FocaraParams* record, RunState* run)
{
    run->setLengthFactor = 1;
    run->setDistanceFactor = 1;
    run->setWidthFactor = 1;
    run->setFillOffset = 0;
    run->midpoint.h = record->midpointX;
    run->midpoint.v = record->midpointY;
    run->setAngleOffset = 0;
    run->shapeStyle = record->shapeStyle;
}

void AdvanceRun(const FocaraParams* record, const RunValues* values, RunState* run)
{
    run->setLengthFactor *= values->setLengthMultiplier;
    run->setDistanceFactor *= values->setDistanceMultiplier;
    run->setWidthFactor *= values->setWidthMultiplier;
    run->setFillOffset += values->setFillStep;
    run->midpoint.h += record->setShiftX;
    run->midpoint.v += record->setShiftY;
    run->setAngleOffset += values->setAngleStep;
}

// ---- Set -------------------------------------------------------------------

int32_t RandomShapeStyle()
{
    int32_t style = static_cast<int32_t>(sAIRandom->FloatRnd() * kLineShapeCount);
    return style > kLineShapeCount - 1 ? kLineShapeCount - 1 : style;
}

// centerMode 6: one of the four page corners.
AIRealPoint AnyCorner(const RunValues* values)
{
    AIReal q = sAIRandom->FloatRnd() * 20;
    if (q < 5) return {0, 0};
    if (q < 10) return {values->pageWidth, 0};
    if (q < 15) return {0, values->pageHeight};
    return {values->pageWidth, values->pageHeight};
}

// centerMode 7: a point on the page border.
AIRealPoint FramePoint(const RunValues* values)
{
    AIReal a = sAIRandom->FloatRnd() * 20;
    AIReal b = sAIRandom->FloatRnd() * 20;
    AIRealPoint point;
    if (a <= 10) {
        point.v = b <= 10 ? values->pageHeight : 0;
        point.h = sAIRandom->FloatRnd() * values->pageWidth;
    } else {
        point.h = b <= 10 ? values->pageWidth : 0;
        point.v = sAIRandom->FloatRnd() * values->pageHeight;
    }
    return point;
}

// The set's base centre by centerMode. A mode outside 0..7 is read as 0, the
// user-defined (jittered) centre.
AIRealPoint PickBaseCentre(const FocaraParams* record, const RunValues* values, AIRealPoint jittered)
{
    AIRealPoint base = jittered;
    switch (record->centerMode) {
    case 1:
        base.h = values->pageWidth / 2;
        base.v = values->pageHeight / 2;
        break;
    case 2:
        base.h = sAIRandom->FloatRnd() * values->pageWidth;
        base.v = sAIRandom->FloatRnd() * values->pageHeight;
        break;
    case 3:
        base.h = 0;
        base.v = 0;
        break;
    case 4: base.h = sAIRandom->FloatRnd() * values->pageWidth; break;
    case 5: base.v = sAIRandom->FloatRnd() * values->pageHeight; break;
    case 6: base = AnyCorner(values); break;
    case 7: base = FramePoint(values); break;
    }
    return base;
}

void LoadPattern(const FocaraParams* record, SetState* set)
{
    set->phase = 1;
    for (int32_t i = 0; i < 3; i++) {
        set->skip[i] = record->*kPatternPhases[i].skip;
        set->create[i] = record->*kPatternPhases[i].create;
    }
}

void PickSetShapes(const FocaraParams* record, RunState* run, SetState* set)
{
    if (record->randomLineShapePerSet) run->shapeStyle = RandomShapeStyle();
    set->firstStyle = run->shapeStyle;
    if (record->alternateLineShapes) set->secondStyle = RandomShapeStyle();
}

// Everything a set starts with; the jittered centre is drawn in every mode.
void StartSet(const FocaraParams* record, const RunValues* values, RunState* run, int32_t s, SetState* set)
{
    set->index = s;
    set->currentAngle = values->angleStart;
    set->jittered.h = record->centerX + sAIRandom->FloatRnd() * record->centerXSpread;
    set->jittered.v = record->centerY + sAIRandom->FloatRnd() * record->centerYSpread;
    set->base = PickBaseCentre(record, values, set->jittered);
    LoadPattern(record, set);
    set->lineLengthFactor = 1;
    set->lineDistanceFactor = 1;
    set->lineWidthFactor = 1;
    set->lineFillOffset = 0;
    set->swatchCursor = 0;
    PickSetShapes(record, run, set);
}

void AdvanceLine(const RunValues* values, SetState* set)
{
    set->currentAngle += values->angleStep;
    set->lineDistanceFactor *= values->lineDistanceMultiplier;
    set->lineWidthFactor *= values->lineWidthMultiplier;
    set->lineLengthFactor *= values->lineLengthMultiplier;
    set->lineFillOffset += values->lineFillStep;
}

// ---- Line ------------------------------------------------------------------

// Zoom centre, tilt and scales. The first set (s = 0) is shifted by
// -setCenterShift, the second not at all.
void PlaceCentreTiltAndScale(const FocaraParams* record, const SetState* set, LineValues* line)
{
    AIReal shift = static_cast<AIReal>(set->index - 1);
    line->center.h = shift * record->setCenterShiftX + set->base.h + sAIRandom->FloatRnd() * record->centerXSpread;
    line->center.v = shift * record->setCenterShiftY + set->base.v + sAIRandom->FloatRnd() * record->centerYSpread;
    line->tilt = sAIRealMath->DegreeToRadian(sAIRandom->FloatRnd() * record->rotationSpread + record->rotation);
    line->scaleHorizontal =
        sAIRealMath->AIRealDiv(sAIRandom->FloatRnd() * record->scaleHorizontalSpread + record->scaleHorizontal, 100);
    line->scaleVertical =
        sAIRealMath->AIRealDiv(sAIRandom->FloatRnd() * record->scaleVerticalSpread + record->scaleVertical, 100);
}

// Length, distance and width: progressions, then random factors, then spreads.
void ComputeProportions(const FocaraParams* record, const RunState* run, const SetState* set, LineValues* line)
{
    line->length = record->zoomLength * run->setLengthFactor * set->lineLengthFactor;
    line->distance = record->zoomDistance * run->setDistanceFactor * set->lineDistanceFactor;
    line->width = record->zoomWidth * run->setWidthFactor * set->lineWidthFactor;
    if (record->randomLength) line->length *= sAIRandom->FloatRnd();
    if (record->randomWidth) line->width *= sAIRandom->FloatRnd();
    if (record->randomDistance) line->distance *= sAIRandom->FloatRnd();
    line->length += sAIRandom->FloatRnd() * record->zoomLengthSpread;
    line->distance += sAIRandom->FloatRnd() * record->zoomDistanceSpread;
    line->width += sAIRandom->FloatRnd() * record->zoomWidthSpread;
}

// The line angle, and the rotation by it about the zoom centre.
void ComputeAngle(const RunValues* values, const RunState* run, const SetState* set, LineValues* line)
{
    line->angle = set->currentAngle + sAIRandom->FloatRnd() * values->randomAngleRange + run->setAngleOffset;
    sAIRealMath->AIRealMatrixSetTranslate(&line->matrix, -line->center.h, -line->center.v);
    sAIRealMath->AIRealMatrixConcatRotate(&line->matrix, line->angle);
    sAIRealMath->AIRealMatrixConcatTranslate(&line->matrix, line->center.h, line->center.v);
}

// The midpoint ratio r: zoom centre to the line's turned inner end, over
// midpoint to that end.
void ApplyMidpointRatio(const FocaraParams* record, const RunValues* values, const RunState* run, LineValues* line)
{
    AIRealPoint inner = {line->center.h + line->distance, line->center.v};
    AIRealPoint turned = {0, 0};
    sAIRealMath->AIRealMatrixXformPoint(&line->matrix, &inner, &turned);
    AIReal d1 = sAIRealMath->AIRealPointLength(&line->center, &turned);
    AIReal d2 = sAIRealMath->AIRealPointLength(&run->midpoint, &turned);
    line->midpointRatio = d2 == 0 ? 0.01f : d1 / d2;

    AIReal r = line->midpointRatio;
    if (record->midpointApplyLength) line->length = line->length * r * values->midpointLengthFactor;
    if (record->midpointApplyDistance) line->distance = line->distance * r * values->midpointDistanceFactor;
    if (record->midpointApplyWidth) line->width = line->width * r * values->midpointWidthFactor;
    line->createChance = record->midpointApplyCreate ? r * values->midpointCreateFactor : 0.5f;
}

// The pull point by interpolationMode, in the unrotated frame of the outline.
// A mode outside 0..14 is read as 0, the zoom centre.
AIRealPoint PickPullPoint(const FocaraParams* record, const RunValues* values, const RunState* run, int32_t k,
                          const LineValues* line)
{
    const AIReal cx = line->center.h;
    const AIReal cy = line->center.v;
    const AIReal PW = values->pageWidth;
    const AIReal PH = values->pageHeight;
    AIRealPoint pull = {cx, cy};
    switch (record->interpolationMode) {
    case 1: pull = {PW / 2, PH / 2}; break;
    case 2:
        pull.h = sAIRandom->FloatRnd() * PW;
        pull.v = sAIRandom->FloatRnd() * PH;
        break;
    case 3: pull = {0, 0}; break;
    case 4: pull = {cx + sAIRandom->FloatRnd() * line->distance * 4, cy}; break;
    case 5: pull = {cx, cy + line->distance}; break;
    case 6: pull = run->midpoint; break;
    case 7: pull = {cx + 10 * static_cast<AIReal>(k), cy}; break;
    case 8: pull = {cx, cy + 10 * static_cast<AIReal>(k)}; break;
    case 9: pull = {cx + line->distance, cy}; break;
    case 10: pull = {cx + line->distance + line->length, cy}; break;
    case 11: pull = {sAIRandom->FloatRnd() * PW, 0}; break;
    case 12: pull = {sAIRandom->FloatRnd() * PW, PH}; break;
    case 13: pull = {0, sAIRandom->FloatRnd() * PH}; break;
    case 14: pull = {PW, sAIRandom->FloatRnd() * PH}; break;
    }
    return pull;
}

// The random create test; without it every line is created.
int32_t DecideCreate(const FocaraParams* record, const LineValues* line)
{
    if (!record->randomCreate) return 1;
    AIReal r = sAIRandom->FloatRnd();
    return 100 * line->createChance > 100 * r ? 1 : 0;
}

// One block of the skip/create pattern, for phase 1, 2 or 3: a skip clears
// create; the last create of the phase hands on to the next phase. A create
// counter loaded with 0 goes negative and never ends its phase.
void RunPatternPhase(const FocaraParams* record, int32_t phase, SetState* set, int32_t* create)
{
    if (set->phase != phase) return;
    const int32_t i = phase - 1;
    if (set->skip[i] > 0) {
        set->skip[i] -= 1;
        set->create[i] = record->*kPatternPhases[i].create;
        *create = 0;
        return;
    }
    set->create[i] -= 1;
    if (set->create[i] != 0) return;
    const int32_t next = phase % 3;  // index of the next phase: 1 -> 2, 2 -> 3, 3 -> 1
    set->skip[i] = record->*kPatternPhases[i].skip;
    set->phase = next + 1;
    set->skip[next] = record->*kPatternPhases[next].skip;
    set->create[next] = record->*kPatternPhases[next].create;
}

// The line's shape style; it carries over to later lines and sets.
void PickLineShape(const FocaraParams* record, int32_t k, const SetState* set, RunState* run)
{
    if (record->alternateLineShapes) run->shapeStyle = k % 2 == 1 ? set->secondStyle : set->firstStyle;
    if (record->randomLineShape) run->shapeStyle = RandomShapeStyle();
}

// A created line: new path, outline, close, rotate, style.
AIErr DrawLine(const FocaraParams* record, const RunValues* values, const RunState* run, SetState* set,
               const LineValues* line)
{
    AIArtHandle path = nullptr;
    AIErr err = sAIArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &path);
    if (err) return err;
    (void)sAIPath->SetPathSegmentCount(path, 0);  // result ignored: the new path is empty

    LineShapeInputs shape = {.path = path,
                             .style = run->shapeStyle,
                             .center = line->center,
                             .distance = line->distance,
                             .length = line->length,
                             .width = line->width,
                             .pull = line->pull,
                             .pullFactor = values->pullFactor,
                             .randomPull = record->randomInterpolation};
    err = WriteLineShape(&shape);
    if (err) return err;

    (void)sAIPath->SetPathClosed(path, true);  // result ignored
    err = sAITransformArt->TransformArt(path, &line->matrix, 1.0f, kTransformObjects);
    if (err) return err;

    LineStyleInputs style = {.record = record,
                             .path = path,
                             .midpointRatio = line->midpointRatio,
                             .setFillOffset = run->setFillOffset,
                             .lineFillOffset = set->lineFillOffset,
                             .tilt = line->tilt,
                             .scaleHorizontal = line->scaleHorizontal,
                             .scaleVertical = line->scaleVertical,
                             .setIndex = set->index,
                             .swatchCount = values->swatchCount,
                             .namedStyleCount = values->namedStyleCount,
                             .halfTurn = values->halfTurn,
                             .sketchStrokeWeight = values->sketchStrokeWeight,
                             .swatchCursor = &set->swatchCursor};
    return StyleLine(&style);
}

AIErr RunLine(const FocaraParams* record, const RunValues* values, RunState* run, SetState* set, int32_t k)
{
    if (record->layerPerLine) {
        AIErr err = InsertTopLayer();
        if (err) return err;
    }
    LineValues line = {};
    PlaceCentreTiltAndScale(record, set, &line);
    ComputeProportions(record, run, set, &line);
    ComputeAngle(values, run, set, &line);
    ApplyMidpointRatio(record, values, run, &line);
    line.pull = PickPullPoint(record, values, run, k, &line);
    line.create = DecideCreate(record, &line);
    for (int32_t phase = 1; phase <= 3; phase++) RunPatternPhase(record, phase, set, &line.create);
    PickLineShape(record, k, set, run);
    if (!line.create) return kNoErr;
    return DrawLine(record, values, run, set, &line);
}

AIErr RunSet(const FocaraParams* record, const RunValues* values, RunState* run, int32_t s)
{
    if (record->layerPerSet) {
        AIErr err = InsertTopLayer();
        if (err) return err;
    }
    SetState set = {};
    StartSet(record, values, run, s, &set);
    for (int32_t k = 0; k < record->lineCount; k++) {
        AIErr err = RunLine(record, values, run, &set, k);
        if (err) return err;
        AdvanceLine(values, &set);
    }
    return kNoErr;
}

}  // namespace

AIErr GenerateFocusLines(FocaraParams* record)
{
    if (record->finalRun && record->previewDrawn) {
        record->previewDrawn = 0;  // the preview's lines are the result
        return kNoErr;
    }
    AIErr err = sAIUndo->UndoChanges();
    if (err) return err;

    RunValues values = {};
    err = ReadRunValues(record, &values);
    if (err) return err;
    if (record->layerPerPass) {
        err = InsertTopLayer();
        if (err) return err;
    }

    RunState run = {};
    StartRun(record, &run);
    for (int32_t s = 0; s < record->zoomSets; s++) {
        err = RunSet(record, &values, &run, s);
        if (err) return err;
        AdvanceRun(record, &values, &run);
    }

    if (!record->finalRun) {
        err = sAIDocument->RedrawDocument();
        if (err) return err;
    }
    return kNoErr;
}
