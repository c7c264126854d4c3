// Runs the filter's dialog through PluginMain and the host's runner, with
// the scripted driver's actions or with steps that look at the dialog
// between actions.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "sdk/FocaraParams.h"
#include "studio/session/PluginRunner.h"
#include "studio/session/ScriptedDriver.h"

extern "C" SPErr PluginMain(const char* caller, const char* selector, void* message);

namespace focara_test {

using Outcome = studio::PluginRunner::Outcome;
using Step = std::function<void(studio::Dialog&)>;

// Plays steps in the first dialog it is handed.
class StepDriver : public studio::UiDriver {
public:
    std::vector<Step> steps;
    void runModal(studio::Dialog& dialog) override;
};

// Everything of a document that a drawing changes, comparable as a whole.
struct ArtSnapshot {
    std::vector<std::string> layers;
    std::vector<studio::ArtState> art;
    bool operator==(const ArtSnapshot& other) const;
};
ArtSnapshot snapshot(const studio::Document& document);

class DialogTest : public ::testing::Test {
protected:
    DialogTest();
    ~DialogTest() override;

    // One filter run whose dialog plays the steps; the manager accepts a
    // dialog the steps leave open.
    studio::PluginRunner::RunResult runSteps(std::vector<Step> steps);
    // One filter run driven by the scripted driver; its refusal and what
    // `state` printed land in refusal and printed.
    studio::PluginRunner::RunResult runScript(const std::string& script);

    // A step that does the actions as the user and fails the test if one is refused.
    Step act(const std::string& actions);
    void actNow(studio::Dialog& dialog, const std::string& actions);

    static FocaraParams& recordOf(studio::Dialog& dialog) { return *static_cast<FocaraParams*>(dialog.userData); }
    static studio::DialogItem& itemOf(studio::Dialog& dialog, int32_t id);
    size_t artCount() const { return host.document().artCount(); }
    // The record the plug-in's first run starts from (defaults, view centre).
    FocaraParams defaults() const;

    studio::Host host;
    studio::PluginRunner runner;
    StepDriver stepDriver;
    std::string refusal;
    std::string printed;
};

}  // namespace focara_test
