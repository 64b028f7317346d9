#include "engine/data/backup.h"

#include <gtest/gtest.h>

#include "engine/data/reg_write.h"
#include "tests/data/backup_lines.h"
#include "tests/data/test_home.h"

namespace kakikomi {
namespace {

using data_testing::BackupLines;
using data_testing::SampleProfile;
using data_testing::StorageTest;
using data_testing::TestRc4;

const char* const kNotABackup = "応募手帖のバックアップ用ファイルではありません。";

class BackupTest : public StorageTest {
 protected:
  void SetUp() override {
    StorageTest::SetUp();
    Load();
    main_.User[0].SeiKanji = Sjis("元の名前");
    main_.UserNumber = 0;
    main_.ClipBoardName[0] = "before";
    before_ = main_;
  }
  std::string File() const { return home_ + "backup.dat"; }
  bool Import(const std::string& plain) {
    WriteEncrypted(File(), plain);
    return CRegRead::BackupRead(&main_, &data_, File());
  }
  void ExpectUnchanged() {
    EXPECT_EQ(main_.User[0].SeiKanji, before_.User[0].SeiKanji);
    EXPECT_EQ(main_.UserNumber, before_.UserNumber);
    EXPECT_EQ(main_.ClipBoardName[0], before_.ClipBoardName[0]);
    EXPECT_EQ(main_.RestartNeeded, 0);
    EXPECT_EQ(main_.UserNum, before_.UserNum);
  }

