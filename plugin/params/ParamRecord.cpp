#include "plugin/params/ParamRecord.h"

#include <cstring>

#include "plugin/suites/SuitePointers.h"

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

const FocaraParamField* ParamFieldAtOffset(int32_t offset)
{
    // One row per four-byte word, in stored order.
    if (offset < 0 || offset % 4 != 0 || offset / 4 >= kFocaraParamFieldCount) return nullptr;
    return &kFocaraParamFields[offset / 4];
}

void WriteParamValue(FocaraParams* record, const FocaraParamField* field, double value)
{
    if (field->type == kParamReal)
        *ParamRealAt(record, field) = static_cast<AIReal>(value);
    else
        *ParamIntAt(record, field) = static_cast<int32_t>(value);
}

void WriteParamDefault(FocaraParams* record, const FocaraParamField* field, AIRealPoint viewCenter)
{
    switch (field->defaultKind) {
    case kDefaultNotSet: return;
    case kDefaultViewCenterH: WriteParamValue(record, field, viewCenter.h); return;
    case kDefaultViewCenterV: WriteParamValue(record, field, viewCenter.v); return;
    case kDefaultConstant: WriteParamValue(record, field, field->defaultValue); return;
    }
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

    for (const FocaraParamField& field : kFocaraParamFields) WriteParamDefault(record, &field, center);
    return kNoErr;
}
