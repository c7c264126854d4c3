#include "plugin/generator/LineShapes.h"

#include "plugin/suites/SuitePointers.h"

namespace {

// A small fraction num/den of the line length (a) or width (b). den 0 marks an
// unused slot of a row.
struct Fraction {
    int16_t num = 0;
    int16_t den = 0;
    constexpr Fraction() = default;
    constexpr Fraction(int whole) : num(static_cast<int16_t>(whole)), den(1) {}
    constexpr Fraction(int n, int d) : num(static_cast<int16_t>(n)), den(static_cast<int16_t>(d)) {}
};

// (a, b): the page point (cx + D + a*L, cy + b*W) of the unrotated line.
struct ShapePoint {
    Fraction a;
    Fraction b;
};

// One anchor; a handle that is not listed equals the anchor.
struct ShapeAnchor {
    ShapePoint p;
    ShapePoint in;
    ShapePoint out;
    constexpr ShapeAnchor In(Fraction a, Fraction b) const
    {
        ShapeAnchor s = *this;
        s.in = {a, b};
        return s;
    }
    constexpr ShapeAnchor Out(Fraction a, Fraction b) const
    {
        ShapeAnchor s = *this;
        s.out = {a, b};
        return s;
    }
};

struct LineShape {
    const char* popupText;
    int32_t anchorCount;
    ShapeAnchor anchors[kLineShapeMaxAnchors];
};

// The notation of the tables: F(1, 2) is 1/2; A(a, b) an anchor with both
// handles on it; .In(a, b) and .Out(a, b) the handles that differ.
constexpr Fraction F(int num, int den) { return Fraction(num, den); }
constexpr ShapeAnchor A(Fraction a, Fraction b) { return ShapeAnchor{{a, b}, {a, b}, {a, b}}; }

// One row per style, in popup order, anchors in the order they are written.
// clang-format off
constexpr LineShape kLineShapes[kLineShapeCount] = {
    /*  0 */ {" Default zoom focus line", 3, {A(0, 0), A(1, +1), A(1, -1)}},
    /*  1 */ {" Triangle up", 3, {A(0, 0), A(1, +1), A(1, 0)}},
    /*  2 */ {" Triangle down", 3, {A(0, 0), A(1, 0), A(1, -1)}},
    /*  3 */ {" Wedge", 4, {A(0, 0), A(F(1, 2), +1), A(1, +1), A(1, 0)}},
    /*  4 */ {" Nib", 5, {A(0, 0), A(F(1, 2), +1), A(1, +1), A(1, -1), A(F(1, 2), -1)}},
    /*  5 */ {" Dip", 4, {A(0, 0), A(0, F(+1, 2)), A(1, +1), A(1, 0)}},
    /*  6 */ {" V", 6, {A(0, 0), A(1, +1), A(1, F(+1, 2)), A(F(1, 2), 0), A(1, F(-1, 2)), A(1, -1)}},
    /*  7 */ {" Doubled", 7, {
                A(0, 0), A(F(1, 2), F(+1, 2)), A(F(1, 2), 0), A(1, F(+1, 2)), A(1, F(-1, 2)), A(F(1, 2), 0),
                A(F(1, 2), F(-1, 2))}},
    /*  8 */ {" Diamond", 4, {A(0, 0), A(F(1, 2), F(+1, 2)), A(1, 0), A(F(1, 2), F(-1, 2))}},
    /*  9 */ {" Half diamond", 3, {A(0, 0), A(F(1, 2), F(+1, 2)), A(1, 0)}},
    /* 10 */ {" Cut", 6, {
                A(0, F(+1, 2)), A(1, +1), A(1, -1), A(0, F(-1, 2)), A(F(1, 2), F(-1, 2)),
                A(F(1, 2), F(+1, 2))}},
    /* 11 */ {" Arrow ends", 10, {
                A(0, 0), A(F(1, 3), +1), A(F(1, 3), 0), A(F(2, 3), 0), A(F(2, 3), +1), A(1, 0),
                A(F(2, 3), -1), A(F(2, 3), 0), A(F(1, 3), 0), A(F(1, 3), -1)}},
    /* 12 */ {" Arrow", 7, {
                A(0, 0), A(F(1, 2), +1), A(F(1, 2), F(+1, 2)), A(1, F(+1, 2)), A(1, F(-1, 2)),
                A(F(1, 2), F(-1, 2)), A(F(1, 2), -1)}},
    /* 13 */ {" Slant", 3, {A(0, 0), A(F(4, 5), +1), A(1, 0)}},
    /* 14 */ {" Curved 1", 2, {A(0, 0).In(0, -1).Out(0, +1), A(1, 0).In(1, +1).Out(1, -1)}},
    /* 15 */ {" Curved 2", 2, {A(0, 0).In(0, -1).Out(0, +1), A(1, 0).In(1, F(+1, 2)).Out(1, F(-1, 2))}},
    /* 16 */ {" Curved 3", 4, {
                A(0, 0).In(0, -1).Out(0, +1), A(F(1, 2), F(+1, 2)), A(1, 0).In(1, F(+1, 2)).Out(1, F(-1, 2)),
                A(F(1, 2), F(-1, 2))}},
    /* 17 */ {" Curved 4", 2, {
                A(0, 0).In(F(1, 2), -1).Out(F(1, 2), +1), A(1, 0).In(F(1, 2), +1).Out(F(1, 2), -1)}},
    /* 18 */ {" Bullet 1", 3, {A(0, 0).In(0, -1).Out(0, +1), A(1, +1), A(1, -1)}},
    /* 19 */ {" Bullet 2", 3, {A(0, 0).In(F(1, 2), -1).Out(F(1, 2), +1), A(1, +1), A(1, -1)}},
    /* 20 */ {" Bend 1", 4, {
                A(0, 0).In(0, -1).Out(0, +1), A(F(1, 2), F(+1, 3)).In(0, F(+1, 3)).Out(1, F(+1, 3)),
                A(1, 0).In(1, +1).Out(1, -1), A(F(1, 2), F(-1, 3)).In(1, F(-1, 3)).Out(0, F(-1, 3))}},
    /* 21 */ {" Bend 2", 4, {
                A(0, 0).In(0, -1).Out(0, +1),
                A(F(1, 4), F(+1, 3)).In(F(-1, 4), F(+1, 3)).Out(F(3, 4), F(+1, 3)),
                A(1, 0).In(1, +1).Out(1, -1),
                A(F(1, 4), F(-1, 3)).In(F(3, 4), F(-1, 3)).Out(F(-1, 4), F(-1, 3))}},
    /* 22 */ {" Double diamond", 8, {
                A(0, 0), A(F(1, 4), F(+1, 2)), A(F(1, 2), 0), A(F(3, 4), F(+1, 2)), A(1, 0),
                A(F(3, 4), F(-1, 2)), A(F(1, 2), 0), A(F(1, 4), F(-1, 2))}},
    /* 23 */ {" Jagged", 4, {A(0, 0), A(1, -1), A(F(1, 2), 0), A(F(1, 2), -1)}},
    /* 24 */ {" Double down", 5, {A(0, 0), A(1, 0), A(1, -1), A(F(1, 2), 0), A(F(1, 2), -1)}},
    /* 25 */ {" Double up", 5, {A(0, 0), A(1, 0), A(1, +1), A(F(1, 2), 0), A(F(1, 2), +1)}},
    /* 26 */ {" Hook", 5, {A(0, 0), A(1, 0), A(1, +1), A(F(1, 2), 0), A(F(1, 2), F(+1, 3))}},
    /* 27 */ {" Semi", 2, {A(0, 0).Out(0, +1), A(1, 0).In(1, +1)}},
    /* 28 */ {" Bump", 3, {A(0, 0).Out(0, +1), A(F(1, 2), 0).In(0, +1).Out(1, +1), A(1, 0).In(1, +1)}},
    /* 29 */ {" Hammer", 8, {
                A(0, +1), A(F(1, 3), +1), A(F(1, 3), F(+1, 3)), A(1, F(+1, 3)), A(1, F(-1, 3)),
                A(F(1, 3), F(-1, 3)), A(F(1, 3), -1), A(0, -1)}},
    /* 30 */ {" Saw", 7, {
                A(0, 0), A(F(1, 3), F(+1, 3)), A(F(1, 3), 0), A(F(2, 3), F(+2, 3)), A(F(2, 3), 0), A(1, +1),
                A(1, 0)}},
    /* 31 */ {" Valley", 6, {
                A(0, F(+1, 2)), A(F(1, 2), 0), A(1, F(+1, 2)), A(1, F(-1, 2)), A(F(1, 2), 0), A(0, F(-1, 2))}},
    /* 32 */ {" Rise", 9, {
                A(0, 0), A(F(1, 4), F(+1, 4)), A(F(1, 4), 0), A(F(1, 2), F(+1, 2)), A(F(1, 2), 0),
                A(F(3, 4), F(+3, 4)), A(F(3, 4), 0), A(1, +1), A(1, 0)}},
    /* 33 */ {" Crackle", 11, {
                A(0, 0), A(F(1, 3), F(+1, 3)), A(F(1, 3), F(+1, 6)), A(F(2, 3), F(+2, 3)),
                A(F(2, 3), F(+1, 3)), A(1, +1), A(1, -1), A(F(2, 3), F(-1, 3)), A(F(2, 3), F(-2, 3)),
                A(F(1, 3), F(-1, 6)), A(F(1, 3), F(-1, 3))}},
    /* 34 */ {" Diamonds", 12, {
                A(0, 0), A(F(1, 6), F(+1, 4)), A(F(1, 3), 0), A(F(1, 2), F(+1, 2)), A(F(2, 3), 0),
                A(F(5, 6), F(+1, 4)), A(1, 0), A(F(5, 6), F(-1, 4)), A(F(2, 3), 0), A(F(1, 2), F(-1, 2)),
                A(F(1, 3), 0), A(F(1, 6), F(-1, 4))}},
    /* 35 */ {" Spike", 8, {
                A(0, 0), A(F(1, 3), F(+1, 6)), A(F(1, 2), F(+1, 2)), A(F(2, 3), F(+1, 6)), A(1, 0),
                A(F(2, 3), F(-1, 6)), A(F(1, 2), F(-1, 2)), A(F(1, 3), F(-1, 6))}},
    /* 36 */ {" Crossover", 4, {
                A(0, F(-1, 2)).In(F(1, 2), F(-1, 2)), A(0, F(+1, 2)).Out(F(1, 2), F(+1, 2)),
                A(1, F(-1, 2)).In(F(1, 2), F(-1, 2)), A(1, F(+1, 2)).Out(F(1, 2), F(+1, 2))}},
    /* 37 */ {" Six", 13, {
                A(0, 0), A(F(1, 12), +1), A(F(1, 6), 0), A(F(1, 4), +1), A(F(1, 3), 0), A(F(5, 12), +1),
                A(F(1, 2), 0), A(F(7, 12), +1), A(F(2, 3), 0), A(F(3, 4), +1), A(F(5, 6), 0),
                A(F(11, 12), +1), A(1, 0)}},
    /* 38 */ {" Ledge", 5, {A(0, 0), A(F(9, 10), +1), A(1, 0), A(F(9, 10), 0), A(F(4, 5), F(+1, 2))}},
    /* 39 */ {" Smile", 3, {
                A(0, 0).In(0, F(-1, 2)), A(1, 0).In(1, F(-1, 2)), A(F(1, 2), -1).In(1, -1).Out(0, -1)}},
    /* 40 */ {" Nibble", 7, {
                A(0, 0), A(0, F(+1, 2)), A(F(2, 3), +1), A(F(7, 10), F(+1, 2)), A(F(4, 5), 0),
                A(F(9, 10), F(+1, 3)), A(1, 0)}},
    /* 41 */ {" Chisel 1", 5, {A(0, 0), A(F(1, 6), F(+1, 3)), A(F(1, 3), +1), A(1, +1), A(1, 0)}},
    /* 42 */ {" Chisel 2", 7, {
                A(0, 0), A(F(1, 12), F(+1, 12)), A(F(1, 6), F(+1, 2)), A(1, F(+1, 2)), A(1, F(-1, 2)),
                A(F(1, 6), F(-1, 2)), A(F(1, 12), F(-1, 12))}},
    /* 43 */ {" Two", 8, {
                A(0, F(+1, 6)), A(1, F(+1, 2)), A(1, F(+1, 6)), A(0, F(+1, 6)), A(0, F(-1, 6)),
                A(1, F(-1, 6)), A(1, F(-1, 2)), A(0, F(-1, 6))}},
    /* 44 */ {" Join", 8, {
                A(0, F(-1, 2)), A(0, F(+1, 2)), A(F(1, 2), F(+1, 2)), A(F(1, 2), F(+1, 8)), A(1, F(+1, 8)),
                A(1, F(-1, 8)), A(F(1, 2), F(-1, 8)), A(F(1, 2), F(-1, 2))}},
    /* 45 */ {" Reverse", 3, {A(0, F(-1, 2)), A(0, F(+1, 2)), A(1, 0)}},
    /* 46 */ {" Rectangle", 4, {A(0, F(-1, 2)), A(0, F(+1, 2)), A(1, F(+1, 2)), A(1, F(-1, 2))}},
    /* 47 */ {" Boom", 6, {
                A(0, F(-1, 6)), A(0, F(+1, 6)), A(F(3, 4), F(+1, 6)), A(1, F(+1, 2)), A(1, F(-1, 2)),
                A(F(3, 4), F(-1, 6))}},
    /* 48 */ {" Plunge", 6, {
                A(0, F(-1, 6)), A(0, F(+1, 6)), A(F(3, 4), F(+1, 12)), A(1, F(+1, 2)), A(1, F(-1, 2)),
                A(F(3, 4), F(-1, 12))}},
    /* 49 */ {" Slant 1", 4, {A(0, F(-1, 2)), A(0, F(+1, 2)), A(1, F(+1, 2)), A(1, F(-1, 4))}},
    /* 50 */ {" Slant 2", 4, {A(0, F(-1, 2)), A(F(1, 10), F(+1, 4)), A(1, F(+1, 2)), A(1, F(-1, 2))}},
    /* 51 */ {" Slant 3", 4, {A(0, F(-1, 2)), A(F(1, 10), F(+1, 4)), A(1, F(+1, 2)), A(F(9, 10), F(-1, 3))}},
    /* 52 */ {" Plateau", 4, {A(0, 0), A(F(1, 3), +1), A(F(2, 3), +1), A(1, 0)}},
    /* 53 */ {" Dip", 4, {A(0, 0), A(F(1, 3), -1), A(F(2, 3), -1), A(1, 0)}},
    /* 54 */ {" Mid", 5, {A(0, 0), A(F(1, 3), +1), A(F(1, 2), 0), A(F(2, 3), +1), A(1, 0)}},
};
// clang-format on

constexpr bool IsListed(ShapePoint point) { return point.a.den != 0 && point.b.den != 0; }

// Every row lists exactly its anchor count of anchors, each with both handles.
constexpr bool RowsMatchTheirCounts()
{
    for (const LineShape& shape : kLineShapes)
        for (int32_t i = 0; i < kLineShapeMaxAnchors; i++) {
            const ShapeAnchor& anchor = shape.anchors[i];
            bool listed = IsListed(anchor.p) && IsListed(anchor.in) && IsListed(anchor.out);
            if (listed != (i < shape.anchorCount)) return false;
        }
    return true;
}
static_assert(RowsMatchTheirCounts(), "a shape row lists a different number of anchors than its count");

const LineShape* FindLineShape(int32_t style)
{
    if (style < 0 || style >= kLineShapeCount) return nullptr;
    return &kLineShapes[style];
}

// (cx + D + a*L, cy + b*W), each product taken as (num * length) / den.
AIRealPoint PagePoint(const LineShapeInputs* line, ShapePoint point)
{
    AIRealPoint page;
    page.h = line->center.h + line->distance + (point.a.num * line->length) / point.a.den;
    page.v = line->center.v + (point.b.num * line->width) / point.b.den;
    return page;
}

AIErr WriteAnchor(const LineShapeInputs* line, const ShapeAnchor* anchor, int16_t segmentIndex)
{
    AIReal pullFactor = line->pullFactor;
    if (line->randomPull) pullFactor = sAIRandom->FloatRnd() * line->pullFactor;

    AIPathSegment segment;
    segment.p = PagePoint(line, anchor->p);
    segment.in = PagePoint(line, anchor->in);
    segment.out = PagePoint(line, anchor->out);
    segment.corner = false;

    AIRealPoint listed = segment.p;
    sAIRealMath->AIRealPointInterpolate(&line->pull, &listed, pullFactor, &segment.p);

    return sAIPath->SetPathSegments(line->path, segmentIndex, 1, &segment);
}

}  // namespace

const char* LineShapePopupText(int32_t style)
{
    const LineShape* shape = FindLineShape(style);
    return shape ? shape->popupText : nullptr;
}

int32_t LineShapeAnchorCount(int32_t style)
{
    const LineShape* shape = FindLineShape(style);
    return shape ? shape->anchorCount : 0;
}

AIErr WriteLineShape(const LineShapeInputs* line)
{
    const LineShape* shape = FindLineShape(line->style);
    if (!shape) return kNoErr;
    for (int16_t segmentIndex = 0; segmentIndex < shape->anchorCount; segmentIndex++) {
        AIErr err = WriteAnchor(line, &shape->anchors[segmentIndex], segmentIndex);
        if (err) return err;
    }
    return kNoErr;
}
