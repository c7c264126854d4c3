// The studio's request handling, in process: any bytes a client could send
// get an answer, and the session lives on for the next request.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "studio/web/StudioServer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static studio::web::StudioServer* server = [] {
        studio::web::StudioOptions options;
        options.seed = 1;
        options.plugin = FOCARA_PLUGIN_PATH;
        options.replyTimeout = std::chrono::milliseconds(10000);
        return new studio::web::StudioServer(std::move(options));  // lives as long as the process
    }();
    std::string answer = server->answerBytes(std::string(reinterpret_cast<const char*>(data), size));
    (void)answer;
    return 0;
}
