// Pages that are not what they should be: each is refused with a line that
// names the file, or read like any other page, and never crashes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/base/sjis_text.h"
#include "engine/dom/standalone_document.h"
#include "tests/dom/page_files.h"

namespace kakikomi {
namespace {

using dom_testing::ScratchFolder;

std::string Garbage(size_t size) {
  std::mt19937 random(20261210);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

std::string Repeat(const std::string& piece, int times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

struct BadInputCase {
  const char* name;
  std::string bytes;
  const char* error;  // empty: the page loads
  int forms;
};

TEST(StandaloneBadInputTest, RefusesOrReadsEveryPage) {
  const BadInputCase cases[] = {
      {"empty file", "", "", 0},
      {"binary garbage", Garbage(200000), "", -1},
      {"invalid shift_jis", "<meta charset=shift_jis><form><input name=\x81\x20\xFF></form>", "",
       1},
      {"nested 100 000 deep", "<form>" + Repeat("<div>", 100000) + "<input name=x>",
       "markup nested more than 1024 levels deep", 0},
      {"unclosed formatting nested 100 000 deep", Repeat("<b><i>", 50000),
       "markup nested more than 1024 levels deep", 0},
      {"unclosed cells and paragraphs do not nest",
       "<form><table><tr>" + Repeat("<td><font size=2><p><font>x", 5000) + "</table></form>", "",
       1},
      {"unclosed list items and options do not nest",
       "<form><ul>" + Repeat("<li><span>x", 5000) + "</ul><select>" + Repeat("<option>x", 5000) +
           "</select></form>",
       "", 1},
      {"nesting browsers keep flattened", "<form>" + Repeat("<div>", 1000) + "<input name=x>", "",
       1},
      {"thousands of forms", Repeat("<form><input name=a></form>", 5000), "", 5000},
      {"unterminated everything", "<form><input name='a><!-- <script>", "", 1},
  };
  ScratchFolder folder;
  for (const BadInputCase& c : cases) {
    const std::string path = folder.Write("page.html", c.bytes);
    std::string error;
    auto document = StandaloneDocument::Load(path, &error);
    if (*c.error) {
      EXPECT_FALSE(document) << c.name;
      EXPECT_EQ(error, path + ": " + c.error) << c.name;
      continue;
    }
    ASSERT_TRUE(document) << c.name << ": " << error;
    if (c.forms >= 0) {
      EXPECT_EQ(document->FormCount(), c.forms) << c.name;
    }
    // The body serialises and every control answers.
    document->BodyInnerHtml();
    for (int f = 0; f < document->FormCount(); ++f)
      for (int j = 0; j < document->Form(f)->Length(); ++j) document->Form(f)->Item(j)->Name();
  }
}

TEST(StandaloneBadInputTest, FilesThatAreNoPagesNameTheProblem) {
  ScratchFolder folder;
  std::string error;
  EXPECT_FALSE(StandaloneDocument::Load(folder.Path("missing.html"), &error));
  EXPECT_EQ(error, folder.Path("missing.html") + ": No such file or directory");
  folder.Write("sub/x.html", "");
  EXPECT_FALSE(StandaloneDocument::Load(folder.Path("sub"), &error));
  EXPECT_EQ(error, folder.Path("sub") + ": is a directory");
}

TEST(StandaloneBadInputTest, LargePageLoadsWhole) {
  // A megabyte of form rows; the last row must still be there.
  const std::string row = Sjis("<tr><td>お名前</td><td><input name=n size=20></td></tr>\n");
  const std::string page = "<table><form>" + Repeat(row, 1024 * 1024 / row.size()) +
                           "<tr><td><input name=last></td></tr></form></table>";
  auto document = dom_testing::ParsePage(page);
  ASSERT_EQ(document->FormCount(), 1);
  HtmlForm* form = document->Form(0);
  EXPECT_EQ(form->Item(form->Length() - 1)->Name(), "last");
  EXPECT_GT(document->BodyInnerHtml().size(), 1024u * 1024);
}

}  // namespace
}  // namespace kakikomi
