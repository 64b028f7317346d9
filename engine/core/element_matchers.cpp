#include "engine/core/element_matchers.h"

#include <algorithm>
#include <string_view>

#include "engine/base/sjis_text.h"
#include "engine/core/label_extraction.h"

namespace kakikomi {
namespace {

const std::string& CollectedName(const PageElementTable& table, MatchCursorKind kind, int i) {
  switch (kind) {
    case kCursorSelect:
      return table.SelectNames[i];
    case kCursorRadio:
      return table.RadioNames[i];
    case kCursorText:
      return table.TextNames[i];
    case kCursorEmail:
      return table.EmailNames[i];
    case kCursorTel:
      return table.TelNames[i];
    case kCursorCheckbox:
      return table.CheckboxNames[i];
    case kCursorPassword:
      return table.PasswordNames[i];
    case kCursorTextArea:
      break;
  }
  return table.TextAreaNames[i];
}

// The count of collected elements, never more than the kind's arrays hold.
int CollectedCount(const PageElementTable& table, MatchCursorKind kind) {
  int capacity = 0;
  switch (kind) {
    case kCursorSelect:
      capacity = kSelectCapacity;
      break;
    case kCursorRadio:
      capacity = kRadioCapacity;
      break;
    case kCursorText:
      capacity = kTextCapacity;
      break;
    case kCursorEmail:
      capacity = kEmailCapacity;
      break;
    case kCursorTel:
      capacity = kTelCapacity;
      break;
    case kCursorCheckbox:
      capacity = kCheckboxCapacity;
      break;
    case kCursorPassword:
      capacity = kPasswordCapacity;
      break;
    case kCursorTextArea:
      capacity = kTextAreaCapacity;
      break;
  }
  return std::clamp(table.CountOf(kind), 0, capacity);
}

const std::string& NormalisedName(PageElementTable& table, MatchCursorKind kind, int i) {
  std::vector<std::string>& cache = table.NormalisedNames[kind];
  const int count = CollectedCount(table, kind);
  if (static_cast<int>(cache.size()) != count) {
    cache.clear();
    cache.reserve(count);
    for (int j = 0; j < count; ++j) cache.push_back(NormaliseLabel(CollectedName(table, kind, j)));
  }
  return cache[i];
}

// Where a collected name is looked for in the current tag: selects anywhere,
// other controls only from their name attribute on, so that a name that
// happens to equal a type or a value does not count.
std::string_view NameScope(const std::string& tag, bool whole_tag) {
  if (whole_tag) return tag;
  const int at = Find(tag, "name=");
  if (at < 0) return {};
  return std::string_view(tag).substr(at + 4);
}

// `by_name_only`: tel boxes are matched on an exact name or not at all.
int Match(const std::string& name_value, PageElementTable& table, MatchCursorKind kind,
          bool whole_tag, bool by_name_only) {
  const std::string wanted = ReplaceAll(name_value, "\"", "");
  const int count = CollectedCount(table, kind);
  int& cursor = table.MatchCursor[kind];
  if (cursor < 0) cursor = 0;

  // 1. The next element of exactly this name.
  for (int i = cursor; i < count; ++i) {
    const std::string& name = CollectedName(table, kind, i);
    if (!name.empty() && name == wanted) {
      cursor = i + 1;
      return i;
    }
  }
  // Past the last collected element there is nothing to hand out: the tag
  // belongs to a control that was over its kind's limit or outside a form.
  if (by_name_only || cursor >= count) return -1;

  // 2. The element at the cursor, when its name occurs in the tag (an empty
  // name occurs everywhere).
  const std::string& at_cursor = CollectedName(table, kind, cursor);
  if (at_cursor.empty() || Contains(NameScope(table.ControlTags[0], whole_tag), at_cursor))
    return cursor++;

  // 3. The next element whose name reads as the wanted one once normalised
  // like the page text was.
  for (int i = cursor; i < count; ++i) {
    if (CollectedName(table, kind, i).empty()) continue;
    if (NormalisedName(table, kind, i) == wanted) {
      cursor = i + 1;
      return i;
    }
  }
  // 4. The element at the cursor, which stays for the next tag.
  return cursor;
}

}  // namespace

int MatchSelect(const std::string& name_value, PageElementTable& table) {
  return Match(name_value, table, kCursorSelect, true, false);
}
int MatchRadio(const std::string& name_value, PageElementTable& table) {
  return Match(name_value, table, kCursorRadio, false, false);
}
int MatchText(const std::string& name_value, PageElementTable& table) {
  return Match(name_value, table, kCursorText, false, false);
}
int MatchEmail(const std::string& name_value, PageElementTable& table) {
  return Match(name_value, table, kCursorEmail, false, false);
}
int MatchTel(const std::string& name_value, PageElementTable& table) {
  return Match(name_value, table, kCursorTel, false, true);
}
int MatchCheckbox(const std::string& name_value, PageElementTable& table) {
  return Match(name_value, table, kCursorCheckbox, false, false);
}
int MatchTextArea(const std::string& name_value, PageElementTable& table) {
  return Match(name_value, table, kCursorTextArea, false, false);
}

}  // namespace kakikomi
