// The swatch cursor of a set and the swatch colours it picks. The first two
// swatches of a list are never used, so a list of fewer than three gives no
// index: callers skip their swatch step then (see kMinimumSwatches).
#ifndef FOCARA_GENERATOR_SWATCHES_H
#define FOCARA_GENERATOR_SWATCHES_H

#include <stdint.h>

#include "sdk/AIArt.h"

enum { kMinimumSwatches = 3 };

// A cursor outside the list becomes 0; then 0 or 1 becomes 2.
int32_t BoundSwatchCursor(int32_t cursor, int32_t swatchCount);
// floor(rand x swatchCount) + 1, at most swatchCount - 1, at least 0; then 0 or 1 becomes 2.
int32_t DrawSwatchCursor(int32_t swatchCount);
// The n-th swatch's colour into color. Errors are ignored: a failed read
// leaves color as it was.
void ReadSwatchColor(int32_t n, AIColor* color);

#endif
