#pragma once
// Choosing the three opponents of a match and the dealer of its first hand:
// the member list, who may be picked, the random choice and seating, and the
// draw of four face-down hearts (whoever draws the ace deals).
//
// Every random step takes its numbers from the injected uniform source, so
// the rules run the same with scripted draws in the tests.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Clock.h"
#include "engine/Random.h"
#include "state/GameState.h"

namespace winpiruk {

// A random integer 0..k-1 from the next uniform value.
inline int RandomBelow(RandomSource& random, int k) { return RandomInt(random.Next(), k); }

constexpr int kOpponents = 3;
constexpr int kDrawPositions = 4;

// One row of the member list.
struct MemberRow {
  int16_t member = 0;  // 1..10 in the current group
  std::string text;    // points, "点", two tabs, the name
};

// " 1000点\t\tname": the points with a blank where a minus sign would go.
std::string MemberRowText(int16_t points, const std::string& name);

// Takes the group to offer (`GroupToPlay`: the settings' group, or the one
// the group window kept; an out-of-range group counts as group 1), copies
// its names and parameters into the working fields and returns the rows:
// every member but the user, in member order.
std::vector<MemberRow> LoadMemberList(GameState& state);

// The user (group 1, member 1) never plays against himself, and a member
// below 1 point cannot be chosen.
bool IsEligibleOpponent(const GameState& state, int group, int member);

// Up to three picks from the selected rows, scanned in list order; rows of
// members that may not be picked are passed over.
std::vector<int16_t> PicksFromSelection(const GameState& state, const std::vector<int16_t>& selected_members);

// The seat (1..3) of each pick 1..3: order starts as (1, 2, 3) and ten times
// order(1 + r0..1) is swapped with order(2 + r0..1). Index 0 is unused.
std::array<int16_t, kOpponents + 1> ShuffledSeatOrder(RandomSource& random);

// Puts member `member` of the current group into `seat` (1..3): its number,
// name and computer-player parameters.
void SeatOpponent(GameState& state, int seat, int16_t member);

// Seats three picks in random order; returns the seat order used.
std::array<int16_t, kOpponents + 1> SeatPicks(GameState& state, const std::array<int16_t, kOpponents>& picks,
                                              RandomSource& random);

// The user's own name: member 1 of group 1.
std::string UserName(const GameState& state);

// A name as messages show it: trailing blanks removed.
std::string TrimTrailingBlanks(const std::string& text);

// Random choice of the three opponents and of the dealer. Nothing changes
// and false comes back when fewer than three members are eligible.
// Otherwise seats 1..3 are filled, `Dealer` is 0..3, `DecisionPhase` is 3
// and `dealer_name` names the dealer.
bool ChooseMembersAtRandom(GameState& state, RandomSource& random, std::string& dealer_name);

// " 親は name です.": the random choice's announcement.
std::string RandomDealerMessage(const std::string& dealer_name);

// What the message line says while members are picked: how many are still
// to pick when OK is pressed too early; that a new pick took the place of
// one (picks are read in list order, three at most); that a pick beyond the
// third was not taken.
std::string PicksMissingMessage(int still_to_pick);
std::string PickReplacedMessage(const std::string& picked, const std::string& dropped);
std::string TooManyPicksMessage();

// The four face-down hearts of the dealer draw.
struct DealerDraw {
  std::array<int16_t, kDrawPositions + 1> DrawCards{};  // face 1..4 at positions 1..4
  std::array<int16_t, kDrawPositions + 1> DrawTaken{};  // position already drawn
  int16_t DrawCount = 1;                                 // 1 before the first draw, 5 after the last
  std::string DealerName;
};

// Lays out A, 2, 3, 4 and shuffles them: ten times DrawCards(1 + r0..1)
// is swapped with DrawCards(3 + r0..1). Keeps `DrawCount`.
void ShuffleDrawCards(DealerDraw& draw, RandomSource& random);

// Position 1..4 of the ace.
int AcePosition(const DealerDraw& draw);

// " 親を決めます、カードを選んでください" and one "." per position up to the ace.
std::string DrawPrompt(const DealerDraw& draw);

// Turns position k up (the caller shows the heart of that face) and moves
// the draw on: who drew is known by `DrawCount`. Returns the message line
// to show, and sets `Dealer` and `DealerName` when the card is the ace.
// A position that is out of range or already taken changes nothing and
// returns an empty text.
struct Reveal {
  bool revealed = false;
  int16_t face = 0;  // 1..4: the heart A..4 to show
  int seat = 0;      // who drew it
  std::string message;
};
Reveal RevealPosition(GameState& state, DealerDraw& draw, int position);

// A computer player's draw: 1 + r0..3, drawn again while the position is
// taken. 0 when every position is taken.
int ComputerDrawPosition(const DealerDraw& draw, RandomSource& random);

// The match begins: the log is cleared and the start time kept.
void StartMatch(GameState& state, int32_t seconds_since_midnight);

// The seed when the window opens: minutes × seconds of the time of day. Its
// timer later seeds as a deal does (DealSeed).
constexpr int32_t OpeningSeed(const TimeOfDay& t) { return t.minute * t.second; }

}  // namespace winpiruk
