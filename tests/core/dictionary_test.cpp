#include "engine/core/dictionary.h"

#include <gtest/gtest.h>

#include "engine/base/sjis_text.h"
#include "engine/core/cdata.h"
#include "engine/core/form_input_eng.h"

namespace kakikomi {
namespace {

class DictionaryTest : public ::testing::Test {
 protected:
  DictionaryTest() { CFormInputEng::ReadData(&data_); }
  CData data_;
};

TEST_F(DictionaryTest, LimitsAreTheEngineConstants) {
  EXPECT_EQ(data_.MaxFrames, 20);
  EXPECT_EQ(data_.MaxSelects, 30);
  EXPECT_EQ(data_.MaxTexts, 60);
  EXPECT_EQ(data_.MaxEmails, 9);
  EXPECT_EQ(data_.MaxElements, 1500);
}

TEST_F(DictionaryTest, PrefectureTablesLineUp) {
  EXPECT_EQ(data_.PrefectureNames[12], Sjis("東京"));
  EXPECT_EQ(data_.PrefectureSuffixKinds[12], 2);
  EXPECT_EQ(data_.PrefectureSuffixKinds[25], 3);                            // 京都
  EXPECT_EQ(data_.PrefectureRegions[46], 9);                                // 沖縄 in 九州
  EXPECT_EQ(data_.RegionNames[data_.PrefectureRegions[0]], "");             // 北海道
  EXPECT_EQ(data_.RegionNames[data_.PrefectureRegions[14]], Sjis("信越"));  // 新潟
  EXPECT_EQ(data_.PrefectureNames.last, 46);
  EXPECT_EQ(data_.PrefectureSuffixKinds.size(), 47u);
  EXPECT_EQ(data_.PrefectureRegions.size(), 47u);
}

TEST_F(DictionaryTest, LastIndexIsEntriesMinusOneExceptForPairs) {
  EXPECT_EQ(data_.SeiMeiPairs.last, 24);
  EXPECT_EQ(data_.SeiMeiPairs.size(), 50u);
  const WordTable* tables[] = {&data_.NameLabelWords,    &data_.SkipLabelWords, &data_.JobNames,
                               &data_.MobileMailDomains, &data_.DecadeYears,    &data_.RangeMarks};
  for (const WordTable* table : tables) EXPECT_EQ(table->last + 1u, table->size());
}

TEST_F(DictionaryTest, ErasEndWithReiwa) {
  ASSERT_EQ(data_.EraNames.last, 4);
  EXPECT_EQ(data_.EraNames[3], Sjis("平成"));
  EXPECT_EQ(data_.EraNames[4], Sjis("令和"));
}

TEST_F(DictionaryTest, MobileDomainsAreCarrierMailDomains) {
  ASSERT_EQ(data_.MobileMailDomains.size(), 13u);
  for (const std::string& domain : data_.MobileMailDomains.words) {
    EXPECT_NE(domain.find(".ne.jp"), std::string::npos) << domain;
    EXPECT_EQ(domain.find('@'), std::string::npos) << domain;
  }
  // The nine regional domains differ only in a one-letter first label.
  for (int i = 3; i < 12; ++i)
    EXPECT_EQ(data_.MobileMailDomains[i].substr(1), data_.MobileMailDomains[3].substr(1));
}

TEST_F(DictionaryTest, WordsAreStoredAsCp932) {
  EXPECT_EQ(data_.BuildingLabelWords[2], "\xB1\xCA\xDF\xB0\xC4");  // ｱﾊﾟｰﾄ in half-width kana
  EXPECT_EQ(data_.FullWidthDigits[0], "\x82\x4F");                 // ０
  EXPECT_EQ(data_.HtmlEntityWords[0], data_.HtmlEntityWords[5]);
  EXPECT_EQ(data_.JobNames.FirstContainedIn(Sjis("職業：公務員")), 3);
}

}  // namespace
}  // namespace kakikomi
