#include "tests/support/DialogFixture.h"

#include "studio/host/RecordDefaults.h"
#include "studio/session/ResourceInstall.h"

namespace focara_test {

void StepDriver::runModal(studio::Dialog& dialog)
{
    std::vector<Step> play;
    play.swap(steps);  // a nested dialog finds none
    for (Step& step : play) {
        if (dialog.result) break;
        step(dialog);
    }
}

bool ArtSnapshot::operator==(const ArtSnapshot& other) const
{
    if (layers != other.layers || art.size() != other.art.size()) return false;
    for (size_t i = 0; i < art.size(); ++i) {
        const studio::ArtState& a = art[i];
        const studio::ArtState& b = other.art[i];
        if (a.closed != b.closed || !(a.style == b.style) || a.opacity != b.opacity ||
            a.graphicStyle != b.graphicStyle || a.segments.size() != b.segments.size())
            return false;
        for (size_t k = 0; k < a.segments.size(); ++k) {
            const AIPathSegment& x = a.segments[k];
            const AIPathSegment& y = b.segments[k];
            if (x.p.h != y.p.h || x.p.v != y.p.v || x.in.h != y.in.h || x.in.v != y.in.v || x.out.h != y.out.h ||
                x.out.v != y.out.v || (x.corner != 0) != (y.corner != 0))
                return false;
        }
    }
    return true;
}

ArtSnapshot snapshot(const studio::Document& document)
{
    ArtSnapshot s;
    for (const auto& layer : document.layers()) {
        s.layers.push_back(layer->name);
        for (const auto& art : layer->art) s.art.push_back(*art);
    }
    return s;
}

DialogTest::DialogTest() : host(studio::Document::makeDefault(), 42), runner(host, PluginMain)
{
    studio::installResources(host.dialogs(), studio::loader::PluginResources::read(FOCARA_PLUGIN_PATH));
    if (runner.startup()) ADD_FAILURE() << "the plug-in did not start";
}

DialogTest::~DialogTest() { host.dialogs().setDriver(nullptr); }

studio::PluginRunner::RunResult DialogTest::runSteps(std::vector<Step> steps)
{
    stepDriver.steps = std::move(steps);
    host.dialogs().setDriver(&stepDriver);
    return runner.runFilter(true);
}

studio::PluginRunner::RunResult DialogTest::runScript(const std::string& script)
{
    std::ostringstream out;
    studio::ScriptedDriver driver(host, script, out);
    host.dialogs().setDriver(&driver);
    auto result = runner.runFilter(true);
    host.dialogs().setDriver(nullptr);
    refusal = driver.error().value_or("");
    printed = out.str();
    return result;
}

Step DialogTest::act(const std::string& actions)
{
    return [this, actions](studio::Dialog& dialog) { actNow(dialog, actions); };
}

void DialogTest::actNow(studio::Dialog& dialog, const std::string& actions)
{
    std::ostringstream out;
    for (const studio::ScriptAction& action : studio::parseScript(actions)) {
        std::string refused = studio::performAction(host, dialog, action, out);
        ASSERT_EQ(refused, "") << action.text;
    }
    printed += out.str();
}

studio::DialogItem& DialogTest::itemOf(studio::Dialog& dialog, int32_t id)
{
    studio::DialogItem* item = dialog.item(id);
    if (!item) throw std::logic_error("no item " + std::to_string(id));
    return *item;
}

FocaraParams DialogTest::defaults() const { return studio::defaultRecord(host.document()); }

}  // namespace focara_test
