// The selected profile's values in every derived form the fillers use, and
// the input-format switches. CMainData keeps one PrivateData per profile
// slot; CData carries the selected one.
#pragma once

#include <cstdint>
#include <string>

namespace kakikomi {

struct PrivateData {
  // Numbers, in slot order.
  int SexIndex = -1;  // 0 男, 1 女, -1 not chosen
  int Year = 0;       // birth year, western
  int EraYear = 0;    // year within the era of the birth date
  int Month = 0;      // 1-12, 0 not chosen
  int Day = 0;        // 1-31, 0 not chosen
  int Era = 0;        // index into EraNames
  int Age = 0;        // completed years today
  int JobIndex = -1;
  int MarriageIndex = -1;   // 0 既婚, 1 未婚
  int BloodTypeIndex = -1;  // 0 A, 1 B, 2 O, 3 AB
  int SeizaIndex = -1;      // 0-11
  int IndustryIndex = -1;
  int JobTypeIndex = -1;
  int FixedZero = 0;            // slot 14, always 0
  int ToDouHuKenIndex = -1;     // index into PrefectureNames
  int MobileDomainIndex = -2;   // negative: no mobile mail address
  int FixedMinusOne = -1;       // slot 17, always -1
  int DaytimeContactIndex = 0;  // 0 home phone, 1 mobile phone

  // Texts, group A.
  std::string MailAccount, MailDomain, MobileMailAccount;
  std::string SeiKanji, MeiKanji, SeiKana, MeiKana;
  std::string SeiKatakana, MeiKatakana;
  std::string SeiRomaji, MeiRomaji;
  std::string ZipUpper, ZipLower, ShiKuGun, ChouSon, BanChi, Building;
  std::string Tel1, Tel2, Tel3, Fax1, Fax2, Fax3, Mobile1, Mobile2, Mobile3;
  std::string NickName;
  std::string ToDouHuKenName;
  std::string LoginId, LoginPassword;

  // Texts, group B.
  std::string YearHankaku, YearZenkaku, EraYearHankaku, EraYearZenkaku;
  std::string MonthHankaku, MonthZenkaku, DayHankaku, DayZenkaku;
  std::string AgeHankaku, AgeZenkaku;
  std::string JobWord, JobWord2, IndustryWord, IndustryWord2, JobTypeWord, JobTypeWord2;
  std::string MobileMailDomain;
  std::string Address;
  std::string BirthDate;
  std::string MailAddress, MobileMailAddress;
  std::string NameKanji, NameKana, NameKatakana, NameRomaji;
  std::string TelPlain, TelHyphen, FaxPlain, FaxHyphen, MobilePlain, MobileHyphen;
  std::string ZipPlain, ZipHyphen;
  std::string AddressLocal;
};

// The six input-format bytes copied from the settings.
struct FillSettings {
  int8_t WarningSound = 0;
  int8_t ZipNoHyphen = 0;
  int8_t TelNoHyphen = 0;
  int8_t RememberPosition = 0;
  int8_t QuickInput = 0;
  int8_t BirthFormat = 0;  // 0-6, the format of BirthDate
};

}  // namespace kakikomi
