#include "engine/data/private_data_fields.h"

namespace kakikomi {

#define NUMBER(name) \
  PrivateNumberField { #name, &PrivateData::name }
#define TEXT(name) \
  PrivateTextField { #name, &PrivateData::name }

const std::array<PrivateNumberField, 18> kPrivateNumbers = {
    NUMBER(SexIndex),
    NUMBER(Year),
    NUMBER(EraYear),
    NUMBER(Month),
    NUMBER(Day),
    NUMBER(Era),
    NUMBER(Age),
    NUMBER(JobIndex),
    NUMBER(MarriageIndex),
    NUMBER(BloodTypeIndex),
    NUMBER(SeizaIndex),
    NUMBER(IndustryIndex),
    NUMBER(JobTypeIndex),
    NUMBER(FixedZero),
    NUMBER(ToDouHuKenIndex),
    NUMBER(MobileDomainIndex),
    NUMBER(FixedMinusOne),
    NUMBER(DaytimeContactIndex),
};

const std::array<PrivateTextField, 30> kPrivateTextsA = {
    TEXT(MailAccount),    TEXT(MailDomain),  TEXT(MobileMailAccount),
    TEXT(SeiKanji),       TEXT(MeiKanji),    TEXT(SeiKana),
    TEXT(MeiKana),        TEXT(SeiKatakana), TEXT(MeiKatakana),
    TEXT(SeiRomaji),      TEXT(MeiRomaji),   TEXT(ZipUpper),
    TEXT(ZipLower),       TEXT(ShiKuGun),    TEXT(ChouSon),
    TEXT(BanChi),         TEXT(Building),    TEXT(Tel1),
    TEXT(Tel2),           TEXT(Tel3),        TEXT(Fax1),
    TEXT(Fax2),           TEXT(Fax3),        TEXT(Mobile1),
    TEXT(Mobile2),        TEXT(Mobile3),     TEXT(NickName),
    TEXT(ToDouHuKenName), TEXT(LoginId),     TEXT(LoginPassword),
};

const std::array<PrivateTextField, 34> kPrivateTextsB = {
    TEXT(YearHankaku),       TEXT(YearZenkaku),   TEXT(EraYearHankaku), TEXT(EraYearZenkaku),
    TEXT(MonthHankaku),      TEXT(MonthZenkaku),  TEXT(DayHankaku),     TEXT(DayZenkaku),
    TEXT(AgeHankaku),        TEXT(AgeZenkaku),    TEXT(JobWord),        TEXT(JobWord2),
    TEXT(IndustryWord),      TEXT(IndustryWord2), TEXT(JobTypeWord),    TEXT(JobTypeWord2),
    TEXT(MobileMailDomain),  TEXT(Address),       TEXT(BirthDate),      TEXT(MailAddress),
    TEXT(MobileMailAddress), TEXT(NameKanji),     TEXT(NameKana),       TEXT(NameKatakana),
    TEXT(NameRomaji),        TEXT(TelPlain),      TEXT(TelHyphen),      TEXT(FaxPlain),
    TEXT(FaxHyphen),         TEXT(MobilePlain),   TEXT(MobileHyphen),   TEXT(ZipPlain),
    TEXT(ZipHyphen),         TEXT(AddressLocal),
};

#undef NUMBER
#undef TEXT

}  // namespace kakikomi
