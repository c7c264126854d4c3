/* Filter registration and the filter's menu item. */
#ifndef FOCARA_SDK_AIFILTER_H
#define FOCARA_SDK_AIFILTER_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Category (the Filter submenu) and title (the menu item), length-prefixed. */
typedef struct PlatformAddFilterData {
    const unsigned char* category;
    const unsigned char* title;
} PlatformAddFilterData;

#define kAIFilterSuite "AI Filter Suite"
#define kAIFilterSuiteVersion 2
typedef struct AIFilterSuite {
    /* Registers a filter named name under data's category and title. kBadParameterErr. */
    AIErr(SPAPI* AddFilter)(SPPluginRef self, const char* name, const PlatformAddFilterData* data, int32_t options,
                            AIFilterHandle* filter);
    AIErr(SPAPI* GetFilterMenuItem)(AIFilterHandle filter, AIMenuItemHandle* menuItem);
} AIFilterSuite;

enum { kAutoEnableMenuItemAction = 1 };

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion 7
typedef struct AIMenuSuite {
    /* Lets the host enable or disable the item by itself, by the given conditions. */
    AIErr(SPAPI* UpdateMenuItemAutomatically)(AIMenuItemHandle menuItem, int32_t action, int32_t ifObjectIsInArtwork,
                                              int32_t ifObjectIsNotInArtwork, int32_t ifObjectIsSelected,
                                              int32_t ifObjectIsNotSelected, int32_t ifIsTrue, int32_t ifIsNotTrue);
} AIMenuSuite;

#ifdef __cplusplus
}
#endif

#endif
