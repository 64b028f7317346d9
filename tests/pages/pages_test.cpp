// Page tests: every tests/pages/NAME.html is filled by the kakikomi command
// with the fixed profile and date, and its output must equal
// NAME.expected.json byte for byte. Adding a page needs no code.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/run_kakikomi.h"

namespace {

namespace fs = std::filesystem;
using kakikomi::test_support::RunKakikomi;
using kakikomi::test_support::ShellQuote;

const fs::path kPages = fs::path(HAKOBUNE_SOURCE_DIR) / "tests" / "pages";

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(PagesTest, EveryPageFillsAsExpected) {
  std::vector<fs::path> pages;
  for (const auto& entry : fs::directory_iterator(kPages))
    if (entry.is_regular_file() && entry.path().extension() == ".html")
      pages.push_back(entry.path());
  std::sort(pages.begin(), pages.end());
  ASSERT_FALSE(pages.empty());

  for (const fs::path& page : pages) {
    SCOPED_TRACE(page.filename().string());
    const fs::path expected = fs::path(page).replace_extension(".expected.json");
    const auto run =
        RunKakikomi("fill " + ShellQuote(page.string()) + " --profile " +
                    ShellQuote((kPages / "profile.json").string()) + " --today 2026-12-10");
    const std::string& output = run.out;
    EXPECT_EQ(run.status, 0);
    ASSERT_TRUE(fs::exists(expected)) << "no " << expected.filename() << "; the output was:\n"
                                      << output;
    EXPECT_EQ(output, ReadAll(expected));
  }
}

}  // namespace
