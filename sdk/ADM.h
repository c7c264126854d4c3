/* The dialog manager: modal dialogs built from resource templates and items
   created at run time, with notification and tracking procedures. */
#ifndef FOCARA_SDK_ADM_H
#define FOCARA_SDK_ADM_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _t_ADMDialog* ADMDialogRef;
typedef struct _t_ADMItem* ADMItemRef;
typedef struct _t_ADMList* ADMListRef;
typedef struct _t_ADMEntry* ADMEntryRef;
typedef struct _t_ADMNotifier* ADMNotifierRef;
typedef struct _t_ADMTracker* ADMTrackerRef;
typedef void* ADMUserData;

typedef struct ADMRect { /* pixels, relative to the dialog's client area */
    int32_t left, top, right, bottom;
} ADMRect;

/* Runs once when a modal dialog opens, before it is shown. */
typedef ASErr (*ADMDialogInitProc)(ADMDialogRef dialog);
typedef ASErr (*ADMItemInitProc)(ADMItemRef item);
/* Runs when the user changes the item, or when a notification is sent to it. */
typedef void (*ADMItemNotifyProc)(ADMItemRef item, ADMNotifierRef notifier);
/* Runs for every mouse event routed to the item; true lets the host go on. */
typedef AIBoolean (*ADMItemTrackProc)(ADMItemRef item, ADMTrackerRef tracker);

/* Item types. */
#define kADMSpinEditType "ADM Spin Edit Type"
#define kADMTextStaticType "ADM Text Static Type"
#define kADMPopupListType "ADM Popup List Type"
#define kADMTextPushButtonType "ADM Text Push Button Type"
#define kADMTextCheckBoxType "ADM Text Check Box Type"
#define kADMPicturePushButtonType "ADM Picture Push Button Type"

#define kADMUserChangedNotifier "ADM User Changed Notifier"

enum { kADMDefaultFont = 0, kADMBoldDialogFont = 5 };
enum { kADMNoUnits = 0 };
/* Modifier flag of a mouse event that picks a point on the document. */
enum { kADMPickModifier = 0x20 };
/* Modal results: the default item accepts, the cancel item cancels;
   kADMModalFailed says the dialog could not be opened. */
enum { kADMDefaultItemID = 1, kADMCancelItemID = 2, kADMModalFailed = -1 };

#define kADMBasicSuite "ADM Basic Suite"
#define kADMBasicSuiteVersion 2
typedef struct ADMBasicSuite {
    /* String index of string list listID (resource listID + index) as zero-terminated text,
       cut to bufferSize - 1 bytes; an empty string when there is none. kBadParameterErr. */
    ASErr (*GetIndexString)(SPPluginRef plugin, int32_t listID, int32_t index, char* buffer, int32_t bufferSize);
    /* Shows a message in an alert with an OK button. */
    void (*MessageAlert)(const char* message);
} ADMBasicSuite;

#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion 3
typedef struct ADMDialogSuite {
    /* Builds the dialog from template dialogID of the plug-in, runs initProc, then runs it modally.
       Returns the id of the item that ended it, or -1 when it could not be opened. */
    int32_t (*Modal)(SPPluginRef plugin, const char* name, int32_t dialogID, int32_t style, ADMDialogInitProc initProc,
                     ADMUserData data, int32_t options);
    ADMUserData (*GetUserData)(ADMDialogRef dialog);
    /* The item with that id, or null. */
    ADMItemRef (*GetItem)(ADMDialogRef dialog, int32_t itemID);
    /* A new item of type itemType at bounds; null when the id is taken or the type unknown. */
    ADMItemRef (*CreateItem)(ADMDialogRef dialog, int32_t itemID, const char* itemType, const ADMRect* bounds,
                             ADMItemInitProc initProc, ADMUserData data, int32_t options);
    void (*Size)(ADMDialogRef dialog, int32_t width, int32_t height);
    void (*SetBoundsRect)(ADMDialogRef dialog, const ADMRect* bounds);
    void (*GetBoundsRect)(ADMDialogRef dialog, ADMRect* bounds);
    void (*SetMask)(ADMDialogRef dialog, int32_t mask);
    /* Ends the modal loop with modalResultID. */
    void (*EndModal)(ADMDialogRef dialog, int32_t modalResultID, AIBoolean cancelling);
} ADMDialogSuite;

