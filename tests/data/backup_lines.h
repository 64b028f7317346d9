// A backup file's lines built from its layout, for the backup tests.
#pragma once

#include <string>
#include <vector>

#include "engine/base/sjis_text.h"
#include "tests/data/test_home.h"

namespace kakikomi::data_testing {

// The lines of a backup file, built here from its layout.
struct BackupLines {
  bool current = true;  // 28 texts per slot; older files hold 27
  std::vector<std::string> names = std::vector<std::string>(6, "group");
  std::vector<ProfileFile> slots = std::vector<ProfileFile>(10);
  std::vector<std::string> clips = std::vector<std::string>(108);
  std::vector<std::string> closing = {"251", "1", "0", "1", "0", "1", "0", "1", "1", "1"};

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines = {Sjis("応募手帖") + (current ? "251" : "230")};
    lines.insert(lines.end(), names.begin(), names.end());
    for (const auto& slot : slots)
      lines.insert(lines.end(), slot.texts.begin(), slot.texts.begin() + (current ? 28 : 27));
    for (const auto& slot : slots)
      lines.insert(lines.end(), slot.numbers.begin(), slot.numbers.end());
    lines.insert(lines.end(), clips.begin(), clips.end());
    lines.insert(lines.end(), closing.begin(), closing.end());
    lines.push_back(Sjis("応募手帖"));
    return lines;
  }
  static std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
  }
  std::string Plain() const { return Join(Lines()); }
};

}  // namespace kakikomi::data_testing
