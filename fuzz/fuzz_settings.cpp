// The settings outputs carry, look files and the text of reference areas:
// each is read or refused with InputError (or invalid_argument for an area),
// and what is read writes back to text that reads the same.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "studio/io/Files.h"
#include "studio/io/Looks.h"
#include "studio/io/ReferenceAreaText.h"
#include "studio/io/SettingsJson.h"

namespace {

FocaraParams defaults()
{
    FocaraParams record{};
    for (const FocaraParamField& field : kFocaraParamFields) FocaraSetParamDefault(&record, &field, AIRealPoint{0, 0});
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    static const FocaraParams base = defaults();
    try {
        const studio::DrawingSettings read = studio::settingsFromJson(text, base);
        const studio::DrawingSettings again = studio::settingsFromJson(studio::settingsToJson(read), base);
        if (!(again.host == read.host) || again.seed != read.seed ||
            studio::settingsToJson(again) != studio::settingsToJson(read))
            std::abort();
    } catch (const studio::InputError&) {
    }
    try {
        (void)studio::lookFromJson("fuzz", text);
    } catch (const studio::InputError&) {
    }
    try {
        const studio::ReferenceArea area = studio::referenceAreaFromText(text);
        if (!(studio::referenceAreaFromText(studio::referenceAreaText(area)) == area)) std::abort();
    } catch (const std::invalid_argument&) {
    }
    return 0;
}
