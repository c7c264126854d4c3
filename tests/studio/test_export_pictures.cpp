// PNG and PDF drawn by cairo from the document, read back to check what a
// person would see: the lines dark on a white page, display colours, opacity
// and strokes as the SVG shows them.
#include <gtest/gtest.h>

#include <cairo.h>

#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>

#include "studio/io/CairoWriter.h"
#include "studio/io/Files.h"
#include "tests/support/GeneratorFixture.h"

namespace {

using studio::Color;

// A PNG decoded by cairo; pixel() gives 0..255 channels.
class Picture {
public:
    explicit Picture(const std::string& png) : bytes_(png)
    {
        surface_ = cairo_image_surface_create_from_png_stream(&Picture::read, this);
    }
    ~Picture() { cairo_surface_destroy(surface_); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    bool ok() const { return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS; }
    int width() const { return cairo_image_surface_get_width(surface_); }
    int height() const { return cairo_image_surface_get_height(surface_); }

    // The pixel under an artwork point at the picture's dpi (y up from the page's bottom).
    std::array<int, 3> at(double x, double y, double dpi) const
    {
        const int px = static_cast<int>(x * dpi / 72);
        const int py = height() - 1 - static_cast<int>(y * dpi / 72);
        cairo_surface_flush(surface_);
        const unsigned char* row =
            cairo_image_surface_get_data(surface_) + py * cairo_image_surface_get_stride(surface_);
        uint32_t argb;
        std::memcpy(&argb, row + 4 * px, 4);
        return {int(argb >> 16 & 255), int(argb >> 8 & 255), int(argb & 255)};
    }

private:
    static cairo_status_t read(void* closure, unsigned char* data, unsigned int length)
    {
        auto* self = static_cast<Picture*>(closure);
        if (self->offset_ + length > self->bytes_.size()) return CAIRO_STATUS_READ_ERROR;
        std::memcpy(data, self->bytes_.data() + self->offset_, length);
        self->offset_ += length;
        return CAIRO_STATUS_SUCCESS;
    }

    std::string bytes_;
    size_t offset_ = 0;
    cairo_surface_t* surface_ = nullptr;
};

int Brightness(std::array<int, 3> rgb) { return (rgb[0] + rgb[1] + rgb[2]) / 3; }

class Pictures : public GeneratorTest {};

// The first line runs along +x from (326, 396) to (426, 396), 10 wide at its outer end.
TEST_F(Pictures, PngOfTheDefaultDrawingIsDarkWhereTheLinesAreAndLightElsewhere)
{
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    Picture png(studio::documentToPng(doc(), 150));
    ASSERT_TRUE(png.ok());
    EXPECT_EQ(png.width(), 1275);
    EXPECT_EQ(png.height(), 1650);
    for (double x : {350.0, 400.0, 420.0})
        EXPECT_LT(Brightness(png.at(x, 396, 150)), 40) << "on the first line at x " << x;
    EXPECT_LT(Brightness(png.at(236, 396, 150)), 40) << "on the line pointing left";
    EXPECT_GT(Brightness(png.at(306, 396, 150)), 215) << "the burst's empty middle";
    EXPECT_GT(Brightness(png.at(20, 20, 150)), 215) << "the page's corner";
    EXPECT_GT(Brightness(png.at(500, 700, 150)), 215) << "beyond the lines";
}

TEST_F(Pictures, PdfIsOneCompletePageOfThePagesSizeInPoints)
{
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    const std::string pdf = studio::documentToPdf(doc());
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    ASSERT_GT(pdf.size(), 6u);
    EXPECT_NE(pdf.find("%%EOF", pdf.size() - 8), std::string::npos) << "the file ends with its trailer";
    EXPECT_NE(pdf.find("/MediaBox [ 0 0 612 792 ]"), std::string::npos);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
}

TEST(PictureSize, FollowsTheDpiAndRefusesWhatCannotBeDrawn)
{
    const studio::Page letter;
    EXPECT_EQ(studio::pngPixelSize(letter, 72).width, 612);
    EXPECT_EQ(studio::pngPixelSize(letter, 72).height, 792);
    EXPECT_EQ(studio::pngPixelSize(letter, 100).width, 850);
    EXPECT_EQ(studio::pngPixelSize({10.5f, 1}, 72).width, 11) << "rounded up";
    for (double dpi : {0.0, -1.0, std::nan(""), HUGE_VAL, 3000.0})
        EXPECT_THROW(studio::pngPixelSize(letter, dpi), studio::InputError) << "dpi " << dpi;
}

struct PaintRow {
    const char* name;
    bool fillPaint;
    Color fill;
    bool strokePaint;
    Color stroke;
    float opacity;
    std::array<int, 3> inside;  // at the square's middle
    std::array<int, 3> onEdge;  // on its left edge
};

void PrintTo(const PaintRow& row, std::ostream* out) { *out << row.name; }

class PicturePaint : public ::testing::TestWithParam<PaintRow> {};

// One square (100, 100)..(200, 200) with a stroke 8 wide, drawn at 72 dpi.
TEST_P(PicturePaint, ShowsDisplayColoursStrokesAndOpacityAsTheSvgDoes)
{
    const PaintRow& row = GetParam();
    studio::Document document;
    studio::Art& art = document.newPath(kPlaceAboveAll, nullptr);
    for (AIRealPoint p : {AIRealPoint{100, 100}, AIRealPoint{200, 100}, AIRealPoint{200, 200}, AIRealPoint{100, 200}})
        art.segments.push_back({p, p, p, true});
    art.closed = true;
    art.style = {row.fillPaint, row.fill, row.strokePaint, row.stroke, 8};
    art.opacity = row.opacity;
    Picture png(studio::documentToPng(document, 72));
    ASSERT_TRUE(png.ok());
    auto near = [](std::array<int, 3> a, std::array<int, 3> e) {
        for (size_t i = 0; i < 3; ++i)
            if (std::abs(a[i] - e[i]) > 2) return false;
        return true;
    };
    const std::array<int, 3> inside = png.at(150, 150, 72);
    const std::array<int, 3> edge = png.at(100, 150, 72);
    EXPECT_TRUE(near(inside, row.inside))
        << row.name << ": inside is " << inside[0] << "," << inside[1] << "," << inside[2];
    EXPECT_TRUE(near(edge, row.onEdge)) << row.name << ": edge is " << edge[0] << "," << edge[1] << "," << edge[2];
}

const std::array<int, 3> kWhite = {255, 255, 255};

INSTANTIATE_TEST_SUITE_P(
    Rows, PicturePaint,
    ::testing::Values(
        PaintRow{"RGB fill", true, Color::rgb(1, 0, 0), false, Color::rgb(0, 0, 0), 1, {255, 0, 0}, {255, 0, 0}},
        PaintRow{"gray is ink: 0.25 shows 75% white",
                 true,
                 Color::gray(0.25f),
                 false,
                 Color::rgb(0, 0, 0),
                 1,
                 {191, 191, 191},
                 {191, 191, 191}},
        PaintRow{"CMYK", true, Color::cmyk(0, 1, 1, 0), false, Color::rgb(0, 0, 0), 1, {255, 0, 0}, {255, 0, 0}},
        PaintRow{"custom shows its CMYK look",
                 true,
                 Color{studio::ColorKind::Custom, 4, {1, 0, 0, 0}, "Spot"},
                 false,
                 Color::rgb(0, 0, 0),
                 1,
                 {0, 255, 255},
                 {0, 255, 255}},
        PaintRow{"components clamped for display",
                 true,
                 Color::rgb(-0.4f, 2, 0.5f),
                 false,
                 Color::rgb(0, 0, 0),
                 1,
                 {0, 255, 128},
                 {0, 255, 128}},
        PaintRow{"stroke only", false, Color::rgb(1, 0, 0), true, Color::rgb(0, 0, 1), 1, kWhite, {0, 0, 255}},
        PaintRow{"stroke over fill", true, Color::rgb(1, 0, 0), true, Color::rgb(0, 0, 1), 1, {255, 0, 0}, {0, 0, 255}},
        PaintRow{"fill of kind none", true, Color::none(), true, Color::rgb(0, 0, 1), 1, kWhite, {0, 0, 255}},
        PaintRow{"half opacity over white",
                 true,
                 Color::rgb(0, 0, 0),
                 false,
                 Color::rgb(0, 0, 0),
                 0.5f,
                 {128, 128, 128},
                 {128, 128, 128}},
        // Opacity of the path as a whole: the stroke does not show the fill through it.
        PaintRow{"opacity over fill and stroke together",
                 true,
                 Color::rgb(1, 0, 0),
                 true,
                 Color::rgb(0, 0, 1),
                 0.5f,
                 {255, 128, 128},
                 {128, 128, 255}},
        PaintRow{"nothing painted", false, Color::rgb(1, 0, 0), false, Color::rgb(0, 0, 1), 1, kWhite, kWhite}));

}  // namespace
