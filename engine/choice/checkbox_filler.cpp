#include "engine/choice/checkbox_filler.h"

namespace kakikomi {

// The matching rules are not written yet. Until they are, every control of
// this kind is answered "not handled": nothing is recorded and the page keeps
// its own choice.
bool FillCheckbox(const std::string& /*label*/, const std::string& /*tag*/, int /*index*/,
                  const std::string& /*name*/, PageElementTable& /*table*/, const CData& /*data*/) {
  return false;
}

}  // namespace kakikomi
