#include "studio/suites/SuiteRegistry.h"

#include <cstring>

#include "sdk/AIArt.h"
#include "sdk/AIDocument.h"
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

namespace {

struct SuiteEntry {
    const char* name;
    int32_t version;
    const void* table;
};

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
};

}  // namespace

const void* findSuite(const char* name, int32_t version)
{
    for (const SuiteEntry& s : kSuites)
        if (s.version == version && std::strcmp(s.name, name) == 0) return s.table;
    return nullptr;
}

}  // namespace studio
