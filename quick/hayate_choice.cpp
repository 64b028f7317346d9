#include "quick/hayate_choice.h"

#include <algorithm>

namespace kakikomi::quick {

HayateChoice::HayateChoice(const std::array<std::string, kUserSlots>& captions, int last_slot)
    : captions_(captions), visible_(std::clamp(last_slot + 1, 0, kUserSlots)) {}

int HayateChoice::ResultForButton(int button) const {
  return button >= 0 && button < visible_ ? button : kNoSlot;
}

}  // namespace kakikomi::quick
