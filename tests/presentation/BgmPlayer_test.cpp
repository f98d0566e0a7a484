#include "presentation/BgmPlayer.h"

#include <gtest/gtest.h>

#include <set>

#include "support/Rows.h"

namespace winpiruk {
namespace {

// A sequencer that opens the files it is told exist and logs its commands.
class FakeSequencer : public Sequencer {
 public:
  std::set<std::string> existing;
  std::vector<std::string> log;
  SequencerMode mode = SequencerMode::NotReady;

  bool Open(const std::string& path) override {
    log.push_back("open " + path);
    mode = existing.count(path) != 0 ? SequencerMode::Stopped : SequencerMode::NotReady;
    return mode == SequencerMode::Stopped;
  }
  void Play() override {
    log.push_back("play");
    if (mode != SequencerMode::NotReady) mode = SequencerMode::Playing;
  }
  void Pause() override {
    log.push_back("pause");
    if (mode == SequencerMode::Playing) mode = SequencerMode::Paused;
  }
  void Stop() override {
    log.push_back("stop");
    if (mode != SequencerMode::NotReady) mode = SequencerMode::Stopped;
  }
  SequencerMode Mode() const override { return mode; }
};

struct Fixture {
  GameState state;
  FakeSequencer sequencer;
  BgmPlayer player{state, sequencer};

