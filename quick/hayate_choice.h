// What the profile dialog of the quick-input program decides, without any
// widget: which buttons it shows with which captions, and which slot each
// way of closing it means.
#pragma once

#include <array>
#include <string>

#include "engine/data/main_data.h"

namespace kakikomi::quick {

inline constexpr int kNoSlot = -1;
inline constexpr int kFirstButtonId = 1000;  // buttons 1000-1009, one per slot

class HayateChoice {
 public:
  // `captions` are the profiles' NameKanji (UTF-8) by slot; `last_slot` is
  // the last slot in use (-1 = no profile).
  HayateChoice(const std::array<std::string, kUserSlots>& captions, int last_slot);

  // Buttons 0 ... VisibleButtons()-1 are shown; the rest are hidden.
  int VisibleButtons() const { return visible_; }
  const std::string& Caption(int button) const { return captions_[button]; }

  // Whether to ask at all: with one profile it is used without asking.
  bool NeedsDialog() const { return visible_ >= 2; }
  // The slot to fill without a dialog: the only profile, or none.
  int SlotWithoutDialog() const { return visible_ == 1 ? 0 : kNoSlot; }

  int ResultForButton(int button) const;
  // "キャンセル", Escape and the close box.
  static int ResultForCancel() { return kNoSlot; }

 private:
  std::array<std::string, kUserSlots> captions_;
  int visible_;
};

}  // namespace kakikomi::quick
