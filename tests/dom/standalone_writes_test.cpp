#include <gtest/gtest.h>

#include <string>

#include "engine/base/sjis_text.h"
#include "engine/dom/filled_page.h"
#include "engine/dom/standalone_document.h"
#include "tests/dom/page_files.h"

namespace kakikomi {
namespace {

using dom_testing::ParsePage;

const char kPage[] =
    "<html><head><meta http-equiv=Content-Type content='text/html; charset=Shift_JIS'>"
    "<title>t</title></head><body><form>"
    "<input name=name value=old><input type=email name=mail>"
    "<select name=pref><option>--<option "
    "selected>大阪府<optgroup><option>東京都</optgroup></select>"
    "<input type=radio name=sex value=m checked><input type=radio name=sex value=f>"
    "<input type=checkbox name=news><textarea name=memo>old text</textarea>"
    "<input type=file name=upload><input type=submit value=go></form></body></html>";

FormControl* Control(StandaloneDocument& document, int index) {
  return document.Form(0)->Item(index);
}

TEST(StandaloneWritesTest, RecordsWritesAndRefusesWhatABrowserRefuses) {
  auto document = ParsePage(Sjis(kPage));                 // the page declares Shift_JIS
  Control(*document, 0)->PutValue(Sjis("山田\r\n太郎"));  // line breaks are dropped
  Control(*document, 1)->PutValue(Sjis("  taro@example.jp "));
  Control(*document, 2)->PutSelectedIndex(2);
  Control(*document, 2)->PutSelectedIndex(7);  // out of range: refused
  Control(*document, 2)->PutValue("x");        // selects take no value
  Control(*document, 4)->PutChecked();         // the other radio of the group loses its tick
  Control(*document, 5)->PutChecked();
  Control(*document, 6)->PutValue(Sjis("よろしく"));
  Control(*document, 7)->PutValue("c:\\secret");  // file inputs refuse values
  Control(*document, 0)->PutChecked();            // a text box cannot be ticked

  EXPECT_EQ(Control(*document, 0)->Value(), Sjis("山田太郎"));
  EXPECT_EQ(Control(*document, 2)->Value(), Sjis("東京都"));
  const std::vector<RecordedWrite> writes = document->Writes();
  std::vector<std::string> listed;
  for (const RecordedWrite& write : writes) {
    std::string line = std::to_string(write.form_index) + "/" +
                       std::to_string(write.element_index) + " " + write.tag + " " + write.type +
                       " " + write.name + " ";
    switch (write.what) {
      case RecordedWrite::What::kValue:
        line += "value=" + write.value;
        break;
      case RecordedWrite::What::kSelectedIndex:
        line += "option=" + std::to_string(write.option_index) + ":" + write.option_text;
        break;
      case RecordedWrite::What::kChecked:
        line += write.checked ? "checked" : "unchecked";
        break;
    }
    listed.push_back(line);
  }
  EXPECT_EQ(listed, (std::vector<std::string>{
                        "0/0 input text name value=山田太郎",
                        "0/1 input email mail value=taro@example.jp",
                        "0/2 select select-one pref option=2:東京都",
                        "0/4 input radio sex checked",
                        "0/5 input checkbox news checked",
                        "0/6 textarea textarea memo value=よろしく",
                    }));
}

TEST(StandaloneWritesTest, FilledPageReadsBackWithTheWrittenState) {
  auto document = ParsePage(Sjis(kPage));  // the page declares Shift_JIS
  Control(*document, 0)->PutValue(Sjis("\"山田\" & <太郎>"));
  Control(*document, 2)->PutSelectedIndex(0);
  Control(*document, 4)->PutChecked();
  Control(*document, 5)->PutChecked();
  Control(*document, 6)->PutValue(Sjis("</textarea><b>x"));
  const std::string filled = SerializeFilledPage(*document);

  EXPECT_EQ(filled.find("Shift_JIS"), std::string::npos);  // the page is UTF-8 now
  EXPECT_NE(filled.find("<meta charset=\"utf-8\">"), std::string::npos);
  auto again = ParsePage(filled);
  EXPECT_EQ(again->encoding(), "UTF-8");
  EXPECT_EQ(again->encoding_source(), "meta");
  auto state = [&](int index) {
    return static_cast<const StandaloneControl*>(again->Form(0)->Item(index));
  };
  EXPECT_EQ(state(0)->Value(), Sjis("\"山田\" & <太郎>"));
  EXPECT_EQ(state(2)->selected_index(), 0);
  EXPECT_FALSE(state(3)->checked());
  EXPECT_TRUE(state(4)->checked());
  EXPECT_TRUE(state(5)->checked());
  EXPECT_EQ(state(6)->Value(), Sjis("</textarea><b>x"));
  EXPECT_EQ(again->Form(0)->Length(), document->Form(0)->Length());
}

TEST(StandaloneWritesTest, UntouchedPageKeepsItsOwnState) {
  auto document = ParsePage(Sjis(kPage));  // the page declares Shift_JIS
  EXPECT_TRUE(document->Writes().empty());
  auto again = ParsePage(SerializeFilledPage(*document));
  auto state = [&](int index) {
    return static_cast<const StandaloneControl*>(again->Form(0)->Item(index));
  };
  EXPECT_EQ(state(0)->Value(), "old");
  EXPECT_EQ(state(2)->selected_index(), 1);
  EXPECT_TRUE(state(3)->checked());
  EXPECT_EQ(state(6)->Value(), "old text");
}

}  // namespace
}  // namespace kakikomi