  CMainData before_;
};

TEST_F(BackupTest, BackupBuiltFromTheLayoutLoadsAndDerives) {
  BackupLines backup;
  backup.names[0] = Sjis("懸賞用");
  backup.slots[0] = SampleProfile("山田");
  backup.slots[1] = SampleProfile("佐藤");
  backup.clips[20] = Sjis("よろしくお願いします。");
  backup.closing = {"251", "5", "0", "1", "0", "1", "1", "1", "1", "1"};
  main_.UserNum = 0;
  ASSERT_TRUE(Import(backup.Plain()));
  EXPECT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(main_.UserNumber, 1);
  EXPECT_EQ(main_.UserNum, 0);
  EXPECT_EQ(SjisToUtf8(main_.ClipBoardName[0]), "懸賞用");
  EXPECT_EQ(SjisToUtf8(main_.ClipBoardText[1][2]), "よろしくお願いします。");
  EXPECT_EQ(main_.AppVer, 251);
  EXPECT_EQ(main_.SetInputBirth, 5);
  EXPECT_EQ(main_.Setting1, 0);
  EXPECT_EQ(main_.Setting4, 1);
  EXPECT_EQ(main_.UserChangeInput, 1);
  EXPECT_TRUE(main_.UserDataChanged && main_.SettingChanged && main_.RestartNeeded &&
              main_.ClipBoardChanged);
  EXPECT_EQ(SjisToUtf8(data_.NameKanji), "山田　花子");
  EXPECT_EQ(SjisToUtf8(data_.BirthDate), "1990年4月9日");
  EXPECT_EQ(data_.BirthFormat, 5);
  EXPECT_EQ(SjisToUtf8(main_.Private[1].NameKanji), "佐藤　花子");
  EXPECT_EQ(main_.User[1].MobileMailDomain, "ezweb.ne.jp");
}

TEST_F(BackupTest, ExportThenImportRestoresEverything) {
  BackupLines backup;
  for (int s = 0; s < 4; ++s) backup.slots[s] = SampleProfile("田中" + std::to_string(s));
  for (int c = 0; c < 108; ++c) backup.clips[c] = "clip " + std::to_string(c);
  backup.closing.back() = "3";
  ASSERT_TRUE(Import(backup.Plain()));
  const CMainData exported = main_;
  ASSERT_TRUE(CRegWrite::BackupWrite(&main_, home_ + "copy.dat"));
  EXPECT_EQ(Decrypted(home_ + "copy.dat"), backup.Plain());  // byte for byte

  main_ = CMainData();
  ASSERT_TRUE(CRegRead::BackupRead(&main_, &data_, home_ + "copy.dat"));
  for (int s = 0; s < 10; ++s) {
    for (const ProfileTextItem& item : kProfileTexts)
      EXPECT_EQ(main_.User[s].*item.member, exported.User[s].*item.member) << s << item.name;
    for (const ProfileNumberItem& item : kProfileNumbers)
      EXPECT_EQ(main_.User[s].*item.member, exported.User[s].*item.member) << s << item.name;
  }
  EXPECT_EQ(main_.ClipBoardText, exported.ClipBoardText);
  EXPECT_EQ(main_.ClipBoardName, exported.ClipBoardName);
  EXPECT_EQ(main_.UserNumber, 3);
}

TEST_F(BackupTest, OlderFilesRebuildTheCarrierDomain) {
  BackupLines backup;
  backup.current = false;
  backup.slots[0] = SampleProfile("山田");
  backup.slots[0].numbers[0] = "3";
  backup.slots[1] = SampleProfile("佐藤");
  backup.slots[1].numbers[0] = "0";
  backup.slots[2] = SampleProfile("鈴木");
  backup.slots[2].numbers[0] = "20";  // past the table
  backup.closing.back() = "2";
  main_.User[1].MobileMailDomain = "left.over";
  ASSERT_TRUE(Import(backup.Plain()));
  EXPECT_EQ(main_.User[0].MobileMailDomain, "softbank.ne.jp");
  EXPECT_EQ(main_.User[1].MobileMailDomain, "");
  EXPECT_EQ(main_.User[2].MobileMailDomain, "");
  EXPECT_EQ(main_.User[0].LoginPassword, "pass-word");  // text 26 is in older files too
}

// Damaged, foreign or crafted files are refused with the message and leave
// the record as it was.
TEST_F(BackupTest, BadFilesAreRejectedWithoutChanges) {
  BackupLines good;
  good.slots[0] = SampleProfile();
  const std::vector<std::string> lines = good.Lines();
  auto without = [&](size_t index) {
    std::vector<std::string> l = lines;
    l.erase(l.begin() + index);
    return BackupLines::Join(l);
  };
  auto with_extra = [&](size_t index) {
    std::vector<std::string> l = lines;
    l.insert(l.begin() + index, "extra");
    return BackupLines::Join(l);
  };
  BackupLines slot_15 = good;
  slot_15.closing.back() = "15";
  BackupLines slot_minus_2 = good;
  slot_minus_2.closing.back() = "-2";
  BackupLines current_header_old_body = good;
  current_header_old_body.current = false;
  std::string renamed = current_header_old_body.Plain();
  renamed.replace(8, 3, "251");
  const std::string cases[] = {
      without(300),                                             // a line missing
      with_extra(10),                                           // a line too many
      BackupLines::Join({lines.begin(), lines.begin() + 100}),  // cut short
      good.Plain().substr(0, good.Plain().size() - 6),          // trailer cut
      slot_15.Plain(),
      slot_minus_2.Plain(),
      renamed,
  };
  for (const std::string& plain : cases) {
    host_.messages.clear();
    EXPECT_FALSE(Import(plain));
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0], kNotABackup);
    ExpectUnchanged();
  }
}

TEST_F(BackupTest, ForeignFilesAreRejectedBeforeAnyQuestion) {
  std::string random;
  for (int i = 0; i < 3000; ++i) random += static_cast<char>((i * 131) & 0xFF);
  for (const std::string& bytes : {std::string(), random, TestRc4("Hello, world\n")}) {
    data_testing::WriteBytes(File(), bytes);
    host_.messages.clear();
    EXPECT_FALSE(CRegRead::BackupRead(&main_, &data_, File()));
    EXPECT_EQ(host_.messages, std::vector<std::string>{kNotABackup});
    EXPECT_TRUE(host_.questions.empty());
    ExpectUnchanged();
  }
  EXPECT_FALSE(CRegRead::BackupRead(&main_, &data_, home_ + "none.dat"));
  ExpectUnchanged();
}

