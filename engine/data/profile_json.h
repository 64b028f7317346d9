// A profile given as JSON, for the command line: an object whose keys are the
// stored profile item names (texts in UTF-8, numbers as the stored list
// positions; BirthYear may also be a four-digit year), with the optional
// settings Setting2, Setting3 and SetInputBirth. For example
//   {"SeiKanji": "山田", "MeiKanji": "花子", "BirthYear": 1990, "BirthMonth": 4}
// The stored profiles (--home, --user) load through stored_profile.h.
#pragma once

#include <string>

#include "engine/data/main_data.h"

namespace kakikomi {

// Fills slot 0 of `main` (UserNumber and UserNum become 0) and the settings
// named. On unknown keys, wrong types or values out of range returns false
// with a one-line `error` and leaves `main` unchanged. The caller then
// derives: GetPrivateData(main, 0, data), SetPrivateData(main, 0, data),
// SetSetting(main, data).
bool ReadProfileJson(const std::string& utf8_json, CMainData* main, std::string* error);

}  // namespace kakikomi
