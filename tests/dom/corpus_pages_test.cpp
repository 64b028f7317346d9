// Real entry forms from public projects, read from the shared corpus when it
// is there. Their form listings were compared with Chromium's by hand; here
// every page must load, and every control the table collects must be found,
// in order, among the control tags of the annotated text, or the dispatcher
// would hand one box's label to another.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/base/sjis_text.h"
#include "engine/core/cdata.h"
#include "engine/core/form_input_eng.h"
#include "engine/core/label_extraction.h"
#include "engine/core/page_element_table.h"
#include "engine/dom/standalone_document.h"

namespace kakikomi {
namespace {

// A collected name as the annotated tag shows it: normalised with the rest
// of the text, quotes gone, cut at the first "=" and space the way
// TagNameValue cuts.
std::string AsTagShowsIt(std::string name) {
  name = ReplaceAll(NormaliseLabel(name), "\"", "");
  name = name.substr(0, name.find('='));
  return name.substr(0, name.find(' '));
}

// Template pages name some controls "<!--{$key}-->"; the scan takes every
// "<" for the start of a tag, so such a name cannot be looked for.
bool Unshowable(const std::string& name) { return name.find_first_of("<>") != std::string::npos; }

std::string CollectedName(const PageElementTable& table, int position) {
  const int i = table.KindIndex[position];
  switch (table.ElementKinds[position]) {
    case kKindSelect:
      return table.SelectNames[i];
    case kKindRadio:
      return table.RadioNames[i];
    case kKindText:
      return table.TextNames[i];
    case kKindEmail:
      return table.EmailNames[i];
    case kKindTel:
      return table.TelNames[i];
    case kKindCheckbox:
      return table.CheckboxNames[i];
    case kKindPassword:
      return table.PasswordNames[i];
    case kKindTextArea:
      return table.TextAreaNames[i];
    default:
      return "";
  }
}

TEST(CorpusPagesTest, CollectedControlsAppearInTheAnnotatedTextInOrder) {
  const std::filesystem::path corpus = HAKOBUNE_CORPUS_DIR;
  if (!std::filesystem::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
  auto data = std::make_unique<CData>();
  CFormInputEng::ReadData(data.get());
  int pages = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    const std::string extension = entry.path().extension().string();
    if (extension != ".html" && extension != ".tpl") continue;
    const std::string name = entry.path().filename().string();
    std::string error;
    auto document = StandaloneDocument::Load(entry.path().string(), &error);
    ASSERT_TRUE(document) << error;
    ++pages;
    auto table = std::make_unique<PageElementTable>();
    table->Collect(*data, document);
    const std::string annotated = AnnotatePageText(table->PageText, *table, *data);

    int position = 0;
    auto skip_other_inputs = [&] {
      while (position < table->PositionCount && (table->ElementKinds[position] == kKindOtherInput ||
                                                 Unshowable(CollectedName(*table, position))))
        ++position;
    };
    skip_other_inputs();
    for (int at = Find(annotated, "<"); at >= 0 && position < table->PositionCount;
         at = Find(annotated, "<", at + 1)) {
      const int end = Find(annotated, ">", at);
      if (end < 0) break;
      const std::string tag = annotated.substr(at, end - at + 1);
      if (TagNameValue(tag) == AsTagShowsIt(CollectedName(*table, position))) {
        ++position;
        skip_other_inputs();
      }
    }
    EXPECT_EQ(position, table->PositionCount)
        << name << ": control at position " << position << " ("
        << SjisToUtf8(CollectedName(*table, position)) << ") has no tag after the ones before it";
  }
  EXPECT_GT(pages, 0);
}

}  // namespace
}  // namespace kakikomi
