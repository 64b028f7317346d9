#include <gtest/gtest.h>

#include "engine/data/reg_write.h"
#include "tests/data/test_home.h"

namespace kakikomi {
namespace {

using data_testing::SampleProfile;
using data_testing::StorageTest;
using data_testing::TestRc4;

class RegLoadTest : public StorageTest {
 protected:
  // Settings of a current installation plus `extra` values.
  void WriteSettings(const std::string& extra = "") {
    WriteRegistry(R"({"AppVer": {"type": "string", "data": "32353100"})" + extra + "}");
  }
};

// A profile file made here from the record format and the key loads with the
// values the fillers need.
TEST_F(RegLoadTest, ProfileFileBuiltFromTheFormatLoadsAndDerives) {
  WriteSettings();
  WriteEncrypted(DataDir() + "reg_1.dat", SampleProfile("山田").Plain());
  WriteEncrypted(DataDir() + "reg_2.dat", SampleProfile("佐藤", 10).Plain());
  std::vector<std::string> clip(108);
  clip[0] = Sjis("いつもお世話になっております。");
  clip[107] = "last";
  WriteEncrypted(DataDir() + "reg_data.dat", data_testing::Records(clip));
  Load();

  EXPECT_EQ(main_.UserNumber, 1);
  EXPECT_EQ(main_.DataPath, DataDir());
  EXPECT_EQ(SjisToUtf8(main_.User[1].SeiKanji), "佐藤");
  EXPECT_EQ(main_.User[0].MobileMailDomain, "ezweb.ne.jp");
  EXPECT_EQ(main_.User[0].DaytimeContact, 1);
  EXPECT_EQ(SjisToUtf8(main_.ClipBoardText[0][0]), "いつもお世話になっております。");
  EXPECT_EQ(main_.ClipBoardText[5][17], "last");
  EXPECT_EQ(SjisToUtf8(main_.ClipBoardName[2]), "未定義 No.3");

  // Slot 0 is selected and its derived values are in CData.
  EXPECT_EQ(SjisToUtf8(data_.NameKanji), "山田　花子");
  EXPECT_EQ(SjisToUtf8(data_.NameKatakana), "ヤマダ　ハナコ");
  EXPECT_EQ(SjisToUtf8(data_.Address), "東京都千代田区千代田1-1　桜ビル");
  EXPECT_EQ(data_.MobileMailAddress, "hana.m@ezweb.ne.jp");
  EXPECT_EQ(data_.Year, 1990);
  EXPECT_EQ(data_.Age, 36);
  EXPECT_EQ(data_.SexIndex, 1);
  EXPECT_EQ(SjisToUtf8(data_.JobWord), "員社員会");
  EXPECT_EQ(data_.LoginPassword, "pass-word");
  EXPECT_EQ(data_.ZipNoHyphen, 1);
  EXPECT_EQ(main_.Private[1].Year, 1909);
}

TEST_F(RegLoadTest, CleanStartHasNoProfileAndAnOwnerOnlyDataFolder) {
  Load();
  EXPECT_EQ(main_.UserNumber, -1);
  EXPECT_EQ(main_.UserNum, 0);
  EXPECT_EQ(main_.DataPath, DataDir());
  EXPECT_EQ(main_.AppPath, program_);
  EXPECT_EQ(data_testing::Mode(DataDir()), 0700);
  EXPECT_EQ(main_.AutoInput, 1);
  EXPECT_EQ(main_.Setting1, 1);
  EXPECT_EQ(main_.Setting4, 0);
  EXPECT_EQ(main_.PosX2, 230);
  EXPECT_EQ(main_.IEVersion, -1);
}

TEST_F(RegLoadTest, OpenDataFolderOfAnOlderVersionBecomesOwnerOnly) {
  std::filesystem::create_directories(DataDir());
  std::filesystem::permissions(DataDir(), std::filesystem::perms(0755));
  Load();
  EXPECT_EQ(data_testing::Mode(DataDir()), 0700);
}

TEST_F(RegLoadTest, SettingsAndTheirConversions) {
  // 0x00 AutoInput: auto input ran at the last exit.
  WriteSettings(R"(, "UserNum": {"type": "bytes", "data": "01"},
      "AutoInput": {"type": "bytes", "data": "00"},
      "UserChangeInput": {"type": "bytes", "data": "05"},
      "DlgHide": {"type": "bytes", "data": "01"},
      "ClipDlgHide": {"type": "bytes", "data": "02"},
      "Setting1": {"type": "bytes", "data": "00"},
      "Setting3": {"type": "bytes", "data": "07"},
      "SetInputBirth": {"type": "bytes", "data": "05"},
      "PosX1": {"type": "bytes", "data": "0a000000"},
      "PosX2": {"type": "bytes", "data": "0b000000"},
      "Width1": {"type": "bytes", "data": "2c010000"},
      "Height2": {"type": "bytes", "data": "ffffffff"},
      "ClipBoard": {"type": "bytes", "data": "01"},
      "ClipBoardNum": {"type": "bytes", "data": "03"},
      "ClipBoardName2": {"type": "string", "data": "8e648e9600"})");
  WriteEncrypted(DataDir() + "reg_1.dat", SampleProfile().Plain());
  WriteEncrypted(DataDir() + "reg_2.dat", SampleProfile().Plain());
  Load();
  EXPECT_EQ(main_.AppVer, 251);
  EXPECT_EQ(main_.UserNum, 1);
  EXPECT_EQ(main_.AutoInput, 1);
  EXPECT_EQ(main_.UserChangeInput, 1);
  EXPECT_EQ(main_.DlgHide, 1);
  EXPECT_EQ(main_.DlgRolled, 0);
  EXPECT_EQ(main_.ClipDlgHide, 0);
  EXPECT_EQ(main_.ClipRolled, 1);
  EXPECT_EQ(main_.Setting1, 0);
  EXPECT_EQ(main_.Setting2, 1);  // not stored: default
  EXPECT_EQ(main_.Setting3, 1);
  EXPECT_EQ(main_.SetInputBirth, 5);
  // Positions are not read without Setting4; the palette opens beside the dialog.
  EXPECT_EQ(main_.PosX1, 0);
  EXPECT_EQ(main_.Width1, 300);
  EXPECT_EQ(main_.PosX2, 300);
  EXPECT_EQ(main_.Height2, -1);
  EXPECT_EQ(main_.ClipBoard, 1);
  EXPECT_EQ(main_.ClipBoardNum, 3);
  EXPECT_EQ(SjisToUtf8(main_.ClipBoardName[1]), "仕事");
  EXPECT_EQ(data_.BirthFormat, 5);
  EXPECT_EQ(data_.WarningSound, 0);
}

TEST_F(RegLoadTest, PositionsWithSetting4AndNothingAtVersion230) {
  const std::string geometry = R"(, "Setting4": {"type": "bytes", "data": "01"},
      "PosX1": {"type": "bytes", "data": "0a000000"},
      "PosX2": {"type": "bytes", "data": "0b000000"},
      "Width1": {"type": "bytes", "data": "2c010000"},
      "ClipBoardNum": {"type": "bytes", "data": "02"})";
  WriteSettings(geometry);
  Load(RegLoad::kReadOnly);
  EXPECT_EQ(main_.PosX1, 10);
  EXPECT_EQ(main_.PosX2, 11);
  EXPECT_EQ(main_.Width1, 300);

