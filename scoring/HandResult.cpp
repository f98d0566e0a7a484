#include "scoring/HandResult.h"

#include "config/NumberText.h"
#include "state/Cards.h"
#include "state/RuleLimits.h"
#include "state/Translation.h"

namespace winpiruk {
namespace {

// n: the number alone; the blank that NumberText puts before a number that
// is not negative is dropped.
std::string Digits(long long n) { return std::to_string(n); }

std::string BracketedName(const std::string& name) {
  const size_t end = name.find_last_not_of(' ');
  return " [ " + (end == std::string::npos ? std::string() : name.substr(0, end + 1)) + " ] ";
}

bool IsSeat(int seat) { return seat >= 0 && seat < kSeats; }

// The cards present in slots 1..last of a seat's row, in slot order. A
// fixed array: the runner scores every hand it plays.
class RowCards {
 public:
  RowCards(const GameState& state, int seat, int last) {
    if (!IsSeat(seat)) return;
    for (int slot = 1; slot <= last && slot <= 10; ++slot) {
      const int16_t code = state.table.Hands[seat][slot];
      if (code != 0) codes_[count_++] = code;
    }
  }
  const int16_t* begin() const { return codes_.data(); }
  const int16_t* end() const { return codes_.data() + count_; }
  std::vector<int16_t> ToVector() const { return {begin(), end()}; }

 private:
  std::array<int16_t, 10> codes_{};
  std::size_t count_ = 0;
};

int HeldCount(const GameState& state, int seat) { return IsSeat(seat) ? state.table.Hands[seat][kHandCount] : 0; }

bool IsDrawCard(const Settings& rules, int code) { return code != 0 && CardRank(code) == rules.PenaltyCard; }

// Special cards count double in the base points.
int BaseValue(const Settings& rules, int code) {
  const int rank = CardRank(code);
  const bool special =
      rank == rules.SkipCard || rank == rules.PenaltyCard || rank == rules.MoreDropCard || rank == rules.InverseCard;
  return special ? 2 : 1;
}

void AddStat(HandScore& score, int seat, MemberStat stat, long long delta) {
  if (score.stat_change_count < static_cast<int>(score.stat_changes.size())) {
    score.stat_changes[score.stat_change_count++] = {static_cast<int16_t>(seat), stat, delta};
  }
}

void Log(HandScore& score, long long points, const char* text) {
  score.log_points = points;
  score.log_text = text;
}

// Every seat pays or receives `each`, and `seat` settles the difference so
// that the whole moves as a zero-sum payment. Each seat's net change is added
// in one step: a score near a limit must not stop there half way.
void PayAll(HandScore& score, int each, int seat, int seat_delta) {
  for (int s = 0; s < kSeats; ++s) score.score_change[s] = each + (s == seat ? seat_delta : 0);
}

void ScoreCardOver(HandScore& score) {
  const int loser = score.loser;
  if (loser == 0) Log(score, -60, TrNoop("HandResult", "10ｵｰﾊﾞｰ失点"));
  else Log(score, 20, TrNoop("HandResult", "10ｵｰﾊﾞｰ分"));
  AddStat(score, loser, CardOvers, 1);
  PayAll(score, 20, loser, -80);
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat == loser) AddStat(score, seat, PointsLost, 60);
    else AddStat(score, seat, PointsWon, 20);
  }
  score.dealer_leads_again = true;
}

void ScoreDiscardFinish(const GameState& state, HandScore& score) {
  const int finisher = score.winner;
  const bool scores = state.settings.FinishMeans == kFinishDiscardOnly;
  if (finisher == 0) Log(score, scores ? 15 : -15, scores ? TrNoop("HandResult", "捨てあがり") : TrNoop("HandResult", "捨てあがり失点"));
  else if (!scores) Log(score, 5, TrNoop("HandResult", "捨てあがり分"));
  AddStat(score, finisher, Wins, 1);
  if (scores) {
    PayAll(score, -5, finisher, 20);
    for (int seat = 0; seat < kSeats; ++seat) AddStat(score, seat, PointsWon, seat == finisher ? 15 : -5);
  } else {
    PayAll(score, 5, finisher, -20);
    for (int seat = 0; seat < kSeats; ++seat) {
      if (seat == finisher) AddStat(score, seat, PointsLost, 15);
      else AddStat(score, seat, PointsWon, 5);
    }
  }
}

