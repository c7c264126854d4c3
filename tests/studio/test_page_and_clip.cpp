// Page sizes, clip rectangles and the reach-edges length: the text forms the
// command takes and the geometry they give.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "studio/document/HostSettings.h"
#include "studio/document/PageSizes.h"
#include "studio/host/ReachEdges.h"
#include "studio/host/RecordDefaults.h"

using namespace studio;

TEST(PageSizes, NamesAndSizesWithUnitsGiveTheirPoints)
{
    struct Row {
        const char* text;
        double width;
        double height;
    } rows[] = {
        {"letter", 612, 792},     {"A4", 595.28, 841.89},    {"a5", 419.53, 595.28},
        {"b4", 728.5, 1031.81},  // JIS, 257 x 364 mm
        {"b5", 515.91, 728.5},   // JIS, 182 x 257 mm
        {"300x200", 300, 200},    {"300ptx200pt", 300, 200}, {"257x364mm", 257 * 72 / 25.4, 364 * 72 / 25.4},
        {"8.5inx11in", 612, 792}, {"1inx72", 72, 72},
    };
    for (const Row& row : rows) {
        PageSize size = parsePageSize(row.text);
        EXPECT_NEAR(size.width, row.width, 1e-9) << row.text;
        EXPECT_NEAR(size.height, row.height, 1e-9) << row.text;
    }
    // The JIS table entries are the millimetre sizes to two places.
    EXPECT_NEAR(parsePageSize("b4").width, parsePageSize("257x364mm").width, 0.01);
    EXPECT_NEAR(parsePageSize("b5").height, parsePageSize("182x257mm").height, 0.01);
}

TEST(PageSizes, LandscapePutsTheLongerEdgeAcross)
{
    PageSize turned = landscape(*pageSizeNamed("b4"));
    EXPECT_EQ(turned.width, 1031.81);
    EXPECT_EQ(turned.height, 728.5);
    EXPECT_EQ(landscape(turned).width, 1031.81) << "a landscape page stays as it is";
}

TEST(PageSizes, MalformedSizesAreRefused)
{
    for (const char* text : {"", "b3", "legal", "300", "300x", "x200", "0x100", "100x-5", "100x200cm", "axb",
                             "100x200x300", "nanx100", "20000x100", "100x200 mm"})
        EXPECT_THROW(parsePageSize(text), std::invalid_argument) << '"' << text << '"';
}

TEST(Clip, PageOrARectangleAndNothingElse)
{
    EXPECT_EQ(parseClip("page").kind, Clip::Kind::Page);
    Clip panel = parseClip("10,20.5,300,1e2");
    EXPECT_EQ(panel.kind, Clip::Kind::Rect);
    EXPECT_THROW(parseClip("10,20,300,0"), std::invalid_argument) << "a panel has an area";
    for (const char* text : {"", "pag", "1,2,3", "1,2,3,4,5", "1,,3,4", "1,2,-3,4", "a,b,c,d", "1,2,3,4,", "1e9,0,1,1"})
        EXPECT_THROW(parseClip(text), std::invalid_argument) << '"' << text << '"';

    Clip rect = parseClip("10,20.5,300,400");
    EXPECT_EQ(parseClip(clipText(rect)), rect) << "the text form reads back";
    EXPECT_EQ(clipText(Clip{}), "none");
    EXPECT_EQ(clipText(parseClip("page")), "page");
    EXPECT_EQ(*clipRectangle(parseClip("page"), Page{100, 50}), (ClipRect{0, 0, 100, 50}));
    EXPECT_FALSE(clipRectangle(Clip{}, Page{}).has_value());
}

TEST(ReachEdges, TheLineEndsAtTheFarthestCornerWithinTheFieldsRange)
{
    FocaraParams record = defaultRecord(Document::makeDefault());  // centre (306, 396), distance 20
    const ClipRect page{0, 0, 612, 792};
    EXPECT_NEAR(reachEdgesLength(record, page), std::hypot(306.0, 396.0) - 20, 1e-3);

    record.centerX = 100;
    record.centerY = 100;
    EXPECT_NEAR(reachEdgesLength(record, page), std::hypot(512.0, 692.0) - 20, 1e-3) << "the farthest corner";

    record.lineLengthPercent = 101;  // the last of 30 lines is 1.01^29 times as long
    EXPECT_NEAR(reachEdgesLength(record, page), (std::hypot(512.0, 692.0) - 20) / std::pow(1.01, 29), 1e-2);

    record.lineLengthPercent = 100;
    record.zoomDistance = 2000;
    EXPECT_EQ(reachEdgesLength(record, page), 0) << "a line starting past the corner gets the least length";
    record.zoomDistance = 0;
    record.centerX = -5000;
    record.centerY = -5000;
    EXPECT_EQ(reachEdgesLength(record, ClipRect{0, 0, 14400, 14400}), 2000) << "and at most the field's maximum";
}
