// Helpers for the document model tests: pages parsed from UTF-8 literals
// and a scratch folder for pages that frame each other.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "engine/base/sjis_text.h"
#include "engine/dom/standalone_document.h"

namespace kakikomi::dom_testing {

inline std::shared_ptr<StandaloneDocument> ParsePage(std::string_view html) {
  std::string error;
  auto document = StandaloneDocument::FromBytes(html, "", &error);
  EXPECT_TRUE(document) << error;
  return document;
}

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kakikomi-dom-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string Write(const std::string& name, std::string_view bytes) const {
    const std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(bytes.data(), bytes.size());
    return file.string();
  }
  std::string Path(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace kakikomi::dom_testing
