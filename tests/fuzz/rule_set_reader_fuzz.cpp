// Any bytes as a rule-set file, opened over a table whose record differs
// from the defaults. A file with a value that fits no field is refused and
// leaves the record, the card back shown, the music track and the rule set's
// name and folder as they were. Any other file is loaded as the settings
// reader reads its bytes, except that the pace and the card back shown stay,
// the window falls back to its base size unless the file gives one, and a
// card data directory without the pictures gives way to the one in use. The
// rules the program then saves load into another table unasked and save
// again to the same bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "config/RuleSets.h"
#include "config/SafeFile.h"
#include "config/SettingsFile.h"

namespace {

using namespace winpiruk;

void Check(bool ok) {
  if (!ok) std::abort();
}

// A folder for the run's files with a card data directory in it. Memory
// backed where the system has it: saving flushes every file to disk.
class Scratch {
 public:
  Scratch() {
    std::error_code error;
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string pattern = (base / "rule_set_fuzz.XXXXXX").string();
    Check(::mkdtemp(pattern.data()) != nullptr);
    path_ = pattern;
    Check(EnsureDirectory(Cards()));
    std::ofstream(Cards() + "/HeartA.bmp") << "BM";
  }
  ~Scratch() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  const std::string& path() const { return path_; }
  std::string Cards() const { return path_ + "/cards"; }

 private:
  std::string path_;
};

// Says no to every question, so a load keeps the directory in use.
class SilentHost : public SettingsHost {
 public:
  int questions = 0;
  void Beep() override {}
  void ShowWriteFailure() override { Check(false); }
  std::optional<std::string> AskDataDirectory(const std::string&, const std::string&) override {
    ++questions;
    return std::nullopt;
  }
};

GameState TableBeforeTheLoad(const std::string& cards) {
  GameState state;
  Settings& s = state.settings;
  s = DefaultSettings("/usr/share/winpiruk");
  s.DataFileDirectory = cards;
  s.GameSpeed = 2;
  s.CardKind = 3;
  s.SkipCard = 5;
  s.NumberOfGames = 4;
  s.MainWindowPosX = 120;
  s.MainWindowWidth = 12000;
  s.MainWindowHeight = 9000;
  s.Message_1 = {1, 4242};
  s.BgmList[1] = "/music/before.mid";
  s.BgmCount = 1;
  state.window.MainWindowBaseWidth = 8115;
  state.window.MainWindowBaseHeight = 5385;
  state.window.CardBackShown = s.CardKind;
  state.window.BgmTrack = 4;
  state.SettingsBaseName = "before.prk";
  state.RuleSetDirectory = "/rules";
  return state;
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  Check(out.good());
}

// The record a load should end with, worked out by the text reader.
struct Expected {
  Settings settings;
  SettingsReadResult read;
  bool asks_for_directory = false;
};

Expected ExpectedLoad(const GameState& before, std::string_view bytes) {
  Expected e{before.settings, {}, false};
  e.settings.MainWindowWidth = before.window.MainWindowBaseWidth;
  e.settings.MainWindowHeight = before.window.MainWindowBaseHeight;
  e.read = ApplySettingsText(bytes, e.settings);
  e.settings.GameSpeed = before.settings.GameSpeed;
  if (!FileIsReadable(DataFilePath(e.settings, "HeartA.bmp"))) {
    e.settings.DataFileDirectory = before.settings.DataFileDirectory;
    e.asks_for_directory = true;
  }
  return e;
}

// The rules of a loaded table saved, opened over another table and saved
// again: the same bytes both times.
void CheckSavedRulesRoundTrip(const Scratch& scratch, const GameState& loaded) {
  GameState first = loaded;
  SilentHost host;
  Check(SaveRuleSet(first, {scratch.path() + "/saved.prk", "saved.prk"}, host));
  const std::optional<std::string> written = ReadWholeFile(scratch.path() + "/saved.prk");
  Check(written.has_value());

  // Another table: a value it kept instead of the file's would show in the
  // second save. The pace is never taken from a rule set and the directory in
  // use stands in for one without the pictures, so those two are the first
  // table's.
  GameState other;
  other.settings = DefaultSettings("/elsewhere");
  other.settings.SkipCard = 13;
  other.settings.WallPaperAutoSize = 1;
  other.settings.PirukSound = "/elsewhere/sound.wav";
  other.settings.GameSpeed = loaded.settings.GameSpeed;
  other.settings.DataFileDirectory = loaded.settings.DataFileDirectory;
  Check(ReadRuleSet(other, scratch.path(), "saved.prk", host) == RuleSetReadOutcome::Loaded);
  Check(host.questions == 0);
  Check(SaveRuleSet(other, {scratch.path() + "/again.prk", "again.prk"}, host));
  Check(ReadWholeFile(scratch.path() + "/again.prk") == written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const Scratch scratch;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  WriteBytes(scratch.path() + "/fuzzed.prk", bytes);

  const GameState before = TableBeforeTheLoad(scratch.Cards());
  const Expected expected = ExpectedLoad(before, bytes);
  GameState state = before;
  SilentHost host;
  const RuleSetReadOutcome outcome = ReadRuleSet(state, scratch.path(), "fuzzed.prk", host);

  if (expected.read.needs_rewrite) {
    Check(outcome == RuleSetReadOutcome::UnreadableValue);
    Check(state.settings == before.settings);
    Check(state.window.CardBackShown == before.window.CardBackShown);
    Check(state.window.BgmTrack == before.window.BgmTrack);
    Check(state.SettingsBaseName == before.SettingsBaseName);
    Check(state.RuleSetDirectory == before.RuleSetDirectory);
    Check(host.questions == 0);
    return 0;
  }
  Check(outcome == RuleSetReadOutcome::Loaded);
  Check(state.settings == expected.settings);
  Check(state.window.CardBackShown == before.window.CardBackShown);
  Check(state.window.BgmTrack == (expected.read.bgm_read ? 1 : before.window.BgmTrack));
  Check(state.SettingsBaseName == "fuzzed.prk");
  Check(state.RuleSetDirectory == before.RuleSetDirectory);
  Check(host.questions == (expected.asks_for_directory ? 1 : 0));
  CheckSavedRulesRoundTrip(scratch, state);
  return 0;
}
