#include <gtest/gtest.h>

#include "engine/data/cipher.h"
#include "engine/data/records.h"
#include "engine/data/reg_write.h"
#include "engine/data/safe_file.h"
#include "tests/data/test_home.h"

namespace kakikomi {
namespace {

using data_testing::StorageTest;

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string hex;
  for (unsigned char c : bytes) hex += {digits[c >> 4], digits[c & 15]};
  return hex;
}

TEST(CipherTest, KeyAndStreamMatchTheWindowsFiles) {
  EXPECT_EQ(Hex(Md5("Kumoyuki.exe")), "b964ffc0f02f9b2d5e6d92dcfc85f420");
  EXPECT_EQ(Hex(EncryptDataText("abc")), "695fb2");
  EXPECT_EQ(EncryptDataText(""), "");
  // One stream over the whole text, the same as the tests' own RC4.
  std::string long_text(12000, 'x');
  for (size_t i = 0; i < long_text.size(); ++i) long_text[i] = static_cast<char>('a' + i % 26);
  EXPECT_EQ(EncryptDataText(long_text), data_testing::TestRc4(long_text));
  EXPECT_EQ(DecryptDataFile(EncryptDataText(long_text)), long_text);
}

TEST(CipherTest, ZeroByteEndsItsPieceOfPlainText) {
  // The stored files were read piece by piece as terminated strings.
  std::string plain = std::string(10, 'a') + '\0' + std::string(6000, 'b');
  const std::string read = DecryptDataFile(EncryptDataText(plain));
  EXPECT_EQ(read, std::string(10, 'a') + std::string(6000 - (5121 - 11), 'b'));
}

TEST(RecordsTest, ReadingRecords) {
  struct Case {
    const char* text;
    std::vector<std::optional<std::string>> expected;
  };
  const Case cases[] = {
      {"[DATA]a\n[DATA]b\n[DATA]c\n", {"a", "b", "c"}},
      {"[DATA]\n[DATA]b\n", {std::nullopt, "b", std::nullopt}},  // empty keeps the old value
      {"[DATA]a\n[DATA]b", {"a", std::nullopt, std::nullopt}},   // no line feed
      {"", {std::nullopt, std::nullopt, std::nullopt}},
      {"garbage", {std::nullopt, std::nullopt, std::nullopt}},
      // A value holding the marker stays one value; the next record follows it.
      {"[DATA]x[DATA]y\n[DATA]b\n[DATA]c\n", {"x[DATA]y", "b", "c"}},
      {"[DATA]a\r\n[DATA]b\n", {"a\r", "b", std::nullopt}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadRecords(c.text, 3), c.expected) << c.text;
}

TEST(RecordsTest, DecimalConversion) {
  struct Case {
    const char* text;
    int value;
  };
  const Case cases[] = {{"12", 12},
                        {"-1", -1},
                        {" 7x", 7},
                        {"abc", 0},
                        {"", 0},
                        {"+5", 5},
                        {"99999999999", INT32_MAX},
                        {"-99999999999", INT32_MIN},
                        {"2147483648", INT32_MAX},
                        {"-2147483648", INT32_MIN}};
  for (const Case& c : cases) EXPECT_EQ(DecimalToInt(c.text), c.value) << c.text;
}

TEST(RecordsTest, ProfileRoundTripKeepsEveryItem) {
  UserProfile profile;
  for (const ProfileTextItem& item : kProfileTexts) profile.*item.member = std::string(item.name);
  int n = -3;
  for (const ProfileNumberItem& item : kProfileNumbers) profile.*item.member = n++;
  profile.Building = "A[DATA]B";
  const std::string text = BuildRecords(ProfileRecordValues(profile));
  EXPECT_EQ(text.substr(0, 22), "[DATA]SeiKanji\n[DATA]M");
  EXPECT_NE(text.find("[DATA]Mobile3\n[DATA]-3\n[DATA]-2\n"), std::string::npos);
  UserProfile back;
  ApplyProfileRecords(text, &back);
  for (const ProfileTextItem& item : kProfileTexts)
    EXPECT_EQ(back.*item.member, profile.*item.member) << item.name;
  for (const ProfileNumberItem& item : kProfileNumbers)
    EXPECT_EQ(back.*item.member, profile.*item.member) << item.name;
}

class SafeFileTest : public StorageTest {};

TEST_F(SafeFileTest, WriteIsOwnerOnlyAndReplacesWhole) {
  const std::string path = home_ + "file.dat";
  data_testing::WriteBytes(path, "old content that is longer");
  ASSERT_TRUE(CRegWrite::Write(path, "abc"));
  EXPECT_EQ(data_testing::ReadBytes(path), "\x69\x5f\xb2");
  EXPECT_EQ(data_testing::Mode(path), 0600);
  EXPECT_EQ(CRegRead::Read(path), "abc");
  ASSERT_TRUE(CRegWrite::Write(path, ""));
  EXPECT_EQ(data_testing::ReadBytes(path), "");
  // No temporary file is left beside it.
  int files = 0;
  for (auto& entry : std::filesystem::directory_iterator(home_)) files += entry.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST_F(SafeFileTest, FailedWriteKeepsTheOldFile) {
  const std::string path = home_ + "missing-folder/file.dat";
  EXPECT_FALSE(CRegWrite::Write(path, "abc"));
  EXPECT_FALSE(data_testing::Exists(path));
  // A target that cannot be replaced (a folder) is left alone.
  std::filesystem::create_directories(home_ + "reg_1.dat");
  EXPECT_FALSE(CRegWrite::Write(home_ + "reg_1.dat", "abc"));
  EXPECT_TRUE(std::filesystem::is_directory(home_ + "reg_1.dat"));
  int files = 0;
  for (auto& entry : std::filesystem::directory_iterator(home_)) files += entry.is_regular_file();
  EXPECT_EQ(files, 0);
}

TEST_F(SafeFileTest, ReadOfAnythingButASmallFileIsEmpty) {
  EXPECT_EQ(CRegRead::Read(home_ + "none.dat"), "");
  EXPECT_EQ(CRegRead::Read(home_), "");  // a folder
  data_testing::WriteBytes(home_ + "huge.dat", std::string((4 << 20) + 1, 'x'));
  EXPECT_EQ(CRegRead::Read(home_ + "huge.dat"), "");
  EXPECT_EQ(CRegRead::Read("/dev/zero"), "");
}

TEST_F(SafeFileTest, PrivateFoldersAreCreatedOwnerOnly) {
  const std::string folder = home_ + "a/b/c/";
  ASSERT_TRUE(EnsurePrivateFolder(folder));
  EXPECT_EQ(data_testing::Mode(home_ + "a"), 0700);
  EXPECT_EQ(data_testing::Mode(folder), 0700);
  data_testing::WriteBytes(home_ + "plain", "x");
  EXPECT_FALSE(EnsurePrivateFolder(home_ + "plain/sub"));
}

}  // namespace
}  // namespace kakikomi
