// The parameter record as the plug-in uses it: the stored layout, field table
// and field access of sdk/FocaraParams.h, and the defaults read from the document.
#ifndef FOCARA_PARAMS_PARAMRECORD_H
#define FOCARA_PARAMS_PARAMRECORD_H

#include "sdk/FocaraParams.h"

// Writes every default of the table into record. Queries the current document
// first and returns its error before anything is written; the view-centre
// defaults come from document view 0. Fields without a default are left alone.
AIErr WriteParamDefaults(FocaraParams* record);

#endif
