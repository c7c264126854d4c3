// The parameter dialog's items as one table, its popup lists and its pages.
// Row order is creation order.
#ifndef FOCARA_DIALOG_DIALOGLAYOUT_H
#define FOCARA_DIALOG_DIALOGLAYOUT_H

#include "sdk/ADM.h"
#include "sdk/FocaraParams.h"

enum DialogItemKind { kItemSpinEdit, kItemStaticText, kItemPopup, kItemPushButton, kItemCheckBox, kItemPictureButton };

// How an item's value maps to its record field.
enum DialogValueKind {
    kValueNone,
    kValueInt,   // integer spin edit
    kValueReal,  // real spin edit
    kValueFlag,  // check box, 0/1
    kValuePopup  // popup: the active entry's id
};

// The procedure that runs when the user changes the item.
enum DialogProcedure {
    kProcNone,      // the host's default handling
    kProcTransfer,  // copy all values into the record, then preview
    kProcViewZoom,
    kProcPage,
    kProcPreset,
    kProcTumble,
    kProcPick  // a tracking procedure, not a notification
};

enum { kNoField = -1 };

struct DialogItemRow {
    int32_t id;
    DialogItemKind kind;
    ADMRect bounds;
    const char* text;  // null: none
    int32_t field;     // byte offset of the record field, kNoField for none
    DialogValueKind value;
    double minimum;  // spin edits only
    double maximum;
    int32_t precision;  // decimal places shown
    int32_t page;       // 1 to 6, 0 on every page
    DialogProcedure procedure;
};

enum { kDialogItemCount = 147 };
extern const DialogItemRow kDialogItems[kDialogItemCount];

// The row of item id, or null.
const DialogItemRow* FindDialogItemRow(int32_t id);
// The item type name the host creates a kind with.
const char* DialogItemTypeName(DialogItemKind kind);

// Popup lists, in the order they are filled. Entry ids are the positions.
struct DialogPopupList {
    int32_t item;
    int32_t count;
    const char* const* texts;           // or, when null:
    const char* (*textAt)(int32_t id);  // the texts kept with their table elsewhere
};
enum { kDialogPopupCount = 5 };
extern const DialogPopupList kDialogPopups[kDialogPopupCount];
// Text of entry index of the list, or null.
const char* DialogPopupEntryText(const DialogPopupList* list, int32_t index);

struct DialogPage {
    int32_t page;
    const char* name;
    int32_t button;
    int32_t caption;
    int32_t firstValueItem;
};
enum { kDialogPageCount = 6 };
extern const DialogPage kDialogPages[kDialogPageCount];
// The page of number page; page 1 for a number outside 1 to 6.
const DialogPage* DialogPageOrFirst(int32_t page);
// The page whose button is button, or null.
const DialogPage* DialogPageOfButton(int32_t button);

#endif
