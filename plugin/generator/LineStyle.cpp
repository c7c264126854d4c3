// The look and place of a created line, in the order the steps must run: fill
// offsets, tilt and scale, random turns, moves and scalings, random and
// jittered colours and widths, opacity, swatches, a named graphic style, and
// then the line's shadow and sketch copies. Random numbers are drawn in
// exactly this order, so that a seed and a record fix the drawing.
#include "plugin/generator/LineStyle.h"

#include "plugin/generator/ArtTransforms.h"
#include "plugin/generator/LineColors.h"
#include "plugin/generator/ShadowAndSketch.h"
#include "plugin/generator/Swatches.h"
#include "plugin/suites/SuitePointers.h"

namespace {

bool OddSet(const LineStyleInputs* line) { return line->setIndex % 2 != 0; }

// ---- Fill offsets ----------------------------------------------------------

void AdjustFill(const LineStyleInputs* line, AIPathStyle* style)
{
    const FocaraParams* record = line->record;
    AIReal factor = 1;
    if (record->midpointApplyFill) factor = line->midpointRatio * 1.0f * record->midpointFill / 100;
    if (factor == 1 && line->setFillOffset == 0 && line->lineFillOffset == 0) return;
    ReadLineStyle(line->path, style);
    OffsetFillColor(&style->fill.color, line->setFillOffset, line->lineFillOffset, factor);
    WriteLineStyle(line->path, style);
}

// ---- Placement: every turn and scaling reads the bounds afresh ------------

// Always runs: with tilt 0 and scales 1 the matrix is the identity.
AIErr TiltAndScale(const LineStyleInputs* line)
{
    AIRealPoint scale = {line->scaleHorizontal, line->scaleVertical};
    if (line->record->repeatAltScaling && OddSet(line)) {
        scale.h = scale.h / 2;
        scale.v = scale.v / 2;
    }
    const AIReal* tilt = line->tilt != 0 ? &line->tilt : nullptr;
    return TransformAboutCentre(line->path, tilt, &scale);
}

AIErr TurnRandomly(const LineStyleInputs* line)
{
    const AIReal angle = sAIRandom->FloatRnd() * 10;
    return TransformAboutCentre(line->path, &angle, nullptr);
}

AIErr JitterCentre(const LineStyleInputs* line)
{
    AIRealRect bounds = {0, 0, 0, 0};
    AIErr err = ReadBounds(line->path, &bounds);  // read although the move does not use them
    if (err) return err;
    const AIReal signX = RandomSign();
    const AIReal dx = signX * sAIRandom->FloatRnd() * 50;
    const AIReal signY = RandomSign();
    const AIReal dy = signY * sAIRandom->FloatRnd() * 50;
    return MoveArt(line->path, dx, dy);
}

AIErr ScaleRandomly(const LineStyleInputs* line)
{
    const AIReal factor = sAIRandom->FloatRnd() + 0.01f;
    const AIRealPoint scale = {factor, factor};
    return TransformAboutCentre(line->path, nullptr, &scale);
}

AIErr JitterScale(const LineStyleInputs* line)
{
    const AIReal m = sAIRandom->FloatRnd() * 0.1f;
    const AIReal factor = RandomSign() > 0 ? 1 + m : 1 - m;
    const AIRealPoint scale = {factor, factor};
    return TransformAboutCentre(line->path, nullptr, &scale);
}

AIErr PlaceLine(const LineStyleInputs* line)
{
    const FocaraParams* record = line->record;
    AIErr err = TiltAndScale(line);
    if (err) return err;
    if (record->randomRotation) {
        err = TurnRandomly(line);
        if (err) return err;
    }
    if (record->repeatAltRotation && OddSet(line)) {
        err = TransformAboutCentre(line->path, &line->halfTurn, nullptr);
        if (err) return err;
    }
    if (record->jitterCenter) {
        err = JitterCentre(line);
        if (err) return err;
    }
    if (record->randomScaling) {
        err = ScaleRandomly(line);
        if (err) return err;
    }
    if (record->jitterScaling) {
        err = JitterScale(line);
        if (err) return err;
    }
    return kNoErr;
}

// ---- Colours, widths and opacity: host results ignored --------------------

void RandomizeStrokeWidth(AIArtHandle path, AIPathStyle* style)
{
    ReadLineStyle(path, style);
    style->stroke.width = style->stroke.width * sAIRandom->FloatRnd();
    WriteLineStyle(path, style);
}

void RandomizeOpacity(AIArtHandle path, AIPathStyle* style)
{
    ReadLineStyle(path, style);
    (void)sAIBlendStyle->SetOpacity(path, sAIRandom->FloatRnd());  // result ignored
    WriteLineStyle(path, style);
}

void JitterStrokeWidth(AIArtHandle path, AIPathStyle* style)
{
    ReadLineStyle(path, style);
    const AIReal m = sAIRandom->FloatRnd() * 3;
    style->stroke.width = style->stroke.width + RandomSign() * m;
    if (style->stroke.width < 0) style->stroke.width = 0;
    WriteLineStyle(path, style);
}

void RestyleColor(AIArtHandle path, AIPathStyle* style, bool stroke, void (*change)(AIColor*))
{
    ReadLineStyle(path, style);
    change(stroke ? &style->stroke.color : &style->fill.color);
    WriteLineStyle(path, style);
}

void RandomFill(AIColor* color) { RandomizeColor(color, false); }
void RandomStroke(AIColor* color) { RandomizeColor(color, true); }

void ColourLine(const LineStyleInputs* line, AIPathStyle* style)
{
    const FocaraParams* record = line->record;
    AIArtHandle path = line->path;
    if (record->randomFill) RestyleColor(path, style, false, RandomFill);
    if (record->randomStroke) RestyleColor(path, style, true, RandomStroke);
    if (record->randomStrokeWidth) RandomizeStrokeWidth(path, style);
    if (record->randomOpacity) RandomizeOpacity(path, style);
    if (record->jitterFill) RestyleColor(path, style, false, JitterColor);
    if (record->jitterStroke) RestyleColor(path, style, true, JitterColor);
    if (record->jitterStrokeWidth) JitterStrokeWidth(path, style);
}

// ---- Swatches and the named graphic style ---------------------------------

// Walks the swatches from 2 to the end of the list and round again.
void TakeSwatchInOrder(const LineStyleInputs* line, AIPathStyle* style)
{
    ReadLineStyle(line->path, style);
    int32_t* cursor = line->swatchCursor;
    *cursor = BoundSwatchCursor(*cursor, line->swatchCount);
    ReadSwatchColor(*cursor, &style->fill.color);
    style->fillPaint = true;
    WriteLineStyle(line->path, style);
    *cursor += 1;
}

// A random swatch for the fill or the stroke; the cursor keeps the pick.
void TakeRandomSwatch(const LineStyleInputs* line, AIPathStyle* style, bool stroke)
{
    ReadLineStyle(line->path, style);
    int32_t* cursor = line->swatchCursor;
    *cursor = DrawSwatchCursor(line->swatchCount);
    if (stroke) {
        ReadSwatchColor(*cursor, &style->stroke.color);
        style->strokePaint = true;
    } else {
        ReadSwatchColor(*cursor, &style->fill.color);
        style->fillPaint = true;
    }
    WriteLineStyle(line->path, style);
}

// Style 0 is never picked; with fewer than two styles there is no index to
// pick, so the caller skips this step.
AIErr ApplyRandomNamedStyle(const LineStyleInputs* line)
{
    const int32_t count = line->namedStyleCount;
    int32_t index = static_cast<int32_t>(sAIRandom->FloatRnd() * static_cast<AIReal>(count));
    if (index > count - 1) index = count - 1;
    if (index == 0) index = 1;
    AIArtStyleHandle named = nullptr;
    AIErr err = sAIArtStyle->GetNthNamedArtStyle(index, &named);
    if (err) return err;
    return sAIArtStyle->ApplyArtStyle(line->path, named);
}

AIErr TakeSwatchesAndStyle(const LineStyleInputs* line, AIPathStyle* style)
{
    const FocaraParams* record = line->record;
    // Too few swatches or styles: the step is skipped and draws nothing.
    const bool swatches = line->swatchCount >= kMinimumSwatches;
    if (record->swatchOrder && swatches) TakeSwatchInOrder(line, style);
    if (record->randomFillSwatch && swatches) TakeRandomSwatch(line, style, false);
    if (record->randomStrokeSwatch && swatches) TakeRandomSwatch(line, style, true);
    if (record->randomStyle && line->namedStyleCount >= 2) return ApplyRandomNamedStyle(line);
    return kNoErr;
}

}  // namespace

void ReadLineStyle(AIArtHandle path, AIPathStyle* style)
{
    (void)sAIPathStyle->GetPathStyle(path, style);  // ignored: a failed read leaves the buffer as it was
}

void WriteLineStyle(AIArtHandle path, const AIPathStyle* style)
{
    (void)sAIPathStyle->SetPathStyle(path, style);  // result ignored
}

AIErr StyleLine(const LineStyleInputs* line)
{
    // One buffer for the whole line, so that a style read that fails carries
    // on from the last style read or written rather than from nothing.
    AIPathStyle style = {};
    AdjustFill(line, &style);
    AIErr err = PlaceLine(line);
    if (err) return err;
    ColourLine(line, &style);
    err = TakeSwatchesAndStyle(line, &style);
    if (err) return err;
    return AddShadowAndSketchCopies(line, &style);
}
