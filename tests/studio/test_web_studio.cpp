// focara studio's HTTP API, in process: a server on an ephemeral loopback
// port with the built plug-in, driven by httplib::Client as the page drives it.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <nlohmann/json.hpp>
#include <thread>

#include "studio/io/DocumentJson.h"
#include "studio/web/RequestQueue.h"
#include "studio/web/StudioServer.h"
#include "tests/support/FocaraCommand.h"
#include "tests/support/TempDir.h"

using nlohmann::json;
using studio::web::StudioOptions;
using studio::web::StudioServer;

namespace {

StudioOptions options()
{
    StudioOptions o;
    o.seed = 1;
#ifdef FOCARA_PLUGIN_PATH
    o.plugin = FOCARA_PLUGIN_PATH;
#endif
    return o;
}

class Studio : public ::testing::Test {
protected:
    void SetUp() override { start(options()); }
    void TearDown() override { stop(); }

    void start(StudioOptions o)
    {
        server = std::make_unique<StudioServer>(std::move(o));
        port = server->bind(0);
        serving = std::thread([this] { server->run(); });
        client = std::make_unique<httplib::Client>(StudioServer::kAddress, port);
        client->set_read_timeout(std::chrono::seconds(30));
    }

    void stop()
    {
        if (!server) return;
        server->stop();
        serving.join();
        server.reset();
    }

    struct Answer {
        int status = 0;
        json body;
    };

    Answer post(const std::string& path, const std::string& body = "")
    {
        auto res = client->Post(path.c_str(), body, "text/plain");
        if (!res) {
            ADD_FAILURE() << "POST " << path << ": no answer";
            return {};
        }
        return {res->status, res->body.empty() ? json() : json::parse(res->body)};
    }

    Answer get(const std::string& path)
    {
        auto res = client->Get(path.c_str());
        if (!res) {
            ADD_FAILURE() << "GET " << path << ": no answer";
            return {};
        }
        return {res->status, json::parse(res->body)};
    }

    Answer act(const std::string& action) { return post("/api/dialog", action); }
    size_t paths() { return get("/api/state").body["document"]["paths"].get<size_t>(); }

    std::unique_ptr<StudioServer> server;
    int port = 0;
    std::thread serving;
    std::unique_ptr<httplib::Client> client;
};

const json* findItem(const json& dialog, int id)
{
    for (const json& item : dialog["items"])
        if (item["id"] == id) return &item;
    return nullptr;
}

TEST_F(Studio, ServesItsPageFromTheProgram)
{
    auto page = client->Get("/");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->get_header_value("Content-Type").find("text/html"), std::string::npos);
    EXPECT_NE(page->body.find("app.js"), std::string::npos);
    auto script = client->Get("/app.js");
    ASSERT_TRUE(script);
    EXPECT_EQ(script->status, 200);
    EXPECT_NE(script->get_header_value("Content-Type").find("javascript"), std::string::npos);
    auto missing = client->Get("/nothing.html");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->status, 404);
}

TEST_F(Studio, StateNamesTheFilterThePlugInRegistered)
{
    Answer state = get("/api/state");
    EXPECT_EQ(state.status, 200);
    ASSERT_EQ(state.body["filters"].size(), 1u);
    EXPECT_EQ(state.body["filters"][0]["category"], "Lumo <Create>");
    EXPECT_EQ(state.body["filters"][0]["title"], "Focara...");
    EXPECT_TRUE(state.body["dialogs"].empty());
    EXPECT_EQ(state.body["seed"], 1);
    EXPECT_EQ(state.body["document"]["page"]["width"], 612);
    EXPECT_FALSE(state.body["canUndo"]);
}

