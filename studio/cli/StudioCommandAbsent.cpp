// focara studio in a build without the web server (the Windows focara).
#include "studio/cli/StudioCommand.h"
#include "studio/io/Files.h"

namespace studio::cli {

void studioCommand(const StudioCommandOptions&)
{
    throw InputError("focara studio is not in this build of focara (it is built without the web server)");
}

}  // namespace studio::cli
