// Registers the quick-input host with the browsers: one native messaging
// host manifest per browser whose per-user folder exists, naming the
// installed host by its absolute path and letting only this extension
// start it. Unregistering removes the manifests again.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace kakikomi::bridge {

// A browser and its per-user folder below the configuration home.
struct BrowserFolder {
  const char* browser;
  const char* folder;
};

// The Chromium-family browsers whose manifests we write.
extern const std::vector<BrowserFolder> kBrowserFolders;

class NativeHostInstaller {
 public:
  struct Outcome {
    std::string browser;
    std::string manifest_path;
    bool done = false;
  };

  // `config_home` is where the browsers keep their per-user folders
  // ($XDG_CONFIG_HOME, by default ~/.config).
  explicit NativeHostInstaller(std::string config_home) : config_home_(std::move(config_home)) {}
  static std::string DefaultConfigHome();

  // The manifest for the host at `host_path` (absolute).
  static nlohmann::json Manifest(const std::string& host_path);

  // Writes the manifest into every browser folder that exists; browsers that
  // are not installed get nothing. `host_path` must be absolute.
  std::vector<Outcome> Register(const std::string& host_path) const;
  // Removes the manifest wherever it is; other files stay.
  std::vector<Outcome> Unregister() const;

 private:
  std::string config_home_;
};

}  // namespace kakikomi::bridge
