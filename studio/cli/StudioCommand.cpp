#include "studio/cli/StudioCommand.h"

#include <pthread.h>
#include <signal.h>

#include <iostream>
#include <thread>

#include "studio/host/RandomSource.h"
#include "studio/io/DocumentJson.h"
#include "studio/session/FilterRun.h"
#include "studio/web/StudioServer.h"

namespace studio::cli {

void studioCommand(const StudioCommandOptions& options)
{
    // Every thread started from here on leaves SIGINT and SIGTERM to sigwait below.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    web::StudioOptions studio;
    studio.document = options.doc ? readDocumentFile(*options.doc) : Document::makeDefault();
    studio.seed = options.seed ? *options.seed : seedFromClock();
    studio.plugin = options.plugin ? *options.plugin : defaultPluginPath();
    uint64_t seed = studio.seed;

    web::StudioServer server(std::move(studio));
    int port = server.bind(options.port);
    std::cout << "focara studio: http://" << web::StudioServer::kAddress << ':' << port << "/ (seed " << seed
              << "; Ctrl+C stops)" << std::endl;
    std::thread serving([&] { server.run(); });
    int signal = 0;
    sigwait(&stopSignals, &signal);
    std::cerr << "focara studio: stopping\n";
    server.stop();
    serving.join();
}

}  // namespace studio::cli
