#include "engine/data/storage_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <vector>

namespace kakikomi {
namespace {

std::mutex home_mutex;
std::string home_override;
std::string program_folder_override;

std::string WithSlash(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

// $HOME, else the account's home folder.
std::string UserHome() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  std::vector<char> buffer(16384);
  passwd entry;
  passwd* found = nullptr;
  if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_dir)
    return found->pw_dir;
  return ".";
}

// An XDG base folder: the variable when it holds an absolute path (as the
// XDG rules require), else its default under the home folder.
std::string EnvOr(const char* name, const char* home_relative) {
  const char* value = std::getenv(name);
  if (value && *value == '/') return WithSlash(value);
  return WithSlash(UserHome() + "/" + home_relative);
}

}  // namespace

void SetHakobuneHome(const std::string& dir) {
  std::lock_guard<std::mutex> lock(home_mutex);
  home_override = dir;
}

std::string HakobuneHome() {
  {
    std::lock_guard<std::mutex> lock(home_mutex);
    if (!home_override.empty()) return home_override;
  }
  const char* env = std::getenv("HAKOBUNE_HOME");
  return env ? env : "";
}

void SetProgramFolder(const std::string& dir) {
  std::lock_guard<std::mutex> lock(home_mutex);
  program_folder_override = dir.empty() ? dir : WithSlash(dir);
}

std::string ProgramFolderOverride() {
  std::lock_guard<std::mutex> lock(home_mutex);
  return program_folder_override;
}

std::string AppDataRoot() {
  const std::string home = HakobuneHome();
  if (!home.empty()) return WithSlash(home);
  return EnvOr("XDG_DATA_HOME", ".local/share");
}

std::string DataFolder() { return AppDataRoot() + "HOSHIZORA/Kazaguruma/"; }

std::string RegistryFilePath() {
  const std::string home = HakobuneHome();
  const std::string root = home.empty() ? EnvOr("XDG_CONFIG_HOME", ".config") : WithSlash(home);
  return root + "HOSHIZORA/Hakobune2.0/registry.json";
}

}  // namespace kakikomi
