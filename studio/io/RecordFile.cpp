#include "studio/io/RecordFile.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <nlohmann/json.hpp>

#include "studio/io/AtomicFile.h"
#include "studio/io/NumberText.h"
#include "studio/io/QuotedText.h"

namespace studio {

namespace {

static_assert(sizeof(FocaraParams) == kFocaraParamsSize);
static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big);

// Every field is one four-byte word, so converting is a swap of each word on a big-endian machine.
void toLittleEndianWords(unsigned char* bytes)
{
    if constexpr (std::endian::native == std::endian::big) {
        for (size_t i = 0; i < kFocaraParamsSize; i += 4) {
            std::swap(bytes[i], bytes[i + 3]);
            std::swap(bytes[i + 1], bytes[i + 2]);
        }
    } else {
        (void)bytes;
    }
}

int32_t intAt(const FocaraParams& record, const FocaraParamField& field)
{
    return static_cast<int32_t>(FocaraParamValue(&record, &field));
}

float realAt(const FocaraParams& record, const FocaraParamField& field)
{
    return static_cast<float>(FocaraParamValue(&record, &field));
}

// finalRun is never defaulted and every run sets it, so a stored value means nothing.
bool isChecked(const FocaraParamField& field)
{
    return field.type != kParamReserved && std::strcmp(field.name, "finalRun") != 0;
}

bool inRange(const FocaraParamField& field, double value)
{
    return std::isfinite(value) && value >= field.minimum && value <= field.maximum;
}

std::string valueText(const FocaraParams& record, const FocaraParamField& field)
{
    if (field.type != kParamReal) return std::to_string(intAt(record, field));
    float value = realAt(record, field);
    if (std::isnan(value)) return "not a number";
    if (std::isinf(value)) return value > 0 ? "infinite" : "minus infinite";
    return numberText(value);
}

}  // namespace

std::string fieldRangeText(const FocaraParamField& field)
{
    if (field.type == kParamFlag) return "0 or 1";
    if (field.type == kParamInt)
        return "an integer from " + std::to_string(static_cast<int64_t>(field.minimum)) + " to " +
               std::to_string(static_cast<int64_t>(field.maximum));
    return "a number from " + numberText(static_cast<float>(field.minimum)) + " to " +
           numberText(static_cast<float>(field.maximum));
}

RecordBytes recordToBytes(const FocaraParams& record)
{
    RecordBytes bytes;
    std::memcpy(bytes.data(), &record, kFocaraParamsSize);
    toLittleEndianWords(bytes.data());
    return bytes;
}

FocaraParams recordFromBytes(const RecordBytes& bytes)
{
    RecordBytes copy = bytes;
    toLittleEndianWords(copy.data());
    FocaraParams record;
    std::memcpy(&record, copy.data(), kFocaraParamsSize);
    return record;
}

void validateRecord(const FocaraParams& record)
{
    for (const FocaraParamField& field : kFocaraParamFields) {
        if (!isChecked(field)) continue;
        double value = FocaraParamValue(&record, &field);
        if (!inRange(field, value))
            throw InputError(std::string(field.name) + " is " + valueText(record, field) + ", expected " +
                             fieldRangeText(field));
    }
}

FocaraParams readRecordFile(const std::filesystem::path& file)
{
    std::string bytes = readFile(file, kFocaraParamsSize + 1);
    if (bytes.size() != kFocaraParamsSize) {
        std::error_code ec;
        uintmax_t size = std::filesystem::file_size(file, ec);
        std::string found =
            ec ? (bytes.size() > kFocaraParamsSize ? "more" : std::to_string(bytes.size())) : std::to_string(size);
        throw InputError(displayName(file) + ": a parameter record is exactly " + std::to_string(kFocaraParamsSize) +
                         " bytes, this file has " + found);
    }
    RecordBytes raw;
    std::memcpy(raw.data(), bytes.data(), raw.size());
    FocaraParams record = recordFromBytes(raw);
    try {
        validateRecord(record);
    } catch (const InputError& e) {
        throw InputError(displayName(file) + ": " + e.what());
    }
    return record;
}

void writeRecordFile(const std::filesystem::path& file, const FocaraParams& record)
{
    RecordBytes bytes = recordToBytes(record);
    writeFileAtomically(file, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void setRecordField(FocaraParams& record, std::string_view assignment)
{
    const std::string prefix = escapedText(assignment) + ": ";
    size_t eq = assignment.find('=');
    if (eq == std::string_view::npos) throw InputError(prefix + "expected FIELD=VALUE");
    std::string_view name = assignment.substr(0, eq);
    std::string_view text = assignment.substr(eq + 1);
    const FocaraParamField* field = FocaraParamFieldNamed(std::string(name).c_str());
    if (!field) throw InputError(prefix + "unknown field " + quotedText(name));
    if (field->type == kParamReserved) throw InputError(prefix + "a reserved word, which cannot be set");

    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (field->type == kParamReal) {
        double value = 0;
        auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
        if (text.empty() || ec == std::errc::invalid_argument || end != last)
            throw InputError(prefix + "expected " + fieldRangeText(*field));
        if (ec == std::errc::result_out_of_range)
            throw InputError(prefix + "out of range; expected " + fieldRangeText(*field));
        if (!std::isfinite(value)) throw InputError(prefix + "not a finite number; expected " + fieldRangeText(*field));
        if (!inRange(*field, value)) throw InputError(prefix + "out of range; expected " + fieldRangeText(*field));
        FocaraSetParamValue(&record, field, value);
    } else {
        int64_t value = 0;
        auto [end, ec] = std::from_chars(first, last, value);
        if (text.empty() || ec == std::errc::invalid_argument || end != last)
            throw InputError(prefix + "expected " + fieldRangeText(*field));
        if (ec == std::errc::result_out_of_range || !inRange(*field, double(value)))
            throw InputError(prefix + "out of range; expected " + fieldRangeText(*field));
        FocaraSetParamValue(&record, field, static_cast<double>(value));
    }
}

std::string recordToJson(const FocaraParams& record)
{
    std::string out = "{";
    bool first = true;
    for (const FocaraParamField& field : kFocaraParamFields) {
        if (field.type == kParamReserved) continue;
        out += first ? "\n  " : ",\n  ";
        first = false;
        out += nlohmann::json(field.name).dump();
        out += ": ";
        if (field.type == kParamReal)
            appendJsonNumber(out, realAt(record, field));
        else
            out += std::to_string(intAt(record, field));
    }
    out += "\n}\n";
    return out;
}

}  // namespace studio
