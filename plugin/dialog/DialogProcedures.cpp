// What the dialog's items do: transfer, page, view zoom and pick.
#include "plugin/dialog/DialogProcedures.h"

#include <stddef.h>
#include <stdint.h>

#include "plugin/dialog/DialogLayout.h"
#include "plugin/generator/Generator.h"
#include "plugin/params/ParamRecord.h"
#include "plugin/suites/SuitePointers.h"

#define FIELD(name) static_cast<int32_t>(offsetof(FocaraParams, name))

namespace {

// Items enabled while their field is non-zero and disabled while it is zero.
struct DependentItems {
    int32_t field;
    int32_t items[5];  // 0 ends the list
};
// clang-format off
const DependentItems kDependentItems[] = {
    {FIELD(dropShadow), {127, 128, 130, 129}},
    {FIELD(sketchRepeats), {14, 13, 16, 125, 126}},
    {FIELD(interpolationAmount), {18, 133}},
};
// clang-format on

// What a pick button takes from the picked point (x, y).
enum PickSource {
    kPickX,
    kPickY,
    kPickXTenth,           // x / 10
    kPickXTenthTruncated,  // x / 10 toward zero
    kPickAngleToCenter     // degrees, from (x, y) to (centerX, centerY)
};
struct PickEffect {
    int32_t button;
    int32_t field;
    PickSource source;
    int32_t item;  // shows the field
};
// clang-format off
const PickEffect kPickEffects[] = {
    {163, FIELD(centerX), kPickX, 6},
    {163, FIELD(centerY), kPickY, 7},
    {164, FIELD(zoomLength), kPickX, 19},
    {165, FIELD(zoomDistance), kPickX, 20},
    {166, FIELD(zoomWidth), kPickXTenth, 21},
    {167, FIELD(lineCount), kPickXTenthTruncated, 11},
    {168, FIELD(rotation), kPickAngleToCenter, 8},
};
// clang-format on

FocaraParams* RecordOf(ADMDialogRef dialog) { return static_cast<FocaraParams*>(sADMDialog->GetUserData(dialog)); }

// The items that copy into the record: every value item but 57 and 161,
// which have procedures of their own.
bool CopiesIntoRecord(const DialogItemRow* row) { return row->field != kNoField && row->procedure == kProcTransfer; }

void ReadDialogIntoRecord(ADMDialogRef dialog, FocaraParams* record)
{
    for (const DialogItemRow& row : kDialogItems) {
        if (!CopiesIntoRecord(&row)) continue;
        ADMItemRef item = sADMDialog->GetItem(dialog, row.id);
        if (!item) continue;
        const FocaraParamField* field = FocaraParamFieldAt(row.field);
        switch (row.value) {
        case kValueInt: *FocaraParamIntWord(record, field) = sADMItem->GetIntValue(item); break;
        case kValueReal: *FocaraParamRealWord(record, field) = sADMItem->GetFloatValue(item); break;
        case kValueFlag: *FocaraParamIntWord(record, field) = sADMItem->GetBooleanValue(item) ? 1 : 0; break;
        case kValuePopup: {
            // A popup with no active entry leaves its field alone.
            ADMEntryRef active = sADMList->GetActiveEntry(sADMItem->GetList(item));
            if (active) *FocaraParamIntWord(record, field) = sADMEntry->GetID(active);
            break;
        }
        case kValueNone: break;
        }
    }
}

void EnableDependentItems(ADMDialogRef dialog, FocaraParams* record)
{
    for (const DependentItems& dependent : kDependentItems) {
        const FocaraParamField* field = FocaraParamFieldAt(dependent.field);
        bool on = field->type == kParamReal ? *FocaraParamRealWord(record, field) != 0
                                            : *FocaraParamIntWord(record, field) != 0;
        for (int32_t id : dependent.items) {
            if (!id) break;
            sADMItem->Enable(sADMDialog->GetItem(dialog, id), on);
        }
    }
}

ASErr PickedPoint(AIRealPoint* picked)
{
    AIPoint point = {0, 0};
    sADMTracker->GetPoint(nullptr, &point);
    AIDocumentViewHandle view = nullptr;
    ASErr err = sAIDocumentView->GetNthDocumentView(0, &view);
    if (err) return err;
    return sAIDocumentView->ViewPointToArtworkPoint(view, &point, picked);
}

// Toward zero, within what an int32 holds (the item clamps further).
int32_t TruncatedToInt(double value)
{
    if (value != value) return 0;
    if (value <= -2147483648.0) return INT32_MIN;
    if (value >= 2147483647.0) return INT32_MAX;
    return static_cast<int32_t>(value);
}

double PickValue(PickSource source, AIRealPoint picked, const FocaraParams* record)
{
    switch (source) {
    case kPickX: return picked.h;
    case kPickY: return picked.v;
    case kPickXTenth: return picked.h / 10.0f;
    case kPickXTenthTruncated: return TruncatedToInt(picked.h / 10.0f);
    case kPickAngleToCenter: {
        AIRealPoint center = {record->centerX, record->centerY};
        return sAIRealMath->RadianToDegree(sAIRealMath->AIRealPointAngle(&picked, &center));
    }
    }
    return 0;
}

}  // namespace

