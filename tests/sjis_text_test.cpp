#include "engine/base/sjis_text.h"

#include <gtest/gtest.h>

#include <chrono>

namespace kakikomi {
namespace {

TEST(SjisFind, NeverStartsAMatchOnATrailByte) {
  struct Case {
    const char* name;
    std::string text;
    std::string needle;
    int from;
    int expected;
  };
  // ソ is 0x83 0x5C and 表 is 0x95 0x5C: their trail bytes are backslashes.
  // ー is 0x81 0x5B, whose trail byte is "[".
  const Case cases[] = {
      {"backslash after soo", Sjis("ソ\\"), "\\", 0, 2},
      {"trail byte alone", Sjis("ソ"), "\\", 0, -1},
      {"bracket inside long vowel", Sjis("データ[DATA]"), "[", 0, 6},
      {"kana across characters", Sjis("アイ"), "\x83\x41\x83", 0, 0},
      // 0x83 0x41 0x83 0x43 (アイ): "\x41\x83" straddles two characters.
      {"straddling match", Sjis("アイ"), "\x41\x83", 0, -1},
      {"from skips earlier hit", Sjis("名前名前"), Sjis("名"), 1 * 2, 4},
      {"empty needle", "abc", "", 1, 1},
      {"from past end", "abc", "a", 4, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(Find(c.text, c.needle, c.from), c.expected) << c.name;
}

TEST(SjisFind, ReverseFindTakesTheLastWholeCharacterMatch) {
  EXPECT_EQ(ReverseFind(Sjis("市区市"), Sjis("市")), 4);
  EXPECT_EQ(ReverseFind(Sjis("ソソ"), "\\"), -1);
}

TEST(SjisText, LowerCasesAsciiAndFullWidthLatinOnly) {
  EXPECT_EQ(ToLower(Sjis("TEL:ＴＥＬ電話ソＡ")), Sjis("tel:ｔｅｌ電話ソａ"));
  // A trail byte in the A-Z range (0x82 0x60 is Ａ, but 0x83 0x41 is ア) is not touched.
  EXPECT_EQ(ToLower(Sjis("アイウ")), Sjis("アイウ"));
}

TEST(SjisText, ReverseKeepsDoubleByteCharactersWhole) {
  EXPECT_EQ(Reverse(Sjis("たなかA1")), Sjis("1Aかなた"));
  EXPECT_EQ(Reverse(""), "");
  // A lead byte cut off at the end stays one byte.
  EXPECT_EQ(Reverse(std::string("a\x82")), std::string("\x82"
                                                       "a"));
}

TEST(SjisText, ReplaceAllIsSinglePassAndNonOverlapping) {
  EXPECT_EQ(ReplaceAll(Sjis("東京都千代田区東京都"), Sjis("東京都"), Sjis("東京")),
            Sjis("東京千代田区東京"));
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("abc", "b", "bb"), "abbc");  // the replacement is not searched again
  EXPECT_EQ(ReplaceAll(Sjis("ソ\\"), "\\", "/"), Sjis("ソ/"));
}

TEST(SjisText, ReplaceAllStaysLinearOnALargePage) {
  std::string page;
  for (int i = 0; i < 100000; ++i) page += Sjis("<TD>お名前&nbsp;</TD>");
  auto start = std::chrono::steady_clock::now();
  std::string text = page;
  for (int pass = 0; pass < 40; ++pass) text = ReplaceAll(text, "&nbsp;", "");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(Find(text, "&nbsp;"), -1);
  // Quadratic replacement on 1.9 MB takes minutes; linear takes milliseconds.
  EXPECT_LT(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count(), 10);
}

TEST(SjisText, SubstringsClampLikeCString) {
  EXPECT_EQ(Mid("abcdef", 2, 3), "cde");
  EXPECT_EQ(Mid("abc", 5), "");
  EXPECT_EQ(Mid("abc", -1, 2), "ab");
  EXPECT_EQ(Left("abc", 10), "abc");
  EXPECT_EQ(Right("abc", 2), "bc");
  EXPECT_EQ(Right("abc", 0), "");
}

TEST(SjisConversion, MapsTheWaveDashFamilyToWhatAJapaneseUserMeans) {
  struct Case {
    const char* utf8;
    const char* sjis;
  };
  const Case cases[] = {
      {"\u301C", "\x81\x60"}, {"\uFF5E", "\x81\x60"}, {"\u2212", "\x81\x7C"},
      {"\uFF0D", "\x81\x7C"}, {"\u2016", "\x81\x61"}, {"\u2225", "\x81\x61"},
      {"\u00A2", "\x81\x91"}, {"\uFFE0", "\x81\x91"}, {"\u00A3", "\x81\x92"},
      {"\uFFE1", "\x81\x92"}, {"\u00AC", "\x81\xCA"}, {"\uFFE2", "\x81\xCA"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToSjis(c.utf8), c.sjis) << c.utf8;
}

TEST(SjisConversion, RoundTripsJapaneseAndReplacesWhatCp932CannotHold) {
  const std::string text = "山田 花子ﾊﾅｺ①髙〒100-0001";
  EXPECT_EQ(SjisToUtf8(Utf8ToSjis(text)), text);
  EXPECT_EQ(Utf8ToSjis("a😀b"), "a?b");
  EXPECT_EQ(Utf8ToSjis("a\xFF"
                       "b"),
            "a?b");  // invalid UTF-8
  EXPECT_EQ(SjisToUtf8("a\x85\x40"
                       "b"),
            "a?b");                        // unassigned double-byte code
  EXPECT_EQ(SjisToUtf8("a\x81"), "a?");    // lead byte cut off
  EXPECT_EQ(SjisToUtf8("\x81 x"), "? x");  // a bad trail byte is not swallowed
}

}  // namespace
}  // namespace kakikomi
