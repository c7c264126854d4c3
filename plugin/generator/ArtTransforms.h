// Moves, turns and scalings of finished art, built with the real-math suite's
// matrices and applied by the transform suite. Every error ends the run.
#ifndef FOCARA_GENERATOR_ARTTRANSFORMS_H
#define FOCARA_GENERATOR_ARTTRANSFORMS_H

#include "sdk/AIArt.h"

AIErr ReadBounds(AIArtHandle art, AIRealRect* bounds);
// (left + (right - left) / 2, bottom + (top - bottom) / 2).
AIRealPoint BoundsCentre(const AIRealRect* bounds);

// Line-width scale 1, objects transformed.
AIErr ApplyMatrix(AIArtHandle art, const AIRealMatrix* matrix);
AIErr MoveArt(AIArtHandle art, AIReal dx, AIReal dy);
// About the centre of the art's bounds as they are now: turn by *angle, then
// scale by (scale->h, scale->v); a null angle or scale leaves that part out
// of the matrix.
AIErr TransformAboutCentre(AIArtHandle art, const AIReal* angle, const AIRealPoint* scale);

#endif
