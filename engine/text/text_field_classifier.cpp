#include "engine/text/text_field_classifier.h"

namespace kakikomi {

// The classification rules are not written yet. Until they are, every text
// box, mail box, phone box and text area is answered "not handled": nothing
// is recorded and the dispatcher leaves the control as the page had it.
bool FillText(const CData& /*data*/, PageElementTable& /*table*/, int /*mode*/,
              const std::string& /*label*/, const std::string& /*tag*/, int /*index*/,
              const std::string& /*name*/) {
  return false;
}

}  // namespace kakikomi
