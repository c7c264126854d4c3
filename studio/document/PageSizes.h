// Named page sizes (US and ISO/JIS paper) and the page-size text the command
// takes: a name or WIDTHxHEIGHT with a unit.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "studio/document/Document.h"

namespace studio {

struct PageSize {
    const char* name;   // what a command line takes: "letter", "a4", ...
    const char* label;  // what a person reads: "US Letter", "B4 (JIS)", ...
    double width;       // points, portrait
    double height;      // points
};

// letter, a4, a5, b4, b5 (B4 and B5 are the JIS sizes), portrait.
std::span<const PageSize> pageSizes();
std::optional<PageSize> pageSizeNamed(std::string_view name);

// The same size turned on its side: the longer edge across.
PageSize landscape(PageSize size);

// "letter|a4|a5|b4|b5" (any case) or "WxH" with an optional unit after the
// height or after each number: pt (default), mm or in, e.g. "210x297mm",
// "8.5inx11in". Each side must be above 0 and at most 14400 points (200
// inches, the largest page a PDF holds), else std::invalid_argument.
PageSize parsePageSize(std::string_view text);

// The size named (any case), or none: the same as pageSizeNamed.
inline std::optional<PageSize> findPageSize(std::string_view name) { return pageSizeNamed(name); }

// A document page of a size, turned on its side when landscape.
Page pageOf(const PageSize& size, bool landscape);

// A page from text as a person types it in the studio: "SIZE [portrait|landscape]",
// SIZE as parsePageSize takes it. None, with why set to one line, when the
// text is not one.
std::optional<Page> parsePage(std::string_view text, std::string& why);

}  // namespace studio
