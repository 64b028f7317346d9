#include "tools/cli_host.h"

#include <cstdio>

#include "engine/base/sjis_text.h"

namespace kakikomi::cli {
namespace {

// One line per message, whatever the dialog text looked like.
std::string OneLine(const std::string& text) { return ReplaceAll(text, "\n", " "); }

}  // namespace

void CliHost::ShowMessage(const std::string& text) {
  std::fprintf(stderr, "kakikomi: %s\n", OneLine(text).c_str());
}

bool CliHost::AskYesNo(const std::string& text) {
  if (!yes_) declined_ = true;
  std::fprintf(stderr, "kakikomi: %s %s\n", OneLine(text).c_str(),
               yes_ ? "(yes: --yes)" : "(no: pass --yes to confirm)");
  return yes_;
}

}  // namespace kakikomi::cli
