// Shared by the styling tests: a hand-made line styled directly through
// StyleLine, fixed random lists, and colour comparisons with readable failures.
#ifndef FOCARA_TESTS_TEST_STYLING_FIXTURE_H
#define FOCARA_TESTS_TEST_STYLING_FIXTURE_H

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "plugin/generator/LineStyle.h"
#include "tests/support/GeneratorFixture.h"

namespace styling_test {

inline std::string Describe(const studio::Color& color)
{
    std::ostringstream out;
    out << studio::colorKindName(color.kind) << "(";
    for (int i = 0; i < color.count; i++) out << (i ? ", " : "") << color.values[static_cast<size_t>(i)];
    out << ")";
    if (!color.name.empty()) out << " \"" << color.name << "\"";
    return out.str();
}

// Same kind, component count and name, components within float rounding.
inline ::testing::AssertionResult ColorsNear(const char* actualText, const char* expectedText,
                                             const studio::Color& actual, const studio::Color& expected)
{
    bool same = actual.kind == expected.kind && actual.count == expected.count && actual.name == expected.name;
    for (size_t i = 0; same && i < actual.count; i++) same = std::fabs(actual.values[i] - expected.values[i]) <= 1e-6f;
    if (same) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actualText << " is " << Describe(actual) << ", " << expectedText << " is "
                                         << Describe(expected);
}

inline studio::Color Pattern() { return {studio::ColorKind::Pattern, 0, {}, "Stripes"}; }
inline studio::Color Gradient() { return {studio::ColorKind::Gradient, 0, {}, "Sunset"}; }
inline studio::Color Custom() { return {studio::ColorKind::Custom, 4, {0.1f, 0.2f, 0.3f, 0.4f}, "Spot 1"}; }

// Random numbers for a driver run of one set: the set's two draws and each
// line's nine draws before its styling (with the record's defaults), given
// here as zeros, and then each line's own styling draws.
inline std::vector<float> OneSetDraws(std::initializer_list<std::vector<float>> perLine)
{
    std::vector<float> list(2, 0.0f);
    for (const std::vector<float>& styling : perLine) {
        list.insert(list.end(), 9, 0.0f);
        list.insert(list.end(), styling.begin(), styling.end());
    }
    return list;
}

// A closed rectangle (100, 100)..(200, 140), its handles on its anchors, and
// the inputs of a line with every option of the record off: no tilt, scales
// 1, first set, the default document's 12 swatches and 4 named styles.
class StyleLineTest : public GeneratorTest {
protected:
    AIArtHandle path = nullptr;
    int32_t cursor = 0;
    LineStyleInputs line = {};

    void SetUp() override
    {
        GeneratorTest::SetUp();
        ASSERT_EQ(sAIArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &path), kNoErr);
        studio::Art& a = art(path);
        a.closed = true;
        for (AIRealPoint p :
             {AIRealPoint{100, 100}, AIRealPoint{200, 100}, AIRealPoint{200, 140}, AIRealPoint{100, 140}})
            a.segments.push_back({p, p, p, true});
        line = {.record = &record,
                .path = path,
                .midpointRatio = 1,
                .setFillOffset = 0,
                .lineFillOffset = 0,
                .tilt = 0,
                .scaleHorizontal = 1,
                .scaleVertical = 1,
                .setIndex = 0,
                .swatchCount = static_cast<int32_t>(doc().swatches.size()),
                .namedStyleCount = static_cast<int32_t>(doc().graphicStyles.size()),
                .halfTurn = static_cast<AIReal>(3.14159265358979323846),
                .sketchStrokeWeight = 1,
                .swatchCursor = &cursor};
    }

    // The suites hand out art as the address of the document's object.
    static studio::Art& art(AIArtHandle handle) { return *reinterpret_cast<studio::Art*>(handle); }
    studio::Art& lineArt() { return art(path); }

    // These numbers come first; draws() then counts from here.
    void useDraws(std::vector<float> numbers)
    {
        host.random().setSequence(std::move(numbers));
        drawsBefore_ = host.random().draws();
    }
    uint64_t draws() { return host.random().draws() - drawsBefore_; }

    AIRealRect boundsOf(AIArtHandle handle)
    {
        AIRealRect bounds = {0, 0, 0, 0};
        EXPECT_EQ(sAIArt->GetArtBounds(handle, &bounds), kNoErr);
        return bounds;
    }

private:
    uint64_t drawsBefore_ = 0;
};

inline ::testing::AssertionResult RectsNear(const char* actualText, const char* expectedText, AIRealRect actual,
                                            AIRealRect expected)
{
    auto close = [](float a, float e) { return std::fabs(a - e) <= 1e-3f; };
    if (close(actual.left, expected.left) && close(actual.top, expected.top) && close(actual.right, expected.right) &&
        close(actual.bottom, expected.bottom))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actualText << " is (l " << actual.left << ", t " << actual.top << ", r "
                                         << actual.right << ", b " << actual.bottom << "), " << expectedText
                                         << " is (l " << expected.left << ", t " << expected.top << ", r "
                                         << expected.right << ", b " << expected.bottom << ")";
}

}  // namespace styling_test

#endif
