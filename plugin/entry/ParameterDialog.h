// The modal parameter dialog that edits the record in place.
#ifndef FOCARA_HOST_PARAMETERDIALOG_H
#define FOCARA_HOST_PARAMETERDIALOG_H

#include "sdk/FocaraParams.h"
#include "sdk/SPBasic.h"

// Runs the dialog "Vexo_Zoom" on record; the id of the item that ended it (1 accepts).
int32_t RunParameterDialog(SPPluginRef self, FocaraParams* record);

#endif
