#include "bridge/bridge_log.h"

#include <cstdio>
#include <string>

namespace kakikomi::bridge {
namespace {

std::string& LogName() {
  static std::string name = "hakobune-bridge";
  return name;
}

}  // namespace

void SetLogName(std::string_view name) { LogName() = std::string(name); }

void LogReason(std::string_view reason) {
  std::fprintf(stderr, "%s: %.*s\n", LogName().c_str(), static_cast<int>(reason.size()),
               reason.data());
}

}  // namespace kakikomi::bridge
