// The savers: profile files, the settings file and the clipboard file.
#include <string>

#include "engine/data/data_folder.h"
#include "engine/data/records.h"
#include "engine/data/reg_write.h"
#include "engine/data/registry_file.h"
#include "engine/data/safe_file.h"
#include "engine/data/storage_paths.h"

namespace kakikomi {
namespace {

// Opens the settings file for changing; a damaged one starts afresh.
RegistryFile OpenForWriting() {
  RegistryFile key;
  key.Open(RegistryFilePath(), kSettingKey);
  return key;
}

bool SaveKey(const RegistryFile& key) { return key.Save(RegistryFilePath(), kSettingKey); }

int LastSlot(const CMainData& main) { return std::min<int>(main.UserNumber, kUserSlots - 1); }

}  // namespace

bool CRegWrite::SetRegData(CMainData* main, CData* /*data*/) {
  bool ok = true;
  if (main->DataPath == DataFolder()) EnsurePrivateFolder(main->DataPath);
  const int last = LastSlot(*main);
  if (main->UserDataChanged) {
    bool profiles_written = true;
    for (int slot = 0; slot <= last; ++slot)
      profiles_written &= Write(main->DataPath + ProfileFileName(slot),
                                BuildRecords(ProfileRecordValues(main->User[slot])));
    // Files beyond the last profile go only together with a complete
    // rewrite: deleting them otherwise could drop a profile the load missed.
    if (profiles_written && last != kUserSlots - 1)
      DeleteProfileFiles(main->DataPath, last + 1, kUserSlots);
    ok &= profiles_written;
  }

  RegistryFile key = OpenForWriting();
  key.SetByte("UserNum", main->UserNum);
  key.SetByte("UserNumber", static_cast<uint8_t>(main->UserNumber));
  key.SetByte("AutoInput", main->AutoInput);
  key.SetByte("UserChangeInput", main->UserChangeInput);
  key.SetByte("ClipBoard", main->ClipBoard);
  key.SetByte("DlgHide", main->DlgHide);
  key.SetByte("ClipDlgHide", main->ClipDlgHide);
  key.SetByte("ClipBoardNum", main->ClipBoardNum);
  if (main->SettingChanged) {
    const uint8_t settings[] = {main->Setting1, main->Setting2, main->Setting3,
                                main->Setting4, main->Setting5, main->Setting6};
    for (int i = 0; i < 6; ++i) key.SetByte("Setting" + std::to_string(i + 1), settings[i]);
    key.SetByte("SetInputBirth", main->SetInputBirth);
  }
  if (main->Setting4) {
    key.SetInt32("PosX1", main->PosX1);
    key.SetInt32("PosY1", main->PosY1);
    key.SetInt32("PosX2", main->PosX2);
    key.SetInt32("PosY2", main->PosY2);
  }
  key.SetInt32("Width1", main->Width1);
  key.SetInt32("Height1", main->Height1);
  key.SetInt32("Width2", main->Width2);
  key.SetInt32("Height2", main->Height2);
  if (main->ClipBoardChanged)
    for (int g = 0; g < kClipBoardGroups; ++g)
      key.SetString("ClipBoardName" + std::to_string(g + 1), main->ClipBoardName[g]);
  ok &= SaveKey(key);

  if (main->ClipBoardChanged)
    ok &= Write(main->DataPath + kClipBoardFileName, BuildRecords(ClipBoardRecordValues(*main)));
  return ok;
}

bool CRegWrite::SetQuickData(CMainData* main) {
  RegistryFile key = OpenForWriting();
  const int last = LastSlot(*main);
  for (int slot = 0; slot < kUserSlots; ++slot) {
    const std::string name = "UserName" + std::to_string(slot);
    if (slot <= last)
      key.SetString(name, main->Private[slot].NameKanji);
    else
      key.Delete(name);
  }
  key.SetByte("UserNumber", static_cast<uint8_t>(main->UserNumber));
  return SaveKey(key);
}

bool CRegWrite::SetAppVer(const std::string& version) {
  RegistryFile key = OpenForWriting();
  key.SetString("AppVer", version);
  return SaveKey(key);
}

}  // namespace kakikomi
