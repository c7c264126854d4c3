// focara studio: a web server on 127.0.0.1 that serves the studio page and
// its API, with one host thread (StudioSession) behind it.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include "sdk/FocaraParams.h"
#include "studio/document/Document.h"
#include "studio/host/Host.h"
#include "studio/io/Files.h"
#include "studio/web/Presence.h"
#include "studio/web/RequestQueue.h"

namespace httplib {
class Server;
}

namespace studio::web {

struct StudioOptions {
    Document document;
    uint64_t seed = 0;
    std::filesystem::path plugin;
    // A page's dialog is cancelled after this long without its heartbeat.
    std::chrono::milliseconds heartbeatTimeout{5000};
    // How long an HTTP handler waits for the host thread.
    std::chrono::milliseconds replyTimeout{120000};
    // Called on the host thread once the plug-in has started (tests arm the host's faults here).
    std::function<void(Host&)> onStart;
    // Called on the host thread once serving has ended (any dialog cancelled),
    // with the document and the filter's record as the session leaves them.
    std::function<void(const Document&, const std::optional<FocaraParams>&)> onStop;
};

// The port cannot be had: what() is one line naming it.
class PortTakenError : public InputError {
public:
    using InputError::InputError;
};

class StudioServer {
public:
    // Starts the host thread and the plug-in; throws InputError when the
    // plug-in cannot be loaded.
    explicit StudioServer(StudioOptions options);
    // Stops everything (see stop()).
    ~StudioServer();
    StudioServer(const StudioServer&) = delete;
    StudioServer& operator=(const StudioServer&) = delete;

    // Binds 127.0.0.1:port (0: any free port) and returns the port; throws PortTakenError.
    int bind(int port);
    // Serves until stop(); returns at once when stop() came first.
    void run();
    // Cancels a dialog that is open (the document and the record stay as
    // they were), shuts the plug-in down, answers what is waiting and stops
    // serving. Safe from any thread, more than once.
    void stop();

    // Answers one request given as the bytes a client would send, in process
    // and without a socket (the fuzzer drives the server so): the answer's bytes.
    std::string answerBytes(const std::string& request);

    static constexpr const char* kAddress = "127.0.0.1";
    static constexpr int kDefaultPort = 8400;

private:
    void routes();
    // Posts a request for the host thread and answers with its reply; the
    // page that asked counts as present while it waits.
    void answer(const std::string& client, Request request, Reply& reply);

    RequestQueue queue_;
    Presence presence_;
    std::shared_ptr<RunControl> control_;  // the host's: progress and stop, read from HTTP threads
    std::chrono::milliseconds replyTimeout_;
    std::thread hostThread_;
    std::unique_ptr<httplib::Server> http_;
    int port_ = 0;
    std::mutex stopMutex_;  // held through stop()
    std::mutex lifecycle_;  // guards the two flags
    bool stopping_ = false;
    bool serving_ = false;
};

}  // namespace studio::web
