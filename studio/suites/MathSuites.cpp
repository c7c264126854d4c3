// Real Math, Random and User suites.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "sdk/AIMath.h"
#include "studio/suites/SuiteGuard.h"

namespace studio {

namespace {

constexpr double kPi = 3.14159265358979323846;

AIReal degreeToRadian(AIReal degree) { return static_cast<AIReal>(degree * kPi / 180.0); }
AIReal radianToDegree(AIReal radian) { return static_cast<AIReal>(radian * 180.0 / kPi); }
AIReal realDiv(AIReal a, AIReal b) { return a / b; }

AIReal pointLength(const AIRealPoint* a, const AIRealPoint* b)
{
    return static_cast<AIReal>(std::hypot(double(b->h) - a->h, double(b->v) - a->v));
}

AIReal pointAngle(const AIRealPoint* a, const AIRealPoint* b)
{
    return static_cast<AIReal>(std::atan2(double(b->v) - a->v, double(b->h) - a->h));
}

void pointInterpolate(const AIRealPoint* q, const AIRealPoint* p, AIReal t, AIRealPoint* result)
{
    *result = {p->h + t * (q->h - p->h), p->v + t * (q->v - p->v)};
}

void matrixSetTranslate(AIRealMatrix* m, AIReal tx, AIReal ty) { *m = {1, 0, 0, 1, tx, ty}; }

// m := m followed by n.
void concat(AIRealMatrix* m, const AIRealMatrix& n)
{
    const AIRealMatrix a = *m;
    m->a = a.a * n.a + a.b * n.c;
    m->b = a.a * n.b + a.b * n.d;
    m->c = a.c * n.a + a.d * n.c;
    m->d = a.c * n.b + a.d * n.d;
    m->tx = a.tx * n.a + a.ty * n.c + n.tx;
    m->ty = a.tx * n.b + a.ty * n.d + n.ty;
}

void matrixConcatRotate(AIRealMatrix* m, AIReal angle)
{
    AIReal c = static_cast<AIReal>(std::cos(double(angle)));
    AIReal s = static_cast<AIReal>(std::sin(double(angle)));
    concat(m, {c, s, -s, c, 0, 0});
}

void matrixConcatScale(AIRealMatrix* m, AIReal sx, AIReal sy) { concat(m, {sx, 0, 0, sy, 0, 0}); }
void matrixConcatTranslate(AIRealMatrix* m, AIReal tx, AIReal ty) { concat(m, {1, 0, 0, 1, tx, ty}); }

void matrixXformPoint(const AIRealMatrix* m, const AIRealPoint* p, AIRealPoint* result)
{
    *result = {m->a * p->h + m->c * p->v + m->tx, m->b * p->h + m->d * p->v + m->ty};
}

AIReal floatRnd()
{
    Host* host = Host::current();
    return host ? host->random().next() : 0;
}

AIErr stringToReal(const unsigned char* text, AIReal* value)
{
    return guarded("IUStringToReal", [&](Host&) -> AIErr {
        if (!text || !value) return kBadParameterErr;
        std::string s(reinterpret_cast<const char*>(text + 1), text[0]);
        const char* begin = s.c_str();
        char* end = nullptr;
        double v = std::strtod(begin, &end);
        if (end == begin) return kBadParameterErr;
        while (*end == ' ') ++end;
        if (*end != '\0' || !std::isfinite(v)) return kBadParameterErr;
        *value = static_cast<AIReal>(v);
        return kNoErr;
    });
}

AIErr realToString(AIReal value, int16_t precision, unsigned char* text)
{
    return guarded("IURealToString", [&](Host&) -> AIErr {
        if (!text || precision < 0 || precision > 20) return kBadParameterErr;
        char buffer[400];
        int n = std::snprintf(buffer, sizeof buffer, "%.*f", precision, double(value));
        if (n < 0 || n > 255) return kBadParameterErr;
        text[0] = static_cast<unsigned char>(n);
        std::memcpy(text + 1, buffer, static_cast<size_t>(n));
        return kNoErr;
    });
}

}  // namespace

// clang-format off
extern const AIRealMathSuite kRealMathSuite = {
    degreeToRadian,     radianToDegree,     realDiv,           pointLength,
    pointAngle,         pointInterpolate,   matrixSetTranslate, matrixConcatRotate,
    matrixConcatScale,  matrixConcatTranslate, matrixXformPoint,
};
// clang-format on
extern const AIRandomSuite kRandomSuite = {floatRnd};
extern const AIUserSuite kUserSuite = {stringToReal, realToString};

}  // namespace studio
