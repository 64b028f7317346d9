// Forms and their elements as document.forms[i].elements lists them. The
// expected lists were checked against Chromium's own for the same markup.
#include "engine/dom/form_association.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/dom/element_facts.h"
#include "tests/dom/page_files.h"

namespace kakikomi {
namespace {

using dom_testing::ParsePage;

// "form0: a b | form1: c" from the document's forms and the names of
// their controls.
std::string Listing(const std::string& html) {
  auto document = ParsePage(html);
  std::string out;
  for (int f = 0; f < document->FormCount(); ++f) {
    if (f) out += " | ";
    out += "form" + std::to_string(f) + ":";
    HtmlForm* form = document->Form(f);
    for (int j = 0; j < form->Length(); ++j) out += " " + form->Item(j)->Name();
  }
  return out;
}

struct AssociationCase {
  const char* name;
  const char* html;
  const char* listing;
};

TEST(FormAssociationTest, ListsControlsAsTheBrowserDoes) {
  const AssociationCase cases[] = {
      {"plain form",
       "<form><input name=a><select name=b></select><textarea name=c></textarea></form>",
       "form0: a b c"},
      {"form opened inside a table keeps its rows' controls",
       "<table><form><tr><td><input name=a></td></tr><tr><td><select name=b></select></td></tr>"
       "</form><tr><td><input name=after></td></tr></table>",
       "form0: a b"},
      {"form opened in a cell stays open after the cell closes",
       "<table><tr><td><form><input name=a></td><td><input name=b></td></tr></table>"
       "<input name=c></form><input name=d>",
       "form0: a b c"},
      {"a stray end tag closes the association even when it closes nothing",
       "<table><form><tr><td><input name=a></td></tr></table></form><input name=b>", "form0: a"},
      {"a second form start while one is open is ignored",
       "<form><input name=a><form><input name=b></form><input name=c>", "form0: a b"},
      {"form= attribute, before and after its form",
       "<input name=early form=f><form id=f><input name=inside></form><input name=late form=f>",
       "form0: early inside late"},
      {"form= naming no form leaves the control out even inside a form",
       "<p id=p></p><form><input name=a form=p><input name=b form=none><input name=c></form>",
       "form0: c"},
      {"form= overrides the enclosing form",
       "<form id=one><input name=a form=two></form><form id=two><input name=b></form>",
       "form0: | form1: a b"},
      {"listed elements in tree order, image buttons left out",
       "<form><fieldset name=fs><button name=bt></button></fieldset><object name=ob></object>"
       "<output name=ou></output><input type=image name=im><input type=IMAGE name=im2>"
       "<input type=hidden name=hi><label>x</label><img name=pic></form>",
       "form0: fs bt ob ou hi"},
      {"controls outside every form belong to none", "<input name=a><form></form>", "form0:"},
      {"template content belongs to no form",
       "<form><template><input name=t></template><input name=a></form>", "form0: a"},
      {"noscript content is text, not controls",
       "<form><noscript><input name=ns></noscript><input name=a></form>", "form0: a"},
      {"a form inside noscript neither opens nor closes anything",
       "<form><noscript><p>JS</p><form><input name=inner></form></noscript><input name=after>"
       "</form>",
       "form0: after"},
      {"controls written after the form in a table row are foster parented but still listed",
       "<table><form><tr><td>x</td></tr><input name=fostered></table>", "form0: fostered"},
  };
  for (const AssociationCase& c : cases) EXPECT_EQ(Listing(c.html), c.listing) << c.name;
}

TEST(FormAssociationTest, ReportsTypesAndTagsAsTheBrowserDoes) {
  auto document = ParsePage(
      "<form><input name=none><input type=Text name=mixed><input type=EMAIL name=mail>"
      "<input type=foo name=unknown><input type=tel name=tel><input type=' text' name=spaced>"
      "<select name=s></select><select multiple name=m></select><textarea name=t></textarea>"
      "<button name=b></button><fieldset name=f></fieldset><object name=o></object>"
      "<output name=u></output></form>");
  struct Expected {
    const char* name;
    ControlTag tag;
    const char* type;
  };
  const Expected expected[] = {
      {"none", ControlTag::kInput, "text"},     {"mixed", ControlTag::kInput, "text"},
      {"mail", ControlTag::kInput, "email"},    {"unknown", ControlTag::kInput, "text"},
      {"tel", ControlTag::kInput, "tel"},       {"spaced", ControlTag::kInput, "text"},
      {"s", ControlTag::kSelect, "select-one"}, {"m", ControlTag::kSelect, "select-multiple"},
      {"t", ControlTag::kTextArea, "textarea"}, {"b", ControlTag::kOther, "submit"},
      {"f", ControlTag::kOther, "fieldset"},    {"o", ControlTag::kOther, ""},
      {"u", ControlTag::kOther, "output"},
  };
  HtmlForm* form = document->Form(0);
  ASSERT_EQ(form->Length(), static_cast<int>(std::size(expected)));
  for (int j = 0; j < form->Length(); ++j) {
    EXPECT_EQ(form->Item(j)->Name(), expected[j].name);
    EXPECT_EQ(form->Item(j)->Tag(), expected[j].tag) << expected[j].name;
    EXPECT_EQ(form->Item(j)->Type(), expected[j].type) << expected[j].name;
  }
}

TEST(FormAssociationTest, ReadsAttributesAsTheBrowserReportsThem) {
  auto document = ParsePage(
      "<form><input name=a maxlength=10 size=5><input name=b maxlength=x size=0>"
      "<input name=c maxlength=' 7px'><input type=checkbox name=d><input type=radio name=e value=2>"
      "<input name="
      "\xE5\x90\x8D\xE5\x89\x8D"
      " value=\xE5\xB1\xB1\xE7\x94\xB0></form>");
  HtmlForm* form = document->Form(0);
  struct Expected {
    int max_length, size;
    std::string value;
  };
  const Expected expected[] = {{10, 5, ""},    {-1, 20, ""},  {7, 20, ""},
                               {-1, 20, "on"}, {-1, 20, "2"}, {-1, 20, Sjis("山田")}};
  ASSERT_EQ(form->Length(), 6);
  for (int j = 0; j < 6; ++j) {
    EXPECT_EQ(form->Item(j)->MaxLength(), expected[j].max_length) << j;
    EXPECT_EQ(form->Item(j)->Size(), expected[j].size) << j;
    EXPECT_EQ(form->Item(j)->Value(), expected[j].value) << j;
  }
  EXPECT_EQ(form->Item(5)->Name(), Sjis("名前"));  // CP932 across the interface
}

}  // namespace
}  // namespace kakikomi