#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion 4
typedef struct ADMItemSuite {
    ADMDialogRef (*GetDialog)(ADMItemRef item);
    int32_t (*GetID)(ADMItemRef item);
    void (*SetText)(ADMItemRef item, const char* text);
    /* Zero-terminated, cut to maxLength - 1 bytes. */
    void (*GetText)(ADMItemRef item, char* text, int32_t maxLength);
    void (*SetFont)(ADMItemRef item, int32_t font);
    int32_t (*GetFont)(ADMItemRef item);
    void (*Show)(ADMItemRef item, AIBoolean show);
    AIBoolean (*IsVisible)(ADMItemRef item);
    void (*Enable)(ADMItemRef item, AIBoolean enable);
    AIBoolean (*IsEnabled)(ADMItemRef item);
    /* Values set from the program are clamped into the item's range. */
    void (*SetIntValue)(ADMItemRef item, int32_t value);
    int32_t (*GetIntValue)(ADMItemRef item);
    void (*SetFloatValue)(ADMItemRef item, AIReal value);
    AIReal (*GetFloatValue)(ADMItemRef item);
    void (*SetBooleanValue)(ADMItemRef item, AIBoolean value);
    AIBoolean (*GetBooleanValue)(ADMItemRef item);
    void (*SetMinIntValue)(ADMItemRef item, int32_t value);
    void (*SetMaxIntValue)(ADMItemRef item, int32_t value);
    void (*SetMinFloatValue)(ADMItemRef item, AIReal value);
    void (*SetMaxFloatValue)(ADMItemRef item, AIReal value);
    /* Decimal places shown; 0 makes an integer box. */
    void (*SetPrecision)(ADMItemRef item, int32_t places);
    void (*SetUnits)(ADMItemRef item, int32_t units);
    void (*SetNotifyProc)(ADMItemRef item, ADMItemNotifyProc proc);
    void (*SetTrackProc)(ADMItemRef item, ADMItemTrackProc proc);
    /* The host's own handling of a change: the item takes the user's value; an
       ending push button ends the modal dialog. */
    void (*DefaultNotify)(ADMItemRef item, ADMNotifierRef notifier);
    AIBoolean (*DefaultTrack)(ADMItemRef item, ADMTrackerRef tracker);
    /* Runs the item's notification procedure with a notifier of that type, to its end. */
    void (*SendNotify)(ADMItemRef item, const char* notifierType);
    /* The entry list of a popup, or null. */
    ADMListRef (*GetList)(ADMItemRef item);
} ADMItemSuite;

#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion 1
typedef struct ADMListSuite {
    /* A new entry at index (0-based), or null. */
    ADMEntryRef (*InsertEntry)(ADMListRef list, int32_t index);
    ADMEntryRef (*GetActiveEntry)(ADMListRef list);
    ADMEntryRef (*IndexEntry)(ADMListRef list, int32_t index);
    int32_t (*NumberOfEntries)(ADMListRef list);
} ADMListSuite;

#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion 2
typedef struct ADMEntrySuite {
    void (*SetText)(ADMEntryRef entry, const char* text);
    void (*GetText)(ADMEntryRef entry, char* text, int32_t maxLength);
    void (*SetID)(ADMEntryRef entry, int32_t id);
    int32_t (*GetID)(ADMEntryRef entry);
    /* Selecting an entry makes it the list's active entry. */
    void (*Select)(ADMEntryRef entry, AIBoolean select);
} ADMEntrySuite;

#define kADMTrackerSuite "ADM Tracker Suite"
#define kADMTrackerSuiteVersion 1
typedef struct ADMTrackerSuite {
    /* Of the current mouse event when tracker is null. */
    int32_t (*GetModifiers)(ADMTrackerRef tracker);
    void (*GetPoint)(ADMTrackerRef tracker, AIPoint* point);
} ADMTrackerSuite;

#define kADMNotifierSuite "ADM Notifier Suite"
#define kADMNotifierSuiteVersion 1
typedef struct ADMNotifierSuite {
    AIBoolean (*IsNotifierType)(ADMNotifierRef notifier, const char* type);
} ADMNotifierSuite;

/* Acquired by the plug-in with the others but never called. */
#define kADMIconSuite "ADM Icon Suite"
#define kADMIconSuiteVersion 1
typedef struct ADMIconSuite {
    void* reserved;
} ADMIconSuite;

#ifdef __cplusplus
}
#endif

#endif
