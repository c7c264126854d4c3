#include "studio/web/StudioSession.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>

#include "studio/host/RecordDefaults.h"
#include "studio/io/CairoWriter.h"
#include "studio/io/DocumentJson.h"
#include "studio/io/QuotedText.h"
#include "studio/io/SvgWriter.h"
#include "studio/session/AreaRun.h"
#include "studio/session/LookStart.h"
#include "studio/session/PresetPicture.h"
#include "studio/web/AreaJson.h"
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
// Entries of the filter's preset popup: " Reset" and 24 stored sets.
constexpr int32_t kPresetEntries = 25;

// The dialog item that shows a record field, or 0.
int32_t itemOfField(const char* name)
{
    for (const FocaraParamField& field : kFocaraParamFields)
        if (std::string_view(field.name) == name) return field.item;
    return 0;
}

// The CSS colour of a page background ("white", "none" or a colour's text); empty for white and none.
std::string pageColor(const std::string& background)
{
    std::optional<Color> color;
    try {
        color = backgroundColor(background);
    } catch (const std::invalid_argument&) {
    }
    if (!color || background == "white") return "";
    static constexpr char kHex[] = "0123456789abcdef";
    std::string css = "#";
    for (float channel : displayRgb(*color)) {
        const long v = std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f);
        css += kHex[v >> 4];
        css += kHex[v & 15];
    }
    return css;
}

// A stoppable piece of work on the host thread: the user may stop it from another thread.
class Stoppable {
public:
    explicit Stoppable(RunControl& control) : control_(control) { control_.beginWork(); }
    ~Stoppable() { control_.endWork(); }
    Stoppable(const Stoppable&) = delete;
    Stoppable& operator=(const Stoppable&) = delete;

private:
    RunControl& control_;
};
}  // namespace

struct StudioSession::Slot {
    std::promise<Reply> reply;
    uint64_t since = 0;
    std::string client;
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
        session_.runningFilter_ = false;
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
    // Idle, with no dialog open: the preset pictures are made one by one, each
    // short, so a request that comes meanwhile waits for one at most.
    if (!modal && !busy() && queue_.empty() && (drawAnimationFrame() || makePresetPicture() || makeLookPicture()))
        return true;
    std::optional<Request> request = queue_.pop(kPoll);
    if (!request && queue_.closed()) return false;
    // The page that opened the dialog has gone: nobody can end it any more.
    if (modal && presence_.lost(heartbeatTimeout_)) {
        if (std::string gone = presence_.watched(); !gone.empty())
            ended_[gone] = "The filter's dialog was cancelled because this page was not heard from for " +
                           std::to_string(heartbeatTimeout_.count() / 1000) +
                           " seconds; the document and the settings are as they were before it opened.";
        cancelDialog(*modal);
        if (request) queue_.pushFront(std::move(*request));
        return true;
    }
    if (!request) return true;
    auto slot = std::make_shared<Slot>();
    slot->reply = std::move(request->reply);
    slot->since = request->since;
    slot->client = request->client;
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
                // A drawing too large for the page's DOM is sent as pictures of what the page shows.
                if (host_.document().artCount() > kSvgPathBudget) {
                    body["preview"] = {{"version", documentVersion_}, {"raster", true}};
                } else {
                    if (!svg) svg = documentToSvg(host_.document());
                    body["preview"] = {{"version", documentVersion_}, {"svg", *svg}};
                }
            }
            if (auto it = ended_.find(slot->client); it != ended_.end() && !slot->client.empty()) {
                body["ended"] = it->second;
                ended_.erase(it);
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
    // The preview drawn as the dialog opened was stopped.
    if (dialogs_.size() == 1 && host_.control().stopRequested()) finishStop(dialog);
    host_.control().endWork();
    takeAreaDrawing();
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
    // Before the dialog opens, so that it shows the area's centre and distance.
    const std::optional<FocaraParams> unaimed = plugin_.runner().record();
    if (unaimed && area_) {
        FocaraParams aimed = *unaimed;
        aimRecordAtArea(aimed, *area_);
        plugin_.runner().setRecord(aimed);
    }
    PluginRunner::RunResult run{};
    {
        Running running(*this, client);
        runningFilter_ = true;
        areaRun_.emplace(host_.document());
        Stoppable stoppable(host_.control());
        run = plugin_.runner().runFilter(true);
        if (run.outcome != PluginRunner::Outcome::Cancelled) takeAreaDrawing();
        areaRun_.reset();
    }
    documentReplaced_ = true;
    if (std::optional<std::string> why = host_.takeRefusal())
        alerts_.emplace_back(++revision_, "The run ended early: " + *why);
    lastRunCancelled_ = run.outcome == PluginRunner::Outcome::Cancelled;
    if (run.outcome == PluginRunner::Outcome::Cancelled) {
        // Cancel leaves the settings as they were, before the area aimed them too.
        if (unaimed && area_) plugin_.runner().setRecord(*unaimed);
        return {};
    }
    // The area goes with the kept drawing, so that its animation pushes every frame out the same way.
    if (run.outcome == PluginRunner::Outcome::Drawn && plugin_.runner().record())
        kept_ = KeptSettings{*plugin_.runner().record(), host_.drawsAtLastUndo(), area_};
    else
        kept_.reset();
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
    Dialog& dialog = *dialogs_.back().dialog;
    std::string refused;
    bool stopped = false;
    {
        Stoppable stoppable(host_.control());
        refused = performAction(host_, dialog, action, ignored);
        stopped = host_.control().stopRequested();
    }
    // The dialog ended on its own (OK, Cancel) before the stop could matter.
    if (stopped && !dialog.result) finishStop(dialog);
    takeAreaDrawing();
    if (!refused.empty()) return Outcome::refused(422, quotedText(action.text) + ": " + refused);
    return {};
}

