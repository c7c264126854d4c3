#include "plugin/params/ParamRecord.h"

#include "plugin/suites/SuitePointers.h"

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

    for (const FocaraParamField& field : kFocaraParamFields) FocaraSetParamDefault(record, &field, center);
    return kNoErr;
}
