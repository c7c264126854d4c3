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
