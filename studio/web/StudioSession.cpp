#include "studio/web/StudioSession.h"

#include <map>
#include <sstream>

#include "studio/host/RecordDefaults.h"
#include "studio/io/CairoWriter.h"
#include "studio/io/DocumentJson.h"
#include "studio/io/QuotedText.h"
#include "studio/io/SvgWriter.h"
#include "studio/web/DialogJson.h"
#include "studio/web/UndoBudget.h"

namespace studio::web {

using nlohmann::json;

namespace {
// How long the host thread waits for a request before it looks at the pages' heartbeats.
constexpr std::chrono::milliseconds kPoll{100};
// Whole documents kept for undo: at most this many, and at most this much
// memory together (the newest is kept whatever its size).
constexpr size_t kUndoDepth = 50;
constexpr size_t kUndoBytes = size_t{512} << 20;
// Exported pictures have the command's default resolution.
constexpr double kPngDpi = 150;
}  // namespace

struct StudioSession::Slot {
    std::promise<Reply> reply;
    uint64_t since = 0;
    std::optional<uint64_t> have;
    std::optional<Outcome> outcome;  // none while its work still runs
};

struct StudioSession::OpenDialog {
    Dialog* dialog = nullptr;
    uint64_t serial = 0;
    std::map<int32_t, std::pair<json, uint64_t>> published;  // item id -> what the page was shown, revision
};

// A filter run or the About box: one at a time, owned by the page that started it.
class StudioSession::Running {
public:
    Running(StudioSession& session, const std::string& client) : session_(session)
    {
        session_.running_ = true;
        session_.runOwner_ = client;
    }
    ~Running()
    {
        session_.running_ = false;
        session_.runOwner_.clear();
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    StudioSession& session_;
};

StudioSession::StudioSession(Document document, uint64_t seed, const std::filesystem::path& plugin, RequestQueue& queue,
                             Presence& presence, std::chrono::milliseconds heartbeatTimeout)
    : host_(std::move(document), seed), seed_(seed), plugin_(host_, plugin), queue_(queue), presence_(presence),
      heartbeatTimeout_(heartbeatTimeout)
{
    // The plug-in started with the accepting driver: nobody could answer a dialog yet.
    for (std::string& line : plugin_.takeErrorReports()) alerts_.emplace_back(++revision_, std::move(line));
    alertsSeen_ = host_.dialogs().alerts().size();
    host_.dialogs().setDriver(this);
    plugin_.runner().setRecord(defaultRecord(host_.document()));
    publish();
}

StudioSession::~StudioSession() { host_.dialogs().setDriver(nullptr); }

void StudioSession::serve()
{
    while (serveOne(nullptr)) {}
    answerServed();
}

bool StudioSession::serveOne(Dialog* modal)
{
    // The host is about to wait for the user: whatever was asked is answered now.
    if (queue_.empty()) answerServed();
    std::optional<Request> request = queue_.pop(kPoll);
    if (!request && queue_.closed()) return false;
    // The page that opened the dialog has gone: nobody can end it any more.
    if (modal && presence_.lost(heartbeatTimeout_)) {
        cancelDialog(*modal);
        if (request) queue_.pushFront(std::move(*request));
        return true;
    }
    if (!request) return true;
    auto slot = std::make_shared<Slot>();
    slot->reply = std::move(request->reply);
    slot->since = request->since;
    slot->have = request->have;
    served_.push_back(slot);
    try {
        slot->outcome = request->work(*this);
    } catch (const std::exception& e) {
        slot->outcome = Outcome::refused(500, e.what());
    } catch (...) {
        slot->outcome = Outcome::refused(500, "internal error");
    }
    return true;
}

void StudioSession::answerServed()
{
    if (served_.empty()) return;
    publish();
    std::vector<std::shared_ptr<Slot>> slots;
    slots.swap(served_);
    std::optional<std::string> svg;  // made once, for every page that needs it
    for (const auto& slot : slots) {
        // A request whose work is still running (it opened this dialog) is answered as done so far.
        Outcome outcome = slot->outcome ? std::move(*slot->outcome) : Outcome{};
        if (outcome.reply) {
            slot->reply.set_value(std::move(*outcome.reply));
            continue;
        }
        // Whatever fails here fails this answer only, never the session.
        try {
            json body = state(slot->since);
            if (slot->have && *slot->have < documentVersion_) {
                if (!svg) svg = documentToSvg(host_.document());
                body["preview"] = {{"version", documentVersion_}, {"svg", *svg}};
            }
            body["ok"] = outcome.status < 400;
            // Errors may quote what a client sent: only valid, printable text goes out.
            if (!outcome.error.empty()) body["error"] = printableText(outcome.error);
            slot->reply.set_value({outcome.status,
                                   "application/json",
                                   body.dump(-1, ' ', false, json::error_handler_t::replace),
                                   "",
                                   {}});
        } catch (const std::exception& e) {
            json body = {{"ok", false}, {"error", printableText(e.what())}};
            slot->reply.set_value(
                {500, "application/json", body.dump(-1, ' ', false, json::error_handler_t::replace), "", {}});
        }
    }
}

void StudioSession::runModal(Dialog& dialog)
{
    dialogs_.push_back({&dialog, ++serial_, {}});
    if (dialogs_.size() == 1) presence_.watch(runOwner_);
    while (!dialog.result)
        if (!serveOne(&dialog)) cancelDialog(dialog);
    dialogs_.pop_back();
    if (dialogs_.empty()) presence_.unwatch();
}

void StudioSession::cancelDialog(Dialog& dialog) { host_.dialogs().cancel(dialog); }

Outcome StudioSession::runFilter(const std::string& client)
{
    if (busy()) return Outcome::refused(409, "a dialog is open; close it first");
    if (host_.filters().empty()) return Outcome::refused(500, "the plug-in registered no filter");
    Document before = host_.document().clone();
    PluginRunner::RunResult run{};
    {
        Running running(*this, client);
        run = plugin_.runner().runFilter(true);
    }
    documentReplaced_ = true;
    if (std::optional<std::string> why = host_.takeRefusal())
        alerts_.emplace_back(++revision_, "The run ended early: " + *why);
    if (run.outcome == PluginRunner::Outcome::Cancelled) return {};
    // A failed drawing keeps what it drew, so it can be undone like any other.
    keepForUndo(std::move(before));
    return {};
}

Outcome StudioSession::showAbout(const std::string& client)
{
    if (busy()) return Outcome::refused(409, "a dialog is open; close it first");
    Running running(*this, client);
    plugin_.runner().about();
    return {};
}

Outcome StudioSession::act(const ScriptAction& action)
{
    if (dialogs_.empty()) return Outcome::refused(409, "no dialog is open");
    // `state` prints the dialog as text; the page has it as items already.
    std::ostringstream ignored;
    std::string refused = performAction(host_, *dialogs_.back().dialog, action, ignored);
    if (!refused.empty()) return Outcome::refused(422, quotedText(action.text) + ": " + refused);
    return {};
}

void StudioSession::keepForUndo(Document before)
{
    undo_.push_back(std::move(before));
    trimUndo(undo_, kUndoDepth, kUndoBytes);
    redo_.clear();
}

Outcome StudioSession::undo()
{
    if (busy()) return Outcome::refused(409, "a dialog is open; close it first");
    if (undo_.empty()) return Outcome::refused(409, "there is nothing to undo");
    redo_.push_back(host_.document().clone());
    host_.setDocument(std::move(undo_.back()));
    undo_.pop_back();
    documentReplaced_ = true;
    return {};
}

Outcome StudioSession::redo()
{
    if (busy()) return Outcome::refused(409, "a dialog is open; close it first");
    if (redo_.empty()) return Outcome::refused(409, "there is nothing to redo");
    undo_.push_back(host_.document().clone());
    host_.setDocument(std::move(redo_.back()));
    redo_.pop_back();
    documentReplaced_ = true;
    return {};
}

Outcome StudioSession::open(const std::string& text)
{
    if (busy()) return Outcome::refused(409, "a dialog is open; close it first");
    Document loaded;
    try {
        loaded = documentFromJson(text);
    } catch (const InputError& e) {
        return Outcome::refused(400, e.what());
    }
    keepForUndo(host_.document().clone());
    host_.setDocument(std::move(loaded));
    documentReplaced_ = true;
    return {};
}

Outcome StudioSession::document(DocumentFormat format, bool attachment)
{
    // While a dialog is open the document holds a preview, not a result.
    if (attachment && busy()) return Outcome::refused(409, "a dialog is open; close it first");
    Reply reply;
    switch (format) {
    case DocumentFormat::Json:
        reply = {200, "application/json", documentToJson(host_.document(), seed_), "focara.json", {}};
        break;
    case DocumentFormat::Svg: reply = {200, "image/svg+xml", documentToSvg(host_.document()), "focara.svg", {}}; break;
    case DocumentFormat::Png:
        reply = {200, "image/png", documentToPng(host_.document(), kPngDpi), "focara.png", {}};
        break;
    case DocumentFormat::Pdf:
        reply = {200, "application/pdf", documentToPdf(host_.document()), "focara.pdf", {}};
        break;
    }
    if (!attachment) reply.attachment.clear();
    // The page keeps the newest preview only; the version tells which one this is.
    publish();
    reply.headers.emplace_back("X-Document-Version", std::to_string(documentVersion_));
    return {200, "", std::move(reply)};
}

void StudioSession::publish()
{
    const Document& doc = host_.document();
    Fingerprint now{host_.redraws(), doc.journalSize(), doc.artCount(),
                    doc.view.zoom,   doc.view.center.h, doc.view.center.v};
    if (documentReplaced_ || !(now == fingerprint_)) ++documentVersion_;
    fingerprint_ = now;
    documentReplaced_ = false;

    for (OpenDialog& open : dialogs_) {
        for (const auto& item : open.dialog->items) {
            json shown = itemToJson(*item);
            auto [it, added] = open.published.try_emplace(item->id, shown, 0);
            if (added || it->second.first != shown) it->second = {std::move(shown), ++revision_};
        }
    }
    const std::vector<std::string>& alerts = host_.dialogs().alerts();
    for (; alertsSeen_ < alerts.size(); ++alertsSeen_) alerts_.emplace_back(++revision_, alerts[alertsSeen_]);
}

json StudioSession::state(uint64_t since) const
{
    const Document& doc = host_.document();
    json filters = json::array();
    for (const Host::RegisteredFilter& f : host_.filters())
        filters.push_back({{"category", f.category}, {"title", f.title}});

    json dialogs = json::array();
    for (const OpenDialog& open : dialogs_) {
        const Dialog& d = *open.dialog;
        json items = json::array();
        for (const auto& item : d.items) {
            auto it = open.published.find(item->id);
            if (it != open.published.end() && it->second.second > since) items.push_back(it->second.first);
        }
        dialogs.push_back({{"serial", open.serial},
                           {"name", d.name},
                           {"title", d.title},
                           {"width", dialogWidth(d)},
                           {"height", dialogHeight(d)},
                           {"items", std::move(items)}});
    }
    json alerts = json::array();
    for (const auto& [revision, text] : alerts_)
        if (revision > since) alerts.push_back(text);

    return {{"revision", revision_},
            {"filters", std::move(filters)},
            {"dialogs", std::move(dialogs)},
            {"running", running_},
            {"alerts", std::move(alerts)},
            {"canUndo", !undo_.empty()},
            {"canRedo", !redo_.empty()},
            {"seed", seed_},
            {"document",
             {{"version", documentVersion_},
              {"page", {{"width", doc.page.width}, {"height", doc.page.height}}},
              {"view", {{"center", {doc.view.center.h, doc.view.center.v}}, {"zoom", doc.view.zoom}}},
              {"paths", doc.artCount()}}}};
}

}  // namespace studio::web
