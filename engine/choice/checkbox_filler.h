// The check box filler: picks the box that matches the profile and
// records it in the page element table.
#pragma once

#include <string>

#include "engine/core/cdata.h"
#include "engine/core/page_element_table.h"

namespace kakikomi {

// True when a pick was recorded for this control (the dispatcher stops
// working on it); false when nothing was recorded.
bool FillCheckbox(const std::string& label, const std::string& tag, int index,
                  const std::string& name, PageElementTable& table, const CData& data);

}  // namespace kakikomi
