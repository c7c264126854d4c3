// Pictures of part of the page, the studio's preview of large drawings, and
// the tables the host adds around the plug-in: page sizes and field help.
#include <gtest/gtest.h>

#include <cairo.h>

#include <array>
#include <cstring>
#include <limits>
#include <string>

#include "sdk/FocaraParams.h"
#include "studio/dialogs/FieldHelp.h"
#include "studio/document/PageSizes.h"
#include "studio/io/Files.h"
#include "studio/io/RasterPreview.h"
#include "studio/session/FilterRun.h"
#include "studio/session/PresetPicture.h"

namespace {

using studio::RasterRegion;

// A PNG decoded by cairo: the alpha of one pixel.
class Decoded {
public:
    explicit Decoded(const std::string& png) : bytes_(png)
    {
        surface_ = cairo_image_surface_create_from_png_stream(&Decoded::read, this);
    }
    ~Decoded() { cairo_surface_destroy(surface_); }
    Decoded(const Decoded&) = delete;
    Decoded& operator=(const Decoded&) = delete;

    int width() const { return cairo_image_surface_get_width(surface_); }
    int height() const { return cairo_image_surface_get_height(surface_); }
    int alpha(int x, int y) const
    {
        cairo_surface_flush(surface_);
        const unsigned char* row =
            cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
        uint32_t pixel;
        std::memcpy(&pixel, row + 4 * x, 4);
        return static_cast<int>(pixel >> 24);
    }
    int opaquePixels() const
    {
        int n = 0;
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x) n += alpha(x, y) > 128;
        return n;
    }

private:
    static cairo_status_t read(void* closure, unsigned char* data, unsigned int length)
    {
        auto* self = static_cast<Decoded*>(closure);
        if (self->at_ + length > self->bytes_.size()) return CAIRO_STATUS_READ_ERROR;
        std::memcpy(data, self->bytes_.data() + self->at_, length);
        self->at_ += length;
        return CAIRO_STATUS_SUCCESS;
    }
    std::string bytes_;
    size_t at_ = 0;
    cairo_surface_t* surface_;
};

// A black square from (x, y) to (x + side, y + side), artwork points (y up).
studio::Document withSquare(float x, float y, float side)
{
    studio::Document doc;
    studio::Art& square = doc.newPath(kPlaceAboveAll, nullptr);
    for (auto [px, py] :
         std::array<std::pair<float, float>, 4>{{{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}}})
        square.segments.push_back({{px, py}, {px, py}, {px, py}, true});
    square.closed = true;
    square.style.fillPaint = true;
    square.style.fill = studio::Color{studio::ColorKind::Gray, 1, {1, 0, 0, 0}, ""};
    return doc;
}

TEST(RasterPreview, DrawsOnlyTheRegionAskedForAtItsScale)
{
    // On the 612 x 792 page the square (100..150, 100..150) lies 642..692 from the top.
    studio::Document doc = withSquare(100, 100, 50);
    Decoded whole(studio::regionToPng(doc, {0, 0, 612, 792, 0.5}));
    EXPECT_EQ(whole.width(), 306);
    EXPECT_EQ(whole.height(), 396);
    EXPECT_EQ(whole.alpha(62, 333), 255) << "inside the square";
    EXPECT_EQ(whole.alpha(10, 10), 0) << "the page shows through elsewhere";

    // The square's own region at 4 pixels a point: filled edge to edge.
    Decoded part(studio::regionToPng(doc, {100, 642, 50, 50, 4}));
    EXPECT_EQ(part.width(), 200);
    EXPECT_EQ(part.height(), 200);
    for (auto [x, y] : std::array<std::pair<int, int>, 4>{{{2, 2}, {197, 2}, {2, 197}, {197, 197}}})
        EXPECT_EQ(part.alpha(x, y), 255) << x << "," << y;
    // Just beside it: empty.
    Decoded beside(studio::regionToPng(doc, {160, 642, 50, 50, 2}));
    EXPECT_EQ(beside.alpha(50, 50), 0);
}

