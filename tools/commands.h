// The kakikomi subcommands. Each returns the process exit status and prints
// one clear line on stderr for any error.
#pragma once

#include <string>
#include <vector>

namespace kakikomi::cli {

int RunDump(const std::vector<std::string>& args);
int RunFill(const std::vector<std::string>& args);
int RunShow(const std::vector<std::string>& args);
int RunBackup(const std::vector<std::string>& args);
int RunBrowser(const std::vector<std::string>& args);

}  // namespace kakikomi::cli
