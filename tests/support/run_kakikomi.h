// Runs the freshly built kakikomi command from tests, as a user would.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace kakikomi::test_support {

struct CommandRun {
  int status = -1;  // the exit status; -1 when the command did not exit normally
  std::string out;  // what it printed on stdout (and stderr with `with_errors`)
};

// Wraps `text` in single quotes for the shell.
inline std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// `args` are given as the shell reads them (quote paths with ShellQuote).
inline CommandRun RunKakikomi(const std::string& args, bool with_errors = false) {
  const std::string command =
      ShellQuote(KAKIKOMI_BINARY) + " " + args + (with_errors ? " 2>&1" : " 2>/dev/null");
  CommandRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace kakikomi::test_support
