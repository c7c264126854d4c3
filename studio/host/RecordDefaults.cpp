#include "studio/host/RecordDefaults.h"

namespace studio {

FocaraParams defaultRecord(const Document& document)
{
    FocaraParams record{};
    for (const FocaraParamField& field : kFocaraParamFields) {
        FocaraSetParamDefault(&record, &field, document.view.center);
        // The zoom centre comes from the view, which may lie anywhere: the
        // record keeps it within the field's range, so it can be read back.
        if (field.type == kParamReal) {
            double value = FocaraParamValue(&record, &field);
            if (!(value >= field.minimum)) FocaraSetParamValue(&record, &field, field.minimum);
            if (value > field.maximum) FocaraSetParamValue(&record, &field, field.maximum);
        }
    }
    return record;
}

}  // namespace studio