Outcome StudioSession::setArea(std::optional<ReferenceArea> area)
{
    // Only the filter's own dialog follows the area: a box over it comes first.
    if (dialogs_.size() > 1) return Outcome::refused(409, "a dialog is open over the filter's; close it first");
    area_ = std::move(area);
    if (!runningFilter_ || dialogs_.empty()) return {};
    Dialog& dialog = *dialogs_.front().dialog;
    bool stopped = false;
    {
        Stoppable stoppable(host_.control());
        aimDialogAtArea(dialog);
        stopped = host_.control().stopRequested();
    }
    if (stopped && !dialog.result) finishStop(dialog);
    takeAreaDrawing();
    return {};
}

void StudioSession::aimDialogAtArea(Dialog& dialog)
{
    // The fields an area sets; the last one is typed through the plug-in.
    static constexpr const char* kAimed[] = {"centerMode", "centerX",   "centerY",
                                             "midpointX",  "midpointY", "zoomDistance"};
    struct Shown {
        const FocaraParamField* field;
        DialogItem* item;
    };
    std::vector<Shown> shown;
    FocaraParams record{};  // the dialog's values of those fields
    for (const char* name : kAimed) {
        const FocaraParamField* field = FocaraParamFieldNamed(name);
        DialogItem* item = dialog.item(field->item);
        if (!item) throw std::runtime_error(std::string("the filter's dialog has no item for ") + name);
        double value = item->value;
        if (item->kind == ItemKind::Popup)
            value = item->active >= 0 && static_cast<size_t>(item->active) < item->entries.size()
                        ? item->entries[item->active].id
                        : 0;
        FocaraSetParamValue(&record, field, value);
        shown.push_back({field, item});
    }
    if (area_) aimRecordAtArea(record, *area_);
    // As typed: each box takes the value to its places; the boxes take them
    // quietly, and one notification has the plug-in read them all, so that a
    // change of the area draws one preview, not six.
    for (const Shown& s : shown) {
        const double value = FocaraParamValue(&record, s.field);
        if (s.item->kind == ItemKind::Popup) {
            const int32_t position = entryPosition(*s.item, static_cast<int32_t>(value));
            if (position >= 0) s.item->pending = position;
        } else {
            const double scale = std::pow(10.0, std::clamp(s.item->precision, 0, 6));
            s.item->pending = std::round(value * scale) / scale;
        }
        if (&s == &shown.back())
            host_.dialogs().userChanged(*s.item);
        else
            host_.dialogs().defaultNotify(*s.item);
    }
}

