// Colour arithmetic of the styling steps, shadows and sketch copies. Only
// gray, four-colour and three-colour are changed; none, pattern, gradient and
// custom colours pass through untouched and draw no random number.
#ifndef FOCARA_GENERATOR_LINECOLORS_H
#define FOCARA_GENERATOR_LINECOLORS_H

#include <stdint.h>

#include "sdk/AIArt.h"

// Gray, four-colour or three-colour: the kinds the colour steps change.
bool IsProcessColor(const AIColor* color);

AIReal ClampUnit(AIReal value);

// +1 when a fresh rand x 10 <= 5, else -1.
AIReal RandomSign();
// +1 when a fresh rand <= 0.5, else -1.
AIReal HalfSign();

// (component + setOffset + lineOffset) x factor, clamped; three-colour
// components get 0.01 more before the factor.
void OffsetFillColor(AIColor* color, AIReal setOffset, AIReal lineOffset, AIReal factor);
// Fresh rand for gray, for red, green and blue, or for cyan, magenta and
// yellow; clearBlack also sets a four-colour black to 0.
void RandomizeColor(AIColor* color, bool clearBlack);
// Every component RandomizeColor would set gets +/- m, m := rand x 0.1 (m
// drawn before its sign), then is clamped.
void JitterColor(AIColor* color);
// Black and white in the colour's own kind.
void SetBlack(AIColor* color);
void SetWhite(AIColor* color);
// Every component of the colour's kind x 8 / 10.
void ReduceColor(AIColor* color);
// The first three components (gray: the first) := values, unclamped.
void SetLeadingComponents(AIColor* color, const AIReal values[3]);

// The colour as four components, a missing one as 0; named kinds and none are all 0.
void ReadFourComponents(const AIColor* color, AIReal components[4]);
// Relabels color in the document colour model (kDocGrayColor, kDocRGBColor,
// kDocCMYKColor) with as many of components as the model needs; any other
// model leaves it as it is.
void SetColorInModel(AIColor* color, int16_t model, const AIReal components[4]);

#endif
