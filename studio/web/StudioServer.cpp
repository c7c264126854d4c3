#include "studio/web/StudioServer.h"

#include <httplib.h>
#include <sys/socket.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <nlohmann/json.hpp>
#include <variant>

#include "studio/document/HostSettings.h"
#include "studio/document/PageSizes.h"
#include "studio/io/RasterPreview.h"

#include "studio/io/Files.h"
#include "studio/io/QuotedText.h"
#include "studio/session/ScriptedDriver.h"
#include "studio/web/AreaJson.h"
#include "studio/web/Assets.h"
#include "studio/web/StudioSession.h"

namespace studio::web {

namespace {

// httplib answers requests from any stream; this reaches that for a request held in memory.
class InProcessServer : public httplib::Server {
public:
    std::string answer(const std::string& request)
    {
        httplib::detail::BufferStream stream;
        stream.write(request.data(), request.size());
        bool closed = false;
        process_request(stream, true, closed, [](httplib::Request&) {});
        return stream.get_buffer().substr(request.size());
    }
};

constexpr size_t kWorkers = 64;
constexpr std::chrono::seconds kReadTimeout{2};

std::optional<uint64_t> numberParameter(const httplib::Request& req, const char* name)
{
    uint64_t number = 0;
    std::string text = req.get_param_value(name);
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return number;
}

// A request for the host thread with what the client already has.
Request requestFor(const httplib::Request& req, std::function<Outcome(StudioSession&)> work)
{
    Request request;
    request.work = std::move(work);
    request.since = numberParameter(req, "since").value_or(0);
    request.have = numberParameter(req, "have");
    request.client = req.get_param_value("client");
    return request;
}

// A number parameter that must be there: a finite decimal number.
std::optional<double> realParameter(const httplib::Request& req, const char* name)
{
    std::string text = req.get_param_value(name);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
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
    // Messages may quote what a client sent: only valid, printable text goes out.
    nlohmann::json body{{"ok", false}, {"error", printableText(message)}};
    send(res,
         {status, "application/json", body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace), "", {}});
}

// Value changes of one item may replace each other while queued: only the
// last one's preview is worth drawing. Toggles and clicks are not values.
std::optional<std::pair<int, int32_t>> coalesceKeyOf(const ScriptAction& action)
{
    using Kind = ScriptAction::Kind;
    if (action.kind == Kind::Set || action.kind == Kind::Choose || action.kind == Kind::Pick)
        return std::pair{static_cast<int>(action.kind), action.id};
    return std::nullopt;
}

// One action of the scripted driver's language, or why the text is not one.
std::variant<ScriptAction, std::string> parseOneAction(const std::string& text)
{
    std::vector<ScriptAction> actions;
    try {
        actions = parseScript(text);
    } catch (const ScriptError& e) {
        // The page sends one line: its number says nothing.
        std::string message = e.what();
        if (message.starts_with("line 1, ")) message.erase(0, 8);
        return message;
    }
    if (actions.size() != 1) return std::string("send one dialog action per request, e.g. \"set 11 50\"");
    return actions.front();
}

// Only pages of this server may drive it: a request must name this address
// as its host, and one sent by a page must come from here too.
bool fromThisServer(const httplib::Request& req, int port)
{
    std::string suffix = ":" + std::to_string(port);
    auto local = [&](const std::string& authority) {
        return authority == std::string(StudioServer::kAddress) + suffix || authority == "localhost" + suffix;
    };
    // Exactly one Host and at most one Origin: with two, the server and a proxy might read different ones.
    if (req.get_header_value_count("Host") != 1 || req.get_header_value_count("Origin") > 1) return false;
    if (!local(req.get_header_value("Host"))) return false;
    if (!req.has_header("Origin")) return true;
    std::string origin = req.get_header_value("Origin");
    return origin.starts_with("http://") && local(origin.substr(7));
}

}  // namespace

