// The parameter dialog as it opens: its 147 items, pages, popups and the
// opening refresh, run through PluginMain.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "plugin/dialog/DialogProcedures.h"
#include "plugin/suites/SuitePointers.h"
#include "studio/suites/BasicSuite.h"
#include "tests/support/DialogFixture.h"

namespace {

using focara_test::Outcome;
using studio::ItemKind;

// Written from the layout's page tables, independently of the plug-in's table.
const std::vector<int32_t> kEveryPage = {57, 161, 2, 160, 162, 3, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100, 101};
// clang-format off
const std::map<int32_t, std::vector<int32_t>> kPageItems = {
    {1, {11, 19, 23, 20, 24, 21, 25, 65, 60, 61, 69, 22, 167, 164, 165, 166}},
    {2, {6, 31, 7, 32, 8, 30, 9, 28, 10, 29, 14, 13, 15, 62, 63, 64, 67, 66, 68, 12, 16, 163, 168}},
    {3, {4, 5, 27, 40, 41, 42, 43, 44, 45, 17, 70, 72, 80, 18}},
    {4, {26, 33, 34, 35, 36, 37, 38, 39, 58, 59, 71, 73, 74, 75, 76, 77, 78, 79, 87, 147, 148}},
    {5, {46, 47, 52, 53, 55, 54, 56, 48, 49, 50, 51, 81, 82, 83, 84, 85, 86, 135, 134, 136, 137, 138}},
    {6, {117, 123, 110, 132, 111, 112, 113, 124, 139, 140, 141, 131, 127, 128, 129, 130, 149, 118,
         119, 120, 144, 145, 146, 142, 143, 121, 122, 114, 115, 116, 125, 126, 133}},
};
// clang-format on
const std::map<ItemKind, std::set<int32_t>> kKinds = {
    {ItemKind::SpinEdit,
     {57, 11, 19, 23, 20, 24, 21, 25, 6,  31, 7,  32, 8,  30, 9,  28, 10, 29, 14, 13, 15, 4,  5,  27, 40, 41,
      42, 43, 44, 45, 17, 26, 33, 34, 35, 36, 37, 38, 39, 58, 59, 46, 47, 52, 53, 55, 54, 56, 48, 49, 50, 51}},
    {ItemKind::Popup, {161, 22, 12, 16, 18}},
    {ItemKind::PushButton, {2, 160, 162}},
    {ItemKind::PictureButton, {90, 91, 92, 93, 94, 95, 167, 164, 165, 166, 163, 168}},
    {ItemKind::CheckBox,
     {3,   147, 148, 135, 134, 136, 137, 138, 117, 123, 110, 132, 111, 112, 113, 124, 139, 140, 141, 131, 127,
      128, 129, 130, 149, 118, 119, 120, 144, 145, 146, 142, 143, 121, 122, 114, 115, 116, 125, 126, 133}},
    {ItemKind::TextStatic, {96, 97, 98, 99, 100, 101, 65, 60, 61, 69, 62, 63, 64, 67, 66, 68, 70,
                            72, 80, 71, 73, 74,  75,  76, 77, 78, 79, 87, 81, 82, 83, 84, 85, 86}},
};
// clang-format off
const std::vector<int32_t> kCreationOrder = {
    11,  19,  23,  20,  24,  21,  25,  57,  6,   31,  7,   32,  8,   30,  9,   28,  10,  29,  14,  13,  15,
    4,   5,   27,  40,  41,  42,  43,  44,  45,  17,  26,  33,  34,  35,  36,  37,  38,  39,  58,  59,  46,
    47,  52,  53,  55,  54,  56,  48,  49,  50,  51,  65,  60,  61,  69,  62,  63,  64,  67,  66,  68,  70,
    72,  80,  71,  73,  74,  75,  76,  77,  78,  79,  87,  81,  82,  83,  84,  85,  86,  161, 22,  12,  16,
    18,  2,   160, 162, 3,   135, 134, 136, 137, 138, 147, 148, 117, 123, 110, 132, 111, 112, 113, 124, 139,
    140, 141, 131, 127, 128, 129, 130, 149, 118, 119, 120, 144, 145, 146, 142, 143, 121, 122, 114, 115, 116,
    125, 126, 133, 167, 164, 165, 166, 163, 168, 90,  91,  92,  93,  94,  95,  96,  97,  98,  99,  100, 101};
// clang-format on

std::set<int32_t> visibleIds(const studio::Dialog& dialog)
{
    std::set<int32_t> ids;
    for (const auto& item : dialog.items)
        if (item->visible) ids.insert(item->id);
    return ids;
}

std::set<int32_t> expectedVisible(int32_t page)
{
    std::set<int32_t> ids(kEveryPage.begin(), kEveryPage.end());
    ids.insert(kPageItems.at(page).begin(), kPageItems.at(page).end());
    return ids;
}

std::vector<int32_t> boldCaptions(studio::Dialog& dialog)
{
    std::vector<int32_t> bold;
    for (int32_t id = 96; id <= 101; ++id)
        if (dialog.item(id)->font == kADMBoldDialogFont) bold.push_back(id);
    return bold;
}

std::string activeText(studio::Dialog& dialog, int32_t popup)
{
    const studio::DialogItem* item = dialog.item(popup);
    if (item->active < 0) return "<none>";
    return item->entries.at(static_cast<size_t>(item->active)).text;
}

class DialogLayout : public focara_test::DialogTest {};

TEST_F(DialogLayout, OpensOnZoomWithTheDefaults)
{
    auto run = runSteps({[&](studio::Dialog& d) {
        EXPECT_EQ(d.name, "Vexo_Zoom");
        EXPECT_EQ(d.title, "Focara Plug-in");
        EXPECT_EQ(d.bounds.right - d.bounds.left, 460);
        EXPECT_EQ(d.bounds.bottom - d.bounds.top, 355);
        EXPECT_EQ(d.mask, 1);
        EXPECT_EQ(boldCaptions(d), std::vector<int32_t>{96});
        EXPECT_EQ(visibleIds(d), expectedVisible(1));
        EXPECT_EQ(itemOf(d, 11).value, 30);
        EXPECT_EQ(activeText(d, 22), " Default zoom focus line");
        EXPECT_EQ(activeText(d, 12), " User defined center position");
        EXPECT_EQ(activeText(d, 161), " Reset");
        EXPECT_EQ(itemOf(d, 3).value, 1);
        EXPECT_EQ(itemOf(d, 3).text, "Preview");
        EXPECT_EQ(artCount(), 30u) << "the opening refresh previews";
        EXPECT_EQ(recordOf(d).previewDrawn, 1);
    }});
    EXPECT_EQ(run.outcome, Outcome::Drawn);
}

TEST_F(DialogLayout, HasTheItemsInCreationOrderWithTheirKinds)
{
    runSteps({[&](studio::Dialog& d) {
        ASSERT_EQ(d.items.size(), 147u);
        std::vector<int32_t> order;
        for (const auto& item : d.items) order.push_back(item->id);
        EXPECT_EQ(order, kCreationOrder);
        for (const auto& item : d.items) {
            auto kind = std::find_if(kKinds.begin(), kKinds.end(),
                                     [&](const auto& k) { return k.second.count(item->id) != 0; });
            ASSERT_NE(kind, kKinds.end()) << "item " << item->id;
            EXPECT_EQ(item->kind, kind->first) << "item " << item->id;
        }
    }});
}

TEST_F(DialogLayout, RowsSpotCheckedAgainstTheLayout)
{
    struct Row {
        int32_t id;
        ADMRect bounds;
        const char* text;
        // clang-format off
    } rows[] = {
        {57, {390, 330, 450, 350}, ""},          {161, {370, 252, 450, 272}, ""},
        {2, {370, 40, 450, 60}, "Cancel"},       {160, {370, 70, 450, 90}, "Shuffle"},
        {162, {370, 100, 450, 120}, "Tumble"},   {3, {370, 230, 450, 245}, "Preview"},
        {95, {310, 5, 360, 35}, ""},             {98, {130, 40, 182, 55}, "Tweak1"},
        {101, {307, 40, 364, 55}, "Setting"},    {52, {5, 134, 65, 154}, ""},
        {9, {200, 155, 260, 175}, ""},           {67, {10, 250, 178, 270}, "Sketch weight(/10p)"},
        {80, {10, 126, 178, 146}, "Skip / create pattern"},
        {147, {10, 240, 260, 254}, "Repeats-Altscaling"},
        {138, {70, 234, 260, 254}, "Midpoint-Apply to create"},
        {116, {161, 264, 295, 278}, "Jitter st.width(R)"},
        {133, {161, 315, 295, 329}, "Interpolate(R)"},
        {168, {340, 134, 360, 154}, ""},         {18, {10, 250, 190, 270}, ""},
    };
    // clang-format on
    runSteps({[&](studio::Dialog& d) {
        for (const Row& row : rows) {
            const studio::DialogItem& item = itemOf(d, row.id);
            EXPECT_EQ(std::memcmp(&item.bounds, &row.bounds, sizeof row.bounds), 0) << "item " << row.id;
            EXPECT_EQ(item.text, row.text) << "item " << row.id;
        }
    }});
}

// The field table and the dialog agree: each field's item shows it with the
// field's range, whole numbers for integers and two places for reals.
TEST_F(DialogLayout, EveryFieldItemShowsItsFieldWithItsRange)
{
    FocaraParams record = defaults();
    record.zoomLength = 123.25f;
    record.patternSkip2 = 7;
    record.halfShadow = 1;
    record.sketchColorMode = 9;
    runner.setRecord(record);
    runSteps({[&](studio::Dialog& d) {
        for (const FocaraParamField& field : kFocaraParamFields) {
            if (field.item == 0) continue;
            SCOPED_TRACE(field.name);
            const studio::DialogItem& item = itemOf(d, field.item);
            const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&record) + field.offset;
            int32_t i;
            float f;
            std::memcpy(&i, bytes, 4);
            std::memcpy(&f, bytes, 4);
            switch (item.kind) {
            case ItemKind::SpinEdit:
                EXPECT_EQ(item.minimum, field.minimum);
                EXPECT_EQ(item.maximum, field.maximum);
                EXPECT_EQ(item.precision, field.type == kParamReal ? 2 : 0);
                EXPECT_EQ(item.value, field.type == kParamReal ? double(f) : double(i));
                break;
            case ItemKind::CheckBox:
                EXPECT_EQ(field.type, kParamFlag);
                EXPECT_EQ(item.value, i);
                break;
            case ItemKind::Popup:
                ASSERT_GE(item.active, 0);
                EXPECT_EQ(item.entries[static_cast<size_t>(item.active)].id, i);
                EXPECT_EQ(static_cast<double>(item.entries.size()), field.maximum + 1);
                break;
            default: ADD_FAILURE() << "item " << field.item << " cannot show a field";
            }
        }
    }});
}

