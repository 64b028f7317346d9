// Reading and writing the encrypted data files, and the program's folders.
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <string>

#include "engine/data/cipher.h"
#include "engine/data/data_folder.h"
#include "engine/data/reg_read.h"
#include "engine/data/reg_write.h"
#include "engine/data/safe_file.h"
#include "engine/data/storage_paths.h"

namespace kakikomi {
namespace {

// A profile file is under 2 KB and a full backup under 100 KB; anything far
// larger is not one of ours.
constexpr size_t kMaxDataFileSize = 4 << 20;

}  // namespace

std::string ProfileFileName(int slot) { return "reg_" + std::to_string(slot + 1) + ".dat"; }

void DeleteProfileFiles(const std::string& folder, int from, int to) {
  for (int i = std::max(from, 0); i < std::min(to, kUserSlots); ++i)
    RemoveFile(folder + ProfileFileName(i));
}

std::string CRegRead::Read(const std::string& path) {
  std::string encrypted;
  if (!ReadSmallFile(path, kMaxDataFileSize, &encrypted)) return {};
  return DecryptDataFile(encrypted);
}

bool CRegWrite::Write(const std::string& path, const std::string& content) {
  return ReplaceFile(path, EncryptDataText(content));
}

void CRegWrite::DelUserInfoFile(int from, int to) { DeleteProfileFiles(DataFolder(), from, to); }

std::string CRegRead::GetAppPath() {
  const std::string folder = ProgramFolderOverride();
  if (!folder.empty()) return folder;
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return "./";
  std::string path(buffer, static_cast<size_t>(n));
  return path.substr(0, path.rfind('/') + 1);
}

std::string CRegRead::GetAppDataPath() { return AppDataRoot(); }

}  // namespace kakikomi
