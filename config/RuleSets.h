#pragma once
// Rule-set files: named copies of the whole settings record, in the format
// of the settings file, that the user saves and opens again.
#include <optional>
#include <string>

#include "config/SettingsStore.h"
#include "state/GameState.h"

namespace winpiruk {

inline constexpr const char* kRuleSetExtension = ".prk";

// A directory joined to a file name with exactly one "/".
std::string JoinPath(const std::string& directory, const std::string& name);

// Where a name typed into the save window is written, and the name the
// rules are then known by. A name without a "." in its file part gets
// ".prk"; a name that starts with "/" is a full path of its own. Empty when
// the typed text names no file (blank, or ending in "/").
struct RuleSetSaveTarget {
  std::string full_path;
  std::string base_name;
};
std::optional<RuleSetSaveTarget> RuleSetSaveTargetFor(const std::string& directory, const std::string& typed);

// Writes the rules to the target; on success the rules are known by its
// name, on failure the host has shown the message and nothing changed.
bool SaveRuleSet(GameState& state, const RuleSetSaveTarget& target, SettingsHost& host);

enum class RuleSetReadOutcome {
  Loaded,
  // A value in the file fits no field: nothing was taken from the file.
  UnreadableValue,
  // The file could not be read; nothing changed.
  NotReadable,
};

// The lines of the prompt shown when the loaded rules name a card data
// directory without the pictures.
std::string InvalidDataDirectoryPrompt();

// Loads a rule-set file over the record: every key it holds except
// GameSpeed; keys it lacks keep their values, the window size falls back to
// the main window's base size unless the file gives one, the music list is
// the file's. The card back shown stays as it was, so a changed CardKind
// shows as a difference. When the card data directory then lacks the
// pictures the host asks for another; an empty answer keeps the one in use
// before the load. A file holding a value that fits no field is not taken
// in part: the record, the card back shown, the music track and the rule
// set's name and folder stay as they were.
RuleSetReadOutcome ReadRuleSet(GameState& state, const std::string& directory, const std::string& file_name,
                               SettingsHost& host);

}  // namespace winpiruk
