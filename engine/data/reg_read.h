// CRegRead: loading what the user stored (settings, profiles, clipboard
// texts, backups), deriving the fill values of each profile, and the small
// value conversions those derivations use.
#pragma once

#include <cstdint>
#include <string>

#include "engine/core/cdata.h"
#include "engine/data/main_data.h"

namespace kakikomi {

// How GetRegData may touch the stores while it loads.
enum class RegLoad {
  kMigrate,   // the main program: migrations write their results
  kReadOnly,  // the quick-input program and previews: never writes or deletes
};

class CRegRead {
 public:
  // Fills `main` from the settings file and the data files, migrates data of
  // older versions, derives every stored profile and copies the settings and
  // the selected profile into `data`, whose dictionary must already be read.
  static void GetRegData(CMainData* main, CData* data, RegLoad mode = RegLoad::kMigrate);

  // Derives the private block of slot `user` from its stored profile. `data`
  // only supplies the dictionary.
  static void GetPrivateData(CMainData* main, int8_t user, CData* data);
  // Copies the derived block of slot `user` into `data`.
  static void SetPrivateData(CMainData* main, int8_t user, CData* data);
  // Copies Setting1-Setting5 and SetInputBirth into `data`'s format bytes.
  static void SetSetting(CMainData* main, CData* data);

  // The folder of the running executable, ending in "/".
  static std::string GetAppPath();
  // The per-user application-data root, ending in "/" (HAKOBUNE_HOME when set).
  static std::string GetAppDataPath();
  // There is no Internet Explorer here.
  static int GetIEVersion() { return -1; }

  // The decrypted content of a data file; empty when it is missing or
  // cannot be read.
  static std::string Read(const std::string& path);

  // Asks for a backup file through the host and loads it; on success saves
  // it, tells the user the program restarts and returns true.
  static bool Backup(CMainData* main, CData* data);
  // Loads a backup file into `main` (all or nothing) and derives it.
  static bool BackupRead(CMainData* main, CData* data, const std::string& path);

  // Value conversions. Texts are CP932.
  static std::string ChangeHiraganaKatakana(const std::string& text);
  static std::string ChangeRomajiString(const std::string& text);
  static std::string ChangeNumberHankakuString(int n);
  static std::string ChangeNumberZenkakuString(int n);
  static int YourAge(int year, int month, int day);
  static int8_t Seiza(int month, int day);
  static std::string GetToDouHuKen(int index, const CData* data);
};

}  // namespace kakikomi
