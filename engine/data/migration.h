// Bringing data written by older versions up to the current format, run by
// GetRegData after loading and deriving.
#pragma once

#include <array>
#include <string>

#include "engine/data/reg_read.h"

namespace kakikomi {

// What the load found, so a migration moves exactly the files it read.
struct LoadedFiles {
  std::string folder;                      // where the data files were read
  std::array<bool, kUserSlots> profile{};  // reg_(n+1).dat had content
  bool clipboard = false;                  // reg_data.dat had content
};

void RunMigrations(CMainData* main, CData* data, RegLoad mode, const LoadedFiles& loaded);

}  // namespace kakikomi
