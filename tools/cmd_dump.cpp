#include <cstdio>

#include "tools/commands.h"

namespace kakikomi::cli {

int RunDump(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "kakikomi dump: expected one page file\n");
    return 2;
  }
  std::fprintf(stderr, "kakikomi dump: not built yet\n");
  return 1;
}

}  // namespace kakikomi::cli
