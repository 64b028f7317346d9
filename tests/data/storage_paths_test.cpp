#include "engine/data/storage_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kakikomi {
namespace {

// Sets environment variables for one test and puts the old values back.
class ScopedEnv {
 public:
  void Set(const char* name, const char* value) {
    const char* old = std::getenv(name);
    saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second)
        ::setenv(it->first.c_str(), it->second->c_str(), 1);
      else
        ::unsetenv(it->first.c_str());
    }
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(StoragePathsTest, XdgFoldersHomeVariableAndOverride) {
  ScopedEnv env;
  env.Set("HOME", "/home/hanako");
  env.Set("HAKOBUNE_HOME", nullptr);
  env.Set("XDG_CONFIG_HOME", "/x/config");
  env.Set("XDG_DATA_HOME", "/x/data/");
  SetHakobuneHome("");
  EXPECT_EQ(RegistryFilePath(), "/x/config/HOSHIZORA/Hakobune2.0/registry.json");
  EXPECT_EQ(DataFolder(), "/x/data/HOSHIZORA/Kazaguruma/");

  // Relative XDG values do not count; the defaults lie under the home folder.
  env.Set("XDG_CONFIG_HOME", "relative");
  env.Set("XDG_DATA_HOME", nullptr);
  EXPECT_EQ(RegistryFilePath(), "/home/hanako/.config/HOSHIZORA/Hakobune2.0/registry.json");
  EXPECT_EQ(DataFolder(), "/home/hanako/.local/share/HOSHIZORA/Kazaguruma/");

  env.Set("HAKOBUNE_HOME", "/portable");
  EXPECT_EQ(RegistryFilePath(), "/portable/HOSHIZORA/Hakobune2.0/registry.json");
  EXPECT_EQ(DataFolder(), "/portable/HOSHIZORA/Kazaguruma/");
  EXPECT_EQ(AppDataRoot(), "/portable/");

  SetHakobuneHome("/from/option");
  EXPECT_EQ(DataFolder(), "/from/option/HOSHIZORA/Kazaguruma/");
  SetHakobuneHome("");
  EXPECT_EQ(DataFolder(), "/portable/HOSHIZORA/Kazaguruma/");
}

}  // namespace
}  // namespace kakikomi
