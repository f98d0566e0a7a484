#include "app/PlayingTable.h"

#include "engine/Engine.h"
#include "gui/common/SuspendableRun.h"
#include "gui/table/QtTableView.h"
#include "gui/table/TableCommands.h"
#include "gui/table/TableWindow.h"
#include "scoring/MemberFiles.h"

namespace winpiruk {

PlayingTable::PlayingTable(GameState& state, const ProgramPaths& paths, StandardRandom& random, const Clock& clock)
    : keeper_(state, paths, random), music_(state) {
  window_ = std::make_unique<TableWindow>(state, paths, music_);
  view_ = std::make_unique<QtTableView>(window_->Surface(effects_), state, *window_);
  Scorekeeping scorekeeping;
  scorekeeping.write_member_files = MemberFilesWriterFor(paths);
  // The same clock as the match's start, so its length is measured on one clock.
  scorekeeping.time_of_day = [&clock] { return clock.Now().SecondsSinceMidnight(); };
  scorekeeping.keep_moment = [this](const TableState& table, const MatchState& match) { keeper_.Keep(table, match); };
  engine_ = std::make_unique<Engine>(state, *view_, random, clock, std::move(scorekeeping));
  commands_ = std::make_unique<TableCommands>(*window_, state, paths, *engine_, *view_, random, clock);
  window_->Attach(*view_, *commands_);
}

// Whatever waits in the middle of a step or a command refers to the table:
// it is unwound first.
PlayingTable::~PlayingTable() { SuspendableRun::StopAll(); }

}  // namespace winpiruk
