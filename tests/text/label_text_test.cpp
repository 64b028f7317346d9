#include "engine/text/label_text.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/base/sjis_text.h"
#include "engine/core/form_input_eng.h"
#include "engine/core/label_extraction.h"

namespace kakikomi {
namespace {

// UTF-8 in, UTF-8 out, with § for the separator.
std::string S(std::string utf8) {
  for (size_t at; (at = utf8.find("§")) != std::string::npos;)
    utf8.replace(at, std::string("§").size(), kLabelSeparator);
  return Sjis(utf8);
}
std::string U(const std::string& sjis) { return SjisToUtf8(sjis); }

class LabelTextTest : public ::testing::Test {
 protected:
  LabelTextTest() { CFormInputEng::ReadData(&data_); }
  CData data_;
  PageElementTable table_;
};

TEST_F(LabelTextTest, Segments) {
  EXPECT_EQ(U(LastSegment(S("a§b§c"))), "c");
  EXPECT_EQ(U(LastSegment(S("abc"))), "abc");
  EXPECT_EQ(U(LastSegment(S("ab§"))), "");
  EXPECT_EQ(U(FirstSegment(S("a§b"))), "a");
  EXPECT_EQ(U(FirstSegment(S("ab"))), "ab");
  // ソ ends in the byte "\", which starts no separator.
  EXPECT_EQ(U(LastSegment(S("x§ソ;$&*y"))), "ソ;$&*y");
}

TEST_F(LabelTextTest, CutThroughKeepsWhatFollowsTheFirstOccurrence) {
  EXPECT_EQ(U(CutThrough(S("ご住所（住所）"), S("住所"))), "（住所）");
  EXPECT_EQ(U(CutThrough(S("電話"), S("住所"))), "電話");
}

TEST_F(LabelTextTest, AttributeText) {
  EXPECT_EQ(AttributeText("Value=x Name=Zip"), "value=x name=zip");
  EXPECT_EQ(AttributeText("value=1 name=zip"), "=zip");
  EXPECT_EQ(AttributeText("zip value=1"), "zip ");
  EXPECT_EQ(U(AttributeText(S("ＴＥＬ"))), "ｔｅｌ");
}

TEST_F(LabelTextTest, NearTheStartOrTheEnd) {
  struct Case {
    const char* text;
    const char* word;
    bool starts, ends;
  };
  const Case cases[] = {
      {"歳", "歳", true, true},
      {"", "歳", false, false},
      {"12345歳", "歳", false, true},
      {"1234歳", "歳", true, true},
      {"生年月日（昭和）", "昭和", false, true},
      {"昭和の生年月日を入力", "昭和", true, false},
      // A double-byte character is never split: ソ's trail byte is no "\".
      {"ソ", "\\", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StartsNear(S(c.text), S(c.word)), c.starts);
    EXPECT_EQ(EndsNear(S(c.text), S(c.word)), c.ends);
  }
}

TEST_F(LabelTextTest, WordsFollowedByParticlesMagazinesAndOwners) {
  EXPECT_TRUE(FollowedByParticle(S("メールでお知らせ"), S("メール"), data_));
  EXPECT_FALSE(FollowedByParticle(S("メールアドレス"), S("メール"), data_));
  EXPECT_TRUE(FollowedByMagazine(S("メールマガジン"), S("メール"), data_));
  EXPECT_FALSE(FollowedByMagazine(S("メールアドレス"), S("メール"), data_));
  EXPECT_TRUE(MentionsOwner(S("ペットの名前"), S("の"), data_));
  EXPECT_FALSE(MentionsOwner(S("あなたの名前"), S("の"), data_));
}

TEST_F(LabelTextTest, DropOwnerPhrases) {
  table_.LastFieldCode = 2040;
  EXPECT_EQ(U(DropOwnerPrefix(S("会社名　お名前"), S("名"), data_, table_)), "　お名前");
  EXPECT_EQ(table_.LastFieldCode, 2040);  // 8 bytes left
  EXPECT_EQ(U(DropOwnerPrefix(S("会社名"), S("名"), data_, table_)), "");
  EXPECT_EQ(table_.LastFieldCode, -1);

  table_.LastFieldCode = 2040;
  EXPECT_EQ(U(DropOwnerNamePhrase(S("ペットのお名前（ふりがな）"), S("の"), data_, table_)),
            "（ふりがな）");
  EXPECT_EQ(table_.LastFieldCode, 2040);
  EXPECT_EQ(U(DropOwnerNamePhrase(S("ご本人の名前"), S("の"), data_, table_)), "ご本人の名前");
}

TEST_F(LabelTextTest, QuizTags) {
  EXPECT_FALSE(NotQuizTag("<INPUT name=QUIZ1>"));
  EXPECT_FALSE(NotQuizTag("<INPUT name=KeyWord>"));
  EXPECT_FALSE(NotQuizTag(S("<INPUT title=答え>")));
  EXPECT_TRUE(NotQuizTag("<INPUT name=name1>"));
}

}  // namespace
}  // namespace kakikomi
