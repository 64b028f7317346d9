#include <gtest/gtest.h>

#include "engine/base/clock.h"
#include "engine/base/sjis_text.h"
#include "engine/core/form_input_eng.h"
#include "engine/data/reg_read.h"

namespace kakikomi {
namespace {

struct TextCase {
  const char* input;
  const char* expected;
};

TEST(ConversionsTest, HiraganaToKatakana) {
  const TextCase cases[] = {
      {"たなか", "タナカ"},     {"すずきー", "スズキ"},  // the long-vowel mark is dropped
      {"がっこう", "ガッコウ"}, {"ぁぃぅぇぉゃゅょ", "ァィゥェォャュョ"},
      {"カタカナ", ""},  // not hiragana: dropped
      {"ゔゐゑゎ", ""},         {"", ""},
  };
  for (const TextCase& c : cases)
    EXPECT_EQ(SjisToUtf8(CRegRead::ChangeHiraganaKatakana(Sjis(c.input))), c.expected) << c.input;
}

TEST(ConversionsTest, SingleByteCharacterShiftsTheKatakanaReading) {
  // "aたな" read two bytes at a time never lines up with a kana again.
  std::string shifted = CRegRead::ChangeHiraganaKatakana("a" + Sjis("たな"));
  EXPECT_NE(SjisToUtf8(shifted), "タナ");
  EXPECT_LE(shifted.size(), 2u);
}

TEST(ConversionsTest, KanaToRomaji) {
  const TextCase cases[] = {
      {"たなか", "TANAKA"},
      {"きょうこ", "KYOUKO"},
      {"しょうた", "SYOUTA"},
      {"じゅん", "JUN"},
      {"かっぱ", "KAPPA"},
      {"ふじ", "HUJI"},
      {"ちゃ", "CHA"},
      {"ぁ", ""},
      {"まっ", "MA"},  // trailing っ adds nothing
      {"しんいち", "SHINICHI"},
      {"つ", "TSU"},
      {"を", "WO"},
      {"ゃ", ""},
      {"あゃ", "A"},  // ゃ after a non-i-row kana is dropped
      {"タナカ", ""},
      {"さとー", "SATO"},
      {"", ""},
  };
  for (const TextCase& c : cases)
    EXPECT_EQ(CRegRead::ChangeRomajiString(Sjis(c.input)), c.expected) << c.input;
}

TEST(ConversionsTest, NumberTexts) {
  struct Case {
    int n;
    const char* hankaku;
    const char* zenkaku;
  };
  const Case cases[] = {
      {1975, "1975", "１９７５"}, {0, "0", "０"}, {-1, "-1", "１"}, {9, "9", "９"}};
  for (const Case& c : cases) {
    EXPECT_EQ(CRegRead::ChangeNumberHankakuString(c.n), c.hankaku);
    EXPECT_EQ(SjisToUtf8(CRegRead::ChangeNumberZenkakuString(c.n)), c.zenkaku);
  }
}

TEST(ConversionsTest, AgeFromTheClock) {
  FakeClock clock({2026, 4, 9});
  ScopedClock scoped(&clock);
  EXPECT_EQ(CRegRead::YourAge(1975, 4, 9), 51);   // birthday today counts
  EXPECT_EQ(CRegRead::YourAge(1975, 4, 10), 50);  // tomorrow does not
  EXPECT_EQ(CRegRead::YourAge(1975, 5, 1), 50);
  EXPECT_EQ(CRegRead::YourAge(2026, 4, 9), 0);
  EXPECT_EQ(CRegRead::YourAge(2027, 1, 1), -1);              // born in the future
  EXPECT_EQ(CRegRead::YourAge(INT32_MIN, 1, 1), INT32_MAX);  // no overflow
  clock.SetToday({-1, -1, -1});
  EXPECT_EQ(CRegRead::YourAge(1975, 4, 9), -1);
}

TEST(ConversionsTest, ZodiacSigns) {
  struct Case {
    int month, day, sign;
  };
  const Case cases[] = {{12, 22, 0}, {1, 20, 0},   {1, 21, 1},  {2, 29, 2},        {3, 20, 2},
                        {3, 21, 3},  {6, 21, 5},   {6, 22, 6},  {12, 21, 11},      {12, 31, 0},
                        {0, 0, 0},   {12, 32, -1}, {13, 1, -1}, {INT32_MAX, 1, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(CRegRead::Seiza(c.month, c.day), c.sign) << c.month << "/" << c.day;
}

TEST(ConversionsTest, PrefectureNames) {
  CData data;
  CFormInputEng::ReadData(&data);
  struct Case {
    int index;
    const char* name;
  };
  const Case cases[] = {{0, "北海道"},  {1, "青森県"},  {12, "東京都"},
                        {25, "京都府"}, {26, "大阪府"}, {46, "沖縄県"},
                        {-1, ""},       {47, ""},       {1000, ""}};
  for (const Case& c : cases)
    EXPECT_EQ(SjisToUtf8(CRegRead::GetToDouHuKen(c.index, &data)), c.name) << c.index;
}

}  // namespace
}  // namespace kakikomi
