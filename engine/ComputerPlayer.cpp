#include "engine/ComputerPlayer.h"

#include <cmath>
#include <cstdlib>

#include "state/Cards.h"
#include "state/RuleLimits.h"

namespace winpiruk {

namespace {

// The ways of going out under which a last card cannot go out by itself.
bool NoDiscardFinish(const Settings& rules) {
  return rules.FinishMeans == kFinishNormal || rules.FinishMeans == kFinishNoInitialMatch ||
         rules.FinishMeans == kFinishProductAllowed;
}

// Copies the first n cards of `row` that may go on `top` to the start of
// `list`, in slot order, and says how many. Every card is written and kept
// only if it matches, which spares the processor a guess per card.
int CollectMatches(Candidates& list, const HandRow& row, int n, int top) {
  const int slots = n < 10 ? n : 10;
  int m = 0;
  for (int slot = 1; slot <= slots; ++slot) {
    list[m] = row[slot];
    m += Matches(row[slot], top) ? 1 : 0;
  }
  list[m] = 0;
  return m;
}

int SlotHolding(const HandRow& row, int code) {
  for (int slot = 1; slot <= 10; ++slot) {
    if (row[slot] == code) return slot;
  }
  return 0;
}

// Steps shared by the ordinary move and the further discard once a card is
// chosen: a throw-more card goes only with more than one other card to
// follow it, unless the seat may stop after it.
ComputerMove FinishChoice(const HandRow& row, const Settings& rules, int16_t card, bool ends_turn) {
  if (CardRank(card) == rules.MoreDropCard) {
    if (CountOtherThanThrowMore(row, rules.MoreDropCard) > 1) {
      ends_turn = false;
    } else if (MustDiscardAgain(rules)) {
      return {MoveKind::Draw, 0, ends_turn};
    }
  }
  return {MoveKind::Discard, card, ends_turn};
}

AutoPick DealerChoicePick(const TableState& t, const Settings& rules, RandomSource& random) {
  const int own = CardRank(t.Hands[0][5]);
  const int offered = CardRank(t.DeckSlots[t.DrawIndex]);
  int16_t pick = own < offered ? kPickDiscardPile : kPickSecondCard;
  const float r1 = random.Next();
  const float r2 = random.Next();
  const float r3 = random.Next();
  const float r4 = random.Next();
  if (own == rules.MoreDropCard && r1 < 0.7F) pick = kPickDiscardPile;
  if (offered == rules.MoreDropCard && r2 < 0.7F) pick = kPickSecondCard;
  if (own == rules.PenaltyCard && r3 < 0.9F) pick = kPickDiscardPile;
  if (offered == rules.PenaltyCard && r4 < 0.9F) pick = kPickSecondCard;
  return {pick, t.AutoExtraPending};
}

// After a throw-more card: a further throw-more card if there is one, else
// the best card.
AutoPick ExtraDiscardPick(const TableState& t, const Settings& rules, const Temper& temper, RandomSource& random) {
  const HandRow& row = t.Hands[0];
  const int n = row[kHandCount];
  Candidates list{};
  for (int slot = 1; slot <= n && slot <= 10; ++slot) list[slot - 1] = row[slot];
  RankCandidates(list, t, rules, temper, random, 0, true);
  AutoPick answer{kPickDrawPile, 0};
  int throw_more = 0;
  for (int slot = 1; slot <= n; ++slot) {
    if (row[slot] == list[0]) answer.pick = static_cast<int16_t>(slot);
    if (CardRank(row[slot]) == rules.MoreDropCard) throw_more = slot;
  }
  if (throw_more != 0) answer = {static_cast<int16_t>(throw_more), 1};
  if (answer.pick == kPickDrawPile) answer.pick = 1;
  return answer;
}

AutoPick FirstActionPick(const TableState& t, const Settings& rules, const Temper& temper, RandomSource& random) {
  const HandRow& row = t.Hands[0];
  const int n = row[kHandCount];
  if (n == 1 && NoDiscardFinish(rules)) return {kPickDrawPile, 0};
  Candidates list{};
  if (CollectMatches(list, row, n, t.TopDiscard) == 0) return {kPickDrawPile, 0};
  RankCandidates(list, t, rules, temper, random, 0, true);
  if (list[0] == 0) return {kPickDrawPile, 0};
  const bool throw_more = CardRank(list[0]) == rules.MoreDropCard;
  if (throw_more && CountOtherThanThrowMore(row, rules.MoreDropCard) < 2) return {kPickDrawPile, 0};
  const int slot = SlotHolding(row, list[0]);
  return {static_cast<int16_t>(slot != 0 ? slot : kPickDrawPile), static_cast<int16_t>(throw_more ? 1 : 0)};
}

// What the auto-play would like, before the rules are asked.
AutoPick ProposeAutoPick(const TableState& t, const Settings& rules, const Temper& temper, RandomSource& random) {
  if (t.HandPhase == kHandOpening) return DealerChoicePick(t, rules, random);
  if (t.PenaltyPending >= 1) {
    int16_t pick = kPickDrawPile;
    const HandRow& row = t.Hands[0];
    for (int slot = 1; slot <= row[kHandCount]; ++slot) {
      if (CardRank(row[slot]) == rules.PenaltyCard) pick = static_cast<int16_t>(slot);
    }
    return {pick, t.AutoExtraPending};
  }
  // The free pick after a throw-more card belongs to the further discard. A
  // flag left from a turn that ended otherwise (its throw-more card was
  // called) would take any card, even an unmatched one, for a first action.
  if (t.TurnPhase == kTurnFurtherDiscard && t.AutoExtraPending != 0) {
    return ExtraDiscardPick(t, rules, temper, random);
  }
  return FirstActionPick(t, rules, temper, random);
}

// The pick that stands in for a proposal the rules refuse: the own card in
// the dealer's choice, the draw pile in a first action, and in a further
// discard the first card that is not a throw-more card, or else stopping.
int16_t FallbackPick(const TableState& t, const Settings& rules) {
  switch (UserMovePhase(t)) {
    case MovePhase::DealerChoice: return kPickDiscardPile;
    case MovePhase::FirstAction: return kPickDrawPile;
    case MovePhase::None: return kPickNone;
    case MovePhase::FurtherDiscard: break;
  }
  const HandRow& row = t.Hands[0];
  int16_t pick = 1;
  for (int slot = row[kHandCount] < 9 ? row[kHandCount] : 9; slot >= 1; --slot) {
    if (CardRank(row[slot]) != rules.MoreDropCard) pick = static_cast<int16_t>(slot);
  }
  const LegalPicks legal = LegalUserPicks(t, rules);
  if (legal.Allows(pick)) return pick;
  return legal.Allows(kPickDrawPile) ? kPickDrawPile : kPickNone;
}

}  // namespace

Temper TemperOf(const MatchState& match, int seat) {
  return {match.Boldness[seat], match.Deduction[seat], match.Score[seat]};
}

DealerPick ComputerDealerChoice(const TableState& t, const Settings& rules, RandomSource& random, int dealer) {
  const int own = CardRank(t.Hands[dealer][5]);
  const int offered = CardRank(t.DeckSlots[t.DrawIndex]);
  if (random.Next() * 5.0F > 1.0F && (own == rules.PenaltyCard || own == rules.MoreDropCard)) {
    return DealerPick::Keep;
  }
  if (random.Next() * 5.0F > 1.0F && (offered == rules.MoreDropCard || offered == rules.PenaltyCard)) {
    return DealerPick::Take;
  }
  const float r3 = random.Next();
  return own > offered || r3 * 8.0F < 1.0F ? DealerPick::Take : DealerPick::Keep;
}

ComputerMove ChooseComputerMove(const TableState& t, const Settings& rules, const Temper& temper,
                                RandomSource& random, int seat) {
  const HandRow& row = t.Hands[seat];
  const int n = row[kHandCount];
  const bool turn_over = t.TurnOver != 0;

  if (t.PenaltyPending > 0) {
    int last = 0;
    for (int slot = 1; slot <= n; ++slot) {
      if (CardRank(row[slot]) == rules.PenaltyCard) last = slot;
    }
    if (last != 0 && n > 1) return {MoveKind::Discard, row[last], turn_over};
    return {MoveKind::PenaltyDraw, 0, turn_over};
  }

  if (n == 1) {
    const float r = random.Next();
    const bool tries = rules.FinishMeans == kFinishDiscardOnly ||
                       (rules.FinishMeans == kFinishDiscardAllowed && static_cast<int>(r * 10.0F) < temper.score / 10 + 1);
    const bool may = FirstActionEffect(t, rules, seat, 1) == PickEffect::DiscardFinish;
    if (tries && may) return {MoveKind::DiscardFinish, row[1], turn_over};
    return {MoveKind::Draw, 0, turn_over};
  }

  Candidates list{};
  if (CollectMatches(list, row, n, t.TopDiscard) == 0) return {MoveKind::Draw, 0, true};
  RankCandidates(list, t, rules, temper, random, seat, false);
  if (list[0] == 0) return {MoveKind::Draw, 0, true};
  if (FirstActionEffect(t, rules, seat, SlotHolding(row, list[0])) == PickEffect::Refused) {
    return {MoveKind::Draw, 0, true};
  }
  return FinishChoice(row, rules, list[0], true);
}

ComputerMove ChooseExtraDiscard(const TableState& t, const Settings& rules, const Temper& temper,
                                RandomSource& random, int seat) {
  const HandRow& row = t.Hands[seat];
  const int n = row[kHandCount];
  int16_t card = row[1];
  if (n == 1 && NoDiscardFinish(rules)) return FinishChoice(row, rules, card, true);
  int best = CardRank(card);
  const float r = random.Next();
  if (!(n == 2 && r * 7.0F > static_cast<float>(temper.boldness) && rules.FinishMeans < kFinishDiscardAllowed)) {
    for (int slot = 2; slot <= 10; ++slot) {
      const int rank = CardRank(row[slot]);
      if (rank > best) {
        best = rank;
        card = row[slot];
      }
    }
  }
  const bool ends_turn = CardRank(card) != rules.MoreDropCard || t.TurnOver != 0;
  return FinishChoice(row, rules, card, ends_turn);
}

void RankCandidates(Candidates& list, const TableState& t, const Settings& rules, const Temper& temper,
                    RandomSource& random, int seat, bool auto_play) {
  // Highest rank first, the lower code first among equal ranks; the filled
  // slots come first and stay first. Ten candidates at most: an insertion
  // sort in place over the filled slots.
  std::array<int16_t, 11> ranks;  // read only over the filled slots
  std::size_t filled = 0;
  while (filled < list.size() && list[filled] != 0) ++filled;
  for (std::size_t i = 0; i < filled; ++i) ranks[i] = static_cast<int16_t>(CardRank(list[i]));
  for (std::size_t i = 1; i < filled; ++i) {
    const int16_t code = list[i];
    const int16_t rank = ranks[i];
    std::size_t j = i;
    while (j > 0 && (rank > ranks[j - 1] || (rank == ranks[j - 1] && code < list[j - 1]))) {
      list[j] = list[j - 1];
      ranks[j] = ranks[j - 1];
      --j;
    }
    list[j] = code;
    ranks[j] = rank;
  }

  const int limit_own = temper.boldness > 4 ? 13 - temper.boldness : 9;
  // Three values, always drawn, in this order.
  std::array<float, 3> r;
  random.Fill(r);
  int limit_user = 3;
  if (r[0] > 0.5F && temper.deduction >= 4) limit_user = 2;
  const bool a = r[1] * 6.0F > 2.0F;
  const int e = std::abs(temper.score) > 4 * temper.deduction ? 2 : 0;
  const bool b = r[2] * 6.0F - 2.0F > static_cast<float>(temper.boldness + e);
  const bool hold = t.Hands[seat][kHandCount] < limit_own && (auto_play || seat != 0) &&
                    t.Hands[0][kHandCount] < limit_user && a && b && rules.FinishMeans != kFinishDiscardOnly;
  if (hold) list[0] = 0;
}

AutoPick AutoPlayMove(const TableState& t, const Settings& rules, const Temper& temper, RandomSource& random) {
  AutoPick answer = ProposeAutoPick(t, rules, temper, random);
  if (UserPickEffect(t, rules, answer.pick) == PickEffect::Refused) answer.pick = FallbackPick(t, rules);
  return answer;
}

int DiscardPicturePosition(RandomSource& random, int slot, int count_before) {
  if (slot >= 1 && slot <= 9) return slot;
  return RandomInt(random.Next(), count_before) + 1;
}

}  // namespace winpiruk
