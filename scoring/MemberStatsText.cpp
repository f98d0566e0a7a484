#include "scoring/MemberStatsText.h"

#include <cstdlib>

namespace winpiruk {
namespace {

constexpr const char* kNoFigure = " -";

// Integer floor division: exact where a floating-point quotient such as
// 7 / 100 × 1000 could land a hair below the whole number.
long long FloorDiv(long long a, long long b) {
  long long q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// A number of tenths in the blank-prefixed form, the decimal shown only
// when it is not zero and a "0" before a bare point.
std::string TenthsText(long long tenths) {
  const long long magnitude = std::llabs(tenths);
  std::string text(1, tenths < 0 ? '-' : ' ');
  text += std::to_string(magnitude / 10);
  if (magnitude % 10 != 0) {
    text += '.';
    text += static_cast<char>('0' + magnitude % 10);
  }
  return text;
}

}  // namespace

std::string PercentageText(long long a, long long b) {
  if (b == 0) return kNoFigure;
  return TenthsText(FloorDiv(a * 1000, b)) + "%";
}

std::string AverageText(long long a, long long b) {
  if (b == 0) return kNoFigure;
  return TenthsText(FloorDiv(a * 10, b));
}

MemberRecordTexts MemberRecord(const MemberTable& table, int g, int m) {
  const auto& s = table.MemberStats[g][m];
  const auto count = [&](MemberStat k) { return std::to_string(s[k]); };
  MemberRecordTexts t;
  t.name = table.MemberName[g][m];
  t.hands_played = count(HandsPlayed);
  t.wins = count(Wins);
  t.win_rate = PercentageText(s[Wins], s[HandsPlayed]);
  t.win_number = AverageText(s[WinNumberTotal], s[Wins]);
  t.yaku = AverageText(s[YakuTotal], s[Wins]);
  t.points_won = AverageText(s[PointsWon], s[Wins]);
  t.initial_matches = count(InitialMatches);
  t.counter_calls = count(CounterCalls);
  t.deal_ins = count(DealIns);
  t.deal_in_rate = PercentageText(s[DealIns], s[HandsPlayed]);
  // Points lost are set against the wins, as the record has always shown them.
  t.points_lost = AverageText(s[PointsLost], s[Wins]);
  t.card_overs = count(CardOvers);
  t.games_played = count(GamesPlayed);
  t.rank = AverageText(s[RankTotal], s[GamesPlayed]);
  t.points = std::to_string(table.MemberPoints[g][m]);
  t.points_negative = table.MemberPoints[g][m] < 0;
  return t;
}

}  // namespace winpiruk
