#include "plugin/suites/SuitePointers.h"

#include <cstdio>

const SPBlocksSuite* sSPBlocks = nullptr;
const SPAccessSuite* sSPAccess = nullptr;
const AIMdMemorySuite* sAIMdMemory = nullptr;
const AIRealMathSuite* sAIRealMath = nullptr;
const AIArtSuite* sAIArt = nullptr;
const AIUserSuite* sAIUser = nullptr;
const AIDocumentSuite* sAIDocument = nullptr;
const AIDocumentViewSuite* sAIDocumentView = nullptr;
const AIUndoSuite* sAIUndo = nullptr;
const AIPathSuite* sAIPath = nullptr;
const AIPathStyleSuite* sAIPathStyle = nullptr;
const AIRandomSuite* sAIRandom = nullptr;
const AITagSuite* sAITag = nullptr;
const AIBlendStyleSuite* sAIBlendStyle = nullptr;
const AIMatchingArtSuite* sAIMatchingArt = nullptr;
const AITransformArtSuite* sAITransformArt = nullptr;
const AISwatchListSuite* sAISwatchList = nullptr;
const AIArtStyleSuite* sAIArtStyle = nullptr;
const AILayerSuite* sAILayer = nullptr;
const SPPluginsSuite* sSPPlugins = nullptr;
const AIMenuSuite* sAIMenu = nullptr;
const AIFilterSuite* sAIFilter = nullptr;
const ADMBasicSuite* sADMBasic = nullptr;
const ADMDialogSuite* sADMDialog = nullptr;
const ADMItemSuite* sADMItem = nullptr;
const ADMIconSuite* sADMIcon = nullptr;
const ADMNotifierSuite* sADMNotifier = nullptr;
const ADMListSuite* sADMList = nullptr;
const ADMEntrySuite* sADMEntry = nullptr;
const ADMTrackerSuite* sADMTracker = nullptr;

int16_t gSuiteNesting = 0;

namespace {
template <class Suite>
const void** slot(const Suite** pointer)
{
    return reinterpret_cast<const void**>(pointer);
}
}  // namespace

// clang-format off
const SuiteTableEntry kSuiteTable[kSuiteCount] = {
    {kSPBlocksSuite, kSPBlocksSuiteVersion, slot(&sSPBlocks)},
    {kSPAccessSuite, kSPAccessSuiteVersion, slot(&sSPAccess)},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion, slot(&sAIMdMemory)},
    {kAIRealMathSuite, kAIRealMathSuiteVersion, slot(&sAIRealMath)},
    {kAIArtSuite, kAIArtSuiteVersion, slot(&sAIArt)},
    {kAIUserSuite, kAIUserSuiteVersion, slot(&sAIUser)},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, slot(&sAIDocument)},
    {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, slot(&sAIDocumentView)},
    {kAIUndoSuite, kAIUndoSuiteVersion, slot(&sAIUndo)},
    {kAIPathSuite, kAIPathSuiteVersion, slot(&sAIPath)},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion, slot(&sAIPathStyle)},
    {kAIRandomSuite, kAIRandomSuiteVersion, slot(&sAIRandom)},
    {kAITagSuite, kAITagSuiteVersion, slot(&sAITag)},
    {kAIBlendStyleSuite, kAIBlendStyleSuiteVersion, slot(&sAIBlendStyle)},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, slot(&sAIMatchingArt)},
    {kAITransformArtSuite, kAITransformArtSuiteVersion, slot(&sAITransformArt)},
    {kAISwatchListSuite, kAISwatchListSuiteVersion, slot(&sAISwatchList)},
    {kAIArtStyleSuite, kAIArtStyleSuiteVersion, slot(&sAIArtStyle)},
    {kAILayerSuite, kAILayerSuiteVersion, slot(&sAILayer)},
    {kSPPluginsSuite, kSPPluginsSuiteVersion, slot(&sSPPlugins)},
    {kAIMenuSuite, kAIMenuSuiteVersion, slot(&sAIMenu)},
    {kAIFilterSuite, kAIFilterSuiteVersion, slot(&sAIFilter)},
    {kADMBasicSuite, kADMBasicSuiteVersion, slot(&sADMBasic)},
    {kADMDialogSuite, kADMDialogSuiteVersion, slot(&sADMDialog)},
    {kADMItemSuite, kADMItemSuiteVersion, slot(&sADMItem)},
    {kADMIconSuite, kADMIconSuiteVersion, slot(&sADMIcon)},
    {kADMNotifierSuite, kADMNotifierSuiteVersion, slot(&sADMNotifier)},
    {kADMListSuite, kADMListSuiteVersion, slot(&sADMList)},
    {kADMEntrySuite, kADMEntrySuiteVersion, slot(&sADMEntry)},
    {kADMTrackerSuite, kADMTrackerSuiteVersion, slot(&sADMTracker)},
};
// clang-format on

AIErr AcquireSuites(const SPBasicSuite* basic)
{
    AIErr result = kNoErr;
    if (gSuiteNesting == 0) {
        for (const SuiteTableEntry& entry : kSuiteTable) {
            AIErr err = basic->AcquireSuite(entry.name, entry.version, entry.pointer);
            if (!err) continue;
            *entry.pointer = nullptr;
            if (!result) result = err;
            if (sADMBasic) {
                char message[256];
                std::snprintf(message, sizeof message, "Suite Loading Error: %d, suite: %s, version: %d!",
                              static_cast<int>(err), entry.name, static_cast<int>(entry.version));
                sADMBasic->MessageAlert(message);
                break;
            }
        }
    }
    ++gSuiteNesting;
    return result;
}

AIErr ReleaseSuites(const SPBasicSuite* basic)
{
    AIErr result = kNoErr;
    if (gSuiteNesting == 1) {
        for (const SuiteTableEntry& entry : kSuiteTable) {
            if (!*entry.pointer) continue;
            result = basic->ReleaseSuite(entry.name, entry.version);
            if (result) break;
            *entry.pointer = nullptr;
        }
    }
    --gSuiteNesting;
    return result;
}
