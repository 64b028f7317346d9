// The kakikomi command end to end: backups move every profile, group name,
// clipboard text and setting from one home to another.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>

#include <nlohmann/json.hpp>

#include "tests/data/backup_lines.h"
#include "tests/data/test_home.h"

namespace kakikomi {
namespace {

using data_testing::BackupLines;
using data_testing::TestRc4;

struct CommandResult {
  int status;
  std::string out, err;
};

class CliBackupTest : public data_testing::StorageTest {
 protected:
  CommandResult Kakikomi(const std::string& args) {
    const std::string out = root_ + "/out.txt", err = root_ + "/err.txt";
    const std::string command = "env -u HAKOBUNE_HOME '" + std::string(KAKIKOMI_BINARY) + "' " +
                                args + " >'" + out + "' 2>'" + err + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, data_testing::ReadBytes(out),
            data_testing::ReadBytes(err)};
  }
  static size_t Lines(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
  }
  size_t FilesUnder(const std::string& dir) {
    size_t n = 0;
    for (auto& e : std::filesystem::recursive_directory_iterator(dir)) n += e.is_regular_file();
    return n;
  }
};

TEST_F(CliBackupTest, ExportThenImportIntoAnEmptyHomeRestoresEverything) {
  BackupLines backup;
  for (int s = 0; s < 3; ++s)
    backup.slots[s] = data_testing::SampleProfile("田中" + std::to_string(s));
  for (int g = 0; g < 6; ++g) backup.names[g] = Sjis("グループ") + std::to_string(g);
  for (int c = 0; c < 108; ++c) backup.clips[c] = Sjis("定型文") + std::to_string(c);
  backup.closing = {"251", "3", "0", "0", "1", "1", "0", "1", "1", "2"};
  const std::string original = root_ + "/original.dat";
  data_testing::WriteBytes(original, TestRc4(backup.Plain()));
  const std::string a = root_ + "/a", b = root_ + "/b";
  std::filesystem::create_directories(a);
  std::filesystem::create_directories(b);

  // Without --yes nothing is replaced and nothing is written.
  CommandResult declined = Kakikomi("backup import '" + original + "' --home '" + a + "'");
  EXPECT_NE(declined.status, 0);
  EXPECT_NE(declined.err.find("--yes"), std::string::npos);
  EXPECT_EQ(Lines(declined.err), 1u) << declined.err;
  EXPECT_EQ(FilesUnder(a), 0u);

  ASSERT_EQ(Kakikomi("backup import '" + original + "' --yes --home '" + a + "'").status, 0);
  ASSERT_EQ(Kakikomi("backup export '" + a + "/exported.dat' --home '" + a + "'").status, 0);
  EXPECT_EQ(Decrypted(a + "/exported.dat"), backup.Plain());

  ASSERT_EQ(Kakikomi("backup import '" + a + "/exported.dat' --yes --home '" + b + "'").status, 0);
  ASSERT_EQ(Kakikomi("backup export '" + b + "/again' --home '" + b + "'").status, 0);
  EXPECT_EQ(Decrypted(b + "/again.dat"), backup.Plain());
  EXPECT_EQ(data_testing::Mode(b + "/HOSHIZORA/Kazaguruma/reg_3.dat"), 0600);
  EXPECT_FALSE(data_testing::Exists(b + "/HOSHIZORA/Kazaguruma/reg_4.dat"));

  CommandResult show = Kakikomi("show --user 2 --home '" + b + "'");
  ASSERT_EQ(show.status, 0) << show.err;
  const nlohmann::json values = nlohmann::json::parse(show.out);
  EXPECT_EQ(values["user"], 2);
  EXPECT_EQ(values["NameKanji"], "田中2　花子");
  EXPECT_EQ(values["NameKatakana"], "ヤマダ　ハナコ");
  EXPECT_EQ(values["ToDouHuKenName"], "東京都");
  EXPECT_EQ(values["BirthDate"], "1990-4-9");  // SetInputBirth 3 came with the backup
  EXPECT_EQ(values["MobileMailAddress"], "hana.m@ezweb.ne.jp");
  EXPECT_EQ(values["Era"], 3);
  EXPECT_EQ(values["FixedMinusOne"], -1);
}

TEST_F(CliBackupTest, ErrorsSayOneLineAndWriteNothing) {
  const std::string empty = root_ + "/empty";
  std::filesystem::create_directories(empty);
  const struct {
    std::string args;
    int status;
  } cases[] = {
      {"show --home '" + empty + "'", 1},
      {"show --user 12 --home '" + empty + "'", 1},
      {"show --bogus", 2},
      {"backup export '" + empty + "/x.dat' --home '" + empty + "'", 1},
      {"backup import '" + empty + "/missing.dat' --yes --home '" + empty + "'", 1},
      {"backup import '/etc/hostname' --yes --home '" + empty + "'", 1},
      {"backup frobnicate x", 2},
      {"backup export", 2},
  };
  for (const auto& c : cases) {
    CommandResult run = Kakikomi(c.args);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_EQ(Lines(run.err), 1u) << c.args << ": " << run.err;
    EXPECT_EQ(run.out, "") << c.args;
    EXPECT_EQ(FilesUnder(empty), 0u) << c.args;
  }
}

}  // namespace
}  // namespace kakikomi
