#include "plugin/generator/ArtTransforms.h"

#include "plugin/suites/SuitePointers.h"

AIErr ReadBounds(AIArtHandle art, AIRealRect* bounds) { return sAIArt->GetArtBounds(art, bounds); }

AIRealPoint BoundsCentre(const AIRealRect* bounds)
{
    AIRealPoint centre;
    centre.h = bounds->left + (bounds->right - bounds->left) / 2;
    centre.v = bounds->bottom + (bounds->top - bounds->bottom) / 2;
    return centre;
}

AIErr ApplyMatrix(AIArtHandle art, const AIRealMatrix* matrix)
{
    return sAITransformArt->TransformArt(art, matrix, 1.0f, kTransformObjects);
}

AIErr MoveArt(AIArtHandle art, AIReal dx, AIReal dy)
{
    AIRealMatrix matrix;
    sAIRealMath->AIRealMatrixSetTranslate(&matrix, dx, dy);
    return ApplyMatrix(art, &matrix);
}

AIErr TransformAboutCentre(AIArtHandle art, const AIReal* angle, const AIRealPoint* scale)
{
    AIRealRect bounds = {0, 0, 0, 0};
    AIErr err = ReadBounds(art, &bounds);
    if (err) return err;
    const AIRealPoint centre = BoundsCentre(&bounds);

    AIRealMatrix matrix;
    sAIRealMath->AIRealMatrixSetTranslate(&matrix, -centre.h, -centre.v);
    if (angle) sAIRealMath->AIRealMatrixConcatRotate(&matrix, *angle);
    if (scale) sAIRealMath->AIRealMatrixConcatScale(&matrix, scale->h, scale->v);
    sAIRealMath->AIRealMatrixConcatTranslate(&matrix, centre.h, centre.v);
    return ApplyMatrix(art, &matrix);
}
