/* Document services: setup, views, undo, layers, swatches, graphic styles. */
#ifndef FOCARA_SDK_AIDOCUMENT_H
#define FOCARA_SDK_AIDOCUMENT_H

#include "AIArt.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { kDocGrayColor = 0, kDocRGBColor = 1, kDocCMYKColor = 2 };

typedef struct AIDocumentSetup {
    AIReal width;  /* page width, points */
    AIReal height; /* page height, points */
} AIDocumentSetup;

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion 7
typedef struct AIDocumentSuite {
    AIErr(SPAPI* GetDocumentSetup)(AIDocumentSetup* setup);
    /* kDocGrayColor, kDocRGBColor or kDocCMYKColor. */
    AIErr(SPAPI* GetDocumentColorModel)(int16_t* model);
    AIErr(SPAPI* RedrawDocument)(void);
    /* The current document. kNoDocumentErr when none is open. */
    AIErr(SPAPI* GetDocument)(AIDocumentHandle* document);
} AIDocumentSuite;

#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion 7
typedef struct AIDocumentViewSuite {
    /* View n of the current document; only view 0 exists. kBadParameterErr. */
    AIErr(SPAPI* GetNthDocumentView)(int32_t n, AIDocumentViewHandle* view);
    /* The view's centre in artwork coordinates. */
    AIErr(SPAPI* GetDocumentViewCenter)(AIDocumentViewHandle view, AIRealPoint* center);
    AIErr(SPAPI* GetDocumentViewZoom)(AIDocumentViewHandle view, AIReal* zoom);
    /* kBadParameterErr for a zoom that is not positive and finite. */
    AIErr(SPAPI* SetDocumentViewZoom)(AIDocumentViewHandle view, AIReal zoom);
    /* A point of the view's window (pixels, y down) to artwork coordinates. */
    AIErr(SPAPI* ViewPointToArtworkPoint)(AIDocumentViewHandle view, const AIPoint* viewPoint,
                                          AIRealPoint* artworkPoint);
} AIDocumentViewSuite;

#define kAIUndoSuite "AI Undo Suite"
#define kAIUndoSuiteVersion 4
typedef struct AIUndoSuite {
    /* Reverts every artwork change made in the current undo context. */
    AIErr(SPAPI* UndoChanges)(void);
} AIUndoSuite;

#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion 9
typedef struct AILayerSuite {
    /* A new layer at paintOrder relative to base (null base and kPlaceAboveAll: the top layer,
       which becomes current). */
    AIErr(SPAPI* InsertLayer)(AILayerHandle base, int16_t paintOrder, AILayerHandle* layer);
} AILayerSuite;

#define kAISwatchListSuite "AI Swatch List Suite"
#define kAISwatchListSuiteVersion 4
typedef struct AISwatchListSuite {
    /* A null list means the current document's. */
    AIErr(SPAPI* CountSwatches)(AISwatchListRef list, int32_t* count);
    /* kBadParameterErr when n is outside the list. */
    AIErr(SPAPI* GetNthSwatch)(AISwatchListRef list, int32_t n, AISwatchRef* swatch);
    AIErr(SPAPI* GetSwatchColor)(AISwatchRef swatch, AIColor* color);
} AISwatchListSuite;

#define kAIArtStyleSuite "AI Art Style Suite"
#define kAIArtStyleSuiteVersion 3
typedef struct AIArtStyleSuite {
    AIErr(SPAPI* CountNamedArtStyles)(int32_t* count);
    /* kBadParameterErr when n is outside the list. */
    AIErr(SPAPI* GetNthNamedArtStyle)(int32_t n, AIArtStyleHandle* style);
    /* Gives art the style's fill, stroke and opacity and records its name. */
    AIErr(SPAPI* ApplyArtStyle)(AIArtHandle art, AIArtStyleHandle style);
} AIArtStyleSuite;

#ifdef __cplusplus
}
#endif

#endif
