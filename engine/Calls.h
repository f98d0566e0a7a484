#pragma once
// The call ("ぴるく") after every discard and the counter-call
// ("ぴるくがえし") of the discarder.
#include "engine/Durations.h"
#include "engine/TableView.h"
#include "state/Cards.h"
#include "state/GameState.h"

namespace winpiruk {

// True when a row makes `rank` by its sum, by its raised sum under
// `AceAliasJack`, or by its product under `FinishMeans` 4.
bool Makes(const Settings& rules, const HandRow& row, int rank);

// After the user's discard: seats 1, 2, 3 in this order; the first that makes
// the number calls (Winner set). True for a call.
bool CheckCallsOnUserDiscard(GameState& state);

// After a computer seat's discard (the discarder is CurrentSeat): the claim
// windows through the view, then seats 0..3 skipping the discarder. Without
// a call the discarder's count is lowered. True for a call.
bool CheckCallsOnComputerDiscard(GameState& state, TableView& view);

// The call banner, then the discarder's counter-call when its remaining
// hand makes the called number.
void CheckCounterCall(GameState& state, TableView& view);

}  // namespace winpiruk