TEST_F(DialogLayout, PopupsHoldTheirEntries)
{
    runSteps({[&](studio::Dialog& d) {
        struct Row {
            int32_t popup;
            size_t count;
            std::map<int32_t, std::string> texts;
        } rows[] = {
            {161, 25, {{0, " Reset"}, {1, " 001"}, {10, " 010"}, {24, " 024"}}},
            {22, 55, {{0, " Default zoom focus line"}, {5, " Dip"}, {37, " Six"}, {53, " Dip"}, {54, " Mid"}}},
            {12,
             8,
             {{0, " User defined center position"},
              {4, " Randomized horizontally (but use current vertical)"},
              {7, " Frame"}}},
            {16,
             12,
             {{0, " Sketch color options - Use black"},
              {6, " Random black / color"},
              {11, " Use white + random opacity"}}},
            {18, 15, {{0, " Interpolation 01"}, {9, " Interpolation 10"}, {14, " Interpolation 15"}}},
        };
        for (const Row& row : rows) {
            const auto& entries = itemOf(d, row.popup).entries;
            ASSERT_EQ(entries.size(), row.count) << "popup " << row.popup;
            for (size_t i = 0; i < entries.size(); ++i) {
                EXPECT_EQ(entries[i].id, static_cast<int32_t>(i)) << "popup " << row.popup;
                EXPECT_EQ(entries[i].text.substr(0, 1), " ") << "popup " << row.popup << " entry " << i;
            }
            for (const auto& [id, text] : row.texts)
                EXPECT_EQ(entries[static_cast<size_t>(id)].text, text) << "popup " << row.popup;
        }
    }});
}

