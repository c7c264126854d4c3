#include "plugin/entry/ParameterDialog.h"

#include "plugin/dialog/DialogProcedures.h"
#include "plugin/suites/SuitePointers.h"

namespace {
enum { kParameterDialogID = 16100 };
}  // namespace

int32_t RunParameterDialog(SPPluginRef self, FocaraParams* record)
{
    return sADMDialog->Modal(self, "Vexo_Zoom", kParameterDialogID, 0, BuildParameterDialog, record, 0);
}
