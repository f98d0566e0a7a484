#include "engine/KeptMatch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "engine/KeptMatchText.h"
#include "engine/KeptMatchValues.h"
#include "engine/LegalPicks.h"
#include "engine/QuietTableView.h"
#include "members/MemberDecision.h"
#include "scoring/MemberFiles.h"
#include "state/RuleLimits.h"
#include "support/RecordingView.h"
#include "support/Rows.h"
#include "support/StoppedClock.h"
#include "support/TableUserMove.h"
#include "support/TempDir.h"

namespace winpiruk {
namespace {

constexpr int kHands = 4;

// A match about to deal its first hand, the user dealing, with member names
// holding every byte the file escapes.
GameState NewMatch() {
  GameState s;
  s.settings = DefaultSettings("");
  s.settings.NumberOfGames = kHands;
  DecodeMemberNames(std::nullopt, s.members);
  DecodeMemberData(std::nullopt, s.members);
  s.members.MemberName[1][1] = "わたし";
  s.members.MemberName[2][3] = "ｶﾅ,=%名\n前\r";
  s.members.MemberName[2][5] = "";
  s.match.SeatMember = {2, 3, 5, 7};
  for (int seat = 1; seat < kSeats; ++seat) {
    const int member = s.match.SeatMember[seat];
    s.match.SeatName[seat] = s.members.MemberName[2][member];
    s.match.Boldness[seat] = static_cast<int16_t>(seat + 1);
    s.match.Deduction[seat] = static_cast<int16_t>(5 - seat);
  }
  StartMatch(s, 45296);
  s.table.Dealer = 0;
  return s;
}

enum class Moment { DealerToChoose, UserTurn, FurtherDiscard, PenaltyPending, BetweenHands, LastHand };

std::optional<Moment> MomentOf(const GameState& s) {
  const TableState& t = s.table;
  if (t.HandNumber == NumberOfGamesInUse(s.settings)) return Moment::LastHand;
  if (t.HandPhase == kHandOpening && t.Dealer == 0 && t.DealerChoice.empty()) return Moment::DealerToChoose;
  if (t.TurnPhase == kTurnFurtherDiscard) return Moment::FurtherDiscard;
  if (t.PenaltyPending > 0) return Moment::PenaltyPending;
  if (t.TurnPhase == kTurnFirstAction) return Moment::UserTurn;
  return std::nullopt;
}


// The table seen at a wait for the user, or at the end of the match, with
// where the random source stands: its values decide the computer seats'
// moves only now and then.
struct Seen {
  TableState table;
  MatchState match;
  uint64_t random = 0;
  bool operator==(const Seen&) const = default;
};

struct Kept {
  KeptMatch match;
  std::size_t next_seen;  // the first of the seen tables that follows it
  bool before_user_move;   // kept while the user was to move
};

class BetweenHandsView : public QuietTableView {
 public:
  std::function<void()> on_next_hand;
  // Called once a hand has ended and before the next is dealt.
  void ApplyLabelColours() override {
    if (on_next_hand) on_next_hand();
  }
};

// The engine, its random source and its clock for one table.
struct Player {
  explicit Player(GameState& state, int seed, TimeOfDay time)
      : random(seed), clock(time), engine(state, view, random, clock, files.Keeping()) {}
  StandardRandom random;
  test::StoppedClock clock;
  BetweenHandsView view;
  testing::MemberFilesRecord files;
  Engine engine;
};

// Plays the user's moves to the end of the match, adding every table seen
// to `seen`; `at_wait` looks at each wait first. A match kept while the
// user was to move goes on with that move.
void PlayOn(GameState& s, Player& player, bool user_to_move, std::vector<Seen>& seen,
            const std::function<void()>& at_wait = {}) {
  if (!user_to_move) player.engine.PlayTurn();
  for (int moves = 0; s.table.AwaitingUser && moves < 2000; ++moves) {
    if (!user_to_move) {
      if (at_wait) at_wait();
      seen.push_back({s.table, s.match, player.random.State()});
    }
    user_to_move = false;
    s.table.UserPick = testing::TableUserMove(s);
    player.engine.PlayTurn();
  }
  seen.push_back({s.table, s.match, player.random.State()});
}

struct PlayedMatch {
  std::vector<Seen> seen;
  std::map<Moment, Kept> kept;  // the first of each moment
};

PlayedMatch PlayMatch(TimeOfDay time) {
  GameState s = NewMatch();
  Player player(s, 5, time);
  PlayedMatch played;
  const auto keep = [&](Moment moment, std::size_t next_seen, bool before_user_move) {
    played.kept.try_emplace(moment, Kept{TakeKeptMatch(s, player.random), next_seen, before_user_move});
  };
  player.view.on_next_hand = [&] { keep(Moment::BetweenHands, played.seen.size(), false); };
  PlayOn(s, player, false, played.seen, [&] {
    if (const std::optional<Moment> moment = MomentOf(s)) keep(*moment, played.seen.size() + 1, true);
  });
  return played;
}

struct Found {
  Kept kept;
  std::vector<Seen> seen;  // in the match it was kept from
  TimeOfDay time;          // the stopped clock of that match
};

// Matches from several deals until every moment has been met.
std::map<Moment, Found> EveryMoment() {
  std::map<Moment, Found> found;
  for (int minute = 0; minute < 60 && found.size() < 6; ++minute) {
    const TimeOfDay time{2026, 13, minute, 17};
    const PlayedMatch played = PlayMatch(time);
    for (const auto& [moment, kept] : played.kept) found.try_emplace(moment, Found{kept, played.seen, time});
  }
  return found;
}

TEST(KeptMatch, EveryMomentReadsBackWholeAndPlaysOnAsTheOriginalDid) {
  const std::map<Moment, Found> moments = EveryMoment();
  ASSERT_EQ(moments.size(), 6U) << "a moment of the match was never met";
  for (const auto& [moment, found] : moments) {
    SCOPED_TRACE(static_cast<int>(moment));
    const KeptMatchReading reading = ReadKeptMatch(KeptMatchText(found.kept.match), NewMatch());
    ASSERT_TRUE(reading.kept) << reading.fault.detail;
    EXPECT_EQ(*reading.kept, found.kept.match);

    GameState restored = NewMatch();
    restored.seating.CurrentGroup = 4;
    Player player(restored, 77, found.time);
    ApplyKeptMatch(*reading.kept, restored, player.random);
    EXPECT_EQ(restored.seating.CurrentGroup, 2);
    EXPECT_EQ(restored.seating.GroupMemberName[3], "ｶﾅ,=%名\n前\r");
    std::vector<Seen> after;
    PlayOn(restored, player, found.kept.before_user_move, after);
    const std::vector<Seen> expected(found.seen.begin() + static_cast<std::ptrdiff_t>(found.kept.next_seen),
                                     found.seen.end());
    EXPECT_EQ(after.size(), expected.size());
    EXPECT_TRUE(after == expected);
  }
}

// A match with every field off its default, texts holding every byte the
// file escapes: read back through the text alone, before any check.
KeptMatch EveryFieldSet() {
  KeptMatch k;
  TableState& t = k.table;
  for (int seat = 0; seat < kSeats; ++seat) {
    for (int slot = 0; slot < kHandSlots; ++slot) t.Hands[seat][slot] = static_cast<int16_t>(seat * 20 + slot + 1);
  }
  for (int slot = 0; slot < kDeckSlots; ++slot) t.DeckSlots[slot] = static_cast<int16_t>(slot % 53);
  t.DrawIndex = 61;
  t.DiscardIndex = 7;
  t.TopDiscard = 52;
  t.Dealer = 2;
  t.CurrentSeat = 3;
  t.Winner = 1;
  t.Direction = -1;
  t.SpecialDone = true;
  t.PenaltyPending = 6;
  t.TurnOver = true;
  t.HandEndCode = kEndNoGame;
  t.CounterCalled = true;
  t.HandNumber = 9;
  t.ExtraNumber = 13;
  t.ExtraNumberCard = 26;
  t.DealerChoice = "B";
  t.HandPhase = kHandInPlay;
  t.TurnPhase = kTurnFurtherDiscard;
  t.UserPick = kPickDrawPile;
  t.AwaitingUser = t.PickInProgress = t.DrewThisTurn = t.AutoPlay = true;
  t.SecondsLeft = 9;
  t.CallWindowOpen = t.UserClaimedCall = t.AutoExtraPending = t.EngineRunning = true;
  t.CallWindowStart = 123456.789;
  MatchState& m = k.match;
  m.Score = {-32768, 32767, -1, 250};
  m.HasWon = {true, false, true, true};
  m.SeatMember = {5, 10, 1, 9};
  m.SeatName = {"", "a,b", "=%", "\t\r\n\x7f"};
  m.Boldness = {1, 2, 3, 4};
  m.Deduction = {4, 3, 2, -2};
  for (int hand = 0; hand <= kMaxHandsPerMatch; ++hand) {
    m.HandLogPoints[hand] = static_cast<int16_t>(hand * 111 - 500);
    m.HandLogText[hand] = "ﾋﾟﾙｸ " + std::to_string(hand) + (hand % 2 ? "," : "");
  }
  m.MatchInProgress = true;
  m.MatchStartTime = 86399;
  k.seats = {SeatedMember{1, 1, "わたし"}, {5, 10, "x=y"}, {5, 1, "%41"}, {5, 9, "名前"}};
  k.random_state = 0xfedcba9876543210ULL;
  int16_t rule_value = -7;
  for (const MatchRuleField& rule : kMatchRuleFields) k.rules.*rule.kept = rule_value--;
  return k;
}

// The text with the line of `name` set to `value`, or taken out (nullopt),
// or added at the end when there is none, under a checksum that holds.
std::string WithField(const std::string& text, std::string_view name, std::optional<std::string> value) {
  std::string body = text.substr(0, text.rfind("checksum="));
  const std::string key = "\n" + std::string(name) + "=";
  const std::size_t at = body.find(key);
  const std::string line = value ? key.substr(1) + *value + "\n" : "";
  if (at == std::string::npos) {
    body += line;
  } else {
    const std::size_t end = body.find('\n', at + 1);
    body.replace(at + 1, end - at, line);
  }
  return body + "checksum=" + kept::ValueText(kept::TextChecksum(body)) + "\n";
}

// A text is kept as it reads, but for the bytes that would break its line or
// its list: those, and the escape itself, are written %XX.
TEST(KeptMatchText, ATextKeepsItsBytesButThoseThatBreakALine) {
  const struct {
    std::string value, text;
  } cases[] = {
      {"No.10", "No.10"},
      {"ﾋﾟﾙｸ わたし", "ﾋﾟﾙｸ わたし"},
      {"a,b=c%d", "a%2Cb%3Dc%25d"},
      {"\t\r\n\x7f", "%09%0D%0A%7F"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(kept::ValueText(c.value), c.text);
    std::string back;
    EXPECT_TRUE(kept::ReadValue(c.text, back));
    EXPECT_EQ(back, c.value);
  }
}

TEST(KeptMatchText, EveryFieldReadsBackFromItsOwnLine) {
  const KeptMatch every = EveryFieldSet();
  const std::string text = KeptMatchText(every);
  EXPECT_EQ(text.rfind("WinPirukKeptMatch 1\n", 0), 0U);
  const KeptMatchReading reading = kept::ParseKeptMatchText(text);
  ASSERT_TRUE(reading.kept) << reading.fault.detail;
  EXPECT_EQ(*reading.kept, every);
  // A line given the value of a match with nothing set changes what is
  // read: no two lines stand for one field.
  const std::string blank = KeptMatchText(KeptMatch{});
  for (std::size_t line = blank.find('\n') + 1; blank.compare(line, 9, "checksum=") != 0;
       line = blank.find('\n', line) + 1) {
    const std::string field = blank.substr(line, blank.find('\n', line) - line);
    const std::size_t eq = field.find('=');
    SCOPED_TRACE(field);
    const std::string edited = WithField(text, field.substr(0, eq), field.substr(eq + 1));
    const KeptMatchReading changed = kept::ParseKeptMatchText(edited);
    ASSERT_TRUE(changed.kept) << changed.fault.detail;
    EXPECT_NE(*changed.kept, every);
  }
  // The checksum is FNV-1a of 64 bits.
  EXPECT_EQ(kept::TextChecksum(""), 0xcbf29ce484222325ULL);
  EXPECT_EQ(kept::TextChecksum("a"), 0xaf63dc4c8601ec8cULL);
}

// A match kept while the user is to answer a penalty, and the program as it
// starts again.
struct Refusable {
  std::string text = KeptMatchText(EveryMoment().at(Moment::PenaltyPending).kept.match);
  GameState now = NewMatch();
};

std::string ValueOf(const std::string& text, std::string_view name) {
  const std::size_t at = text.find("\n" + std::string(name) + "=") + name.size() + 2;
  return text.substr(at, text.find('\n', at) - at);
}

// The user's first card replaced by the next card to draw: that card in
// two places, the other nowhere.
std::string DuplicatedCard(const std::string& text) {
  std::string row = ValueOf(text, "table.Hands.0");
  const std::string deck = ValueOf(text, "table.DeckSlots");
  const int draw_index = std::stoi(ValueOf(text, "table.DrawIndex"));
  std::size_t at = 0;
  for (int i = 0; i < draw_index; ++i) at = deck.find(',', at) + 1;
  const std::string undrawn = deck.substr(at, deck.find(',', at) - at);
  const std::size_t first = row.find(',') + 1;
  row.replace(first, row.find(',', first) - first, undrawn);
  return WithField(text, "table.Hands.0", row);
}

TEST(ReadKeptMatch, RefusesWhatCannotBeContinuedAndSaysWhy) {
  using R = KeptMatchRefusal;
  struct Case {
    std::function<std::string(const std::string&)> text;
    std::function<void(GameState&)> now;
    R refusal;
    std::string detail;
  };
  const auto same = [](const std::string& t) { return t; };
  const auto as_is = [](GameState&) {};
  const Case cases[] = {
      {[](const std::string& t) { return t.substr(0, t.size() / 2); }, as_is, R::Damaged, "checksum"},
      {[](const std::string& t) { return t.substr(0, t.size() - 1); }, as_is, R::Damaged, "checksum"},
      {[](const std::string&) { return std::string(); }, as_is, R::Damaged, "no header"},
      {[](std::string t) {
         t[t.find("table.DrawIndex=") + 16] ^= 1;
         return t;
       },
       as_is, R::Damaged, "checksum"},
      {[](const std::string& t) { return t.substr(0, t.rfind("checksum=")); }, as_is, R::Damaged, "checksum"},
      {[](const std::string& t) { return WithField(t, "table.Dealer", std::nullopt); }, as_is, R::Damaged,
       "table.Dealer missing"},
      {[](const std::string& t) { return WithField(t, "table.Extra", "1"); }, as_is, R::Damaged,
       "no field of the file"},
      {[](const std::string& t) {
         std::string body = t.substr(0, t.rfind("checksum="));
         body += "match.MatchStartTime=" + ValueOf(t, "match.MatchStartTime") + "\n";
         return body + "checksum=" + kept::ValueText(kept::TextChecksum(body)) + "\n";
       },
       as_is, R::Damaged, "match.MatchStartTime repeated"},
      {[](const std::string& t) { return WithField(t, "table.DrawIndex", "021"); }, as_is, R::Damaged,
       "table.DrawIndex unreadable"},
      {[](const std::string& t) { return WithField(t, "match.Score", "0,0,0"); }, as_is, R::Damaged,
       "match.Score unreadable"},
      {[](const std::string& t) { return WithField(t, "seat.1.name", "a,b"); }, as_is, R::Damaged,
       "seat.1.name unreadable"},
      {[](const std::string& t) { return WithField(t, "table.Dealer", "4"); }, as_is, R::Damaged,
       "table.Dealer out of range"},
      {[](const std::string& t) { return WithField(t, "table.HandNumber", "5"); }, as_is, R::Damaged,
       "table.HandNumber out of range"},
      {[](const std::string& t) { return WithField(t, "table.HandPhase", "3"); }, as_is, R::Damaged,
       "table.HandPhase out of range"},
      {[](const std::string& t) { return WithField(t, "match.SeatMember", "2,3,3,7"); }, as_is, R::Damaged,
       "match.SeatMember out of range"},
      {[](const std::string& t) { return WithField(t, "seat.2.member", "6"); }, as_is, R::Damaged,
       "seat out of range"},
      {[](std::string t) { return t.replace(0, 19, "WinPirukKeptMatch 2"); }, as_is, R::OtherVersion, "version 2"},
      {[](std::string t) { return t.replace(0, 19, "WinPirukKeptMatchX1"); }, as_is, R::Damaged, "no header"},
      {same, [](GameState& s) { s.settings.PenaltyLeaves = 3; }, R::RulesChanged, "PenaltyLeaves"},
      {same, [](GameState& s) { s.settings.NumberOfGames = 8; }, R::RulesChanged, "NumberOfGames"},
      {same, [](GameState& s) { s.members.MemberName[2][5] = "新しい名前"; }, R::MembersChanged, "seat 2"},
      {same, [](GameState& s) { s.members.MemberName[1][1] = "No.10"; }, R::MembersChanged, "seat 0"},
      {DuplicatedCard, as_is, R::TableBroken, "card missing"},
  };
  const Refusable refusable;
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    GameState now = refusable.now;
    c.now(now);
    const KeptMatchReading reading = ReadKeptMatch(c.text(refusable.text), now);
    ASSERT_FALSE(reading.kept);
    EXPECT_EQ(reading.fault.refusal, c.refusal) << reading.fault.detail;
    EXPECT_NE(reading.fault.detail.find(c.detail), std::string::npos) << reading.fault.detail;
  }
}

// The code of the hand that ended last is kept as it was: any ending, or
// none yet, reads back; a code no hand ends with is damage.
TEST(ReadKeptMatch, TheLastHandsEndingIsAnyEndingOrNone) {
  const Refusable refusable;
  const int codes[] = {0, kEndInitialMatch, kEndCall, kEndCardOver, kEndDiscardFinish, kEndNoGame, 5, 98};
  for (const int code : codes) {
    SCOPED_TRACE(code);
    const bool ending = code != 5 && code != 98;
    const KeptMatchReading reading =
        ReadKeptMatch(WithField(refusable.text, "table.HandEndCode", std::to_string(code)), refusable.now);
    EXPECT_EQ(reading.kept.has_value(), ending) << reading.fault.detail;
    if (!ending) {
      EXPECT_EQ(reading.fault.detail, "table.HandEndCode out of range");
    }
  }
}

TEST(ReadKeptMatch, SettingsThatChangeNeitherPlayNorScoringLeaveTheMatchToContinue) {
  const Refusable refusable;
  GameState now = refusable.now;
  now.settings.GameSpeed = 1;
  now.settings.SoundMode = 1;
  now.settings.CardKind = 4;
  now.settings.KeyGuideDisplay = 1;
  now.settings.MemberGroup = 3;
  now.settings.Message_1.colour = 42;
  now.members.MemberName[2][4] = "席にいない人";
  now.members.MemberPoints[2][3] = 5;
  EXPECT_TRUE(ReadKeptMatch(refusable.text, now).kept);
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  return names;
}

TEST(KeptMatchFile, ReplacesTheFileWholeKeepingItsModeAndIsRemovedAfterwards) {
  const KeptMatch kept = EveryMoment().at(Moment::UserTurn).kept.match;
  const std::string text = KeptMatchText(kept);
  for (const mode_t mode : {0600, 0640, 0644}) {
    SCOPED_TRACE(mode);
    test::TempDir dir;
    ProgramPaths paths;
    paths.config_directory = dir.File("config");
    ASSERT_TRUE(WriteKeptMatch(paths, kept));
    EXPECT_EQ(paths.KeptMatchFile(), dir.File("config/WinPirukMatch.ini"));
    ASSERT_EQ(::chmod(paths.KeptMatchFile().c_str(), mode), 0);

    KeptMatch later = kept;
    later.table.HandNumber = 2;
    ASSERT_TRUE(WriteKeptMatch(paths, later));
    EXPECT_EQ(ModeOf(paths.KeptMatchFile()), mode);
    EXPECT_EQ(ReadKeptMatchFile(paths), KeptMatchText(later));
    EXPECT_EQ(Listing(paths.config_directory), std::vector<std::string>{"WinPirukMatch.ini"});

    // Too large to be read back: not written, and the file stays as it was.
    KeptMatch huge = later;
    huge.match.SeatName.fill(std::string(kKeptMatchFileBytes / 4, ','));
    EXPECT_FALSE(WriteKeptMatch(paths, huge));
    EXPECT_EQ(ReadKeptMatchFile(paths), KeptMatchText(later));

    EXPECT_TRUE(RemoveKeptMatch(paths));
    EXPECT_EQ(ReadKeptMatchFile(paths), std::nullopt);
    EXPECT_TRUE(RemoveKeptMatch(paths));
  }
}

TEST(KeptMatchFile, OnlyARegularFileWithinTheLimitIsRead) {
  test::TempDir dir;
  ProgramPaths paths;
  paths.config_directory = dir.path();
  std::filesystem::create_directory(paths.KeptMatchFile());
  EXPECT_EQ(ReadKeptMatchFile(paths), std::nullopt);
  EXPECT_FALSE(WriteKeptMatch(paths, KeptMatch{}));
  std::filesystem::remove(paths.KeptMatchFile());

  std::ofstream(paths.KeptMatchFile()) << std::string(kKeptMatchFileBytes, 'x');
  EXPECT_EQ(ReadKeptMatchFile(paths)->size(), kKeptMatchFileBytes);
  std::ofstream(paths.KeptMatchFile(), std::ios::app) << 'x';
  EXPECT_EQ(ReadKeptMatchFile(paths), std::nullopt);
}

}  // namespace
}  // namespace winpiruk
