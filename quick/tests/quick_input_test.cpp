#include "quick/quick_input.h"

#include <filesystem>
#include <fstream>
#include <map>

#include <gtest/gtest.h>

#include "bridge/live_document.h"
#include "bridge/tests/fake_browser.h"
#include "engine/base/clock.h"
#include "engine/base/sjis_text.h"
#include "engine/data/reg_write.h"
#include "engine/data/storage_paths.h"

namespace kakikomi::quick {
namespace {

namespace fs = std::filesystem;
using bridge::testing::Control;
using bridge::testing::FakeBrowser;
using bridge::testing::Snapshot;

// Every file under `root` with its bytes: a run that wrote, moved or
// deleted anything shows here.
std::map<std::string, std::string> Files(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files[entry.path().string()] = {std::istreambuf_iterator<char>(in), {}};
  }
  return files;
}

// A temporary home and program folder, and a tab with one password box.
class QuickInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/hakobune-quick-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    fs::create_directories(root_ + "/home");
    fs::create_directories(program_ = root_ + "/program/");
    SetHakobuneHome(root_ + "/home");
    SetProgramFolder(program_);
    const nlohmann::json body = nlohmann::json::parse(R"({"e": "body", "a": [], "c": [
        {"e": "form", "a": [], "c": [{"t": "パスワード"},
            {"e": "input", "a": [["type", "password"], ["name", "pw"]], "c": []}]}]})");
    browser_.frames[0].snapshot =
        Snapshot({{Control("input", "password", "pw")}}, nlohmann::json::array(), body);
  }
  void TearDown() override {
    SetProgramFolder("");
    SetHakobuneHome("");
    fs::remove_all(root_);
  }

  std::string DataDir() const { return root_ + "/home/HOSHIZORA/Kazaguruma/"; }

  // A current installation's settings: the stored data's version.
  void StampCurrentVersion() {
    const std::string path = root_ + "/home/HOSHIZORA/Hakobune2.0/registry.json";
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << R"({"Software\\HOSHIZORA\\Hakobune2.0\\Setting": )"
                        << R"({"AppVer": {"type": "string", "data": "32353100"}}})";
  }

  // Profile file `n` (from 1) in `folder`: the 40 records in file order,
  // texts 0-24, the 12 numbers, texts 25-27 (LoginId, LoginPassword,
  // MobileMailDomain).
  void StoreProfile(const std::string& folder, int n, const std::string& sei,
                    const std::string& password) {
    std::string records;
    auto add = [&](const std::string& value) { records += "[DATA]" + Sjis(value) + "\n"; };
    add(sei);
    add("花子");
    for (int i = 2; i < 25; ++i) add("");
    for (int i = 0; i < 12; ++i) add("0");
    add("id");
    add(password);
    add("");
    fs::create_directories(folder);
    ASSERT_TRUE(CRegWrite::Write(folder + "reg_" + std::to_string(n) + ".dat", records));
  }

  int Run(const AskForProfile& ask) {
    bridge::LiveDocumentView view(&browser_);
    return RunQuickInput(&view, ask);
  }

  std::string WrittenPassword() const {
    if (browser_.writes.size() != 1)
      return "<" + std::to_string(browser_.writes.size()) + " writes>";
    return browser_.writes[0]["writes"][0].value("value", "");
  }

  FakeClock clock_;
  ScopedClock clock_scope_{&clock_};
  std::string root_, program_;
  FakeBrowser browser_;
};

TEST_F(QuickInputTest, OneProfileOfAnOldInstallationIsUsedWithoutAskingAndNothingMoves) {
  // Data of a version before 2.3: the files still sit in the program folder
  // and no settings exist. The main program would move them; quick input
  // must not, because it never saves what it loaded.
  StoreProfile(program_, 1, "山田", "old-pass");
  ASSERT_TRUE(CRegWrite::Write(program_ + "reg_data.dat", "[DATA]x\n"));
  const auto before = Files(root_);

  bool asked = false;
  EXPECT_EQ(Run([&](const HayateChoice&) {
              asked = true;
              return 0;
            }),
            0);
  EXPECT_FALSE(asked);
  EXPECT_EQ(WrittenPassword(), "old-pass");
  EXPECT_EQ(Files(root_), before);
}

TEST_F(QuickInputTest, TwoProfilesAskAndTheChosenOneFills) {
  StampCurrentVersion();
  StoreProfile(DataDir(), 1, "山田", "first-pass");
  StoreProfile(DataDir(), 2, "佐藤", "second-pass");
  const auto before = Files(root_);

  int buttons = 0;
  std::string second_caption;
  EXPECT_EQ(Run([&](const HayateChoice& choice) {
              buttons = choice.VisibleButtons();
              second_caption = choice.Caption(1);
              return 1;
            }),
            1);
  EXPECT_EQ(buttons, 2);
  EXPECT_EQ(second_caption.rfind("佐藤", 0), 0u) << second_caption;
  EXPECT_EQ(WrittenPassword(), "second-pass");
  EXPECT_EQ(Files(root_), before);
}

TEST_F(QuickInputTest, CancelOrNoProfileTouchesNeitherThePageNorTheStore) {
  EXPECT_EQ(Run([](const HayateChoice&) -> int {
              ADD_FAILURE() << "asked without a profile";
              return 0;
            }),
            -1);
  EXPECT_TRUE(browser_.requests.empty());

  StampCurrentVersion();
  StoreProfile(DataDir(), 1, "山田", "a");
  StoreProfile(DataDir(), 2, "佐藤", "b");
  EXPECT_EQ(Run([](const HayateChoice&) { return HayateChoice::ResultForCancel(); }), -1);
  EXPECT_TRUE(browser_.requests.empty());
}

}  // namespace
}  // namespace kakikomi::quick
