// The command line's answers to the engine's dialogs: the file chosen is the
// one named on the command line, questions are answered yes only with --yes
// (and silently no without it, for the command to report), and messages go
// to stderr.
#pragma once

#include <string>

#include "engine/base/host.h"

namespace kakikomi::cli {

class CliHost : public Host {
 public:
  CliHost(std::string path, bool yes) : path_(std::move(path)), yes_(yes) {}

  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  std::string ChooseSaveFile(const std::string&) override { return path_; }
  std::string ChooseOpenFile() override { return path_; }

  // True once a question was answered no because --yes was not given.
  bool declined() const { return declined_; }

 private:
  std::string path_;
  bool yes_;
  bool declined_ = false;
};

}  // namespace kakikomi::cli
