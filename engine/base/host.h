// What the engine needs from the program hosting it: message boxes,
// questions and file choices. Each program implements it (Qt dialogs in the
// desktop programs, the terminal in the command line, scripts in tests).
#pragma once

#include <string>

namespace kakikomi {

class Host {
 public:
  virtual ~Host() = default;
  // A modal message titled "応募手帖" with an OK button. Texts are UTF-8.
  virtual void ShowMessage(const std::string& text) = 0;
  // A yes/no question; true for yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // A file to save to or to open; the empty text when the user cancels.
  virtual std::string ChooseSaveFile(const std::string& suggested_name) = 0;
  virtual std::string ChooseOpenFile() = 0;
  // The warning sound played before warnings when sound is on.
  virtual void Beep() {}
};

// The host in use for the process: one that writes messages to stderr and
// answers every question with no, unless a program installed its own.
Host& CurrentHost();

// Installs `host` (not owned); nullptr restores the default. Returns the
// previous one.
Host* InstallHost(Host* host);

class ScopedHost {
 public:
  explicit ScopedHost(Host* host) : previous_(InstallHost(host)) {}
  ~ScopedHost() { InstallHost(previous_); }
  ScopedHost(const ScopedHost&) = delete;
  ScopedHost& operator=(const ScopedHost&) = delete;

 private:
  Host* previous_;
};

}  // namespace kakikomi
