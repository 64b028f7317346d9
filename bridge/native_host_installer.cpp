#include "bridge/native_host_installer.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "bridge/bridge_shared.h"

namespace kakikomi::bridge {
namespace {

namespace fs = std::filesystem;

constexpr char kHostsFolder[] = "NativeMessagingHosts";

fs::path ManifestPath(const fs::path& browser_folder) {
  return browser_folder / kHostsFolder / (std::string(kQuickInputHost) + ".json");
}

// Written beside the target and renamed over it, so that a browser starting
// at the same moment never reads half a manifest.
bool WriteWhole(const fs::path& path, const std::string& text) {
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  if (error) return false;
  const fs::path temporary = path.string() + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      fs::remove(temporary, error);
      return false;
    }
  }
  fs::rename(temporary, path, error);
  if (error) {
    fs::remove(temporary, error);
    return false;
  }
  return true;
}

}  // namespace

const std::vector<BrowserFolder> kBrowserFolders = {
    {"Chromium", "chromium"},
    {"Google Chrome", "google-chrome"},
    {"Google Chrome Beta", "google-chrome-beta"},
    {"Google Chrome Dev", "google-chrome-unstable"},
    {"Brave", "BraveSoftware/Brave-Browser"},
    {"Microsoft Edge", "microsoft-edge"},
    {"Microsoft Edge Beta", "microsoft-edge-beta"},
    {"Vivaldi", "vivaldi"},
};

std::string NativeHostInstaller::DefaultConfigHome() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') return xdg;
  if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.config";
  return {};
}

nlohmann::json NativeHostInstaller::Manifest(const std::string& host_path) {
  return {
      {"name", kQuickInputHost},
      {"description", "応募手帖クイック入力"},
      {"path", host_path},
      {"type", "stdio"},
      {"allowed_origins", {std::string("chrome-extension://") + kExtensionId + "/"}},
  };
}

std::vector<NativeHostInstaller::Outcome> NativeHostInstaller::Register(
    const std::string& host_path) const {
  std::vector<Outcome> outcomes;
  if (config_home_.empty() || !fs::path(host_path).is_absolute()) return outcomes;
  const std::string text = Manifest(host_path).dump(2) + "\n";
  for (const BrowserFolder& browser : kBrowserFolders) {
    const fs::path folder = fs::path(config_home_) / browser.folder;
    std::error_code error;
    if (!fs::is_directory(folder, error)) continue;
    const fs::path path = ManifestPath(folder);
    outcomes.push_back({browser.browser, path.string(), WriteWhole(path, text)});
  }
  return outcomes;
}

std::vector<NativeHostInstaller::Outcome> NativeHostInstaller::Unregister() const {
  std::vector<Outcome> outcomes;
  if (config_home_.empty()) return outcomes;
  for (const BrowserFolder& browser : kBrowserFolders) {
    const fs::path path = ManifestPath(fs::path(config_home_) / browser.folder);
    std::error_code error;
    if (!fs::exists(path, error)) continue;
    const bool removed = fs::remove(path, error) && !error;
    outcomes.push_back({browser.browser, path.string(), removed});
  }
  return outcomes;
}

}  // namespace kakikomi::bridge
