// Builds the parameter dialog from the item table.
#include "plugin/dialog/DialogLayout.h"
#include "plugin/dialog/DialogProcedures.h"
#include "plugin/params/ParamRecord.h"
#include "plugin/suites/SuitePointers.h"

namespace {

enum { kDialogWidth = 460, kDialogHeight = 355, kDialogActionMask = 1 };

const struct {
    DialogProcedure procedure;
    ADMItemNotifyProc notify;
    // clang-format off
} kNotifyProcs[] = {
    {kProcTransfer, TransferProc}, {kProcViewZoom, ViewZoomProc}, {kProcPage, PageProc},
    {kProcPreset, PresetProc},     {kProcTumble, TumbleProc},
};
// clang-format on

ADMItemNotifyProc NotifyProcOf(DialogProcedure procedure)
{
    for (const auto& row : kNotifyProcs)
        if (row.procedure == procedure) return row.notify;
    return nullptr;
}

void SetItemRange(ADMItemRef item, const DialogItemRow* row)
{
    sADMItem->SetUnits(item, kADMNoUnits);
    if (row->value == kValueInt) {
        sADMItem->SetMinIntValue(item, static_cast<int32_t>(row->minimum));
        sADMItem->SetMaxIntValue(item, static_cast<int32_t>(row->maximum));
    } else {
        sADMItem->SetMinFloatValue(item, static_cast<AIReal>(row->minimum));
        sADMItem->SetMaxFloatValue(item, static_cast<AIReal>(row->maximum));
    }
    sADMItem->SetPrecision(item, row->precision);
}

ASErr CreateDialogItem(ADMDialogRef dialog, const DialogItemRow* row, FocaraParams* record)
{
    ADMItemRef item =
        sADMDialog->CreateItem(dialog, row->id, DialogItemTypeName(row->kind), &row->bounds, nullptr, nullptr, 0);
    if (!item) return kBadParameterErr;
    if (row->text) sADMItem->SetText(item, row->text);

    const FocaraParamField* field = FocaraParamFieldAt(row->field);
    switch (row->value) {
    case kValueInt:
        SetItemRange(item, row);
        sADMItem->SetIntValue(item, *FocaraParamIntWord(record, field));
        break;
    case kValueReal:
        SetItemRange(item, row);
        sADMItem->SetFloatValue(item, *FocaraParamRealWord(record, field));
        break;
    case kValueFlag: sADMItem->SetBooleanValue(item, *FocaraParamIntWord(record, field) != 0); break;
    case kValuePopup:  // filled later
    case kValueNone: break;
    }

    if (row->procedure == kProcPick)
        sADMItem->SetTrackProc(item, PickTrackProc);
    else if (row->kind != kItemPopup || row->procedure == kProcPreset)  // the other popups get theirs when filled
        if (ADMItemNotifyProc notify = NotifyProcOf(row->procedure)) sADMItem->SetNotifyProc(item, notify);

    // Page 1 and the items of every page are what the user sees first.
    if (row->page > 1) sADMItem->Show(item, false);
    return kNoErr;
}

ASErr FillPopup(ADMDialogRef dialog, const DialogPopupList* popup, FocaraParams* record)
{
    const DialogItemRow* row = FindDialogItemRow(popup->item);
    ADMItemRef item = sADMDialog->GetItem(dialog, popup->item);
    ADMListRef list = item ? sADMItem->GetList(item) : nullptr;
    if (!row || !list) return kBadParameterErr;
    if (row->procedure == kProcTransfer) sADMItem->SetNotifyProc(item, TransferProc);

    for (int32_t index = 0; index < popup->count; ++index) {
        ADMEntryRef entry = sADMList->InsertEntry(list, index);
        if (!entry) return kBadParameterErr;
        sADMEntry->SetText(entry, DialogPopupEntryText(popup, index));
        sADMEntry->SetID(entry, index);
    }
    // A field outside the list selects nothing.
    ADMEntryRef chosen = sADMList->IndexEntry(list, *FocaraParamIntWord(record, FocaraParamFieldAt(row->field)));
    if (chosen) sADMEntry->Select(chosen, true);
    return kNoErr;
}

}  // namespace

ASErr CreateDialogItems(ADMDialogRef dialog)
{
    FocaraParams* record = static_cast<FocaraParams*>(sADMDialog->GetUserData(dialog));
    if (!record) return kBadParameterErr;

    sADMDialog->SetMask(dialog, kDialogActionMask);
    if (record->dialogBoundsSaved) {
        ADMRect bounds = {record->dialogLeft, record->dialogTop, record->dialogRight, record->dialogBottom};
        sADMDialog->SetBoundsRect(dialog, &bounds);
    }
    sADMDialog->Size(dialog, kDialogWidth, kDialogHeight);

    for (const DialogItemRow& row : kDialogItems) {
        ASErr err = CreateDialogItem(dialog, &row, record);
        if (err) return err;
    }
    for (const DialogPopupList& popup : kDialogPopups) {
        ASErr err = FillPopup(dialog, &popup, record);
        if (err) return err;
    }
    return kNoErr;
}

ASErr BuildParameterDialog(ADMDialogRef dialog)
{
    ASErr err = CreateDialogItems(dialog);
    if (err) return err;
    const FocaraParams* record = static_cast<const FocaraParams*>(sADMDialog->GetUserData(dialog));
    ShowPage(dialog, record->currentPage);
    return kNoErr;
}
