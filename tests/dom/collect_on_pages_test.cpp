// The page element table collected from parsed pages, so that the limits
// meet the controls as a browser lists them.
#include <gtest/gtest.h>

#include <string>

#include "engine/core/cdata.h"
#include "engine/core/form_input_eng.h"
#include "engine/core/page_element_table.h"
#include "tests/dom/page_files.h"

namespace kakikomi {
namespace {

std::string Repeat(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

class CollectOnPagesTest : public ::testing::Test {
 protected:
  CollectOnPagesTest() { CFormInputEng::ReadData(data_.get()); }

  std::unique_ptr<PageElementTable> Collect(const std::string& html) {
    auto table = std::make_unique<PageElementTable>();
    table->Collect(*data_, dom_testing::ParsePage(html));
    return table;
  }

  // The kind codes of the collected positions, up to the end mark.
  static std::string Kinds(const PageElementTable& table) {
    std::string out;
    for (int i = 0; table.ElementKinds[i] != kKindEnd; ++i)
      out += std::to_string(table.ElementKinds[i]);
    return out;
  }

  std::unique_ptr<CData> data_ = std::make_unique<CData>();
};

TEST_F(CollectOnPagesTest, KindLimitsMeetParsedControls) {
  auto texts =
      Collect("<table><form>" + Repeat("<tr><td><input name=t></td></tr>", 59) + "</form></table>");
  EXPECT_EQ(texts->TextCount, 58);
  EXPECT_EQ(texts->PositionCount, 58);  // the 59th gets no position

  auto emails = Collect("<form>" + Repeat("<input type=email name=m>", 10) + "</form>");
  EXPECT_EQ(emails->EmailCount, 9);
  EXPECT_EQ(emails->PositionCount, 9);
}

TEST_F(CollectOnPagesTest, KindsFollowTheReportedTypes) {
  // Hidden takes no position, submit takes kind 6, an image button is not
  // one of the form's elements; types in any letter case are reported in
  // lower case, so "Text" is a text box and "RADIO" a radio button.
  auto table = Collect(
      "<form><input type=hidden name=h><input type=Text name=a><input type=RADIO name=r>"
      "<input type=image src=go.gif><select name=s></select><textarea name=t></textarea>"
      "<input type=PassWord name=p><input type=tel name=tel><input type=checkbox name=c>"
      "<input type=email name=m><input type=submit><input type=reset><input type=date name=d>"
      "<button>b</button></form><input name=outside>");
  EXPECT_EQ(Kinds(*table), "10345827666");
  EXPECT_EQ(table->TextNames[0], "a");
  EXPECT_EQ(table->TextCount, 1);  // the box outside every form is never seen
  EXPECT_EQ(table->KindIndex[9], -1);
}

TEST_F(CollectOnPagesTest, PositionsContinueAcrossMisnestedFormsUpToTheLimit) {
  auto table = Collect(
      "<table><form><tr><td><input name=a></td></tr></form></table>"
      "<table><form><tr><td><input name=b><input type=submit></td></tr></form></table>");
  EXPECT_EQ(Kinds(*table), "116");
  EXPECT_EQ(table->TextNames[1], "b");

  // Five thousand controls: positions stop at 1500, the walk does not crash.
  auto many = Collect("<form>" + Repeat("<input type=checkbox name=c>", 1200) +
                      Repeat("<input type=button>", 3800) + "</form>");
  EXPECT_EQ(many->CheckboxCount, 1000);
  EXPECT_EQ(many->PositionCount, 1500);
  EXPECT_EQ(many->ElementKinds[1500], kKindEnd);
}

}  // namespace
}  // namespace kakikomi
