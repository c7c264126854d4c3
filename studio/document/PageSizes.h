// The page sizes offered for new documents, in points (1/72 inch), portrait.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "studio/document/Document.h"

namespace studio {

struct PageSize {
    std::string_view name;   // what a command line takes: "letter", "a4", ...
    std::string_view label;  // what a person reads: "US Letter", "A4", ...
    float width;
    float height;
};

std::span<const PageSize> pageSizes();

// The size named (case-insensitive), or none.
std::optional<PageSize> findPageSize(std::string_view name);

// The page of a size, turned on its side when landscape.
Page pageOf(const PageSize& size, bool landscape);

// A page from text as a person types it: "SIZE [portrait|landscape]", SIZE a
// named size or WIDTHxHEIGHT in points (landscape puts the longer side
// across). None, with why set to one line, when the text is not one.
std::optional<Page> parsePage(std::string_view text, std::string& why);

}  // namespace studio
