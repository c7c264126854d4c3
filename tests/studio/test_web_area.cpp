// The studio's reference area, in process: set through its request, it aims
// the filter's dialog and pushes every preview's lines out to its border.
#include <gtest/gtest.h>
#include <httplib.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <nlohmann/json.hpp>
#include <thread>

#include "studio/web/StudioServer.h"

using nlohmann::json;
using studio::web::StudioOptions;
using studio::web::StudioServer;

namespace {

class StudioArea : public ::testing::Test {
public:
    // For each path of the document shown, its point nearest to a centre: distance and direction.
    struct Nearest {
        double distance, dx, dy;
    };

protected:
    void SetUp() override
    {
        StudioOptions o;
        o.seed = 1;
#ifdef FOCARA_PLUGIN_PATH
        o.plugin = FOCARA_PLUGIN_PATH;
#endif
        server = std::make_unique<StudioServer>(std::move(o));
        int port = server->bind(0);
        serving = std::thread([this] { server->run(); });
        client = std::make_unique<httplib::Client>(StudioServer::kAddress, port);
        client->set_read_timeout(std::chrono::seconds(30));
    }
    void TearDown() override
    {
        server->stop();
        serving.join();
    }

    std::pair<int, json> post(const std::string& path, const std::string& body = "")
    {
        auto res = client->Post(path.c_str(), body, "text/plain");
        if (!res) return {0, json()};
        return {res->status, json::parse(res->body)};
    }

    std::vector<Nearest> nearestPoints(double cx, double cy)
    {
        auto svg = client->Get("/api/document.svg");
        std::vector<Nearest> out;
        if (!svg) return out;
        for (size_t at = svg->body.find(" d=\""); at != std::string::npos; at = svg->body.find(" d=\"", at + 1)) {
            const size_t start = at + 4;
            const std::string text = svg->body.substr(start, svg->body.find('"', start) - start);
            // Every number of the path data, in pairs: anchors and handles.
            std::vector<double> v;
            for (const char* p = text.c_str(); *p;) {
                char* end = nullptr;
                const double number = std::strtod(p, &end);
                if (end == p) {
                    ++p;
                    continue;
                }
                v.push_back(number);
                p = end;
            }
            Nearest best{std::numeric_limits<double>::infinity(), 0, 0};
            for (size_t i = 0; i + 1 < v.size(); i += 2) {
                const double distance = std::hypot(v[i] - cx, v[i + 1] - cy);
                if (distance < best.distance) best = {distance, (v[i] - cx) / distance, (v[i + 1] - cy) / distance};
            }
            out.push_back(best);
        }
        return out;
    }

    static double itemValue(const json& state, int id)
    {
        for (const json& item : state["dialogs"][0]["items"])
            if (item["id"] == id)
                return item.contains("value") ? item["value"].get<double>() : item["active"].get<double>();
        return std::nan("");
    }

