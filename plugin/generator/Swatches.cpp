#include "plugin/generator/Swatches.h"

#include "plugin/suites/SuitePointers.h"

namespace {

int32_t SkipFirstTwo(int32_t cursor) { return cursor == 0 || cursor == 1 ? 2 : cursor; }

}  // namespace

int32_t BoundSwatchCursor(int32_t cursor, int32_t swatchCount)
{
    if (cursor > swatchCount - 1 || cursor < 0) cursor = 0;
    return SkipFirstTwo(cursor);
}

int32_t DrawSwatchCursor(int32_t swatchCount)
{
    int32_t cursor = static_cast<int32_t>(sAIRandom->FloatRnd() * static_cast<AIReal>(swatchCount)) + 1;
    if (cursor > swatchCount - 1) cursor = swatchCount - 1;
    if (cursor < 0) cursor = 0;
    return SkipFirstTwo(cursor);
}

void ReadSwatchColor(int32_t n, AIColor* color)
{
    AISwatchRef swatch = nullptr;
    if (sAISwatchList->GetNthSwatch(nullptr, n, &swatch)) return;  // ignored: the colour stays
    AIColor read = *color;
    if (sAISwatchList->GetSwatchColor(swatch, &read)) return;  // ignored: the colour stays
    *color = read;
}
