#pragma once
// The one shared state of the program, in named parts: the settings record,
// the table, the match and its seats, the members, the seating and the fields
// only the windows use. The program holds a single instance; a core function
// takes the part it needs (or the whole when it needs several), so a test
// builds its own.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "state/MemberTable.h"
#include "state/Settings.h"

namespace winpiruk {

constexpr int kSeats = 4;
constexpr int kHandSlots = 14;
constexpr int kDeckSlots = 101;
constexpr int kMaxHandsPerMatch = 10;

// Slots of a row of Hands.
constexpr int kHandCount = 0;
constexpr int kHandSum = 11;
constexpr int kHandRaisedSum = 12;
constexpr int kHandProduct = 13;

// How a hand ended.
enum HandEnd : int16_t {
  kEndInitialMatch = 3,
  kEndCall = 7,
  kEndCardOver = 10,
  kEndDiscardFinish = 11,
  kEndNoGame = 99,
};

// Where a hand stands (`HandPhase`).
enum HandPhaseCode : int16_t {
  kHandNotDealt = 0,  // the next turn deals
  kHandOpening = 1,   // dealt; the user has not moved yet (the dealer's choice, the first computer seats)
  kHandInPlay = 2,    // the user has a turn
};

// Where the user's turn stands (`TurnPhase`).
enum TurnPhaseCode : int16_t {
  kTurnNone = 0,
  kTurnFirstAction = 1,     // a discard or a draw
  kTurnFurtherDiscard = 2,  // after a throw-more card
};

// The user's picks.
enum Pick : int16_t {
  kPickNone = 0,
  kPickDiscardPile = 11,
  kPickSecondCard = 39,
  kPickDrawPile = 99,
};

// The group window closed by its frame writes nothing, yet its group and its
// renamed members hold for the rest of the run, over every re-read of the
// settings and member files, until its OK stores them.
struct KeptGroupChoice {
  int16_t group = 0;         // 0: no group kept
  int16_t stored_group = 0;  // MemberGroup when it was kept: a group stored since then wins
  PerMember<std::optional<std::string>> names;  // renamed members only
};

// The cards in play and whose move it is: what the engine and the computer
// player read and write.
struct TableState {
  std::array<std::array<int16_t, kHandSlots>, kSeats> Hands{};
  std::array<int16_t, kDeckSlots> DeckSlots{};
  int16_t DrawIndex = 0;
  int16_t DiscardIndex = 0;
  int16_t TopDiscard = 0;
  int16_t Dealer = 0;
  int16_t CurrentSeat = 0;
  int16_t Winner = 0;
  int16_t Direction = 1;
  bool SpecialDone = false;  // the top discard's skip or reverse has acted
  int16_t PenaltyPending = 0;
  bool TurnOver = false;
  int16_t HandEndCode = 0;  // a HandEnd once the hand is over
  bool CounterCalled = false;
  int16_t HandNumber = 0;
  int16_t ExtraNumber = 0;
  int16_t ExtraNumberCard = 0;  // the card shown for the extra number; 0 while none is
  std::string DealerChoice;
  HandPhaseCode HandPhase = kHandNotDealt;
  TurnPhaseCode TurnPhase = kTurnNone;
  int16_t UserPick = 0;  // a position 1..9 or a Pick
  bool AwaitingUser = false;
  bool PickInProgress = false;
  bool DrewThisTurn = false;
  bool AutoPlay = false;
  int16_t SecondsLeft = 0;
  bool CallWindowOpen = false;
  bool UserClaimedCall = false;
  double CallWindowStart = 0;  // seconds on the monotonic clock
  bool AutoExtraPending = false;  // the auto-play has just discarded a throw-more card
  // Set while the engine carries out a step; handlers that would change the
  // table (a new game, a pick) refuse while it is set.
  bool EngineRunning = false;

  bool operator==(const TableState&) const = default;
};

// The match in progress and who sits at the table.
struct MatchState {
  std::array<int16_t, kSeats> Score{};
  std::array<bool, kSeats> HasWon{};
  std::array<int16_t, kSeats> SeatMember{};
  std::array<std::string, kSeats> SeatName{};
  std::array<int16_t, kSeats> Boldness{};
  std::array<int16_t, kSeats> Deduction{};
  std::array<int16_t, kMaxHandsPerMatch + 1> HandLogPoints{};
  std::array<std::string, kMaxHandsPerMatch + 1> HandLogText{};
  bool MatchInProgress = false;
  int32_t MatchStartTime = 0;  // seconds since midnight

  bool operator==(const MatchState&) const = default;
};

// Phases of the member and dealer window.
enum DecisionPhase : int16_t {
  kChoosingMembers = 0,
  kUserToDraw = 1,
  kComputersDrawing = 2,
  kDealerDecided = 3,
};

// The group the member window shows and where its decision stands.
struct SeatingState {
  int16_t CurrentGroup = 1;
  std::array<std::string, kMembersPerGroup + 1> GroupMemberName{};
  std::array<int16_t, kMembersPerGroup + 1> GroupMemberBoldness{};
  std::array<int16_t, kMembersPerGroup + 1> GroupMemberDeduction{};
  DecisionPhase Phase = kChoosingMembers;
  KeptGroupChoice KeptGroup;
};

// Start-up and presentation fields that only the windows read.
struct WindowState {
  int16_t SpeedCount = 0;
  int16_t MainWindowBaseWidth = 0;
  int16_t MainWindowBaseHeight = 0;
  bool ResizeGuard = false;
  int16_t CardBackShown = 0;  // the back design the table shows now
  int16_t BgmTrack = 0;
  // The program's card faces show diamonds blue and clubs green: the table's
  // option, followed by every window that shows cards.
  bool FourColourDeck = false;
};

// Each part is changed where its name says: the engine changes the table,
// the scoring the match, the member windows the members and the seating,
// the settings windows the settings, the table window its own fields.
struct GameState {
  Settings settings;
  TableState table;
  MatchState match;
  MemberTable members;
  SeatingState seating;
  WindowState window;

  // Texts kept beside the record and not written to the file.
  std::string SettingsBaseName;
  std::string RuleSetDirectory;
};

}  // namespace winpiruk