void ScoreInitialMatch(const GameState& state, HandScore& score) {
  const int winner = score.winner;
  if (winner == 0) Log(score, 90, TrNoop("HandResult", "ｲﾆｼｬﾙあがり"));
  else Log(score, -30, TrNoop("HandResult", "被ｲﾆｼｬﾙ失点"));
  score.marked_winner = static_cast<int16_t>(winner);
  AddStat(score, winner, InitialMatches, 1);
  const int dealer = state.table.Dealer;
  PayAll(score, -30, dealer, 120);
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat == dealer) AddStat(score, seat, PointsWon, 90);
    else AddStat(score, seat, PointsLost, 30);
  }
  score.dealer_leads_again = true;
}

// The base points: the cards of the winner, the loser and the card called on
// by their value, the other seats by their count. Only cards that are present
// count: with an option set to "none" (0) the rank 0 of an empty slot would
// otherwise match it.
long long BasePoints(const GameState& state, int winner, int loser) {
  long long base = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat == winner || seat == loser) {
      for (const int16_t code : RowCards(state, seat, 9)) base += BaseValue(state.settings, code);
    } else {
      base += state.table.Hands[seat][kHandCount];
    }
  }
  if (state.table.TopDiscard != 0) base += BaseValue(state.settings, state.table.TopDiscard);
  return base;
}

CallFigures CallWorth(const GameState& state, int winner, int loser) {
  const Settings& rules = state.settings;
  CallFigures f;
  f.base = BasePoints(state, winner, loser);
  f.draw_cards = IsDrawCard(rules, state.table.TopDiscard) ? 1 : 0;
  for (const int seat : {winner, loser}) {
    for (const int16_t code : RowCards(state, seat, 9)) f.draw_cards += IsDrawCard(rules, code);
  }
  long long yaku = f.draw_cards;

  // A computer seat that counter-calls still counts the card it discarded.
  const int adjustment = state.table.CounterCalled && winner >= 1 && winner <= 3 ? 1 : 0;
  f.cards_won = HeldCount(state, winner) - adjustment;
  const bool many_card_bonus = rules.ManyCardBonus != 0;
  f.bonus = f.cards_won == 3 && many_card_bonus ? 20 : 0;

  const int extra_rank = CardRank(state.table.ExtraNumber);
  for (const int seat : {winner, loser}) {
    for (const int16_t code : RowCards(state, seat, HeldCount(state, seat))) {
      f.extra_cards += CardRank(code) == extra_rank;
    }
  }
  f.extra_counts = f.extra_cards > 0 && rules.ExtraCardEnable != 0;
  if (f.extra_counts) ++yaku;
  f.second_pass = state.table.DrawIndex > 52;
  if (f.second_pass) ++yaku;
  f.counter_called = state.table.CounterCalled;
  if (f.counter_called) yaku += 2;
  f.many_cards = f.cards_won > 3 && many_card_bonus;
  if (f.many_cards) yaku += f.cards_won - 3;
  f.yaku = yaku;
  f.points = f.base * (yaku + 1) + f.bonus;
  return f;
}

void ScoreCall(const GameState& state, HandScore& score) {
  const int winner = score.winner;
  const int loser = score.loser;
  score.marked_winner = static_cast<int16_t>(winner);
  const CallFigures f = CallWorth(state, winner, loser);
  score.call = f;
  AddStat(score, winner, Wins, 1);
  AddStat(score, loser, DealIns, 1);
  AddStat(score, winner, WinNumberTotal, CardRank(state.table.TopDiscard));
  if (f.counter_called) AddStat(score, winner, CounterCalls, 1);
  score.score_change[winner] += f.points;
  score.score_change[loser] -= f.points;
  AddStat(score, winner, YakuTotal, f.yaku);
  AddStat(score, winner, PointsWon, f.points);
  AddStat(score, loser, PointsLost, f.points);
  if (winner == 0) Log(score, f.points, TrNoop("HandResult", "あがり"));
  else if (loser == 0) Log(score, -f.points, TrNoop("HandResult", "振込み"));
}

void WriteLog(GameState& state, long long points, const char* text) {
  const int hand = state.table.HandNumber;
  if (hand < 1 || hand > kMaxHandsPerMatch) return;
  state.match.HandLogPoints[hand] = SaturateInt16(points);
  state.match.HandLogText[hand] = text;
}

// --- The texts ----------------------------------------------------------------

