#include <gtest/gtest.h>

#include <string>

#include "engine/base/sjis_text.h"
#include "engine/core/cdata.h"
#include "engine/core/form_input_eng.h"
#include "engine/core/label_extraction.h"
#include "engine/core/page_element_table.h"
#include "engine/dom/dom_node.h"
#include "engine/dom/standalone_document.h"
#include "tests/dom/page_files.h"

namespace kakikomi {
namespace {

using dom_testing::ParsePage;

std::string BodyHtml(const std::string& body) {
  return SjisToUtf8(ParsePage("<html><body>" + body + "</body></html>")->BodyInnerHtml());
}

struct SerialiseCase {
  const char* name;
  const char* body;
  const char* inner_html;
};

TEST(IeInnerHtmlTest, WritesTagsAndAttributesAsInternetExplorerDid) {
  const SerialiseCase cases[] = {
      {"text input with quoted and plain values",
       "<input type=\"text\" name=\"name1\" size=\"20\" maxlength=\"30\" value=\"山田 太郎\">",
       "<INPUT type=text name=name1 size=20 maxLength=30 value=\"山田 太郎\">"},
      {"boolean attribute bare, type as the browser reports it",
       "<input type=TEXT readonly=readonly name=k><input type=Foo name=x>",
       "<INPUT type=text readOnly name=k><INPUT type=text name=x>"},
      {"input without a type stays without one", "<input name=n>", "<INPUT name=n>"},
      {"table cells with IE's attribute spellings",
       "<table cellpadding=2><tr><td rowspan=\"2\" colspan=3 nowrap valign=top>x</td></tr></table>",
       "<TABLE cellPadding=2><TBODY><TR><TD rowSpan=2 colSpan=3 noWrap vAlign=top>x</TD></TR>"
       "</TBODY></TABLE>"},
      {"select with its options",
       "<select name=sex><option value=\"\">--<option value=1 selected>男</select>",
       "<SELECT name=sex><OPTION value=\"\">--</OPTION><OPTION value=1 selected>男</OPTION>"
       "</SELECT>"},
      {"entities in text", "a&nbsp;b &amp; &lt;c&gt; \"d\"", "a&nbsp;b &amp; &lt;c&gt; \"d\""},
      {"comments and scripts as written", "<!-- note --><script>if (a < b) x = \"<b>\";</script>",
       "<!-- note --><SCRIPT>if (a < b) x = \"<b>\";</SCRIPT>"},
      {"image with size and alt",
       "<img src=\"img/a.gif\" width=\"100\" height=\"30\" alt=\"氏名\">",
       "<IMG src=\"img/a.gif\" width=100 height=30 alt=\"氏名\">"},
      {"quotes and ampersands inside values", "<input name=q value='say \"hi\" &amp; go'>",
       "<INPUT name=q value=\"say &quot;hi&quot; &amp; go\">"},
      {"textarea content escaped", "<textarea name=t>a<b</textarea>",
       "<TEXTAREA name=t>a&lt;b</TEXTAREA>"},
      {"noscript kept as its text", "<noscript><img src=\"x.gif?a=1&amp;b=2\"></noscript>",
       "<NOSCRIPT><img src=\"x.gif?a=1&amp;b=2\"></NOSCRIPT>"},
      {"line breaks and paragraphs", "<p>a<br>b</p><div>c</div>", "<P>a<BR>b</P><DIV>c</DIV>"},
  };
  for (const SerialiseCase& c : cases) EXPECT_EQ(BodyHtml(c.body), c.inner_html) << c.name;
}

TEST(IeInnerHtmlTest, DeepTreesSerialiseWithoutRecursion) {
  // Built by hand, far deeper than any parsed page can get.
  DomNode root;
  DomNode* node = &root;
  for (int i = 0; i < 100000; ++i) {
    node->children.push_back(std::make_unique<DomNode>());
    node = node->children.back().get();
    node->tag = "b";
  }
  const std::string html = SerializeInnerHtml(root);
  EXPECT_EQ(html.size(), 100000u * 7);
  // Take it apart from the bottom so that destruction does not recurse either.
  std::vector<std::unique_ptr<DomNode>> chain;
  for (DomNode* at = &root; !at->children.empty();) {
    chain.push_back(std::move(at->children.back()));
    at->children.pop_back();
    at = chain.back().get();
  }
  while (!chain.empty()) chain.pop_back();
}

// Every collected control must be findable in the annotated page text by its
// name, in page order; otherwise the dispatcher fills the wrong boxes.
TEST(IeInnerHtmlTest, AnnotatedTextHoldsEveryCollectedControlInOrder) {
  auto document = ParsePage(
      "<table><form name=entry><tr><td>氏名</td><td><input type=\"Text\" name=\"sei\">"
      "<input name=mei></td></tr><tr><td>性別<input type=radio name=sex value=1 checked>男"
      "<input type=RADIO name=sex value=2>女</td></tr><tr><td><select name=pref>"
      "<option>東京都<option>大阪府</select><input type=Email name=mail>"
      "<input type=tel name=tel><input type=password name=pw><textarea name=memo>"
      "</textarea><input type=checkbox name=news value=y><input type=SUBMIT value=送信>"
      "</td></tr></form></table>");
  auto data = std::make_unique<CData>();
  CFormInputEng::ReadData(data.get());
  auto table = std::make_unique<PageElementTable>();
  table->Collect(*data, document);
  ASSERT_EQ(table->PositionCount, 11);  // the submit button takes the last position
  const std::string annotated = AnnotatePageText(table->PageText, *table, *data);

  const std::string names[] = {"sei",  "mei", "sex", "sex",  "pref",
                               "mail", "tel", "pw",  "memo", "news"};
  int from = 0;
  for (const std::string& name : names) {
    const int tag = Find(annotated, "<", from);
    ASSERT_GE(tag, 0) << name;
    const int end = Find(annotated, ">", tag);
    const std::string text = annotated.substr(tag, end - tag + 1);
    EXPECT_EQ(TagNameValue(text), name) << text;
    from = end;
  }
  // The submit button closes the form in the text too.
  EXPECT_TRUE(Contains(annotated.substr(from), "type=submit"));
}

}  // namespace
}  // namespace kakikomi
