// The record reader and the FIELD=VALUE parser: a record is read or refused,
// and one that is read stores back byte for byte.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "studio/io/RecordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == kFocaraParamsSize) {
        studio::RecordBytes bytes;
        std::memcpy(bytes.data(), data, size);
        FocaraParams record = studio::recordFromBytes(bytes);
        try {
            studio::validateRecord(record);
            if (studio::recordToBytes(record) != bytes) std::abort();
            (void)studio::recordToJson(record);
        } catch (const studio::InputError&) {
        }
        return 0;
    }
    // Anything else is a --set assignment.
    FocaraParams record{};
    try {
        studio::setRecordField(record, std::string_view(reinterpret_cast<const char*>(data), size));
        studio::validateRecord(record);
    } catch (const studio::InputError&) {
    }
    return 0;
}
