// The document reader: any bytes are read or refused with InputError, and
// what it reads writes back as text that reads back as the same file.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "studio/io/DocumentJson.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        studio::Document document = studio::documentFromJson(text);
        std::string written = studio::documentToJson(document);
        if (studio::documentToJson(studio::documentFromJson(written)) != written) std::abort();
    } catch (const studio::InputError&) {
    }
    return 0;
}
