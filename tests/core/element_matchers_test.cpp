#include "engine/core/element_matchers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/base/sjis_text.h"

namespace kakikomi {
namespace {

// A table whose radios carry `names`, as the collection would leave it.
void SetRadios(PageElementTable& table, const std::vector<std::string>& names) {
  table.RadioCount = static_cast<int>(names.size());
  for (size_t i = 0; i < names.size(); ++i) table.RadioNames[i] = names[i];
}

TEST(ElementMatchersTest, RadiosOfOneNameAreHandedOutInPageOrder) {
  PageElementTable table;
  SetRadios(table, {"sex", "sex", "mail"});
  table.ControlTags[0] = "<INPUT type=radio name=sex value=1>";
  EXPECT_EQ(MatchRadio("sex", table), 0);
  EXPECT_EQ(MatchRadio("sex", table), 1);
  EXPECT_EQ(MatchRadio("mail", table), 2);
  EXPECT_EQ(MatchRadio("mail", table), -1);  // every radio handed out
}

TEST(ElementMatchersTest, FallsBackFromTheNameToTheTagToTheNormalisedName) {
  PageElementTable table;
  // Exact name after skipping the empty one.
  SetRadios(table, {"", "b"});
  table.ControlTags[0] = "<INPUT type=radio name=b>";
  EXPECT_EQ(MatchRadio("\"b\"", table), 1);

  // The element at the cursor whose name occurs in the tag after name=.
  table = PageElementTable();
  SetRadios(table, {"sex", "other"});
  table.ControlTags[0] = "<INPUT type=radio name=sex1>";
  EXPECT_EQ(MatchRadio("sex1", table), 0);
  EXPECT_EQ(table.MatchCursor[kCursorRadio], 1);
  // The normalised name: 必須 reads as # in the page text.
  table.RadioNames[1] = Sjis("必須a");
  table.ControlTags[0] = "<INPUT type=radio name=#a>";
  EXPECT_EQ(MatchRadio("#a", table), 1);

  // Nothing fits: the element at the cursor, and the cursor stays.
  table = PageElementTable();
  SetRadios(table, {"p", "q"});
  table.ControlTags[0] = "<INPUT type=radio name=zzz>";
  EXPECT_EQ(MatchRadio("zzz", table), 0);
  EXPECT_EQ(MatchRadio("zzz", table), 0);
  EXPECT_EQ(table.MatchCursor[kCursorRadio], 0);
}

// A name that occurs in an input's tag only before name= (here as its type)
// does not place it: the cursor stays. A select's name counts anywhere.
TEST(ElementMatchersTest, WhereTheCollectedNameMayOccurInTheTag) {
  PageElementTable table;
  SetRadios(table, {"radio", "z"});
  table.ControlTags[0] = "<INPUT type=radio name=q>";
  EXPECT_EQ(MatchRadio("q", table), 0);
  EXPECT_EQ(table.MatchCursor[kCursorRadio], 0);

  table.SelectCount = 2;
  table.SelectNames[0] = "pref";
  table.SelectNames[1] = "z";
  table.ControlTags[0] = "<SELECT id=pref name=p list=##%a##%>";
  EXPECT_EQ(MatchSelect("p", table), 0);
  EXPECT_EQ(table.MatchCursor[kCursorSelect], 1);
}

TEST(ElementMatchersTest, TelBoxesMatchOnlyByName) {
  PageElementTable table;
  table.TelCount = 1;
  table.TelNames[0] = "";
  table.ControlTags[0] = "<INPUT type=tel name=tel1>";
  EXPECT_EQ(MatchTel("tel1", table), -1);
  table.TelNames[0] = "tel1";
  EXPECT_EQ(MatchTel("tel1", table), 0);
}

// Pages often hold more controls than a kind's limit, or controls outside
// any form: their tags are in the text but no element was collected. Slots
// past the count hold empty names, which would "occur" in every tag.
TEST(ElementMatchersTest, NeverHandsOutAnIndexPastTheCollectedElements) {
  struct Kind {
    const char* name;
    int (*match)(const std::string&, PageElementTable&);
    int PageElementTable::*count;
    int collected;
    int on_page;
    const char* tag;
  };
  const Kind kinds[] = {
      {"12 email boxes", MatchEmail, &PageElementTable::EmailCount, 9, 12,
       "<INPUT type=email name=m>"},
      {"33 selects", MatchSelect, &PageElementTable::SelectCount, 30, 33,
       "<SELECT name=s list=##%a##%>"},
      {"63 text boxes", MatchText, &PageElementTable::TextCount, 58, 63, "<INPUT name=t>"},
      {"textareas", MatchTextArea, &PageElementTable::TextAreaCount, 20, 25, "<TEXTAREA name=a>"},
      {"check boxes", MatchCheckbox, &PageElementTable::CheckboxCount, 1000, 1010,
       "<INPUT type=checkbox name=c>"},
  };
  for (const Kind& kind : kinds) {
    SCOPED_TRACE(kind.name);
    PageElementTable table;
    table.*kind.count = kind.collected;  // collected names stay empty
    table.ControlTags[0] = kind.tag;
    for (int i = 0; i < kind.on_page; ++i) {
      const int index = kind.match("x", table);
      EXPECT_EQ(index, i < kind.collected ? i : -1);
    }
  }
}

}  // namespace
}  // namespace kakikomi
