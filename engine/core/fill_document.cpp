#include "engine/core/fill_document.h"

#include <algorithm>

#include "engine/core/label_extraction.h"
#include "engine/core/page_element_table.h"

namespace kakikomi {
namespace {

// Runs `write` for each stored element of a kind, from index 0 while a
// reference is stored and the index is within the kind's limit.
template <size_t N, typename F>
void EachElement(const std::array<FormControl*, N>& elements, int limit, F&& write) {
  const int end = std::min<int>(limit, N);
  for (int i = 0; i < end && elements[i]; ++i) write(*elements[i], i);
}

}  // namespace

void WriteBack(const PageElementTable& table, const CData& data) {
  EachElement(table.SelectElements, data.MaxSelects, [&](FormControl& c, int i) {
    if (table.SelectChoice[i] >= 0) c.PutSelectedIndex(table.SelectChoice[i]);
  });
  auto put_values = [](const auto& elements, int limit, const auto& values) {
    EachElement(elements, limit, [&](FormControl& c, int i) {
      if (!values[i].empty()) c.PutValue(values[i]);
    });
  };
  put_values(table.TextElements, data.MaxTexts - 2, table.TextValue);
  put_values(table.TelElements, data.MaxTels, table.TelValue);
  put_values(table.EmailElements, data.MaxEmails, table.EmailValue);
  put_values(table.TextAreaElements, data.MaxTextAreas, table.TextAreaValue);
  EachElement(table.RadioElements, data.MaxRadios, [&](FormControl& c, int i) {
    if (table.RadioCheck[i] == 1) c.PutChecked();
  });
  EachElement(table.CheckboxElements, data.MaxCheckboxes, [&](FormControl& c, int i) {
    if (table.CheckboxCheck[i] == 1) c.PutChecked();
  });
  // Every password box receives the login password, whatever its label;
  // unlike the other kinds, an empty password is written too, so a box never
  // keeps a password that belongs to no profile.
  EachElement(table.PasswordElements, data.MaxPasswords,
              [&](FormControl& c, int) { c.PutValue(data.LoginPassword); });
}

void FillDocument(std::shared_ptr<HtmlDocument> document, const CData& data,
                  const FillerSet& fillers) {
  // The table is large (a thousand radios and check boxes); it lives on the
  // heap for the one document.
  auto table = std::make_unique<PageElementTable>();
  table->Collect(data, std::move(document));
  if (table->PageText.empty()) return;
  table->PageText = AnnotatePageText(table->PageText, *table, data);
  if (table->PageText.empty()) return;
  WalkControls(*table, data, fillers);
  WriteBack(*table, data);
}

}  // namespace kakikomi
