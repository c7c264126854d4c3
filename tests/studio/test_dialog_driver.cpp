// The host's dialog manager as the plug-in's procedures use it, and the
// scripted driver's language and refusals.
#include <gtest/gtest.h>

#include <cstring>

#include "plugin/suites/SuitePointers.h"
#include "tests/support/DialogFixture.h"
#include "tests/support/PluginFixture.h"

namespace {

using focara_test::Outcome;

// ---- The manager, through the suites the plug-in holds.

class DialogManagerSuites : public focara_test::PluginFixture {
protected:
    DialogManagerSuites()
    {
        studio::DialogTemplate empty;
        empty.title = "Test";
        host.dialogs().setResources({}, {{500, empty}});
    }

    // Runs a dialog whose init builds items with build, then plays act in it.
    int32_t run(ASErr (*build)(ADMDialogRef), std::function<void(studio::Dialog&)> act)
    {
        struct Driver : studio::UiDriver {
            std::function<void(studio::Dialog&)> act;
            void runModal(studio::Dialog& d) override { act(d); }
        } driver;
        driver.act = std::move(act);
        host.dialogs().setDriver(&driver);
        int32_t result = host.dialogs().runModal("Test", 500, build, nullptr);
        host.dialogs().setDriver(nullptr);
        return result;
    }
};

ADMItemRef create(ADMDialogRef d, int32_t id, const char* type)
{
    ADMRect r = {0, 0, 10, 10};
    return sADMDialog->CreateItem(d, id, type, &r, nullptr, nullptr, 0);
}

int gNotified = 0;
void countingNotify(ADMItemRef item, ADMNotifierRef notifier)
{
    ++gNotified;
    sADMItem->DefaultNotify(item, notifier);
}

int32_t gSeenModifiers = -1;
AIPoint gSeenPoint{};
AIBoolean recordingTrack(ADMItemRef, ADMTrackerRef)
{
    gSeenModifiers = sADMTracker->GetModifiers(nullptr);
    sADMTracker->GetPoint(nullptr, &gSeenPoint);
    return false;  // the host does not go on to notify
}

ASErr buildValues(ADMDialogRef d)
{
    ADMItemRef lines = create(d, 11, kADMSpinEditType);
    sADMItem->SetMinIntValue(lines, 1);
    sADMItem->SetMaxIntValue(lines, 300);
    sADMItem->SetIntValue(lines, 0);
    ADMItemRef real = create(d, 19, kADMSpinEditType);
    sADMItem->SetMinFloatValue(real, -5);
    sADMItem->SetMaxFloatValue(real, 2000);
    sADMItem->SetPrecision(real, 2);
    sADMItem->SetFloatValue(real, 180.556f);
    ADMItemRef popup = create(d, 22, kADMPopupListType);
    ADMListRef list = sADMItem->GetList(popup);
    for (int32_t i = 0; i < 3; ++i) {
        ADMEntryRef e = sADMList->InsertEntry(list, i);
        sADMEntry->SetID(e, 10 + i);
        sADMEntry->SetText(e, i == 2 ? " third" : " other");
    }
    sADMEntry->Select(sADMList->IndexEntry(list, 2), true);
    ADMItemRef box = create(d, 3, kADMTextCheckBoxType);
    sADMItem->SetBooleanValue(box, 7);
    sADMItem->SetNotifyProc(box, countingNotify);
    ADMItemRef pick = create(d, 167, kADMPicturePushButtonType);
    sADMItem->SetTrackProc(pick, recordingTrack);
    sADMItem->SetNotifyProc(pick, countingNotify);
    create(d, 160, kADMTextPushButtonType);
    create(d, 2, kADMTextPushButtonType);
    if (create(d, 2, kADMTextPushButtonType)) return kBadParameterErr;  // the id is taken
    return kNoErr;
}

TEST_F(DialogManagerSuites, ValuesFromTheProgramAreClampedAndShownWithTheirPlaces)
{
    run(buildValues, [&](studio::Dialog& d) {
        ADMItemRef lines = sADMDialog->GetItem(reinterpret_cast<ADMDialogRef>(&d), 11);
        ADMItemRef real = sADMDialog->GetItem(reinterpret_cast<ADMDialogRef>(&d), 19);
        EXPECT_EQ(sADMItem->GetIntValue(lines), 1) << "0 comes back as the minimum";
        EXPECT_FLOAT_EQ(sADMItem->GetFloatValue(real), 180.556f) << "the value is kept, only shown rounded";
        char text[32];
        sADMItem->GetText(real, text, sizeof text);
        EXPECT_STREQ(text, "180.56");
        sADMItem->SetFloatValue(real, -1e30f);
        EXPECT_EQ(sADMItem->GetFloatValue(real), -5.0f);
        sADMItem->SetMaxFloatValue(real, 1e30f);
        sADMItem->SetFloatValue(real, 1e30f);
        EXPECT_EQ(sADMItem->GetIntValue(real), 2147483647) << "reads stay within int32";
        EXPECT_EQ(sADMItem->GetBooleanValue(sADMDialog->GetItem(reinterpret_cast<ADMDialogRef>(&d), 3)), 1);
    });
}

TEST_F(DialogManagerSuites, PopupsKeepEntriesIdsAndTheActiveEntry)
{
    run(buildValues, [&](studio::Dialog& d) {
        ADMListRef list = sADMItem->GetList(sADMDialog->GetItem(reinterpret_cast<ADMDialogRef>(&d), 22));
        ASSERT_EQ(sADMList->NumberOfEntries(list), 3);
        ADMEntryRef active = sADMList->GetActiveEntry(list);
        EXPECT_EQ(sADMEntry->GetID(active), 12);
        char text[16];
        sADMEntry->GetText(active, text, sizeof text);
        EXPECT_STREQ(text, " third");
        EXPECT_EQ(sADMList->IndexEntry(list, 3), nullptr);
        EXPECT_EQ(sADMItem->GetList(sADMDialog->GetItem(reinterpret_cast<ADMDialogRef>(&d), 11)), nullptr);
    });
}

TEST_F(DialogManagerSuites, DefaultNotificationByKind)
{
    gNotified = 0;
    int32_t result = run(buildValues, [&](studio::Dialog& d) {
        auto& m = host.dialogs();
        d.item(11)->pending = 500;
        m.userChanged(*d.item(11));
        EXPECT_EQ(d.item(11)->value, 300) << "a typed value stays in range";
        d.item(3)->pending = 0;
        m.userChanged(*d.item(3));
        EXPECT_EQ(d.item(3)->value, 0);
        EXPECT_EQ(gNotified, 1);
        m.sendNotify(*d.item(3), kADMUserChangedNotifier);
        EXPECT_EQ(d.item(3)->value, 0) << "a notification from the program takes no value";
        d.item(22)->pending = 0;
        m.userChanged(*d.item(22));
        EXPECT_EQ(d.item(22)->active, 0);
        m.click(*d.item(160));
        EXPECT_FALSE(d.result) << "a push button that is neither default nor cancel goes on";
        m.click(*d.item(2));
    });
    EXPECT_EQ(result, kADMCancelItemID);
}

TEST_F(DialogManagerSuites, TrackingSeesTheEventAndTheEventEndsWithIt)
{
    gSeenModifiers = -1;
    gNotified = 0;
    int32_t result = run(buildValues, [&](studio::Dialog& d) {
        EXPECT_FALSE(host.dialogs().track(*d.item(167), kADMPickModifier, {12, 34}));
        EXPECT_EQ(gSeenModifiers, kADMPickModifier);
        EXPECT_EQ(gSeenPoint.h, 12);
        EXPECT_EQ(gSeenPoint.v, 34);
        EXPECT_EQ(host.dialogs().event.modifiers, 0);
        host.dialogs().click(*d.item(167));
        EXPECT_EQ(gSeenModifiers, 0);
        EXPECT_EQ(gNotified, 0) << "the tracking procedure said not to go on";
    });
    EXPECT_EQ(result, kADMDefaultItemID) << "without item 1, Enter accepts";
}

// ---- The scripted driver in the parameter dialog.

class Script : public focara_test::DialogTest {};

TEST_F(Script, RefusesWhatAPersonCouldNotDo)
{
    struct Row {
        const char* script;
        const char* refusal;
        // clang-format off
    } rows[] = {
        {"set 999 5", "line 1, \"set 999 5\": there is no item 999"},
        {"set 6 100", "line 1, \"set 6 100\": item 6 is hidden"},
        {"click 95; toggle 129", "line 1, \"toggle 129\": item 129 is disabled"},
        {"set 11 2.5", "line 1, \"set 11 2.5\": item 11 takes whole numbers"},
        {"set 3 2", "line 1, \"set 3 2\": item 3 is a check box: 0 or 1"},
        {"set 22 55", "line 1, \"set 22 55\": item 22 has no entry 55"},
        {"set 96 1", "line 1, \"set 96 1\": item 96 is a static text, which holds no value"},
        {"toggle 11", "line 1, \"toggle 11\": item 11 is a spin edit, not a check box"},
        {"choose 22 99", "line 1, \"choose 22 99\": item 22 has no entry 99"},
        {"choose 3 1", "line 1, \"choose 3 1\": item 3 is a check box, not a popup"},
        {"click 11", "line 1, \"click 11\": item 11 is a spin edit, not a button"},
        {"pick 90 1 1", "line 1, \"pick 90 1 1\": item 90 does not pick points"},
        {"pick 167 900 400", "line 1, \"pick 167 900 400\": the point lies outside the view's window"},
    };
    // clang-format on
    FocaraParams start = defaults();
    runner.setRecord(start);
    for (const Row& row : rows) {
        auto run = runScript(row.script);
        EXPECT_EQ(refusal, row.refusal) << row.script;
        EXPECT_EQ(run.outcome, Outcome::Cancelled) << row.script;
        EXPECT_EQ(artCount(), 0u) << row.script;
        FocaraParams after = *runner.record();
        EXPECT_EQ(std::memcmp(&after, &start, sizeof start), 0) << row.script;
    }
    // Once accepted, the dialog is gone: the refusal comes too late to cancel it.
    auto run = runScript("set 11 5\n\n# a comment\nok; set 11 6");
    EXPECT_EQ(refusal, "line 4, \"set 11 6\": the dialog has already ended");
    EXPECT_EQ(run.outcome, Outcome::Drawn);
    EXPECT_EQ(artCount(), 5u);
}

TEST_F(Script, ScriptsThatDoNotParseAreRefusedBeforeAnythingRuns)
{
    struct Row {
        const char* script;
        const char* message;
        // clang-format off
    } rows[] = {
        {"frobnicate 3", "line 1, \"frobnicate 3\": unknown action \"frobnicate\""},
        {"set 11", "line 1, \"set 11\": expected \"set ID VALUE\""},
        {"ok 1", "line 1, \"ok 1\": expected \"ok\""},
        {"set 11 5\nset eleven 5", "line 2, \"set eleven 5\": \"eleven\" is not an item id"},
        {"set 19 1e999", "line 1, \"set 19 1e999\": \"1e999\" is too large for a number"},
        {"set 19 -inf", "line 1, \"set 19 -inf\": \"-inf\" is not a finite number"},
        // Control bytes and bytes that are not UTF-8 are shown escaped, never raw.
        {"set\x01 11 5", "line 1, \"set\\x01 11 5\": unknown action \"set\\x01\""},
        {"set 11 \xff\xfe", "line 1, \"set 11 \\xff\\xfe\": \"\\xff\\xfe\" is not a number"},
        {"set 19 nan", "line 1, \"set 19 nan\": \"nan\" is not a number"},
        {"choose 22 1.5", "line 1, \"choose 22 1.5\": \"1.5\" is not an entry id"},
        {"pick 167 1 y", "line 1, \"pick 167 1 y\": \"y\" is not a number"},
    };
    // clang-format on
    for (const Row& row : rows) {
        try {
            studio::parseScript(row.script);
            ADD_FAILURE() << row.script << " parsed";
        } catch (const studio::ScriptError& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
    }
    // A huge line is quoted shortened.
    try {
        studio::parseScript("frob " + std::string(100000, 'x'));
        ADD_FAILURE() << "parsed";
    } catch (const studio::ScriptError& e) {
        EXPECT_LT(std::string(e.what()).size(), 300u) << e.what();
    }
    EXPECT_EQ(studio::parseScript("  ok ;; state ; # set 1 x\n\ncancel").size(), 3u);
    // Found by the fuzzer: a line of white space other than blanks and tabs is blank too.
    EXPECT_EQ(studio::parseScript("\f").size(), 0u);
    EXPECT_EQ(studio::parseScript("set 11 5\n\v \f\nok").size(), 2u);
    EXPECT_EQ(studio::parseScript("set 11 5", "--ui")[0].where, "--ui line 1, \"set 11 5\"");
}

TEST_F(Script, AScriptThatDoesNotEndTheDialogAcceptsIt)
{
    auto run = runScript("set 11 5; set 19 180.555");
    EXPECT_EQ(run.outcome, Outcome::Drawn);
    EXPECT_EQ(refusal, "");
    EXPECT_EQ(artCount(), 5u);
    EXPECT_EQ(runner.record()->zoomLength, 180.56f) << "a real box takes a typed value to its places";
    EXPECT_EQ(runScript("cancel").outcome, Outcome::Cancelled);
    EXPECT_EQ(runScript("set 11 500; ok").outcome, Outcome::Drawn);
    EXPECT_EQ(runner.record()->lineCount, 300);
}

TEST_F(Script, StatePrintsThePageAndTheVisibleItems)
{
    runScript("set 3 0; state; click 92; set 17 10; state");
    const std::string zoom = printed.substr(0, printed.find("dialog", 1));
    const std::string tweak = printed.substr(zoom.size());
    EXPECT_EQ(zoom.rfind("dialog \"Vexo_Zoom\" page \"Zoom\"\n", 0), 0u) << zoom;
    for (const char* line :
         {"\n11 spin edit = 30 enabled\n", "\n19 spin edit = 100.00 enabled\n",
          "\n22 popup = 0 \" Default zoom focus line\" enabled\n", "\n3 check box \"Preview\" = off enabled\n",
          "\n96 static text \"Zoom\" bold\n", "\n97 static text \"Create\"\n", "\n2 push button \"Cancel\" enabled\n"})
        EXPECT_NE(zoom.find(line), std::string::npos) << line;
    EXPECT_EQ(zoom.find("\n6 spin edit"), std::string::npos) << "hidden items are left out";
    EXPECT_EQ(std::count(zoom.begin(), zoom.end(), '\n'), 1 + 34);
    EXPECT_NE(tweak.find("page \"Tweak1\""), std::string::npos);
    EXPECT_NE(tweak.find("\n18 popup = 0 \" Interpolation 01\" enabled\n"), std::string::npos) << tweak;
    EXPECT_NE(tweak.find("\n17 spin edit = 10.00 enabled\n"), std::string::npos) << tweak;
}

}  // namespace
