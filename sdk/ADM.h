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
typedef ASErr(SPAPI* ADMDialogInitProc)(ADMDialogRef dialog);
typedef ASErr(SPAPI* ADMItemInitProc)(ADMItemRef item);
/* Runs when the user changes the item, or when a notification is sent to it. */
typedef void(SPAPI* ADMItemNotifyProc)(ADMItemRef item, ADMNotifierRef notifier);
/* Runs for every mouse event routed to the item; true lets the host go on. */
typedef AIBoolean(SPAPI* ADMItemTrackProc)(ADMItemRef item, ADMTrackerRef tracker);

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
    ASErr(SPAPI* GetIndexString)(SPPluginRef plugin, int32_t listID, int32_t index, char* buffer, int32_t bufferSize);
    /* Shows a message in an alert with an OK button. */
    void(SPAPI* MessageAlert)(const char* message);
} ADMBasicSuite;

#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion 3
typedef struct ADMDialogSuite {
    /* Builds the dialog from template dialogID of the plug-in, runs initProc, then runs it modally.
       Returns the id of the item that ended it, or -1 when it could not be opened. */
    int32_t(SPAPI* Modal)(SPPluginRef plugin, const char* name, int32_t dialogID, int32_t style,
                          ADMDialogInitProc initProc, ADMUserData data, int32_t options);
    ADMUserData(SPAPI* GetUserData)(ADMDialogRef dialog);
    /* The item with that id, or null. */
    ADMItemRef(SPAPI* GetItem)(ADMDialogRef dialog, int32_t itemID);
    /* A new item of type itemType at bounds; null when the id is taken or the type unknown. */
    ADMItemRef(SPAPI* CreateItem)(ADMDialogRef dialog, int32_t itemID, const char* itemType, const ADMRect* bounds,
                                  ADMItemInitProc initProc, ADMUserData data, int32_t options);
    void(SPAPI* Size)(ADMDialogRef dialog, int32_t width, int32_t height);
    void(SPAPI* SetBoundsRect)(ADMDialogRef dialog, const ADMRect* bounds);
    void(SPAPI* GetBoundsRect)(ADMDialogRef dialog, ADMRect* bounds);
    void(SPAPI* SetMask)(ADMDialogRef dialog, int32_t mask);
    /* Ends the modal loop with modalResultID. */
    void(SPAPI* EndModal)(ADMDialogRef dialog, int32_t modalResultID, AIBoolean cancelling);
} ADMDialogSuite;

#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion 4
typedef struct ADMItemSuite {
    ADMDialogRef(SPAPI* GetDialog)(ADMItemRef item);
    int32_t(SPAPI* GetID)(ADMItemRef item);
    void(SPAPI* SetText)(ADMItemRef item, const char* text);
    /* Zero-terminated, cut to maxLength - 1 bytes. */
    void(SPAPI* GetText)(ADMItemRef item, char* text, int32_t maxLength);
    void(SPAPI* SetFont)(ADMItemRef item, int32_t font);
    int32_t(SPAPI* GetFont)(ADMItemRef item);
    void(SPAPI* Show)(ADMItemRef item, AIBoolean show);
    AIBoolean(SPAPI* IsVisible)(ADMItemRef item);
    void(SPAPI* Enable)(ADMItemRef item, AIBoolean enable);
    AIBoolean(SPAPI* IsEnabled)(ADMItemRef item);
    /* Values set from the program are clamped into the item's range. */
    void(SPAPI* SetIntValue)(ADMItemRef item, int32_t value);
    int32_t(SPAPI* GetIntValue)(ADMItemRef item);
    void(SPAPI* SetFloatValue)(ADMItemRef item, AIReal value);
    AIReal(SPAPI* GetFloatValue)(ADMItemRef item);
    void(SPAPI* SetBooleanValue)(ADMItemRef item, AIBoolean value);
    AIBoolean(SPAPI* GetBooleanValue)(ADMItemRef item);
    void(SPAPI* SetMinIntValue)(ADMItemRef item, int32_t value);
    void(SPAPI* SetMaxIntValue)(ADMItemRef item, int32_t value);
    void(SPAPI* SetMinFloatValue)(ADMItemRef item, AIReal value);
    void(SPAPI* SetMaxFloatValue)(ADMItemRef item, AIReal value);
    /* Decimal places shown; 0 makes an integer box. */
    void(SPAPI* SetPrecision)(ADMItemRef item, int32_t places);
    void(SPAPI* SetUnits)(ADMItemRef item, int32_t units);
    void(SPAPI* SetNotifyProc)(ADMItemRef item, ADMItemNotifyProc proc);
    void(SPAPI* SetTrackProc)(ADMItemRef item, ADMItemTrackProc proc);
    /* The host's own handling of a change: the item takes the user's value; an
       ending push button ends the modal dialog. */
    void(SPAPI* DefaultNotify)(ADMItemRef item, ADMNotifierRef notifier);
    AIBoolean(SPAPI* DefaultTrack)(ADMItemRef item, ADMTrackerRef tracker);
    /* Runs the item's notification procedure with a notifier of that type, to its end. */
    void(SPAPI* SendNotify)(ADMItemRef item, const char* notifierType);
    /* The entry list of a popup, or null. */
    ADMListRef(SPAPI* GetList)(ADMItemRef item);
} ADMItemSuite;

#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion 1
typedef struct ADMListSuite {
    /* A new entry at index (0-based), or null. */
    ADMEntryRef(SPAPI* InsertEntry)(ADMListRef list, int32_t index);
    ADMEntryRef(SPAPI* GetActiveEntry)(ADMListRef list);
    ADMEntryRef(SPAPI* IndexEntry)(ADMListRef list, int32_t index);
    int32_t(SPAPI* NumberOfEntries)(ADMListRef list);
} ADMListSuite;

#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion 2
typedef struct ADMEntrySuite {
    void(SPAPI* SetText)(ADMEntryRef entry, const char* text);
    void(SPAPI* GetText)(ADMEntryRef entry, char* text, int32_t maxLength);
    void(SPAPI* SetID)(ADMEntryRef entry, int32_t id);
    int32_t(SPAPI* GetID)(ADMEntryRef entry);
    /* Selecting an entry makes it the list's active entry. */
    void(SPAPI* Select)(ADMEntryRef entry, AIBoolean select);
} ADMEntrySuite;

#define kADMTrackerSuite "ADM Tracker Suite"
#define kADMTrackerSuiteVersion 1
typedef struct ADMTrackerSuite {
    /* Of the current mouse event when tracker is null. */
    int32_t(SPAPI* GetModifiers)(ADMTrackerRef tracker);
    void(SPAPI* GetPoint)(ADMTrackerRef tracker, AIPoint* point);
} ADMTrackerSuite;

#define kADMNotifierSuite "ADM Notifier Suite"
#define kADMNotifierSuiteVersion 1
typedef struct ADMNotifierSuite {
    AIBoolean(SPAPI* IsNotifierType)(ADMNotifierRef notifier, const char* type);
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
