#include "engine/base/host.h"

#include <atomic>
#include <cstdio>

namespace kakikomi {
namespace {

class StderrHost : public Host {
 public:
  void ShowMessage(const std::string& text) override {
    std::fprintf(stderr, "応募手帖: %s\n", text.c_str());
  }
  bool AskYesNo(const std::string& text) override {
    std::fprintf(stderr, "応募手帖: %s (no)\n", text.c_str());
    return false;
  }
  std::string ChooseSaveFile(const std::string&) override { return {}; }
  std::string ChooseOpenFile() override { return {}; }
};

StderrHost default_host;
std::atomic<Host*> installed_host{nullptr};

}  // namespace

Host& CurrentHost() {
  Host* host = installed_host.load();
  return host ? *host : default_host;
}

Host* InstallHost(Host* host) { return installed_host.exchange(host); }

}  // namespace kakikomi
