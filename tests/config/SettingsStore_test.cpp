#include "config/SettingsStore.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "config/SafeFile.h"
#include "config/SettingsFile.h"
#include "support/ScriptedSettingsHost.h"
#include "support/TempDir.h"

namespace winpiruk {
namespace {

using test::ScriptedHost;

struct Fixture {
  test::TempDir root;
  ProgramPaths paths{root.File("share"), root.File("config"), root.File("data")};
  GameState state;
  ScriptedHost host;

  Fixture() {
    EnsureDirectory(paths.program_directory);
    std::ofstream(paths.program_directory + "/DiaA.bmp") << "BM";
  }
  std::string SettingsText() const { return ReadWholeFile(paths.SettingsFile()).value_or(""); }
};

// A fixture whose program folder lacks the pictures, and a folder that has
// them: the first start has to ask.
struct AskingFixture : Fixture {
  std::string cards = root.File("cards");
  AskingFixture() {
    std::filesystem::remove(paths.program_directory + "/DiaA.bmp");
    EnsureDirectory(cards);
    std::ofstream(cards + "/DiaA.bmp") << "BM";
  }
};

TEST(ReadSettings, FirstStartTakesTheProgramsOwnPicturesWithoutAQuestion) {
  Fixture f;
  ASSERT_EQ(ReadSettings(f.state, f.paths, f.host), ReadSettingsOutcome::Ready);
  EXPECT_TRUE(f.host.prompts.empty());
  EXPECT_EQ(f.host.beeps, 0);
  EXPECT_EQ(f.state.settings.DataFileDirectory, f.paths.program_directory);
  // Written as the question's answer would have been.
  EXPECT_NE(f.SettingsText().find("DataFileDirectory =" + f.paths.program_directory + "\r\n"), std::string::npos);

  // A folder the user chose and lost is asked for again, never swapped silently.
  Fixture lost;
  EnsureDirectory(lost.paths.config_directory);
  ASSERT_TRUE(WriteFileAtomically(lost.paths.SettingsFile(), "DataFileDirectory =" + lost.root.File("gone") + "\r\n"));
  lost.host.answers = {lost.paths.program_directory};
  ASSERT_EQ(ReadSettings(lost.state, lost.paths, lost.host), ReadSettingsOutcome::Ready);
  ASSERT_EQ(lost.host.prompts.size(), 1u);
  EXPECT_NE(lost.host.prompts[0].find("「" + lost.root.File("gone") + "」にないファイル: DiaA.bmp"), std::string::npos);
}

TEST(ReadSettings, AFirstStartWithoutThePicturesAsksNamingWhatIsMissingAndWritesTheAnswer) {
  AskingFixture f;
  f.host.answers = {f.cards};
  ASSERT_EQ(ReadSettings(f.state, f.paths, f.host), ReadSettingsOutcome::Ready);
  ASSERT_EQ(f.host.prompts.size(), 1u);
  EXPECT_EQ(f.host.defaults[0], f.paths.program_directory);
  EXPECT_EQ(f.host.beeps, 1);
  EXPECT_NE(f.host.prompts[0].find("カードデータの格納されているパスを入力してください."), std::string::npos);
  EXPECT_NE(f.host.prompts[0].find("Version 5.30.51"), std::string::npos);
  EXPECT_NE(f.host.prompts[0].find("「" + f.paths.program_directory + "」にないファイル: DiaA.bmp"), std::string::npos);
  EXPECT_EQ(f.state.settings.DataFileDirectory, f.cards);
  EXPECT_NE(f.SettingsText().find("DataFileDirectory =" + f.cards + "\r\n"), std::string::npos);

  // The next start finds the pictures at once.
  GameState again;
  ASSERT_EQ(ReadSettings(again, f.paths, f.host), ReadSettingsOutcome::Ready);
  EXPECT_EQ(f.host.prompts.size(), 1u);
}

TEST(ReadSettings, AFolderWithoutThePicturesIsRefusedWithAMessageUntilOneHasThemOrCancel) {
  AskingFixture f;
  f.host.answers = {f.root.File("nowhere"), f.cards + "/"};
  EXPECT_EQ(ReadSettings(f.state, f.paths, f.host), ReadSettingsOutcome::Ready);
  EXPECT_EQ(f.host.prompts.size(), 2u);
  ASSERT_EQ(f.host.refusals.size(), 1u);
  EXPECT_NE(f.host.refusals[0].find("「" + f.root.File("nowhere") + "」にカードの絵がありません."), std::string::npos);
  // The box comes back with what was typed, and says what that folder lacks.
  EXPECT_EQ(f.host.defaults[1], f.root.File("nowhere"));
  EXPECT_NE(f.host.prompts[1].find("「" + f.root.File("nowhere") + "」にないファイル"), std::string::npos);
  EXPECT_EQ(f.state.settings.DataFileDirectory, f.cards + "/");

  AskingFixture cancelled;
  cancelled.host.answers = {std::string()};
  EXPECT_EQ(ReadSettings(cancelled.state, cancelled.paths, cancelled.host), ReadSettingsOutcome::Quit);
  AskingFixture closed;  // Cancel
  EXPECT_EQ(ReadSettings(closed.state, closed.paths, closed.host), ReadSettingsOutcome::Quit);
}

TEST(ReadSettings, MissingPicturesAreNamedAFewAtATime) {
  EXPECT_EQ(MissingPicturesLine("/c", {"DiaA.bmp"}), "「/c」にないファイル: DiaA.bmp");
  EXPECT_EQ(MissingPicturesLine("/c", {"A", "B", "C", "D", "E"}), "「/c」にないファイル: A, B, C ほか2個");
}

TEST(ReadSettings, ADirectoryTheFileCannotHoldIsRefusedAndAskedForAgain) {
  AskingFixture f;
  // The pictures are there, but the folder's name would be stored as "?".
  const std::string foreign = f.root.File("카드");
  EnsureDirectory(foreign);
  std::ofstream(foreign + "/DiaA.bmp") << "BM";
  f.host.answers = {foreign, f.cards};
  ASSERT_EQ(ReadSettings(f.state, f.paths, f.host), ReadSettingsOutcome::Ready);
  EXPECT_EQ(f.host.prompts.size(), 2U);
  ASSERT_EQ(f.host.refusals.size(), 1U);
  EXPECT_NE(f.host.refusals[0].find("「카\u00A0U+CE74」 「드\u00A0U+B4DC」"), std::string::npos);
  EXPECT_EQ(f.state.settings.DataFileDirectory, f.cards);
  EXPECT_EQ(f.SettingsText().find('?'), std::string::npos);
  // After the refusal the box holds what was typed, to be corrected.
  EXPECT_EQ(f.host.defaults, (std::vector<std::string>{f.paths.program_directory, foreign}));

  // A refusal followed by Cancel still ends the program.
  AskingFixture cancelled;
  cancelled.host.answers = {foreign, std::nullopt};
  EXPECT_EQ(ReadSettings(cancelled.state, cancelled.paths, cancelled.host), ReadSettingsOutcome::Quit);
  EXPECT_EQ(cancelled.host.refusals.size(), 1U);
}

TEST(ReadSettings, AProgramFolderTheFileCannotHoldGivesNoDefaultItWouldStoreAsQuestionMarks) {
  Fixture f;
  f.paths.program_directory = f.root.File("게임");
  EnsureDirectory(f.paths.program_directory);
  std::ofstream(f.paths.program_directory + "/DiaA.bmp") << "BM";
  const std::string cards = f.root.File("cards");
  EnsureDirectory(cards);
  std::ofstream(cards + "/DiaA.bmp") << "BM";
  f.host.answers = {cards};
  ASSERT_EQ(ReadSettings(f.state, f.paths, f.host), ReadSettingsOutcome::Ready);
  // The question offers nothing it would refuse, and nothing is refused.
  EXPECT_EQ(f.host.defaults, std::vector<std::string>{""});
  EXPECT_TRUE(f.host.refusals.empty());
  const std::string text = f.SettingsText();
  EXPECT_EQ(text.find('?'), std::string::npos) << text;
  EXPECT_NE(text.find("\r\nPirukSound =\r\n"), std::string::npos) << text;
  EXPECT_TRUE(f.state.settings.CardOperateSound.empty());

  // A folder it can hold keeps the program's own sounds.
  Fixture plain;
  plain.host.answers = {plain.paths.program_directory};
  ASSERT_EQ(ReadSettings(plain.state, plain.paths, plain.host), ReadSettingsOutcome::Ready);
  EXPECT_EQ(plain.state.settings.PirukSound, plain.paths.program_directory + "/WP_PRK.WAV");
}

TEST(ReadSettings, APipeOrAFolderInTheSettingsFilesPlaceIsNotWaitedOn) {
  Fixture pipe;
  EnsureDirectory(pipe.paths.config_directory);
  ASSERT_EQ(::mkfifo(pipe.paths.SettingsFile().c_str(), 0600), 0);
  pipe.host.answers = {pipe.paths.program_directory};
  // Read as a file that cannot be opened: a new one is written in its place.
  ASSERT_EQ(ReadSettings(pipe.state, pipe.paths, pipe.host), ReadSettingsOutcome::Ready);
  EXPECT_NE(pipe.SettingsText().find("[WinPiruk]\r\n"), std::string::npos);
  EXPECT_EQ(pipe.host.write_failures, 0);

  Fixture folder;
  std::filesystem::create_directories(folder.paths.SettingsFile() + "/inside");
  folder.host.answers = {folder.paths.program_directory};
  ASSERT_EQ(ReadSettings(folder.state, folder.paths, folder.host), ReadSettingsOutcome::Ready);
  EXPECT_GE(folder.host.write_failures, 1);
}

TEST(ReadSettings, ReadingAgainKeepsTheRuleSetLastOpened) {
  Fixture f;
  f.host.answers = {f.paths.program_directory};
  ASSERT_EQ(ReadSettings(f.state, f.paths, f.host), ReadSettingsOutcome::Ready);
  f.state.SettingsBaseName = "club.prk";
  f.state.RuleSetDirectory = "/home/u/rules";
  f.state.table.AutoPlay = true;
  f.state.table.CallWindowOpen = true;
  f.state.table.UserClaimedCall = true;
  f.state.window.ResizeGuard = true;
  // Every new game reads the settings again.
  ASSERT_EQ(ReadSettings(f.state, f.paths, f.host), ReadSettingsOutcome::Ready);
  EXPECT_EQ(f.state.SettingsBaseName, "club.prk");
  EXPECT_EQ(f.state.RuleSetDirectory, "/home/u/rules");
  // The table starts at rest: no auto-play, no claim pending.
  EXPECT_FALSE(f.state.table.AutoPlay);
  EXPECT_FALSE(f.state.table.CallWindowOpen);
  EXPECT_FALSE(f.state.table.UserClaimedCall);
  EXPECT_FALSE(f.state.window.ResizeGuard);
}

// The back shown and the piece played follow the file only where it names
// them: a file without those keys leaves the table's own.
TEST(ReadSettings, TheBackShownAndThePiecePlayedFollowOnlyKeysTheFileHas) {
  for (const bool named : {false, true}) {
    SCOPED_TRACE(named ? "named" : "not named");
    Fixture f;
    EnsureDirectory(f.paths.config_directory);
    std::string text = "DataFileDirectory =" + f.paths.program_directory + "\r\n";
    if (named) text += "CardKind =4\r\nBGM1 =/m/a.mid\r\n";
    ASSERT_TRUE(WriteFileAtomically(f.paths.SettingsFile(), text));
    f.state.window.CardBackShown = 7;
    f.state.window.BgmTrack = 3;
    ASSERT_EQ(ReadSettings(f.state, f.paths, f.host), ReadSettingsOutcome::Ready);
    EXPECT_EQ(f.state.window.CardBackShown, named ? 4 : 7);
    EXPECT_EQ(f.state.window.BgmTrack, named ? 1 : 3);
  }
}

TEST(ReadSettings, ABadValueIsSkippedAndTheFileRewrittenOnceWithEveryOtherKeyKept) {
  Fixture f;
  EnsureDirectory(f.paths.config_directory);
  ASSERT_TRUE(WriteFileAtomically(f.paths.SettingsFile(),
                                  "DataFileDirectory =" + f.paths.program_directory +
                                      "\r\nSkipCard = 5\r\nPenaltyCard = 99999\r\nInverseCard = 3\r\n"
                                      "CardKind = 7\r\nBGM = a.mid\r\nGameSpeed = 2\r\n"));
  ASSERT_EQ(ReadSettings(f.state, f.paths, f.host), ReadSettingsOutcome::Ready);
  EXPECT_EQ(f.state.settings.SkipCard, 5);
  EXPECT_EQ(f.state.settings.PenaltyCard, 2);
  EXPECT_EQ(f.state.settings.InverseCard, 3);
  EXPECT_EQ(f.state.settings.GameSpeed, 2);
  EXPECT_EQ(f.state.window.CardBackShown, 7);
  EXPECT_EQ(f.state.window.BgmTrack, 1);
  EXPECT_EQ(f.SettingsText(), EncodeSettingsFile(f.state.settings));
  EXPECT_EQ(f.host.write_failures, 0);
}

TEST(ReadSettings, AnUnwritableFolderShowsTheMessageOnceAndGoesOn) {
  Fixture f;
  // A plain file where the folder should be: nothing can be created there,
  // not even by root.
  std::ofstream(f.paths.config_directory) << "not a folder";
  f.host.answers = {f.paths.program_directory};
  EXPECT_EQ(ReadSettings(f.state, f.paths, f.host), ReadSettingsOutcome::Ready);
  EXPECT_EQ(f.host.write_failures, 2);  // the missing file, then the new directory
  EXPECT_EQ(f.state.settings.SkipCard, 1);
}

// Every key of the file away from its default. The card-open flag stays
// visible: hidden, it would hold CardOpen at 0.
Settings EveryKeyChanged(const std::string& data_directory) {
  Settings s = DefaultSettings("/elsewhere");
  s.MainWindowPosX = 120;
  s.MainWindowPosY = -240;
  s.MainWindowWidth = 9000;
  s.MainWindowHeight = 7000;
  s.DataFileDirectory = data_directory;
  s.SkipCard = 3;
  s.PenaltyCard = 4;
  s.PenaltyLeaves = 3;
  s.MoreDropCard = 10;
  s.MoreDropCardMode = 0;
  s.InverseCard = 11;
  s.SoundMode = 1;
  s.GameSpeed = 2;
  s.BonusSwitch = 0;
  s.FinishMeans = 2;
  s.ExtraCardEnable = 1;
  s.RestrictTime = 2;
  s.YakitoriMode = 3;
  s.PirukConfirm = 1;
  s.PirukGaeshi = 0;
  s.MemberGroup = 4;
  s.NumberOfGames = 5;
  s.VerticalCardPos = -30;
  s.HorizonCardPos = 45;
  s.KeyGuideDisplay = 1;
  s.CardOpen = 1;
  s.CardKind = 6;
  s.AutoJudgment = 0;
  s.JudgmentWaitTime = 20;
  s.DoOtherTasks = 1;
  s.ManyCardBonus = 1;
  s.AceAliasJack = 1;
  s.GameWallPaper = "/pictures/壁紙.bmp";
  s.WallPaperAutoSize = 1;
  s.PlayerNames = {1, 111};
  s.NumberOfCard.colour = 222;  // its background flag is not stored
  s.PlayerScore = {1, 333};
  s.Message_1 = {1, 444};
  s.Message_2 = {1, 555};
  s.PirukSound = "/sounds/ぴるく.wav";
  s.CardOperateSound = "/sounds/card.wav";
  s.BgmCount = 3;
  s.BgmList[1] = "/music/一.mid";
  s.BgmList[2] = "/music/two.mid";
  s.BgmList[3] = "/music/three.mid";
  return s;
}

TEST(ReadSettings, ARecordWithEveryKeyOffItsDefaultReadsBackEqual) {
  Fixture f;
  const Settings record = EveryKeyChanged(f.paths.program_directory);
  f.state.settings = record;
  ASSERT_TRUE(WriteSettings(f.state, f.paths, f.host));
  GameState again;
  ASSERT_EQ(ReadSettings(again, f.paths, f.host), ReadSettingsOutcome::Ready);
  EXPECT_TRUE(f.host.prompts.empty());
  EXPECT_EQ(again.settings.WallPaperAutoSize, 1);
  EXPECT_EQ(again.settings, record);
  EXPECT_EQ(f.SettingsText(), EncodeSettingsFile(record));
}

TEST(WriteSettings, AFailedWriteLeavesTheOldFileAndTellsTheUser) {
  Fixture f;
  // A directory where the file should be makes the rename fail.
  EnsureDirectory(f.paths.SettingsFile());
  EXPECT_FALSE(WriteSettings(f.state, f.paths, f.host));
  EXPECT_EQ(f.host.write_failures, 1);
}

TEST(WriteSettings, LiveBoundsAreClampedIntoTheFileFields) {
  Fixture f;
  ASSERT_TRUE(WriteSettingsWithBounds(f.state, f.paths, f.host, {-40000, 150, 3840 * 15, 2160 * 15}));
  const std::string text = f.SettingsText();
  EXPECT_NE(text.find("MainWindowPosX =-32768\r\n"), std::string::npos);
  EXPECT_NE(text.find("MainWindowPosY = 150\r\n"), std::string::npos);
  EXPECT_NE(text.find("MainWindowWidth = 32767\r\n"), std::string::npos);
  EXPECT_EQ(f.state.settings.MainWindowWidth, 0);  // the record keeps its own value
}

}  // namespace
}  // namespace winpiruk
