#pragma once
// How the program ends from its table: the quit command, a closing of the
// match, the window lost, and the end after an error that must not occur.
#include "config/ProgramPaths.h"
#include "gui/table/TableWindow.h"
#include "state/GameState.h"

namespace winpiruk {

// The endings of the table's process: the member files are written, then the
// process ends. From the main loop it ends in order with status 0; from
// inside a game step or a wait, which cannot unwind, it ends at once, its
// files written. After a fatal error it ends at once with status 1. The
// window, the state and the paths outlive the table.
ProgramEnding TableProgramEnding(TableWindow& window, const GameState& state, const ProgramPaths& paths);

}  // namespace winpiruk
