#pragma once
// Loading and storing the settings record: "WinPiruk.ini", the rule-set
// files, and the check that the card data directory holds the pictures.
#include <optional>
#include <string>
#include <vector>

#include "config/ProgramPaths.h"
#include "state/GameState.h"

namespace winpiruk {

// What reading and writing the settings needs from the screen.
class SettingsHost {
 public:
  virtual ~SettingsHost() = default;
  virtual void Beep() = 0;
  // Beeps and shows "ファイルに正しく書き込めませんでした".
  virtual void ShowWriteFailure() = 0;
  // The input box for the card data directory; empty on Cancel.
  virtual std::optional<std::string> AskDataDirectory(const std::string& prompt,
                                                      const std::string& default_answer) = 0;
  // An answer to that box that the settings file cannot hold, or a folder
  // without the pictures, was refused (the message says why); the box is
  // then shown again.
  virtual void ShowRefusedPath(const std::string& /*message*/) {}
  // The picture files the table needs that `directory` lacks. By default
  // only the one picture the directory check probes.
  virtual std::vector<std::string> MissingPictures(const std::string& directory);
};

struct WindowBounds {
  int left = 0, top = 0, width = 0, height = 0;  // twips
};

// Writes the whole record; on failure shows the message and returns false,
// leaving the old file and the record as they were.
bool WriteSettings(const GameState& state, const ProgramPaths& paths, SettingsHost& host);

// The main window's variant: the four window lines hold the live bounds
// (clamped to what the file's fields hold) instead of the stored ones.
bool WriteSettingsWithBounds(const GameState& state, const ProgramPaths& paths, SettingsHost& host,
                             const WindowBounds& bounds);

// The same lines to a file the user names.
bool WriteRuleSet(const GameState& state, const std::string& path, SettingsHost& host);

// Clamps a length in twips into a 16-bit settings field.
int16_t TwipsField(long long twips);

// The lines of the directory prompt.
std::string DataDirectoryPrompt();

// The prompt's last line when a folder was checked and found lacking: the
// folder and the first few files it lacks, with how many more.
std::string MissingPicturesLine(const std::string& directory, const std::vector<std::string>& missing);

enum class ReadSettingsOutcome { Ready, Quit };

// Defaults, then the file (created when missing, written once more when a
// value did not fit), then the card data directory check with its prompt.
// No directory set yet and the program's own folder holding every picture:
// that folder is taken without a question and written as an answer would
// be. An answer without the pictures is refused with a message. Quit when
// the user gave no directory. The name and folder of the rule set
// last opened are kept: they last for the run.
ReadSettingsOutcome ReadSettings(GameState& state, const ProgramPaths& paths, SettingsHost& host);

// The card data directory typed into the input box, or nothing when the
// user gave none. An answer the settings file cannot hold is refused with a
// message and the box asks again, holding what was typed. A default the
// file cannot hold is not offered.
std::optional<std::string> AskStorableDataDirectory(SettingsHost& host, const std::string& prompt,
                                                    const std::string& default_answer);

// Loads the rule keys of a settings or rule-set file into the record without
// the directory check (used by the headless runner and the rule-set loader).
bool LoadSettingsFile(const std::string& path, Settings& settings);

}  // namespace winpiruk
