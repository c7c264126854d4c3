// The seam between the driver and the styling of a created line, with its
// drop shadow and sketch copies.
#ifndef FOCARA_GENERATOR_LINESTYLE_H
#define FOCARA_GENERATOR_LINESTYLE_H

#include <stdint.h>

#include "sdk/AIArt.h"
#include "sdk/FocaraParams.h"

// Everything the driver hands on for one created line, after its rotation.
struct LineStyleInputs {
    const FocaraParams* record;
    AIArtHandle path;        // the finished, closed and rotated line
    AIReal midpointRatio;    // r
    AIReal setFillOffset;    // grows by setFill / 100 per set
    AIReal lineFillOffset;   // grows by lineFill / 100 per line
    AIReal tilt;             // radians
    AIReal scaleHorizontal;  // fraction, 1 = unchanged
    AIReal scaleVertical;    // fraction, 1 = unchanged
    int32_t setIndex;        // s, 0-based
    int32_t swatchCount;
    int32_t namedStyleCount;
    AIReal halfTurn;            // 180 degrees in radians
    AIReal sketchStrokeWeight;  // sketchWeight / 10
    int32_t* swatchCursor;      // the set's swatch cursor; the driver sets it to 0 at every set start
};

// Styles the line and adds its shadow and sketch copies. Returns the first
// non-zero host error, which ends the generator's run.
AIErr StyleLine(const LineStyleInputs* line);

// Reading and writing a path's style; both results are ignored, and a failed
// read leaves the buffer as it was.
void ReadLineStyle(AIArtHandle path, AIPathStyle* style);
void WriteLineStyle(AIArtHandle path, const AIPathStyle* style);

#endif
