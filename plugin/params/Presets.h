// The preset popup's entries: " Reset" (the defaults) and 24 built-in settings,
// each the defaults with a few fields changed.
#ifndef FOCARA_PARAMS_PRESETS_H
#define FOCARA_PARAMS_PRESETS_H

#include "sdk/FocaraParams.h"

enum { kPresetCount = 25, kPresetMaxChanges = 8 };

struct PresetChange {
    const char* field;  // a name of the field table; null ends the row
    double value;
};

struct PresetRow {
    int32_t id;  // the popup entry
    const char* text;
    PresetChange changes[kPresetMaxChanges];
};

extern const PresetRow kPresets[kPresetCount];

// The popup text of preset id, or null.
const char* PresetText(int32_t id);

// Writes the defaults into every field a preset resets: all but preview,
// viewZoom, presetIndex, finalRun, the reserved words and the saved dialog
// bounds and their flag. The zoom centre and the midpoint go to viewCenter.
void WritePresetDefaults(FocaraParams* record, AIRealPoint viewCenter);

// Applies the row of preset id over the record; nothing for 0 or an id
// outside the table. kBadParameterErr for a row naming an unknown field.
AIErr ApplyPresetRow(FocaraParams* record, int32_t id);

#endif
