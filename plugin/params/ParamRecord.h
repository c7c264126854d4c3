// The parameter record as the plug-in uses it: the stored layout of
// sdk/FocaraParams.h, its field table, and the procedures over both.
#ifndef FOCARA_PARAMS_PARAMRECORD_H
#define FOCARA_PARAMS_PARAMRECORD_H

#include "sdk/FocaraParams.h"

// The row of the field table named name, or null.
const FocaraParamField* FindParamField(const char* name);

// The field's word inside the record (int32 for flags and integers, AIReal for reals).
int32_t* ParamIntAt(FocaraParams* record, const FocaraParamField* field);
AIReal* ParamRealAt(FocaraParams* record, const FocaraParamField* field);

// The row of the field at byte offset, or null when no field starts there.
const FocaraParamField* ParamFieldAtOffset(int32_t offset);

// Writes value into the field: converted toward zero for flags and integers.
void WriteParamValue(FocaraParams* record, const FocaraParamField* field, double value);
// Writes the field's default, viewCenter for the view-centre defaults.
// Fields without a default are left alone.
void WriteParamDefault(FocaraParams* record, const FocaraParamField* field, AIRealPoint viewCenter);

// Writes every default of the table into record. Queries the current document
// first and returns its error before anything is written; the view-centre
// defaults come from document view 0. Fields without a default are left alone.
AIErr WriteParamDefaults(FocaraParams* record);

#endif
