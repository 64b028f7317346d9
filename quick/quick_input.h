// One run of the quick-input program apart from its window system: load the
// stored profiles without touching the store, pick a profile (asking only
// when there are two or more), and fill the tab once.
#pragma once

#include <functional>

#include "engine/core/document_access.h"
#include "quick/hayate_choice.h"

namespace kakikomi::quick {

// Shows the profile dialog and returns the chosen slot or -1.
using AskForProfile = std::function<int(const HayateChoice& choice)>;

// Returns the slot that was filled, or -1 when nothing was.
int RunQuickInput(DocumentView* view, const AskForProfile& ask);

}  // namespace kakikomi::quick
