#pragma once
// How the program ends from its table: the quit command, a closing of the
// match, the window lost, and the end after an error that must not occur.
#include "engine/MatchKeeper.h"
#include "config/ProgramPaths.h"
#include "gui/table/TableWindow.h"
#include "state/GameState.h"

namespace winpiruk {

// The endings of the table's process: the member files are written, then the
// event loop ends with status 0, or 1 after a fatal error; main then unwinds
// any step that was waiting and takes the table down. The window, the state
// and the paths outlive the table.
// A match in progress is kept by `keeper` on a quit and at the end of the
// session, for the next start to offer; a fatal error keeps none.
ProgramEnding TableProgramEnding(TableWindow& window, const GameState& state, const ProgramPaths& paths,
                                 MatchKeeper& keeper);

}  // namespace winpiruk
