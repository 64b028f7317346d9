// The backup file: one encrypted text of 526 lines holding every profile,
// the clipboard palette and the main settings.
#pragma once

#include <string>

namespace kakikomi {

// The path a backup is written to for the path the user chose: every ".dat"
// is taken out of the file name (never out of the folders) and ".dat" is
// appended, so "backup.dat.txt" becomes "backup.txt.dat".
std::string BackupPathFor(const std::string& chosen);

}  // namespace kakikomi
