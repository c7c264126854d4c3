#include "studio/io/ParamsJson.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <nlohmann/json.hpp>
#include <set>

#include "studio/io/Files.h"
#include "studio/io/RecordFile.h"

namespace studio {

namespace {

// Far more than the 108 fields need; a larger file is not a parameter file.
constexpr size_t kMaxJsonParamsBytes = 1 << 20;

using json = nlohmann::json;

// Reads one flat object; every member goes straight into the record, so the
// whole file is checked in one pass without building a tree.
class FieldReader : public nlohmann::json_sax<json> {
public:
    explicit FieldReader(FocaraParams& record) : record_(record) {}

    bool start_object(std::size_t) override
    {
        if (depth_++ > 0) wrongType("an object");
        return true;
    }
    bool end_object() override
    {
        --depth_;
        return true;
    }
    bool start_array(std::size_t) override
    {
        if (depth_ == 0) throw InputError("expected a JSON object of fields by name, found an array");
        wrongType("a list");
        return false;
    }
    bool end_array() override { return true; }
    bool key(string_t& name) override
    {
        field_ = FocaraParamFieldNamed(name.c_str());
        if (!field_)
            throw InputError("unknown field " + json(name).dump(-1, ' ', true, json::error_handler_t::replace));
        if (field_->type == kParamReserved)
            throw InputError(std::string(field_->name) + ": a reserved word, which cannot be set");
        if (!seen_.insert(field_->name).second) throw InputError(std::string(field_->name) + ": given twice");
        return true;
    }
    bool null() override { return wrongType("null"); }
    bool boolean(bool) override { return wrongType("true or false"); }
    bool string(string_t&) override { return wrongType("a string"); }
    bool binary(binary_t&) override { return wrongType("binary data"); }
    bool number_integer(number_integer_t value) override { return whole(static_cast<double>(value)); }
    bool number_unsigned(number_unsigned_t value) override { return whole(static_cast<double>(value)); }
    bool number_float(number_float_t value, const string_t&) override
    {
        if (!field_ || depth_ != 1) return wrongType("a number");
        if (field_->type != kParamReal) return wrongType("a number with a fraction or exponent");
        return store(value);
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) override
    {
        std::string what = e.what();
        size_t tag = what.find("] ");
        throw InputError("malformed JSON: " + (tag == std::string::npos ? what : what.substr(tag + 2)));
    }

private:
    bool whole(double value)
    {
        if (!field_ || depth_ != 1) return wrongType("a number");
        return store(value);
    }

    bool store(double value)
    {
        // finalRun is set by every run, so any whole number may be stored in it.
        bool free = std::string_view(field_->name) == "finalRun";
        if (!std::isfinite(value) || (!free && (value < field_->minimum || value > field_->maximum)))
            throw InputError(std::string(field_->name) + " is out of range; expected " + fieldRangeText(*field_));
        if (free && (value < INT32_MIN || value > INT32_MAX))
            throw InputError(std::string(field_->name) + " is out of range; expected a 32-bit integer");
        FocaraSetParamValue(&record_, field_, value);
        field_ = nullptr;
        return true;
    }

    bool wrongType(const char* found)
    {
        if (depth_ == 0 || !field_)
            throw InputError(std::string("expected a JSON object of fields by name, found ") + found);
        throw InputError(std::string(field_->name) + " is " + found + ", expected " + fieldRangeText(*field_));
    }

    FocaraParams& record_;
    const FocaraParamField* field_ = nullptr;
    std::set<std::string_view> seen_;
    int depth_ = 0;
};

}  // namespace

bool isJsonParamsFile(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".json";
}

FocaraParams recordFromJson(std::string_view text, const FocaraParams& base)
{
    FocaraParams record = base;
    FieldReader reader(record);
    json::sax_parse(text.begin(), text.end(), &reader);
    validateRecord(record);
    return record;
}

FocaraParams readParamsFile(const std::filesystem::path& file, const FocaraParams& base)
{
    if (!isJsonParamsFile(file)) return readRecordFile(file);
    std::string text = readFile(file, kMaxJsonParamsBytes + 1);
    if (text.size() > kMaxJsonParamsBytes)
        throw InputError(displayName(file) + ": larger than a parameter file can be (1 MiB)");
    try {
        return recordFromJson(text, base);
    } catch (const InputError& e) {
        throw InputError(displayName(file) + ": " + e.what());
    }
}

std::string paramsFileBytes(const std::filesystem::path& file, const FocaraParams& record)
{
    if (isJsonParamsFile(file)) return recordToJson(record);
    RecordBytes bytes = recordToBytes(record);
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace studio
