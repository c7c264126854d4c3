// The two procedures that rewrite many fields at once: the preset popup and Tumble.
#include "plugin/dialog/DialogLayout.h"
#include "plugin/dialog/DialogProcedures.h"
#include "plugin/params/ParamRecord.h"
#include "plugin/params/Presets.h"
#include "plugin/suites/SuitePointers.h"

namespace {

// Fields Tumble puts back to their defaults before it draws.
// clang-format off
const char* const kTumbleResets[] = {
    "zoomDistance", "zoomLength", "lineCount", "zoomWidth", "shapeStyle", "zoomDistanceSpread",
    "zoomWidthSpread", "zoomLengthSpread", "randomAngle", "scaleHorizontal", "scaleVertical",
    "patternSkip1", "patternCreate1", "patternSkip2", "patternCreate2", "patternSkip3", "patternCreate3",
    "zoomSets", "setLengthPercent", "setDistancePercent", "setWidthPercent", "setAngle",
    "midpointLength", "midpointWidth", "midpointFill", "midpointDistance", "midpointCreate",
    "midpointApplyLength", "midpointApplyDistance", "midpointApplyWidth", "midpointApplyCreate",
    "lineLengthPercent", "lineDistancePercent", "lineWidthPercent", "randomLineShapePerSet",
    "alternateLineShapes", "repeatAltScaling", "randomScaling", "randomWidth", "randomLength",
    "interpolationAmount", "interpolationMode"};
// clang-format on

FocaraParams* RecordOf(ADMDialogRef dialog) { return static_cast<FocaraParams*>(sADMDialog->GetUserData(dialog)); }

// One new draw of the host's random source.
double R() { return sAIRandom->FloatRnd(); }

AIReal Real(double value) { return static_cast<AIReal>(value); }
int32_t Truncated(double value) { return static_cast<int32_t>(value); }

// scale * r > threshold, strictly.
bool Chance(double scale, double threshold) { return scale * R() > threshold; }

// (base + scale * r1) - scale * r2, r1 drawn first.
AIReal AroundBase(double base, double scale)
{
    double first = base + scale * R();
    return Real(first - scale * R());
}

// (r1 + 100) - r2, r1 drawn first.
AIReal AroundHundredPercent()
{
    double first = R() + 100.0;
    return Real(first - R());
}

void DrawTumble(FocaraParams* p)
{
    p->zoomDistance = Real(34.0 + 200.0 * R());
    p->zoomLength = Real(400.0 * R());
    p->lineCount = Truncated(60.0 * R());
    p->zoomWidth = Real(4.0 + 30.0 * R());
    p->shapeStyle = Truncated(54.0 * R());  // never the last shape
    p->zoomDistanceSpread = Real(50.0 * R());
    p->zoomWidthSpread = Real(10.0 * R());
    p->zoomLengthSpread = Real(50.0 * R());
    p->randomAngle = Real(4.0 * R());
    p->scaleHorizontal = AroundBase(100.0, 8.0);
    p->scaleVertical = AroundBase(100.0, 8.0);
    if (Chance(50.0, 40.0)) {
        p->patternSkip1 = Truncated(5.0 * R());
        p->patternCreate1 = Truncated(5.0 * R()) + 1;
    }
    if (Chance(50.0, 40.0)) {
        p->patternSkip2 = Truncated(5.0 * R());
        p->patternCreate2 = Truncated(5.0 * R()) + 1;
        p->patternSkip3 = 0;
        p->patternCreate3 = 1;
    }
    if (Chance(50.0, 30.0)) {
        p->zoomSets = Truncated(4.0 * R());
        p->setLengthPercent = Real(200.0 * R());
        p->setDistancePercent = Real(200.0 * R());
        p->setWidthPercent = Real(200.0 * R());
        p->setAngle = Real(4.0 * R());
    }
    p->midpointX = AroundBase(p->centerX, 100.0);
    p->midpointY = AroundBase(p->centerY, 100.0);
    if (Chance(100.0, 80.0)) p->midpointApplyLength = 1;
    if (Chance(100.0, 80.0)) p->midpointApplyDistance = 1;
    if (Chance(100.0, 80.0)) p->midpointApplyWidth = 1;
    if (Chance(100.0, 90.0)) {
        p->midpointApplyCreate = 1;
        p->randomCreate = 1;
    }
    if (Chance(50.0, 43.0)) {
        p->lineLengthPercent = AroundHundredPercent();
        p->lineDistancePercent = AroundHundredPercent();
        p->lineWidthPercent = AroundHundredPercent();
    }
    if (Chance(100.0, 80.0)) p->randomLineShapePerSet = 1;
    if (Chance(100.0, 80.0)) p->alternateLineShapes = 1;
    if (Chance(100.0, 90.0)) p->repeatAltScaling = 1;
    if (Chance(100.0, 80.0)) p->randomScaling = 1;
    if (Chance(100.0, 80.0)) p->randomWidth = 1;
    if (Chance(100.0, 80.0)) p->randomLength = 1;
    if (Chance(100.0, 80.0)) {
        p->interpolationAmount = Real(50.0 * R());
        p->interpolationMode = Truncated(14.0 * R());
    }
}

}  // namespace

void PresetProc(ADMItemRef item, ADMNotifierRef notifier)
{
    ADMDialogRef dialog = sADMItem->GetDialog(item);
    FocaraParams* record = RecordOf(dialog);
    if (!record) return;
    AIDocumentViewHandle view = nullptr;
    AIRealPoint center = {0, 0};
    if (sAIDocumentView->GetNthDocumentView(0, &view)) return;
    if (sAIDocumentView->GetDocumentViewCenter(view, &center)) return;

    sADMItem->DefaultNotify(item, notifier);
    ADMEntryRef active = sADMList->GetActiveEntry(sADMItem->GetList(item));
    if (active) record->presetIndex = sADMEntry->GetID(active);
    record->currentPage = 1;
    WritePresetDefaults(record, center);
    ApplyPresetRow(record, record->presetIndex);  // every name of the table is checked by the tests

    WriteRecordToDialog(dialog, record);
    ShowPage(dialog, 1);
}

void TumbleProc(ADMItemRef item, ADMNotifierRef notifier)
{
    ADMDialogRef dialog = sADMItem->GetDialog(item);
    FocaraParams* record = RecordOf(dialog);
    if (!record) return;
    sADMItem->DefaultNotify(item, notifier);

    const AIRealPoint unused = {0, 0};  // none of the reset fields defaults to the view centre
    for (const char* name : kTumbleResets)
        if (const FocaraParamField* field = FocaraParamFieldNamed(name)) FocaraSetParamDefault(record, field, unused);
    DrawTumble(record);
    record->previewDrawn = 0;

    WriteRecordToDialog(dialog, record);
    ShowPage(dialog, record->currentPage);
}
