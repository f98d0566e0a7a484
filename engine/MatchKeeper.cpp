#include "engine/MatchKeeper.h"

#include "state/RuleLimits.h"

namespace winpiruk {

MatchKeeper::MatchKeeper(GameState& state, const ProgramPaths& paths, const StandardRandom& random)
    : state_(state), paths_(paths), random_(random) {}

void MatchKeeper::Keep(const TableState& table, const MatchState& match) {
  // Before its first deal a match has nothing to go on with, and after its
  // last hand only the settlement is left, which is shown at once.
  const bool nothing_to_keep = !match.MatchInProgress || table.HandNumber < 1 ||
                               (table.HandPhase == kHandNotDealt && table.HandNumber >= NumberOfGamesInUse(state_.settings));
  if (nothing_to_keep) {
    kept_.reset();
    return;
  }
  KeptMatch kept = TakeKeptMatch(state_, random_);
  kept.table = table;
  kept.match = match;
  kept_ = std::move(kept);
  stats_ = state_.members.MemberStats;
  points_ = state_.members.MemberPoints;
}

bool MatchKeeper::KeepAtEnd() {
  if (!kept_ || !state_.match.MatchInProgress) return RemoveKeptMatch(paths_);
  if (!WriteKeptMatch(paths_, *kept_)) return false;
  RollBack(state_.members);
  return true;
}

void MatchKeeper::RollBack(MemberTable& members) const {
  members.MemberStats = stats_;
  members.MemberPoints = points_;
}

}  // namespace winpiruk