TEST_F(DialogLayout, OpensOnTheStoredPage)
{
    struct Row {
        int32_t currentPage;
        int32_t shownPage;
        int32_t boldCaption;
    } rows[] = {{4, 4, 99}, {0, 1, 96}, {7, 1, 96}, {6, 6, 101}, {2, 2, 97}};
    for (const Row& row : rows) {
        SCOPED_TRACE("currentPage " + std::to_string(row.currentPage));
        FocaraParams record = defaults();
        record.currentPage = row.currentPage;
        runner.setRecord(record);
        runSteps({[&](studio::Dialog& d) {
                      EXPECT_EQ(boldCaptions(d), std::vector<int32_t>{row.boldCaption});
                      EXPECT_EQ(visibleIds(d), expectedVisible(row.shownPage));
                      EXPECT_EQ(recordOf(d).currentPage, row.shownPage);
                  },
                  act("cancel")});
    }
}

// The refresh on page 6 notifies a check box: it must not toggle it.
TEST_F(DialogLayout, OpeningOnSettingLeavesItsFirstCheckBoxAlone)
{
    FocaraParams record = defaults();
    record.currentPage = 6;
    runner.setRecord(record);
    runSteps({[&](studio::Dialog& d) { EXPECT_EQ(recordOf(d).randomStroke, 0); }});
    EXPECT_EQ(runner.record()->randomStroke, 0);
}

