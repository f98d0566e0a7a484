#pragma once
// The view of a table played headless: draws nothing, waits for nothing,
// answers every question with Yes, checks the table's invariants at every
// move and gathers the figures of the hands it sees.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "analysis/Figures.h"
#include "engine/QuietTableView.h"
#include "state/Cards.h"
#include "engine/TableInvariants.h"
#include "state/GameState.h"

namespace winpiruk::analysis {

class SilentView final : public QuietTableView {
 public:
  SilentView(GameState& state, long long hands_wanted) : state_(state), hands_wanted_(hands_wanted) {}

  long long hands = 0;
  long long checks = 0;
  long long invariant_failures = 0;
  long long internal_errors = 0;
  std::vector<std::string> failure_notes;  // the first few, for the report
  Figures figures;
  // Whether the engine scores the hands: then the points of a hand are added
  // by whoever checks the scoring; otherwise this view works them out.
  bool hands_scored = false;

  // Whole matches: told every hand and match the engine has scored; the
  // settlement hook says whether the run has played all its matches.
  std::function<void(const HandResultView&)> on_hand_result;
  std::function<bool(const SettlementView&)> on_settlement;
  bool finished = false;

  // Looked at after every hand: once true, the hand just played is the last.
  const std::atomic<bool>* cancel = nullptr;
  bool cancelled = false;
  // Counts every hand as it ends, for another thread to read; may be null.
  std::atomic<long long>* hands_done = nullptr;

  void ShowHand(int seat) override {
    // The deal shows the four rows one after another: check once it is complete.
    if (seat != 3 && state_.table.DeckSlots[53] == 0 && state_.table.DrawIndex == 20) return;
    Check(false);
    // A discard moves the pile's end one slot on since the check before.
    const bool discarded = state_.table.DiscardIndex == last_discard_index_ + 1;
    last_discard_index_ = state_.table.DiscardIndex;
    // Nearly always no row makes the card: one test of them all first.
    if (discarded && AnyRowMakesTopDiscard()) CheckCallOffered(seat);
  }
  // A turn: the engine points the arrow at the seat whose turn begins. It
  // points again at the first seat after the deal: a repeat with no card
  // moved in between is the same turn.
  void ShowArrow(int seat) override {
    if (seat != arrow_seat_ || card_moved_) ++turns_;
    arrow_seat_ = seat;
    card_moved_ = false;
  }
  // Every card put on the discard pile is shown there; before the first
  // turn only the deal shows cards there.
  void ShowCard(int position, int card) override {
    if (position != kPosDiscardPile || turns_ == 0) return;
    card_moved_ = true;
    const int rank = CardRank(card);
    if (rank >= 1 && rank <= 13) ++figures.discards_by_rank[static_cast<std::size_t>(rank)];
  }
  void ShowDrawAnimation() override { card_moved_ = true; }
  void InternalError(int number) override {
    ++internal_errors;
    Note("internal error " + std::to_string(number));
  }
  void ShowHandResult(const HandResultView& result) override;
  SettlementOutcome ShowSettlement(const SettlementView& settlement) override {
    // A match cut short by a cancel is not one to count.
    if (cancelled) {
      finished = true;
      return SettlementOutcome::EndProgram;
    }
    if (on_settlement) {
      finished = on_settlement(settlement);
      return finished ? SettlementOutcome::EndProgram : SettlementOutcome::AnotherMatch;
    }
    return hands < hands_wanted_ ? SettlementOutcome::AnotherMatch : SettlementOutcome::EndProgram;
  }

 private:
  // Runs after every move: the fast test here, the report out of line.
  void Check(bool hand_over) {
    ++checks;
    const TableMoment moment = hand_over ? TableMoment::HandOver : TableMoment::DuringHand;
    if (!TableIsSound(state_, moment, check_memo_)) ReportUnsound(moment);
  }
  void ReportUnsound(TableMoment moment);
  // Whether a row, the discarder's own among them, makes the top discard
  // (never when no calls are played).
  bool AnyRowMakesTopDiscard() const;
  // After a discard by `seat`, what the table alone does not show: no seat
  // let a discard it makes go.
  void CheckCallOffered(int seat);
  // At the end of a called hand: the winner makes the number and no seat
  // before it in the order of calling does.
  void CheckCall();
  void Fail(const std::string& what);
  // Adds the hand that has just ended to the figures.
  void GatherHand();
  void Note(std::string text);

  GameState& state_;
  long long hands_wanted_;
  TableCheckMemo check_memo_;  // the check sees again only what changed since the move before
  static constexpr int kNoCheckYet = -100;
  int last_discard_index_ = kNoCheckYet;  // at the check before, within the hand
  long long turns_ = 0;                   // in the hand being played
  int arrow_seat_ = -1;                   // where the arrow last pointed, in this hand
  bool card_moved_ = false;               // since the arrow last pointed
};

}  // namespace winpiruk::analysis
