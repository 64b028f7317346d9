#include "engine/core/label_extraction.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "engine/base/sjis_text.h"
#include "engine/core/form_input_eng.h"

namespace kakikomi {
namespace {

// Expected texts are written in UTF-8 with § standing for the separator.
std::string Marks(std::string utf8) {
  for (size_t at; (at = utf8.find("§")) != std::string::npos;)
    utf8.replace(at, std::string("§").size(), kLabelSeparator);
  return utf8;
}

class LabelExtractionTest : public ::testing::Test {
 protected:
  LabelExtractionTest() { CFormInputEng::ReadData(&data_); }
  std::string Annotate(const std::string& utf8_html) {
    return SjisToUtf8(AnnotatePageText(Sjis(utf8_html), table_, data_));
  }
  CData data_;
  PageElementTable table_;
};

struct Case {
  const char* name;
  const char* html;
  const char* expected;
};

TEST_F(LabelExtractionTest, AnnotatesLayoutControlsAndText) {
  const Case cases[] = {
      {"a new row breaks the label, a line break inside a cell does not",
       "<TABLE><TR><TD>ご応募の前に</TD></TR><TR><TD>お名前<BR>漢字で</TD></TR>"
       "<TR><TD>ご住所</TD></TR></TABLE>",
       "§ご応募の前に§お名前漢字で§ご住所"},
      {"a row span of 2 keeps the next row attached",
       "<TABLE><TR><TD rowSpan=\"2\">ご連絡先</TD><TD>自宅の電話番号</TD></TR>"
       "<TR><TD>携帯電話番号</TD></TR><TR><TD>メールアドレス</TD></TR></TABLE>",
       "§ご連絡先自宅の電話番号携帯電話番号§メールアドレス"},
      {"paragraphs and line breaks outside tables separate", "<P>はじめに<BR>ご注意ください</P>",
       "§はじめに§ご注意ください§"},
      {"spacer images add nothing; a sized or unsized image adds its alt",
       "<DIV>お名前<IMG src=s.gif width=10 height=10><IMG src=a.gif width=1 height=50>"
       "<IMG src=t.gif width=100 height=30 alt=\"氏名\">です<IMG src=u.gif>後</DIV>",
       "§お名前§氏名です§後"},
      {"a select lists its options, an empty one as a placeholder",
       "<SELECT name=sex><OPTION value=\"\"></OPTION><OPTION value=1>男性</OPTION>"
       "<OPTION value=2>女性</OPTION></SELECT>後<BR>",
       "<SELECT name=sex list=##%誤動作防止##%男性##%女性##%>後§"},
      {"lower-case tags read like upper-case ones",
       "<div>ご性別</div><select name=s><option>男性<option>女性</select>",
       "§ご性別<SELECT name=s list=##%男性##%女性##%>"},
      {"hidden, button and file inputs are dropped; an untyped one stays",
       "<FORM><INPUT type=hidden name=h><INPUT type=button value=b><INPUT type=file name=f>"
       "<INPUT name=plain><INPUT type=TEXT name=t><INPUT type=RADIO name=r value=1>男</FORM>",
       "<INPUT name=plain><INPUT type=text name=t><INPUT type=radio name=r value=1>男"},
      {"a textarea keeps its tag and its content as text",
       "<DIV>ご意見</DIV><TEXTAREA name=q rows=3>ここに　入力</TEXTAREA>",
       "§ご意見<TEXTAREA name=q rows=3>ここに入力"},
      {"entities go, runs of separators collapse", "<P>A&nbsp;B&amp;C</P><P></P><BR><DIV></DIV>",
       "§ABC§"},
      {"comments and scripts go",
       "<DIV>a<!-- <INPUT name=x> -->b<SCRIPT>var s='<INPUT name=y>';</SCRIPT>c"
       "<script>x</script>d</DIV>",
       "§abcd"},
      {"the capital is read in its short form", "<DIV>東京都千代田区</DIV>", "§東京千代田区"},
      {"labels are normalised", "<DIV>お名前（姓）※必須</DIV><INPUT name=sei>",
       "§お名前姓#<INPUT name=sei>"},
      {"text before the first and after the last tag is not taken", "前<DIV>中</DIV>後", "§中"},
      {"doubled brackets collapse", "<<DIV>>氏名</DIV>", "§氏名"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Annotate(c.html), Marks(c.expected));
  }
}

TEST_F(LabelExtractionTest, BrokenMarkupEndsTheRuleItBreaks) {
  const Case cases[] = {
      {"an unterminated tag ends the scan", "<DIV>お名前<INPUT name=a", "§お名前"},
      {"a lone bracket", "<DIV>氏名</DIV> a < b", "§氏名a"},
      {"only a bracket", "<", ""},
      {"a comment without its end swallows nothing it cannot see",
       "<DIV>a</DIV><!-- <INPUT name=x>", "§a"},
      {"a script without its end", "<DIV>a</DIV><SCRIPT>if(x<y){}", "§aif(x"},
      {"a bracket inside a tag starts no tag", "<DIV>x</DIV><INPUT name=a value=\"1<2\">y<DIV>",
       "§x<INPUT name=a value=1<2>y§"},
      {"names full of = and quotes", "<INPUT name=\"a=b=c\" value=\"x\"\"y\">",
       "<INPUT name=a=b=c value=xy>"},
      {"a select still open at the end is closed", "<SELECT name=a><OPTION>一",
       "<SELECT name=a list=##%一##%>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Annotate(c.html), Marks(c.expected));
  }
}

TEST(NormaliseLabelTest, AppliesRowsInOrder) {
  const Case cases[] = {
      {"marks and the required sign", "お名前（姓）※必須", "お名前姓#"},
      {"longer words before the words they hold", "全角カタカナ", "#"},
      {"", "半角カナ", "#カナ"},
      {"", "必須事項", "#"},
      {"", "英数字", "#"},
      {"a mark between separators goes with one of them", "a§必須§b", "a§b"},
      {"", "かな漢字", "漢字"},
      {"occupations are turned", "会社員・自営業", "員社員会・営自業"},
      {"", "(姓)", "姓"},
      {"a separator before a name part becomes filler", "氏名§姓§名§性別",
       "氏名%%%%%姓%%%%%名%%%%%性別"},
      {"", "旧姓・国名", "%%%%%・%%%%%"},
      {"", "建物名", "建物"},
      {"no separator beside a tag", "a§<INPUT>§b", "a<INPUT>b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.html);
    EXPECT_EQ(SjisToUtf8(NormaliseLabel(Sjis(Marks(c.html)))), Marks(c.expected));
  }
}

TEST(TagTextTest, AttributeNameAndSpaces) {
  EXPECT_EQ(SjisToUtf8(TagAttrValue(Sjis("<IMG alt=お 名前 src=a.gif width=100>"), "alt")),
            "お名前");
  EXPECT_EQ(TagAttrValue("<IMG src=a.gif width=100>", "width"), "100");
  EXPECT_EQ(TagAttrValue("<IMG src=a.gif width=>", "width"), "");
  EXPECT_EQ(TagAttrValue("<IMG src=a.gif>", "alt"), "");

  EXPECT_EQ(TagNameValue("<INPUT name=zip1 size=10 type=text>"), "zip1");
  EXPECT_EQ(TagNameValue("<INPUT type=text name=zip1>"), "zip1");
  EXPECT_EQ(TagNameValue("<SELECT name=sex list=##%a##%>"), "sex");
  EXPECT_EQ(TagNameValue("<INPUT name=a=b=c>"), "a");
  EXPECT_EQ(TagNameValue("<INPUT type=text>"), "");

  EXPECT_EQ(SjisToUtf8(RemoveSpaces(Sjis("お 名　前 "))), "お名前");
  // The trail byte of ソ (0x83 0x5C) is no space and no separator.
  EXPECT_EQ(SjisToUtf8(RemoveSpaces(Sjis("ソ　ソ"))), "ソソ");
}

class PageOffersTest : public LabelExtractionTest {};

TEST_F(PageOffersTest, FlagsFollowTheProfileWords) {
  data_.SexIndex = 0;
  Annotate("<DIV>性別</DIV><INPUT type=radio name=s>男性<BR>");
  EXPECT_TRUE(table_.SexOffered);
  EXPECT_FALSE(table_.ChoiceSkip);
}

TEST_F(PageOffersTest, ChoiceSkipOnlyWhenNothingIsOffered) {
  data_.SexIndex = 1;
  data_.BloodTypeIndex = 0;
  Annotate("<DIV>性別</DIV><INPUT type=radio name=s>男性<BR>A<BR>");
  EXPECT_FALSE(table_.SexOffered);
  EXPECT_FALSE(table_.BloodTypeOffered);
  EXPECT_TRUE(table_.ChoiceSkip);
}

TEST_F(PageOffersTest, WordsAreSearchedInTheNormalisedText) {
  data_.ToDouHuKenIndex = 12;  // 東京
  data_.JobIndex = 1;
  data_.JobWord = data_.JobNames[1];  // 会社員, stored turned
  data_.JobWord2 = data_.JobAltNames[1];
  data_.BloodTypeIndex = 3;
  Annotate("<DIV>東京都</DIV><DIV>会社員</DIV><DIV>ＡＢ型</DIV>");
  EXPECT_TRUE(table_.ToDouHuKenOffered);
  EXPECT_TRUE(table_.RegionOffered == 0);  // 関東 is not on the page
  EXPECT_TRUE(table_.JobOffered);
  EXPECT_TRUE(table_.BloodTypeOffered);
}

TEST_F(PageOffersTest, AnEmptyRegionWordIsNeverFound) {
  data_.ToDouHuKenIndex = 0;  // 北海道 has no region word
  Annotate("<DIV>どこでも</DIV>");
  EXPECT_FALSE(table_.RegionOffered);
  EXPECT_FALSE(table_.ToDouHuKenOffered);
}

// Inputs that would make a replace-and-search-again loop quadratic. Each
// must come back quickly with its ordinary result.
TEST_F(LabelExtractionTest, LargePagesStayLinear) {
  const auto started = std::chrono::steady_clock::now();

  const std::string plain(1 << 20, 'a');
  EXPECT_EQ(AnnotatePageText(plain, table_, data_), "");

  std::string brackets;
  for (int i = 0; i < (1 << 18); ++i) brackets += "< a ";
  EXPECT_EQ(AnnotatePageText(brackets, table_, data_), "");

  std::string open_tags = "<DIV>x</DIV>";
  for (int i = 0; i < (1 << 17); ++i) open_tags += "<INPUT ";
  open_tags += "name=n>tail<DIV>";
  const std::string one = AnnotatePageText(open_tags, table_, data_);
  EXPECT_EQ(Find(one, "tail"), ReverseFind(one, "tail"));  // the text after ">" once

  std::string separators = "<DIV>a";
  for (int i = 0; i < (1 << 15); ++i) separators += "<BR><DIV><P></P>";
  separators += "b</DIV>";
  EXPECT_EQ(AnnotatePageText(separators, table_, data_), Marks("§a§b"));

  std::string options = "<SELECT name=many>";
  for (int i = 0; i < 10000; ++i) options += "<OPTION value=" + std::to_string(i) + ">o";
  options += "</SELECT>";
  const std::string list = AnnotatePageText(options, table_, data_);
  EXPECT_EQ(list.size(), std::string("<SELECT name=many list=##%").size() + 10000 * 4 + 1);

  std::string controls;
  for (int i = 0; i < 1500; ++i)
    controls += "<TR><TD>label " + std::to_string(i) + "</TD><TD><INPUT name=c" +
                std::to_string(i) + "></TD></TR>";
  const std::string walked = AnnotatePageText("<TABLE>" + controls + "</TABLE>", table_, data_);
  EXPECT_NE(Find(walked, "<INPUT name=c1499>"), -1);

  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  EXPECT_LT(seconds, 10.0);  // a quadratic step takes minutes on these sizes
}

}  // namespace
}  // namespace kakikomi
