// The text-field classifier: decides from a text-like control's label what
// profile item it asks for and records the value in the page element table.
#pragma once

#include <string>

#include "engine/core/cdata.h"
#include "engine/core/page_element_table.h"

namespace kakikomi {

// The kind of control FillText is handed.
enum TextFieldMode : int {
  kModeTextInput = 0,
  kModeTextArea = 1,
  kModeEmail = 2,
  kModeTel = 3,
};

// True when the control is dealt with (a value was recorded, or it is to stay
// empty); false lets the dispatcher offer it again with its next label.
bool FillText(const CData& data, PageElementTable& table, int mode, const std::string& label,
              const std::string& tag, int index, const std::string& name);

}  // namespace kakikomi
