#include "plugin/generator/LineColors.h"

#include "plugin/suites/SuitePointers.h"

namespace {

// Points parts at the colour's components in order and returns how many there
// are: gray 1, three-colour 3, four-colour 4, any other kind 0.
int32_t ProcessComponents(AIColor* color, AIReal* parts[4])
{
    switch (color->kind) {
    case kGrayColor: parts[0] = &color->c.g.gray; return 1;
    case kThreeColor:
        parts[0] = &color->c.rgb.red;
        parts[1] = &color->c.rgb.green;
        parts[2] = &color->c.rgb.blue;
        return 3;
    case kFourColor:
        parts[0] = &color->c.f.cyan;
        parts[1] = &color->c.f.magenta;
        parts[2] = &color->c.f.yellow;
        parts[3] = &color->c.f.black;
        return 4;
    default: return 0;
    }
}

// How many leading components the random and jitter steps touch: a
// four-colour black is left alone.
int32_t RandomizedCount(int32_t components) { return components == 4 ? 3 : components; }

void SetAll(AIColor* color, AIReal fourColor, AIReal threeColor, AIReal gray)
{
    AIReal* parts[4];
    const int32_t n = ProcessComponents(color, parts);
    const AIReal value = n == 4 ? fourColor : n == 3 ? threeColor : gray;
    for (int32_t i = 0; i < n; i++) *parts[i] = value;
}

}  // namespace

bool IsProcessColor(const AIColor* color)
{
    return color->kind == kGrayColor || color->kind == kFourColor || color->kind == kThreeColor;
}

AIReal ClampUnit(AIReal value)
{
    if (value < 0) return 0;
    if (value > 1) return 1;
    return value;
}

AIReal RandomSign() { return sAIRandom->FloatRnd() * 10 <= 5 ? 1.0f : -1.0f; }

AIReal HalfSign() { return sAIRandom->FloatRnd() <= 0.5f ? 1.0f : -1.0f; }

void OffsetFillColor(AIColor* color, AIReal setOffset, AIReal lineOffset, AIReal factor)
{
    AIReal* parts[4];
    const int32_t n = ProcessComponents(color, parts);
    const AIReal extra = color->kind == kThreeColor ? 0.01f : 0.0f;
    for (int32_t i = 0; i < n; i++) *parts[i] = ClampUnit((*parts[i] + setOffset + lineOffset + extra) * factor);
}

void RandomizeColor(AIColor* color, bool clearBlack)
{
    AIReal* parts[4];
    const int32_t n = ProcessComponents(color, parts);
    for (int32_t i = 0; i < RandomizedCount(n); i++) *parts[i] = sAIRandom->FloatRnd();
    if (clearBlack && n == 4) *parts[3] = 0;
}

void JitterColor(AIColor* color)
{
    AIReal* parts[4];
    const int32_t n = ProcessComponents(color, parts);
    for (int32_t i = 0; i < RandomizedCount(n); i++) {
        const AIReal m = sAIRandom->FloatRnd() * 0.1f;
        const AIReal sign = RandomSign();
        *parts[i] = ClampUnit(*parts[i] + sign * m);
    }
}

void SetBlack(AIColor* color) { SetAll(color, 1, 0, 1); }

void SetWhite(AIColor* color) { SetAll(color, 0, 1, 0); }

void ReduceColor(AIColor* color)
{
    AIReal* parts[4];
    const int32_t n = ProcessComponents(color, parts);
    for (int32_t i = 0; i < n; i++) *parts[i] = *parts[i] * 8 / 10;
}

void SetLeadingComponents(AIColor* color, const AIReal values[3])
{
    AIReal* parts[4];
    const int32_t n = ProcessComponents(color, parts);
    const int32_t leading = n > 3 ? 3 : n;
    for (int32_t i = 0; i < leading; i++) *parts[i] = values[i];
}

void ReadFourComponents(const AIColor* color, AIReal components[4])
{
    AIColor copy = *color;
    AIReal* parts[4];
    const int32_t n = ProcessComponents(&copy, parts);
    for (int32_t i = 0; i < 4; i++) components[i] = i < n ? *parts[i] : 0;
}

void SetColorInModel(AIColor* color, int16_t model, const AIReal components[4])
{
    AIColor relabelled = {};
    switch (model) {
    case kDocGrayColor:
        relabelled.kind = kGrayColor;
        relabelled.c.g.gray = components[0];
        break;
    case kDocRGBColor:
        relabelled.kind = kThreeColor;
        relabelled.c.rgb = {components[0], components[1], components[2]};
        break;
    case kDocCMYKColor:
        relabelled.kind = kFourColor;
        relabelled.c.f = {components[0], components[1], components[2], components[3]};
        break;
    default: return;
    }
    *color = relabelled;
}
