#include "engine/data/records.h"

#include <climits>
#include <cstdint>

namespace kakikomi {
namespace {

constexpr std::string_view kMarker = "[DATA]";
// Records 25-36 of a profile file are the numbers; texts 25-27 follow them.
constexpr int kTextsBeforeNumbers = 25;

}  // namespace

std::string BuildRecords(const std::vector<std::string>& values) {
  std::string text;
  for (const std::string& value : values) {
    text += kMarker;
    text += value;
    text += '\n';
  }
  return text;
}

std::vector<std::optional<std::string>> ReadRecords(std::string_view text, size_t count) {
  std::vector<std::optional<std::string>> values(count);
  size_t from = 0;
  for (size_t i = 0; i < count; ++i) {
    const size_t marker = text.find(kMarker, from);
    if (marker == std::string_view::npos) break;
    const size_t start = marker + kMarker.size();
    const size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      from = marker + 1;
      continue;
    }
    if (end > start) values[i] = std::string(text.substr(start, end - start));
    from = end + 1;
  }
  return values;
}

std::vector<std::string> ProfileRecordValues(const UserProfile& profile) {
  std::vector<std::string> values;
  for (int i = 0; i < kTextsBeforeNumbers; ++i) values.push_back(profile.*kProfileTexts[i].member);
  for (const ProfileNumberItem& item : kProfileNumbers)
    values.push_back(std::to_string(profile.*item.member));
  for (int i = kTextsBeforeNumbers; i < kProfileTextCount; ++i)
    values.push_back(profile.*kProfileTexts[i].member);
  return values;
}

void ApplyProfileRecords(std::string_view text, UserProfile* profile) {
  const auto records = ReadRecords(text, kProfileRecordCount);
  int r = 0;
  for (int i = 0; i < kTextsBeforeNumbers; ++i, ++r)
    if (records[r]) profile->*kProfileTexts[i].member = *records[r];
  for (const ProfileNumberItem& item : kProfileNumbers) {
    if (records[r]) profile->*item.member = DecimalToInt(*records[r]);
    ++r;
  }
  for (int i = kTextsBeforeNumbers; i < kProfileTextCount; ++i, ++r)
    if (records[r]) profile->*kProfileTexts[i].member = *records[r];
}

std::vector<std::string> ClipBoardRecordValues(const CMainData& main) {
  std::vector<std::string> values;
  for (const auto& group : main.ClipBoardText)
    for (const std::string& text : group) values.push_back(text);
  return values;
}

void ApplyClipBoardRecords(std::string_view text, CMainData* main) {
  const auto records = ReadRecords(text, kClipBoardRecordCount);
  for (int i = 0; i < kClipBoardRecordCount; ++i)
    if (records[i])
      main->ClipBoardText[i / kClipBoardTextsPerGroup][i % kClipBoardTextsPerGroup] = *records[i];
}

int DecimalToInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{INT_MAX} + 1) value = int64_t{INT_MAX} + 1;  // clamp, keep going
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  if (value < INT_MIN) value = INT_MIN;
  return static_cast<int>(value);
}

}  // namespace kakikomi
