#include "engine/data/main_data.h"

#include "engine/base/sjis_text.h"

namespace kakikomi {

const std::array<ProfileTextItem, kProfileTextCount> kProfileTexts = {{
    {"SeiKanji", &UserProfile::SeiKanji},
    {"MeiKanji", &UserProfile::MeiKanji},
    {"SeiKana", &UserProfile::SeiKana},
    {"MeiKana", &UserProfile::MeiKana},
    {"SeiRomaji", &UserProfile::SeiRomaji},
    {"MeiRomaji", &UserProfile::MeiRomaji},
    {"NickName", &UserProfile::NickName},
    {"MailAccount", &UserProfile::MailAccount},
    {"MailDomain", &UserProfile::MailDomain},
    {"MobileMailAccount", &UserProfile::MobileMailAccount},
    {"ZipUpper", &UserProfile::ZipUpper},
    {"ZipLower", &UserProfile::ZipLower},
    {"ShiKuGun", &UserProfile::ShiKuGun},
    {"ChouSon", &UserProfile::ChouSon},
    {"BanChi", &UserProfile::BanChi},
    {"Building", &UserProfile::Building},
    {"Tel1", &UserProfile::Tel1},
    {"Tel2", &UserProfile::Tel2},
    {"Tel3", &UserProfile::Tel3},
    {"Fax1", &UserProfile::Fax1},
    {"Fax2", &UserProfile::Fax2},
    {"Fax3", &UserProfile::Fax3},
    {"Mobile1", &UserProfile::Mobile1},
    {"Mobile2", &UserProfile::Mobile2},
    {"Mobile3", &UserProfile::Mobile3},
    {"LoginId", &UserProfile::LoginId},
    {"LoginPassword", &UserProfile::LoginPassword},
    {"MobileMailDomain", &UserProfile::MobileMailDomain},
}};

const std::array<ProfileNumberItem, kProfileNumberCount> kProfileNumbers = {{
    {"MobileDomain", &UserProfile::MobileDomain},
    {"Sex", &UserProfile::Sex},
    {"BirthYear", &UserProfile::BirthYear},
    {"BirthMonth", &UserProfile::BirthMonth},
    {"BirthDay", &UserProfile::BirthDay},
    {"Marriage", &UserProfile::Marriage},
    {"BloodType", &UserProfile::BloodType},
    {"Job", &UserProfile::Job},
    {"Industry", &UserProfile::Industry},
    {"JobType", &UserProfile::JobType},
    {"ToDouHuKen", &UserProfile::ToDouHuKen},
    {"DaytimeContact", &UserProfile::DaytimeContact},
}};

CMainData::CMainData() {
  for (int g = 0; g < kClipBoardGroups; ++g)
    ClipBoardName[g] = Sjis("未定義 No.") + std::to_string(g + 1);
}

}  // namespace kakikomi
