#include "config/SettingsStore.h"

#include "config/SafeFile.h"
#include "config/SettingsFile.h"
#include "config/SoundSettings.h"
#include "config/StorablePath.h"
#include "state/Translation.h"

namespace winpiruk {

// The picture whose presence tells a card data directory.
constexpr const char* kProbePicture = "DiaA.bmp";
namespace {

bool WriteRecord(const Settings& settings, const std::string& path, SettingsHost& host) {
  const auto slash = path.rfind('/');
  if (slash != std::string::npos && slash > 0) EnsureDirectory(path.substr(0, slash));
  if (WriteFileAtomically(path, EncodeSettingsFile(settings))) return true;
  host.ShowWriteFailure();
  return false;
}

void ApplyReadResult(const SettingsReadResult& result, GameState& state) {
  if (result.card_kind_read) state.window.CardBackShown = state.settings.CardKind;
  if (result.bgm_read) state.window.BgmTrack = 1;
}

}  // namespace

int16_t TwipsField(long long twips) {
  if (twips > 32767) return 32767;
  if (twips < -32768) return -32768;
  return static_cast<int16_t>(twips);
}

bool WriteSettings(const GameState& state, const ProgramPaths& paths, SettingsHost& host) {
  return WriteRecord(state.settings, paths.SettingsFile(), host);
}

bool WriteSettingsWithBounds(const GameState& state, const ProgramPaths& paths, SettingsHost& host,
                             const WindowBounds& bounds) {
  Settings live = state.settings;
  live.MainWindowPosX = TwipsField(bounds.left);
  live.MainWindowPosY = TwipsField(bounds.top);
  live.MainWindowWidth = TwipsField(bounds.width);
  live.MainWindowHeight = TwipsField(bounds.height);
  return WriteRecord(live, paths.SettingsFile(), host);
}

bool WriteRuleSet(const GameState& state, const std::string& path, SettingsHost& host) {
  return WriteRecord(state.settings, path, host);
}

std::string DataDirectoryPrompt() {
  return Fill(Tr("SettingsStore", "\nカードデータの格納されているパスを入力してください.\n\n\nぴるく\nVersion %1"
                             "\n\nカードの絵とサウンドは、このプログラムと一緒にインストールされています."),
              {kProgramVersion});
}

namespace {

bool HoldsProbePicture(const std::string& directory) {
  Settings probe;
  probe.DataFileDirectory = directory;
  return FileIsReadable(DataFilePath(probe, kProbePicture));
}

}  // namespace

std::vector<std::string> SettingsHost::MissingPictures(const std::string& directory) {
  if (HoldsProbePicture(directory)) return {};
  return {kProbePicture};
}

std::string MissingPicturesLine(const std::string& directory, const std::vector<std::string>& missing) {
  constexpr size_t kNamed = 3;
  std::string line = Fill(Tr("SettingsStore", "「%1」にないファイル: "), {directory});
  for (size_t i = 0; i < missing.size() && i < kNamed; ++i) line += (i == 0 ? "" : ", ") + missing[i];
  if (missing.size() > kNamed) line += Fill(Tr("SettingsStore", " ほか%1個"), {std::to_string(missing.size() - kNamed)});
  return line;
}

namespace {

bool HoldsThePictures(SettingsHost& host, const std::string& directory) {
  return host.MissingPictures(directory).empty();
}

// The input box until a folder with the pictures is given; each prompt says
// what the folder checked last lacks, and an answer without the pictures is
// refused with a message before the box comes back with it.
std::optional<std::string> AskForPictureFolder(SettingsHost& host, std::string checked, std::string offered) {
  // The folder checked last is looked through once, for the refusal and the
  // next prompt alike.
  std::vector<std::string> missing = host.MissingPictures(checked);
  for (;;) {
    host.Beep();
    const std::string prompt = DataDirectoryPrompt() + "\n" + MissingPicturesLine(checked, missing);
    std::optional<std::string> answer = AskStorableDataDirectory(host, prompt, offered);
    if (!answer) return std::nullopt;
    if (HoldsProbePicture(*answer)) return answer;
    checked = offered = *answer;
    missing = host.MissingPictures(checked);
    host.ShowRefusedPath(Fill(Tr("SettingsStore", "「%1」にカードの絵がありません.\n"), {checked}) +
                         MissingPicturesLine(checked, missing));
  }
}

}  // namespace

ReadSettingsOutcome ReadSettings(GameState& state, const ProgramPaths& paths, SettingsHost& host) {
  state.settings = StorableDefaultSettings(paths.program_directory);
  state.table.AutoPlay = false;
  state.table.CallWindowOpen = false;
  state.table.UserClaimedCall = false;
  state.window.ResizeGuard = false;

  // A missing file is created from the defaults and then read; when it can
  // be neither read nor created the message is shown once and the program
  // goes on with the defaults.
  std::optional<SettingsReadResult> result = ApplySettingsFile(paths.SettingsFile(), state.settings);
  if (!result && WriteSettings(state, paths, host)) result = ApplySettingsFile(paths.SettingsFile(), state.settings);
  if (result) {
    ApplyReadResult(*result, state);
    // A line whose value did not fit was skipped; one rewrite stores the
    // record with every other key as the user left it.
    if (result->needs_rewrite) WriteSettings(state, paths, host);
  }

  Settings& s = state.settings;
  if (!FileIsReadable(DataFilePath(s, kProbePicture))) {
    if (s.DataFileDirectory.empty() && PathIsStorable(paths.program_directory) &&
        HoldsThePictures(host, paths.program_directory)) {
      // Nothing to ask: the program's own pictures are all there.
      s.DataFileDirectory = paths.program_directory;
    } else {
      const std::string checked = s.DataFileDirectory.empty() ? paths.program_directory : s.DataFileDirectory;
      const std::optional<std::string> answer = AskForPictureFolder(host, checked, paths.program_directory);
      if (!answer) return ReadSettingsOutcome::Quit;
      s.DataFileDirectory = *answer;
    }
    WriteSettings(state, paths, host);
  }
  state.seating.Phase = kChoosingMembers;
  state.seating.CurrentGroup = 1;
  return ReadSettingsOutcome::Ready;
}

std::optional<std::string> AskStorableDataDirectory(SettingsHost& host, const std::string& prompt,
                                                    const std::string& default_answer) {
  // A default the file cannot hold is not offered; after a refusal the box
  // holds what the user typed, to be corrected rather than typed again.
  std::string offered = PathIsStorable(default_answer) ? default_answer : std::string();
  for (;;) {
    std::optional<std::string> answer = host.AskDataDirectory(prompt, offered);
    if (!answer || answer->empty()) return std::nullopt;
    if (PathIsStorable(*answer)) return answer;
    host.ShowRefusedPath(UnstorablePathMessage(*answer));
    offered = *answer;
  }
}

bool LoadSettingsFile(const std::string& path, Settings& settings) {
  return ApplySettingsFile(path, settings).has_value();
}

}  // namespace winpiruk
