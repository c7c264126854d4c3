// The objects that belong to a finished line: its drop shadow, just below it,
// and its stroke-only sketch copies, above all art.
#ifndef FOCARA_GENERATOR_SHADOWANDSKETCH_H
#define FOCARA_GENERATOR_SHADOWANDSKETCH_H

#include "plugin/generator/LineStyle.h"

// style is the line's style buffer. Errors of duplicating, moving, scaling,
// bounds and segment calls end the run; what was made so far stays.
AIErr AddShadowAndSketchCopies(const LineStyleInputs* line, AIPathStyle* style);

#endif
