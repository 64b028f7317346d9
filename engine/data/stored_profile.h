// Loading the stored profiles for the command line: `kakikomi fill --home DIR
// --user N` and `kakikomi show`.
#pragma once

#include <string>

#include "engine/core/cdata.h"
#include "engine/data/main_data.h"
#include "engine/data/reg_read.h"

namespace kakikomi {

// Reads the dictionary into `data`, loads the stores of `home` (the empty
// text: HAKOBUNE_HOME or the usual per-user folders) with `mode`, and makes
// slot `user` (-1: the stored selection) the one in `data`. False with a
// one-line `error` when there is no such profile. Ages are derived while
// loading, so a fixed date (--today) must be installed before the call.
bool LoadStoredProfile(const std::string& home, int user, CMainData* main, CData* data,
                       std::string* error, RegLoad mode = RegLoad::kReadOnly);

}  // namespace kakikomi
