#include "engine/LegalPicks.h"

#include "state/RuleLimits.h"

namespace winpiruk {

namespace {

PickEffect FirstActionSlot(const TableState& table, const Settings& rules, const HandRow& row, int pick) {
  const int n = row[kHandCount];
  if (pick > n) return PickEffect::Refused;
  const int16_t card = row[pick];
  if (!Matches(card, table.TopDiscard)) return PickEffect::Refused;
  const int rank = CardRank(card);
  // With a penalty pending only a penalty card answers it; any other card
  // that may go stands for drawing the penalty.
  const bool answers_penalty = table.PenaltyPending == 0 || rank == rules.PenaltyCard;
  if (n == 1) {
    if (!DiscardFinishAllowed(rules)) return PickEffect::Refused;
    return answers_penalty ? PickEffect::DiscardFinish : PickEffect::PenaltyDraw;
  }
  if (!answers_penalty) return PickEffect::PenaltyDraw;
  if (rank == rules.PenaltyCard || rank != rules.MoreDropCard) return PickEffect::Discard;
  // A throw-more card needs a card to follow it, unless it may end the turn.
  if (n == 2) return !MustDiscardAgain(rules) ? PickEffect::Discard : PickEffect::Refused;
  return CountOtherThanThrowMore(row, rules.MoreDropCard) > 0 ? PickEffect::DiscardAgain : PickEffect::Discard;
}

PickEffect FurtherDiscardSlot(const Settings& rules, const HandRow& row, int pick) {
  // Any held card may follow a throw-more card, matching or not.
  const int n = row[kHandCount];
  if (pick > n) return PickEffect::Refused;
  if (n == 1) return rules.FinishMeans == kFinishDiscardAllowed ? PickEffect::DiscardFinish : PickEffect::EndTurn;
  const int rank = CardRank(row[pick]);
  if (rank != rules.MoreDropCard) return PickEffect::Discard;
  return n == 2 ? PickEffect::Refused : PickEffect::DiscardAgain;
}

}  // namespace

int CountOtherThanThrowMore(const HandRow& row, int more_drop_card) {
  int count = 0;
  for (int slot = 1; slot <= 10; ++slot) {
    const int rank = CardRank(row[slot]);
    if (rank != 0 && rank != more_drop_card) ++count;
  }
  return count;
}

PickEffect FirstActionEffect(const TableState& table, const Settings& rules, int seat, int position) {
  if (position < 1) return PickEffect::Refused;
  return FirstActionSlot(table, rules, table.Hands[seat], position);
}

MovePhase UserMovePhase(const TableState& t) {
  if (t.TurnPhase == kTurnFurtherDiscard) return MovePhase::FurtherDiscard;
  if (t.HandPhase == kHandNotDealt) return MovePhase::None;
  if (t.HandPhase == kHandOpening && t.Dealer == 0 && t.DealerChoice.empty()) return MovePhase::DealerChoice;
  if (t.TurnPhase == kTurnFirstAction) return MovePhase::FirstAction;
  return MovePhase::None;
}

PickEffect LegalPicks::Of(int pick) const {
  if (pick >= 1 && pick <= 9) return hand[pick];
  switch (pick) {
    case kPickDrawPile: return draw_pile;
    case kPickDiscardPile: return discard_pile;
    case kPickSecondCard: return second_card;
    default: return PickEffect::Refused;
  }
}

PickEffect EffectOf(const TableState& table, const Settings& rules, int seat, MovePhase phase, int pick) {
  const HandRow& row = table.Hands[seat];
  const bool position = pick >= 1 && pick <= 9;
  switch (phase) {
    case MovePhase::None:
      return PickEffect::Refused;
    case MovePhase::DealerChoice:
      if (pick == kPickDiscardPile) return PickEffect::KeepOwnCard;
      return pick == kPickSecondCard ? PickEffect::TakeDeckCard : PickEffect::Refused;
    case MovePhase::FirstAction:
      if (pick == kPickDrawPile) return table.PenaltyPending > 0 ? PickEffect::PenaltyDraw : PickEffect::Draw;
      return position ? FirstActionSlot(table, rules, row, pick) : PickEffect::Refused;
    case MovePhase::FurtherDiscard:
      if (pick == kPickDrawPile) return !MustDiscardAgain(rules) ? PickEffect::StopDiscarding : PickEffect::Refused;
      return position ? FurtherDiscardSlot(rules, row, pick) : PickEffect::Refused;
  }
  return PickEffect::Refused;
}

LegalPicks LegalPicksOf(const TableState& table, const Settings& rules, int seat, MovePhase phase) {
  LegalPicks legal;
  for (int pick = 1; pick <= 9; ++pick) legal.hand[pick] = EffectOf(table, rules, seat, phase, pick);
  legal.draw_pile = EffectOf(table, rules, seat, phase, kPickDrawPile);
  legal.discard_pile = EffectOf(table, rules, seat, phase, kPickDiscardPile);
  legal.second_card = EffectOf(table, rules, seat, phase, kPickSecondCard);
  return legal;
}

}  // namespace winpiruk