void StudioSession::takeAreaDrawing()
{
    if (!areaRun_) return;
    std::optional<FocaraParams> record = plugin_.runner().record();
    if (!record) return;
    areaRun_->take(host_.document(), area_ ? &*area_ : nullptr, *record);
}

void StudioSession::finishStop(Dialog& dialog)
{
    host_.control().endWork();
    // The filter run's undo context holds the previews only: the stopped one and what it had not yet taken away.
    host_.document().undo();
    // As a person would: click Preview off, so that nothing draws again until asked.
    const int32_t preview = itemOfField("preview");
    for (const auto& item : dialog.items) {
        if (item->id != preview || item->value == 0) continue;
        std::ostringstream ignored;
        ScriptAction off;
        off.kind = ScriptAction::Kind::Toggle;
        off.id = preview;
        off.text = "toggle " + std::to_string(preview);
        performAction(host_, dialog, off, ignored);
        break;
    }
    if (notices_.size() >= 20) notices_.erase(notices_.begin());
    notices_.emplace_back(++revision_, "Preview stopped: what it had drawn was taken away and Preview is off. "
                                       "OK draws the settings as they stand.");
}

Outcome StudioSession::raster(const RasterRegion& region)
{
    Reply reply;
    try {
        reply = {200, "image/png", regionToPng(host_.document(), region), "", {}};
    } catch (const InputError& e) {
        return Outcome::refused(400, e.what());
    }
    publish();
    reply.headers.emplace_back("X-Document-Version", std::to_string(documentVersion_));
    return {200, "", std::move(reply)};
}

Outcome StudioSession::newDocument(Page page)
{
    if (busy()) return Outcome::refused(409, "a dialog is open; close it first");
    if (!(page.width > 0 && page.height > 0 && page.width <= 16383 && page.height <= 16383))
        return Outcome::refused(400, "a page's width and height must lie above 0 and at most 16383 points");
    Document fresh;
    fresh.page = page;
    fresh.view.center = {page.width / 2, page.height / 2};
    // Settings that still point at the old page's centre follow it to the new one.
    if (std::optional<FocaraParams> record = plugin_.runner().record()) {
        const AIRealPoint old = host_.document().view.center;
        if (record->centerX == old.h && record->centerY == old.v) {
            record->centerX = fresh.view.center.h;
            record->centerY = fresh.view.center.v;
        }
        if (record->midpointX == old.h && record->midpointY == old.v) {
            record->midpointX = fresh.view.center.h;
            record->midpointY = fresh.view.center.v;
        }
        plugin_.runner().setRecord(*record);
    }
    keepForUndo(host_.document().clone());
    host_.setDocument(std::move(fresh));
    kept_.reset();
    documentReplaced_ = true;
    return {};
}

Outcome StudioSession::presetPicture(int32_t entry)
{
    if (entry < 0 || entry >= kPresetEntries) return Outcome::refused(404, "no such preset");
    if (static_cast<size_t>(entry) >= presetPictures_.size() || presetPictures_[entry].empty())
        return Outcome::refused(404, "this preset's picture is not made yet");
    Reply reply{200, "image/png", presetPictures_[entry], "", {{"Cache-Control", "max-age=3600"}}};
    return {200, "", std::move(reply)};
}