void DescribeCardOver(const GameState& state, const HandScore& score, HandResultView& view) {
  view.banner = Tr("HandResult", "10 枚を越えました！");
  view.first_heading = Tr("HandResult", "負けた人");
  view.first_name = BracketedName(state.match.SeatName[score.loser]);
  view.first_cards = RowCards(state, score.loser, 9).ToVector();
  view.explanation = {Tr("HandResult", " 各プレーヤーへ20点(計60点)払います.")};
}

void DescribeDiscardFinish(const GameState& state, const HandScore& score, HandResultView& view) {
  view.first_heading = Tr("HandResult", "上がった人 ");
  view.first_name = BracketedName(state.match.SeatName[score.winner]);
  if (state.settings.FinishMeans == kFinishDiscardOnly) {
    view.explanation = {Tr("HandResult", " 各プレーヤーから５点(計15点)づつもらいます.")};
  } else {
    view.explanation = {Tr("HandResult", " '捨てあがり'は得点になりません。"),
                        Tr("HandResult", "各プレーヤーへ５点(計15点)払います.")};
  }
}

void DescribeInitialMatch(const GameState& state, const HandScore& score, HandResultView& view) {
  const int winner = score.winner;
  view.banner = Tr("HandResult", "イニシャルマッチ！");
  view.first_heading = Tr("HandResult", "上がった人 ");
  view.first_name = BracketedName(state.match.SeatName[winner]);
  view.first_cards = RowCards(state, winner, 4).ToVector();
  if (const int16_t fifth = state.table.Hands[winner][5]; fifth != 0) view.key_cards.push_back(fifth);
  if (state.table.DrawIndex >= 0 && state.table.DrawIndex < kDeckSlots && state.table.DeckSlots[state.table.DrawIndex] != 0) {
    view.key_cards.push_back(state.table.DeckSlots[state.table.DrawIndex]);
  }
  view.explanation = {Tr("HandResult", " イニシャルマッチ！"), Tr("HandResult", " 各プレーヤーから30点貰います(計90点). ")};
}

// The three lines of a call: the base points, the yaku, the sum.
std::vector<std::string> CallExplanation(const CallFigures& f) {
  std::string line1 = Fill(f.bonus == 20 ? Tr("HandResult", " 基礎点=%1点 + 20点(3枚上がり)  ") : Tr("HandResult", " 基礎点=%1点  "),
                           {Digits(f.base)});
  std::string line2 = " ";
  std::string separator;
  auto add = [&line2, &separator](const std::string& part) {
    line2 += separator + part;
    separator = ",";
  };
  if (f.draw_cards > 0) add(Fill(Tr("HandResult", " ﾄﾞﾛｰｶｰﾄﾞ%1枚"), {Digits(f.draw_cards)}));
  if (f.extra_counts) add(Fill(Tr("HandResult", " ｴｸｽﾄﾗﾅﾝﾊﾞｰ%1枚"), {Digits(f.extra_cards)}));
  if (f.second_pass) add(Tr("HandResult", " 取り札２順目(1役)"));
  // The counter-call and the many cards follow without a separator of their own.
  if (f.counter_called) line2 += separator + Tr("HandResult", " ぴるくがえし(2役)");
  if (f.many_cards) {
    line2 += separator + Fill(Tr("HandResult", "%1枚上がり(%2役)"), {NumberText(f.cards_won), Digits(f.cards_won - 3)});
  }
  std::string line3 = Fill(f.bonus == 20 ? Tr("HandResult", "  [ %1点 × (役%2 +1) + 20点 =%3点 ]")
                                          : Tr("HandResult", "  [ %1点 × (役%2 +1) =%3点 ]"),
                           {NumberText(f.base), Digits(f.yaku), NumberText(f.points)});
  return {std::move(line1), std::move(line2), std::move(line3)};
}

void DescribeCall(const GameState& state, const HandScore& score, HandResultView& view) {
  const int winner = score.winner;
  const int loser = score.loser;
  const CallFigures& f = score.call;
  view.banner = Tr("HandResult", "ぴるく ");
  view.first_heading = Tr("HandResult", "上がった人 ");
  view.first_name = BracketedName(state.match.SeatName[winner]);
  view.first_cards = RowCards(state, winner, HeldCount(state, winner)).ToVector();
  view.second_heading = Tr("HandResult", "振り込んだ人 ");
  view.second_name = BracketedName(state.match.SeatName[loser]);
  view.second_cards = RowCards(state, loser, HeldCount(state, loser)).ToVector();
  if (state.table.TopDiscard != 0) view.key_cards.push_back(state.table.TopDiscard);
  view.explanation = CallExplanation(f);
  view.base_points = SaturateInt16(f.base);
  view.yaku_count = SaturateInt16(f.yaku);
  view.draw_cards = SaturateInt16(f.draw_cards);
  view.extra_cards = SaturateInt16(f.extra_cards);
  view.cards_won = SaturateInt16(f.cards_won);
  view.three_card_bonus = static_cast<int16_t>(f.bonus);
  view.points = SaturateInt16(f.points);
}

}  // namespace

