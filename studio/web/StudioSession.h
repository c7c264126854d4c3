// The studio's host thread: the host, the loaded plug-in, the document with
// its history of filter runs, and the modal dialogs open now. The plug-in and
// its suites are not thread-safe, so everything here runs on that one thread;
// HTTP handlers only post requests (RequestQueue) and wait for the answers.
//
// The session acts as the user in every modal dialog the plug-in opens: its
// modal loop serves the page's requests, each dialog action in the action
// language of the scripted driver. Every served request is answered when the
// host thread waits for the user again (an open dialog, or idle), with the
// state as it is then, so a change is answered with its new preview.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "studio/document/PageSizes.h"
#include "studio/document/ReferenceArea.h"
#include "studio/host/Host.h"
#include "studio/io/RasterPreview.h"
#include "studio/session/AreaPreviewPush.h"
#include "studio/session/FilterRun.h"
#include "studio/session/ScriptedDriver.h"
#include "studio/web/AnimationJob.h"
#include "studio/web/Presence.h"
#include "studio/web/RequestQueue.h"

namespace studio::web {

enum class DocumentFormat { Json, Svg, Png, Pdf };

class StudioSession : private UiDriver {
public:
    // Loads and starts the plug-in; throws InputError when it cannot be loaded.
    StudioSession(Document document, uint64_t seed, const std::filesystem::path& plugin, RequestQueue& queue,
                  Presence& presence, std::chrono::milliseconds heartbeatTimeout);
    ~StudioSession() override;
    StudioSession(const StudioSession&) = delete;
    StudioSession& operator=(const StudioSession&) = delete;

    // Serves requests until the queue is closed; a dialog open then is cancelled.
    void serve();

    // The work of the requests. Each refuses what a person could not do
    // either: a second dialog over an open one, an action with no dialog open.
    Outcome runFilter(const std::string& client);
    Outcome showAbout(const std::string& client);
    // One action of the scripted driver's language in the innermost open dialog.
    Outcome act(const ScriptAction& action);
    Outcome undo();
    Outcome redo();
    // Replaces the document with a JSON document; the one it replaces can be had back with undo.
    Outcome open(const std::string& json);
    // The document as a file to save, or (attachment false) the preview the page shows.
    Outcome document(DocumentFormat format, bool attachment);
    // Export PNG at dpi on background (nullopt: transparent).
    Outcome exportPng(double dpi, std::optional<Color> background);
    // A picture of part of the page: the preview of a drawing too large for SVG.
    Outcome raster(const RasterRegion& region);
    // A new empty document with this page; the one it replaces can be had back with undo.
    Outcome newDocument(Page page);
    // The picture of preset popup entry `entry`, once made (404 before).
    Outcome presetPicture(int32_t entry);
    // Sets or (nullopt) removes the reference area. Runs aim at it and push
    // their lines out to it; with the filter's dialog open, the dialog's centre
    // and distance follow it and the preview is drawn again.
    Outcome setArea(std::optional<ReferenceArea> area);
    // File > Export Animation: starts drawing the last kept drawing's frames
    // (one that is still drawing is dropped); refused when no run's drawing
    // is the document now. The progress, the files once done, and dropping them.
    Outcome startAnimation(const AnimationRequest& request);
    Outcome animationProgress();
    Outcome animationFile(size_t index);
    Outcome cancelAnimation();
    // Looks: the list (name, title, description, whether its picture is made),
    // a look's picture once made, and running the filter from a look's
    // settings: its record, fill, stroke and background. Cancel puts back the
    // settings it replaced.
    Outcome looks();
    Outcome lookPicture(const std::string& name);
    Outcome runLook(const std::string& name, const std::string& client);
    Outcome nothing() { return {}; }

    // Above this many paths the page is sent pictures of what it shows, not SVG.
    static constexpr size_t kSvgPathBudget = 5000;
    // Preset pictures are this many pixels wide.
    static constexpr int kPresetPictureWidth = 96;
    static constexpr int kLookPictureWidth = 120;

    Host& host() { return host_; }
    const Document& currentDocument() const { return host_.document(); }
    std::optional<FocaraParams> record() { return plugin_.runner().record(); }

private:
    struct Slot;
    struct OpenDialog;
    class Running;

    void runModal(Dialog& dialog) override;
    // Serves one request, or waits a little; false once the queue is closed.
    bool serveOne(Dialog* modal);
    void answerServed();
    void publish();
    nlohmann::json state(uint64_t since) const;
    void cancelDialog(Dialog& dialog);
    // The user stopped the preview: what it drew goes, Preview goes off.
    void finishStop(Dialog& dialog);
    // Makes the next missing preset picture while nobody waits; false when none is missing.
    bool makePresetPicture();
    // Draws the next frame of the animation asked for while nobody waits; false when there is none to draw.
    bool drawAnimationFrame();
    // Makes the next missing look picture while nobody waits; false when none is missing.
    bool makeLookPicture();
    void keepForUndo(Document before);
    // The dialog's centre, midpoint and distance set to the area's, then one redraw.
    void aimDialogAtArea(Dialog& dialog);
    // Pushes out what the filter run drew since the last time, when an area is set.
    void takeAreaDrawing();
    bool busy() const { return running_; }

    Host host_;
    uint64_t seed_;
    PluginSession plugin_;
    RequestQueue& queue_;
    Presence& presence_;
    std::chrono::milliseconds heartbeatTimeout_;

    std::vector<Document> undo_;
    std::vector<Document> redo_;
    bool running_ = false;        // a filter or the About box runs
    std::string runOwner_;        // the page that started it
    bool runningFilter_ = false;  // the run is the filter's, not the About box

    std::vector<std::shared_ptr<Slot>> served_;  // served, not yet answered
    std::vector<OpenDialog> dialogs_;            // open now, innermost last

    // What the page has seen: every published change gets the next revision.
    uint64_t revision_ = 0;
    uint64_t serial_ = 0;  // dialogs opened so far
    struct Fingerprint {
        int redraws = 0;
        size_t journal = 0, art = 0;
        float zoom = 0, centerX = 0, centerY = 0;
        bool operator==(const Fingerprint&) const = default;
    } fingerprint_;
    Fingerprint fingerprintNow() const;
    uint64_t documentVersion_ = 1;
    bool documentReplaced_ = false;
    std::vector<std::pair<uint64_t, std::string>> alerts_;  // by revision
    size_t alertsSeen_ = 0;
    std::vector<std::pair<uint64_t, std::string>> notices_;  // by revision: what the host did for the user
    std::map<std::string, std::string> ended_;               // pages whose dialog was ended for them: what to tell them

    std::optional<ReferenceArea> area_;
    std::optional<AreaPreviewPush> areaRun_;  // while a filter runs

    std::vector<std::string> presetPictures_;  // by entry; empty until made
    size_t presetsMade_ = 0;
    bool presetsFailed_ = false;

    // The last run kept, while the document is its drawing (the document it
    // began with is the newest undo step then).
    struct KeptSettings {
        FocaraParams record{};
        uint64_t drawsBefore = 0;
        std::optional<ReferenceArea> area;  // the area its lines were pushed out to
    };
    std::optional<KeptSettings> kept_;
    std::optional<AnimationJob> animation_;

    std::vector<std::string> lookPictures_;  // by place in the list; empty until made
    size_t looksMade_ = 0;
    bool looksFailed_ = false;
    std::string background_ = "white";  // the page's colour, as the last look chose it
    bool lastRunCancelled_ = false;
};

}  // namespace studio::web