TEST_F(DialogLayout, TheBuilderAloneWritesNothingIntoTheRecord)
{
    ASSERT_EQ(AcquireSuites(studio::basicSuite()), kNoErr);
    FocaraParams record = defaults();
    record.lineCount = 0;    // below the item's minimum
    record.shapeStyle = 99;  // no such entry
    record.currentPage = 3;
    record.dialogBoundsSaved = 1;
    record.dialogLeft = 100;
    record.dialogTop = 50;
    record.dialogRight = 300;
    record.dialogBottom = 120;
    FocaraParams before = record;
    ADMRect bounds{};
    struct Capture : studio::UiDriver {
        ADMRect* bounds;
        void runModal(studio::Dialog& d) override { *bounds = d.bounds; }
    } capture;
    capture.bounds = &bounds;
    host.dialogs().setDriver(&capture);
    EXPECT_EQ(host.dialogs().runModal("Vexo_Zoom", 16100, CreateDialogItems, &record), 1);
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
    EXPECT_EQ(artCount(), 0u);
    // The saved place survives, the size does not.
    EXPECT_EQ(bounds.left, 100);
    EXPECT_EQ(bounds.top, 50);
    EXPECT_EQ(bounds.right, 560);
    EXPECT_EQ(bounds.bottom, 405);
    ReleaseSuites(studio::basicSuite());
}

TEST_F(DialogLayout, TheOpeningRefreshIsOneTransfer)
{
    FocaraParams record = defaults();
    record.lineCount = 0;  // the item holds at least 1
    record.finalRun = 1;
    runner.setRecord(record);
    runSteps({[&](studio::Dialog& d) {
        FocaraParams expected = record;
        expected.lineCount = 1;
        expected.finalRun = 0;
        expected.previewDrawn = 1;
        EXPECT_EQ(std::memcmp(&recordOf(d), &expected, sizeof expected), 0);
        EXPECT_EQ(artCount(), 1u);
    }});
}

}  // namespace