TEST_F(Studio, OpeningTheFilterAnswersOnceItsDialogWaitsForTheUser)
{
    Answer opened = post("/api/filter");
    ASSERT_EQ(opened.status, 200) << opened.body.dump();
    ASSERT_EQ(opened.body["dialogs"].size(), 1u);
    const json& dialog = opened.body["dialogs"][0];
    EXPECT_EQ(dialog["name"], "Vexo_Zoom");
    EXPECT_EQ(dialog["title"], "Focara Plug-in");
    EXPECT_TRUE(opened.body["running"]);
    EXPECT_EQ(dialog["width"], 460);
    EXPECT_EQ(dialog["height"], 355);
    EXPECT_EQ(dialog["items"].size(), 147u);
    const json* lines = findItem(dialog, 11);
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ((*lines)["value"], 30);
    EXPECT_EQ(opened.body["document"]["paths"], 30);
    // The same state again carries no item the client has already seen.
    Answer again = get("/api/state?since=" + std::to_string(opened.body["revision"].get<uint64_t>()));
    ASSERT_EQ(again.body["dialogs"].size(), 1u);
    EXPECT_TRUE(again.body["dialogs"][0]["items"].empty());
    EXPECT_EQ(act("cancel").status, 200);
}

TEST_F(Studio, AValueChangeAnswersWithTheChangedItemsAndTheNewPreview)
{
    Answer opened = post("/api/filter");
    uint64_t revision = opened.body["revision"];
    uint64_t version = opened.body["document"]["version"];
    Answer changed = post("/api/dialog?since=" + std::to_string(revision), "set 11 50");
    ASSERT_EQ(changed.status, 200) << changed.body.dump();
    const json& items = changed.body["dialogs"][0]["items"];
    ASSERT_FALSE(items.empty());
    EXPECT_LT(items.size(), 10u) << "only what changed is sent";
    const json* lines = findItem(changed.body["dialogs"][0], 11);
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ((*lines)["value"], 50);
    EXPECT_EQ(changed.body["document"]["paths"], 50);
    EXPECT_GT(changed.body["document"]["version"].get<uint64_t>(), version);
    auto svg = client->Get("/api/document.svg");
    ASSERT_TRUE(svg);
    size_t count = 0;
    for (size_t at = svg->body.find("<path"); at != std::string::npos; at = svg->body.find("<path", at + 1)) ++count;
    EXPECT_EQ(count, 50u);
    EXPECT_EQ(act("cancel").status, 200);
}

TEST_F(Studio, CancelLeavesTheDocumentAsItWas)
{
    post("/api/filter");
    act("set 11 50");
    Answer cancelled = act("cancel");
    EXPECT_EQ(cancelled.status, 200);
    EXPECT_TRUE(cancelled.body["dialogs"].empty());
    EXPECT_FALSE(cancelled.body["running"]);
    EXPECT_EQ(cancelled.body["document"]["paths"], 0);
    EXPECT_FALSE(cancelled.body["canUndo"]) << "a cancelled run is nothing to undo";
}

TEST_F(Studio, OkKeepsTheLinesAndUndoAndRedoSwapWholeFilterRuns)
{
    post("/api/filter");
    Answer accepted = act("ok");
    ASSERT_EQ(accepted.status, 200) << accepted.body.dump();
    EXPECT_TRUE(accepted.body["dialogs"].empty()) << "the answer waits for the whole run";
    EXPECT_EQ(accepted.body["document"]["paths"], 30);
    EXPECT_TRUE(accepted.body["canUndo"]);

    Answer undone = post("/api/undo");
    EXPECT_EQ(undone.status, 200);
    EXPECT_EQ(undone.body["document"]["paths"], 0);
    EXPECT_FALSE(undone.body["canUndo"]);
    EXPECT_TRUE(undone.body["canRedo"]);
    EXPECT_EQ(post("/api/undo").status, 409);

    Answer redone = post("/api/redo");
    EXPECT_EQ(redone.body["document"]["paths"], 30);
    EXPECT_FALSE(redone.body["canRedo"]);

    // A new run after an undo drops what could be redone.
    post("/api/undo");
    post("/api/filter");
    Answer second = act("ok");
    EXPECT_EQ(second.body["document"]["paths"], 30);
    EXPECT_FALSE(second.body["canRedo"]);
}

