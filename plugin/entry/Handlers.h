// The handlers of the messages the plug-in answers.
#ifndef FOCARA_HOST_HANDLERS_H
#define FOCARA_HOST_HANDLERS_H

#include "sdk/SPPlugin.h"

// "SP Access": hand the globals block to the host and take it back.
SPErr Unload(SPMessageData* message);
SPErr Reload(SPMessageData* message);
// "SP Interface".
SPErr Startup(SPMessageData* message);
SPErr About(SPMessageData* message);
SPErr Shutdown(SPMessageData* message);
// "AI Menu": the plug-in has no menu items of its own.
SPErr GoMenuItem(SPMessageData* message);
SPErr UpdateMenuItem(SPMessageData* message);
// "AI Filter".
SPErr GetFilterParameters(SPMessageData* message);
SPErr GoFilter(SPMessageData* message);

#endif
