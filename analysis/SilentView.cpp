#include "analysis/SilentView.h"

#include "config/RuleSettings.h"
#include "engine/Calls.h"
#include "scoring/HandResult.h"
#include "state/Cards.h"
#include "state/RuleLimits.h"

namespace winpiruk::analysis {

namespace {

// The seats that may call a discard, in the order they are asked: after the
// user's discard seats 1, 2, 3; after a computer seat's, every other seat
// from 0 up (the user calls too: the runner plays it automatically).
bool AskedBefore(int seat, int winner, int discarder) {
  if (seat == discarder) return false;
  return winner < 0 || seat < winner;
}

Ending EndingOf(const GameState& state) {
  switch (state.table.HandEndCode) {
    // The flag keeps its value from an earlier call until the next one.
    case kEndCall: return state.table.CounterCalled ? Ending::CounterCall : Ending::Call;
    case kEndDiscardFinish: return Ending::DiscardFinish;
    case kEndCardOver: return Ending::CardOver;
    case kEndNoGame: return Ending::NoGame;
    case kEndInitialMatch: return Ending::InitialMatch;
    default: return Ending::Other;
  }
}

}  // namespace

bool SilentView::AnyRowMakesTopDiscard() const {
  if (state_.settings.FinishMeans == kFinishDiscardOnly) return false;  // no calls at all
  const int rank = CardRank(state_.table.TopDiscard);
  bool any = false;
  for (const HandRow& row : state_.table.Hands) any = any | Makes(state_.settings, row, rank);
  return any;
}

void SilentView::CheckCallOffered(int seat) {
  const int rank = CardRank(state_.table.TopDiscard);
  for (int other = 0; other < kSeats; ++other) {
    if (AskedBefore(other, -1, seat) && Makes(state_.settings, state_.table.Hands[other], rank)) {
      Fail("seat " + std::to_string(other) + " makes " + std::to_string(rank) + " discarded by seat " +
           std::to_string(seat) + " and was not offered the call");
    }
  }
}

void SilentView::CheckCall() {
  if (state_.table.HandEndCode != kEndCall || state_.table.CounterCalled) return;
  const int winner = state_.table.Winner;
  const int discarder = state_.table.CurrentSeat;
  const int rank = CardRank(state_.table.TopDiscard);
  if (winner == discarder || !Makes(state_.settings, state_.table.Hands[winner], rank)) {
    Fail("seat " + std::to_string(winner) + " called " + std::to_string(rank) + " without making it");
  }
  for (int other = 0; other < kSeats; ++other) {
    if (AskedBefore(other, winner, discarder) && Makes(state_.settings, state_.table.Hands[other], rank)) {
      Fail("seat " + std::to_string(other) + " makes " + std::to_string(rank) + " before the caller, seat " +
           std::to_string(winner));
    }
  }
}

void SilentView::Fail(const std::string& what) {
  ++invariant_failures;
  Note("hand " + std::to_string(hands + 1) + ": " + what);
}

void SilentView::GatherHand() {
  ++figures.hands;
  ++figures.endings[static_cast<std::size_t>(EndingOf(state_))];
  figures.turns += turns_;
  ++figures.hand_length[static_cast<std::size_t>(LengthBin(turns_))];
  turns_ = 0;
  arrow_seat_ = -1;
  card_moved_ = false;
  if (hands_scored) return;
  // Read only: applying the score would change how the computer players play.
  const HandScore score = ComputeHandScore(state_);
  for (int seat = 0; seat < kSeats; ++seat) figures.points_by_seat[seat] += score.score_change[seat];
}

void SilentView::ShowHandResult(const HandResultView& result) {
  Check(true);
  CheckCall();
  last_discard_index_ = kNoCheckYet;
  GatherHand();
  ++hands;
  if (hands_done) hands_done->fetch_add(1, std::memory_order_relaxed);
  if (on_hand_result) on_hand_result(result);
  if (cancel && cancel->load(std::memory_order_relaxed)) cancelled = true;
  // Enough hands: make this the last hand of the match so the settlement
  // that follows ends the run.
  if (hands >= hands_wanted_ || cancelled) state_.table.HandNumber = static_cast<int16_t>(NumberOfGamesInUse(state_.settings));
}

void SilentView::ReportUnsound(TableMoment moment) { Fail(CheckTableInvariants(state_, moment)); }

void SilentView::Note(std::string text) {
  if (failure_notes.size() < 10) failure_notes.push_back(std::move(text));
}

}  // namespace winpiruk::analysis