TEST_F(Studio, RefusesWhatAPersonCouldNotDoEither)
{
    Answer noDialog = act("ok");
    EXPECT_EQ(noDialog.status, 409);
    EXPECT_EQ(noDialog.body["error"], "no dialog is open");

    post("/api/filter");
    EXPECT_EQ(post("/api/filter").status, 409) << "a second dialog over the open one";
    EXPECT_EQ(post("/api/about").status, 409);
    EXPECT_EQ(post("/api/undo").status, 409);
    EXPECT_EQ(post("/api/document", "{}").status, 409);
    auto save = client->Get("/api/document.json");
    ASSERT_TRUE(save);
    EXPECT_EQ(save->status, 409) << "the document holds a preview while the dialog is open";
    EXPECT_EQ(act("set 11 50; ok").status, 400) << "one action per request";
    EXPECT_EQ(act("").status, 400);
    Answer unknown = act("click 9999");
    EXPECT_EQ(unknown.status, 422);
    EXPECT_FALSE(unknown.body["error"].get<std::string>().empty());
    EXPECT_EQ(unknown.body["dialogs"].size(), 1u) << "a refused action leaves the dialog open";
    EXPECT_EQ(act("cancel").status, 200);
}

TEST_F(Studio, AMalformedDocumentIsRefusedWithOneLineAndChangesNothing)
{
    post("/api/filter");
    act("ok");
    for (const std::string text : {"{", "[]", R"({"page": {"width": -5}})", R"({"colour": "rgb"})"}) {
        Answer refused = post("/api/document", text);
        EXPECT_EQ(refused.status, 400) << text;
        std::string error = refused.body["error"];
        EXPECT_FALSE(error.empty()) << text;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        EXPECT_EQ(refused.body["document"]["paths"], 30) << text;
    }
    Answer bad = post("/api/document", R"({"page": {"width": -5}})");
    EXPECT_NE(bad.body["error"].get<std::string>().find("page.width"), std::string::npos) << bad.body["error"];
}

TEST_F(Studio, AnOpenedDocumentReplacesTheSessionsDocumentAndUndoBringsTheOldOneBack)
{
    Answer opened = post("/api/document", R"({"page": {"width": 300, "height": 200}, "view": {"center": [150, 100]}})");
    ASSERT_EQ(opened.status, 200) << opened.body.dump();
    EXPECT_EQ(opened.body["document"]["page"]["width"], 300);
    EXPECT_EQ(opened.body["document"]["view"]["center"][0], 150);
    EXPECT_TRUE(opened.body["canUndo"]);
    EXPECT_EQ(post("/api/undo").body["document"]["page"]["width"], 612);
}

TEST_F(Studio, SavedDocumentsReadBackAndExportsAreFiles)
{
    post("/api/filter");
    act("ok");
    auto saved = client->Get("/api/document.json");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->status, 200);
    EXPECT_NE(saved->get_header_value("Content-Disposition").find("focara.json"), std::string::npos);
    std::optional<uint64_t> seed;
    studio::Document doc = studio::documentFromJson(saved->body, &seed);
    EXPECT_EQ(doc.artCount(), 30u);
    EXPECT_EQ(seed, 1u);

    auto svg = client->Get("/api/export/svg");
    ASSERT_TRUE(svg);
    EXPECT_EQ(svg->status, 200);
    EXPECT_EQ(svg->get_header_value("Content-Type"), "image/svg+xml");
    EXPECT_NE(svg->get_header_value("Content-Disposition").find("focara.svg"), std::string::npos);
    EXPECT_NE(svg->body.find("<svg"), std::string::npos);

    auto png = client->Get("/api/export/png");
    ASSERT_TRUE(png);
    EXPECT_EQ(png->status, 200);
    EXPECT_EQ(png->get_header_value("Content-Type"), "image/png");
    ASSERT_GT(png->body.size(), 24u);
    EXPECT_EQ(png->body.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(png->body[25], 2) << "on white: RGB";
    auto clear = client->Get("/api/export/png?dpi=72&background=none");
    ASSERT_TRUE(clear);
    ASSERT_EQ(clear->status, 200);
    EXPECT_EQ(clear->body[25], 6) << "transparent: RGBA";
    EXPECT_EQ(clear->body[19], char(612 & 255)) << "72 pixels per inch: 612 wide";
    for (const char* bad : {"/api/export/png?dpi=0", "/api/export/png?background=blue"}) {
        auto refused = client->Get(bad);
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->status, 400) << bad;
    }
    auto pdf = client->Get("/api/export/pdf");
    ASSERT_TRUE(pdf);
    EXPECT_EQ(pdf->status, 200);
    EXPECT_EQ(pdf->get_header_value("Content-Type"), "application/pdf");
    EXPECT_EQ(pdf->body.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf->get_header_value("Content-Disposition").find("focara.pdf"), std::string::npos);
}

