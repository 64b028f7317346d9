// CRegWrite: saving settings, profiles, clipboard texts and backups. Every
// file is replaced atomically, and every saver reports failure so that the
// program can tell the user instead of losing changes silently.
#pragma once

#include <string>

#include "engine/core/cdata.h"
#include "engine/data/main_data.h"

namespace kakikomi {

class CRegWrite {
 public:
  // Saves what the change flags name: profile files, surplus files removed,
  // settings, clipboard texts. False when any of it could not be written.
  static bool SetRegData(CMainData* main, CData* data);
  // Writes UserNumber and the "UserName" + n of each profile; removes the
  // names beyond the last profile.
  static bool SetQuickData(CMainData* main);
  // Stamps the version of the stored data.
  static bool SetAppVer(const std::string& version);
  // Removes reg_(i+1).dat for i = from ... to - 1 from the data folder;
  // missing files are skipped.
  static void DelUserInfoFile(int from, int to);
  // Encrypts `content` into `path`, replacing the old file only once the
  // new one is complete.
  static bool Write(const std::string& path, const std::string& content);

  // Asks for a file through the host and writes the backup there.
  static bool Backup(CMainData* main);
  static bool BackupWrite(CMainData* main, const std::string& path);
};

}  // namespace kakikomi