bool StudioSession::makePresetPicture()
{
    if (presetsFailed_ || presetsMade_ >= kPresetEntries || host_.filters().empty()) return false;
    const bool current = fingerprintNow() == fingerprint_;
    const bool alertsShown = alertsSeen_ == host_.dialogs().alerts().size();
    try {
        presetPictures_.resize(kPresetEntries);
        presetPictures_[presetsMade_] =
            drawPresetPicture(host_, plugin_.runner(), static_cast<int32_t>(presetsMade_), kPresetPictureWidth);
        ++presetsMade_;
    } catch (const std::exception&) {
        // A plug-in that cannot draw its presets gets plain names, not an error at every idle moment.
        presetsFailed_ = true;
    }
    // The scratch run is nobody's business: no new version, no alerts.
    if (current) fingerprint_ = fingerprintNow();
    if (alertsShown) alertsSeen_ = host_.dialogs().alerts().size();
    return true;
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
    kept_.reset();
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
    kept_.reset();
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
    kept_.reset();
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

Outcome StudioSession::exportPng(double dpi, std::optional<Color> background)
{
    if (busy()) return Outcome::refused(409, "a dialog is open; close it first");
    OutputOptions options;
    options.dpi = dpi;
    options.background = background;
    try {
        return {200, "", Reply{200, "image/png", documentToPng(host_.document(), options), "focara.png", {}}};
    } catch (const InputError& e) {
        return Outcome::refused(400, e.what());
    }
}

Outcome StudioSession::startAnimation(const AnimationRequest& request)
{
    if (busy()) return Outcome::refused(409, "a dialog is open; close it first");
    // While kept_ holds, the newest undo step is the document the kept run began with.
    if (!kept_ || undo_.empty())
        return Outcome::refused(409, "there is no drawing to animate: run the filter and click OK first (after Undo, "
                                     "Open or New, run it again)");
    animation_.reset();
    try {
        animation_.emplace(request, host_.document(),
                           KeptRun{undo_.back().clone(), kept_->record, kept_->drawsBefore, kept_->area}, seed_);
    } catch (const InputError& e) {
        return Outcome::refused(400, e.what());
    }
    return animationProgress();
}

Outcome StudioSession::animationProgress()
{
    if (!animation_) return Outcome::refused(404, "no animation is being drawn");
    return {200, "", Reply{200, "application/json", animation_->progress().dump(), "", {}}};
}

Outcome StudioSession::animationFile(size_t index)
{
    const std::string* bytes = animation_ ? animation_->file(index) : nullptr;
    if (!bytes) return Outcome::refused(404, "no such file of a finished animation");
    return {200, "", Reply{200, animation_->contentType(), *bytes, animation_->fileName(index), {}}};
}

Outcome StudioSession::cancelAnimation()
{
    animation_.reset();
    return {200, "", Reply{200, "application/json", json{{"ok", true}}.dump(), "", {}}};
}

bool StudioSession::drawAnimationFrame()
{
    if (!animation_ || animation_->done()) return false;
    const bool current = fingerprintNow() == fingerprint_;
    const bool alertsShown = alertsSeen_ == host_.dialogs().alerts().size();
    animation_->step(host_, plugin_.runner());
    // The scratch runs are nobody's business: no new version, no alerts.
    if (current) fingerprint_ = fingerprintNow();
    if (alertsShown) alertsSeen_ = host_.dialogs().alerts().size();
    return true;
}

Outcome StudioSession::looks()
{
    json list = json::array();
    const std::vector<Look>& all = allLooks();
    for (size_t i = 0; i < all.size(); ++i)
        list.push_back({{"name", all[i].name},
                        {"title", all[i].title},
                        {"description", all[i].description},
                        {"picture", i < lookPictures_.size() && !lookPictures_[i].empty()}});
    return {200, "", Reply{200, "application/json", list.dump(), "", {}}};
}

Outcome StudioSession::lookPicture(const std::string& name)
{
    const std::vector<Look>& all = allLooks();
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].name != name) continue;
        if (i >= lookPictures_.size() || lookPictures_[i].empty())
            return Outcome::refused(404, "this look's picture is not made yet");
        return {200, "", Reply{200, "image/png", lookPictures_[i], "", {{"Cache-Control", "max-age=3600"}}}};
    }
    return Outcome::refused(404, "no such look");
}

