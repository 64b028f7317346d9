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

namespace {

namespace fs = std::filesystem;

const fs::path kPages = fs::path(HAKOBUNE_SOURCE_DIR) / "tests" / "pages";

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::string Quote(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Runs the command and returns its stdout; `status` gets the exit status.
std::string RunCommand(const std::string& command, int* status) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  *status = pclose(pipe);
  return out;
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
    int status = -1;
    const std::string output =
        RunCommand(Quote(KAKIKOMI_BINARY) + " fill " + Quote(page.string()) + " --profile " +
                       Quote((kPages / "profile.json").string()) + " --today 2026-12-10",
                   &status);
    EXPECT_EQ(status, 0);
    ASSERT_TRUE(fs::exists(expected)) << "no " << expected.filename() << "; the output was:\n"
                                      << output;
    EXPECT_EQ(output, ReadAll(expected));
  }
}

}  // namespace
