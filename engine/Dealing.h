#pragma once
// The start of a hand: shuffling, the deal, and the dealer's choice of the
// initial card with the dealer's initial match.
#include "engine/Clock.h"
#include "engine/Random.h"
#include "engine/TableView.h"
#include "state/GameState.h"

namespace winpiruk {

// Reseeds from the clock, shuffles by 71 swaps between the deck's halves,
// deals five cards a seat in blocks and shows the deal. False after an
// internal error (a dealer outside 0..3), which the view has been told.
bool ShuffleAndDeal(GameState& state, TableView& view, RandomSource& random, const Clock& clock);

// The dealer's choice right after the deal (`pick` 0) or the user dealer's
// pick (11 keeps the own card, 39 takes the deck card; anything else keeps
// the choice pending). Sets DealerChoice: "A", "B", "E" or empty.
void ChooseInitialCard(GameState& state, TableView& view, RandomSource& random, int pick = 0);

// Counts a new hand and deals it; false when the match has no hand left (or
// the deal failed).
bool StartHand(GameState& state, TableView& view, RandomSource& random, const Clock& clock);

}  // namespace winpiruk
