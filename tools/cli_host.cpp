#include "tools/cli_host.h"

#include <cstdio>

namespace kakikomi::cli {
namespace {

// One line per message, whatever the dialog text looked like. The texts are
// UTF-8, whose bytes never contain a line feed except as a line feed.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n') c = ' ';
  return text;
}

}  // namespace

void CliHost::ShowMessage(const std::string& text) {
  std::fprintf(stderr, "kakikomi: %s\n", OneLine(text).c_str());
}

bool CliHost::AskYesNo(const std::string& text) {
  // Without --yes the command itself says what was not done, in one line.
  if (!yes_) {
    declined_ = true;
    return false;
  }
  std::fprintf(stderr, "kakikomi: %s (yes: --yes)\n", OneLine(text).c_str());
  return true;
}

}  // namespace kakikomi::cli
