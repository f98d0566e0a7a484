#include "config/RuleSets.h"

#include <filesystem>

#include "config/SafeFile.h"
#include "config/SettingsFile.h"
#include "state/Translation.h"

namespace winpiruk {
namespace {

// What loading a rule set touches, kept to put back when the file turns
// out to hold a value that cannot be read.
struct LoadRollback {
  Settings settings;
  int16_t CardBackShown;
  int16_t BgmTrack;
  std::string SettingsBaseName;
  std::string RuleSetDirectory;

  explicit LoadRollback(const GameState& state)
      : settings(state.settings),
        CardBackShown(state.window.CardBackShown),
        BgmTrack(state.window.BgmTrack),
        SettingsBaseName(state.SettingsBaseName),
        RuleSetDirectory(state.RuleSetDirectory) {}

  void Restore(GameState& state) const {
    state.settings = settings;
    state.window.CardBackShown = CardBackShown;
    state.window.BgmTrack = BgmTrack;
    state.SettingsBaseName = SettingsBaseName;
    state.RuleSetDirectory = RuleSetDirectory;
  }
};

}  // namespace

std::string JoinPath(const std::string& directory, const std::string& name) {
  if (directory.empty()) return "/" + name;
  if (directory.back() == '/') return directory + name;
  return directory + "/" + name;
}

std::optional<RuleSetSaveTarget> RuleSetSaveTargetFor(const std::string& directory, const std::string& typed) {
  const size_t slash = typed.rfind('/');
  std::string base = slash == std::string::npos ? typed : typed.substr(slash + 1);
  if (base.find_first_not_of(" \t") == std::string::npos) return std::nullopt;
  std::string path = !typed.empty() && typed.front() == '/' ? typed : JoinPath(directory, typed);
  // Only the file's own name decides: a folder with a "." in its name must
  // not keep a plain name from getting its extension.
  if (base.find('.') == std::string::npos) {
    base += kRuleSetExtension;
    path += kRuleSetExtension;
  }
  return RuleSetSaveTarget{path, base};
}

bool SaveRuleSet(GameState& state, const RuleSetSaveTarget& target, SettingsHost& host) {
  if (!WriteRuleSet(state, target.full_path, host)) return false;
  state.SettingsBaseName = target.base_name;
  return true;
}

std::string InvalidDataDirectoryPrompt() {
  return Fill(Tr("RuleSets", "\nカードデータの格納されているパス指定が無効です。\n\n正しいパスを入力してください.\n\n\nぴるく\n"
                        "Version %1\n\nカードの絵とサウンドは、このプログラムと一緒にインストールされています."),
              {kProgramVersion});
}

RuleSetReadOutcome ReadRuleSet(GameState& state, const std::string& directory, const std::string& file_name,
                               SettingsHost& host) {
  const std::string path = JoinPath(directory, file_name);
  // A folder or a device opens like a file on this system but holds no rules.
  std::error_code error;
  if (file_name.empty() || !std::filesystem::is_regular_file(path, error)) return RuleSetReadOutcome::NotReadable;

  const LoadRollback before(state);
  Settings& s = state.settings;
  state.SettingsBaseName = file_name;
  state.window.CardBackShown = s.CardKind;
  s.MainWindowWidth = state.window.MainWindowBaseWidth;
  s.MainWindowHeight = state.window.MainWindowBaseHeight;
  const std::string directory_in_use = s.DataFileDirectory;
  const int16_t speed = s.GameSpeed;  // a rule set never changes the pace

  const std::optional<SettingsReadResult> result = ApplySettingsFile(path, s);
  if (!result) {
    before.Restore(state);
    return RuleSetReadOutcome::NotReadable;
  }
  if (result->needs_rewrite) {
    // Half a rule set would mix two sets of rules, and the menu would write
    // the mixture to the settings file.
    before.Restore(state);
    return RuleSetReadOutcome::UnreadableValue;
  }
  s.GameSpeed = speed;
  if (result->bgm_read) state.window.BgmTrack = 1;

  while (!FileIsReadable(DataFilePath(s, "HeartA.bmp"))) {
    host.Beep();
    const std::optional<std::string> answer =
        AskStorableDataDirectory(host, InvalidDataDirectoryPrompt(), directory_in_use);
    if (!answer) {
      // The directory in use before the load is the way out of the prompt.
      s.DataFileDirectory = directory_in_use;
      break;
    }
    s.DataFileDirectory = *answer;
  }
  return RuleSetReadOutcome::Loaded;
}

}  // namespace winpiruk
