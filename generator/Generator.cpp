#include "generator/Generator.h"

AIErr GenerateFocusLines(FocaraParams* record)
{
    (void)record;
    return kNoErr;
}
