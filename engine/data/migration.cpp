#include "engine/data/migration.h"

#include "engine/data/data_folder.h"
#include "engine/data/records.h"
#include "engine/data/reg_write.h"
#include "engine/data/safe_file.h"
#include "engine/data/storage_paths.h"

namespace kakikomi {
namespace {

// Moves the data read from the program folder into the data folder as one
// step: the old files are removed only once every new file is written, so an
// interrupted or failed move loses nothing and is simply tried again at the
// next start. Returns false when the move could not be completed.
bool MoveToDataFolder(CMainData* main, const LoadedFiles& loaded) {
  const std::string target = DataFolder();
  if (loaded.folder != target) {
    if (!EnsurePrivateFolder(target)) return false;
    for (int slot = 0; slot <= main->UserNumber; ++slot)
      if (!CRegWrite::Write(target + ProfileFileName(slot),
                            BuildRecords(ProfileRecordValues(main->User[slot]))))
        return false;
    if (!CRegWrite::Write(target + kClipBoardFileName, BuildRecords(ClipBoardRecordValues(*main))))
      return false;
    // Everything read is safe in its new place; files that were not read
    // (unreadable ones) stay where they are.
    if (loaded.clipboard) RemoveFile(loaded.folder + kClipBoardFileName);
    RemoveFile(loaded.folder + "Hayate.html");
    for (int n = 0; n < kUserSlots; ++n)
      if (loaded.profile[n]) RemoveFile(loaded.folder + ProfileFileName(n));
  }
  main->DataPath = target;
  main->UserDataChanged = 1;
  main->SettingChanged = 1;
  main->ClipBoardChanged = 1;
  return CRegWrite::SetAppVer("230");
}

// Profiles from before version 251 kept only the carrier's position; its
// domain becomes the profile's own text. A profile that already has a domain
// keeps it (its data is newer than a lost version stamp says).
void FillMobileDomains(CMainData* main, CData* data) {
  const WordTable& domains = data->MobileMailDomains;
  for (int8_t slot = 0; slot <= main->UserNumber; ++slot) {
    const int index = main->Private[slot].MobileDomainIndex;
    UserProfile& user = main->User[slot];
    if (index < 0 || index > domains.last || static_cast<size_t>(index) >= domains.size() ||
        !user.MobileMailDomain.empty())
      continue;
    user.MobileMailDomain = domains[index];
    // The fillers look for this text, so derive it now rather than at the
    // next edit.
    CRegRead::GetPrivateData(main, slot, data);
  }
  main->UserDataChanged = 1;
  if (main->UserNumber >= 0)
    CRegRead::SetPrivateData(main, static_cast<int8_t>(main->UserNum), data);
}

}  // namespace

void RunMigrations(CMainData* main, CData* data, RegLoad mode, const LoadedFiles& loaded) {
  const int stored = main->AppVer;
  if (mode == RegLoad::kMigrate) {
    if (stored < 210) {
      CRegWrite::SetAppVer("210");
      CRegWrite::SetQuickData(main);
    }
    // A move that failed stops here: no later stamp may claim it happened.
    if (stored < 230 && !MoveToDataFolder(main, loaded)) return;
    if (stored < 250) CRegWrite::SetAppVer("250");
  }
  if (stored < 251) FillMobileDomains(main, data);
}

}  // namespace kakikomi