TEST_F(BackupTest, AnsweringNoChangesNothing) {
  BackupLines good;
  good.slots[0] = SampleProfile();
  host_.answer = false;
  EXPECT_FALSE(Import(good.Plain()));
  EXPECT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(host_.questions[0],
            "バックアップ用データを読み込みますか？\n一度読み込むと元に戻すことはできません。");
  ExpectUnchanged();
}

TEST_F(BackupTest, LongImportedTextsAreCutToWhatTheStoresHold) {
  BackupLines backup;
  backup.slots[0] = SampleProfile();
  std::string long_name;
  for (int i = 0; i < 30; ++i) long_name += Sjis("名");  // 60 bytes
  backup.names[0] = long_name;
  backup.clips[0] = std::string(1000, 'x');
  ASSERT_TRUE(Import(backup.Plain()));
  EXPECT_EQ(main_.ClipBoardName[0], long_name.substr(0, 40));
  EXPECT_EQ(main_.ClipBoardText[0][0].size(), 300u);
}

TEST_F(BackupTest, ExportPaths) {
  struct Case {
    const char* chosen;
    const char* written;
  };
  const Case cases[] = {
      {"/b/backup.dat.txt", "/b/backup.txt.dat"},
      {"/b/2026.data/save.dat", "/b/2026.data/save.dat"},  // folders are left alone
      {"/b/save", "/b/save.dat"},
      {"save.dat.dat", "save.dat"},
  };
  for (const Case& c : cases) EXPECT_EQ(BackupPathFor(c.chosen), c.written) << c.chosen;

  std::filesystem::create_directories(home_ + "2026.data");
  host_.path = home_ + "2026.data/save.dat.txt";
  ASSERT_TRUE(CRegWrite::Backup(&main_));
  EXPECT_TRUE(data_testing::Exists(home_ + "2026.data/save.txt.dat"));
}

TEST_F(BackupTest, ExportFailuresAreReported) {
  host_.path = home_ + "no-such-folder/save.dat";
  EXPECT_FALSE(CRegWrite::Backup(&main_));
  EXPECT_EQ(host_.messages, std::vector<std::string>{"バックアップ用データの保存に失敗しました。"});

  host_.messages.clear();
  main_.User[0].SeiKanji.clear();
  host_.path = home_ + "save.dat";
  EXPECT_FALSE(CRegWrite::Backup(&main_));
  EXPECT_EQ(host_.messages, std::vector<std::string>{"データが存在しません。"});
  EXPECT_FALSE(data_testing::Exists(home_ + "save.dat"));

  host_.path = "";  // cancelled
  EXPECT_FALSE(CRegWrite::Backup(&main_));
}

TEST_F(BackupTest, ImportThroughTheHostSavesBeforeTheRestart) {
  BackupLines backup;
  backup.slots[0] = SampleProfile("山田");
  backup.slots[1] = SampleProfile("佐藤");
  backup.closing.back() = "1";
  WriteEncrypted(File(), backup.Plain());
  host_.path = File();
  ASSERT_TRUE(CRegRead::Backup(&main_, &data_));
  EXPECT_EQ(host_.messages.back(),
            "バックアップ用データを有効にするために応募手帖を再起動します。");
  Load();
  EXPECT_EQ(main_.UserNumber, 1);
  EXPECT_EQ(SjisToUtf8(main_.User[1].SeiKanji), "佐藤");

  // An import that cannot be saved is not reported as done.
  std::filesystem::remove(RegistryPath());
  std::filesystem::create_directories(RegistryPath());
  host_.messages.clear();
  EXPECT_FALSE(CRegRead::Backup(&main_, &data_));
  EXPECT_EQ(host_.messages, std::vector<std::string>{"バックアップデータの読込に失敗しました。"});
}

}  // namespace
}  // namespace kakikomi
