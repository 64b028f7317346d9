#include "engine/data/stored_profile.h"

#include "engine/core/form_input_eng.h"
#include "engine/data/storage_paths.h"

namespace kakikomi {

bool LoadStoredProfile(const std::string& home, int user, CMainData* main, CData* data,
                       std::string* error, RegLoad mode) {
  if (!home.empty()) SetHakobuneHome(home);
  CFormInputEng::ReadData(data);
  CRegRead::GetRegData(main, data, mode);
  if (main->UserNumber < 0) {
    if (error) *error = "no stored profile in " + AppDataRoot() + "HOSHIZORA/Kazaguruma/";
    return false;
  }
  if (user < 0) user = main->UserNum;
  if (user > main->UserNumber) {
    if (error)
      *error = "no stored profile " + std::to_string(user) + " (profiles 0-" +
               std::to_string(main->UserNumber) + ")";
    return false;
  }
  main->UserNum = static_cast<uint8_t>(user);
  CRegRead::SetPrivateData(main, static_cast<int8_t>(user), data);
  return true;
}

}  // namespace kakikomi
