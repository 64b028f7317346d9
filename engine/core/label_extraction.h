// Label extraction: turns a page's body HTML into the label-annotated page
// text the dispatcher walks (visible text, the fillable controls' tags with
// each select's option list, and separators where the layout breaks the
// text), and sets the page-level flags that tell the choice fillers which of
// the profile's words the page offers.
#pragma once

#include <string>
#include <string_view>

#include "engine/core/cdata.h"
#include "engine/core/page_element_table.h"

namespace kakikomi {

// Marks a layout break between two pieces of page text.
inline constexpr std::string_view kLabelSeparator = "\\;$&*";

// The whole pipeline; the result replaces PageText. Sets the page-level
// flags of `table` from the profile values in `data`.
std::string AnnotatePageText(const std::string& page_html, PageElementTable& table,
                             const CData& data);

// The steps of AnnotatePageText, in the order it runs them.
std::string StripPageNoise(std::string_view html);
std::string TagsToMarks(std::string_view html);
std::string RemoveEntities(std::string_view text, const CData& data);
std::string CollapseSeparators(std::string_view text);
std::string NormaliseLabel(std::string_view text);
void ScanPageOffers(const std::string& text, PageElementTable& table, const CData& data);

// Value of `name` in a tag: what follows `name=` up to the next attribute,
// without quotes, ">" and spaces.
std::string TagAttrValue(std::string_view tag, std::string_view name);

// Deletes every half-width and full-width space.
std::string RemoveSpaces(std::string_view text);

// The tag's name value: what follows its first "name=", cut before the next
// "=" and then before the next space; empty without "name=".
std::string TagNameValue(std::string_view tag);

}  // namespace kakikomi
