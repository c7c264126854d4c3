// The plug-in's suite pointers: process-wide, null while not held, refilled
// by the host glue at the start of every host message.
#ifndef FOCARA_HOST_SUITEPOINTERS_H
#define FOCARA_HOST_SUITEPOINTERS_H

#include "sdk/AIArt.h"
#include "sdk/AIDocument.h"
#include "sdk/AIMath.h"
#include "sdk/SPBasic.h"

extern const SPBasicSuite* sSPBasic;
extern const SPBlocksSuite* sSPBlocks;
extern const AIMdMemorySuite* sAIMdMemory;
extern const AIRealMathSuite* sAIRealMath;
extern const AIArtSuite* sAIArt;
extern const AIUserSuite* sAIUser;
extern const AIDocumentSuite* sAIDocument;
extern const AIDocumentViewSuite* sAIDocumentView;
extern const AIUndoSuite* sAIUndo;
extern const AIPathSuite* sAIPath;
extern const AIPathStyleSuite* sAIPathStyle;
extern const AIRandomSuite* sAIRandom;
extern const AIBlendStyleSuite* sAIBlendStyle;
extern const AITransformArtSuite* sAITransformArt;
extern const AISwatchListSuite* sAISwatchList;
extern const AIArtStyleSuite* sAIArtStyle;
extern const AILayerSuite* sAILayer;

// Fills the pointers above from the basic suite, stopping at the first failure.
AIErr AcquireSuitePointers(const SPBasicSuite* basic);
// Gives every held suite back and nulls its pointer.
void ReleaseSuitePointers();

#endif
