#include <gtest/gtest.h>

#include "engine/base/clock.h"
#include "engine/base/sjis_text.h"
#include "engine/core/form_input_eng.h"
#include "engine/data/reg_read.h"

namespace kakikomi {
namespace {

class DerivationTest : public ::testing::Test {
 protected:
  void SetUp() override { CFormInputEng::ReadData(&data_); }

  const PrivateData& Derive(const UserProfile& profile, int birth_format = 0) {
    main_.User[3] = profile;
    main_.SetInputBirth = static_cast<uint8_t>(birth_format);
    CRegRead::GetPrivateData(&main_, 3, &data_);
    return main_.Private[3];
  }

  // Stored position of a western year in the add dialog's list.
  static int YearPosition(int year) { return year < 1970 ? year - 1899 : year - 1898; }

  FakeClock clock_{{2026, 12, 10}};
  ScopedClock scoped_{&clock_};
  CData data_;
  CMainData main_;
};

TEST_F(DerivationTest, YearFromTheListPosition) {
  UserProfile u;
  u.BirthYear = 70;
  EXPECT_EQ(Derive(u).Year, 1969);
  u.BirthYear = 71;  // the "----" placeholder
  EXPECT_EQ(Derive(u).Year, 1969);
  u.BirthYear = 72;
  EXPECT_EQ(Derive(u).Year, 1970);
  u.BirthYear = 127;
  EXPECT_EQ(Derive(u).Year, 2025);
}

TEST_F(DerivationTest, EraBoundaries) {
  struct Case {
    int year, month, day, era, era_year;
  };
  const Case cases[] = {
      {1912, 7, 29, 0, 45}, {1912, 7, 30, 1, 1}, {1926, 12, 24, 1, 15}, {1926, 12, 25, 2, 1},
      {1989, 1, 7, 2, 64},  {1989, 1, 8, 3, 1},  {2019, 4, 30, 3, 31},  {2019, 5, 1, 4, 1},
      {2020, 1, 1, 4, 2},   {2020, 6, 1, 4, 2},  {2025, 12, 31, 4, 7},  {1900, 1, 1, 0, 33},
  };
  for (const Case& c : cases) {
    UserProfile u;
    u.BirthYear = YearPosition(c.year);
    u.BirthMonth = c.month;
    u.BirthDay = c.day;
    const PrivateData& p = Derive(u);
    EXPECT_EQ(p.Era, c.era) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(p.EraYear, c.era_year) << c.year << "-" << c.month << "-" << c.day;
    static const char* const kEraNames[] = {"明治", "大正", "昭和", "平成", "令和"};
    EXPECT_EQ(SjisToUtf8(data_.EraNames[p.Era]), kEraNames[c.era]);
  }
}

TEST_F(DerivationTest, BirthDateFormats) {
  UserProfile u;
  u.BirthYear = YearPosition(1975);
  u.BirthMonth = 4;
  u.BirthDay = 9;
  const char* expected[] = {"1975/04/09", "1975/4/9",     "1975-04-09", "1975-4-9",
                            "19750409",   "1975年4月9日", "1975.04.09", "1975/04/09"};
  for (int format = 0; format < 8; ++format)
    EXPECT_EQ(SjisToUtf8(Derive(u, format).BirthDate), expected[format]) << format;
  u.BirthMonth = 11;
  u.BirthDay = 23;
  EXPECT_EQ(SjisToUtf8(Derive(u, 0).BirthDate), "1975/11/23");
  EXPECT_EQ(SjisToUtf8(Derive(u, 200).BirthDate), "1975/11/23");  // unknown format
}

TEST_F(DerivationTest, FullProfile) {
  UserProfile u;
  u.SeiKanji = Sjis("田中");
  u.MeiKanji = Sjis("太郎");
  u.SeiKana = Sjis("たなか");
  u.MeiKana = Sjis("たろう");
  u.SeiRomaji = "TANAKA";
  u.MeiRomaji = "TARO";
  u.MailAccount = "taro";
  u.MailDomain = "example.jp";
  u.MobileMailAccount = "t.tanaka";
  u.MobileMailDomain = "ezweb.ne.jp";
  u.MobileDomain = 1;
  u.ZipUpper = "100";
  u.ZipLower = "0001";
  u.ToDouHuKen = 13;
  u.ShiKuGun = Sjis("千代田区");
  u.ChouSon = Sjis("千代田");
  u.BanChi = "1-1";
  u.Tel1 = "03";
  u.Tel2 = "1234";
  u.Tel3 = "5678";
  u.Sex = 1;
  u.BirthYear = YearPosition(1975);
  u.BirthMonth = 4;
  u.BirthDay = 9;
  u.Job = 1;
  u.Industry = 10;
  u.JobType = 7;
  u.Marriage = 2;
  u.BloodType = 4;
  u.DaytimeContact = 1;
  const PrivateData& p = Derive(u);
  EXPECT_EQ(p.SexIndex, 0);
  EXPECT_EQ(p.Age, 51);
  EXPECT_EQ(p.SeizaIndex, 3);
  EXPECT_EQ(p.JobIndex, 0);
  EXPECT_EQ(SjisToUtf8(p.JobWord), "会社役員");
  EXPECT_EQ(SjisToUtf8(p.JobWord2), "会社経営");
  EXPECT_EQ(SjisToUtf8(p.IndustryWord), "コンピュータ");
  EXPECT_EQ(SjisToUtf8(p.IndustryWord2), "ソフトウェア");
  EXPECT_EQ(SjisToUtf8(p.JobTypeWord), "経理");
  EXPECT_EQ(SjisToUtf8(p.JobTypeWord2), "人事");
  EXPECT_EQ(p.MarriageIndex, 1);
  EXPECT_EQ(p.BloodTypeIndex, 3);
  EXPECT_EQ(p.ToDouHuKenIndex, 12);
  EXPECT_EQ(p.MobileDomainIndex, 0);
  EXPECT_EQ(p.FixedZero, 0);
  EXPECT_EQ(p.FixedMinusOne, -1);
  EXPECT_EQ(p.DaytimeContactIndex, 1);
  EXPECT_EQ(SjisToUtf8(p.SeiKatakana), "タナカ");
  EXPECT_EQ(SjisToUtf8(p.NameKatakana), "タナカ　タロウ");
  EXPECT_EQ(SjisToUtf8(p.NameKanji), "田中　太郎");
  EXPECT_EQ(SjisToUtf8(p.NameRomaji), "TANAKA　TARO");
  EXPECT_EQ(SjisToUtf8(p.ToDouHuKenName), "東京都");
  EXPECT_EQ(SjisToUtf8(p.Address), "東京都千代田区千代田1-1　");  // no building: trailing space
  EXPECT_EQ(SjisToUtf8(p.AddressLocal), "千代田区千代田1-1");
  EXPECT_EQ(p.MailAddress, "taro@example.jp");
  EXPECT_EQ(p.MobileMailAddress, "t.tanaka@ezweb.ne.jp");
  EXPECT_EQ(p.TelPlain, "0312345678");
  EXPECT_EQ(p.TelHyphen, "03-1234-5678");
  EXPECT_EQ(p.ZipPlain, "1000001");
  EXPECT_EQ(p.ZipHyphen, "100-0001");
  EXPECT_EQ(SjisToUtf8(p.YearZenkaku), "１９７５");
  EXPECT_EQ(p.EraYearHankaku, "50");
  EXPECT_EQ(p.MonthHankaku, "4");
  EXPECT_EQ(SjisToUtf8(p.AgeZenkaku), "５１");

  // SetPrivateData hands exactly this block to the fillers.
  CRegRead::SetPrivateData(&main_, 3, &data_);
  EXPECT_EQ(data_.NameKanji, p.NameKanji);
  EXPECT_EQ(data_.Age, 51);
  EXPECT_EQ(data_.TelHyphen, p.TelHyphen);
}

TEST_F(DerivationTest, EmptyProfileJoinsOnlySeparators) {
  const PrivateData& p = Derive(UserProfile{});
  EXPECT_EQ(SjisToUtf8(p.Address), "　");
  EXPECT_EQ(p.TelHyphen, "--");
  EXPECT_EQ(p.MailAddress, "@");
  EXPECT_EQ(p.SexIndex, -1);
  EXPECT_EQ(p.ToDouHuKenIndex, -1);
  EXPECT_EQ(p.ToDouHuKenName, "");
  EXPECT_EQ(p.JobWord, "****");
  EXPECT_EQ(p.MobileDomainIndex, -1);
}

// The "その他" entries and any number outside its list give "not chosen",
// so a damaged profile never reads past a word table.
TEST_F(DerivationTest, NumbersOutsideTheirListsAreNotChosen) {
  struct Case {
    int UserProfile::*member;
    int stored;
    int PrivateData::*index;
  };
  const Case cases[] = {
      {&UserProfile::Job, 12, &PrivateData::JobIndex},
      {&UserProfile::Job, 0, &PrivateData::JobIndex},
      {&UserProfile::Job, 15, &PrivateData::JobIndex},
      {&UserProfile::Job, -7, &PrivateData::JobIndex},
      {&UserProfile::Industry, 19, &PrivateData::IndustryIndex},
      {&UserProfile::Industry, 40, &PrivateData::IndustryIndex},
      {&UserProfile::JobType, 12, &PrivateData::JobTypeIndex},
      {&UserProfile::JobType, INT32_MAX, &PrivateData::JobTypeIndex},
      {&UserProfile::Sex, 3, &PrivateData::SexIndex},
      {&UserProfile::Marriage, 3, &PrivateData::MarriageIndex},
      {&UserProfile::BloodType, 5, &PrivateData::BloodTypeIndex},
      {&UserProfile::ToDouHuKen, 48, &PrivateData::ToDouHuKenIndex},
      {&UserProfile::ToDouHuKen, INT32_MIN, &PrivateData::ToDouHuKenIndex},
  };
  for (const Case& c : cases) {
    UserProfile u;
    u.*c.member = c.stored;
    const PrivateData& p = Derive(u);
    EXPECT_EQ(p.*c.index, -1) << c.stored;
    EXPECT_EQ(p.JobWord, "****");
    EXPECT_EQ(p.IndustryWord2, "****");
    EXPECT_EQ(p.JobTypeWord, "****");
  }
  UserProfile last;
  last.Job = 11;
  last.Industry = 18;
  last.JobType = 11;
  last.ToDouHuKen = 47;
  const PrivateData& p = Derive(last);
  EXPECT_EQ(SjisToUtf8(p.JobWord), "無職");
  EXPECT_EQ(SjisToUtf8(p.IndustryWord), "農林水");
  EXPECT_EQ(SjisToUtf8(p.JobTypeWord), "事務");
  EXPECT_EQ(SjisToUtf8(p.ToDouHuKenName), "沖縄県");
}

TEST_F(DerivationTest, HugeStoredNumbersDoNotOverflow) {
  UserProfile u;
  u.BirthYear = INT32_MAX;
  u.BirthMonth = INT32_MAX;
  u.BirthDay = INT32_MIN;
  u.MobileDomain = INT32_MIN;
  const PrivateData& p = Derive(u);
  EXPECT_EQ(p.Year, INT32_MAX);
  EXPECT_EQ(p.MobileDomainIndex, INT32_MIN);
  EXPECT_EQ(p.Age, -1);
}

TEST_F(DerivationTest, SettingsReachTheFormatBytes) {
  main_.Setting1 = 0;
  main_.Setting2 = 1;
  main_.Setting3 = 0;
  main_.Setting4 = 1;
  main_.Setting5 = 0;
  main_.SetInputBirth = 5;
  CRegRead::SetSetting(&main_, &data_);
  EXPECT_EQ(data_.WarningSound, 0);
  EXPECT_EQ(data_.ZipNoHyphen, 1);
  EXPECT_EQ(data_.TelNoHyphen, 0);
  EXPECT_EQ(data_.RememberPosition, 1);
  EXPECT_EQ(data_.QuickInput, 0);
  EXPECT_EQ(data_.BirthFormat, 5);
}

TEST_F(DerivationTest, SlotsOutsideTheTenAreNeverTouched) {
  data_.NameKanji = "kept";
  CRegRead::GetPrivateData(&main_, 10, &data_);
  CRegRead::GetPrivateData(&main_, -1, &data_);
  CRegRead::SetPrivateData(&main_, 10, &data_);
  EXPECT_EQ(data_.NameKanji, "kept");
}

}  // namespace
}  // namespace kakikomi
