// The line generator: turns one parameter record into focus lines in the
// current document, through the host's suites only.
#ifndef FOCARA_GENERATOR_GENERATOR_H
#define FOCARA_GENERATOR_GENERATOR_H

#include "sdk/FocaraParams.h"

// One run. finalRun 1 is the real run, 0 a dialog preview. The record is read
// only, except that a final run consumes previewDrawn. Returns the first
// non-zero host error, which ends the run at once; what was drawn stays.
AIErr GenerateFocusLines(FocaraParams* record);

#endif
