#pragma once
// A view that shows nothing and waits for nothing: the base of the views
// that drive the engine without a screen (the headless runner, the
// benchmarks). A derived view overrides what it wants to see.
#include "engine/TableView.h"

namespace winpiruk {

class QuietTableView : public TableView {
 public:
  void ShowCard(int, int) override {}
  void HideCard(int) override {}
  void HideSeatCard(int, int) override {}
  void ShowHand(int) override {}
  void DealCardTo(int, int) override {}
  void ShowDrawPile(bool) override {}
  void ShowDrawAnimation() override {}
  void ClearTable() override {}
  void ShowHandKeyGuides(bool) override {}
  void ShowArrow(int) override {}
  void ShowCallBanner() override {}
  void ShowCounterCallBanner() override {}
  void ShowLabel(TableLabel, LabelWords) override {}
  void HideLabel(TableLabel) override {}
  void ShowCountdown(int, bool) override {}
  void ShowHandTitle(int, bool) override {}
  void ShowProgramTitle() override {}
  void ShowScores() override {}
  void ApplyLabelColours() override {}
  void EnablePlayModeMenu(bool) override {}
  void CheckPlayMode(bool) override {}
  void PlaySound(Sound) override {}
  void StopMusic() override {}
  void RestartMusic() override {}
  // Questions are answered Yes: the game goes on without anyone to ask.
  bool Ask(Question) override { return true; }
  void Tell(Notice) override {}
  void InternalError(int) override {}
  void Pause(int) override {}
  void SpeedPause(int) override {}
  void WaitForClaim(int, ClaimWindow) override {}
  void StartTimer() override {}
  void StopTimer() override {}
  void ShowHandResult(const HandResultView&) override {}
  SettlementOutcome ShowSettlement(const SettlementView&) override { return SettlementOutcome::EndProgram; }
  void ShowMemberDecision() override {}
};

}  // namespace winpiruk