    std::unique_ptr<StudioServer> server;
    std::thread serving;
    std::unique_ptr<httplib::Client> client;
};

// The default lines' inner ends are their nearest points: on an ellipse's border once pushed.
void expectOnEllipse(const std::vector<StudioArea::Nearest>& lines, double rx, double ry)
{
    ASSERT_EQ(lines.size(), 30u);
    for (const auto& line : lines) {
        const double border = 1 / std::hypot(line.dx / rx, line.dy / ry);
        EXPECT_NEAR(line.distance, border, 0.05);
    }
}

TEST_F(StudioArea, BadAreasAreRefusedWithOneLineAndTheAreaStays)
{
    ASSERT_EQ(post("/api/area", R"({"shape":"ellipse","cx":300,"cy":400,"rx":50,"ry":40})").first, 200);
    const struct {
        const char* body;
        const char* error;
    } cases[] = {
        {"ellipse:1,2,3,4", "area: expected a JSON object"},
        {R"({"shape":"circle","cx":1,"cy":2,"rx":3,"ry":4})", "area: shape is \"ellipse\" or \"rectangle\""},
        {R"({"shape":"ellipse","cy":2,"rx":3,"ry":4})", "area: cx is missing"},
        {R"({"shape":"ellipse","cx":"1","cy":2,"rx":3,"ry":4})", "area: cx is not a number"},
        {R"({"shape":"ellipse","cx":1,"cy":2,"rx":0,"ry":4})", "area: rx must be above 0"},
        {R"({"shape":"rectangle","cx":1,"cy":2,"rx":3,"ry":-4})", "area: ry must be above 0"},
        {R"({"shape":"ellipse","cx":1,"cy":2,"rx":3,"ry":1e300})", "area: ry 1e+300 is above 100000 points"},
        {R"({"shape":"ellipse","cx":5001,"cy":2,"rx":3,"ry":4})",
         "area: cx 5001 is outside -5000 to 5000, the range of centerX"},
        {R"({"shape":"ellipse","cx":1,"cy":-6000,"rx":3,"ry":4})",
         "area: cy -6000 is outside -5000 to 5000, the range of centerY"},
        {R"({"shape":"ellipse","cx":1,"cy":2,"rx":2500,"ry":2400})",
         "area: the smallest radius 2400 is outside 0 to 2000, the range of zoomDistance"},
        {R"({"shape":"ellipse","cx":1,"cy":2,"rx":3,"ry":4,"degrees":400})", "area: degrees must lie from -360 to 360"},
        {R"({"shape":"ellipse","cx":1,"cy":2,"rx":3,"ry":4,"turn":4})", "area: unknown member \"turn\""},
        {R"({"clear":true,"cx":1})", "area: clear goes alone, as true"},
    };
    for (const auto& c : cases) {
        auto [status, body] = post("/api/area", c.body);
        EXPECT_EQ(status, 400) << c.body;
        EXPECT_TRUE(body["error"].get<std::string>().starts_with(c.error)) << c.body << ": " << body["error"];
    }
    auto state = client->Get("/api/state");
    ASSERT_TRUE(state);
    EXPECT_EQ(json::parse(state->body)["area"]["cx"], 300) << "a refused area changes nothing";
}

TEST_F(StudioArea, TheOpenDialogFollowsTheAreaAndItsPreviewIsPushedOut)
{
    auto [opened, state] = post("/api/filter");
    ASSERT_EQ(opened, 200);
    for (const auto& line : nearestPoints(306, 396)) EXPECT_NEAR(line.distance, 20, 0.05) << "the default distance";

    auto [status, aimed] = post("/api/area", R"({"shape":"ellipse","cx":300,"cy":420,"rx":180,"ry":60})");
    ASSERT_EQ(status, 200) << aimed.dump();
    EXPECT_EQ(aimed["area"]["shape"], "ellipse");
    // The dialog's centre and inner distance show the area, as if typed.
    EXPECT_EQ(itemValue(aimed, 6), 300);
    EXPECT_EQ(itemValue(aimed, 7), 420);
    EXPECT_EQ(itemValue(aimed, 20), 60);
    EXPECT_EQ(aimed["document"]["paths"], 30);
    expectOnEllipse(nearestPoints(300, 420), 180, 60);

    // Another change redraws the preview once more, pushed to the new area.
    ASSERT_EQ(post("/api/dialog", "set 11 40").first, 200);
    auto lines = nearestPoints(300, 420);
    EXPECT_EQ(lines.size(), 40u);
    for (const auto& line : lines) EXPECT_NEAR(line.distance, 1 / std::hypot(line.dx / 180, line.dy / 60), 0.05);

    // Cleared: the preview is drawn again from the dialog's values, unpushed.
    auto [cleared, plain] = post("/api/area", R"({"clear":true})");
    ASSERT_EQ(cleared, 200);
    EXPECT_TRUE(plain["area"].is_null());
    for (const auto& line : nearestPoints(300, 420)) EXPECT_NEAR(line.distance, 60, 0.05);
    post("/api/dialog", "cancel");
}

TEST_F(StudioArea, CancelLeavesTheSettingsAsTheyWereBeforeTheAreaAimedThem)
{
    ASSERT_EQ(post("/api/area", R"({"shape":"ellipse","cx":250,"cy":300,"rx":50,"ry":150})").first, 200);
    post("/api/filter");
    post("/api/dialog", "cancel");
    ASSERT_EQ(post("/api/area", R"({"clear":true})").first, 200);
    auto [opened, state] = post("/api/filter");
    EXPECT_EQ(itemValue(state, 6), 306) << "the view's centre, as before";
    EXPECT_EQ(itemValue(state, 20), 20);
    post("/api/dialog", "cancel");
}

TEST_F(StudioArea, ARunStartedWithAnAreaKeepsItsFinalDrawingPushedAndUndoesWhole)
{
    ASSERT_EQ(post("/api/area", R"({"shape":"ellipse","cx":250,"cy":300,"rx":50,"ry":150})").first, 200);
    auto [opened, state] = post("/api/filter");
    ASSERT_EQ(opened, 200);
    EXPECT_EQ(itemValue(state, 6), 250) << "aimed before the dialog opened";
    EXPECT_EQ(itemValue(state, 20), 50);
    expectOnEllipse(nearestPoints(250, 300), 50, 150);

    // Preview off: OK then draws afresh, and that drawing is pushed as well.
    post("/api/dialog", "toggle 3");
    auto [ok, done] = post("/api/dialog", "ok");
    ASSERT_EQ(ok, 200);
    EXPECT_TRUE(done["dialogs"].empty());
    expectOnEllipse(nearestPoints(250, 300), 50, 150);

    EXPECT_EQ(post("/api/undo").second["document"]["paths"], 0);
    post("/api/redo");
    expectOnEllipse(nearestPoints(250, 300), 50, 150);
}

}  // namespace
