// The host's document model: random source, geometry, placement and undo.
#include <gtest/gtest.h>

#include "studio/document/Document.h"
#include "studio/document/Geometry.h"
#include "studio/host/RandomSource.h"

using namespace studio;

TEST(RandomSource, SplitMix64MatchesTheKnownDraws)
{
    struct Row {
        uint64_t seed;
        double first[3];
        // clang-format off
    } rows[] = {
        {0, {0.8833107948303223, 0.4315279722213745, 0.02643376588821411}},
        {42, {0.7415648698806763, 0.1599103808403015, 0.27860110998153687}},
    };
    // clang-format on
    for (const Row& row : rows) {
        RandomSource r(row.seed);
        for (double expected : row.first) EXPECT_EQ(double(r.next()), expected) << "seed " << row.seed;
    }
}

TEST(RandomSource, FixedSequenceComesFirstThenTheSeededStream)
{
    RandomSource r(0);
    r.setSequence({0.25f, 0.5f});
    EXPECT_EQ(r.next(), 0.25f);
    EXPECT_EQ(r.next(), 0.5f);
    EXPECT_EQ(double(r.next()), 0.8833107948303223);
    EXPECT_EQ(r.draws(), 3u);
}

TEST(RandomSource, SkipLandsWhereDrawingWouldAcrossBatches)
{
    RandomSource drawn(7);
    std::vector<float> all;
    for (int i = 0; i < 300; ++i) all.push_back(drawn.next());
    for (uint64_t before : {0u, 1u, 63u, 64u, 65u, 130u}) {
        for (uint64_t skipped : {0u, 1u, 64u, 100u}) {
            RandomSource r(7);
            for (uint64_t i = 0; i < before; ++i) r.next();
            r.skip(skipped);
            EXPECT_EQ(r.draws(), before + skipped);
            EXPECT_EQ(r.next(), all[before + skipped]) << before << " drawn, " << skipped << " skipped";
            EXPECT_EQ(r.next(), all[before + skipped + 1]);
        }
    }
}

namespace {
AIPathSegment corner(float x, float y) { return {{x, y}, {x, y}, {x, y}, false}; }
}  // namespace

TEST(Geometry, BoundsOfStraightAndCurvedPaths)
{
    std::vector<AIPathSegment> triangle = {corner(0, 0), corner(10, 5), corner(10, -5)};
    AIRealRect b = pathBounds(triangle, true);
    EXPECT_EQ(b.left, 0);
    EXPECT_EQ(b.right, 10);
    EXPECT_EQ(b.top, 5);
    EXPECT_EQ(b.bottom, -5);

    // A half oval: one arc whose control points reach y = 1 peaks at 3/4, not at the handles.
    std::vector<AIPathSegment> semi = {{{0, 0}, {0, 0}, {0, 1}, false}, {{1, 0}, {1, 1}, {1, 0}, false}};
    b = pathBounds(semi, true);
    EXPECT_NEAR(b.top, 0.75f, 1e-6);
    EXPECT_EQ(b.bottom, 0);

    // The closing edge counts only when the path is closed.
    std::vector<AIPathSegment> open = {{{0, 0}, {0, -1}, {0, 0}, false}, {{1, 0}, {1, 0}, {1, -1}, false}};
    EXPECT_EQ(pathBounds(open, false).bottom, 0);
    EXPECT_NEAR(pathBounds(open, true).bottom, -0.75f, 1e-6);

    EXPECT_EQ(pathBounds({}, true).right, 0);
}

TEST(Document, DefaultDocumentIsTheBuiltInOne)
{
    Document d;
    EXPECT_EQ(d.page.width, 612);
    EXPECT_EQ(d.page.height, 792);
    EXPECT_EQ(d.view.center.h, 306);
    EXPECT_EQ(d.view.center.v, 396);
    ASSERT_EQ(d.layers().size(), 1u);
    EXPECT_EQ(d.layers()[0]->name, "Layer 1");
    ASSERT_EQ(d.swatches.size(), 12u);
    EXPECT_EQ(d.swatches[11].color, Color::gray(0.5f));
    ASSERT_EQ(d.graphicStyles.size(), 4u);
    EXPECT_EQ(d.graphicStyles[3].name, "Ghost");
    EXPECT_FALSE(d.currentStyle.strokePaint);
}

TEST(Document, PlacementFollowsPaintOrder)
{
    Document d;
    Art& a = d.newPath(kPlaceAboveAll, nullptr);
    Art& b = d.newPath(kPlaceAboveAll, nullptr);
    Art& below = d.duplicate(b, kPlaceBelow, nullptr);
    Art& top = d.duplicate(a, kPlaceAboveAll, nullptr);
    const auto& art = d.layers()[0]->art;
    ASSERT_EQ(art.size(), 4u);
    EXPECT_EQ(art[0].get(), &a);
    EXPECT_EQ(art[1].get(), &below);
    EXPECT_EQ(art[2].get(), &b);
    EXPECT_EQ(art[3].get(), &top);
    EXPECT_THROW(d.newPath(kPlaceBelow, nullptr), std::invalid_argument);
    EXPECT_THROW(d.newPath(kPlaceInsideOnTop, &a), std::invalid_argument);
}

TEST(Document, NewLayersGoOnTopAndBecomeCurrent)
{
    Document d;
    d.insertLayerAboveAll();
    Layer& third = d.insertLayerAboveAll();
    EXPECT_EQ(third.name, "Layer 3");
    EXPECT_EQ(&d.currentLayer(), &third);
    d.newPath(kPlaceAboveAll, nullptr);
    EXPECT_EQ(third.art.size(), 1u);
}

TEST(Document, UndoRevertsEveryChangeOfTheContextAndTheContextGoesOn)
{
    Document d;
    Art& old = d.newPath(kPlaceAboveAll, nullptr);
    old.segments.push_back(corner(1, 1));
    d.beginUndoContext();  // old now predates the context

    d.willChange(old);
    old.segments.push_back(corner(2, 2));
    old.opacity = 0.5f;
    d.insertLayerAboveAll();
    d.newPath(kPlaceAboveAll, nullptr);
    d.duplicate(old, kPlaceBelow, nullptr);
    d.undo();

    ASSERT_EQ(d.layers().size(), 1u);
    EXPECT_EQ(&d.currentLayer(), d.layers()[0].get());
    ASSERT_EQ(d.artCount(), 1u);
    EXPECT_EQ(old.segments.size(), 1u);
    EXPECT_EQ(old.opacity, 1);

    // After an undo the same art is saved again on its next change.
    d.willChange(old);
    old.opacity = 0.25f;
    d.undo();
    EXPECT_EQ(old.opacity, 1);
    EXPECT_EQ(d.journalSize(), 0u);
}

TEST(Document, ViewPointsRoundTripThroughArtworkCoordinates)
{
    View v;
    v.zoom = 2;
    AIRealPoint p = viewToArtwork(v, artworkToView(v, {255, 400}));
    EXPECT_EQ(p.h, 255);
    EXPECT_EQ(p.v, 400);
    AIRealPoint centre = viewToArtwork(v, {View::kWindowWidth / 2, View::kWindowHeight / 2});
    EXPECT_EQ(centre.h, 306);
    EXPECT_EQ(centre.v, 396);
}
