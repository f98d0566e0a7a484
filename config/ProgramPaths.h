#pragma once
// Where the program's files are: its own read-only files beside the
// executable, the settings file in the user's configuration folder and the
// member files in the user's data folder.
#include <string>

namespace winpiruk {

struct ProgramPaths {
  std::string program_directory;  // card pictures, sounds, help
  std::string config_directory;   // "WinPiruk.ini", "WinPirukMatch.ini"
  std::string data_directory;     // member files

  std::string SettingsFile() const { return config_directory + "/WinPiruk.ini"; }
  // The match the program was ended in, kept to be continued.
  std::string KeptMatchFile() const { return config_directory + "/WinPirukMatch.ini"; }
  std::string DataFile(const std::string& name) const { return data_directory + "/" + name; }
};

// `executable_directory` is the folder of the running program; the program's
// own files are in ../share/winpiruk beside it. The user's folders follow
// XDG_CONFIG_HOME and XDG_DATA_HOME (default ~/.config and ~/.local/share).
ProgramPaths LocateProgramPaths(const std::string& executable_directory);

}  // namespace winpiruk
