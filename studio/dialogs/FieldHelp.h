// What a person needs to know about each field of the filter's record that a
// dialog item edits: a name to read, what it does and its unit. The item
// texts stay as the plug-in gives them; this is said around them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sdk/FocaraParams.h"

namespace studio {

struct FieldHelp {
    std::string_view field;  // the record field's name
    std::string_view title;  // a short name: "Lines", "Zoom length"
    std::string_view about;  // what it does, one sentence
    std::string_view unit;   // "pt", "%", "°", or empty
};

// The help for a record field, or none.
std::optional<FieldHelp> fieldHelp(std::string_view field);

// The field the dialog item edits, or null.
const FocaraParamField* fieldOfItem(int32_t item);

// One line for a tooltip: title, what it does, range and unit; "(R)" in the
// item's own text is explained as random.
std::string tooltipOf(const FocaraParamField& field, const FieldHelp& help, std::string_view itemText);

}  // namespace studio
