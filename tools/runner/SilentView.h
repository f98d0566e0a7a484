#pragma once
// The runner's view: draws nothing, waits for nothing, answers every
// question with Yes and checks the table's invariants at every move.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/Piruk930.h"
#include "engine/TableView.h"

namespace winpiruk::runner {

class SilentView final : public TableView {
 public:
  SilentView(Piruk930& state, long long hands_wanted) : state_(state), hands_wanted_(hands_wanted) {}

  long long hands = 0;
  long long checks = 0;
  long long invariant_failures = 0;
  long long counter_calls = 0;
  long long internal_errors = 0;
  std::array<long long, 100> by_end_code{};
  std::vector<std::string> failure_notes;  // the first few, for the report

  // Whole matches: scores every hand and settles every match; the settlement
  // hook says whether the run has played all its matches.
  std::function<void()> on_hand_result;
  std::function<bool()> on_settlement;
  bool finished = false;

  void ShowCard(int, int) override {}
  void HideCard(int) override {}
  void HideSeatCard(int, int) override {}
  void ShowHand(int seat) override {
    // The deal shows the four rows one after another: check once it is complete.
    if (seat != 3 && state_.DeckSlots[53] == 0 && state_.DrawIndex == 20) return;
    Check(false);
  }
  void DealCardTo(int, int) override {}
  void ShowDrawPile(bool) override {}
  void ShowDrawAnimation() override {}
  void ClearTable() override {}
  void ShowHandKeyGuides(bool) override {}
  void ShowArrow(int) override {}
  void ShowCallBanner() override {}
  void ShowCounterCallBanner() override {}
  void ShowLabel(TableLabel, std::string_view) override {}
  void HideLabel(TableLabel) override {}
  std::string LabelText(TableLabel) const override { return {}; }
  void SetTitle(std::string_view) override {}
  void ShowScores() override {}
  void ApplyLabelColours() override {}
  void EnablePlayModeMenu(bool) override {}
  void CheckPlayMode(bool) override {}
  void PlaySound(Sound) override {}
  void StopMusic() override {}
  void RestartMusic() override {}
  bool Ask(Question) override { return true; }
  void Tell(Notice) override {}
  void InternalError(int number) override {
    ++internal_errors;
    Note("internal error " + std::to_string(number));
  }
  void Pause(int) override {}
  void SpeedPause(int) override {}
  void WaitForClaim(int) override {}
  void StartTimer() override {}
  void StopTimer() override {}
  void ShowHandResult() override;
  SettlementOutcome ShowSettlement() override {
    if (on_settlement) {
      finished = on_settlement();
      return finished ? SettlementOutcome::EndProgram : SettlementOutcome::AnotherMatch;
    }
    return hands < hands_wanted_ ? SettlementOutcome::AnotherMatch : SettlementOutcome::EndProgram;
  }
  void ShowMemberDecision() override {}

 private:
  void Check(bool hand_over);
  void Note(std::string text);

  Piruk930& state_;
  long long hands_wanted_;
};

}  // namespace winpiruk::runner
