#include "engine/data/profile_json.h"

#include <climits>
#include <cstdint>
#include <nlohmann/json.hpp>

#include "engine/base/sjis_text.h"

namespace kakikomi {
namespace {

// The settings a profile file may carry, with their highest value.
struct SettingItem {
  const char* name;
  uint8_t CMainData::*member;
  int highest;
};
constexpr SettingItem kSettings[] = {
    {"Setting2", &CMainData::Setting2, 1},
    {"Setting3", &CMainData::Setting3, 1},
    {"SetInputBirth", &CMainData::SetInputBirth, 6},
};

bool Fail(std::string* error, const std::string& text) {
  if (error) *error = text;
  return false;
}

// A JSON integer (or true/false) within [low, high].
bool IntegerIn(const nlohmann::json& value, int64_t low, int64_t high, int64_t* out) {
  if (value.is_boolean()) {
    *out = value.get<bool>() ? 1 : 0;
  } else if (value.is_number_integer()) {
    if (value.is_number_unsigned() && value.get<uint64_t>() > static_cast<uint64_t>(INT64_MAX))
      return false;
    *out = value.get<int64_t>();
  } else {
    return false;
  }
  return *out >= low && *out <= high;
}

// A four-digit year becomes the position in the add dialog's year list.
int BirthYearPosition(int64_t value) {
  if (value < 1000) return static_cast<int>(value);
  return static_cast<int>(value < 1970 ? value - 1899 : value - 1898);
}

}  // namespace

bool ReadProfileJson(const std::string& utf8_json, CMainData* main, std::string* error) {
  const nlohmann::json root = nlohmann::json::parse(utf8_json, nullptr, false);
  if (root.is_discarded()) return Fail(error, "profile: not valid JSON");
  if (!root.is_object()) return Fail(error, "profile: expected a JSON object of profile items");

  UserProfile profile;
  CMainData settings_only;  // collects the settings before they are taken over
  bool setting_given[std::size(kSettings)] = {};
  for (const auto& [key, value] : root.items()) {
    bool known = false;
    for (const ProfileTextItem& item : kProfileTexts) {
      if (key != item.name) continue;
      if (!value.is_string()) return Fail(error, "profile: '" + key + "' must be a text");
      profile.*item.member = Utf8ToSjis(value.get<std::string>());
      known = true;
    }
    for (const ProfileNumberItem& item : kProfileNumbers) {
      if (key != item.name) continue;
      int64_t number = 0;
      if (!IntegerIn(value, INT_MIN, INT_MAX, &number))
        return Fail(error, "profile: '" + key + "' must be a whole number");
      profile.*item.member =
          key == "BirthYear" ? BirthYearPosition(number) : static_cast<int>(number);
      known = true;
    }
    for (size_t i = 0; i < std::size(kSettings); ++i) {
      if (key != kSettings[i].name) continue;
      int64_t number = 0;
      if (!IntegerIn(value, 0, kSettings[i].highest, &number))
        return Fail(error, "profile: '" + key + "' must be a number from 0 to " +
                               std::to_string(kSettings[i].highest));
      settings_only.*kSettings[i].member = static_cast<uint8_t>(number);
      setting_given[i] = true;
      known = true;
    }
    if (!known) return Fail(error, "profile: unknown key '" + key + "'");
  }

  main->User[0] = profile;
  main->UserNumber = 0;
  main->UserNum = 0;
  for (size_t i = 0; i < std::size(kSettings); ++i)
    if (setting_given[i]) main->*kSettings[i].member = settings_only.*kSettings[i].member;
  return true;
}

}  // namespace kakikomi
