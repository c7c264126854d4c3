#include "studio/suites/SuiteRegistry.h"

#include <cstring>

#include "sdk/ADM.h"
#include "sdk/AIArt.h"
#include "sdk/AIDocument.h"
#include "sdk/AIFilter.h"
#include "sdk/AIMath.h"
#include "sdk/SPBasic.h"

namespace studio {

extern const AIRealMathSuite kRealMathSuite;
extern const AIRandomSuite kRandomSuite;
extern const AIUserSuite kUserSuite;
extern const AIArtSuite kArtSuite;
extern const AIPathSuite kPathSuite;
extern const AIPathStyleSuite kPathStyleSuite;
extern const AIBlendStyleSuite kBlendStyleSuite;
extern const AITransformArtSuite kTransformArtSuite;
extern const AIDocumentSuite kDocumentSuite;
extern const AIDocumentViewSuite kDocumentViewSuite;
extern const AIUndoSuite kUndoSuite;
extern const AILayerSuite kLayerSuite;
extern const AISwatchListSuite kSwatchListSuite;
extern const AIArtStyleSuite kArtStyleSuite;
extern const AIMdMemorySuite kMdMemorySuite;
extern const SPBlocksSuite kBlocksSuite;
extern const AIFilterSuite kFilterSuite;
extern const AIMenuSuite kMenuSuite;
extern const SPAccessSuite kAccessSuite;
extern const SPPluginsSuite kPluginsSuite;
extern const AITagSuite kTagSuite;
extern const AIMatchingArtSuite kMatchingArtSuite;
extern const ADMBasicSuite kAdmBasicSuite;
extern const ADMDialogSuite kAdmDialogSuite;
extern const ADMItemSuite kAdmItemSuite;
extern const ADMListSuite kAdmListSuite;
extern const ADMEntrySuite kAdmEntrySuite;
extern const ADMTrackerSuite kAdmTrackerSuite;
extern const ADMNotifierSuite kAdmNotifierSuite;
extern const ADMIconSuite kAdmIconSuite;

namespace {

struct SuiteEntry {
    const char* name;
    int32_t version;
    const void* table;
};

// clang-format off
const SuiteEntry kSuites[] = {
    {kAIRealMathSuite, kAIRealMathSuiteVersion, &kRealMathSuite},
    {kAIRandomSuite, kAIRandomSuiteVersion, &kRandomSuite},
    {kAIUserSuite, kAIUserSuiteVersion, &kUserSuite},
    {kAIArtSuite, kAIArtSuiteVersion, &kArtSuite},
    {kAIPathSuite, kAIPathSuiteVersion, &kPathSuite},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion, &kPathStyleSuite},
    {kAIBlendStyleSuite, kAIBlendStyleSuiteVersion, &kBlendStyleSuite},
    {kAITransformArtSuite, kAITransformArtSuiteVersion, &kTransformArtSuite},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, &kDocumentSuite},
    {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &kDocumentViewSuite},
    {kAIUndoSuite, kAIUndoSuiteVersion, &kUndoSuite},
    {kAILayerSuite, kAILayerSuiteVersion, &kLayerSuite},
    {kAISwatchListSuite, kAISwatchListSuiteVersion, &kSwatchListSuite},
    {kAIArtStyleSuite, kAIArtStyleSuiteVersion, &kArtStyleSuite},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion, &kMdMemorySuite},
    {kSPBlocksSuite, kSPBlocksSuiteVersion, &kBlocksSuite},
    {kSPAccessSuite, kSPAccessSuiteVersion, &kAccessSuite},
    {kSPPluginsSuite, kSPPluginsSuiteVersion, &kPluginsSuite},
    {kAITagSuite, kAITagSuiteVersion, &kTagSuite},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &kMatchingArtSuite},
    {kAIFilterSuite, kAIFilterSuiteVersion, &kFilterSuite},
    {kAIMenuSuite, kAIMenuSuiteVersion, &kMenuSuite},
    {kADMBasicSuite, kADMBasicSuiteVersion, &kAdmBasicSuite},
    {kADMDialogSuite, kADMDialogSuiteVersion, &kAdmDialogSuite},
    {kADMItemSuite, kADMItemSuiteVersion, &kAdmItemSuite},
    {kADMIconSuite, kADMIconSuiteVersion, &kAdmIconSuite},
    {kADMNotifierSuite, kADMNotifierSuiteVersion, &kAdmNotifierSuite},
    {kADMListSuite, kADMListSuiteVersion, &kAdmListSuite},
    {kADMEntrySuite, kADMEntrySuiteVersion, &kAdmEntrySuite},
    {kADMTrackerSuite, kADMTrackerSuiteVersion, &kAdmTrackerSuite},
};
// clang-format on

}  // namespace

const void* findSuite(const char* name, int32_t version)
{
    for (const SuiteEntry& s : kSuites)
        if (s.version == version && std::strcmp(s.name, name) == 0) return s.table;
    return nullptr;
}

}  // namespace studio
