#pragma once
// The start-up sequence: settings, members, the speed unit, then the table;
// the music follows once the table is on screen.
#include <memory>

#include "config/ProgramPaths.h"
#include "engine/Clock.h"
#include "engine/Random.h"
#include "state/GameState.h"

namespace winpiruk {

class PlayingTable;

// Runs the sequence once, inside a suspendable run (see Awaiting.h): it
// waits there for the banner to be painted and for the answers to its
// questions while the event loop goes on. Returns the table, its window
// shown, or nullptr when the user gave no card data directory and the
// program must end. The table deals with `random` on `clock`, which must
// outlive it.
std::unique_ptr<PlayingTable> RunStartup(GameState& state, const ProgramPaths& paths, StandardRandom& random,
                                  const Clock& clock);

}  // namespace winpiruk
