#include "SilentView.h"

#include "state/RuleLimits.h"

namespace winpiruk::runner {

void SilentView::ShowHandResult(const HandResultView& result) {
  Check(true);
  ++hands;
  const int code = state_.HandEndCode;
  ++by_end_code[code >= 0 && code < 100 ? code : 0];
  // The flag keeps its value from an earlier call until the next one.
  if (code == kEndCall && state_.CounterCalled != 0) ++counter_calls;
  if (on_hand_result) on_hand_result(result);
  // Enough hands: make this the last hand of the match so the settlement
  // that follows ends the run.
  if (hands >= hands_wanted_) state_.HandNumber = static_cast<int16_t>(NumberOfGamesInUse(state_.settings));
}

void SilentView::ReportUnsound(TableMoment moment) {
  const std::string fault = CheckTableInvariants(state_, moment);
  ++invariant_failures;
  Note("hand " + std::to_string(hands + 1) + ": " + fault);
}

void SilentView::Note(std::string text) {
  if (failure_notes.size() < 10) failure_notes.push_back(std::move(text));
}

}  // namespace winpiruk::runner
