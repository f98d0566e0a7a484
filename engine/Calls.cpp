#include "engine/Calls.h"

#include <utility>

#include "state/RuleLimits.h"

namespace winpiruk {

bool Makes(const Settings& rules, const HandRow& row, int rank) {
  return row[kHandSum] == rank || (rules.AceAliasJack == 1 && row[kHandRaisedSum] == rank) ||
         (rules.FinishMeans == kFinishProductAllowed && row[kHandProduct] == rank);
}

bool CheckCallsOnUserDiscard(GameState& s) {
  if (s.settings.FinishMeans == kFinishDiscardOnly) return false;
  const int rank = CardRank(s.table.TopDiscard);
  for (int seat = 1; seat <= 3; ++seat) {
    if (Makes(s.settings, s.table.Hands[seat], rank)) {
      s.table.Winner = static_cast<int16_t>(seat);
      return true;
    }
  }
  return false;
}

bool CheckCallsOnComputerDiscard(GameState& s, TableView& view) {
  const Settings& rules = s.settings;
  const int discarder = s.table.CurrentSeat;
  const int rank = CardRank(s.table.TopDiscard);
  const bool user_judges = rules.AutoJudgment == 0 && !s.table.AutoPlay;
  auto claim_window = [&s, &view](int tenths, ClaimWindow window) {
    s.table.CallWindowOpen = true;
    view.WaitForClaim(tenths, window);
    s.table.CallWindowOpen = false;
  };

  s.table.UserClaimedCall = false;
  if (user_judges) claim_window(JudgmentWaitTimeInUse(rules), ClaimWindow::AfterEveryDiscard);
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat == discarder) continue;
    if (rules.FinishMeans == kFinishDiscardOnly || !Makes(rules, s.table.Hands[seat], rank)) continue;
    if (seat == 0) {
      if (user_judges) claim_window(kSecondClaimTenths, ClaimWindow::HandMakesIt);
      if (!s.table.UserClaimedCall && rules.AutoJudgment != 1 && !s.table.AutoPlay) continue;
      if (rules.PirukConfirm == 1 && !s.table.AutoPlay && !view.Ask(Question::ConfirmCall)) continue;
    }
    s.table.Winner = static_cast<int16_t>(seat);
    return true;
  }
  s.table.Hands[discarder][kHandCount] = static_cast<int16_t>(s.table.Hands[discarder][kHandCount] - 1);
  return false;
}

void CheckCounterCall(GameState& s, TableView& view) {
  view.ShowCallBanner();
  view.PlaySound(Sound::Piruk);
  s.table.CounterCalled = false;
  s.table.TurnOver = false;

  HandRow& row = s.table.Hands[s.table.CurrentSeat];
  for (int slot = 1; slot <= 9; ++slot) {
    if (row[slot] == s.table.TopDiscard) row[slot] = 0;
  }
  int sum = 0;
  int product = 1;
  bool multiplied = false;
  int ace = 0;
  for (int slot = 1; slot <= 9; ++slot) {
    const int rank = CardRank(row[slot]);
    if (rank == 0) continue;
    sum += rank;
    if (product < 1000) {
      product *= rank;
      multiplied = true;
    }
    if (rank == 1) ace = 10;
  }
  if (!multiplied) product = -1;

  const int called = CardRank(s.table.TopDiscard);
  if (s.settings.PirukGaeshi != 0 && (sum + ace == called || sum == called || product == called)) {
    s.table.TurnOver = true;
    s.table.CounterCalled = true;
    std::swap(s.table.CurrentSeat, s.table.Winner);
    view.ShowCounterCallBanner();
    view.PlaySound(Sound::PirukGaeshi);
  }
}

}  // namespace winpiruk
