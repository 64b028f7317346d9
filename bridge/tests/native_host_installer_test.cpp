#include "bridge/native_host_installer.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "bridge/bridge_shared.h"

namespace kakikomi::bridge {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class InstallerTest : public ::testing::Test {
 protected:
  InstallerTest() {
    home_ =
        fs::temp_directory_path() /
        ("hakobune-installer-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(home_);
    fs::create_directories(home_ / ".config");
  }
  ~InstallerTest() override { fs::remove_all(home_); }
  fs::path Config() const { return home_ / ".config"; }
  fs::path ManifestIn(const char* folder) const {
    return Config() / folder / "NativeMessagingHosts" / "jp.hoshizora.hayate.json";
  }

  fs::path home_;
};

TEST_F(InstallerTest, RegistersOnlyWithTheBrowsersThatAreThereAndUnregistersAgain) {
  fs::create_directories(Config() / "chromium");
  fs::create_directories(Config() / "BraveSoftware/Brave-Browser/NativeMessagingHosts");
  const fs::path other = Config() / "chromium/NativeMessagingHosts/other.host.json";
  fs::create_directories(other.parent_path());
  std::ofstream(other) << "{}";

  NativeHostInstaller installer(Config().string());
  auto registered = installer.Register("/opt/hakobune/bin/hayate");
  ASSERT_EQ(registered.size(), 2u);
  for (const auto& outcome : registered) EXPECT_TRUE(outcome.done) << outcome.browser;

  json manifest = json::parse(std::ifstream(ManifestIn("chromium")));
  EXPECT_EQ(manifest["name"], kQuickInputHost);
  EXPECT_EQ(manifest["path"], "/opt/hakobune/bin/hayate");
  EXPECT_EQ(manifest["type"], "stdio");
  EXPECT_EQ(manifest["allowed_origins"],
            json::array({"chrome-extension://pjdnkabdmfgjfncgjgkjmeacmhfnlamn/"}));
  EXPECT_TRUE(fs::exists(ManifestIn("BraveSoftware/Brave-Browser")));
  EXPECT_FALSE(fs::exists(Config() / "google-chrome"));  // not installed: left alone

  auto removed = installer.Unregister();
  EXPECT_EQ(removed.size(), 2u);
  EXPECT_FALSE(fs::exists(ManifestIn("chromium")));
  EXPECT_FALSE(fs::exists(ManifestIn("BraveSoftware/Brave-Browser")));
  EXPECT_TRUE(fs::exists(other));
  EXPECT_TRUE(installer.Unregister().empty());  // twice is harmless
}

TEST_F(InstallerTest, ARelativeHostPathRegistersNothing) {
  fs::create_directories(Config() / "chromium");
  EXPECT_TRUE(NativeHostInstaller(Config().string()).Register("bin/hayate").empty());
  EXPECT_FALSE(fs::exists(ManifestIn("chromium")));
}

}  // namespace
}  // namespace kakikomi::bridge
