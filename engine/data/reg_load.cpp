// GetRegData: the whole start-up load of settings, profiles and clipboard
// texts, the derivation of every profile and the migrations.
#include <string>

#include "engine/base/sjis_text.h"
#include "engine/data/data_folder.h"
#include "engine/data/migration.h"
#include "engine/data/records.h"
#include "engine/data/reg_read.h"
#include "engine/data/registry_file.h"
#include "engine/data/safe_file.h"
#include "engine/data/storage_paths.h"

namespace kakikomi {
namespace {

// The sizes of the buffers the values were always read into; a longer stored
// value is treated as missing instead of overrunning anything.
constexpr size_t kTextCapacity = 260;
constexpr size_t kValueCapacity = 4;

// The first byte of a stored byte value, when there is one that fits.
std::optional<uint8_t> FirstByte(const RegistryFile& key, const std::string& name) {
  std::optional<std::string> bytes = key.GetBytes(name, kValueCapacity);
  if (!bytes) return std::nullopt;
  return static_cast<uint8_t>((*bytes)[0]);
}

void ReadFlag(const RegistryFile& key, const std::string& name, uint8_t* flag) {
  if (auto byte = FirstByte(key, name)) *flag = *byte != 0 ? 1 : 0;
}

// A stored 1 means "roll up automatically" and starts unrolled; anything
// else switches it off with rolling disabled.
void ReadHide(const RegistryFile& key, const std::string& name, uint8_t* hide, uint8_t* rolled) {
  if (auto byte = FirstByte(key, name)) {
    *hide = *byte == 1 ? 1 : 0;
    *rolled = *byte == 1 ? 0 : 1;
  }
}

void ReadInt(const RegistryFile& key, const std::string& name, int* value) {
  if (auto v = Int32FromBytes(key.GetBytes(name, kValueCapacity))) *value = *v;
}

void ReadSettings(const RegistryFile& key, CMainData* main) {
  if (auto version = key.GetString("AppVer", kTextCapacity)) main->AppVer = DecimalToInt(*version);
  if (auto byte = FirstByte(key, "UserNum")) main->UserNum = *byte;
  // The stored byte is the running state at the last exit (0 = running); the
  // main dialog toggles it once at start-up.
  if (auto byte = FirstByte(key, "AutoInput")) main->AutoInput = *byte == 0 ? 1 : 0;
  ReadFlag(key, "UserChangeInput", &main->UserChangeInput);
  ReadHide(key, "DlgHide", &main->DlgHide, &main->DlgRolled);
  ReadHide(key, "ClipDlgHide", &main->ClipDlgHide, &main->ClipRolled);
  uint8_t* settings[] = {&main->Setting1, &main->Setting2, &main->Setting3,
                         &main->Setting4, &main->Setting5, &main->Setting6};
  for (int i = 0; i < 6; ++i) ReadFlag(key, "Setting" + std::to_string(i + 1), settings[i]);
  if (auto byte = FirstByte(key, "SetInputBirth")) main->SetInputBirth = *byte;
  if (main->AppVer <= 230) return;
  if (main->Setting4) {
    ReadInt(key, "PosX1", &main->PosX1);
    ReadInt(key, "PosY1", &main->PosY1);
    ReadInt(key, "PosX2", &main->PosX2);
    ReadInt(key, "PosY2", &main->PosY2);
  }
  ReadInt(key, "Width1", &main->Width1);
  ReadInt(key, "Height1", &main->Height1);
  ReadInt(key, "Width2", &main->Width2);
  ReadInt(key, "Height2", &main->Height2);
  // Without remembered positions the palette opens beside the main dialog.
  if (!main->Setting4) main->PosX2 = main->Width1;
  ReadFlag(key, "ClipBoard", &main->ClipBoard);
  if (auto byte = FirstByte(key, "ClipBoardNum")) main->ClipBoardNum = *byte;
  for (int g = 0; g < kClipBoardGroups; ++g)
    if (auto name = key.GetString("ClipBoardName" + std::to_string(g + 1), kTextCapacity))
      main->ClipBoardName[g] = *name;
}

bool HasDataFiles(const std::string& folder) {
  if (FileExists(folder + kClipBoardFileName)) return true;
  for (int slot = 0; slot < kUserSlots; ++slot)
    if (FileExists(folder + ProfileFileName(slot))) return true;
  return false;
}

// Data before version 230 lay beside the program. A settings file that is
// missing or reset must not send the load there when the program folder has
// no profiles and the data folder has: that would hide the real profiles and
// let the next save overwrite them.
std::string ChooseDataPath(const CMainData& main, const std::string& data_folder) {
  if (main.AppVer >= 230) return data_folder;
  if (!FileExists(main.AppPath + ProfileFileName(0)) && HasDataFiles(data_folder))
    return data_folder;
  return main.AppPath;
}

// A file without a single record is not a profile (a damaged file decrypts
// to noise), and counts as absent.
bool HoldsRecords(const std::string& text) { return text.find("[DATA]") != std::string::npos; }

// Fills the slots in file order. A missing or unreadable file leaves no gap:
// the next profile takes the next free slot, and the save renumbers the files.
void LoadProfiles(CMainData* main, LoadedFiles* loaded) {
  for (int n = 0; n < kUserSlots; ++n) {
    const std::string text = CRegRead::Read(main->DataPath + ProfileFileName(n));
    if (!HoldsRecords(text)) continue;
    ++main->UserNumber;
    if (main->UserNumber != n) main->UserDataChanged = 1;
    ApplyProfileRecords(text, &main->User[main->UserNumber]);
    loaded->profile[n] = true;
  }
}

}  // namespace

void CRegRead::GetRegData(CMainData* main, CData* data, RegLoad mode) {
  *main = CMainData();
  main->UserNum = 0;
  main->AppPath = GetAppPath();
  const std::string data_folder = DataFolder();
  // Profiles hold login passwords: the folder is the owner's alone, also
  // when an older version made it open to everyone. Failures are ignored.
  if (mode == RegLoad::kMigrate && EnsurePrivateFolder(data_folder)) MakeOwnerOnly(data_folder);
  main->IEVersion = GetIEVersion();

  RegistryFile key;
  if (key.Open(RegistryFilePath(), kSettingKey)) ReadSettings(key, main);
  if (main->ClipBoardNum > kClipBoardGroups) main->ClipBoardNum = 0;

  main->DataPath = ChooseDataPath(*main, data_folder);
  LoadedFiles loaded;
  loaded.folder = main->DataPath;
  LoadProfiles(main, &loaded);
  const std::string clipboard = Read(main->DataPath + kClipBoardFileName);
  if (HoldsRecords(clipboard)) {
    ApplyClipBoardRecords(clipboard, main);
    loaded.clipboard = true;
  }
  // Only a slot that holds a profile can be selected.
  if (main->UserNum > std::max<int>(main->UserNumber, 0)) main->UserNum = 0;

  SetSetting(main, data);
  for (int8_t slot = 0; slot <= main->UserNumber; ++slot) GetPrivateData(main, slot, data);
  if (main->UserNumber >= 0) SetPrivateData(main, static_cast<int8_t>(main->UserNum), data);

  RunMigrations(main, data, mode, loaded);
}

}  // namespace kakikomi
