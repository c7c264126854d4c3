#include "params/ParamRecord.h"

#include <cstring>

#include "host/SuitePointers.h"

const FocaraParamField* FindParamField(const char* name)
{
    for (const FocaraParamField& field : kFocaraParamFields)
        if (std::strcmp(field.name, name) == 0) return &field;
    return nullptr;
}

int32_t* ParamIntAt(FocaraParams* record, const FocaraParamField* field)
{
    return reinterpret_cast<int32_t*>(reinterpret_cast<unsigned char*>(record) + field->offset);
}

AIReal* ParamRealAt(FocaraParams* record, const FocaraParamField* field)
{
    return reinterpret_cast<AIReal*>(reinterpret_cast<unsigned char*>(record) + field->offset);
}

AIErr WriteParamDefaults(FocaraParams* record)
{
    AIDocumentHandle document = nullptr;
    AIErr err = sAIDocument->GetDocument(&document);
    if (err) return err;

    AIDocumentViewHandle view = nullptr;
    err = sAIDocumentView->GetNthDocumentView(0, &view);
    if (err) return err;
    AIRealPoint center = {0, 0};
    err = sAIDocumentView->GetDocumentViewCenter(view, &center);
    if (err) return err;

    for (const FocaraParamField& field : kFocaraParamFields) {
        double value = field.defaultValue;
        if (field.defaultKind == kDefaultNotSet) continue;
        if (field.defaultKind == kDefaultViewCenterH) value = center.h;
        if (field.defaultKind == kDefaultViewCenterV) value = center.v;
        if (field.type == kParamReal)
            *ParamRealAt(record, &field) = static_cast<AIReal>(value);
        else
            *ParamIntAt(record, &field) = static_cast<int32_t>(value);
    }
    return kNoErr;
}
