#include "studio/web/StudioServer.h"

#include <httplib.h>
#include <sys/socket.h>

#include <charconv>
#include <nlohmann/json.hpp>
#include <sstream>

#include "studio/io/Files.h"
#include "studio/web/Assets.h"
#include "studio/web/StudioSession.h"

namespace studio::web {

namespace {

constexpr size_t kMaxDocumentBytes = 64u << 20;

uint64_t sinceOf(const httplib::Request& req)
{
    uint64_t since = 0;
    std::string text = req.get_param_value("since");
    std::from_chars(text.data(), text.data() + text.size(), since);
    return since;
}

void send(httplib::Response& res, const Reply& reply)
{
    res.status = reply.status;
    res.set_header("Cache-Control", "no-store");
    if (!reply.attachment.empty())
        res.set_header("Content-Disposition", "attachment; filename=\"" + reply.attachment + "\"");
    for (const auto& [name, value] : reply.headers) res.set_header(name.c_str(), value);
    res.set_content(reply.body, reply.contentType);
}

void sendError(httplib::Response& res, int status, const std::string& message)
{
    send(res, {status, "application/json", nlohmann::json{{"ok", false}, {"error", message}}.dump(), "", {}});
}

// Value changes of one item may replace each other while queued: only the
// last one's preview is worth drawing.
std::optional<std::pair<int, int32_t>> coalesceKeyOf(const std::string& action)
{
    std::istringstream in(action);
    std::string verb;
    int32_t id = 0;
    if (!(in >> verb >> id)) return std::nullopt;
    if (verb == "set") return std::pair{1, id};
    if (verb == "choose") return std::pair{2, id};
    if (verb == "pick") return std::pair{3, id};
    return std::nullopt;
}

// Only pages of this server may drive it: a request must name this address
// as its host, and one sent by a page must come from here too.
bool fromThisServer(const httplib::Request& req, int port)
{
    std::string suffix = ":" + std::to_string(port);
    auto local = [&](const std::string& authority) {
        return authority == std::string(StudioServer::kAddress) + suffix || authority == "localhost" + suffix;
    };
    if (!local(req.get_header_value("Host"))) return false;
    if (!req.has_header("Origin")) return true;
    std::string origin = req.get_header_value("Origin");
    return origin.starts_with("http://") && local(origin.substr(7));
}

}  // namespace

StudioServer::StudioServer(StudioOptions options)
    : replyTimeout_(options.replyTimeout), http_(std::make_unique<httplib::Server>())
{
    std::promise<void> started;
    std::future<void> ready = started.get_future();
    hostThread_ = std::thread([this, options = std::move(options), started = std::move(started)]() mutable {
        std::optional<StudioSession> session;
        try {
            session.emplace(std::move(options.document), options.seed, options.plugin, queue_, presence_,
                            options.heartbeatTimeout);
        } catch (...) {
            started.set_exception(std::current_exception());
            return;
        }
        started.set_value();
        session->serve();
        if (options.onStop) options.onStop(session->currentDocument(), session->record());
    });
    try {
        ready.get();
    } catch (...) {
        hostThread_.join();
        throw;
    }
    routes();
}

StudioServer::~StudioServer() { stop(); }

int StudioServer::bind(int port)
{
    // SO_REUSEADDR only: with SO_REUSEPORT a second server could share the port unnoticed.
    http_->set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    int bound = port == 0 ? http_->bind_to_any_port(kAddress) : (http_->bind_to_port(kAddress, port) ? port : -1);
    if (bound < 0)
        throw PortTakenError("--port " + std::to_string(port) + ": " + kAddress + ":" + std::to_string(port) +
                             " is taken by another program; choose another port with --port P");
    port_ = bound;
    return bound;
}

void StudioServer::run()
{
    {
        std::lock_guard lock(lifecycle_);
        if (stopping_) return;
        serving_ = true;
    }
    http_->listen_after_bind();
    std::lock_guard lock(lifecycle_);
    serving_ = false;
}

void StudioServer::stop()
{
    std::lock_guard once(stopMutex_);
    {
        std::lock_guard lock(lifecycle_);
        stopping_ = true;
    }
    // First the host thread: it cancels an open dialog and answers every
    // waiting handler, so that the HTTP workers can finish.
    queue_.close();
    if (hostThread_.joinable()) hostThread_.join();
    // The server may not have started listening yet: stop() is lost then, so repeat it.
    for (;;) {
        {
            std::lock_guard lock(lifecycle_);
            if (!serving_) break;
        }
        http_->stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void StudioServer::routes()
{
    httplib::Server& http = *http_;
    http.new_task_queue = [] { return new httplib::ThreadPool(16); };
    http.set_keep_alive_timeout(1);
    http.set_payload_max_length(kMaxDocumentBytes);
    http.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
        if (fromThisServer(req, port_)) return httplib::Server::HandlerResponse::Unhandled;
        sendError(res, 403, "requests are taken from pages of this server only");
        return httplib::Server::HandlerResponse::Handled;
    });
    http.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr ep) {
        std::string what = "internal error";
        try {
            std::rethrow_exception(ep);
        } catch (const std::exception& e) {
            what = e.what();
        } catch (...) {
        }
        sendError(res, 500, what);
    });

    // Posts work to the host thread and answers with what it says.
    auto post = [this](std::function<Outcome(StudioSession&)> work) {
        return [this, work](const httplib::Request& req, httplib::Response& res) {
            Request request;
            request.work = work;
            request.since = sinceOf(req);
            send(res, call(queue_, std::move(request), replyTimeout_));
        };
    };
    auto client = [](const httplib::Request& req) { return req.get_param_value("client"); };

    http.Get("/api/state", post([](StudioSession& s) { return s.nothing(); }));
    http.Post("/api/filter", [this, client](const httplib::Request& req, httplib::Response& res) {
        Request request;
        request.work = [who = client(req)](StudioSession& s) { return s.runFilter(who); };
        request.since = sinceOf(req);
        send(res, call(queue_, std::move(request), replyTimeout_));
    });
    http.Post("/api/about", [this, client](const httplib::Request& req, httplib::Response& res) {
        Request request;
        request.work = [who = client(req)](StudioSession& s) { return s.showAbout(who); };
        request.since = sinceOf(req);
        send(res, call(queue_, std::move(request), replyTimeout_));
    });
    http.Post("/api/dialog", [this](const httplib::Request& req, httplib::Response& res) {
        std::string action = req.body;
        while (!action.empty() && (action.back() == '\n' || action.back() == '\r' || action.back() == ' '))
            action.pop_back();
        if (action.empty() || action.find_first_of(";\n") != std::string::npos)
            return sendError(res, 400, "send one dialog action per request, e.g. \"set 11 50\"");
        Request request;
        request.coalesceKey = coalesceKeyOf(action);
        request.work = [action](StudioSession& s) { return s.act(action); };
        request.since = sinceOf(req);
        send(res, call(queue_, std::move(request), replyTimeout_));
    });
    http.Post("/api/undo", post([](StudioSession& s) { return s.undo(); }));
    http.Post("/api/redo", post([](StudioSession& s) { return s.redo(); }));
    http.Post("/api/document", [this](const httplib::Request& req, httplib::Response& res) {
        Request request;
        request.work = [text = req.body](StudioSession& s) { return s.open(text); };
        request.since = sinceOf(req);
        send(res, call(queue_, std::move(request), replyTimeout_));
    });
    http.Get("/api/document.json", post([](StudioSession& s) { return s.document(DocumentFormat::Json, true); }));
    http.Get("/api/document.svg", post([](StudioSession& s) { return s.document(DocumentFormat::Svg, false); }));
    http.Get("/api/export/svg", post([](StudioSession& s) { return s.document(DocumentFormat::Svg, true); }));
    http.Get("/api/export/png", post([](StudioSession& s) { return s.document(DocumentFormat::Png, true); }));
    http.Get("/api/export/pdf", post([](StudioSession& s) { return s.document(DocumentFormat::Pdf, true); }));

    http.Post("/api/heartbeat", [this, client](const httplib::Request& req, httplib::Response& res) {
        presence_.heartbeat(client(req));
        res.status = 204;
    });
    http.Post("/api/bye", [this, client](const httplib::Request& req, httplib::Response& res) {
        presence_.farewell(client(req));
        res.status = 204;
    });

    http.Get(R"(/[A-Za-z0-9._-]*)", [](const httplib::Request& req, httplib::Response& res) {
        const EmbeddedFile* file = findEmbeddedFile(req.path);
        if (!file) return sendError(res, 404, req.path + ": no such page");
        res.set_header("Cache-Control", "no-cache");
        res.set_content(file->bytes.data(), file->bytes.size(), std::string(contentTypeOf(file->path)));
    });
}

}  // namespace studio::web
