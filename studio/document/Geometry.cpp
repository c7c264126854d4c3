#include "studio/document/Geometry.h"

#include <algorithm>
#include <cmath>

namespace studio {

namespace {

struct Extent {
    double left, bottom, right, top;
    void add(double x, double y)
    {
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::min(bottom, y);
        top = std::max(top, y);
    }
};

// Parameters in (0, 1) where one coordinate of the cubic p0 p1 p2 p3 has a turning point.
int cubicExtrema(double p0, double p1, double p2, double p3, double t[2])
{
    // Derivative / 3: a t^2 + b t + c.
    double a = -p0 + 3 * p1 - 3 * p2 + p3;
    double b = 2 * (p0 - 2 * p1 + p2);
    double c = p1 - p0;
    int n = 0;
    auto keep = [&](double r) {
        if (r > 0 && r < 1) t[n++] = r;
    };
    if (std::fabs(a) < 1e-12) {
        if (std::fabs(b) > 1e-12) keep(-c / b);
        return n;
    }
    double disc = b * b - 4 * a * c;
    if (disc < 0) return 0;
    double s = std::sqrt(disc);
    keep((-b + s) / (2 * a));
    keep((-b - s) / (2 * a));
    return n;
}

double cubicAt(double p0, double p1, double p2, double p3, double t)
{
    double u = 1 - t;
    return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

void addEdge(Extent& e, const AIPathSegment& from, const AIPathSegment& to)
{
    const double xs[4] = {from.p.h, from.out.h, to.in.h, to.p.h};
    const double ys[4] = {from.p.v, from.out.v, to.in.v, to.p.v};
    double t[2];
    for (int axis = 0; axis < 2; ++axis) {
        const double* c = axis == 0 ? xs : ys;
        int n = cubicExtrema(c[0], c[1], c[2], c[3], t);
        for (int i = 0; i < n; ++i)
            e.add(cubicAt(xs[0], xs[1], xs[2], xs[3], t[i]), cubicAt(ys[0], ys[1], ys[2], ys[3], t[i]));
    }
}

}  // namespace

AIRealRect pathBounds(const std::vector<AIPathSegment>& segments, bool closed)
{
    if (segments.empty()) return {0, 0, 0, 0};
    Extent e{segments[0].p.h, segments[0].p.v, segments[0].p.h, segments[0].p.v};
    for (size_t i = 0; i < segments.size(); ++i) {
        e.add(segments[i].p.h, segments[i].p.v);
        if (i + 1 < segments.size()) addEdge(e, segments[i], segments[i + 1]);
    }
    if (closed && segments.size() > 1) addEdge(e, segments.back(), segments.front());
    return {static_cast<float>(e.left), static_cast<float>(e.top), static_cast<float>(e.right),
            static_cast<float>(e.bottom)};
}

AIRealPoint transformPoint(const AIRealMatrix& m, AIRealPoint p)
{
    return {m.a * p.h + m.c * p.v + m.tx, m.b * p.h + m.d * p.v + m.ty};
}

void transformSegments(std::vector<AIPathSegment>& segments, const AIRealMatrix& m)
{
    for (AIPathSegment& s : segments) {
        s.p = transformPoint(m, s.p);
        s.in = transformPoint(m, s.in);
        s.out = transformPoint(m, s.out);
    }
}

}  // namespace studio
