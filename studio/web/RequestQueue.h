// Requests from HTTP handler threads to the one host thread, which alone
// touches the plug-in, its suites and the document.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace studio::web {

// What an HTTP handler sends back.
struct Reply {
    int status = 200;
    std::string contentType = "application/json";
    std::string body;
    std::string attachment;  // a file name: the browser saves the body under it
    std::vector<std::pair<std::string, std::string>> headers;
};

class StudioSession;

// What a piece of work ended with. Without a reply of its own, the handler
// answers with the session's state once the host thread waits for the user again.
struct Outcome {
    int status = 200;
    std::string error;  // one line, when refused or failed
    std::optional<Reply> reply;

    static Outcome refused(int status, std::string error) { return {status, std::move(error), std::nullopt}; }
};

struct Request {
    std::function<Outcome(StudioSession&)> work;
    std::promise<Reply> reply;
    // A queued value change of the same item: the later one replaces it.
    std::optional<std::pair<int, int32_t>> coalesceKey;
    uint64_t since = 0;  // the state revision the client already has
    std::string client;  // the page that asks, when it says
    // The document version the client shows: a newer document comes with the answer, as SVG.
    std::optional<uint64_t> have;
};

class RequestQueue {
public:
    // Queues the request. When the last queued request has the same coalescing
    // key it is answered as superseded and this one takes its place. A closed
    // queue answers at once with 503.
    void push(Request request);
    // The next request, waiting at most `wait`; nothing on a time-out or once
    // the queue is closed.
    std::optional<Request> pop(std::chrono::milliseconds wait);
    // Puts a request taken too early back at the head of the queue.
    void pushFront(Request request);
    bool empty() const;
    // Answers every queued request with 503; later pushes get the same.
    void close();
    bool closed() const;

    static Reply stoppingReply();
    static Reply supersededReply();

private:
    mutable std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Request> queue_;
    bool closed_ = false;
};

// Posts the request and waits for its reply, at most `timeout` (then 503).
Reply call(RequestQueue& queue, Request request, std::chrono::milliseconds timeout);

}  // namespace studio::web
