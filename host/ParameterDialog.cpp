#include "host/ParameterDialog.h"

#include "dialog/DialogProcedures.h"
#include "host/SuitePointers.h"

namespace {
enum { kParameterDialogID = 16100 };
}  // namespace

int32_t RunParameterDialog(SPPluginRef self, FocaraParams* record)
{
    return sADMDialog->Modal(self, "Vexo_Zoom", kParameterDialogID, 0, BuildParameterDialog, record, 0);
}
