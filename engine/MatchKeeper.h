#pragma once
// The match in progress as it stood at the last moment it can be taken up
// again from, written beside the settings file when the program ends in the
// middle of it, and offered again at the next start.
#include <optional>

#include "config/ProgramPaths.h"
#include "engine/KeptMatch.h"
#include "engine/Random.h"
#include "state/GameState.h"
#include "state/MemberTable.h"

namespace winpiruk {

class MatchKeeper {
 public:
  // The state, the paths and the random source outlive the keeper.
  MatchKeeper(GameState& state, const ProgramPaths& paths, const StandardRandom& random);

  // A moment of the engine's (see Scorekeeping::keep_moment).
  void Keep(const TableState& table, const MatchState& match);

  // At the end of the program, before the member files are written: a match
  // in progress is written to its file, and whatever the members' records
  // took in since its moment is taken back out, so that the hand it goes on
  // with is counted once; otherwise no file is left. False when the file
  // could not be written (the records then stay as they are).
  bool KeepAtEnd();

  // The match as it stood at the last moment kept; nothing when no match
  // is in progress to be kept.
  const std::optional<KeptMatch>& kept() const { return kept_; }
  // The members' records as they stood at that moment.
  void RollBack(MemberTable& members) const;

 private:
  GameState& state_;
  const ProgramPaths& paths_;
  const StandardRandom& random_;
  std::optional<KeptMatch> kept_;
  // The members' records at the kept moment.
  PerMember<std::array<int16_t, kMemberStats>> stats_{};
  PerMember<int16_t> points_{};
};

}  // namespace winpiruk
