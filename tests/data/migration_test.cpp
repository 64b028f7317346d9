#include <gtest/gtest.h>

#include "engine/data/registry_file.h"
#include "tests/data/test_home.h"

namespace kakikomi {
namespace {

using data_testing::SampleProfile;
using data_testing::StorageTest;

class MigrationTest : public StorageTest {
 protected:
  void WriteVersion(const char* hex_version) {
    WriteRegistry(std::string(R"({"AppVer": {"type": "string", "data": ")") + hex_version +
                  R"("}})");
  }
  std::optional<std::string> StoredVersion() {
    RegistryFile key;
    if (!key.Open(RegistryPath(), kSettingKey)) return std::nullopt;
    return key.GetString("AppVer", 260);
  }
  // Data of a version before 2.3 beside the program.
  void WriteOldProgramFolder() {
    WriteEncrypted(program_ + "reg_1.dat", SampleProfile("山田").Plain());
    WriteEncrypted(program_ + "reg_2.dat", SampleProfile("佐藤").Plain());
    std::vector<std::string> clip(108);
    clip[3] = "clip";
    WriteEncrypted(program_ + "reg_data.dat", data_testing::Records(clip));
    data_testing::WriteBytes(program_ + "Hayate.html", "<html></html>");
  }
};

TEST_F(MigrationTest, OldDataMovesIntoTheDataFolderBeforeTheOldFilesGo) {
  WriteVersion("32323000");  // "220"
  WriteOldProgramFolder();
  const std::string old_profile = Decrypted(program_ + "reg_2.dat");
  Load();
  EXPECT_EQ(main_.UserNumber, 1);
  EXPECT_EQ(main_.DataPath, DataDir());
  EXPECT_EQ(Decrypted(DataDir() + "reg_2.dat"), old_profile);
  EXPECT_EQ(data_testing::Mode(DataDir() + "reg_2.dat"), 0600);
  EXPECT_NE(Decrypted(DataDir() + "reg_data.dat").find("[DATA]clip\n"), std::string::npos);
  for (const char* name : {"reg_1.dat", "reg_2.dat", "reg_data.dat", "Hayate.html"})
    EXPECT_FALSE(data_testing::Exists(program_ + name)) << name;
  EXPECT_EQ(StoredVersion(), "250");
  EXPECT_TRUE(main_.UserDataChanged && main_.SettingChanged && main_.ClipBoardChanged);

  // The next start finds everything in its new place.
  Load();
  EXPECT_EQ(main_.UserNumber, 1);
  EXPECT_EQ(main_.ClipBoardText[0][3], "clip");
}

// When the new folder cannot take the data, nothing is deleted and no
// version is stamped, so the next start tries again.
TEST_F(MigrationTest, FailedMoveKeepsTheOldFilesAndTheVersion) {
  WriteVersion("32323000");
  WriteOldProgramFolder();
  data_testing::WriteBytes(home_ + "HOSHIZORA/Kazaguruma", "a file where the folder should be");
  Load();
  EXPECT_EQ(main_.UserNumber, 1);
  EXPECT_EQ(main_.DataPath, program_);
  for (const char* name : {"reg_1.dat", "reg_2.dat", "reg_data.dat"})
    EXPECT_TRUE(data_testing::Exists(program_ + name)) << name;
  EXPECT_EQ(StoredVersion(), "220");
  EXPECT_EQ(main_.UserDataChanged, 0);
}

// The quick-input program loads the same data but never writes or deletes.
TEST_F(MigrationTest, ReadOnlyLoadChangesNothingOnDisk) {
  WriteOldProgramFolder();
  Load(RegLoad::kReadOnly);
  EXPECT_EQ(main_.UserNumber, 1);
  EXPECT_EQ(SjisToUtf8(data_.NameKanji), "山田　花子");
  EXPECT_FALSE(data_testing::Exists(RegistryPath()));
  EXPECT_FALSE(data_testing::Exists(home_ + "HOSHIZORA"));
  for (const char* name : {"reg_1.dat", "reg_2.dat", "reg_data.dat", "Hayate.html"})
    EXPECT_TRUE(data_testing::Exists(program_ + name)) << name;
}

TEST_F(MigrationTest, LostSettingsFileDoesNotHideTheDataFolder) {
  WriteEncrypted(DataDir() + "reg_1.dat", SampleProfile("山田").Plain());
  WriteEncrypted(DataDir() + "reg_2.dat", SampleProfile("佐藤").Plain());
  const std::string before = data_testing::ReadBytes(DataDir() + "reg_2.dat");
  Load();
  EXPECT_EQ(main_.DataPath, DataDir());
  EXPECT_EQ(main_.UserNumber, 1);
  EXPECT_EQ(data_testing::ReadBytes(DataDir() + "reg_2.dat"), before);
  EXPECT_EQ(StoredVersion(), "250");
  // A profile stored since 251 keeps its own carrier domain.
  EXPECT_EQ(main_.User[0].MobileMailDomain, "ezweb.ne.jp");
}

TEST_F(MigrationTest, Version250ProfilesGetTheirCarrierDomainAtOnce) {
  WriteVersion("32353000");  // "250"
  data_testing::ProfileFile old = SampleProfile();
  old.numbers[0] = "2";  // the second carrier
  old.texts[27] = "";
  WriteEncrypted(DataDir() + "reg_1.dat", old.Plain());
  old.numbers[0] = "0";  // none
  WriteEncrypted(DataDir() + "reg_2.dat", old.Plain());
  old.numbers[0] = "40";  // past the table
  WriteEncrypted(DataDir() + "reg_3.dat", old.Plain());
  Load();
  EXPECT_EQ(main_.User[0].MobileMailDomain, "ezweb.ne.jp");
  EXPECT_EQ(main_.Private[0].MobileMailDomain, "ezweb.ne.jp");
  EXPECT_EQ(data_.MobileMailAddress, "hana.m@ezweb.ne.jp");
  EXPECT_EQ(main_.User[1].MobileMailDomain, "");
  EXPECT_EQ(main_.User[2].MobileMailDomain, "");
  EXPECT_EQ(main_.UserDataChanged, 1);
  EXPECT_EQ(StoredVersion(), "250");  // 251 is the main dialog's stamp
}

TEST_F(MigrationTest, VersionsBefore210AlsoWriteTheQuickNames) {
  WriteVersion("32303000");  // "200"
  WriteEncrypted(DataDir() + "reg_1.dat", SampleProfile("山田").Plain());
  // Old data lies beside the program; the data folder is empty.
  std::filesystem::rename(DataDir() + "reg_1.dat", program_ + "reg_1.dat");
  Load();
  RegistryFile key;
  ASSERT_TRUE(key.Open(RegistryPath(), kSettingKey));
  EXPECT_EQ(SjisToUtf8(key.GetString("UserName0", 260).value_or("")), "山田　花子");
  EXPECT_EQ(key.GetBytes("UserNumber", 4), std::string(1, '\0'));
  EXPECT_TRUE(data_testing::Exists(DataDir() + "reg_1.dat"));
}

}  // namespace
}  // namespace kakikomi
