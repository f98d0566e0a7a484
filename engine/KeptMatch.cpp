#include "engine/KeptMatch.h"

#include "config/SafeFile.h"
#include "engine/KeptMatchText.h"
#include "scoring/HandResult.h"
#include "scoring/MemberFiles.h"

namespace winpiruk {

MatchRules MatchRulesOf(const Settings& settings) {
  MatchRules rules;
  for (const MatchRuleField& rule : kMatchRuleFields) rules.*rule.kept = settings.*rule.settings;
  return rules;
}

KeptMatch TakeKeptMatch(const GameState& state, const StandardRandom& random) {
  KeptMatch kept;
  kept.table = state.table;
  kept.match = state.match;
  for (int seat = 0; seat < kSeats; ++seat) {
    SeatedMember& seated = kept.seats[static_cast<std::size_t>(seat)];
    // A seat without a member record is kept as none, which no file reads back.
    if (const std::optional<MemberRef> ref = SeatRecord(state, seat)) {
      seated = {static_cast<int16_t>(ref->group), static_cast<int16_t>(ref->member),
                state.members.MemberName[ref->group][ref->member]};
    }
  }
  kept.random_state = random.State();
  kept.rules = MatchRulesOf(state.settings);
  return kept;
}

void ApplyKeptMatch(const KeptMatch& kept, GameState& state, StandardRandom& random) {
  state.table = kept.table;
  // No step of this run is under way, whatever the run that kept it was doing.
  state.table.EngineRunning = false;
  state.table.PickInProgress = false;
  state.match = kept.match;
  state.seating.CurrentGroup = kept.match.SeatMember[0];
  LoadCurrentGroup(state);
  state.seating.Phase = kDealerDecided;
  random.Restore(kept.random_state);
}

KeptMatchReading ReadKeptMatch(std::string_view text, const GameState& now) {
  KeptMatchReading reading = kept::ParseKeptMatchText(text);
  if (!reading.kept) return reading;
  if (std::optional<KeptMatchFault> fault = WhyNotContinued(*reading.kept, now)) {
    return KeptMatchReading{std::nullopt, std::move(*fault)};
  }
  return reading;
}

bool WriteKeptMatch(const ProgramPaths& paths, const KeptMatch& kept) {
  const std::string text = KeptMatchText(kept);
  if (text.size() > kKeptMatchFileBytes) return false;
  EnsureDirectory(paths.config_directory);
  return WriteFileAtomically(paths.KeptMatchFile(), text);
}

std::optional<std::string> ReadKeptMatchFile(const ProgramPaths& paths) {
  return ReadFileUpTo(paths.KeptMatchFile(), kKeptMatchFileBytes);
}

bool RemoveKeptMatch(const ProgramPaths& paths) { return RemoveFile(paths.KeptMatchFile()); }

}  // namespace winpiruk
