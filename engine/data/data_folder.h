// Names and steps shared by the loader, the migrations and the savers.
#pragma once

#include <string>

namespace kakikomi {

constexpr const char* kClipBoardFileName = "reg_data.dat";

// "reg_" + (slot + 1) + ".dat".
std::string ProfileFileName(int slot);
// Removes the profile files of slots from ... to - 1 in `folder`, skipping
// files that are not there.
void DeleteProfileFiles(const std::string& folder, int from, int to);

}  // namespace kakikomi