  explicit Fixture(std::initializer_list<const char*> pieces, std::set<std::string> existing = {}) {
    int slot = 0;
    for (const char* piece : pieces) state.settings.BgmList.at(static_cast<size_t>(++slot)) = piece;
    state.settings.BgmCount = static_cast<int16_t>(slot);
    state.settings.SoundMode = 1;
    state.window.BgmTrack = 1;
    sequencer.existing = existing.empty() ? std::set<std::string>(pieces.begin(), pieces.end()) : existing;
  }
  void StartUp() {
    player.OpenMusic();
    player.PlayMusic();
    sequencer.log.clear();
  }
};

TEST(BgmPlayer, StartUpOpensTheFirstPieceAndPlaysIt) {
  Fixture f({"/m/a.mid", "/m/b.mid"});
  f.player.OpenMusic();
  EXPECT_TRUE(f.player.BgmAvailable());
  EXPECT_TRUE(f.player.Ready());
  EXPECT_EQ(f.sequencer.mode, SequencerMode::Stopped);
  f.player.PlayMusic();
  EXPECT_EQ(f.sequencer.log, (std::vector<std::string>{"open /m/a.mid", "play"}));
  EXPECT_EQ(f.state.window.BgmTrack, 1);
}

// Every operation of a player whose music is not available does nothing.
void ExpectIdle(Fixture& f) {
  EXPECT_FALSE(f.player.BgmAvailable());
  f.sequencer.log.clear();
  f.player.PlayMusic();
  f.player.NextPiece();
  f.player.PreviousPiece();
  f.player.TogglePause();
  f.player.CheckMusic();
  f.player.StopMusic();
  EXPECT_TRUE(f.sequencer.log.empty());
}

TEST(BgmPlayer, NothingToOpenLeavesEveryOperationIdle) {
  {
    SCOPED_TRACE("an empty list");
    Fixture f({});
    f.player.OpenMusic();
    EXPECT_FALSE(f.player.Ready());
    ExpectIdle(f);
  }
  {
    SCOPED_TRACE("a list of missing pieces");
    Fixture f({"/m/gone.mid"}, {"/m/other.mid"});
    f.player.OpenMusic();
    EXPECT_FALSE(f.player.Ready());
    ExpectIdle(f);
  }
  {
    SCOPED_TRACE("music not opened yet");
    Fixture f({"/m/a.mid"});
    ExpectIdle(f);
  }
}

TEST(BgmPlayer, SoundOffLeavesTheMusicAlone) {
  Fixture f({"/m/a.mid", "/m/b.mid"});
  f.StartUp();
  f.state.settings.SoundMode = 0;
  f.player.NextPiece();
  f.player.TogglePause();
  f.sequencer.mode = SequencerMode::Stopped;
  f.player.CheckMusic();
  f.player.PlayMusic();
  EXPECT_TRUE(f.sequencer.log.empty());
  EXPECT_EQ(f.player.BgmPaused(), 0);
  // Stopping still stops.
  f.sequencer.mode = SequencerMode::Playing;
  f.player.StopMusic();
  EXPECT_EQ(f.sequencer.log, (std::vector<std::string>{"stop"}));
}

TEST(BgmPlayer, AListOfOnePiecePlaysItAgainWhenItEnds) {
  Fixture f({"/m/only.mid"});
  f.StartUp();
  f.sequencer.mode = SequencerMode::Stopped;
  f.player.CheckMusic();
  EXPECT_EQ(f.sequencer.log, (std::vector<std::string>{"open /m/only.mid", "play"}));
  EXPECT_EQ(f.state.window.BgmTrack, 1);
}

// What could not be opened is told once, by the operation that tried it:
// one that then does nothing tells nothing.
TEST(BgmPlayer, AnOperationThatDoesNothingReportsNothingUnplayable) {
  using Operation = void (BgmPlayer::*)();
  for (const Operation operation : {&BgmPlayer::NextPiece, &BgmPlayer::PreviousPiece, &BgmPlayer::TogglePause,
                                    &BgmPlayer::CheckMusic}) {
    Fixture f({"/m/1.mid", "/m/gone.mid", "/m/3.mid"}, {"/m/1.mid", "/m/3.mid"});
    f.StartUp();
    f.player.NextPiece();
    ASSERT_EQ(f.player.Unplayable(), (std::vector<std::string>{"/m/gone.mid"}));
    f.state.settings.SoundMode = 0;
    (f.player.*operation)();
    EXPECT_TRUE(f.player.Unplayable().empty());
  }
}

TEST(BgmPlayer, StepsWrapRoundTheList) {
  Fixture f({"/m/1.mid", "/m/2.mid", "/m/3.mid"});
  f.StartUp();
  f.state.window.BgmTrack = 3;
  f.player.NextPiece();
  EXPECT_EQ(f.state.window.BgmTrack, 1);
  EXPECT_EQ(f.sequencer.log, (std::vector<std::string>{"open /m/1.mid", "play"}));
  f.sequencer.log.clear();
  f.player.PreviousPiece();
  EXPECT_EQ(f.state.window.BgmTrack, 3);
  EXPECT_EQ(f.sequencer.log, (std::vector<std::string>{"open /m/3.mid", "play"}));
}

TEST(BgmPlayer, TwoPausePressesPauseAndResumeTheSamePiece) {
  Fixture f({"/m/1.mid", "/m/2.mid"});
  f.StartUp();
  f.player.TogglePause();
  EXPECT_EQ(f.player.BgmPaused(), 1);
  EXPECT_EQ(f.sequencer.mode, SequencerMode::Paused);
  f.player.TogglePause();
  EXPECT_EQ(f.player.BgmPaused(), 0);
  EXPECT_EQ(f.sequencer.mode, SequencerMode::Playing);
  EXPECT_EQ(f.sequencer.log, (std::vector<std::string>{"pause", "play"}));
  EXPECT_EQ(f.state.window.BgmTrack, 1);

  // A new piece plays unpaused, so the next press pauses it.
  f.player.TogglePause();
  f.player.NextPiece();
  EXPECT_EQ(f.player.BgmPaused(), 0);
}

TEST(BgmPlayer, APieceThatComesWhilePausedIsPausedByOnePress) {
  // The music is paused when a new piece starts: by a rule set loaded during
  // a game, or by a step through the list. One press pauses the new piece.
  enum class Way { RuleSet, Next, Previous };
  for (const Way way : {Way::RuleSet, Way::Next, Way::Previous}) {
    SCOPED_TRACE(static_cast<int>(way));
    Fixture f({"/m/1.mid", "/m/2.mid"}, {"/m/1.mid", "/m/2.mid", "/r/x.mid"});
    f.state.match.MatchInProgress = true;
    f.StartUp();
    f.player.TogglePause();
    ASSERT_EQ(f.sequencer.mode, SequencerMode::Paused);
    if (way == Way::RuleSet) {
      f.state.settings.BgmList = {};
      f.state.settings.BgmList[1] = "/r/x.mid";
      f.state.settings.BgmCount = 1;
      f.player.FollowRuleSet();
    } else if (way == Way::Next) {
      f.player.NextPiece();
    } else {
      f.player.PreviousPiece();
    }
    EXPECT_EQ(f.sequencer.mode, SequencerMode::Playing);
    EXPECT_EQ(f.player.BgmPaused(), 0);
    f.sequencer.log.clear();
    f.player.TogglePause();
    EXPECT_EQ(f.sequencer.mode, SequencerMode::Paused);
    EXPECT_EQ(f.player.BgmPaused(), 1);
    EXPECT_EQ(f.sequencer.log, std::vector<std::string>{"pause"});
  }
}

TEST(BgmPlayer, AnEndedPieceIsFollowedAtTheNextTurn) {
  Fixture f({"/m/1.mid", "/m/2.mid"});
  f.StartUp();
  // Playing or paused: nothing happens at a turn.
  f.player.CheckMusic();
  f.player.TogglePause();
  f.player.CheckMusic();
  f.player.TogglePause();
  EXPECT_EQ(f.sequencer.log, (std::vector<std::string>{"pause", "play"}));
  f.sequencer.log.clear();

  f.sequencer.mode = SequencerMode::Stopped;
  f.player.CheckMusic();
  EXPECT_EQ(f.state.window.BgmTrack, 2);
  f.sequencer.mode = SequencerMode::Stopped;
  f.player.CheckMusic();
  EXPECT_EQ(f.state.window.BgmTrack, 1);
  EXPECT_EQ(f.sequencer.log, (std::vector<std::string>{"open /m/2.mid", "play", "open /m/1.mid", "play"}));

  // A list emptied since start-up plays nothing more.
  f.state.settings.BgmCount = 0;
  f.sequencer.mode = SequencerMode::Stopped;
  f.sequencer.log.clear();
  f.player.CheckMusic();
  f.player.NextPiece();
  f.player.PreviousPiece();
  EXPECT_TRUE(f.sequencer.log.empty());
  EXPECT_EQ(f.state.window.BgmTrack, 1) << "the piece last played stays the present one";
}

TEST(BgmPlayer, PiecesThatCannotBeOpenedArePassedOver) {
  Fixture f({"/m/1.mid", "/m/gone.mid", "/m/3.mid"}, {"/m/1.mid", "/m/3.mid"});
  f.StartUp();
  f.player.NextPiece();
  EXPECT_EQ(f.state.window.BgmTrack, 3);
  EXPECT_EQ(f.player.Unplayable(), (std::vector<std::string>{"/m/gone.mid"}));
  EXPECT_EQ(f.sequencer.mode, SequencerMode::Playing);
  f.player.PreviousPiece();
  EXPECT_EQ(f.state.window.BgmTrack, 1);  // back over the missing one
  EXPECT_EQ(f.player.Unplayable().size(), 1U);

  // At start-up too: the first piece that opens is the one loaded.
  Fixture later({"/m/gone.mid", "/m/2.mid"}, {"/m/2.mid"});
  later.player.OpenMusic();
  EXPECT_TRUE(later.player.BgmAvailable());
  EXPECT_EQ(later.state.window.BgmTrack, 2);
  EXPECT_EQ(later.player.Unplayable(), (std::vector<std::string>{"/m/gone.mid"}));

  // When none opens any more the music is no longer ready.
  f.sequencer.existing.clear();
  f.player.NextPiece();
  EXPECT_FALSE(f.player.Ready());
  EXPECT_EQ(f.player.Unplayable().size(), 3U);
  f.sequencer.log.clear();
  f.player.CheckMusic();
  EXPECT_TRUE(f.sequencer.log.empty());
}

// What is read ahead of a turn is what the turn then opens, in its order:
// nothing while a piece plays, else from the next slot round the list.
TEST(BgmPlayer, FollowingOrderIsWhatTheTurnTries) {
  Fixture f({"/m/1.mid", "/m/gone.mid", "/m/3.mid"}, {"/m/1.mid", "/m/3.mid"});
  f.StartUp();
  EXPECT_TRUE(f.player.FollowingOrder().empty());
  f.sequencer.mode = SequencerMode::Stopped;
  EXPECT_EQ(f.player.FollowingOrder(), (std::vector<std::string>{"/m/gone.mid", "/m/3.mid", "/m/1.mid"}));
  f.player.CheckMusic();
  EXPECT_EQ(f.sequencer.log, (std::vector<std::string>{"open /m/gone.mid", "open /m/3.mid", "play"}));
  EXPECT_EQ(f.state.window.BgmTrack, 3);
  f.sequencer.mode = SequencerMode::Stopped;
  EXPECT_EQ(f.player.FollowingOrder(), (std::vector<std::string>{"/m/1.mid", "/m/gone.mid", "/m/3.mid"}));
  // Sound off: nothing to read.
  f.state.settings.SoundMode = 0;
  EXPECT_TRUE(f.player.FollowingOrder().empty());
}

TEST(BgmPlayer, RetryOpensOnlyWhatWasNotAvailable) {
  Fixture f({"/m/gone.mid"}, {"/m/new.mid"});
  f.player.OpenMusic();
  ASSERT_FALSE(f.player.BgmAvailable());
  // Tried again and still missing, a piece is named once.
  f.player.RetryOpenMusic();
  EXPECT_EQ(f.player.Unplayable(), std::vector<std::string>{"/m/gone.mid"});
  f.state.settings.BgmList[1] = "/m/new.mid";
  f.player.RetryOpenMusic();
  EXPECT_TRUE(f.player.BgmAvailable());
  f.sequencer.log.clear();
  f.player.RetryOpenMusic();
  EXPECT_TRUE(f.sequencer.log.empty());
}

TEST(BgmPlayer, MusicThatCouldNotBeOpenedComesWithARuleSetAndIsUsedFromThen) {
  Fixture f({"/m/gone.mid"}, {"/r/x.mid"});
  f.StartUp();
  ASSERT_FALSE(f.player.BgmAvailable());
  f.state.settings.BgmList[1] = "/r/x.mid";
  f.state.match.MatchInProgress = true;
  f.player.FollowRuleSet();
  EXPECT_TRUE(f.player.BgmAvailable());
  f.sequencer.log.clear();
  f.player.TogglePause();
  f.player.StopMusic();
  EXPECT_EQ(f.sequencer.log, (std::vector<std::string>{"pause", "stop"}));
}

TEST(BgmPlayer, ALoadedRuleSetStopsOrRestartsTheMusicFromItsFirstPiece) {
  struct Case {
    const char* first;
    int16_t sound;
    int16_t match;
    std::vector<std::string> log;
    int16_t track;
    SequencerMode mode;
    std::vector<std::string> unplayable;
  };
  const Case cases[] = {
      {"/r/x.mid", 1, 1, {"open /r/x.mid", "play"}, 1, SequencerMode::Playing, {}},
      {"/r/x.mid", 1, 0, {}, 2, SequencerMode::Playing, {}},
      {"/r/x.mid", 0, 1, {}, 2, SequencerMode::Playing, {}},
      {"", 1, 0, {"stop"}, 2, SequencerMode::Stopped, {}},
      {"  ", 0, 1, {"stop"}, 2, SequencerMode::Stopped, {}},
      {"  ", 1, 1, {"stop", "open   "}, 1, SequencerMode::NotReady, {}},
      {"/r/gone.mid", 1, 1, {"open /r/gone.mid"}, 1, SequencerMode::NotReady, {"/r/gone.mid"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    Fixture f({"/m/a.mid", "/m/b.mid"});
    f.sequencer.existing.insert("/r/x.mid");
    f.StartUp();
    f.player.NextPiece();
    f.sequencer.log.clear();
    f.state.settings.BgmList = {};
    f.state.settings.BgmList[1] = c.first;
    f.state.settings.BgmCount = 1;
    f.state.settings.SoundMode = c.sound;
    f.state.match.MatchInProgress = c.match;
    f.player.FollowRuleSet();
    EXPECT_EQ(f.sequencer.log, c.log) << c.first << c.sound << c.match;
    EXPECT_EQ(f.state.window.BgmTrack, c.track) << c.first << c.sound << c.match;
    EXPECT_EQ(f.sequencer.mode, c.mode) << c.first << c.sound << c.match;
    EXPECT_EQ(f.player.Unplayable(), c.unplayable) << c.first;
  }
}

}  // namespace
}  // namespace winpiruk
