// kakikomi backup export FILE / import FILE [--yes]: the desktop program's
// backup file, written and loaded through the same engine steps.
#include <cstdio>

#include "engine/core/form_input_eng.h"
#include "engine/data/backup.h"
#include "engine/data/reg_write.h"
#include "engine/data/safe_file.h"
#include "engine/data/storage_paths.h"
#include "engine/data/stored_profile.h"
#include "tools/cli_host.h"
#include "tools/commands.h"

namespace kakikomi::cli {
namespace {

int Fail(const std::string& text) {
  std::fprintf(stderr, "kakikomi backup: %s\n", text.c_str());
  return 1;
}

int Usage() {
  std::fprintf(stderr, "kakikomi backup: usage: backup export FILE | import FILE [--yes]\n");
  return 2;
}

int Export(const std::string& file, const std::string& home) {
  CMainData main;
  CData data;
  std::string error;
  if (!LoadStoredProfile(home, -1, &main, &data, &error)) return Fail(error);
  CliHost host(file, false);
  ScopedHost scoped(&host);
  if (!CRegWrite::Backup(&main)) return 1;  // the engine said why
  std::printf("backup written to %s\n", BackupPathFor(file).c_str());
  return 0;
}

int Import(const std::string& file, const std::string& home, bool yes) {
  if (!FileExists(file)) return Fail("cannot read " + file);
  if (!home.empty()) SetHakobuneHome(home);
  CMainData main;
  CData data;
  CFormInputEng::ReadData(&data);
  // Loaded read-only: nothing is written unless the import succeeds. The
  // import replaces every profile, so it is saved straight into the data
  // folder whatever an older layout said.
  CRegRead::GetRegData(&main, &data, RegLoad::kReadOnly);
  main.DataPath = DataFolder();

  CliHost host(file, yes);
  ScopedHost scoped(&host);
  if (!CRegRead::Backup(&main, &data)) {
    if (host.declined()) return Fail("import cancelled: pass --yes to replace the stored data");
    return 1;  // the engine said why
  }
  // The stores now hold data of the current format; the desktop program
  // stamps this at its own start-up.
  if (!CRegWrite::SetAppVer("251")) return Fail("could not write the settings file");
  std::printf("imported %d profiles from %s\n", main.UserNumber + 1, file.c_str());
  return 0;
}

}  // namespace

int RunBackup(const std::vector<std::string>& args) {
  if (args.empty() || (args[0] != "export" && args[0] != "import")) return Usage();
  std::string file, home;
  bool yes = false;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--home" && i + 1 < args.size()) {
      home = args[++i];
    } else if (args[i] == "--yes" && args[0] == "import") {
      yes = true;
    } else if (file.empty() && !args[i].empty() && args[i][0] != '-') {
      file = args[i];
    } else {
      std::fprintf(stderr, "kakikomi backup: unexpected argument '%s'\n", args[i].c_str());
      return 2;
    }
  }
  if (file.empty()) return Usage();
  return args[0] == "export" ? Export(file, home) : Import(file, home, yes);
}

}  // namespace kakikomi::cli