void TransferProc(ADMItemRef item, ADMNotifierRef notifier)
{
    ADMDialogRef dialog = sADMItem->GetDialog(item);
    FocaraParams* record = RecordOf(dialog);
    if (!record) return;
    record->finalRun = 0;
    sADMItem->DefaultNotify(item, notifier);
    ReadDialogIntoRecord(dialog, record);
    EnableDependentItems(dialog, record);
    if (record->preview) {
        record->previewDrawn = 1;
        GenerateFocusLines(record);  // a failed preview leaves what it drew; the dialog stays open
    } else {
        record->previewDrawn = 0;  // the document keeps whatever preview it shows
    }
}

void PageProc(ADMItemRef item, ADMNotifierRef)
{
    ADMDialogRef dialog = sADMItem->GetDialog(item);
    FocaraParams* record = RecordOf(dialog);
    const DialogPage* page = DialogPageOfButton(sADMItem->GetID(item));
    if (!record || !page) return;

    for (const DialogPage& other : kDialogPages)
        sADMItem->SetFont(sADMDialog->GetItem(dialog, other.caption), kADMDefaultFont);
    record->currentPage = page->page;
    sADMItem->SetFont(sADMDialog->GetItem(dialog, page->caption), kADMBoldDialogFont);

    for (const DialogItemRow& row : kDialogItems)
        if (row.page != 0) sADMItem->Show(sADMDialog->GetItem(dialog, row.id), row.page == page->page);
}

void ViewZoomProc(ADMItemRef item, ADMNotifierRef notifier)
{
    ADMDialogRef dialog = sADMItem->GetDialog(item);
    FocaraParams* record = RecordOf(dialog);
    if (!record) return;
    // The host's item takes the typed value in its default notification.
    sADMItem->DefaultNotify(item, notifier);
    record->viewZoom = sADMItem->GetFloatValue(item);

    AIDocumentViewHandle view = nullptr;
    if (sAIDocumentView->GetNthDocumentView(0, &view)) return;
    sAIDocumentView->SetDocumentViewZoom(view, record->viewZoom / 100.0f);  // nothing to report it to
}

AIBoolean PickTrackProc(ADMItemRef item, ADMTrackerRef tracker)
{
    // The host's own tracker may not carry the event; the null tracker does.
    if (!(sADMTracker->GetModifiers(nullptr) & kADMPickModifier)) return true;
    sADMItem->DefaultTrack(item, tracker);

    AIRealPoint picked = {0, 0};
    if (PickedPoint(&picked)) return true;
    ADMDialogRef dialog = sADMItem->GetDialog(item);
    FocaraParams* record = RecordOf(dialog);
    if (!record) return true;

    int32_t button = sADMItem->GetID(item);
    for (const PickEffect& effect : kPickEffects) {
        if (effect.button != button) continue;
        const FocaraParamField* field = FocaraParamFieldAt(effect.field);
        double value = PickValue(effect.source, picked, record);
        if (field->type == kParamReal)
            *FocaraParamRealWord(record, field) = static_cast<AIReal>(value);
        else
            *FocaraParamIntWord(record, field) = TruncatedToInt(value);
        ADMItemRef shown = sADMDialog->GetItem(dialog, effect.item);
        if (field->type == kParamReal)
            sADMItem->SetFloatValue(shown, *FocaraParamRealWord(record, field));
        else
            sADMItem->SetIntValue(shown, *FocaraParamIntWord(record, field));
    }
    // The transfer reads the items back, so the record holds what they show.
    RefreshPage(dialog, record->currentPage);
    return true;
}

void WriteRecordToDialog(ADMDialogRef dialog, FocaraParams* record)
{
    for (const DialogItemRow& row : kDialogItems) {
        if (!CopiesIntoRecord(&row)) continue;
        ADMItemRef item = sADMDialog->GetItem(dialog, row.id);
        if (!item) continue;
        const FocaraParamField* field = FocaraParamFieldAt(row.field);
        switch (row.value) {
        case kValueInt: sADMItem->SetIntValue(item, *FocaraParamIntWord(record, field)); break;
        case kValueReal: sADMItem->SetFloatValue(item, *FocaraParamRealWord(record, field)); break;
        case kValueFlag: sADMItem->SetBooleanValue(item, *FocaraParamIntWord(record, field) != 0); break;
        case kValuePopup: {
            ADMEntryRef entry = sADMList->IndexEntry(sADMItem->GetList(item), *FocaraParamIntWord(record, field));
            if (entry) sADMEntry->Select(entry, true);
            break;
        }
        case kValueNone: break;
        }
    }
}

void RefreshPage(ADMDialogRef dialog, int32_t page)
{
    sADMItem->SendNotify(sADMDialog->GetItem(dialog, DialogPageOrFirst(page)->firstValueItem), kADMUserChangedNotifier);
}

void ShowPage(ADMDialogRef dialog, int32_t page)
{
    RefreshPage(dialog, page);
    sADMItem->SendNotify(sADMDialog->GetItem(dialog, DialogPageOrFirst(page)->button), kADMUserChangedNotifier);
}