void AddSaturated(int16_t& field, long long delta) { field = SaturateInt16(field + delta); }

std::optional<MemberRef> SeatRecord(const GameState& state, int seat) {
  MemberRef ref{1, 1};
  if (seat != 0) {
    if (!IsSeat(seat)) return std::nullopt;
    ref = {state.match.SeatMember[0], state.match.SeatMember[seat]};
  }
  if (ref.group < 1 || ref.group > kGroups || ref.member < 1 || ref.member > kMembersPerGroup) return std::nullopt;
  return ref;
}

std::array<int16_t, kMemberStats>* SeatStats(GameState& state, int seat) {
  const auto ref = SeatRecord(state, seat);
  return ref ? &state.members.MemberStats[ref->group][ref->member] : nullptr;
}

HandScore ComputeHandScore(const GameState& state) {
  HandScore score;
  score.winner = state.table.Winner;
  score.loser = state.table.CurrentSeat;
  for (int seat = 0; seat < kSeats; ++seat) AddStat(score, seat, HandsPlayed, 1);
  // The seats named by the ending must be real seats; anything else is left
  // unscored rather than written outside the table.
  const bool seats_valid = IsSeat(state.table.Winner) && IsSeat(state.table.CurrentSeat) && IsSeat(state.table.Dealer);
  score.ending = seats_valid ? state.table.HandEndCode : static_cast<int16_t>(kEndNoGame);
  switch (score.ending) {
    case kEndCardOver: ScoreCardOver(score); break;
    case kEndDiscardFinish: ScoreDiscardFinish(state, score); break;
    case kEndCall: ScoreCall(state, score); break;
    case kEndInitialMatch: ScoreInitialMatch(state, score); break;
    default:
      score.ending = kEndNoGame;
      score.hand_replayed = true;
      break;
  }
  return score;
}

void ApplyHandScore(GameState& state, const HandScore& score) {
  state.match.SeatName[0] = state.members.MemberName[1][1];
  for (int i = 0; i < score.stat_change_count; ++i) {
    const StatChange& change = score.stat_changes[i];
    if (auto* stats = SeatStats(state, change.seat)) AddSaturated((*stats)[change.stat], change.delta);
  }
  for (int seat = 0; seat < kSeats; ++seat) AddSaturated(state.match.Score[seat], score.score_change[seat]);
  if (score.log_text != nullptr) WriteLog(state, score.log_points, score.log_text);
  if (score.marked_winner >= 0) state.match.HasWon[score.marked_winner] = true;
  if (score.dealer_leads_again) state.table.Winner = state.table.Dealer;
  if (score.hand_replayed) state.table.HandNumber = SaturateInt16(state.table.HandNumber - 1LL);
}

HandResultView HandResultText(const GameState& state, const HandScore& score) {
  HandResultView view;
  view.end_code = state.table.HandEndCode;
  if (state.settings.ExtraCardEnable != 0 && state.table.HandEndCode == kEndCall) {
    const int rank = CardRank(state.table.ExtraNumber);
    if (rank >= 1 && rank <= 13) {
      view.extra_card = static_cast<int16_t>(rank);  // hearts are codes 1..13
      view.extra_caption = Tr("HandResult", "ｴｸｽﾄﾗ ﾅﾝﾊﾞｰ");
    }
  }
  switch (score.ending) {
    case kEndCardOver: DescribeCardOver(state, score, view); break;
    case kEndDiscardFinish: DescribeDiscardFinish(state, score, view); break;
    case kEndCall: DescribeCall(state, score, view); break;
    case kEndInitialMatch: DescribeInitialMatch(state, score, view); break;
    default: view.banner = Tr("HandResult", "ゲームはお流れです..."); break;
  }
  return view;
}

HandResultView ScoreHand(GameState& state) {
  const HandScore score = ComputeHandScore(state);
  ApplyHandScore(state, score);
  return HandResultText(state, score);
}

void CloseHandResult(GameState& state) { state.table.Dealer = state.table.Winner; }

}  // namespace winpiruk
