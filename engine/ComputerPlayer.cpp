#include "engine/ComputerPlayer.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "state/RuleLimits.h"
#include "state/Cards.h"

namespace winpiruk {

namespace {

// How many cards of a row are neither empty nor throw-more cards.
int OtherThanThrowMore(const HandRow& row, int more_drop_card) {
  int count = 0;
  for (int slot = 1; slot <= 10; ++slot) {
    const int rank = CardRank(row[slot]);
    if (rank != 0 && rank != more_drop_card) ++count;
  }
  return count;
}

// Copies the first n cards of `row` that may go on the top card to the start
// of PlayList, in slot order, and says how many; the entries after them keep
// their values. Every card is written and kept only if it matches, which
// spares the processor a guess per card.
int CollectMatches(Piruk930& s, const HandRow& row, int n) {
  const auto before = s.PlayList;
  const int slots = n < 10 ? n : 10;
  int m = 0;
  for (int slot = 1; slot <= slots; ++slot) {
    s.PlayList[m] = row[slot];
    m += Matches(row[slot], s.TopDiscard) ? 1 : 0;
  }
  s.PlayList[m] = before[m];
  return m;
}

void ClearPlayList(Piruk930& s) {
  s.PlayList.fill(0);
  s.CandidateRanks.fill(0);
}

// Steps shared by the ordinary move and the further discard once a card is
// chosen: the throw-more check, then the penalty the card adds.
ComputerMove FinishChoice(Piruk930& s, int seat) {
  const Settings& rules = s.settings;
  const int rank = CardRank(s.PlayList[0]);
  if (rank == rules.MoreDropCard) {
    if (OtherThanThrowMore(s.Hands[seat], rules.MoreDropCard) > 1) {
      s.TurnOver = 0;
    } else if (rules.MoreDropCardMode != 0) {
      s.PlayList[0] = 0;
      return ComputerMove::Draw;
    }
  }
  if (rank == rules.PenaltyCard) {
    s.PenaltyPending = static_cast<int16_t>(s.PenaltyPending + PenaltyLeavesInUse(rules));
  }
  return ComputerMove::Discard;
}

}  // namespace

DealerPick ComputerDealerChoice(Piruk930& s, TableView& view, RandomSource& random, int dealer) {
  const Settings& rules = s.settings;
  const int own = CardRank(s.Hands[dealer][5]);
  const int offered = CardRank(s.DeckSlots[s.DrawIndex]);
  view.Pause(5);
  if (random.Next() * 5.0F > 1.0F && (own == rules.PenaltyCard || own == rules.MoreDropCard)) {
    return DealerPick::Keep;
  }
  if (random.Next() * 5.0F > 1.0F && (offered == rules.MoreDropCard || offered == rules.PenaltyCard)) {
    return DealerPick::Take;
  }
  const float r3 = random.Next();
  return own > offered || r3 * 8.0F < 1.0F ? DealerPick::Take : DealerPick::Keep;
}

ComputerMove ChooseComputerMove(Piruk930& s, RandomSource& random, int seat) {
  const Settings& rules = s.settings;
  HandRow& row = s.Hands[seat];
  const int n = row[kHandCount];

  if (s.PenaltyPending > 0) {
    int last = 0;
    for (int slot = 1; slot <= n; ++slot) {
      if (CardRank(row[slot]) == rules.PenaltyCard) last = slot;
    }
    if (last != 0 && n > 1) {
      s.PlayList[0] = row[last];
      s.PenaltyPending = static_cast<int16_t>(s.PenaltyPending + PenaltyLeavesInUse(rules));
      return ComputerMove::Discard;
    }
    s.PenaltyDrawing = 1;
    s.PlayList[0] = 0;
    return ComputerMove::PenaltyDraw;
  }

  if (n == 1) {
    const float r = random.Next();
    const bool tries = rules.FinishMeans == 3 ||
                       (rules.FinishMeans == 2 &&
                        static_cast<int>(r * 10.0F) < s.Score[seat] / 10 + 1);
    return tries && Matches(row[1], s.TopDiscard) ? ComputerMove::DiscardFinish : ComputerMove::Draw;
  }

  s.TurnOver = 1;
  ClearPlayList(s);
  const int m = CollectMatches(s, row, n);
  if (m == 0) return ComputerMove::Draw;
  RankCandidates(s, random, seat, false);
  if (s.PlayList[0] == 0) return ComputerMove::Draw;
  return FinishChoice(s, seat);
}

ComputerMove ChooseExtraDiscard(Piruk930& s, RandomSource& random, int seat) {
  const Settings& rules = s.settings;
  const HandRow& row = s.Hands[seat];
  const int n = row[kHandCount];
  s.PlayList[0] = row[1];
  int best = CardRank(row[1]);
  if (n == 1 && (rules.FinishMeans == 0 || rules.FinishMeans == 1 || rules.FinishMeans == 4)) {
    s.TurnOver = 1;
    return FinishChoice(s, seat);
  }
  const float r = random.Next();
  if (!(n == 2 && r * 7.0F > static_cast<float>(s.Boldness[seat]) && rules.FinishMeans < 2)) {
    for (int slot = 2; slot <= 10; ++slot) {
      const int rank = CardRank(row[slot]);
      if (rank > best) {
        best = rank;
        s.PlayList[0] = row[slot];
      }
    }
  }
  if (CardRank(s.PlayList[0]) != rules.MoreDropCard) s.TurnOver = 1;
  return FinishChoice(s, seat);
}

void RankCandidates(Piruk930& s, RandomSource& random, int seat, bool auto_play) {
  // Highest rank first, the lower code first among equal ranks; the filled
  // slots come first and stay first. Ten candidates at most: an insertion
  // sort in place over the filled slots.
  auto& list = s.PlayList;
  auto& ranks = s.CandidateRanks;
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

  const int boldness = s.Boldness[seat];
  const int deduction = s.Deduction[seat];
  const int limit_own = boldness > 4 ? 13 - boldness : 9;
  // Three values, always drawn, in this order.
  std::array<float, 3> r{};
  random.Fill(r);
  int limit_user = 3;
  if (r[0] > 0.5F && deduction >= 4) limit_user = 2;
  const bool a = r[1] * 6.0F > 2.0F;
  const int e = std::abs(static_cast<int>(s.Score[seat])) > 4 * deduction ? 2 : 0;
  const bool b = r[2] * 6.0F - 2.0F > static_cast<float>(boldness + e);
  const bool hold = s.Hands[seat][kHandCount] < limit_own && (auto_play || seat != 0) &&
                    s.Hands[0][kHandCount] < limit_user && a && b && s.settings.FinishMeans != 3;
  if (hold) s.PlayList[0] = 0;
}

int16_t AutoPlayMove(Piruk930& s, TableView& view, RandomSource& random) {
  const Settings& rules = s.settings;
  const HandRow& row = s.Hands[0];
  const int n = row[kHandCount];
  view.Pause(1);

  auto answer = [&s](int pick) {
    s.UserPick = static_cast<int16_t>(pick);
    return s.UserPick;
  };

  if (s.HandPhase == 1) {
    const int own = CardRank(row[5]);
    const int offered = CardRank(s.DeckSlots[s.DrawIndex]);
    int pick = own < offered ? kPickDiscardPile : kPickSecondCard;
    const float r1 = random.Next();
    const float r2 = random.Next();
    const float r3 = random.Next();
    const float r4 = random.Next();
    if (own == rules.MoreDropCard && r1 < 0.7F) pick = kPickDiscardPile;
    if (offered == rules.MoreDropCard && r2 < 0.7F) pick = kPickSecondCard;
    if (own == rules.PenaltyCard && r3 < 0.9F) pick = kPickDiscardPile;
    if (offered == rules.PenaltyCard && r4 < 0.9F) pick = kPickSecondCard;
    return answer(pick);
  }

  ClearPlayList(s);
  if (s.PenaltyPending >= 1) {
    int pick = kPickDrawPile;
    for (int slot = 1; slot <= n; ++slot) {
      if (CardRank(row[slot]) == rules.PenaltyCard) pick = slot;
    }
    return answer(pick);
  }

  // The free pick after a throw-more card belongs to the further discard. A
  // flag left from a turn that ended otherwise (its throw-more card was
  // called) would take any card, even an unmatched one, for a first action.
  if (s.TurnPhase != 2) s.AutoExtraPending = 0;
  if (s.AutoExtraPending != 0) {
    s.AutoExtraPending = 0;
    for (int slot = 1; slot <= n && slot <= 10; ++slot) s.PlayList[slot - 1] = row[slot];
    RankCandidates(s, random, 0, true);
    int pick = kPickDrawPile;
    int throw_more = 0;
    for (int slot = 1; slot <= n; ++slot) {
      if (row[slot] == s.PlayList[0]) pick = slot;
      if (CardRank(row[slot]) == rules.MoreDropCard) throw_more = slot;
    }
    if (throw_more != 0) {
      pick = throw_more;
      s.AutoExtraPending = 1;
    }
    if (pick == kPickDrawPile) pick = 1;
    return answer(pick);
  }

  if (n == 1 && (rules.FinishMeans == 0 || rules.FinishMeans == 1 || rules.FinishMeans == 4)) {
    return answer(kPickDrawPile);
  }

  s.TurnOver = 1;
  const int m = CollectMatches(s, row, n);
  if (m == 0) return answer(kPickDrawPile);
  RankCandidates(s, random, 0, true);
  if (s.PlayList[0] == 0) return answer(kPickDrawPile);

  const bool throw_more = CardRank(s.PlayList[0]) == rules.MoreDropCard;
  if (throw_more) {
    if (OtherThanThrowMore(row, rules.MoreDropCard) < 2) return answer(kPickDrawPile);
    s.TurnOver = 0;
  }
  int pick = kPickDrawPile;
  for (int slot = 1; slot <= 10; ++slot) {
    if (row[slot] == s.PlayList[0]) {
      pick = slot;
      break;
    }
  }
  if (throw_more) s.AutoExtraPending = 1;
  return answer(pick);
}

int DiscardPicturePosition(RandomSource& random, int slot, int count_before) {
  if (slot >= 1 && slot <= 9) return slot;
  return RandomInt(random.Next(), count_before) + 1;
}

}  // namespace winpiruk
