// .rec files: the parameter record as its 432 stored bytes, little-endian,
// and the record's fields by name (validation, --set, printing).
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "sdk/FocaraParams.h"
#include "studio/io/Files.h"

namespace studio {

using RecordBytes = std::array<unsigned char, kFocaraParamsSize>;

RecordBytes recordToBytes(const FocaraParams& record);
FocaraParams recordFromBytes(const RecordBytes& bytes);

// Checks every field against the field table: flags 0 or 1, integers and
// reals within their ranges, reals finite. The reserved words and finalRun
// (never defaulted, and set by every run) may hold anything. Throws
// InputError naming the first bad field and its range.
void validateRecord(const FocaraParams& record);

// What a field accepts, in words: "0 or 1", "an integer from 1 to 300", "a number from 0 to 2000".
std::string fieldRangeText(const FocaraParamField& field);

// Reads and validates a record file; throws InputError naming the file.
FocaraParams readRecordFile(const std::filesystem::path& file);
void writeRecordFile(const std::filesystem::path& file, const FocaraParams& record);

// Applies "name=value": an integer for a flag (0/1) or integer field, a
// decimal number for a real, within the field's range. The reserved words
// cannot be set. Throws InputError starting with the assignment.
void setRecordField(FocaraParams& record, std::string_view assignment);

// The fields by name in stored order, reserved words left out, as a JSON object.
std::string recordToJson(const FocaraParams& record);

}  // namespace studio
