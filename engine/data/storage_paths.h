// Where the stores live. The settings file stands in for the registry key
// and the data folder holds the encrypted profile and clipboard files:
//   $XDG_CONFIG_HOME/HOSHIZORA/Hakobune2.0/registry.json
//   $XDG_DATA_HOME/HOSHIZORA/Kazaguruma/
// A home folder (SetHakobuneHome, else $HAKOBUNE_HOME) puts both under it:
//   HOME/HOSHIZORA/Hakobune2.0/registry.json and HOME/HOSHIZORA/Kazaguruma/
#pragma once

#include <string>

namespace kakikomi {

// Moves both stores under `dir` for this process; the empty text undoes it.
void SetHakobuneHome(const std::string& dir);
// The folder set above, else $HAKOBUNE_HOME, else the empty text.
std::string HakobuneHome();

// Where GetAppPath finds the program's folder: the empty text (the folder of
// the running executable) unless a test points it elsewhere.
void SetProgramFolder(const std::string& dir);
std::string ProgramFolderOverride();

// The application-data root that the data folder lies in, ending in "/".
std::string AppDataRoot();
// The data folder: AppDataRoot() + "HOSHIZORA/Kazaguruma/".
std::string DataFolder();
// The settings file and the key inside it that holds the values.
std::string RegistryFilePath();
inline constexpr const char* kSettingKey = "Software\\HOSHIZORA\\Hakobune2.0\\Setting";

}  // namespace kakikomi