bool StudioSession::makeLookPicture()
{
    const std::vector<Look>& all = allLooks();
    if (looksFailed_ || looksMade_ >= all.size() || host_.filters().empty()) return false;
    const bool current = fingerprintNow() == fingerprint_;
    const bool alertsShown = alertsSeen_ == host_.dialogs().alerts().size();
    try {
        lookPictures_.resize(all.size());
        lookPictures_[looksMade_] = drawLookPicture(host_, plugin_.runner(), all[looksMade_], kLookPictureWidth);
        ++looksMade_;
    } catch (const std::exception&) {
        looksFailed_ = true;  // plain titles then
    }
    if (current) fingerprint_ = fingerprintNow();
    if (alertsShown) alertsSeen_ = host_.dialogs().alerts().size();
    return true;
}

Outcome StudioSession::runLook(const std::string& name, const std::string& client)
{
    if (busy()) return Outcome::refused(409, "a dialog is open; close it first");
    const Look* look = findLook(name);
    if (!look) {
        std::string names;
        for (const Look& l : allLooks()) names += (names.empty() ? "" : ", ") + l.name;
        return Outcome::refused(404, "no look named " + quotedText(name) + "; the looks are " + names);
    }
    const LookStart start = lookStart(*look, host_.document());
    // What the look replaces comes back when its dialog is cancelled.
    const std::optional<FocaraParams> record = plugin_.runner().record();
    const PathStyle style = host_.document().currentStyle;
    const std::string background = background_;
    applyToDocument(host_.document(), start.host);
    background_ = start.host.background;
    plugin_.runner().setRecord(start.record);
    lastRunCancelled_ = true;  // until a run says otherwise
    Outcome outcome = runFilter(client);
    if (lastRunCancelled_) {
        if (record) plugin_.runner().setRecord(*record);
        host_.document().currentStyle = style;
        background_ = background;
    }
    return outcome;
}

StudioSession::Fingerprint StudioSession::fingerprintNow() const
{
    const Document& doc = host_.document();
    return {host_.redraws(), doc.journalSize(), doc.artCount(), doc.view.zoom, doc.view.center.h, doc.view.center.v};
}

void StudioSession::publish()
{
    Fingerprint now = fingerprintNow();
    if (documentReplaced_ || !(now == fingerprint_)) ++documentVersion_;
    fingerprint_ = now;
    documentReplaced_ = false;

    for (OpenDialog& open : dialogs_) {
        // The filter's own dialog is the first one a filter run opens.
        const bool filterDialog = runningFilter_ && &open == &dialogs_.front();
        for (const auto& item : open.dialog->items) {
            json shown = itemToJson(*item, filterDialog);
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
    json notices = json::array();
    for (const auto& [revision, text] : notices_)
        if (revision > since) notices.push_back(text);

    return {{"revision", revision_},
            {"filters", std::move(filters)},
            {"dialogs", std::move(dialogs)},
            {"running", running_},
            {"alerts", std::move(alerts)},
            {"notices", std::move(notices)},
            {"presets", presetsMade_},
            {"canUndo", !undo_.empty()},
            {"canRedo", !redo_.empty()},
            {"seed", seed_},
            {"area", area_ ? areaToJson(*area_) : json()},
            {"background", background_},
            {"pageColor", pageColor(background_)},
            {"document",
             {{"version", documentVersion_},
              {"page", {{"width", doc.page.width}, {"height", doc.page.height}}},
              {"view", {{"center", {doc.view.center.h, doc.view.center.v}}, {"zoom", doc.view.zoom}}},
              {"paths", doc.artCount()}}}};
}

}  // namespace studio::web
