// Dialogs as the page draws them: every item with what a person sees of it.
#pragma once

#include <nlohmann/json.hpp>

#include "studio/dialogs/DialogModel.h"

namespace studio::web {

// id, kind, rect [left, top, right, bottom] in pixels of the client area,
// text, font, visible, enabled; spin edits and check boxes their value,
// min, max and precision; popups their entries [[id, text], ...] and the
// active entry's id; picture buttons whether they pick a point; the default
// item. With describeField (the filter's own dialog), a value item also has
// "field": the record field it edits, a title, unit and tooltip.
nlohmann::json itemToJson(const DialogItem& item, bool describeField = false);

// The dialog's size in pixels: its bounds.
int32_t dialogWidth(const Dialog& dialog);
int32_t dialogHeight(const Dialog& dialog);

}  // namespace studio::web
