#pragma once
// The computer player: the decisions of seats 1..3 and of the auto-play for
// seat 0. Each decision reads the table and returns a move; the engine
// applies it. Every random value is drawn at a fixed point of a decision, so
// a scripted source replays a game exactly.
#include <array>
#include <cstdint>

#include "engine/LegalPicks.h"
#include "engine/Random.h"
#include "state/GameState.h"
#include "state/Settings.h"

namespace winpiruk {

enum class DealerPick { Keep, Take };

// What a seat weighs besides the cards: its member's temper and its score.
struct Temper {
  int boldness = 0;
  int deduction = 0;
  int score = 0;
};
Temper TemperOf(const MatchState& match, int seat);

enum class MoveKind {
  Discard,        // `card`
  Draw,           // one card
  PenaltyDraw,    // the pending penalty, card by card
  DiscardFinish,  // the last card goes out and wins the hand
};

// A computer seat's move. `ends_turn` false: the seat discards once more
// (what `TurnOver` holds while the move is carried out).
struct ComputerMove {
  MoveKind kind = MoveKind::Draw;
  int16_t card = 0;
  bool ends_turn = true;
};

// The candidates for a discard, best first; 0 ends the list.
using Candidates = std::array<int16_t, 11>;

// The computer dealer keeps its fifth card or takes the deck's top card.
DealerPick ComputerDealerChoice(const TableState& table, const Settings& rules, RandomSource& random, int dealer);

// The start of a computer seat's turn.
ComputerMove ChooseComputerMove(const TableState& table, const Settings& rules, const Temper& temper,
                                RandomSource& random, int seat);

// The further discard after a throw-more card; any held card may go.
ComputerMove ChooseExtraDiscard(const TableState& table, const Settings& rules, const Temper& temper,
                                RandomSource& random, int seat);

// Orders the filled start of `list` best first (three draws) and may empty
// its first entry: the seat holds back and draws.
void RankCandidates(Candidates& list, const TableState& table, const Settings& rules, const Temper& temper,
                    RandomSource& random, int seat, bool auto_play);

// The auto-play's pick for the user, always one the rules allow (kPickNone
// when none is), and whether it has just discarded a throw-more card.
struct AutoPick {
  int16_t pick = kPickNone;
  int16_t extra_pending = 0;  // the next `AutoExtraPending`
};
AutoPick AutoPlayMove(const TableState& table, const Settings& rules, const Temper& temper, RandomSource& random);

// Slot of a computer seat's row to hide when it discards from `slot`: the
// slot itself when it has a picture, else a random one (one draw).
int DiscardPicturePosition(RandomSource& random, int slot, int count_before);

}  // namespace winpiruk
