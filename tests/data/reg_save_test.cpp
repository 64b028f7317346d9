#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "engine/data/reg_write.h"
#include "engine/data/registry_file.h"
#include "tests/data/test_home.h"

namespace kakikomi {
namespace {

using data_testing::SampleProfile;
using data_testing::StorageTest;

class RegSaveTest : public StorageTest {
 protected:
  // A current installation with `count` profiles, loaded.
  void LoadProfiles(int count) {
    WriteRegistry(R"({"AppVer": {"type": "string", "data": "32353100"}})");
    for (int n = 0; n < count; ++n)
      WriteEncrypted(DataDir() + "reg_" + std::to_string(n + 1) + ".dat",
                     SampleProfile(n % 2 ? "佐藤" : "山田").Plain());
    Load();
    ASSERT_EQ(main_.UserNumber, count - 1);
  }
  RegistryFile Key() {
    RegistryFile key;
    EXPECT_TRUE(key.Open(RegistryPath(), kSettingKey));
    return key;
  }
};

// A file written here holds Shift-JIS "[DATA]" records in the stored order.
TEST_F(RegSaveTest, ProfileFileDecryptsToRecordsInStoredOrder) {
  LoadProfiles(1);
  main_.User[0].Building = Sjis("桜ビル　２０１");
  main_.User[0].BirthDay = -1;
  main_.UserDataChanged = 1;
  ASSERT_TRUE(CRegWrite::SetRegData(&main_, &data_));
  data_testing::ProfileFile expected = SampleProfile("山田");
  expected.texts[15] = Sjis("桜ビル　２０１");
  expected.numbers[4] = "-1";
  EXPECT_EQ(Decrypted(DataDir() + "reg_1.dat"), expected.Plain());
  EXPECT_EQ(data_testing::Mode(DataDir() + "reg_1.dat"), 0600);
  EXPECT_EQ(data_testing::Mode(RegistryPath()), 0600);
}

TEST_F(RegSaveTest, SettingsValuesAsTheRegistryHeldThem) {
  LoadProfiles(3);
  main_.UserNum = 2;
  main_.AutoInput = 0;
  main_.Setting4 = 1;
  main_.PosX1 = -5;
  main_.Width2 = 400;
  main_.Setting2 = 0;
  main_.SetInputBirth = 4;
  main_.ClipBoardName[0] = Sjis("仕事");
  main_.SettingChanged = 1;
  main_.ClipBoardChanged = 1;
  ASSERT_TRUE(CRegWrite::SetRegData(&main_, &data_));
  RegistryFile key = Key();
  EXPECT_EQ(key.GetBytes("UserNum", 4), std::string(1, '\x02'));
  EXPECT_EQ(key.GetBytes("UserNumber", 4), std::string(1, '\x02'));
  EXPECT_EQ(key.GetBytes("AutoInput", 4), std::string(1, '\0'));
  EXPECT_EQ(key.GetBytes("Setting2", 4), std::string(1, '\0'));
  EXPECT_EQ(key.GetBytes("SetInputBirth", 4), std::string(1, '\x04'));
  EXPECT_EQ(key.GetBytes("PosX1", 4), std::string("\xfb\xff\xff\xff", 4));
  EXPECT_EQ(key.GetBytes("Width2", 4), std::string("\x90\x01\x00\x00", 4));
  EXPECT_EQ(SjisToUtf8(key.GetString("ClipBoardName1", 260).value_or("")), "仕事");
  EXPECT_EQ(key.GetString("AppVer", 260), "251");  // kept as it was

  // The file itself: key path, value names, types and bytes in hexadecimal.
  const nlohmann::json file = nlohmann::json::parse(data_testing::ReadBytes(RegistryPath()));
  const nlohmann::json& values = file.at("Software\\HOSHIZORA\\Hakobune2.0\\Setting");
  EXPECT_EQ(values.at("UserNumber"), (nlohmann::json{{"type", "bytes"}, {"data", "02"}}));
  EXPECT_EQ(values.at("Width2"), (nlohmann::json{{"type", "bytes"}, {"data", "90010000"}}));
  EXPECT_EQ(values.at("AppVer"), (nlohmann::json{{"type", "string"}, {"data", "32353100"}}));
  EXPECT_EQ(values.at("ClipBoardName1"),
            (nlohmann::json{{"type", "string"}, {"data", "8e648e9600"}}));

  // Everything comes back at the next start.
  Load();
  EXPECT_EQ(main_.UserNum, 2);
  EXPECT_EQ(main_.AutoInput, 1);  // ran at exit: stopped until the start-up toggle
  EXPECT_EQ(main_.PosX1, -5);
  EXPECT_EQ(main_.Setting2, 0);
  EXPECT_EQ(main_.SetInputBirth, 4);
  EXPECT_EQ(SjisToUtf8(main_.ClipBoardName[0]), "仕事");
  EXPECT_EQ(main_.ClipBoardText[0][0], "");
}

TEST_F(RegSaveTest, SurplusFilesGoOnlyWithARewrite) {
  LoadProfiles(5);
  main_.UserNumber = 2;  // two profiles deleted in the list dialog
  main_.UserDataChanged = 0;
  ASSERT_TRUE(CRegWrite::SetRegData(&main_, &data_));
  EXPECT_TRUE(data_testing::Exists(DataDir() + "reg_5.dat"));

  main_.UserDataChanged = 1;
  ASSERT_TRUE(CRegWrite::SetRegData(&main_, &data_));
  for (int n = 1; n <= 3; ++n)
    EXPECT_TRUE(data_testing::Exists(DataDir() + "reg_" + std::to_string(n) + ".dat"));
  for (int n = 4; n <= 10; ++n)
    EXPECT_FALSE(data_testing::Exists(DataDir() + "reg_" + std::to_string(n) + ".dat"));
}

// Deleting every profile persists: the files do not come back at the next start.
TEST_F(RegSaveTest, DeletingEveryProfilePersists) {
  LoadProfiles(3);
  main_.UserNumber = -1;
  main_.UserDataChanged = 1;
  ASSERT_TRUE(CRegWrite::SetRegData(&main_, &data_));
  for (int n = 1; n <= 10; ++n)
    EXPECT_FALSE(data_testing::Exists(DataDir() + "reg_" + std::to_string(n) + ".dat"));
  EXPECT_EQ(Key().GetBytes("UserNumber", 4), std::string(1, '\xff'));
  Load();
  EXPECT_EQ(main_.UserNumber, -1);
}

// A save that cannot write says so, and a failed profile write deletes nothing.
TEST_F(RegSaveTest, FailedSaveReportsAndDeletesNothing) {
  LoadProfiles(4);
  const std::string before = data_testing::ReadBytes(DataDir() + "reg_1.dat");
  std::filesystem::remove(DataDir() + "reg_2.dat");
  std::filesystem::create_directories(DataDir() + "reg_2.dat");  // cannot be replaced
  main_.UserNumber = 2;
  main_.User[0].SeiKanji = Sjis("変更");
  main_.UserDataChanged = 1;
  EXPECT_FALSE(CRegWrite::SetRegData(&main_, &data_));
  EXPECT_TRUE(data_testing::Exists(DataDir() + "reg_4.dat"));
  EXPECT_NE(data_testing::ReadBytes(DataDir() + "reg_1.dat"), before);  // the others were written

  std::filesystem::remove_all(DataDir() + "reg_2.dat");
  std::filesystem::remove(RegistryPath());
  std::filesystem::create_directories(RegistryPath());
  EXPECT_FALSE(CRegWrite::SetRegData(&main_, &data_));
  EXPECT_FALSE(CRegWrite::SetAppVer("251"));
  EXPECT_FALSE(CRegWrite::SetQuickData(&main_));
  EXPECT_TRUE(std::filesystem::is_directory(RegistryPath()));
}

TEST_F(RegSaveTest, QuickNamesFollowTheProfiles) {
  LoadProfiles(3);
  ASSERT_TRUE(CRegWrite::SetQuickData(&main_));
  EXPECT_EQ(SjisToUtf8(Key().GetString("UserName2", 260).value_or("")), "山田　花子");
  main_.UserNumber = 0;
  ASSERT_TRUE(CRegWrite::SetQuickData(&main_));
  RegistryFile key = Key();
  EXPECT_TRUE(key.GetString("UserName0", 260).has_value());
  EXPECT_FALSE(key.GetString("UserName1", 260).has_value());
  EXPECT_FALSE(key.GetString("UserName2", 260).has_value());
  EXPECT_EQ(key.GetString("AppVer", 260), "251");
}

TEST_F(RegSaveTest, SettingsFileKeepsOtherKeys) {
  data_testing::WriteBytes(RegistryPath(), R"({"Other\\Key": {"X": {"type": "bytes", "data": "01"}},
      "Software\\HOSHIZORA\\Hakobune2.0\\Setting": {}})");
  ASSERT_TRUE(CRegWrite::SetAppVer("251"));
  RegistryFile other;
  ASSERT_TRUE(other.Open(RegistryPath(), "Other\\Key"));
  EXPECT_EQ(other.GetBytes("X", 4), std::string(1, '\x01'));
}

}  // namespace
}  // namespace kakikomi
