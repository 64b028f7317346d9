// kakikomi browser register|unregister: lets the browsers start the
// quick-input host, or stops them from doing so.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bridge/native_host_installer.h"
#include "tools/commands.h"

namespace kakikomi::cli {
namespace {

namespace fs = std::filesystem;

// hayate is installed beside this command.
std::string DefaultHostPath() {
  char self[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) return {};
  return (fs::path(std::string(self, length)).parent_path() / "hayate").string();
}

int Register(const std::vector<std::string>& options) {
  std::string host = DefaultHostPath();
  for (size_t i = 0; i < options.size(); ++i) {
    if (options[i] == "--host" && i + 1 < options.size()) {
      host = options[++i];
    } else {
      std::fprintf(stderr, "kakikomi browser register: unknown option '%s'\n", options[i].c_str());
      return 2;
    }
  }
  std::error_code error;
  const fs::path absolute = fs::absolute(host, error);
  if (host.empty() || error || !fs::is_regular_file(absolute, error)) {
    std::fprintf(stderr, "kakikomi browser register: no quick-input program at '%s'\n",
                 host.c_str());
    return 1;
  }
  const bridge::NativeHostInstaller installer(bridge::NativeHostInstaller::DefaultConfigHome());
  const auto outcomes = installer.Register(fs::weakly_canonical(absolute, error).string());
  if (outcomes.empty()) {
    std::fprintf(stderr,
                 "kakikomi browser register: no Chromium, Chrome, Brave or Edge profile found; "
                 "start the browser once first\n");
    return 1;
  }
  int failed = 0;
  for (const auto& outcome : outcomes) {
    std::printf("%s: %s %s\n", outcome.browser.c_str(), outcome.done ? "registered" : "FAILED",
                outcome.manifest_path.c_str());
    failed += outcome.done ? 0 : 1;
  }
  return failed ? 1 : 0;
}

int Unregister(const std::vector<std::string>& options) {
  if (!options.empty()) {
    std::fprintf(stderr, "kakikomi browser unregister: unexpected '%s'\n", options[0].c_str());
    return 2;
  }
  const bridge::NativeHostInstaller installer(bridge::NativeHostInstaller::DefaultConfigHome());
  int failed = 0;
  for (const auto& outcome : installer.Unregister()) {
    std::printf("%s: %s %s\n", outcome.browser.c_str(), outcome.done ? "unregistered" : "FAILED",
                outcome.manifest_path.c_str());
    failed += outcome.done ? 0 : 1;
  }
  return failed ? 1 : 0;
}

}  // namespace

int RunBrowser(const std::vector<std::string>& args) {
  if (!args.empty() && args[0] == "register") return Register({args.begin() + 1, args.end()});
  if (!args.empty() && args[0] == "unregister") return Unregister({args.begin() + 1, args.end()});
  std::fprintf(stderr, "kakikomi browser: expected 'register' or 'unregister'\n");
  return 2;
}

}  // namespace kakikomi::cli
