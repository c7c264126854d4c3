// The plug-in's suite table and suite pointers: process-wide, null while not
// held, filled at the outermost acquisition of every host message.
#ifndef FOCARA_HOST_SUITEPOINTERS_H
#define FOCARA_HOST_SUITEPOINTERS_H

#include "sdk/ADM.h"
#include "sdk/AIArt.h"
#include "sdk/AIDocument.h"
#include "sdk/AIFilter.h"
#include "sdk/AIMath.h"
#include "sdk/SPBasic.h"

extern const SPBlocksSuite* sSPBlocks;
extern const SPAccessSuite* sSPAccess;
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
extern const AITagSuite* sAITag;
extern const AIBlendStyleSuite* sAIBlendStyle;
extern const AIMatchingArtSuite* sAIMatchingArt;
extern const AITransformArtSuite* sAITransformArt;
extern const AISwatchListSuite* sAISwatchList;
extern const AIArtStyleSuite* sAIArtStyle;
extern const AILayerSuite* sAILayer;
extern const SPPluginsSuite* sSPPlugins;
extern const AIMenuSuite* sAIMenu;
extern const AIFilterSuite* sAIFilter;
extern const ADMBasicSuite* sADMBasic;
extern const ADMDialogSuite* sADMDialog;
extern const ADMItemSuite* sADMItem;
extern const ADMIconSuite* sADMIcon;
extern const ADMNotifierSuite* sADMNotifier;
extern const ADMListSuite* sADMList;
extern const ADMEntrySuite* sADMEntry;
extern const ADMTrackerSuite* sADMTracker;

struct SuiteTableEntry {
    const char* name;
    int32_t version;
    const void** pointer;
};

enum { kSuiteCount = 30 };
// Acquisition and release walk this table in order.
extern const SuiteTableEntry kSuiteTable[kSuiteCount];

// How many host calls are inside an acquisition; only the outermost acquires and releases.
extern int16_t gSuiteNesting;

// Acquires every suite of the table when the nesting count is 0, then counts
// this call in. A failure once the ADM Basic Suite is held shows the suite
// loading alert and stops the walk; an earlier failure is silent and the walk
// goes on. Returns the first failure's code, else 0.
AIErr AcquireSuites(const SPBasicSuite* basic);
// Releases every held suite when this is the outermost call; a failed release
// stops the walk and keeps the rest held. Always counts this call out.
AIErr ReleaseSuites(const SPBasicSuite* basic);

#endif
