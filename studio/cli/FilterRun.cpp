#include "studio/cli/FilterRun.h"

#include <stdexcept>
#include <string>

#include "generator/Generator.h"
#include "host/SuitePointers.h"
#include "params/ParamRecord.h"

namespace studio::cli {

namespace {
std::string codeText(AIErr err)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        char c = static_cast<char>((static_cast<uint32_t>(err) >> shift) & 0xFF);
        text += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return "'" + text + "' (" + std::to_string(err) + ")";
}
}  // namespace

PluginSuites::PluginSuites(const SPBasicSuite* basic)
{
    if (AIErr err = AcquireSuitePointers(basic)) {
        ReleaseSuitePointers();
        throw std::runtime_error("the host could not give the plug-in its suites: error " + codeText(err));
    }
}

PluginSuites::~PluginSuites() { ReleaseSuitePointers(); }

FocaraParams defaultRecord()
{
    FocaraParams record{};
    if (AIErr err = WriteParamDefaults(&record))
        throw std::runtime_error("the plug-in could not write the default parameters: error " + codeText(err));
    return record;
}

AIErr runFilterWithoutDialog(FocaraParams& record)
{
    record.finalRun = 1;
    return GenerateFocusLines(&record);
}

}  // namespace studio::cli
