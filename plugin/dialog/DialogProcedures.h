// The parameter dialog's initialisation procedure and the procedures its
// items run. Every procedure takes the record from the dialog's user data.
#ifndef FOCARA_DIALOG_DIALOGPROCEDURES_H
#define FOCARA_DIALOG_DIALOGPROCEDURES_H

#include "sdk/ADM.h"
#include "sdk/FocaraParams.h"

// The initialisation procedure: builds the items, fills the popups, then
// shows the page in currentPage, which runs the transfer once.
ASErr BuildParameterDialog(ADMDialogRef dialog);
// The building alone, without the opening refresh: writes nothing into the record.
ASErr CreateDialogItems(ADMDialogRef dialog);

// Value items and "Shuffle": copy every value into the record, enable or
// disable the dependent items, and preview when Preview is on.
void TransferProc(ADMItemRef item, ADMNotifierRef notifier);
// Page buttons: show the button's page and make its caption bold.
void PageProc(ADMItemRef item, ADMNotifierRef notifier);
// Item 57: the document view's zoom.
void ViewZoomProc(ADMItemRef item, ADMNotifierRef notifier);
// Tracking procedure of the pick buttons: takes values from a picked point.
AIBoolean PickTrackProc(ADMItemRef item, ADMTrackerRef tracker);
// Popup 161: the defaults plus a preset row.
void PresetProc(ADMItemRef item, ADMNotifierRef notifier);
// Button 162: a random variation of the main settings.
void TumbleProc(ADMItemRef item, ADMNotifierRef notifier);

// Sets every value item but 57 and 161 to its field and selects each
// popup's entry at the position its field holds.
void WriteRecordToDialog(ADMDialogRef dialog, FocaraParams* record);
// Sends the user-changed notification to the first value item of page
// (page 1 outside 1 to 6): the transfer runs.
void RefreshPage(ADMDialogRef dialog, int32_t page);
// RefreshPage, then the same notification to the page's button.
void ShowPage(ADMDialogRef dialog, int32_t page);

#endif
