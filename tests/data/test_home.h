// Helpers for the storage tests: a temporary home for both stores and the
// program folder, and an RC4 of the tests' own so that files built here
// check the engine's cipher rather than reuse it.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/base/clock.h"
#include "engine/base/host.h"
#include "engine/base/sjis_text.h"
#include "engine/core/form_input_eng.h"
#include "engine/data/reg_read.h"
#include "engine/data/storage_paths.h"

namespace kakikomi::data_testing {

// MD5("Kumoyuki.exe"), the key of every data file.
inline std::string DataKey() {
  const unsigned char key[16] = {0xb9, 0x64, 0xff, 0xc0, 0xf0, 0x2f, 0x9b, 0x2d,
                                 0x5e, 0x6d, 0x92, 0xdc, 0xfc, 0x85, 0xf4, 0x20};
  return std::string(reinterpret_cast<const char*>(key), 16);
}

inline std::string TestRc4(const std::string& bytes) {
  const std::string key = DataKey();
  unsigned char s[256];
  for (int i = 0; i < 256; ++i) s[i] = static_cast<unsigned char>(i);
  for (int i = 0, j = 0; i < 256; ++i) {
    j = (j + s[i] + static_cast<unsigned char>(key[i % key.size()])) & 255;
    std::swap(s[i], s[j]);
  }
  std::string out = bytes;
  for (size_t n = 0, i = 0, j = 0; n < out.size(); ++n) {
    i = (i + 1) & 255;
    j = (j + s[i]) & 255;
    std::swap(s[i], s[j]);
    out[n] = static_cast<char>(out[n] ^ s[(s[i] + s[j]) & 255]);
  }
  return out;
}

inline std::string Records(const std::vector<std::string>& values) {
  std::string text;
  for (const std::string& v : values) text += "[DATA]" + v + "\n";
  return text;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline bool Exists(const std::string& path) { return std::filesystem::exists(path); }

inline int Mode(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 0777) : -1;
}

// The 40 records of a profile in file order: texts 0-24, numbers, texts 25-27.
struct ProfileFile {
  std::vector<std::string> texts = std::vector<std::string>(28);
  std::vector<std::string> numbers = std::vector<std::string>(12, "0");
  std::string Plain() const {
    std::vector<std::string> values(texts.begin(), texts.begin() + 25);
    values.insert(values.end(), numbers.begin(), numbers.end());
    values.insert(values.end(), texts.begin() + 25, texts.end());
    return Records(values);
  }
};

// A profile with recognisable values in every item (texts CP932).
inline ProfileFile SampleProfile(const std::string& sei = "山田", int birth_year_position = 92) {
  ProfileFile f;
  const char* texts[28] = {"",         "花子",     "やまだ",     "はなこ",     "YAMADA", "HANAKO",
                           "はな",     "hanako",   "example.jp", "hana.m",     "100",    "0001",
                           "千代田区", "千代田",   "1-1",        "桜ビル",     "03",     "1234",
                           "5678",     "03",       "1234",       "5679",       "090",    "1111",
                           "2222",     "hanako90", "pass-word",  "ezweb.ne.jp"};
  for (int i = 0; i < 28; ++i) f.texts[i] = Sjis(texts[i]);
  f.texts[0] = Sjis(sei);
  const int numbers[12] = {1, 2, birth_year_position, 4, 9, 2, 1, 2, 10, 10, 13, 1};
  for (int i = 0; i < 12; ++i) f.numbers[i] = std::to_string(numbers[i]);
  return f;
}

// Messages and answers of the engine's dialogs, recorded.
class RecordingHost : public Host {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    return answer;
  }
  std::string ChooseSaveFile(const std::string&) override { return path; }
  std::string ChooseOpenFile() override { return path; }

  std::vector<std::string> messages, questions;
  bool answer = true;
  std::string path;
};

// A fresh HAKOBUNE_HOME and program folder for each test; nothing of the real
// home is touched.
class StorageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/hakobune-data-test-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    root_ = pattern;
    home_ = root_ + "/home/";
    program_ = root_ + "/program/";
    std::filesystem::create_directories(home_);
    std::filesystem::create_directories(program_);
    ::setenv("HAKOBUNE_HOME", home_.c_str(), 1);
    SetHakobuneHome("");
    SetProgramFolder(program_);
    CFormInputEng::ReadData(&data_);
  }
  void TearDown() override {
    SetProgramFolder("");
    ::unsetenv("HAKOBUNE_HOME");
    std::filesystem::remove_all(root_);
  }

  std::string DataDir() const { return home_ + "HOSHIZORA/Kazaguruma/"; }
  std::string RegistryPath() const { return home_ + "HOSHIZORA/Hakobune2.0/registry.json"; }

  void WriteEncrypted(const std::string& path, const std::string& plain) {
    WriteBytes(path, TestRc4(plain));
  }
  std::string Decrypted(const std::string& path) { return TestRc4(ReadBytes(path)); }

  // A settings file holding `values` (name -> {type, hex bytes}) as JSON text.
  void WriteRegistry(const std::string& values_json) {
    WriteBytes(RegistryPath(),
               "{\"Software\\\\HOSHIZORA\\\\Hakobune2.0\\\\Setting\": " + values_json + "}");
  }

  void Load(RegLoad mode = RegLoad::kMigrate) { CRegRead::GetRegData(&main_, &data_, mode); }

  FakeClock clock_{{2026, 12, 10}};
  ScopedClock scoped_clock_{&clock_};
  RecordingHost host_;
  ScopedHost scoped_host_{&host_};
  std::string root_, home_, program_;
  CData data_;
  CMainData main_;
};

}  // namespace kakikomi::data_testing
