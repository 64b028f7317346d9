// The page as it stands after a fill: the whole document written back as
// HTML (UTF-8) with the written values, selections and ticks in place, for
// looking at or opening in a browser.
#pragma once

#include <string>

#include "engine/dom/standalone_document.h"

namespace kakikomi {

// A complete HTML document in UTF-8; the page's own charset declarations
// are replaced by one for UTF-8.
std::string SerializeFilledPage(const StandaloneDocument& document);

}  // namespace kakikomi
