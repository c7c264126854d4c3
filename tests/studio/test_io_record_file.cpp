// .rec files and the record's fields by name: bytes, validation, --set, printing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <nlohmann/json.hpp>

#include "plugin/params/ParamRecord.h"
#include "studio/io/RecordFile.h"
#include "tests/support/PluginFixture.h"
#include "tests/support/TempDir.h"

using namespace studio;
using focara_test::TempDir;

namespace {

class RecordFile : public focara_test::PluginFixture {
protected:
    FocaraParams defaults()
    {
        FocaraParams record{};
        EXPECT_EQ(WriteParamDefaults(&record), kNoErr);
        return record;
    }
};

std::string messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const InputError& e) {
        return e.what();
    }
    return "(accepted)";
}

bool contains(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

}  // namespace

TEST(RecordBytes, AreLittleEndianWordsAtTheFieldOffsets)
{
    FocaraParams record{};
    record.lineCount = 0x01020304;
    record.zoomLength = 1.0f;  // 0x3F800000
    record.dialogBoundsSaved = -2;
    RecordBytes bytes = recordToBytes(record);
    EXPECT_EQ(bytes.size(), 432u);
    EXPECT_EQ(std::vector<int>(bytes.begin() + 184, bytes.begin() + 188), (std::vector<int>{4, 3, 2, 1}));
    EXPECT_EQ(std::vector<int>(bytes.begin() + 264, bytes.begin() + 268), (std::vector<int>{0, 0, 0x80, 0x3F}));
    EXPECT_EQ(std::vector<int>(bytes.begin() + 428, bytes.end()), (std::vector<int>{0xFE, 0xFF, 0xFF, 0xFF}));
    FocaraParams back = recordFromBytes(bytes);
    EXPECT_EQ(std::memcmp(&back, &record, sizeof record), 0);
}

TEST_F(RecordFile, ValidationChecksEveryRangeButTheUnsetWords)
{
    struct Row {
        const char* field;
        double value;
        bool accepted;
        // clang-format off
    } rows[] = {
        {"lineCount", 300, true},       {"lineCount", 0, false},           {"lineCount", 301, false},
        {"zoomSets", 40, true},         {"zoomSets", 41, false},           {"currentPage", 0, false},
        {"dropShadow", 1, true},        {"dropShadow", 2, false},          {"dropShadow", -1, false},
        {"previewDrawn", 2, false},     {"dialogBoundsSaved", 3, false},   {"zoomLength", 2000, true},
        {"zoomLength", 2000.0002, false}, {"zoomLength", -0.001, false},   {"rotation", -360, true},
        {"setAngle", -100.01, false},   {"zoomLength", NAN, false},        {"centerX", INFINITY, false},
        {"centerY", -INFINITY, false},
        // Never defaulted or set by every run: anything goes.
        {"finalRun", 7, true},          {"reserved180", -123456, true},    {"reserved408", 99, true},
        {"dialogLeft", -2147483648.0, true},
    };
    // clang-format on
    for (const Row& row : rows) {
        FocaraParams record = defaults();
        const FocaraParamField* field = FocaraParamFieldNamed(row.field);
        ASSERT_NE(field, nullptr) << row.field;
        if (field->type == kParamReal)
            *FocaraParamRealWord(&record, field) = static_cast<float>(row.value);
        else
            *FocaraParamIntWord(&record, field) = static_cast<int32_t>(row.value);
        std::string message = messageOf([&] { validateRecord(record); });
        if (row.accepted) {
            EXPECT_EQ(message, "(accepted)") << row.field << " = " << row.value;
        } else {
            EXPECT_TRUE(message.rfind(std::string(row.field) + " is ", 0) == 0) << row.field << ": " << message;
            EXPECT_TRUE(contains(message, "expected")) << message;
        }
    }
    EXPECT_EQ(messageOf([&] {
                  FocaraParams r = defaults();
                  r.zoomWidth = NAN;
                  validateRecord(r);
              }),
              "zoomWidth is not a number, expected a number from 0 to 2000");
}

TEST_F(RecordFile, FilesRoundTripAndOnlyExactRecordsAreRead)
{
    TempDir dir;
    FocaraParams record = defaults();
    record.lineCount = 77;
    record.zoomWidth = 12.34f;
    writeRecordFile(dir / "a.rec", record);
    EXPECT_EQ(std::filesystem::file_size(dir / "a.rec"), 432u);
    FocaraParams back = readRecordFile(dir / "a.rec");
    EXPECT_EQ(std::memcmp(&back, &record, sizeof record), 0);

    std::string bytes = focara_test::readText(dir / "a.rec");
    struct Row {
        const char* name;
        std::string contents;
        const char* reason;
        // clang-format off
    } rows[] = {
        {"empty.rec", "", "exactly 432 bytes, this file has 0"},
        {"short.rec", bytes.substr(0, 431), "this file has 431"},
        {"long.rec", bytes + "x", "this file has 433"},
        {"huge.rec", bytes + std::string(100000, 'x'), "this file has 100432"},
        {"range.rec", bytes.substr(0, 184) + std::string("\x00\x00\x00\x00", 4) + bytes.substr(188), "lineCount is 0"},
        {"nan.rec", bytes.substr(0, 264) + std::string("\x00\x00\xC0\x7F", 4) + bytes.substr(268),
         "zoomLength is not a number"},
    };
    // clang-format on
    for (const Row& row : rows) {
        focara_test::writeText(dir / row.name, row.contents);
        std::string message = messageOf([&] { readRecordFile(dir / row.name); });
        EXPECT_EQ(message.rfind((dir / row.name).string() + ": ", 0), 0u) << "names the file: " << message;
        EXPECT_TRUE(contains(message, row.reason)) << message;
    }
    EXPECT_TRUE(contains(messageOf([&] { readRecordFile(dir / "missing.rec"); }), "missing.rec: cannot open"));
}

