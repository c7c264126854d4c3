/* Compiled as C11 with -Wpedantic: the interface headers stay plain C that
   any host or plug-in can include. */
#include "sdk/ADM.h"
#include "sdk/AIArt.h"
#include "sdk/AIDocument.h"
#include "sdk/AIFilter.h"
#include "sdk/AIMath.h"
#include "sdk/AITypes.h"
#include "sdk/FocaraParams.h"
#include "sdk/SPBasic.h"
#include "sdk/SPPlugin.h"

/* The accessors compile and link from C too. */
double FocaraSdkFirstFieldDefault(void)
{
    const FocaraParamField* field = FocaraParamFieldAt(0);
    return field ? field->defaultValue : -1.0;
}
