#include "studio/document/ReferenceArea.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace studio {

namespace {

struct Vec {
    double x, y;
};

Vec cubicAt(const Vec (&c)[4], double t)
{
    const double u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, d = 3 * u * t * t, e = t * t * t;
    return {a * c[0].x + b * c[1].x + d * c[2].x + e * c[3].x, a * c[0].y + b * c[1].y + d * c[2].y + e * c[3].y};
}

double squaredDistance(Vec p, Vec q) { return (p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y); }

// Coarse samples find the basin of the nearest point; a golden-section search
// in the neighbouring intervals pins it down. An edge is a cubic, so the
// distance has at most a few minima, far fewer than the samples.
constexpr int kSamples = 8;
constexpr int kRefineSteps = 24;

// Whether the end e is the edge's nearest point to p: so when every control
// point lies beyond the line through e square to p's direction, as then the
// whole edge does.
bool endIsNearest(const Vec (&c)[4], const Vec& e, Vec p)
{
    const Vec away{e.x - p.x, e.y - p.y};
    for (const Vec& q : c)
        if ((q.x - e.x) * away.x + (q.y - e.y) * away.y < 0) return false;
    return true;
}

// The ends are anchors, which the caller has weighed already, as it has the
// box around the edge.
void nearestOnEdge(const Vec (&c)[4], Vec to, double& bestDistance, Vec& best)
{
    if (endIsNearest(c, c[0], to) || endIsNearest(c, c[3], to)) return;
    // A straight edge (handles on its anchors) is the common case: solve it directly.
    const bool straight = c[0].x == c[1].x && c[0].y == c[1].y && c[2].x == c[3].x && c[2].y == c[3].y;
    if (straight) {
        const Vec d{c[3].x - c[0].x, c[3].y - c[0].y};
        const double length2 = d.x * d.x + d.y * d.y;
        double t = length2 > 0 ? ((to.x - c[0].x) * d.x + (to.y - c[0].y) * d.y) / length2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        const Vec p{c[0].x + t * d.x, c[0].y + t * d.y};
        const double dist = squaredDistance(p, to);
        if (dist < bestDistance) bestDistance = dist, best = p;
        return;
    }
    int bestSample = 0;
    double sampleDistance = std::numeric_limits<double>::infinity();
    for (int i = 0; i <= kSamples; ++i) {
        const double dist = squaredDistance(cubicAt(c, double(i) / kSamples), to);
        if (dist < sampleDistance) sampleDistance = dist, bestSample = i;
    }
    double lo = std::max(0.0, double(bestSample - 1) / kSamples);
    double hi = std::min(1.0, double(bestSample + 1) / kSamples);
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = hi - ratio * (hi - lo), b = lo + ratio * (hi - lo);
    double fa = squaredDistance(cubicAt(c, a), to), fb = squaredDistance(cubicAt(c, b), to);
    for (int i = 0; i < kRefineSteps; ++i) {
        if (fa < fb) {
            hi = b, b = a, fb = fa;
            a = hi - ratio * (hi - lo);
            fa = squaredDistance(cubicAt(c, a), to);
        } else {
            lo = a, a = b, fa = fb;
            b = lo + ratio * (hi - lo);
            fb = squaredDistance(cubicAt(c, b), to);
        }
    }
    const Vec candidates[3] = {cubicAt(c, double(bestSample) / kSamples), cubicAt(c, (lo + hi) / 2), c[0]};
    for (const Vec& p : candidates) {
        const double dist = squaredDistance(p, to);
        if (dist < bestDistance) bestDistance = dist, best = p;
    }
}

void translate(Art& art, double dx, double dy)
{
    const auto fx = static_cast<AIReal>(dx);
    const auto fy = static_cast<AIReal>(dy);
    for (AIPathSegment& s : art.segments) {
        s.p.h += fx, s.p.v += fy;
        s.in.h += fx, s.in.v += fy;
        s.out.h += fx, s.out.v += fy;
    }
}

// The radius toward (dx, dy), the area turned by the angle of cosine c and sine s.
double radiusInFrame(const ReferenceArea& area, double c, double s, double dx, double dy)
{
    // The direction in the area's own, unturned frame.
    const double x = dx * c + dy * s;
    const double y = -dx * s + dy * c;
    const double a = area.halfWidth, b = area.halfHeight;
    if (area.shape == ReferenceArea::Shape::Ellipse) return 1 / std::sqrt((x * x) / (a * a) + (y * y) / (b * b));
    const double across = std::abs(x) > 0 ? a / std::abs(x) : std::numeric_limits<double>::infinity();
    const double up = std::abs(y) > 0 ? b / std::abs(y) : std::numeric_limits<double>::infinity();
    return std::min(across, up);
}

}  // namespace

