#include "quick/hayate_choice.h"

#include <gtest/gtest.h>

namespace kakikomi::quick {
namespace {

TEST(HayateChoiceTest, AsksOnlyWhenThereAreTwoOrMoreProfiles) {
  struct Case {
    int last_slot;
    int visible;
    bool asks;
    int slot_without_dialog;
  };
  const Case cases[] = {
      {-1, 0, false, kNoSlot},  // no profile: nothing to fill
      {0, 1, false, 0},         // the only profile is used without asking
      {1, 2, true, kNoSlot},   {2, 3, true, kNoSlot}, {9, 10, true, kNoSlot},
      {12, 10, true, kNoSlot},  // a damaged count never shows more than ten
  };
  std::array<std::string, kUserSlots> names;
  for (const Case& c : cases) {
    HayateChoice choice(names, c.last_slot);
    EXPECT_EQ(choice.VisibleButtons(), c.visible) << c.last_slot;
    EXPECT_EQ(choice.NeedsDialog(), c.asks) << c.last_slot;
    EXPECT_EQ(choice.SlotWithoutDialog(), c.slot_without_dialog) << c.last_slot;
  }
}

TEST(HayateChoiceTest, AButtonMeansItsSlotAndCancelMeansNone) {
  std::array<std::string, kUserSlots> names{"山田", "佐藤", "鈴木"};
  HayateChoice choice(names, 2);
  EXPECT_EQ(choice.ResultForButton(0), 0);
  EXPECT_EQ(choice.ResultForButton(2), 2);
  EXPECT_EQ(choice.ResultForButton(3), kNoSlot);  // hidden
  EXPECT_EQ(choice.ResultForButton(-1), kNoSlot);
  EXPECT_EQ(HayateChoice::ResultForCancel(), kNoSlot);
  EXPECT_EQ(choice.Caption(1), "佐藤");
}

}  // namespace
}  // namespace kakikomi::quick