TEST_F(Studio, TheAboutBoxShowsTheTemplatesTexts)
{
    Answer about = post("/api/about");
    ASSERT_EQ(about.status, 200) << about.body.dump();
    ASSERT_EQ(about.body["dialogs"].size(), 1u);
    const json& box = about.body["dialogs"][0];
    EXPECT_EQ(box["name"], "About Dialog");
    EXPECT_EQ(box["title"], "Focara Plug-in About");
    const json* version = findItem(box, 5);
    ASSERT_NE(version, nullptr);
    EXPECT_EQ((*version)["text"], "Version 1.0.0");
    const json* ok = findItem(box, 1);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ((*ok)["kind"], "push button");
    Answer closed = act("ok");
    EXPECT_TRUE(closed.body["dialogs"].empty());
    EXPECT_FALSE(closed.body["running"]);
}

TEST_F(Studio, APageThatSaysFarewellHasItsDialogCancelled)
{
    post("/api/heartbeat?client=page-1");
    post("/api/filter?client=page-1");
    act("set 11 50");
    post("/api/bye?client=page-1");
    // The host thread looks at the pages between requests, a few times a second.
    Answer state;
    for (int i = 0; i < 50; ++i) {
        state = get("/api/state");
        if (state.body["dialogs"].empty()) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(state.body["dialogs"].empty());
    EXPECT_EQ(state.body["document"]["paths"], 0);
}

TEST_F(Studio, OnlyTheDialogsOwnPageCountsAndScriptsAreNotWatched)
{
    post("/api/heartbeat?client=page-1");
    post("/api/filter");  // no client: not watched
    post("/api/bye?client=page-1");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(get("/api/state").body["dialogs"].size(), 1u);
    act("cancel");
}

TEST(StudioErrors, ThePlugInsErrorDialogIsADialogOfThePageToo)
{
    StudioOptions o = options();
    // The parameter dialog cannot open: the plug-in reports it in its error dialog.
    o.onStart = [](studio::Host& host) { host.faults().failNth("Modal", 1, -1); };
    StudioServer server(std::move(o));
    int port = server.bind(0);
    std::thread serving([&] { server.run(); });
    httplib::Client client(StudioServer::kAddress, port);
    auto opened = client.Post("/api/filter", "", "text/plain");
    ASSERT_TRUE(opened);
    json state = json::parse(opened->body);
    ASSERT_EQ(state["dialogs"].size(), 1u) << state.dump();
    const json& box = state["dialogs"][0];
    EXPECT_EQ(box["name"], "Error Dialog");
    const json* message = findItem(box, 2);
    ASSERT_NE(message, nullptr);
    EXPECT_FALSE((*message)["text"].get<std::string>().empty());
    auto closed = client.Post("/api/dialog", "ok", "text/plain");
    ASSERT_TRUE(closed);
    state = json::parse(closed->body);
    EXPECT_TRUE(state["dialogs"].empty());
    EXPECT_FALSE(state["running"]);
    EXPECT_EQ(state["document"]["paths"], 0);
    server.stop();
    serving.join();
}

TEST(StudioPresence, ASilentPageHasItsDialogCancelled)
{
    StudioOptions o = options();
    o.heartbeatTimeout = std::chrono::milliseconds(300);
    StudioServer server(std::move(o));
    int port = server.bind(0);
    std::thread serving([&] { server.run(); });
    httplib::Client client(StudioServer::kAddress, port);
    client.Post("/api/heartbeat?client=page-1", "", "text/plain");
    auto opened = client.Post("/api/filter?client=page-1", "", "text/plain");
    ASSERT_TRUE(opened);
    EXPECT_EQ(json::parse(opened->body)["dialogs"].size(), 1u);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    auto state = client.Get("/api/state");
    ASSERT_TRUE(state);
    EXPECT_TRUE(json::parse(state->body)["dialogs"].empty());
    server.stop();
    serving.join();
}

TEST(StudioStop, StoppingMidDialogCancelsTheFilter)
{
    StudioOptions o = options();
    size_t artAtStop = 99;
    std::optional<FocaraParams> recordAtStop;
    o.onStop = [&](const studio::Document& doc, const std::optional<FocaraParams>& record) {
        artAtStop = doc.artCount();
        recordAtStop = record;
    };
    StudioServer server(std::move(o));
    int port = server.bind(0);
    std::thread serving([&] { server.run(); });
    httplib::Client client(StudioServer::kAddress, port);
    auto opened = client.Post("/api/filter", "", "text/plain");
    ASSERT_TRUE(opened);
    client.Post("/api/dialog", "set 11 50", "text/plain");
    server.stop();
    serving.join();
    EXPECT_EQ(artAtStop, 0u);
    ASSERT_TRUE(recordAtStop);
    EXPECT_EQ(recordAtStop->previewDrawn, 0);
    EXPECT_EQ(recordAtStop->lineCount, 30);
    // Requests after the stop are answered at once.
    auto late = client.Get("/api/state");
    EXPECT_FALSE(late && late->status == 200) << "served after the stop";
}

// The largest drawing the dialog allows, set up with Preview off.
void setUpLargestDrawing(const std::function<json(const std::string&)>& act)
{
    for (const char* action : {"toggle 3", "click 93", "set 26 40", "click 91", "set 15 60", "click 95", "toggle 131",
                               "click 90", "set 11 300"})
        EXPECT_EQ(act(action)["ok"], true) << action;
}

TEST_F(Studio, StopEndsAPreviewTakesWhatItDrewAwayAndTurnsPreviewOff)
{
    post("/api/filter");
    setUpLargestDrawing([&](const std::string& a) { return act(a).body; });
    ASSERT_EQ(paths(), 30u) << "Preview off keeps the preview it shows";
    // Another page presses Stop once the preview is well under way.
    std::thread stopper([port = port] {
        httplib::Client other(StudioServer::kAddress, port);
        for (int i = 0; i < 2000; ++i) {
            auto progress = other.Get("/api/progress");
            if (progress && json::parse(progress->body)["drawn"].get<uint64_t>() > 1000) {
                other.Post("/api/stop", "", "text/plain");
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    Answer stopped = act("toggle 3");
    stopper.join();
    ASSERT_EQ(stopped.status, 200) << stopped.body.dump();
    ASSERT_EQ(stopped.body["dialogs"].size(), 1u) << "the dialog stays open";
    EXPECT_EQ((*findItem(stopped.body["dialogs"][0], 3))["value"], 0) << "Preview is off";
    EXPECT_EQ(stopped.body["document"]["paths"], 0);
    ASSERT_EQ(stopped.body["notices"].size(), 1u);
    EXPECT_TRUE(stopped.body["notices"][0].get<std::string>().starts_with("Preview stopped"));
    EXPECT_FALSE(get("/api/progress").body["working"]);
    EXPECT_FALSE(post("/api/stop").body["stopping"]) << "nothing runs now";

    // OK draws the settings as they stand, made small again.
    for (const char* action : {"click 93", "set 26 1", "click 91", "set 15 0", "click 95", "toggle 131", "ok"})
        ASSERT_EQ(act(action).status, 200) << action;
    EXPECT_EQ(paths(), 300u);
}

TEST_F(Studio, ALargeDrawingIsSentAsPicturesOfTheRegionAskedFor)
{
    post("/api/filter");
    act("click 93");
    act("set 26 40");
    act("click 90");
    // 40 sets of 200 lines: too many paths for SVG.
    Answer changed = post("/api/dialog?have=1", "set 11 200");
    ASSERT_EQ(changed.status, 200);
    EXPECT_EQ(changed.body["document"]["paths"], 8000);
    ASSERT_TRUE(changed.body.contains("preview"));
    EXPECT_EQ(changed.body["preview"]["raster"], true);
    EXPECT_FALSE(changed.body["preview"].contains("svg"));

    auto picture = client->Get("/api/raster?x=100&y=200&w=300&h=100&scale=2");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->status, 200);
    EXPECT_EQ(picture->get_header_value("Content-Type"), "image/png");
    EXPECT_EQ(picture->get_header_value("X-Document-Version"),
              std::to_string(changed.body["document"]["version"].get<uint64_t>()));
    ASSERT_GT(picture->body.size(), 24u);
    auto be32 = [&](size_t at) {
        auto b = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(picture->body[at + i])); };
        return b(0) << 24 | b(1) << 16 | b(2) << 8 | b(3);
    };
    EXPECT_EQ(be32(16), 600u);
    EXPECT_EQ(be32(20), 200u);
    for (const char* bad : {"/api/raster?x=0&y=0&w=0&h=10&scale=1", "/api/raster?x=0&y=0&w=10&h=10",
                            "/api/raster?x=nan&y=0&w=10&h=10&scale=1", "/api/raster?x=0&y=0&w=612&h=792&scale=100"}) {
        auto refused = client->Get(bad);
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->status, 400) << bad;
    }
    act("cancel");
}

TEST_F(Studio, FileNewMakesAnEmptyDocumentOfTheSizeAsked)
{
    struct Case {
        const char* body;
        int status;
        double width, height;
    } cases[] = {
        {"a4", 200, 595.28, 841.89},
        {"A4 landscape", 200, 841.89, 595.28},
        {"b5 portrait", 200, 515.91, 728.5},
        {"400x300", 200, 400, 300},
        {"300x400 landscape", 200, 400, 300},
        {"a3", 400, 0, 0},
        {"a4 sideways", 400, 0, 0},
        {"0x300", 400, 0, 0},
        {"12x", 400, 0, 0},
        {"100000x100", 400, 0, 0},
    };
    for (const Case& c : cases) {
        Answer made = post("/api/new", c.body);
        ASSERT_EQ(made.status, c.status) << c.body << ": " << made.body.dump();
        if (c.status != 200) {
            EXPECT_FALSE(made.body["error"].get<std::string>().empty());
            continue;
        }
        EXPECT_NEAR(made.body["document"]["page"]["width"].get<double>(), c.width, 0.01) << c.body;
        EXPECT_NEAR(made.body["document"]["page"]["height"].get<double>(), c.height, 0.01) << c.body;
        EXPECT_EQ(made.body["document"]["paths"], 0);
    }
    // The burst follows the page: its centre is the new page's centre.
    post("/api/new", "a4 landscape");
    post("/api/filter");
    EXPECT_EQ(act("ok").status, 200);
    auto doc = studio::documentFromJson(client->Get("/api/document.json")->body);
    EXPECT_FLOAT_EQ(doc.view.center.h, 841.89f / 2);
    // Undo takes back one new document at a time.
    post("/api/undo");
    EXPECT_EQ(post("/api/undo").body["document"]["paths"], 0);
}

TEST_F(Studio, ValueItemsOfTheFiltersDialogSayWhatFieldTheyEdit)
{
    Answer opened = post("/api/filter");
    const json& dialog = opened.body["dialogs"][0];
    const json* preset = findItem(dialog, 161);
    ASSERT_NE(preset, nullptr);
    EXPECT_EQ((*preset)["field"]["name"], "presetIndex");
    EXPECT_EQ((*preset)["field"]["title"], "Preset");
    EXPECT_EQ((*findItem(dialog, 11))["field"]["unit"], "lines");
    EXPECT_FALSE(findItem(dialog, 65)->contains("field")) << "a label edits nothing";
    act("cancel");
    Answer about = post("/api/about");
    for (const json& item : about.body["dialogs"][0]["items"]) EXPECT_FALSE(item.contains("field")) << item.dump();
    act("ok");
}

TEST_F(Studio, PresetPicturesAreMadeWhileNoDialogIsOpen)
{
    Answer state;
    for (int i = 0; i < 200; ++i) {
        state = get("/api/state");
        if (state.body["presets"] == 25) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_EQ(state.body["presets"], 25);
    EXPECT_EQ(state.body["document"]["paths"], 0) << "the scratch runs leave the document alone";
    EXPECT_FALSE(state.body["canUndo"]);
    auto picture = client->Get("/api/preset/7.png");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->status, 200);
    EXPECT_EQ(picture->body.substr(1, 3), "PNG");
    EXPECT_EQ(client->Get("/api/preset/25.png")->status, 404);
}

TEST(StudioPresence, APageWaitingForAnAnswerIsNotTakenForGoneAndOneThatWasIsTold)
{
    StudioOptions o = options();
    o.heartbeatTimeout = std::chrono::milliseconds(300);
    StudioServer server(std::move(o));
    int port = server.bind(0);
    std::thread serving([&] { server.run(); });
    httplib::Client client(StudioServer::kAddress, port);
    client.set_read_timeout(std::chrono::seconds(60));
    auto act = [&](const std::string& action) {
        auto res = client.Post("/api/dialog?client=page-1", action, "text/plain");
        return res ? json::parse(res->body) : json();
    };
    client.Post("/api/heartbeat?client=page-1", "", "text/plain");
    ASSERT_TRUE(client.Post("/api/filter?client=page-1", "", "text/plain"));
    client.Post("/api/heartbeat?client=page-1", "", "text/plain");
    setUpLargestDrawing(act);
    // A preview far longer than the heartbeat timeout, with no heartbeat meanwhile.
    json drawn = act("toggle 3");
    ASSERT_EQ(drawn["dialogs"].size(), 1u) << "cancelled while its page waited";
    EXPECT_EQ(drawn["document"]["paths"], 744000);
    EXPECT_FALSE(drawn.contains("ended"));

    // Now silent for real: the dialog goes, and the page hears why when it comes back.
    std::this_thread::sleep_for(std::chrono::milliseconds(900));
    json back = json::parse(client.Get("/api/state?client=page-1")->body);
    EXPECT_TRUE(back["dialogs"].empty());
    EXPECT_EQ(back["document"]["paths"], 0);
    ASSERT_TRUE(back.contains("ended"));
    EXPECT_NE(back["ended"].get<std::string>().find("was cancelled because this page was not heard from"),
              std::string::npos);
    EXPECT_FALSE(json::parse(client.Get("/api/state?client=page-1")->body).contains("ended")) << "told once";
    EXPECT_FALSE(json::parse(client.Get("/api/state?client=page-2")->body).contains("ended")) << "told only to it";
    server.stop();
    serving.join();
}

TEST(StudioPort, ATakenPortIsRefusedWithOneLineNamingIt)
{
    int sock = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(sock, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(sock, 1), 0);
    socklen_t length = sizeof address;
    ::getsockname(sock, reinterpret_cast<sockaddr*>(&address), &length);
    int taken = ntohs(address.sin_port);

    StudioServer server(options());
    try {
        server.bind(taken);
        ADD_FAILURE() << "bound a taken port";
    } catch (const studio::web::PortTakenError& e) {
        std::string message = e.what();
        EXPECT_NE(message.find(std::to_string(taken)), std::string::npos) << message;
        EXPECT_NE(message.find("taken"), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
    ::close(sock);

    // Nor can a second studio share a port the first one serves.
    StudioServer first(options());
    int port = first.bind(0);
    StudioServer second(options());
    EXPECT_THROW(second.bind(port), studio::web::PortTakenError);
}

TEST(StudioPort, TheCommandSaysOneLineAndEndsWithStatus2WhenThePortIsTaken)
{
    StudioServer first(options());
    int port = first.bind(0);
    focara_test::TempDir dir;
    focara_test::CommandRun run = focara_test::runFocara(dir.path(), {"studio", "--port", std::to_string(port)});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "--port " + std::to_string(port) + ": 127.0.0.1:" + std::to_string(port) +
                           " is taken by another program; choose another port with --port P\n");
    EXPECT_EQ(run.out, "");
}

TEST(StudioSecurity, RequestsFromOtherSitesAreRefused)
{
    StudioServer server(options());
    int port = server.bind(0);
    std::thread serving([&] { server.run(); });
    httplib::Client client(StudioServer::kAddress, port);
    auto foreign = client.Post("/api/filter", {{"Origin", "http://example.com"}}, "", "text/plain");
    ASSERT_TRUE(foreign);
    EXPECT_EQ(foreign->status, 403);
    auto rebound = client.Get("/api/state", {{"Host", "attacker.example:" + std::to_string(port)}});
    ASSERT_TRUE(rebound);
    EXPECT_EQ(rebound->status, 403);
    auto own = client.Get("/api/state", {{"Origin", "http://127.0.0.1:" + std::to_string(port)}});
    ASSERT_TRUE(own);
    EXPECT_EQ(own->status, 200);
    server.stop();
    serving.join();
}

TEST(StudioLoad, AMissingPlugInIsOneLineNamingTheFile)
{
    StudioOptions o = options();
    o.plugin = "/nonexistent/Vexo_Zoom.aip";
    try {
        StudioServer server(std::move(o));
        ADD_FAILURE() << "started without a plug-in";
    } catch (const studio::InputError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/Vexo_Zoom.aip"), std::string::npos) << e.what();
    }
}

// ---- The queue between handler threads and the host thread

studio::web::Request tagged(std::optional<std::pair<int, int32_t>> key)
{
    studio::web::Request r;
    r.coalesceKey = key;
    return r;
}

TEST(StudioRequestQueue, AQueuedValueChangeOfTheSameItemIsSuperseded)
{
    studio::web::RequestQueue queue;
    auto first = tagged(std::pair{1, 11});
    auto firstReply = first.reply.get_future();
    queue.push(std::move(first));
    auto second = tagged(std::pair{1, 11});
    second.since = 7;
    queue.push(std::move(second));
    ASSERT_EQ(firstReply.wait_for(std::chrono::seconds(0)), std::future_status::ready);
    EXPECT_TRUE(json::parse(firstReply.get().body)["superseded"]);
    auto next = queue.pop(std::chrono::milliseconds(0));
    ASSERT_TRUE(next);
    EXPECT_EQ(next->since, 7u);
    EXPECT_TRUE(queue.empty());
}

TEST(StudioRequestQueue, OnlyTheLastQueuedRequestIsReplaced)
{
    studio::web::RequestQueue queue;
    queue.push(tagged(std::pair{1, 11}));
    queue.push(tagged(std::pair{1, 19}));
    queue.push(tagged(std::pair{1, 11}));  // a change of 19 lies between: order matters
    queue.push(tagged(std::nullopt));
    queue.push(tagged(std::nullopt));  // toggles and clicks never merge
    int count = 0;
    while (queue.pop(std::chrono::milliseconds(0))) ++count;
    EXPECT_EQ(count, 5);
}

TEST(StudioRequestQueue, ClosingAnswersEveryQueuedRequestAndLaterOnes)
{
    studio::web::RequestQueue queue;
    auto queued = tagged(std::nullopt);
    auto queuedReply = queued.reply.get_future();
    queue.push(std::move(queued));
    queue.close();
    EXPECT_EQ(queuedReply.get().status, 503);
    auto late = tagged(std::nullopt);
    auto lateReply = late.reply.get_future();
    queue.push(std::move(late));
    EXPECT_EQ(lateReply.get().status, 503);
    EXPECT_FALSE(queue.pop(std::chrono::milliseconds(0)));
}

}  // namespace