  WriteRegistry(R"({"AppVer": {"type": "string", "data": "32333000"})" + geometry + "}");
  Load(RegLoad::kReadOnly);
  EXPECT_EQ(main_.Setting4, 1);
  EXPECT_EQ(main_.PosX1, 0);
  EXPECT_EQ(main_.Width1, -1);
  EXPECT_EQ(main_.ClipBoardNum, 0);
}

// Values that do not fit the buffers they were always read into, of the
// wrong type, or malformed count as missing and keep their defaults.
TEST_F(RegLoadTest, OversizedOrMalformedValuesKeepDefaults) {
  const std::string long_name(2 * 300, 'a');  // 300 bytes as hex
  WriteSettings(R"(, "UserNum": {"type": "bytes", "data": "0100000000000000"},
      "AutoInput": {"type": "string", "data": "0000"},
      "Setting1": {"type": "bytes", "data": "zz"},
      "Setting2": {"type": "bytes", "data": ""},
      "Setting3": {"type": "bytes"},
      "Setting5": "00",
      "Width1": {"type": "bytes", "data": "2c01"},
      "Height1": {"type": "bytes", "data": "2c0100000000"},
      "ClipBoardNum": {"type": "bytes", "data": "09"},
      "ClipBoardName1": {"type": "string", "data": ")" +
                long_name + R"("},
      "ClipBoardName2": {"type": "dword", "data": "41424300"})");
  WriteEncrypted(DataDir() + "reg_1.dat", SampleProfile().Plain());
  WriteEncrypted(DataDir() + "reg_2.dat", SampleProfile().Plain());
  Load(RegLoad::kReadOnly);
  EXPECT_EQ(main_.AppVer, 251);
  EXPECT_EQ(main_.UserNum, 0);
  EXPECT_EQ(main_.AutoInput, 1);
  EXPECT_EQ(main_.Setting1, 1);
  EXPECT_EQ(main_.Setting2, 1);
  EXPECT_EQ(main_.Setting3, 1);
  EXPECT_EQ(main_.Setting5, 1);
  EXPECT_EQ(main_.Width1, -1);
  EXPECT_EQ(main_.Height1, -1);
  EXPECT_EQ(main_.ClipBoardNum, 0);  // only groups up to 6 exist
  EXPECT_EQ(SjisToUtf8(main_.ClipBoardName[0]), "未定義 No.1");
  EXPECT_EQ(SjisToUtf8(main_.ClipBoardName[1]), "未定義 No.2");
}

TEST_F(RegLoadTest, DamagedSettingsFilesLoadAsDefaults) {
  const std::string cases[] = {"",
                               "{",
                               "[]",
                               "null",
                               "\"text\"",
                               "{\"Software\\\\HOSHIZORA\\\\Hakobune2.0\\\\Setting\": 5}",
                               std::string(200000, '[') + std::string(200000, ']'),
                               std::string("\xff\xfe{}", 4)};
  for (const std::string& text : cases) {
    data_testing::WriteBytes(RegistryPath(), text);
    WriteEncrypted(DataDir() + "reg_1.dat", SampleProfile().Plain());
    Load(RegLoad::kReadOnly);
    EXPECT_EQ(main_.AppVer, 0) << text.substr(0, 20);
    EXPECT_EQ(main_.Setting1, 1);
    // The data folder still wins over an empty program folder.
    EXPECT_EQ(main_.UserNumber, 0) << text.substr(0, 20);
  }
}

TEST_F(RegLoadTest, StoredSelectionPastTheLastProfileSelectsTheFirst) {
  WriteSettings(R"(, "UserNum": {"type": "bytes", "data": "05"})");
  WriteEncrypted(DataDir() + "reg_1.dat", SampleProfile("山田").Plain());
  WriteEncrypted(DataDir() + "reg_2.dat", SampleProfile("佐藤").Plain());
  Load();
  EXPECT_EQ(main_.UserNum, 0);
  EXPECT_EQ(SjisToUtf8(data_.SeiKanji), "山田");

  WriteSettings(R"(, "UserNum": {"type": "bytes", "data": "ff"})");
  std::filesystem::remove_all(DataDir());
  Load();
  EXPECT_EQ(main_.UserNumber, -1);
  EXPECT_EQ(main_.UserNum, 0);
}

// A missing profile file leaves no hole: later profiles move up, and the
// save renumbers the files instead of deleting a live one.
TEST_F(RegLoadTest, GapInTheProfileFilesIsClosed) {
  WriteSettings();
  WriteEncrypted(DataDir() + "reg_2.dat", SampleProfile("佐藤").Plain());
  data_testing::WriteBytes(DataDir() + "reg_3.dat", "garbage that will not decrypt to records");
  WriteEncrypted(DataDir() + "reg_4.dat", SampleProfile("鈴木").Plain());
  Load();
  EXPECT_EQ(main_.UserNumber, 1);
  EXPECT_EQ(SjisToUtf8(main_.User[0].SeiKanji), "佐藤");
  EXPECT_EQ(SjisToUtf8(main_.User[1].SeiKanji), "鈴木");
  EXPECT_EQ(main_.UserDataChanged, 1);

  ASSERT_TRUE(CRegWrite::SetRegData(&main_, &data_));
  Load();
  EXPECT_EQ(main_.UserNumber, 1);
  EXPECT_EQ(SjisToUtf8(main_.User[0].SeiKanji), "佐藤");
  EXPECT_EQ(SjisToUtf8(main_.User[1].SeiKanji), "鈴木");
  EXPECT_FALSE(data_testing::Exists(DataDir() + "reg_3.dat"));
  EXPECT_FALSE(data_testing::Exists(DataDir() + "reg_4.dat"));
}

TEST_F(RegLoadTest, HostileProfileFilesNeverCrashTheLoad) {
  WriteSettings();
  data_testing::ProfileFile numbers = SampleProfile();
  for (std::string& n : numbers.numbers) n = "99999999999";
  numbers.numbers[2] = "-99999999999";
  data_testing::ProfileFile texts = SampleProfile();
  texts.texts[15] = "A[DATA]B";  // a building name holding the marker
  std::string random;
  for (int i = 0; i < 5000; ++i) random += static_cast<char>((i * 7919) & 0xFF);
  const std::string files[] = {
      TestRc4(numbers.Plain()),
      TestRc4(texts.Plain()),
      TestRc4(numbers.Plain().substr(0, 301)),  // cut short
      TestRc4(std::string(3000, '\0')),
      random,
      TestRc4(std::string("[DATA]") + std::string(100000, 'x')),
  };
  for (size_t i = 0; i < std::size(files); ++i)
    data_testing::WriteBytes(DataDir() + "reg_" + std::to_string(i + 1) + ".dat", files[i]);
  Load();
  EXPECT_LE(main_.UserNumber, 5);
  EXPECT_EQ(main_.User[0].Job, INT32_MAX);
  EXPECT_EQ(main_.Private[0].JobIndex, -1);
  EXPECT_EQ(main_.Private[0].JobWord, "****");
  EXPECT_EQ(main_.User[1].Building, "A[DATA]B");
  EXPECT_EQ(main_.User[1].Tel1, "03");  // the records after it stay in place
  EXPECT_EQ(main_.User[1].DaytimeContact, 1);
}

}  // namespace
}  // namespace kakikomi
