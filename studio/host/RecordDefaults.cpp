#include "studio/host/RecordDefaults.h"

namespace studio {

FocaraParams defaultRecord(const Document& document)
{
    FocaraParams record{};
    for (const FocaraParamField& field : kFocaraParamFields)
        FocaraSetParamDefault(&record, &field, document.view.center);
    return record;
}

}  // namespace studio