StudioServer::StudioServer(StudioOptions options)
    : replyTimeout_(options.replyTimeout), http_(std::make_unique<InProcessServer>())
{
    std::promise<void> started;
    std::future<void> ready = started.get_future();
    hostThread_ = std::thread([this, options = std::move(options), started = std::move(started)]() mutable {
        std::optional<StudioSession> session;
        try {
            session.emplace(std::move(options.document), options.seed, options.plugin, queue_, presence_,
                            options.heartbeatTimeout);
            control_ = session->host().sharedControl();
            if (options.onStart) options.onStart(session->host());
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
    errno = 0;
    int bound = port == 0 ? http_->bind_to_any_port(kAddress) : (http_->bind_to_port(kAddress, port) ? port : -1);
    if (bound < 0) {
        int error = errno;
        std::string where = "--port " + std::to_string(port) + ": " + kAddress + ":" + std::to_string(port);
        if (error == EADDRINUSE || error == 0)
            throw PortTakenError(where + " is taken by another program; choose another port with --port P");
        throw InputError(where + ": cannot listen there: " + std::strerror(error));
    }
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

std::string StudioServer::answerBytes(const std::string& request)
{
    return static_cast<InProcessServer&>(*http_).answer(request);
}

void StudioServer::routes()
{
    httplib::Server& http = *http_;
    // Slow clients hold a worker each until their read times out: many
    // workers and a short timeout keep a few of them from stalling the page.
    http.new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
    http.set_read_timeout(kReadTimeout);
    http.set_keep_alive_timeout(1);
    // Headers and body go out in separate writes: without this each answer can
    // wait for a delayed acknowledgement.
    http.set_tcp_nodelay(true);
    http.set_payload_max_length(kMaxDocumentBytes);
    http.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
        if (!fromThisServer(req, port_)) {
            sendError(res, 403, "requests are taken from pages of this server only");
            return httplib::Server::HandlerResponse::Handled;
        }
        // The body limit holds for a Content-Length only: a chunked body could grow without bound.
        if (req.has_header("Transfer-Encoding")) {
            res.set_header("Connection", "close");
            sendError(res, 411, "send the body with a Content-Length, not chunked");
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
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
            Reply reply;
            answer(req.get_param_value("client"), requestFor(req, work), reply);
            send(res, reply);
        };
    };
    auto client = [](const httplib::Request& req) { return req.get_param_value("client"); };

    http.Get("/api/state", post([](StudioSession& s) { return s.nothing(); }));
    http.Post("/api/filter", [this, client](const httplib::Request& req, httplib::Response& res) {
        auto work = [who = client(req)](StudioSession& s) { return s.runFilter(who); };
        Reply reply;
        answer(client(req), requestFor(req, work), reply);
        send(res, reply);
    });
    http.Post("/api/about", [this, client](const httplib::Request& req, httplib::Response& res) {
        auto work = [who = client(req)](StudioSession& s) { return s.showAbout(who); };
        send(res, call(queue_, requestFor(req, work), replyTimeout_));
    });
    http.Post("/api/dialog", [this](const httplib::Request& req, httplib::Response& res) {
        auto parsed = parseOneAction(req.body);
        if (auto* why = std::get_if<std::string>(&parsed)) return sendError(res, 400, *why);
        ScriptAction action = std::get<ScriptAction>(std::move(parsed));
        Request request = requestFor(req, [action](StudioSession& s) { return s.act(action); });
        request.coalesceKey = coalesceKeyOf(action);
        Reply reply;
        answer(req.get_param_value("client"), std::move(request), reply);
        send(res, reply);
    });
    http.Post("/api/undo", post([](StudioSession& s) { return s.undo(); }));
    http.Post("/api/redo", post([](StudioSession& s) { return s.redo(); }));
    http.Post("/api/document", [this](const httplib::Request& req, httplib::Response& res) {
        auto work = [text = req.body](StudioSession& s) { return s.open(text); };
        send(res, call(queue_, requestFor(req, work), replyTimeout_));
    });
    http.Get("/api/document.json", post([](StudioSession& s) { return s.document(DocumentFormat::Json, true); }));
    http.Get("/api/document.svg", post([](StudioSession& s) { return s.document(DocumentFormat::Svg, false); }));
    http.Get("/api/export/svg", post([](StudioSession& s) { return s.document(DocumentFormat::Svg, true); }));
    // ?dpi=N&background=white|none|COLOR, as render's --dpi and --background.
    http.Get("/api/export/png", [this](const httplib::Request& req, httplib::Response& res) {
        double dpi = 150;
        if (req.has_param("dpi")) {
            const std::string text = req.get_param_value("dpi");
            auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), dpi);
            if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !(dpi > 0))
                return sendError(res, 400, "dpi " + text + ": expected a number above 0");
        }
        std::optional<Color> background = Color::rgb(1, 1, 1);
        if (req.has_param("background")) {
            const std::string text = req.get_param_value("background");
            try {
                background = backgroundColor(text);
            } catch (const std::invalid_argument& e) {
                return sendError(res, 400, "background " + text + ": " + e.what());
            }
        }
        auto work = [dpi, background](StudioSession& s) { return s.exportPng(dpi, background); };
        send(res, call(queue_, requestFor(req, work), replyTimeout_));
    });
    http.Get("/api/export/pdf", post([](StudioSession& s) { return s.document(DocumentFormat::Pdf, true); }));

    // Read and asked without the host thread, which may be deep in a drawing.
    http.Get("/api/progress", [this](const httplib::Request&, httplib::Response& res) {
        RunControl::Progress p = control_->progress();
        nlohmann::json body{{"working", p.working}, {"drawn", p.drawn}, {"elapsed", p.elapsed.count()}};
        send(res, {200, "application/json", body.dump(), "", {}});
    });
    http.Post("/api/stop", [this](const httplib::Request&, httplib::Response& res) {
        bool stopping = control_->requestStop();
        send(res, {200, "application/json", nlohmann::json{{"ok", true}, {"stopping", stopping}}.dump(), "", {}});
    });
    http.Get("/api/raster", [this](const httplib::Request& req, httplib::Response& res) {
        RasterRegion region;
        std::pair<const char*, double*> numbers[] = {
            {"x", &region.x}, {"y", &region.y}, {"w", &region.width}, {"h", &region.height}, {"scale", &region.scale}};
        for (auto [name, value] : numbers) {
            std::optional<double> number = realParameter(req, name);
            if (!number) return sendError(res, 400, std::string(name) + ": expected a finite number");
            *value = *number;
        }
        Reply reply;
        answer(req.get_param_value("client"), requestFor(req, [region](StudioSession& s) { return s.raster(region); }),
               reply);
        send(res, reply);
    });
    http.Get("/api/page-sizes", [](const httplib::Request&, httplib::Response& res) {
        nlohmann::json sizes = nlohmann::json::array();
        for (const PageSize& size : pageSizes())
            sizes.push_back(
                {{"name", size.name}, {"label", size.label}, {"width", size.width}, {"height", size.height}});
        send(res, {200, "application/json", sizes.dump(), "", {}});
    });
    http.Post("/api/new", [this](const httplib::Request& req, httplib::Response& res) {
        std::string why;
        std::optional<Page> parsed = parsePage(req.body, why);
        if (!parsed) return sendError(res, 400, why);
        Page page = *parsed;
        Reply reply;
        answer(req.get_param_value("client"), requestFor(req, [page](StudioSession& s) { return s.newDocument(page); }),
               reply);
        send(res, reply);
    });
    http.Get(R"(/api/preset/(\d+)\.png)", [this](const httplib::Request& req, httplib::Response& res) {
        int32_t entry = -1;
        const std::string text = req.matches[1];
        std::from_chars(text.data(), text.data() + text.size(), entry);
        Reply reply;
        answer("", requestFor(req, [entry](StudioSession& s) { return s.presetPicture(entry); }), reply);
        send(res, reply);
    });
    // The reference area: {"shape", "cx", "cy", "rx", "ry", "degrees"} or {"clear": true}.
    http.Post("/api/area", [this](const httplib::Request& req, httplib::Response& res) {
        std::optional<ReferenceArea> area;
        try {
            area = areaFromJson(req.body);
        } catch (const std::invalid_argument& e) {
            return sendError(res, 400, std::string("area: ") + e.what());
        }
        Request request = requestFor(req, [area](StudioSession& s) { return s.setArea(area); });
        // Areas sent while dragging replace each other: only the newest is worth a preview.
        request.coalesceKey = std::pair{-1, 0};
        Reply reply;
        answer(req.get_param_value("client"), std::move(request), reply);
        send(res, reply);
    });

    // File > Export Animation: ?frames=N&fps=F&format=webp|gif|svg|png&dpi=D&background=B starts the
    // drawing; the progress, then the files, are asked for while it goes on.
    http.Post("/api/animation", [this](const httplib::Request& req, httplib::Response& res) {
        auto value = [&](const char* name, const char* otherwise) {
            return req.has_param(name) ? req.get_param_value(name) : std::string(otherwise);
        };
        AnimationRequest request;
        try {
            request = parseAnimationRequest(value("frames", "24"), value("fps", "12"), value("format", "webp"),
                                            value("dpi", "72"), value("background", "white"));
        } catch (const InputError& e) {
            return sendError(res, 400, e.what());
        }
        Reply reply;
        answer(req.get_param_value("client"),
               requestFor(req, [request](StudioSession& s) { return s.startAnimation(request); }), reply);
        send(res, reply);
    });
    http.Get("/api/animation", post([](StudioSession& s) { return s.animationProgress(); }));
    http.Post("/api/animation/cancel", post([](StudioSession& s) { return s.cancelAnimation(); }));
    http.Get(R"(/api/animation/file/(\d{1,4}))", [this](const httplib::Request& req, httplib::Response& res) {
        size_t index = 0;
        const std::string text = req.matches[1];
        std::from_chars(text.data(), text.data() + text.size(), index);
        Reply reply;
        answer(req.get_param_value("client"),
               requestFor(req, [index](StudioSession& s) { return s.animationFile(index); }), reply);
        send(res, reply);
    });

    // Looks: the list, each one's picture, and the filter started from one (body: its name).
    http.Get("/api/looks", post([](StudioSession& s) { return s.looks(); }));
    http.Get(R"(/api/look/([a-z0-9-]{1,40})\.png)", [this](const httplib::Request& req, httplib::Response& res) {
        Reply reply;
        answer("",
               requestFor(req, [name = std::string(req.matches[1])](StudioSession& s) { return s.lookPicture(name); }),
               reply);
        send(res, reply);
    });
    http.Post("/api/look", [this, client](const httplib::Request& req, httplib::Response& res) {
        auto work = [who = client(req), name = req.body](StudioSession& s) { return s.runLook(name, who); };
        Reply reply;
        answer(client(req), requestFor(req, work), reply);
        send(res, reply);
    });

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

void StudioServer::answer(const std::string& client, Request request, Reply& reply)
{
    Presence::Waiting waiting(presence_, client);
    reply = call(queue_, std::move(request), replyTimeout_);
}

}  // namespace studio::web
