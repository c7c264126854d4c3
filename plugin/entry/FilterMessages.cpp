// "AI Get Parameters" (the dialog) and "AI Go" (the final run).
#include <cstring>

#include "plugin/entry/Globals.h"
#include "plugin/entry/Handlers.h"
#include "plugin/entry/ParameterDialog.h"
#include "plugin/generator/Generator.h"
#include "plugin/params/ParamRecord.h"
#include "plugin/suites/SuitePointers.h"

namespace {

// Reported when the dialog could not be opened: the toolkit gives no code of its own.
constexpr SPErr kDialogFailedErr = kBadParameterErr;

// The record inside the message's parameters handle.
FocaraParams* LockedRecord(AIMdMemoryHandle handle)
{
    void* block = nullptr;
    if (sAIMdMemory->MdMemoryLockHandle(handle, &block)) return nullptr;
    return static_cast<FocaraParams*>(block);
}

}  // namespace

SPErr GetFilterParameters(SPMessageData* message)
{
    AIFilterMessage* filterMessage = reinterpret_cast<AIFilterMessage*>(message);
    // Without globals no filter was registered, so the message cannot be ours.
    if (!gGlobals || filterMessage->filter != gGlobals->filter) return kNoErr;

    bool created = false;
    if (!filterMessage->parameters) {
        SPErr err = sAIMdMemory->MdMemoryNewHandle(sizeof(FocaraParams), &filterMessage->parameters);
        if (err) return err;
        if (!filterMessage->parameters) return kOutOfMemoryErr;
        created = true;
    }
    FocaraParams* record = LockedRecord(filterMessage->parameters);
    if (!record) return kOutOfMemoryErr;
    if (created) {
        SPErr err = WriteParamDefaults(record);
        if (err) return err;
    }

    FocaraParams saved;
    std::memcpy(&saved, record, sizeof saved);
    int32_t result = RunParameterDialog(message->self, record);
    if (result == kADMDefaultItemID) return kNoErr;

    // Cancel: the previews go, the record is as it was before the dialog.
    SPErr err = sAIUndo->UndoChanges();
    if (err) return err;
    std::memcpy(record, &saved, sizeof saved);
    record->previewDrawn = 0;
    // A dialog that could not open is a failure to report, not the user's cancel.
    return result == kADMModalFailed ? kDialogFailedErr : kCanceledErr;
}

SPErr GoFilter(SPMessageData* message)
{
    AIFilterMessage* filterMessage = reinterpret_cast<AIFilterMessage*>(message);
    if (!filterMessage->parameters) return kNoErr;
    FocaraParams* record = LockedRecord(filterMessage->parameters);
    if (!record) return kNoErr;
    record->finalRun = 1;
    GenerateFocusLines(record);  // a drawing error ends the run without an error dialog
    return kNoErr;
}
