// kakikomi dump run as a user runs it. The control lists of the fixture were
// checked against Chromium's document.forms[i].elements for the same files.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

#include "tests/dom/page_files.h"
#include "tests/support/run_kakikomi.h"

namespace kakikomi {
namespace {

using test_support::CommandRun;

// Runs the command with stderr joined to stdout when `with_errors` is set.
CommandRun Kakikomi(const std::string& args, bool with_errors = false) {
  return test_support::RunKakikomi(args, with_errors);
}

std::string Fixture(const char* name) {
  return std::string(HAKOBUNE_SOURCE_DIR) + "/tests/pages/dom/" + name;
}

TEST(KakikomiDumpTest, ShiftJisPageWithMisnestedFormAndIframe) {
  const CommandRun run = Kakikomi("dump '" + Fixture("sjis_entry.html") + "'");
  ASSERT_EQ(run.status, 0) << run.out;
  const nlohmann::json dump = nlohmann::json::parse(run.out);
  const nlohmann::json& documents = dump.at("documents");
  ASSERT_EQ(documents.size(), 2u);

  auto listing = [](const nlohmann::json& document) {
    std::string out;
    for (const auto& control : document.at("controls")) {
      out += std::to_string(control.at("position").get<int>()) + ":" +
             std::to_string(control.at("kind").get<int>()) + "/" +
             std::to_string(control.at("index").get<int>()) + " " +
             control.at("type").get<std::string>() + " " + control.at("name").get<std::string>() +
             "\n";
    }
    return out;
  };
  const nlohmann::json& top = documents[0];
  EXPECT_EQ(top.at("path"), Fixture("sjis_entry.html"));
  EXPECT_EQ(top.at("encoding"), "CP932");
  // The form element is empty inside the table; its controls follow it.
  EXPECT_EQ(listing(top),
            "0:1/0 text sei\n1:1/1 text mei\n2:1/2 text kana\n3:0/0 radio sex\n4:0/1 radio sex\n"
            "5:3/0 select-one pref\n6:7/0 email mail\n7:4/0 textarea comment\n"
            "8:2/0 checkbox news\n9:6/-1 submit \n");
  EXPECT_EQ(top.at("counts").at("text"), 3);
  EXPECT_EQ(top.at("counts").at("radio"), 2);
  EXPECT_EQ(top.at("controls")[0].at("maxLength"), 20);
  EXPECT_EQ(top.at("controls")[0].at("size"), 10);
  EXPECT_EQ(top.at("controls")[3].at("value"), "1");
  EXPECT_EQ(top.at("controls")[8].at("value"), "1");
  const std::string text = top.at("pageText");
  EXPECT_NE(text.find("<TD rowSpan=2>お名前※</TD>"), std::string::npos) << text;
  EXPECT_NE(text.find("<INPUT type=email name=mail size=40>"), std::string::npos) << text;

  const nlohmann::json& frame = documents[1];
  EXPECT_EQ(frame.at("path"), Fixture("sjis_entry_frame.html"));
  EXPECT_EQ(listing(frame), "0:1/0 text member_id\n1:5/0 password pw\n");
  EXPECT_NE(frame.at("pageText").get<std::string>().find("会員ID"), std::string::npos);
}

TEST(KakikomiDumpTest, ErrorsPrintOneLineAndFail) {
  dom_testing::ScratchFolder folder;
  const std::string deep = folder.Write("deep.html", std::string(300000, '<') + "div>");
  std::string nested;
  for (int i = 0; i < 5000; ++i) nested += "<div>";
  folder.Write("nested.html", nested);
  struct Case {
    std::string args;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {"dump '" + folder.Path("missing.html") + "'", 1,
       "kakikomi dump: " + folder.Path("missing.html") + ": No such file or directory\n"},
      {"dump '" + folder.Path("") + "'", 1,
       "kakikomi dump: " + folder.Path("") + ": is a directory\n"},
      {"dump '" + folder.Path("nested.html") + "'", 1,
       "kakikomi dump: " + folder.Path("nested.html") +
           ": markup nested more than 1024 levels deep\n"},
      {"dump", 2, "kakikomi dump: expected one page file: kakikomi dump PAGE.html\n"},
      {"dump a.html b.html", 2, "kakikomi dump: expected one page file: kakikomi dump PAGE.html\n"},
  };
  for (const Case& c : cases) {
    const CommandRun run = Kakikomi(c.args, true);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_EQ(run.out, c.message) << c.args;
  }
  // A page of nothing but "<" is a page of text.
  const CommandRun text = Kakikomi("dump '" + deep + "'");
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(nlohmann::json::parse(text.out).at("documents").size(), 1u);
}

}  // namespace
}  // namespace kakikomi
