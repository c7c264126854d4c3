#include "plugin/generator/ShadowAndSketch.h"

#include "plugin/generator/ArtTransforms.h"
#include "plugin/generator/LineColors.h"
#include "plugin/generator/Swatches.h"
#include "plugin/suites/SuitePointers.h"

namespace {

// ---- Drop shadow -----------------------------------------------------------

// Black in each document colour model, as four components. A grayscale
// document gets gray 1, which is black, like the RGB and CMYK ones.
// clang-format off
constexpr AIReal kShadowBlack[3][4] = {
    {1, 0, 0, 0}, // kDocGrayColor
    {0, 0, 0, 0}, // kDocRGBColor
    {1, 1, 1, 1}, // kDocCMYKColor
};
// clang-format on

// Black, or the colour's components halved, in the document's colour model.
void ShadowColor(AIColor* color, int16_t model, bool half)
{
    if (model < kDocGrayColor || model > kDocCMYKColor) return;  // unknown models keep the colour
    AIReal parts[4];
    if (half) {
        ReadFourComponents(color, parts);
        for (AIReal& part : parts) part = part / 2;
    } else {
        for (int32_t i = 0; i < 4; i++) parts[i] = kShadowBlack[model][i];
    }
    SetColorInModel(color, model, parts);
}

// Squashes the shadow vertically about the middle of its bottom edge.
AIErr SquashShadow(AIArtHandle shadow)
{
    AIRealRect bounds = {0, 0, 0, 0};
    AIErr err = ReadBounds(shadow, &bounds);
    if (err) return err;
    const AIReal centreX = BoundsCentre(&bounds).h;
    AIRealMatrix matrix;
    sAIRealMath->AIRealMatrixSetTranslate(&matrix, -centreX, -bounds.bottom);
    sAIRealMath->AIRealMatrixConcatScale(&matrix, 1, sAIRandom->FloatRnd());
    sAIRealMath->AIRealMatrixConcatTranslate(&matrix, centreX, bounds.bottom);
    return ApplyMatrix(shadow, &matrix);
}

AIErr AddDropShadow(const LineStyleInputs* line, AIPathStyle* style)
{
    const FocaraParams* record = line->record;
    AIArtHandle shadow = nullptr;
    AIErr err = sAIArt->DuplicateArt(line->path, kPlaceBelow, line->path, &shadow);
    if (err) return err;

    ReadLineStyle(line->path, style);
    int16_t model = -1;
    (void)sAIDocument->GetDocumentColorModel(&model);  // ignored: a failed read keeps the colours
    ShadowColor(&style->fill.color, model, record->halfShadow != 0);
    ShadowColor(&style->stroke.color, model, record->halfShadow != 0);
    WriteLineStyle(shadow, style);

    AIReal dx = 5;
    AIReal dy = -5;
    if (record->randomShadowAngle) {
        const AIReal signX = HalfSign();
        dx = signX * sAIRandom->FloatRnd() * 5;
        const AIReal signY = HalfSign();
        dy = signY * sAIRandom->FloatRnd() * -5;
    }
    if (record->randomShadowOpacity) (void)sAIBlendStyle->SetOpacity(shadow, sAIRandom->FloatRnd());  // ignored
    err = MoveArt(shadow, dx, dy);
    if (err) return err;
    if (record->randomShadowScale) return SquashShadow(shadow);
    return kNoErr;
}

// ---- Sketch copies ---------------------------------------------------------

// What the shift added to the copy's last segment, for the shift colour mode.
struct LastShift {
    AIReal outVertical;
    AIReal anchorVertical;
    AIReal inHorizontal;
};

// Moves every coordinate of every segment by sx (horizontal) or sy
// (vertical), each amount scaled by its own half sign and rand when the shift
// is random.
AIErr ShiftSegments(AIArtHandle copy, bool randomShift, AIReal sx, AIReal sy, LastShift* last)
{
    int16_t count = 0;
    AIErr err = sAIPath->GetPathSegmentCount(copy, &count);
    if (err) return err;
    for (int16_t i = 0; i < count; i++) {
        AIPathSegment segment;
        err = sAIPath->GetPathSegments(copy, i, 1, &segment);
        if (err) return err;
        AIReal* coordinates[6] = {&segment.p.h,  &segment.p.v,   &segment.in.h,
                                  &segment.in.v, &segment.out.h, &segment.out.v};
        AIReal added[6];
        for (int32_t c = 0; c < 6; c++) {
            AIReal g = 1;
            AIReal a = 1;
            if (randomShift) {
                g = HalfSign();
                a = sAIRandom->FloatRnd();
            }
            added[c] = g * (c % 2 == 0 ? sx : sy) * a;
            *coordinates[c] += added[c];
        }
        *last = {added[5], added[1], added[2]};
        err = sAIPath->SetPathSegments(copy, i, 1, &segment);
        if (err) return err;
    }
    return kNoErr;
}

enum SketchOpacity { kKeepOpacity, kRandomOpacity, kReducedOpacity };
enum SketchColor {
    kBlackStroke,
    kSameStroke,
    kRandomStroke,
    kSwatchStroke,
    kReducedStroke,
    kMaybeReducedStroke,
    kRandomOrBlackStroke,
    kShiftStroke,
    kWhiteStroke
};

// sketchColorMode, by value. The opacity change comes first; for black or
// white after a random opacity the order makes no difference to the draws.
struct SketchMode {
    SketchOpacity opacity;
    SketchColor color;
};
// clang-format off
constexpr SketchMode kSketchModes[] = {
    {kKeepOpacity, kBlackStroke},          // 0  Use black
    {kKeepOpacity, kSameStroke},           // 1  Use same color as original path
    {kKeepOpacity, kRandomStroke},         // 2  Use random color
    {kKeepOpacity, kSwatchStroke},         // 3  Use random swatch color
    {kKeepOpacity, kReducedStroke},        // 4  Reduced
    {kKeepOpacity, kMaybeReducedStroke},   // 5  Random reduced
    {kKeepOpacity, kRandomOrBlackStroke},  // 6  Random black / color
    {kKeepOpacity, kShiftStroke},          // 7  Use shift (otherwise black)
    {kRandomOpacity, kBlackStroke},        // 8  Use black + random opacity
    {kRandomOpacity, kRandomStroke},       // 9  Use random color + random opacity
    {kReducedOpacity, kSameStroke},        // 10 Reducing opacity
    {kRandomOpacity, kWhiteStroke},        // 11 Use white + random opacity
};
// clang-format on
constexpr int32_t kSketchModeCount = sizeof kSketchModes / sizeof kSketchModes[0];
static_assert(kSketchModeCount == 12, "one row per entry of the sketch colour popup");

void SetSketchOpacity(AIArtHandle copy, SketchOpacity change)
{
    if (change == kRandomOpacity) {
        (void)sAIBlendStyle->SetOpacity(copy, sAIRandom->FloatRnd());  // result ignored
    } else if (change == kReducedOpacity) {
        AIReal opacity = 1;
        (void)sAIBlendStyle->GetOpacity(copy, &opacity);          // ignored: new art's opacity 1 stands in
        (void)sAIBlendStyle->SetOpacity(copy, opacity * 8 / 10);  // result ignored
    }
}

void SetSketchColor(const LineStyleInputs* line, SketchColor change, const LastShift* shift, AIColor* color)
{
    const AIReal sketchShift = line->record->sketchShift;
    switch (change) {
    case kBlackStroke: SetBlack(color); break;
    case kSameStroke: break;
    case kRandomStroke: RandomizeColor(color, false); break;
    case kSwatchStroke:
        // Too few swatches: skipped, nothing drawn.
        if (line->swatchCount < kMinimumSwatches) break;
        *line->swatchCursor = DrawSwatchCursor(line->swatchCount);
        ReadSwatchColor(*line->swatchCursor, color);
        break;
    case kReducedStroke: ReduceColor(color); break;
    case kMaybeReducedStroke:
        if (sAIRandom->FloatRnd() > 0.5f) ReduceColor(color);
        break;
    case kRandomOrBlackStroke:
        if (sAIRandom->FloatRnd() <= 0.5f) {
            RandomizeColor(color, false);
        } else {
            SetBlack(color);
        }
        break;
    case kShiftStroke:
        if (sketchShift == 0) {
            SetBlack(color);
        } else {
            const AIReal values[3] = {shift->outVertical / sketchShift, shift->anchorVertical / sketchShift,
                                      shift->inHorizontal / sketchShift};
            SetLeadingComponents(color, values);
        }
        break;
    case kWhiteStroke: SetWhite(color); break;
    }
}

AIErr AddSketchCopy(const LineStyleInputs* line, AIPathStyle* style)
{
    const FocaraParams* record = line->record;
    AIArtHandle copy = nullptr;
    AIErr err = sAIArt->DuplicateArt(line->path, kPlaceAboveAll, line->path, &copy);
    if (err) return err;

    const AIReal signX = HalfSign();
    const AIReal sx = signX * sAIRandom->FloatRnd() * record->sketchShift;
    const AIReal signY = HalfSign();
    const AIReal sy = signY * sAIRandom->FloatRnd() * record->sketchShift;
    LastShift last = {0, 0, 0};
    if (sx != 0 || sy != 0) {
        err = ShiftSegments(copy, record->randomSketchShift != 0, sx, sy, &last);
        if (err) return err;
    }

    ReadLineStyle(copy, style);
    style->strokePaint = true;
    const int32_t mode = record->sketchColorMode;
    if (mode >= 0 && mode < kSketchModeCount) {  // other values keep the line's stroke colour
        SetSketchOpacity(copy, kSketchModes[mode].opacity);
        SetSketchColor(line, kSketchModes[mode].color, &last, &style->stroke.color);
    }
    style->fillPaint = false;
    style->stroke.width = line->sketchStrokeWeight;
    if (record->randomSketchWidth) style->stroke.width = sAIRandom->FloatRnd() * line->sketchStrokeWeight;
    WriteLineStyle(copy, style);
    return kNoErr;
}

}  // namespace

AIErr AddShadowAndSketchCopies(const LineStyleInputs* line, AIPathStyle* style)
{
    if (line->record->dropShadow) {
        AIErr err = AddDropShadow(line, style);
        if (err) return err;
    }
    // A counter of the copies' own: the set index is not touched.
    for (int32_t copy = 0; copy < line->record->sketchRepeats; copy++) {
        AIErr err = AddSketchCopy(line, style);
        if (err) return err;
    }
    return kNoErr;
}
