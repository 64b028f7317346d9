// kakikomi: the command-line front of the engine. Each subcommand lives in
// its own file and registers itself in the table below.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(const std::vector<std::string>& args);
  const char* usage;
};

const Command kCommands[] = {
    {"dump", kakikomi::cli::RunDump, "dump PAGE.html"},
    {"fill", kakikomi::cli::RunFill,
     "fill PAGE.html [--profile FILE.json | --home DIR --user N] [--today YYYY-MM-DD] [--html "
     "OUT]"},
    {"show", kakikomi::cli::RunShow, "show [--user N] [--home DIR]"},
    {"backup", kakikomi::cli::RunBackup, "backup export FILE | import FILE [--yes] [--home DIR]"},
    {"browser", kakikomi::cli::RunBrowser, "browser register [--host PATH] | unregister"},
};

void PrintUsage() {
  std::fprintf(stderr, "usage: kakikomi COMMAND [options]\n");
  for (const Command& command : kCommands) std::fprintf(stderr, "  kakikomi %s\n", command.usage);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintUsage();
    return 2;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  for (const Command& command : kCommands)
    if (std::strcmp(argv[1], command.name) == 0) return command.run(args);
  std::fprintf(stderr, "kakikomi: unknown command '%s'\n", argv[1]);
  PrintUsage();
  return 2;
}