TEST(RasterPreview, RefusesRegionsThatMakeNoPictureOrTooLargeAOne)
{
    struct Case {
        RasterRegion region;
        const char* says;
    } cases[] = {
        {{0, 0, 0, 10, 1}, "width and height must be above 0"},
        {{0, 0, 10, -1, 1}, "width and height must be above 0"},
        {{0, 0, 10, 10, 0}, "scale must be above 0"},
        {{0, 0, 10, 10, std::numeric_limits<double>::infinity()}, "must be finite"},
        {{std::numeric_limits<double>::quiet_NaN(), 0, 10, 10, 1}, "must be finite"},
        {{0, 0, 612, 792, 20}, "at most 8192 a side"},
    };
    studio::Document doc;
    for (const Case& c : cases) {
        try {
            studio::regionToPng(doc, c.region);
            ADD_FAILURE() << c.says << ": accepted";
        } catch (const studio::InputError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(studio::rasterSize({0, 0, 612, 792, 8192 / 792.0}).height, 8192);
}

TEST(PageSizes, NamedSizesInPointsPortraitOrTurned)
{
    struct Case {
        const char* name;
        float width, height;
    } cases[] = {{"letter", 612, 792},
                 {"A4", 595.28f, 841.89f},
                 {"a5", 419.53f, 595.28f},
                 {"B4", 728.5f, 1031.81f},
                 {"b5", 515.91f, 728.5f}};
    for (const Case& c : cases) {
        auto size = studio::findPageSize(c.name);
        ASSERT_TRUE(size) << c.name;
        studio::Page portrait = studio::pageOf(*size, false);
        studio::Page landscape = studio::pageOf(*size, true);
        EXPECT_FLOAT_EQ(portrait.width, c.width) << c.name;
        EXPECT_FLOAT_EQ(portrait.height, c.height) << c.name;
        EXPECT_FLOAT_EQ(landscape.width, c.height) << c.name;
        EXPECT_FLOAT_EQ(landscape.height, c.width) << c.name;
    }
    std::string why;
    auto custom = studio::parsePage("300x400 landscape", why);
    ASSERT_TRUE(custom);
    EXPECT_FLOAT_EQ(custom->width, 400);
    EXPECT_FLOAT_EQ(custom->height, 300);
    for (const char* bad : {"", "a4 sideways", "a4 portrait extra", "12x", "x12", "1e99x5", "inf x5", "a3"}) {
        why.clear();
        EXPECT_FALSE(studio::parsePage(bad, why)) << bad;
        EXPECT_FALSE(why.empty()) << bad;
    }
    EXPECT_FALSE(studio::findPageSize("a3"));
    EXPECT_FALSE(studio::findPageSize(""));
}

TEST(FieldHelp, EveryFieldADialogItemEditsHasHelpAndItsTooltipSaysRangeAndUnit)
{
    for (const FocaraParamField& field : kFocaraParamFields) {
        if (field.item == 0) continue;
        EXPECT_TRUE(studio::fieldHelp(field.name)) << field.name;
        ASSERT_NE(studio::fieldOfItem(field.item), nullptr);
        EXPECT_STREQ(studio::fieldOfItem(field.item)->name, field.name);
    }
    EXPECT_EQ(studio::fieldOfItem(0), nullptr);
    EXPECT_EQ(studio::fieldOfItem(96), nullptr) << "a caption edits nothing";

    const FocaraParamField* width = studio::fieldOfItem(21);
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(studio::tooltipOf(*width, *studio::fieldHelp(width->name), ""),
              "Zoom width: Width of every line at its widest. 0 to 2000 pt.");
    const FocaraParamField* fill = studio::fieldOfItem(117);
    ASSERT_NE(fill, nullptr);
    std::string tip = studio::tooltipOf(*fill, *studio::fieldHelp(fill->name), "Fill (R)");
    EXPECT_NE(tip.find("On or off."), std::string::npos) << tip;
    EXPECT_NE(tip.find("(R) means random"), std::string::npos) << tip;
}

TEST(PresetPicture, IsDrawnByThePlugInAndLeavesTheHostAsItWas)
{
    studio::Host host(withSquare(10, 10, 5), 7);
    studio::PluginSession session(host, FOCARA_PLUGIN_PATH);
    FocaraParams record{};
    record.lineCount = 123;
    session.runner().setRecord(record);
    const uint64_t draws = host.random().draws();
    const size_t journal = host.document().journalSize();

    Decoded reset(studio::drawPresetPicture(host, session.runner(), 0, 96));
    Decoded seven(studio::drawPresetPicture(host, session.runner(), 7, 96));
    EXPECT_EQ(seven.width(), 96);
    EXPECT_EQ(seven.height(), 96) << "the square around the drawing";
    // Lines were drawn, and preset 7's differ from the defaults'.
    EXPECT_GT(reset.opaquePixels(), 100);
    EXPECT_NE(reset.opaquePixels(), seven.opaquePixels());

    EXPECT_EQ(host.random().draws(), draws) << "the session's drawings stay as the seed fixes them";
    EXPECT_EQ(host.document().artCount(), 1u);
    EXPECT_EQ(host.document().journalSize(), journal);
    EXPECT_EQ(session.runner().record()->lineCount, 123);
    EXPECT_EQ(host.dialogs().driver(), nullptr);
    EXPECT_THROW(studio::drawPresetPicture(host, session.runner(), 99, 96), std::runtime_error);
    EXPECT_EQ(host.document().artCount(), 1u);
}

}  // namespace
