#include "host/ParameterDialog.h"

#include "host/SuitePointers.h"

namespace {

enum { kParameterDialogID = 16100 };

// The dialog's items are built here at run time; the template holds none.
ASErr BuildParameterDialog(ADMDialogRef) { return kNoErr; }

}  // namespace

int32_t RunParameterDialog(SPPluginRef self, FocaraParams* record)
{
    return sADMDialog->Modal(self, "Vexo_Zoom", kParameterDialogID, 0, BuildParameterDialog, record, 0);
}