double ReferenceArea::smallestRadius() const { return std::min(halfWidth, halfHeight); }

double ReferenceArea::radiusToward(double dx, double dy) const
{
    const double turn = degrees * std::numbers::pi / 180;
    return radiusInFrame(*this, std::cos(turn), std::sin(turn), dx, dy);
}

bool nearestPointOnPath(const Art& art, AIRealPoint to, AIRealPoint& nearest)
{
    const auto& s = art.segments;
    if (s.empty()) return false;
    const Vec target{to.h, to.v};
    // The nearest anchor first: it is often the answer, and it rules out most edges at once.
    double bestDistance = std::numeric_limits<double>::infinity();
    Vec best{s[0].p.h, s[0].p.v};
    for (const AIPathSegment& segment : s) {
        const Vec anchor{segment.p.h, segment.p.v};
        const double dist = squaredDistance(anchor, target);
        if (dist < bestDistance) bestDistance = dist, best = anchor;
    }
    const float tx = to.h, ty = to.v;
    auto edge = [&](const AIPathSegment& from, const AIPathSegment& next) {
        // The box around the edge's control points holds the whole edge: an
        // edge whose box lies farther than the best point so far cannot hold
        // a nearer one. Looked at in floats, as stored, with a margin for rounding.
        const float left = std::min(std::min(from.p.h, from.out.h), std::min(next.in.h, next.p.h));
        const float right = std::max(std::max(from.p.h, from.out.h), std::max(next.in.h, next.p.h));
        const float low = std::min(std::min(from.p.v, from.out.v), std::min(next.in.v, next.p.v));
        const float high = std::max(std::max(from.p.v, from.out.v), std::max(next.in.v, next.p.v));
        const float dx = std::max(std::max(left - tx, tx - right), 0.0f);
        const float dy = std::max(std::max(low - ty, ty - high), 0.0f);
        if (dx * dx + dy * dy > static_cast<float>(bestDistance) * 1.0001f) return;
        const Vec c[4] = {{from.p.h, from.p.v}, {from.out.h, from.out.v}, {next.in.h, next.in.v}, {next.p.h, next.p.v}};
        nearestOnEdge(c, target, bestDistance, best);
    };
    for (size_t i = 1; i < s.size(); ++i) edge(s[i - 1], s[i]);
    if (art.closed || s.size() == 1) edge(s.back(), s[0]);
    nearest = {static_cast<AIReal>(best.x), static_cast<AIReal>(best.y)};
    return true;
}

void pushOutToArea(const std::vector<Art*>& drawn, const ReferenceArea& area, LineGroups groups)
{
    const size_t size = std::max<size_t>(groups.pathsPerLine, 1);
    const double smallest = area.smallestRadius();
    const double turn = area.degrees * std::numbers::pi / 180;
    const double cosine = std::cos(turn), sine = std::sin(turn);
    for (size_t first = 0; first < drawn.size(); first += size) {
        const size_t count = std::min(size, drawn.size() - first);
        // A run that ended early may leave its last group short: its line is
        // then the last path there.
        const Art& line = *drawn[first + std::min(groups.lineIndex, count - 1)];
        AIRealPoint nearest{};
        if (!nearestPointOnPath(line, area.center, nearest)) continue;
        const double dx = double(nearest.h) - area.center.h;
        const double dy = double(nearest.v) - area.center.v;
        const double length = std::sqrt(dx * dx + dy * dy);
        if (length == 0) continue;
        const double push = radiusInFrame(area, cosine, sine, dx / length, dy / length) - smallest;
        for (size_t i = first; i < first + count; ++i) translate(*drawn[i], dx / length * push, dy / length * push);
    }
}

}  // namespace studio
