// Real entry forms written by others (kept outside the project): every one
// is filled and dumped without a failure, and every password box on them
// receives the profile's login password.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "tests/support/run_kakikomi.h"

namespace {

namespace test_support = kakikomi::test_support;

namespace fs = std::filesystem;

// Runs the command with its stderr discarded.
test_support::CommandRun Kakikomi(const std::string& args) {
  return test_support::RunKakikomi(args);
}

TEST(CorpusTest, RealFormsAreFilledAndDumped) {
  const fs::path corpus = HAKOBUNE_CORPUS_DIR;
  if (!fs::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
  const fs::path profile = fs::path(HAKOBUNE_SOURCE_DIR) / "tests" / "pages" / "profile.json";
  const std::string password = nlohmann::json::parse(std::ifstream(profile))["LoginPassword"];

  int pages = 0;
  for (const auto& entry : fs::directory_iterator(corpus)) {
    const std::string extension = entry.path().extension().string();
    if (extension != ".html" && extension != ".tpl" && extension != ".php") continue;
    SCOPED_TRACE(entry.path().filename().string());
    ++pages;
    const std::string page = "'" + entry.path().string() + "'";
    const test_support::CommandRun fill =
        Kakikomi("fill " + page + " --profile '" + profile.string() + "' --today 2026-12-10");
    ASSERT_EQ(fill.status, 0);
    const nlohmann::json writes = nlohmann::json::parse(fill.out, nullptr, false);
    ASSERT_TRUE(writes.is_array());
    for (const auto& write : writes) {
      if (write["type"] == "password") {
        EXPECT_EQ(write["value"], password);
      }
    }
    EXPECT_EQ(Kakikomi("dump " + page).status, 0);
  }
  EXPECT_GT(pages, 0);
}

}  // namespace
