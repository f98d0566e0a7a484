#include "config/RuleSets.h"

#include <gtest/gtest.h>

#include <fstream>

#include "config/SafeFile.h"
#include "config/SettingsFile.h"
#include "support/Rows.h"
#include "support/ScriptedSettingsHost.h"
#include "support/TempDir.h"

namespace winpiruk {
namespace {

using test::ScriptedHost;

struct Fixture {
  test::TempDir root;
  std::string cards = root.File("cards");
  GameState state;
  ScriptedHost host;

  Fixture() {
    EnsureDirectory(cards);
    std::ofstream(cards + "/HeartA.bmp") << "BM";
    state.settings = DefaultSettings(root.File("share"));
    state.settings.DataFileDirectory = cards;
    state.window.MainWindowBaseWidth = 8115;
    state.window.MainWindowBaseHeight = 5385;
  }
  void WriteText(const std::string& name, const std::string& text) const {
    ASSERT_TRUE(WriteFileAtomically(root.File(name), text));
  }
};

TEST(RuleSetSaveTarget, ExtensionIsAddedToNamesWithoutADot) {
  struct Case {
    const char* directory;
    const char* typed;
    const char* path;
    const char* base;
  };
  const Case cases[] = {
      {"/home/u", "house", "/home/u/house.prk", "house.prk"},
      {"/home/u/", "house", "/home/u/house.prk", "house.prk"},
      {"/home/u", "house.txt", "/home/u/house.txt", "house.txt"},
      {"/home/u", "house.", "/home/u/house.", "house."},
      {"/home/my.rules", "house", "/home/my.rules/house.prk", "house.prk"},
      {"/home/u", "sub/house", "/home/u/sub/house.prk", "house.prk"},
      {"/home/u", "/tmp/x", "/tmp/x.prk", "x.prk"},
      {"/", "a", "/a.prk", "a.prk"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    const auto target = RuleSetSaveTargetFor(c.directory, c.typed);
    ASSERT_TRUE(target.has_value()) << c.typed;
    EXPECT_EQ(target->full_path, c.path);
    EXPECT_EQ(target->base_name, c.base);
  }
  for (const char* nothing : {"", "  ", "sub/", "/"}) EXPECT_FALSE(RuleSetSaveTargetFor("/home/u", nothing)) << nothing;
}

TEST(RuleSets, SavingNamesTheRulesAndAWriteErrorLeavesTheNameAlone) {
  Fixture f;
  f.state.SettingsBaseName = "old.prk";
  // A file standing where the folder should be makes the write fail.
  f.WriteText("file", "x");
  ASSERT_FALSE(SaveRuleSet(f.state, {f.root.File("file") + "/x.prk", "x.prk"}, f.host));
  EXPECT_EQ(f.host.write_failures, 1);
  EXPECT_EQ(f.state.SettingsBaseName, "old.prk");

  const auto target = RuleSetSaveTargetFor(f.root.path(), "house");
  ASSERT_TRUE(SaveRuleSet(f.state, *target, f.host));
  EXPECT_EQ(f.state.SettingsBaseName, "house.prk");
  EXPECT_EQ(ReadWholeFile(f.root.File("house.prk")).value_or(""), EncodeSettingsFile(f.state.settings));
}

TEST(RuleSets, SavedAndLoadedAgainReproducesEverythingButThePace) {
  Fixture f;
  Settings& s = f.state.settings;
  s.SkipCard = 11;
  s.PenaltyLeaves = 4;
  s.FinishMeans = 3;
  s.HorizonCardPos = -12;
  s.CardKind = 5;
  s.GameSpeed = 2;
  s.MainWindowWidth = 9000;
  s.Message_1 = {1, 4242};
  s.GameWallPaper = "/pictures/楽.bmp";
  s.BgmList[1] = "/music/a.mid";
  s.BgmList[2] = "/music/b.mid";
  s.BgmCount = 2;
  ASSERT_TRUE(SaveRuleSet(f.state, *RuleSetSaveTargetFor(f.root.path(), "all"), f.host));
  const Settings written = s;

  s = DefaultSettings("/elsewhere");
  s.DataFileDirectory = f.cards;
  s.GameSpeed = 0;
  f.state.window.CardBackShown = 0;
  f.state.SettingsBaseName.clear();
  ASSERT_EQ(ReadRuleSet(f.state, f.root.path(), "all.prk", f.host), RuleSetReadOutcome::Loaded);
  Settings expected = written;
  expected.GameSpeed = 0;
  EXPECT_EQ(EncodeSettingsFile(s), EncodeSettingsFile(expected));
  EXPECT_EQ(f.state.SettingsBaseName, "all.prk");
  EXPECT_EQ(f.state.window.CardBackShown, 0) << "the table still shows the old back, so it redraws";

  // Whatever the table was last told, it shows the back of the rules it had.
  s.CardKind = 3;
  f.state.window.CardBackShown = 1;
  ASSERT_EQ(ReadRuleSet(f.state, f.root.path(), "all.prk", f.host), RuleSetReadOutcome::Loaded);
  EXPECT_EQ(s.CardKind, 5);
  EXPECT_EQ(f.state.window.CardBackShown, 3);
  EXPECT_EQ(f.state.window.BgmTrack, 1);
  EXPECT_TRUE(f.host.prompts.empty());
}

TEST(RuleSets, MissingKeysKeepTheirValuesAndTheWindowFallsBackToItsBaseSize) {
  Fixture f;
  Settings& s = f.state.settings;
  s.MainWindowWidth = 12000;
  s.MainWindowHeight = 9000;
  s.MainWindowPosX = 300;
  s.YakitoriMode = 3;
  s.BgmList[1] = "/music/a.mid";
  s.BgmCount = 1;
  s.CardOpen = 1;
  f.WriteText("part.prk", "[WinPiruk]\r\nSkipCard = 7\r\nGameSpeed = 3\r\nCardOpenSwitchVisible = 0\r\n");
  ASSERT_EQ(ReadRuleSet(f.state, f.root.path() + "/", "part.prk", f.host), RuleSetReadOutcome::Loaded);
  EXPECT_EQ(s.SkipCard, 7);
  EXPECT_EQ(s.GameSpeed, 0);
  EXPECT_EQ(s.YakitoriMode, 3);
  EXPECT_EQ(s.MainWindowWidth, 8115);
  EXPECT_EQ(s.MainWindowHeight, 5385);
  EXPECT_EQ(s.MainWindowPosX, 300);
  EXPECT_EQ(s.BgmCount, 0) << "the music list is the file's";
  EXPECT_EQ(s.CardOpen, 0);
}

TEST(RuleSets, AnUnreadableFileChangesNothing) {
  Fixture f;
  f.state.SettingsBaseName = "old.prk";
  const std::string before = EncodeSettingsFile(f.state.settings);
  EXPECT_EQ(ReadRuleSet(f.state, f.root.path(), "missing.prk", f.host), RuleSetReadOutcome::NotReadable);
  EXPECT_EQ(ReadRuleSet(f.state, f.root.path(), "", f.host), RuleSetReadOutcome::NotReadable);
  EnsureDirectory(f.root.File("folder.prk"));
  EXPECT_EQ(ReadRuleSet(f.state, f.root.path(), "folder.prk", f.host), RuleSetReadOutcome::NotReadable);
  EXPECT_EQ(EncodeSettingsFile(f.state.settings), before);
  EXPECT_EQ(f.state.SettingsBaseName, "old.prk");
}

TEST(RuleSets, AValueThatFitsNoFieldLeavesEverythingAsItWas) {
  const char* const files[] = {
      "SkipCard = 7\r\nPenaltyCard = 99999\r\nCardKind = 4\r\nBGM = /r/x.mid\r\n",
      "BGM = /r/x.mid\r\nDataFileDirectory =/gone\r\nPlayerNames = 1  99999999999\r\n",
      "MainWindowWidth = 1e9\r\nSoundMode = 1\r\n",
  };
  for (const char* text : files) {
    Fixture f;
    f.state.settings.SkipCard = 3;
    f.state.settings.BgmList[1] = "/m/a.mid";
    f.state.settings.BgmCount = 1;
    f.state.window.CardBackShown = 2;
    f.state.window.BgmTrack = 1;
    f.state.SettingsBaseName = "before.prk";
    f.state.RuleSetDirectory = "/rules";
    const GameState before = f.state;
    f.WriteText("bad.prk", text);
    EXPECT_EQ(ReadRuleSet(f.state, f.root.path(), "bad.prk", f.host), RuleSetReadOutcome::UnreadableValue) << text;
    EXPECT_EQ(EncodeSettingsFile(f.state.settings), EncodeSettingsFile(before.settings)) << text;
    EXPECT_EQ(f.state.settings.BgmList, before.settings.BgmList);
    EXPECT_EQ(f.state.window.CardBackShown, 2);
    EXPECT_EQ(f.state.window.BgmTrack, 1);
    EXPECT_EQ(f.state.SettingsBaseName, "before.prk");
    EXPECT_EQ(f.state.RuleSetDirectory, "/rules");
    EXPECT_TRUE(f.host.prompts.empty()) << "no directory question for a file that was not taken";
  }
}

TEST(RuleSets, ADirectoryWithoutThePicturesIsAskedForAndAnEmptyAnswerKeepsTheOldOne) {
  struct Case {
    std::vector<std::optional<std::string>> answers;
    bool expect_new;
    size_t beeps;  // one for each time the pictures were looked for in vain
  };
  const Case cases[] = {
      {{std::string()}, false, 1},
      {{std::nullopt}, false, 1},
      {{std::string("/nowhere"), std::string("NEW")}, true, 2},
      // A name the settings file cannot hold is refused, and the box asks again at once.
      {{std::string("/카드"), std::string("NEW")}, true, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    Fixture f;
    const std::string other = f.root.File("other");
    EnsureDirectory(other);
    std::ofstream(other + "/HeartA.bmp") << "BM";
    std::vector<std::optional<std::string>> answers = c.answers;
    for (auto& a : answers) {
      if (a && *a == "NEW") *a = other;
    }
    f.host.answers = answers;
    f.WriteText("moved.prk", "DataFileDirectory =/gone/cards\r\nSkipCard = 6\r\n");
    ASSERT_EQ(ReadRuleSet(f.state, f.root.path(), "moved.prk", f.host), RuleSetReadOutcome::Loaded);
    EXPECT_EQ(f.host.prompts.size(), c.answers.size());
    EXPECT_EQ(f.host.beeps, static_cast<int>(c.beeps));
    EXPECT_EQ(f.host.refusals.size(), c.answers.size() - c.beeps);
    EXPECT_EQ(f.host.defaults[0], f.cards);
    EXPECT_NE(f.host.prompts[0].find("カードデータの格納されているパス指定が無効です。"), std::string::npos);
    EXPECT_EQ(f.state.settings.DataFileDirectory, c.expect_new ? other : f.cards);
    EXPECT_EQ(f.state.settings.SkipCard, 6);
  }
}

}  // namespace
}  // namespace winpiruk
