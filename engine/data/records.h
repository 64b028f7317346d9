// The record format inside the data files: each value as "[DATA]" + value +
// "\n", one after the other, in CP932. Also the layouts of a profile file and
// of the clipboard file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/data/main_data.h"

namespace kakikomi {

constexpr int kProfileRecordCount = kProfileTextCount + kProfileNumberCount;       // 40
constexpr int kClipBoardRecordCount = kClipBoardGroups * kClipBoardTextsPerGroup;  // 108

std::string BuildRecords(const std::vector<std::string>& values);

// Up to `count` record values in file order. An empty value, a marker with no
// line feed after it and a record past the last marker give no value, so
// the target keeps what it held. A value may itself contain "[DATA]": the
// next record is searched after the line feed that ended it.
std::vector<std::optional<std::string>> ReadRecords(std::string_view text, size_t count);

// A profile slot as its 40 records: texts 0-24, the 12 numbers, texts 25-27.
std::vector<std::string> ProfileRecordValues(const UserProfile& profile);
void ApplyProfileRecords(std::string_view text, UserProfile* profile);

std::vector<std::string> ClipBoardRecordValues(const CMainData& main);
void ApplyClipBoardRecords(std::string_view text, CMainData* main);

// A decimal text to a number as the stored data was read: leading blanks, an
// optional sign, the digits up to the first other character; 0 without
// digits. Values beyond the int range are clamped.
int DecimalToInt(std::string_view text);

}  // namespace kakikomi
