// CMainData: everything the user owns - ten profile slots with their derived
// values, the settings, window geometry, the clipboard palette's groups and
// texts, the folders and the change flags that tell the savers what to write.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/data/private_data.h"

namespace kakikomi {

constexpr int kUserSlots = 10;
constexpr int kProfileTextCount = 28;
constexpr int kProfileNumberCount = 12;
constexpr int kClipBoardGroups = 6;
constexpr int kClipBoardTextsPerGroup = 18;

// One stored profile: 28 texts (CP932) and 12 numbers. The numbers are the
// positions chosen in the add dialog's lists, 0 being the list's first entry.
struct UserProfile {
  std::string SeiKanji, MeiKanji, SeiKana, MeiKana, SeiRomaji, MeiRomaji, NickName;
  std::string MailAccount, MailDomain, MobileMailAccount;
  std::string ZipUpper, ZipLower, ShiKuGun, ChouSon, BanChi, Building;
  std::string Tel1, Tel2, Tel3, Fax1, Fax2, Fax3, Mobile1, Mobile2, Mobile3;
  std::string LoginId, LoginPassword, MobileMailDomain;

  int MobileDomain = 0;  // before 251: carrier position + 1; since: 1 with, -1 without mobile mail
  int Sex = 0;           // 0 "----", 1 男性, 2 女性
  int BirthYear = 0;     // 0 empty, 1-70 = 1900-1969, 71 "----", 72-127 = 1970-2025
  int BirthMonth = 0;
  int BirthDay = 0;
  int Marriage = 0;        // 0 "----", 1 既婚, 2 未婚
  int BloodType = 0;       // 0 "------", 1-4 = A, B, O, AB
  int Job = 0;             // 0 separator, 1-11, 12 その他
  int Industry = 0;        // 0 separator, 1-18, 19 その他
  int JobType = 0;         // 0 separator, 1-11, 12 その他
  int ToDouHuKen = 0;      // 0 "--------", 1-47 prefectures in dictionary order
  int DaytimeContact = 0;  // 0 自宅にする, 1 携帯にする
};

// The stored order of a slot's items, shared by the profile files, the
// backup file and the profile JSON of the command line.
struct ProfileTextItem {
  const char* name;
  std::string UserProfile::*member;
};
struct ProfileNumberItem {
  const char* name;
  int UserProfile::*member;
};
extern const std::array<ProfileTextItem, kProfileTextCount> kProfileTexts;
extern const std::array<ProfileNumberItem, kProfileNumberCount> kProfileNumbers;

// The program's background colour.
struct RgbColor {
  uint8_t red = 255, green = 255, blue = 225;
};

// How the programs draw link-like labels; each program makes its own font
// (and its hand cursor and background brush) from this.
struct FontDescription {
  int pixel_height = 12;
  int weight = 400;
  bool underline = true;
  std::string face = "ＭＳ ゴシック";  // UTF-8: handed to the toolkit as is
};

struct CMainData {
  RgbColor BackColor;
  int IEVersion = -1;
  int Width1 = -1, Height1 = -1;  // main dialog size; -1 = not stored
  int Width2 = -1, Height2 = -1;  // clipboard palette size
  int RolledHeight = 21;
  int PosX1 = 0, PosY1 = 0;
  int PosX2 = 230, PosY2 = 0;
  int AppVer = 0;         // version of the stored data, e.g. 251
  uint8_t AutoInput = 1;  // 1 while auto input is stopped
  uint8_t UserChangeInput = 0;
  uint8_t DlgRolled = 0;  // main dialog rolled up or rolling disabled
  uint8_t DlgHide = 0;
  uint8_t ClipBoard = 0;
  uint8_t ClipRolled = 1;  // palette rolled up or rolling disabled
  uint8_t ClipDlgHide = 0;
  uint8_t HookInstalled = 0;
  uint8_t ClipPending = 0;
  std::string ClipText;
  FontDescription LinkFont;
  int8_t UserNumber = -1;  // last used slot, -1 = no profile

  std::array<UserProfile, kUserSlots> User;
  std::array<PrivateData, kUserSlots> Private;  // derived block of each slot

  uint8_t Setting1 = 1;       // warning sound
  uint8_t Setting2 = 1;       // postal code without hyphen
  uint8_t Setting3 = 1;       // phone without hyphen
  uint8_t Setting4 = 0;       // remember dialog positions
  uint8_t Setting5 = 1;       // quick input
  uint8_t Setting6 = 0;       // clipboard by drag and drop (0 = click and click)
  uint8_t SetInputBirth = 0;  // birth-date format
  uint8_t ClipBoardNum = 0;
  std::array<std::string, kClipBoardGroups> ClipBoardName;
  std::array<std::array<std::string, kClipBoardTextsPerGroup>, kClipBoardGroups> ClipBoardText;
  uint8_t UserNum = 0;  // selected slot

  std::string AppPath;   // folder of the running program, ending in "/"
  std::string DataPath;  // folder of the data files, ending in "/"

  uint8_t UserDataChanged = 0;
  uint8_t SettingChanged = 0;
  uint8_t RestartNeeded = 0;
  uint8_t ClipBoardChanged = 0;
  uint8_t BirthFormatChanged = 0;
  uint8_t FirstRun = 0;

  CMainData();
};

}  // namespace kakikomi
