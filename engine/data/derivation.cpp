// Deriving a profile's fill values: every form of every value a page may ask
// for, computed once per profile and copied into CData for the fillers.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

#include "engine/base/sjis_text.h"
#include "engine/data/reg_read.h"

namespace kakikomi {
namespace {

// Japanese eras by their last day (yyyymmdd) and the year before their first
// year; indices follow the dictionary's EraNames.
struct EraSpan {
  int64_t last_day;
  int year_offset;
};
constexpr EraSpan kEras[] = {
    {19120729, 1867},   // 明治
    {19261224, 1911},   // 大正
    {19890107, 1925},   // 昭和
    {20190430, 1988},   // 平成
    {INT64_MAX, 2018},  // 令和
};

// The birth-date text formats by SetInputBirth; an unknown value uses the first.
struct BirthFormat {
  const char* separators[3];  // after the year, after the month, after the day
  bool padded;                // month and day with a leading zero below 10
};
constexpr BirthFormat kBirthFormats[] = {
    {{"/", "/", ""}, true},  {{"/", "/", ""}, false}, {{"-", "-", ""}, true},
    {{"-", "-", ""}, false}, {{"", "", ""}, true},    {{"年", "月", "日"}, false},
    {{".", ".", ""}, true},
};

const char* const kNoWord = "****";

int Saturate(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX)); }

// A list position minus one, or -1 when the stored number lies outside the
// list (or names its "その他" entry `other`), so no table is read past its end.
int ListIndex(int stored, int highest, int other = -1) {
  if (stored < 0 || stored > highest || stored == other) return -1;
  return stored - 1;
}

std::string Word(const WordTable& table, int index) {
  if (index < 0 || index > table.last || static_cast<size_t>(index) >= table.size()) return kNoWord;
  return table[index];
}

std::string Padded(int n, const std::string& text) { return n < 10 ? "0" + text : text; }

}  // namespace

