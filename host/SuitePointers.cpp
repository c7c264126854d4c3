#include "host/SuitePointers.h"

const SPBasicSuite* sSPBasic = nullptr;
const SPBlocksSuite* sSPBlocks = nullptr;
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
const AIBlendStyleSuite* sAIBlendStyle = nullptr;
const AITransformArtSuite* sAITransformArt = nullptr;
const AISwatchListSuite* sAISwatchList = nullptr;
const AIArtStyleSuite* sAIArtStyle = nullptr;
const AILayerSuite* sAILayer = nullptr;

namespace {

struct SuitePointer {
    const char* name;
    int32_t version;
    const void** pointer;
};

template <class Suite>
const void** slot(const Suite** pointer)
{
    return reinterpret_cast<const void**>(pointer);
}

const SuitePointer kSuitePointers[] = {
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
    {kAIBlendStyleSuite, kAIBlendStyleSuiteVersion, slot(&sAIBlendStyle)},
    {kAITransformArtSuite, kAITransformArtSuiteVersion, slot(&sAITransformArt)},
    {kAISwatchListSuite, kAISwatchListSuiteVersion, slot(&sAISwatchList)},
    {kAIArtStyleSuite, kAIArtStyleSuiteVersion, slot(&sAIArtStyle)},
    {kAILayerSuite, kAILayerSuiteVersion, slot(&sAILayer)},
};

}  // namespace

AIErr AcquireSuitePointers(const SPBasicSuite* basic)
{
    sSPBasic = basic;
    for (const SuitePointer& s : kSuitePointers) {
        AIErr err = basic->AcquireSuite(s.name, s.version, s.pointer);
        if (err) return err;
    }
    return kNoErr;
}

void ReleaseSuitePointers()
{
    for (const SuitePointer& s : kSuitePointers) {
        if (!*s.pointer) continue;
        sSPBasic->ReleaseSuite(s.name, s.version);  // nothing to do about a failed release here
        *s.pointer = nullptr;
    }
}
