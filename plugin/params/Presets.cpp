#include "plugin/params/Presets.h"

#include <string.h>

#include "plugin/params/ParamRecord.h"

// Entry id, popup text, the fields that differ from the defaults.
// clang-format off
const PresetRow kPresets[kPresetCount] = {
    {0, " Reset", {}},
    {1, " 001", {{"shapeStyle", 17}, {"interpolationMode", 5}, {"lineCount", 11}, {"zoomLength", 180.0}, {"zoomWidth", 30.0}, {"dropShadow", 1}}},
    {2, " 002", {{"shapeStyle", 17}, {"interpolationAmount", 70.0}, {"interpolationMode", 5}, {"lineCount", 11}, {"zoomLength", 180.0}, {"zoomWidth", 30.0}, {"dropShadow", 1}}},
    {3, " 003", {{"rotationSpread", 10.0}}},
    {4, " 004", {{"patternSkip1", 2}, {"patternCreate1", 3}}},
    {5, " 005", {{"interpolationAmount", 50.0}}},
    {6, " 006", {{"patternSkip1", 1}, {"patternCreate1", 2}}},
    {7, " 007", {{"patternSkip1", 2}, {"patternCreate1", 3}, {"zoomLength", 300.0}, {"lineCount", 50}, {"zoomWidth", 2.0}, {"midpointX", 295.0}, {"midpointY", 250.0}, {"midpointApplyLength", 1}}},
    {8, " 008", {{"lineCount", 50}, {"zoomWidth", 2.0}, {"midpointX", 295.0}, {"midpointY", 250.0}, {"midpointApplyLength", 1}}},
    {9, " 009", {{"lineCount", 44}, {"zoomWidth", 2.0}, {"midpointX", 295.0}, {"midpointY", 250.0}, {"midpointApplyLength", 1}, {"patternSkip1", 2}, {"patternCreate1", 5}}},
    {10, " 010", {{"interpolationMode", 2}, {"interpolationAmount", 100.0}}},
    {11, " 011", {{"lineCount", 19}, {"angleMin", 180.0}}},
    {12, " 012", {{"lineCount", 20}, {"randomLineShape", 1}}},
    {13, " 013", {{"lineCount", 40}, {"randomScaling", 1}}},
    {14, " 014", {{"zoomLength", 300.0}}},
    {15, " 015", {{"zoomDistance", 100.0}, {"zoomLength", 300.0}, {"zoomLengthSpread", 200.0}}},
    {16, " 016", {{"zoomWidth", 1.0}, {"zoomDistance", 100.0}, {"lineCount", 90}}},
    {17, " 017", {{"zoomDistance", 200.0}, {"zoomDistanceSpread", 200.0}, {"zoomWidth", 1.0}, {"lineCount", 120}}},
    {18, " 018", {{"zoomWidth", 1.0}, {"zoomDistance", 100.0}, {"lineCount", 90}, {"zoomSets", 2}, {"setDistancePercent", 200.0}, {"setAngle", 2.0}}},
    {19, " 019", {{"sketchRepeats", 5}, {"sketchShift", 10.0}, {"sketchWeight", 10.0}, {"zoomLength", 300.0}}},
    {20, " 020", {{"randomOpacity", 1}, {"zoomWidth", 50.0}, {"zoomLength", 300.0}}},
    {21, " 021", {{"randomAngle", 5.0}, {"zoomLength", 300.0}}},
    {22, " 022", {{"randomLineShape", 1}, {"randomFill", 1}}},
    {23, " 023", {{"swatchOrder", 1}}},
    {24, " 024", {{"jitterFill", 1}, {"shapeStyle", 20}}},
};
// clang-format on

namespace {

// Fields a preset leaves as they are, besides those without a default.
const char* const kKeptByPreset[] = {"preview", "viewZoom", "presetIndex", "dialogBoundsSaved"};

bool KeptByPreset(const FocaraParamField* field)
{
    if (field->defaultKind == kDefaultNotSet) return true;
    for (const char* name : kKeptByPreset)
        if (strcmp(field->name, name) == 0) return true;
    return false;
}

}  // namespace

const char* PresetText(int32_t id)
{
    if (id < 0 || id >= kPresetCount) return nullptr;
    return kPresets[id].text;
}

void WritePresetDefaults(FocaraParams* record, AIRealPoint viewCenter)
{
    for (const FocaraParamField& field : kFocaraParamFields)
        if (!KeptByPreset(&field)) FocaraSetParamDefault(record, &field, viewCenter);
}

AIErr ApplyPresetRow(FocaraParams* record, int32_t id)
{
    if (id < 1 || id >= kPresetCount) return kNoErr;
    for (const PresetChange& change : kPresets[id].changes) {
        if (!change.field) break;
        const FocaraParamField* field = FocaraParamFieldNamed(change.field);
        if (!field) return kBadParameterErr;
        FocaraSetParamValue(record, field, change.value);
    }
    return kNoErr;
}
