#include "engine/core/field_dispatcher.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "engine/base/sjis_text.h"
#include "engine/choice/checkbox_filler.h"
#include "engine/choice/radio_filler.h"
#include "engine/choice/select_filler.h"
#include "engine/core/element_matchers.h"
#include "engine/core/label_extraction.h"
#include "engine/text/label_text.h"
#include "engine/text/text_field_classifier.h"

namespace kakikomi {

const FillerSet& RealFillers() {
  static const FillerSet fillers{FillText, FillSelect, FillRadio, FillCheckbox};
  return fillers;
}

void WalkControls(PageElementTable& table, const CData& data, const FillerSet& fillers) {
  const std::string& page = table.PageText;
  table.TagStart = table.ScanFrom = table.TextFrom = 0;
  table.TagEnd = -1;
  for (int slot = 0; slot < 3; ++slot) {
    table.ControlTags[slot].clear();
    table.ControlLabels[slot].clear();
  }

  int steps = 0;
  while (true) {
    // A "<" inside the last tag (an attribute value) starts no tag of its
    // own, so the search never goes back into it.
    // "<" and ">" are never the second byte of a double-byte character, so
    // a plain byte search finds only real brackets.
    const size_t lt = page.find('<', std::max(table.ScanFrom, table.TextFrom));
    int start = lt == std::string::npos ? -1 : static_cast<int>(lt);
    const size_t gt = start >= 0 ? page.find('>', start + 1) : std::string::npos;
    const int end = gt == std::string::npos ? -1 : static_cast<int>(gt);
    if (end < 0) start = -1;  // a "<" without its ">" is no tag
    table.TagStart = start;

    std::string tag, text;
    if (start >= 0) {
      table.TagEnd = end;
      tag = page.substr(start, end - start + 1);
      text = ToLower(Mid(page, table.TextFrom, start - table.TextFrom));
    } else {
      text = ToLower(Mid(page, table.TagEnd + 1));
    }

    if (steps < 3) {
      table.ControlTags[steps] = std::move(tag);
      table.ControlLabels[steps] = std::move(text);
    } else {
      for (int slot = 0; slot < 2; ++slot) {
        table.ControlTags[slot] = std::move(table.ControlTags[slot + 1]);
        table.ControlLabels[slot] = std::move(table.ControlLabels[slot + 1]);
      }
      table.ControlTags[2] = std::move(tag);
      table.ControlLabels[2] = std::move(text);
    }
    if (steps >= 2) DispatchControl(table, data, fillers);
    ++steps;

    table.ScanFrom = start + 1;
    table.TextFrom = table.TagEnd + 1;
    if (start < 0) break;
  }

  if (steps >= 3) {
    for (int slot = 0; slot < 2; ++slot) {
      table.ControlTags[slot] = std::move(table.ControlTags[slot + 1]);
      table.ControlLabels[slot] = std::move(table.ControlLabels[slot + 1]);
    }
    table.ControlTags[2].clear();
    table.ControlLabels[2].clear();
  } else {
    // The text after the current tag stays in slot 1.
    table.ControlTags[1].clear();
    table.ControlTags[2].clear();
    table.ControlLabels[2].clear();
  }
  DispatchControl(table, data, fillers);
}

namespace {

// The label of the first pass: the last two pieces of the page text before
// the control, with their separators.
std::string PassZeroLabel(const std::string& text) {
  int last = -1, second_last = -1;
  for (int at = Find(text, kLabelSeparator); at >= 0;
       at = Find(text, kLabelSeparator, at + static_cast<int>(kLabelSeparator.size()))) {
    second_last = last;
    last = at;
  }
  return second_last >= 0 ? text.substr(second_last) : text;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

enum class PassOutcome { kDone, kEndOfPass };

// One pass over the current tag. `name_value` and `index` are found in the
// first pass and kept for the second.
PassOutcome RunPass(PageElementTable& table, const CData& data, const FillerSet& fillers,
                    const std::string& tag, const std::string& label, std::string& name_value,
                    int& index) {
  const bool first = table.PassNumber == 0;
  const std::string_view body = tag.empty() ? std::string_view() : std::string_view(tag).substr(1);
  auto named = [&](int (*matcher)(const std::string&, PageElementTable&)) {
    name_value = TagNameValue(tag);
    if (!name_value.empty()) index = matcher(name_value, table);
    return index >= 0;
  };
  auto handled = [](bool result) { return result ? PassOutcome::kDone : PassOutcome::kEndOfPass; };

  if (StartsWith(body, "SELECT")) {
    if (first)
      return handled(named(MatchSelect) &&
                     fillers.select(label, tag, index, name_value, table, data));
    return handled(fillers.select(AttributeText(name_value), tag, index, name_value, table, data));
  }

  if (StartsWith(body, "TEXTA")) {
    if (first) {
      if (!named(MatchTextArea)) return PassOutcome::kEndOfPass;
      if (Contains(tag, "readOnly")) {  // a read-only area is never filled
        index = -1;
        return PassOutcome::kEndOfPass;
      }
      return handled(fillers.text(data, table, 1, label, tag, index, name_value));
    }
    return handled(fillers.text(data, table, 1, AttributeText(name_value), tag, index, name_value));
  }

  if (!StartsWith(body, "INPUT")) return PassOutcome::kEndOfPass;

  if (!Contains(tag, "type=") || Contains(tag, "type=text")) {
    if (first)
      return handled(named(MatchText) &&
                     fillers.text(data, table, 0, label, tag, index, name_value));
    return handled(fillers.text(data, table, 0, AttributeText(name_value), tag, index, name_value));
  }
  if (Contains(tag, "type=tel")) {
    // A phone box's name attribute says nothing the label did not.
    if (!first) return PassOutcome::kEndOfPass;
    return handled(named(MatchTel) && fillers.text(data, table, 3, label, tag, index, name_value));
  }
  if (Contains(tag, "type=email")) {
    name_value = TagNameValue(tag);
    if (table.EmailCount == 0) return PassOutcome::kEndOfPass;
    // Offered once: a mail box the label does not explain stays empty, and
    // the item chain before it is kept.
    if (named(MatchEmail)) fillers.text(data, table, 2, label, tag, index, name_value);
    return PassOutcome::kDone;
  }
  auto choice = [&](int count, int (*matcher)(const std::string&, PageElementTable&),
                    const FillerSet::ChoiceFiller& filler) {
    if (!table.ChoiceSkip && first && count > 0 && named(matcher) &&
        filler(label, tag, index, name_value, table, data))
      return PassOutcome::kDone;
    table.PassNumber = 1;  // a choice is never offered by its name alone
    return PassOutcome::kEndOfPass;
  };
  if (Contains(tag, "type=radio")) return choice(table.RadioCount, MatchRadio, fillers.radio);
  if (Contains(tag, "type=checkbox"))
    return choice(table.CheckboxCount, MatchCheckbox, fillers.checkbox);
  if (Contains(tag, "type=hidden") || Contains(tag, "type=password")) {
    table.LastFieldCode = -1;  // password boxes are filled after the walk
    return PassOutcome::kDone;
  }
  if (Contains(tag, "type=submit") || Contains(tag, "type=image")) {
    // The end of a form: the next form is filled from the profile afresh.
    table.ResetFormState();
    return PassOutcome::kDone;
  }
  return PassOutcome::kEndOfPass;
}

}  // namespace

void DispatchControl(PageElementTable& table, const CData& data, const FillerSet& fillers) {
  if (table.SkipCount >= 1) {
    --table.SkipCount;
    return;
  }
  std::string name_value;
  int index = -1;
  table.PassNumber = 0;
  const std::string tag = table.ControlTags[0];
  const std::string label = PassZeroLabel(table.ControlLabels[0]);

  while (true) {
    if (RunPass(table, data, fillers, tag, label, name_value, index) == PassOutcome::kDone) return;
    // End of the pass: a control nothing could place breaks the item chain.
    if (name_value.empty() || index < 0) {
      table.LastFieldCode = -1;
      return;
    }
    if (table.PassNumber == 1) table.LastFieldCode = -1;
    ++table.PassNumber;
    if (table.PassNumber >= 2) return;
  }
}

}  // namespace kakikomi
