// Start-up, unload and reload, shutdown, the About box and the menu messages.
#include <cstring>

#include "plugin/entry/Globals.h"
#include "plugin/entry/Handlers.h"
#include "plugin/suites/PString.h"
#include "plugin/suites/SuitePointers.h"

PluginGlobals* gGlobals = nullptr;

namespace {

enum { kFilterStringList = 16000, kAboutDialogID = 16050 };
enum { kCategoryBufferSize = 65 };
const char kFilterName[] = "Vexo_Zoom";

void UnloadHook() {}
void ReloadHook() {}
void ShutdownHook() {}

// Registers the one filter whose category and title come from string list 16000.
SPErr RegisterFilter(SPMessageData* message)
{
    // The list holds (category, title) pairs from index 1; there is one pair.
    for (int32_t index = 1; index < 2; index += 2) {
        char category[kCategoryBufferSize] = {0};
        char title[kCategoryBufferSize] = {0};
        SPErr err = sADMBasic->GetIndexString(message->self, kFilterStringList, index, category, kCategoryBufferSize);
        if (err) return err;
        if (category[0] == '\0') {
            gGlobals->filterCount = 0;
            return kNoErr;
        }
        err = sADMBasic->GetIndexString(message->self, kFilterStringList, index + 1, title, kCategoryBufferSize);
        if (err) return err;
        CStringToPString(category);  // 64 characters at most: always fits
        CStringToPString(title);

        PlatformAddFilterData data = {reinterpret_cast<const unsigned char*>(category),
                                      reinterpret_cast<const unsigned char*>(title)};
        err = sAIFilter->AddFilter(message->self, kFilterName, &data, 0, &gGlobals->filter);
        if (err) return err;
        AIMenuItemHandle menuItem = nullptr;
        err = sAIFilter->GetFilterMenuItem(gGlobals->filter, &menuItem);
        if (err) return err;
        err = sAIMenu->UpdateMenuItemAutomatically(menuItem, kAutoEnableMenuItemAction, 0, 0, 0, 0, 1, 0);
        if (err) return err;
        gGlobals->filterCount = 1;
    }
    return kNoErr;
}

void CloseOnDefault(ADMItemRef item, ADMNotifierRef notifier) { sADMItem->DefaultNotify(item, notifier); }

ASErr InitAboutDialog(ADMDialogRef dialog)
{
    sADMItem->SetNotifyProc(sADMDialog->GetItem(dialog, kADMDefaultItemID), CloseOnDefault);
    return kNoErr;
}

}  // namespace

SPErr Unload(SPMessageData* message)
{
    if (message->globals) UnloadHook();
    message->globals = gGlobals;
    return kNoErr;
}

SPErr Reload(SPMessageData* message)
{
    if (message->globals) ReloadHook();
    gGlobals = static_cast<PluginGlobals*>(message->globals);
    gSuiteNesting = 0;
    return kNoErr;
}

SPErr Startup(SPMessageData* message)
{
    void* block = nullptr;
    SPErr err = sSPBlocks->AllocateBlock(kGlobalsBlockSize, "globals", &block);
    if (err) return err;
    std::memset(block, 0, kGlobalsBlockSize);
    gGlobals = static_cast<PluginGlobals*>(block);
    gGlobals->basic = message->basic;
    return RegisterFilter(message);
}

SPErr About(SPMessageData* message)
{
    // The About box's result does not matter.
    sADMDialog->Modal(message->self, "About Dialog", kAboutDialogID, 0, InitAboutDialog, nullptr, 0);
    return kNoErr;
}

SPErr Shutdown(SPMessageData* message)
{
    ShutdownHook();
    const void* blocks = nullptr;
    SPErr err = message->basic->AcquireSuite(kSPBlocksSuite, kSPBlocksSuiteVersion, &blocks);
    if (!err) {
        sSPBlocks = static_cast<const SPBlocksSuite*>(blocks);
        if (gGlobals) sSPBlocks->FreeBlock(gGlobals);  // nothing to do about a failed free at shutdown
        gGlobals = nullptr;
        message->basic->ReleaseSuite(kSPBlocksSuite, kSPBlocksSuiteVersion);
    }
    message->globals = nullptr;
    return err;
}

SPErr GoMenuItem(SPMessageData*) { return kSelectorNotValidErr; }

SPErr UpdateMenuItem(SPMessageData*) { return kNoErr; }
