// Backup export and import. Import checks and converts the whole file into a
// copy of the record first and takes it over in one step, so a bad file
// changes nothing.
#include "engine/data/backup.h"

#include <new>
#include <string>
#include <vector>

#include "engine/base/host.h"
#include "engine/base/sjis_text.h"
#include "engine/data/records.h"
#include "engine/data/reg_read.h"
#include "engine/data/reg_write.h"

namespace kakikomi {
namespace {

constexpr const char* kProductName = "応募手帖";
constexpr const char* kFormatVersion = "251";
constexpr int kClosingNumbers = 10;
// The edit boxes that make group names and clipboard texts take at most this
// many bytes; longer imported texts are cut so the stores can hold them.
constexpr size_t kGroupNameLimit = 40;
constexpr size_t kClipBoardTextLimit = 300;

constexpr const char* kNoData = "データが存在しません。";
constexpr const char* kNotABackup = "応募手帖のバックアップ用ファイルではありません。";
constexpr const char* kConfirm =
    "バックアップ用データを読み込みますか？\n一度読み込むと元に戻すことはできません。";
constexpr const char* kReadFailed = "バックアップデータの読込に失敗しました。";
constexpr const char* kWriteFailed = "バックアップ用データの保存に失敗しました。";
constexpr const char* kRestart = "バックアップ用データを有効にするために応募手帖を再起動します。";

// The first `limit` bytes of a CP932 text, never splitting a character.
std::string CutTo(const std::string& text, size_t limit) {
  size_t end = 0;
  while (end < text.size()) {
    const size_t next = end + CharLengthAt(text, end);
    if (next > limit) break;
    end = next;
  }
  return text.substr(0, end);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// Takes the file's values into `next` (a copy of the current record).
// False when the file's structure is not a backup's.
bool TakeOver(const std::vector<std::string>& lines, bool current_format, CData* data,
              CMainData* next) {
  const int texts_per_slot = current_format ? kProfileTextCount : kProfileTextCount - 1;
  const size_t trailer = 1 + kClipBoardGroups + kUserSlots * texts_per_slot +
                         kUserSlots * kProfileNumberCount + kClipBoardRecordCount + kClosingNumbers;
  if (lines.size() <= trailer || !StartsWith(lines[trailer], Sjis(kProductName))) return false;
  // The last closing number selects the slots everything later walks over,
  // so a file naming a slot past the ten is not taken.
  const int user_number = DecimalToInt(lines[trailer - 1]);
  if (user_number < -1 || user_number >= kUserSlots) return false;

  size_t line = 1;
  for (std::string& name : next->ClipBoardName) name = CutTo(lines[line++], kGroupNameLimit);
  for (UserProfile& user : next->User) {
    for (int i = 0; i < kProfileTextCount; ++i)
      user.*kProfileTexts[i].member = i < texts_per_slot ? lines[line++] : std::string();
  }
  for (UserProfile& user : next->User)
    for (const ProfileNumberItem& item : kProfileNumbers)
      user.*item.member = DecimalToInt(lines[line++]);
  for (auto& group : next->ClipBoardText)
    for (std::string& text : group) text = CutTo(lines[line++], kClipBoardTextLimit);

  if (!current_format) {
    // Older files kept only the carrier's position; its domain is rebuilt.
    const WordTable& domains = data->MobileMailDomains;
    for (UserProfile& user : next->User) {
      const int position = user.MobileDomain;
      if (position > 0 && position - 1 <= domains.last &&
          static_cast<size_t>(position - 1) < domains.size())
        user.MobileMailDomain = domains[position - 1];
    }
  }

  next->AppVer = DecimalToInt(lines[line++]);
  next->SetInputBirth = static_cast<uint8_t>(DecimalToInt(lines[line++]) & 0xFF);
  uint8_t* settings[] = {&next->Setting1, &next->Setting2, &next->Setting3,
                         &next->Setting4, &next->Setting5, &next->Setting6};
  for (uint8_t* setting : settings) *setting = DecimalToInt(lines[line++]) != 0 ? 1 : 0;
  next->UserChangeInput = DecimalToInt(lines[line++]) != 0 ? 1 : 0;
  next->UserNumber = static_cast<int8_t>(user_number);

  next->UserDataChanged = 1;
  next->SettingChanged = 1;
  next->RestartNeeded = 1;
  next->ClipBoardChanged = 1;
  next->UserNum = 0;
  return true;
}

}  // namespace

std::string BackupPathFor(const std::string& chosen) {
  const size_t slash = chosen.rfind('/');
  const size_t name_start = slash == std::string::npos ? 0 : slash + 1;
  return chosen.substr(0, name_start) + ReplaceAll(chosen.substr(name_start), ".dat", "") + ".dat";
}

bool CRegWrite::BackupWrite(CMainData* main, const std::string& path) {
  if (main->User[0].SeiKanji.empty()) {
    CurrentHost().ShowMessage(kNoData);
    return false;
  }
  std::string text = Sjis(kProductName) + kFormatVersion + "\n";
  for (const std::string& name : main->ClipBoardName) text += name + "\n";
  for (const UserProfile& user : main->User)
    for (const ProfileTextItem& item : kProfileTexts) text += user.*item.member + "\n";
  for (const UserProfile& user : main->User)
    for (const ProfileNumberItem& item : kProfileNumbers)
      text += std::to_string(user.*item.member) + "\n";
  for (const auto& group : main->ClipBoardText)
    for (const std::string& clip : group) text += clip + "\n";
  const int closing[kClosingNumbers] = {
      main->AppVer,          static_cast<int8_t>(main->SetInputBirth),
      main->Setting1,        main->Setting2,
      main->Setting3,        main->Setting4,
      main->Setting5,        main->Setting6,
      main->UserChangeInput, main->UserNumber};
  for (int number : closing) text += std::to_string(number) + "\n";
  text += Sjis(kProductName) + "\n";
  if (!Write(path, text)) {
    CurrentHost().ShowMessage(kWriteFailed);
    return false;
  }
  return true;
}

bool CRegWrite::Backup(CMainData* main) {
  const std::string chosen = CurrentHost().ChooseSaveFile("");
  if (chosen.empty()) return false;
  return BackupWrite(main, BackupPathFor(chosen));
}

bool CRegRead::BackupRead(CMainData* main, CData* data, const std::string& path) {
  try {
    const std::string text = Read(path);
    const std::string product = Sjis(kProductName);
    if (!StartsWith(text, product)) {
      CurrentHost().ShowMessage(kNotABackup);
      return false;
    }
    const bool current_format = StartsWith(text, product + kFormatVersion);
    if (!CurrentHost().AskYesNo(kConfirm)) return false;
    CMainData next = *main;
    if (!TakeOver(SplitLines(text), current_format, data, &next)) {
      CurrentHost().ShowMessage(kNotABackup);
      return false;
    }
    *main = std::move(next);
    SetSetting(main, data);
    for (int8_t slot = 0; slot <= main->UserNumber; ++slot) GetPrivateData(main, slot, data);
    SetPrivateData(main, 0, data);
    CRegWrite::SetQuickData(main);
    return true;
  } catch (const std::exception&) {
    CurrentHost().ShowMessage(kReadFailed);
    return false;
  }
}

bool CRegRead::Backup(CMainData* main, CData* data) {
  const std::string path = CurrentHost().ChooseOpenFile();
  if (path.empty() || !BackupRead(main, data, path)) return false;
  // The import only counts once it is saved: a restart would otherwise
  // bring the old data back without a word.
  if (!CRegWrite::SetRegData(main, data)) {
    CurrentHost().ShowMessage(kReadFailed);
    return false;
  }
  CurrentHost().ShowMessage(kRestart);
  return true;
}

}  // namespace kakikomi
