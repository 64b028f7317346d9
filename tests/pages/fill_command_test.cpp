// The fill and dump commands end to end: what they print, what --html
// writes, and how bad arguments are refused.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "tests/support/run_kakikomi.h"

namespace {

namespace test_support = kakikomi::test_support;

namespace fs = std::filesystem;

const fs::path kSource = HAKOBUNE_SOURCE_DIR;

// Runs the command with its stderr discarded.
test_support::CommandRun Kakikomi(const std::string& args) {
  return test_support::RunKakikomi(args);
}

std::string Example(const std::string& name) {
  return "'" + (kSource / "examples" / name).string() + "'";
}

TEST(FillCommandTest, FillsTheExamplePageAndWritesTheFilledPage) {
  const fs::path html = fs::temp_directory_path() / "kakikomi_fill_test_out.html";
  fs::remove(html);
  const test_support::CommandRun result =
      Kakikomi("fill " + Example("page.html") + " --profile " + Example("profile.json") +
               " --today 2026-12-10 --html '" + html.string() + "'");
  ASSERT_EQ(result.status, 0);
  const nlohmann::json writes = nlohmann::json::parse(result.out);
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(writes[0]["type"], "password");
  EXPECT_EQ(writes[0]["name"], "login_pw");

  std::ifstream in(html);
  std::stringstream page;
  page << in.rdbuf();
  EXPECT_NE(page.str().find(writes[0]["value"].get<std::string>()), std::string::npos);
  fs::remove(html);
}

TEST(FillCommandTest, RefusesBadArgumentsWithoutWritingAnything) {
  const fs::path html = fs::temp_directory_path() / "kakikomi_fill_refused.html";
  fs::remove(html);
  const fs::path bad_json = fs::temp_directory_path() / "kakikomi_fill_bad.json";
  std::ofstream(bad_json) << "{\"SeiKanji\": ";
  const std::string out = " --html '" + html.string() + "'";
  const std::string cases[] = {
      "fill",
      "fill " + Example("page.html") + " --bogus",
      "fill " + Example("page.html") + " --today 2026-02-30",
      "fill '/nonexistent/page.html' --profile " + Example("profile.json") + out,
      "fill " + Example("page.html") + " --profile '/nonexistent/p.json'" + out,
      "fill " + Example("page.html") + " --profile '" + bad_json.string() + "'" + out,
  };
  for (const std::string& args : cases) {
    SCOPED_TRACE(args);
    const test_support::CommandRun result = Kakikomi(args);
    EXPECT_NE(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(fs::exists(html));
  }
  fs::remove(bad_json);
}

TEST(FillCommandTest, DumpShowsTheAnnotatedTextAndThePageFlags) {
  const test_support::CommandRun result = Kakikomi("dump " + Example("page.html"));
  ASSERT_EQ(result.status, 0);
  const nlohmann::json document = nlohmann::json::parse(result.out)["documents"][0];
  const std::string text = document["annotatedText"];
  EXPECT_NE(text.find("<SELECT name=pref list=##%選択してください##%埼玉県##%千葉県##%東京##%"
                      "神奈川県##%>"),
            std::string::npos);
  EXPECT_NE(text.find("お名前姓#<INPUT type=text name=name_sei size=10>"), std::string::npos);
  EXPECT_EQ(text.find("type=hidden"), std::string::npos);
  EXPECT_EQ(document["pageFlags"]["ChoiceSkip"], 1);  // no profile: nothing offered
}

}  // namespace
