// Parameter files a person can read and edit: a JSON object of the record's
// fields by name, as `focara params show` prints them. Wherever a parameter
// file is named, a name ending in .json means this form and any other name
// the 432-byte record.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "sdk/FocaraParams.h"

namespace studio {

bool isJsonParamsFile(const std::filesystem::path& file);

// The fields of a JSON object by name, over base: a field left out keeps
// base's value. Unknown names, reserved words, a member given twice, a value
// that is not a number (or not a whole number for a flag or integer) and a
// value out of its field's range are refused with InputError naming the field.
FocaraParams recordFromJson(std::string_view text, const FocaraParams& base);

// Reads a parameter file of either form; base fills what a JSON file leaves
// out. InputError beginning with the file's name.
FocaraParams readParamsFile(const std::filesystem::path& file, const FocaraParams& base);

// What a parameter file of that name holds for record: JSON or the 432 bytes.
std::string paramsFileBytes(const std::filesystem::path& file, const FocaraParams& record);

}  // namespace studio
