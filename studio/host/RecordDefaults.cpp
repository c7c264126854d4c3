#include "studio/host/RecordDefaults.h"

#include <cstring>

namespace studio {

FocaraParams defaultRecord(const Document& document)
{
    FocaraParams record{};
    auto* bytes = reinterpret_cast<unsigned char*>(&record);
    for (const FocaraParamField& field : kFocaraParamFields) {
        double value = field.defaultValue;
        switch (field.defaultKind) {
        case kDefaultNotSet: continue;
        case kDefaultViewCenterH: value = document.view.center.h; break;
        case kDefaultViewCenterV: value = document.view.center.v; break;
        case kDefaultConstant: break;
        }
        if (field.type == kParamReal) {
            float f = static_cast<float>(value);
            std::memcpy(bytes + field.offset, &f, sizeof f);
        } else {
            int32_t i = static_cast<int32_t>(value);
            std::memcpy(bytes + field.offset, &i, sizeof i);
        }
    }
    return record;
}

}  // namespace studio
