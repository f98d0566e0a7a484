#include "engine/LegalPicks.h"

#include "state/RuleLimits.h"

namespace winpiruk {

namespace {

// A pick's effect and, when it is refused, why: both come from the same
// conditions, so a reason is given exactly when a pick is refused.
struct Verdict {
  PickEffect effect = PickEffect::Refused;
  Refusal why = Refusal::None;
};

constexpr Verdict Allowed(PickEffect effect) { return {effect, Refusal::None}; }
constexpr Verdict Refused(Refusal why) { return {PickEffect::Refused, why}; }

Verdict FirstActionSlot(const TableState& table, const Settings& rules, const HandRow& row, int pick) {
  const int n = row[kHandCount];
  if (pick > n) return Refused(Refusal::NoCardThere);
  const int16_t card = row[pick];
  if (!Matches(card, table.TopDiscard)) {
    return Refused(table.PenaltyPending > 0 ? Refusal::PenaltyWaiting : Refusal::NoMatch);
  }
  const int rank = CardRank(card);
  // With a penalty pending only a penalty card answers it; any other card
  // that may go stands for drawing the penalty.
  const bool answers_penalty = table.PenaltyPending == 0 || rank == rules.PenaltyCard;
  if (n == 1) {
    if (!DiscardFinishAllowed(rules)) return Refused(Refusal::NoDiscardFinish);
    return Allowed(answers_penalty ? PickEffect::DiscardFinish : PickEffect::PenaltyDraw);
  }
  if (!answers_penalty) return Allowed(PickEffect::PenaltyDraw);
  if (rank == rules.PenaltyCard || rank != rules.MoreDropCard) return Allowed(PickEffect::Discard);
  // A throw-more card needs a card to follow it, unless it may end the turn.
  if (n == 2) return !MustDiscardAgain(rules) ? Allowed(PickEffect::Discard) : Refused(Refusal::ThrowMoreOfTwo);
  return Allowed(CountOtherThanThrowMore(row, rules.MoreDropCard) > 0 ? PickEffect::DiscardAgain : PickEffect::Discard);
}

Verdict FurtherDiscardSlot(const Settings& rules, const HandRow& row, int pick) {
  // Any held card may follow a throw-more card, matching or not.
  const int n = row[kHandCount];
  if (pick > n) return Refused(Refusal::NoCardThere);
  if (n == 1) return Allowed(rules.FinishMeans == kFinishDiscardAllowed ? PickEffect::DiscardFinish : PickEffect::EndTurn);
  const int rank = CardRank(row[pick]);
  if (rank != rules.MoreDropCard) return Allowed(PickEffect::Discard);
  return n == 2 ? Refused(Refusal::ThrowMoreOfTwo) : Allowed(PickEffect::DiscardAgain);
}

Verdict DealerChoiceVerdict(int pick) {
  if (pick == kPickDiscardPile) return Allowed(PickEffect::KeepOwnCard);
  return pick == kPickSecondCard ? Allowed(PickEffect::TakeDeckCard) : Refused(Refusal::DealerChoiceOnly);
}

Verdict FirstActionVerdict(const TableState& table, const Settings& rules, const HandRow& row, int pick) {
  if (pick == kPickDrawPile) return Allowed(table.PenaltyPending > 0 ? PickEffect::PenaltyDraw : PickEffect::Draw);
  if (pick >= 1 && pick <= 9) return FirstActionSlot(table, rules, row, pick);
  return Refused(pick < 1 ? Refusal::NoCardThere : Refusal::DiscardOrDraw);
}

Verdict FurtherDiscardVerdict(const Settings& rules, const HandRow& row, int pick) {
  const Refusal discard_again = MustDiscardAgain(rules) ? Refusal::MustDiscardAgain : Refusal::DiscardAgainOrStop;
  if (pick == kPickDrawPile) {
    return !MustDiscardAgain(rules) ? Allowed(PickEffect::StopDiscarding) : Refused(discard_again);
  }
  if (pick >= 1 && pick <= 9) return FurtherDiscardSlot(rules, row, pick);
  return Refused(pick < 1 ? Refusal::NoCardThere : discard_again);
}

Verdict Judge(const TableState& table, const Settings& rules, int seat, MovePhase phase, int pick) {
  const HandRow& row = table.Hands[seat];
  switch (phase) {
    case MovePhase::None: return Refused(Refusal::NotYourTurn);
    case MovePhase::DealerChoice: return DealerChoiceVerdict(pick);
    case MovePhase::FirstAction: return FirstActionVerdict(table, rules, row, pick);
    case MovePhase::FurtherDiscard: return FurtherDiscardVerdict(rules, row, pick);
  }
  return Refused(Refusal::NotYourTurn);
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
  return FirstActionSlot(table, rules, table.Hands[seat], position).effect;
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
  return Judge(table, rules, seat, phase, pick).effect;
}

Refusal WhyRefused(const TableState& table, const Settings& rules, int seat, MovePhase phase, int pick) {
  const Refusal why = Judge(table, rules, seat, phase, pick).why;
  if (why != Refusal::NoMatch) return why;
  // Pointing at the one card that does not match would hide that none does.
  for (int position = 1; position <= 9; ++position) {
    if (Judge(table, rules, seat, phase, position).effect != PickEffect::Refused) return why;
  }
  return Refusal::NothingToPlay;
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
