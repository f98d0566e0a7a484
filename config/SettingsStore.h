#pragma once
// Loading and storing the settings record: "WinPiruk.ini", the rule-set
// files, and the check that the card data directory holds the pictures.
#include <optional>
#include <string>

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
  // An answer to that box that the settings file cannot hold was refused
  // (the message names the characters); the box is then shown again.
  virtual void ShowRefusedPath(const std::string& /*message*/) {}
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

enum class ReadSettingsOutcome { Ready, Quit };

// Defaults, then the file (created when missing, written once more when a
// value did not fit), then the card data directory check with its prompt.
// Quit when the user gave no directory. The name and folder of the rule set
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
