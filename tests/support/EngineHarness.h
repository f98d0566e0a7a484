#pragma once
// An engine on a table of the test's making, with a recording view, a
// scripted random source that falls back to a real generator, and a fixed
// clock. It keeps the table as it stood when a computer seat first got the
// turn arrow.
#include <optional>
#include <string>
#include <utility>

#include "engine/Engine.h"
#include "support/RecordingView.h"
#include "support/StoppedClock.h"

namespace winpiruk::testing {

struct EngineHarness {
  explicit EngineHarness(GameState table, int32_t seed = 99)
      : s(std::move(table)), real(seed), engine(s, view, random, clock, files.Keeping()) {
    random.FallBackTo(&real);
    view.on_call = [this](const std::string& call) {
      if (!at_first_computer && (call == "ShowArrow 1" || call == "ShowArrow 3")) at_first_computer = s;
    };
  }
  // A pick through the turn handler.
  void Pick(int pick) {
    s.table.UserPick = static_cast<int16_t>(pick);
    engine.PlayTurn();
  }
  GameState s;
  RecordingView view;
  ScriptedRandom random;
  StandardRandom real;
  test::StoppedClock clock{TimeOfDay{}};
  MemberFilesRecord files;
  Engine engine;
  std::optional<GameState> at_first_computer;
};

}  // namespace winpiruk::testing
