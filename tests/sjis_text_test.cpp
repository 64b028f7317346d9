#include "engine/base/sjis_text.h"

#include <gtest/gtest.h>

namespace kakikomi {
namespace {

TEST(SjisFind, NeverMatchesOnATrailByte) {
  // "ソ" is 0x83 0x5C: its trail byte is a backslash. "ー" is 0x81 0x5B.
  const std::string text = Sjis("ソ\\");
  EXPECT_EQ(Find(text, "\\"), 2);
  EXPECT_EQ(Find(Sjis("ソ"), "\\"), -1);
  // 表 (0x95 0x5C) then 示: "\\示" must not be found inside 表示.
  EXPECT_EQ(Find(Sjis("表示"), Sjis("\\示").substr(0)), -1);
}

}  // namespace
}  // namespace kakikomi
