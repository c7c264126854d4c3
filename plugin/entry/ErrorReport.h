// Shows a failing host call's code in the error dialog.
#ifndef FOCARA_HOST_ERRORREPORT_H
#define FOCARA_HOST_ERRORREPORT_H

#include "sdk/SPPlugin.h"

// Looks code up in the error string list and shows its message and code text
// in the "Error Dialog". Nothing for 0 and the cancel code, and nothing while
// a suite the report needs (ADM Basic, Dialog, Item, AI User) is not held.
void ReportError(const SPMessageData* message, ASErr code);

#endif
