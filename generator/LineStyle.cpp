#include "generator/LineStyle.h"

AIErr StyleLine(const LineStyleInputs* line)
{
    (void)line; // Styling, drop shadows and sketch copies plug in here.
    return kNoErr;
}
