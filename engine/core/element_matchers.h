// Element matchers: find the collected element behind a control tag of the
// annotated page text. Each kind keeps a cursor in the page element table,
// so controls that share a name are handed out in page order.
#pragma once

#include <string>

#include "engine/core/page_element_table.h"

namespace kakikomi {

// Each returns the element's index within its kind, or -1. The tag looked at
// is the dispatcher's current tag (ControlTags[0]). None of them returns an
// index at or above the count of collected elements of its kind.
int MatchSelect(const std::string& name_value, PageElementTable& table);
int MatchRadio(const std::string& name_value, PageElementTable& table);
int MatchText(const std::string& name_value, PageElementTable& table);
int MatchEmail(const std::string& name_value, PageElementTable& table);
int MatchTel(const std::string& name_value, PageElementTable& table);
int MatchCheckbox(const std::string& name_value, PageElementTable& table);
int MatchTextArea(const std::string& name_value, PageElementTable& table);

}  // namespace kakikomi
