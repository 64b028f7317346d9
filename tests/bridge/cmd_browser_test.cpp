#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

namespace fs = std::filesystem;

// `kakikomi browser ...` run with a home folder of its own, as a user would.
class CmdBrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/hakobune-cli-browser-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    home_ = pattern;
    host_ = home_ + "/opt/hayate";
    fs::create_directories(fs::path(host_).parent_path());
    std::ofstream(host_) << "#!/bin/sh\n";
  }
  void TearDown() override { fs::remove_all(home_); }

  int Run(const std::string& args) {
    const std::string command = "env -u XDG_CONFIG_HOME HOME='" + home_ + "' '" + KAKIKOMI_BINARY +
                                "' browser " + args + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  fs::path Manifest(const std::string& folder) const {
    return fs::path(home_) / ".config" / folder / "NativeMessagingHosts/jp.hoshizora.hayate.json";
  }

  std::string home_, host_;
};

TEST_F(CmdBrowserTest, RegistersWithTheInstalledBrowsersAndUnregisters) {
  fs::create_directories(fs::path(home_) / ".config/chromium");
  fs::create_directories(fs::path(home_) / ".config/microsoft-edge");
  ASSERT_EQ(Run("register --host '" + host_ + "'"), 0);
  for (const char* folder : {"chromium", "microsoft-edge"}) {
    ASSERT_TRUE(fs::exists(Manifest(folder))) << folder;
    const auto manifest = nlohmann::json::parse(std::ifstream(Manifest(folder)));
    EXPECT_EQ(manifest["path"], host_);
  }
  EXPECT_FALSE(fs::exists(Manifest("google-chrome")));

  EXPECT_EQ(Run("unregister"), 0);
  EXPECT_FALSE(fs::exists(Manifest("chromium")));
  EXPECT_FALSE(fs::exists(Manifest("microsoft-edge")));
}

TEST_F(CmdBrowserTest, RefusesWhatItCannotDoWithoutWritingAnything) {
  // No browser has ever run in this home.
  EXPECT_EQ(Run("register --host '" + host_ + "'"), 1);
  fs::create_directories(fs::path(home_) / ".config/chromium");
  EXPECT_EQ(Run("register --host '" + home_ + "/missing'"), 1);
  EXPECT_EQ(Run("register --bogus"), 2);
  EXPECT_EQ(Run("install"), 2);
  EXPECT_FALSE(fs::exists(Manifest("chromium")));
}

}  // namespace
