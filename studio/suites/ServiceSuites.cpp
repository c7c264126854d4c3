// SP Blocks, Filter and Menu suites, and the suites the plug-in only acquires.
#include <string>

#include "sdk/AIArt.h"
#include "sdk/AIFilter.h"
#include "sdk/SPBasic.h"
#include "studio/suites/SuiteGuard.h"

namespace studio {

namespace {

AIErr allocateBlock(size_t size, const char* debugName, void** block)
{
    return guarded("AllocateBlock", [&](Host& host) -> AIErr {
        if (!block) return kBadParameterErr;
        *block = host.allocateBlock(size, debugName);
        return kNoErr;
    });
}

AIErr freeBlock(void* block)
{
    return guarded("FreeBlock", [&](Host& host) -> AIErr { return host.freeBlock(block) ? kNoErr : kBadParameterErr; });
}

std::string fromLengthPrefixed(const unsigned char* text)
{
    return text ? std::string(reinterpret_cast<const char*>(text + 1), text[0]) : std::string();
}

AIErr addFilter(SPPluginRef, const char* name, const PlatformAddFilterData* data, int32_t, AIFilterHandle* filter)
{
    return guarded("AddFilter", [&](Host& host) -> AIErr {
        if (!name || !data || !data->category || !data->title || !filter) return kBadParameterErr;
        *filter = host.addFilter({name, fromLengthPrefixed(data->category), fromLengthPrefixed(data->title)});
        return kNoErr;
    });
}

AIErr getFilterMenuItem(AIFilterHandle filter, AIMenuItemHandle* menuItem)
{
    return guarded("GetFilterMenuItem", [&](Host& host) -> AIErr {
        if (!host.filter(filter) || !menuItem) return kBadParameterErr;
        *menuItem = reinterpret_cast<AIMenuItemHandle>(filter);  // one menu item per filter
        return kNoErr;
    });
}

AIErr updateMenuItemAutomatically(AIMenuItemHandle menuItem, int32_t action, int32_t, int32_t, int32_t, int32_t,
                                  int32_t, int32_t)
{
    return guarded("UpdateMenuItemAutomatically", [&](Host& host) -> AIErr {
        auto* filter = host.filter(reinterpret_cast<AIFilterHandle>(menuItem));
        if (!filter) return kBadParameterErr;
        filter->autoEnabled = action == kAutoEnableMenuItemAction;
        return kNoErr;
    });
}

}  // namespace

extern const SPBlocksSuite kBlocksSuite = {allocateBlock, freeBlock};
extern const AIFilterSuite kFilterSuite = {addFilter, getFilterMenuItem};
extern const AIMenuSuite kMenuSuite = {updateMenuItemAutomatically};
extern const SPAccessSuite kAccessSuite = {nullptr};
extern const SPPluginsSuite kPluginsSuite = {nullptr};
extern const AITagSuite kTagSuite = {nullptr};
extern const AIMatchingArtSuite kMatchingArtSuite = {nullptr};

}  // namespace studio
