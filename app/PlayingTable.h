#pragma once
// A table ready to play: the keeper of its match, its sounds, its window, the
// view drawn on the window, the engine that moves the cards through the
// view, and the commands of the menus, the clicks and the keys, built in
// that order and taken down in the reverse one.
#include <memory>

#include "engine/MatchKeeper.h"
#include "config/ProgramPaths.h"
#include "engine/Clock.h"
#include "engine/Random.h"
#include "gui/common/Music.h"
#include "sound/Sound.h"
#include "state/GameState.h"

namespace winpiruk {

class Engine;
class QtTableView;
class TableCommands;
class TableWindow;

class PlayingTable {
 public:
  // The random source and the clock seed every deal and the member window's
  // draws; they, the state and the paths outlive the table. A seeded source
  // and a clock that stands still play the same hands every run.
  PlayingTable(GameState& state, const ProgramPaths& paths, StandardRandom& random, const Clock& clock);
  ~PlayingTable();
  PlayingTable(const PlayingTable&) = delete;
  PlayingTable& operator=(const PlayingTable&) = delete;

  TableWindow& window() { return *window_; }
  Engine& engine() { return *engine_; }
  MatchKeeper& keeper() { return keeper_; }

 private:
  MatchKeeper keeper_;
  EffectPlayer effects_;
  Music music_;
  std::unique_ptr<TableWindow> window_;
  std::unique_ptr<QtTableView> view_;
  std::unique_ptr<Engine> engine_;
  std::unique_ptr<TableCommands> commands_;
};

}  // namespace winpiruk