TEST_F(RecordFile, SetParsesValuesStrictlyByFieldType)
{
    struct Row {
        const char* assignment;
        const char* field;    // the field that changes when accepted
        double stored;        // its value then
        const char* refusal;  // else a piece of the message
        // clang-format off
    } rows[] = {
        {"lineCount=50", "lineCount", 50, nullptr},
        {"zoomLength=180.5", "zoomLength", 180.5, nullptr},
        {"dropShadow=1", "dropShadow", 1, nullptr},
        {"rotation=-360", "rotation", -360, nullptr},
        {"zoomLength=1e3", "zoomLength", 1000, nullptr},
        {"centerX=0.1", "centerX", double(0.1f), nullptr},
        {"finalRun=1", "finalRun", 1, nullptr},
        {"dialogLeft=-100", "dialogLeft", -100, nullptr},
        {"lineCount=0", nullptr, 0, "out of range; expected an integer from 1 to 300"},
        {"lineCount=301", nullptr, 0, "out of range"},
        {"lineCount=5.0", nullptr, 0, "expected an integer from 1 to 300"},
        {"lineCount=5x", nullptr, 0, "expected an integer"},
        {"lineCount=", nullptr, 0, "expected an integer"},
        {"lineCount= 5", nullptr, 0, "expected an integer"},
        {"lineCount=99999999999999999999", nullptr, 0, "out of range"},
        {"dropShadow=2", nullptr, 0, "expected 0 or 1"},
        {"dropShadow=true", nullptr, 0, "expected 0 or 1"},
        {"zoomLength=2000.5", nullptr, 0, "out of range; expected a number from 0 to 2000"},
        {"zoomLength=nan", nullptr, 0, "not a finite number"},
        {"zoomLength=inf", nullptr, 0, "not a finite number"},
        {"zoomLength=1e999", nullptr, 0, "out of range"},
        {"zoomLength=0x10", nullptr, 0, "expected a number"},
        {"zoomLength=abc", nullptr, 0, "expected a number"},
        {"noSuchField=1", nullptr, 0, "unknown field \"noSuchField\""},
        {"LineCount=1", nullptr, 0, "unknown field"},
        {"=1", nullptr, 0, "unknown field \"\""},
        {"lineCount", nullptr, 0, "expected FIELD=VALUE"},
        {"reserved180=1", nullptr, 0, "reserved"},
    };
    // clang-format on
    for (const Row& row : rows) {
        FocaraParams record = defaults();
        const FocaraParams before = record;
        std::string message = messageOf([&] { setRecordField(record, row.assignment); });
        if (row.field) {
            EXPECT_EQ(message, "(accepted)") << row.assignment;
            const FocaraParamField* field = FocaraParamFieldNamed(row.field);
            double stored = field->type == kParamReal ? double(*FocaraParamRealWord(&record, field))
                                                      : *FocaraParamIntWord(&record, field);
            EXPECT_EQ(stored, row.stored) << row.assignment;
        } else {
            EXPECT_EQ(message.rfind(std::string(row.assignment) + ": ", 0), 0u)
                << "starts with the assignment: " << message;
            EXPECT_TRUE(contains(message, row.refusal)) << row.assignment << ": " << message;
            EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0)
                << "a refused value changes nothing: " << row.assignment;
        }
    }
}

TEST_F(RecordFile, PrintsEveryFieldByNameInStoredOrderWithoutReservedWords)
{
    FocaraParams record = defaults();
    record.zoomLength = 180.3f;
    record.rotation = -0.0f;
    auto printed = nlohmann::ordered_json::parse(recordToJson(record));
    std::vector<std::string> expected;
    for (const FocaraParamField& field : kFocaraParamFields)
        if (field.type != kParamReserved) expected.push_back(field.name);
    std::vector<std::string> names;
    for (auto it = printed.begin(); it != printed.end(); ++it) names.push_back(it.key());
    EXPECT_EQ(names, expected);
    EXPECT_EQ(names.size(), 106u);
    EXPECT_EQ(printed["lineCount"], 30);
    EXPECT_EQ(printed["preview"], 1);
    EXPECT_EQ(printed["centerX"], 306);
    EXPECT_EQ(printed["zoomLength"].get<float>(), 180.3f) << "reals print exactly";
    EXPECT_TRUE(std::signbit(printed["rotation"].get<double>()));
}
