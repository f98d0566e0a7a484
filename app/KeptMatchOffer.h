#pragma once
// At the start, once the table is on screen: a match the program was ended
// in is offered again, continued from where it was kept or given up.
#include "config/ProgramPaths.h"
#include "engine/Random.h"
#include "state/GameState.h"

namespace winpiruk {

class PlayingTable;

// Asks, when a kept match is there, whether to continue it ("続きから", the
// default) or give it up; a file that cannot be continued is given up with
// a message saying why. Closing the question without an answer keeps the
// file for the next start. Runs inside a suspendable run.
void OfferKeptMatch(PlayingTable& table, GameState& state, const ProgramPaths& paths, StandardRandom& random);

}  // namespace winpiruk