void CRegRead::GetPrivateData(CMainData* main, int8_t user, CData* data) {
  if (user < 0 || user >= kUserSlots) return;
  const UserProfile& u = main->User[user];
  PrivateData& p = main->Private[user];
  const std::string space = Sjis("　");

  p.SexIndex = ListIndex(u.Sex, 2);
  p.Year = Saturate(int64_t{u.BirthYear} + (u.BirthYear < 71 ? 1899 : 1898));
  p.Month = u.BirthMonth;
  p.Day = u.BirthDay;
  const int64_t date = int64_t{p.Year} * 10000 + int64_t{p.Month} * 100 + p.Day;
  for (size_t era = 0; era < std::size(kEras); ++era) {
    if (date <= kEras[era].last_day) {
      p.Era = static_cast<int>(era);
      p.EraYear = Saturate(int64_t{p.Year} - kEras[era].year_offset);
      break;
    }
  }
  p.Age = YourAge(p.Year, p.Month, p.Day);
  p.JobIndex = ListIndex(u.Job, 12, 12);
  p.MarriageIndex = ListIndex(u.Marriage, 2);
  p.BloodTypeIndex = ListIndex(u.BloodType, 4);
  p.SeizaIndex = Seiza(p.Month, p.Day);
  p.IndustryIndex = ListIndex(u.Industry, 19, 19);
  p.JobTypeIndex = ListIndex(u.JobType, 12, 12);
  p.FixedZero = 0;
  p.ToDouHuKenIndex = ListIndex(u.ToDouHuKen, 47);
  p.MobileDomainIndex = Saturate(int64_t{u.MobileDomain} - 1);
  p.FixedMinusOne = -1;
  p.DaytimeContactIndex = u.DaytimeContact;

  p.MailAccount = u.MailAccount;
  p.MailDomain = u.MailDomain;
  p.MobileMailAccount = u.MobileMailAccount;
  p.SeiKanji = u.SeiKanji;
  p.MeiKanji = u.MeiKanji;
  p.SeiKana = u.SeiKana;
  p.MeiKana = u.MeiKana;
  p.SeiKatakana = ChangeHiraganaKatakana(u.SeiKana);
  p.MeiKatakana = ChangeHiraganaKatakana(u.MeiKana);
  p.SeiRomaji = u.SeiRomaji;
  p.MeiRomaji = u.MeiRomaji;
  p.ZipUpper = u.ZipUpper;
  p.ZipLower = u.ZipLower;
  p.ShiKuGun = u.ShiKuGun;
  p.ChouSon = u.ChouSon;
  p.BanChi = u.BanChi;
  p.Building = u.Building;
  p.Tel1 = u.Tel1;
  p.Tel2 = u.Tel2;
  p.Tel3 = u.Tel3;
  p.Fax1 = u.Fax1;
  p.Fax2 = u.Fax2;
  p.Fax3 = u.Fax3;
  p.Mobile1 = u.Mobile1;
  p.Mobile2 = u.Mobile2;
  p.Mobile3 = u.Mobile3;
  p.NickName = u.NickName;
  p.ToDouHuKenName = GetToDouHuKen(p.ToDouHuKenIndex, data);
  p.LoginId = u.LoginId;
  p.LoginPassword = u.LoginPassword;

  p.YearHankaku = ChangeNumberHankakuString(p.Year);
  p.YearZenkaku = ChangeNumberZenkakuString(p.Year);
  p.EraYearHankaku = ChangeNumberHankakuString(p.EraYear);
  p.EraYearZenkaku = ChangeNumberZenkakuString(p.EraYear);
  p.MonthHankaku = ChangeNumberHankakuString(p.Month);
  p.MonthZenkaku = ChangeNumberZenkakuString(p.Month);
  p.DayHankaku = ChangeNumberHankakuString(p.Day);
  p.DayZenkaku = ChangeNumberZenkakuString(p.Day);
  p.AgeHankaku = ChangeNumberHankakuString(p.Age);
  p.AgeZenkaku = ChangeNumberZenkakuString(p.Age);

  p.MobileMailDomain = u.MobileMailDomain;
  p.Address = p.ToDouHuKenName + u.ShiKuGun + u.ChouSon + u.BanChi + space + u.Building;
  p.AddressLocal = u.ShiKuGun + u.ChouSon + u.BanChi;

  const size_t format_index =
      main->SetInputBirth < std::size(kBirthFormats) ? main->SetInputBirth : 0;
  const BirthFormat& format = kBirthFormats[format_index];
  const std::string month = format.padded ? Padded(p.Month, p.MonthHankaku) : p.MonthHankaku;
  const std::string day = format.padded ? Padded(p.Day, p.DayHankaku) : p.DayHankaku;
  p.BirthDate = p.YearHankaku + Sjis(format.separators[0]) + month + Sjis(format.separators[1]) +
                day + Sjis(format.separators[2]);

  p.MailAddress = u.MailAccount + "@" + u.MailDomain;
  p.MobileMailAddress = u.MobileMailAccount + "@" + u.MobileMailDomain;
  p.NameKanji = u.SeiKanji + space + u.MeiKanji;
  p.NameKana = u.SeiKana + space + u.MeiKana;
  p.NameKatakana = p.SeiKatakana + space + p.MeiKatakana;
  p.NameRomaji = u.SeiRomaji + space + u.MeiRomaji;
  p.TelPlain = u.Tel1 + u.Tel2 + u.Tel3;
  p.TelHyphen = u.Tel1 + "-" + u.Tel2 + "-" + u.Tel3;
  p.FaxPlain = u.Fax1 + u.Fax2 + u.Fax3;
  p.FaxHyphen = u.Fax1 + "-" + u.Fax2 + "-" + u.Fax3;
  p.MobilePlain = u.Mobile1 + u.Mobile2 + u.Mobile3;
  p.MobileHyphen = u.Mobile1 + "-" + u.Mobile2 + "-" + u.Mobile3;
  p.ZipPlain = u.ZipUpper + u.ZipLower;
  p.ZipHyphen = u.ZipUpper + "-" + u.ZipLower;

  p.JobWord = Word(data->JobNames, p.JobIndex);
  p.JobWord2 = Word(data->JobAltNames, p.JobIndex);
  p.IndustryWord = Word(data->IndustryNames, p.IndustryIndex);
  p.IndustryWord2 = Word(data->IndustryAltNames, p.IndustryIndex);
  p.JobTypeWord = Word(data->JobTypeNames, p.JobTypeIndex);
  p.JobTypeWord2 = Word(data->JobTypeAltNames, p.JobTypeIndex);
}

void CRegRead::SetPrivateData(CMainData* main, int8_t user, CData* data) {
  if (user < 0 || user >= kUserSlots) return;
  static_cast<PrivateData&>(*data) = main->Private[user];
}

void CRegRead::SetSetting(CMainData* main, CData* data) {
  data->WarningSound = static_cast<int8_t>(main->Setting1);
  data->ZipNoHyphen = static_cast<int8_t>(main->Setting2);
  data->TelNoHyphen = static_cast<int8_t>(main->Setting3);
  data->RememberPosition = static_cast<int8_t>(main->Setting4);
  data->QuickInput = static_cast<int8_t>(main->Setting5);
  data->BirthFormat = static_cast<int8_t>(main->SetInputBirth);
}

}  // namespace kakikomi
