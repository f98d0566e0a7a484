#include "scoring/HandResult.h"

#include "config/NumberText.h"
#include "state/Cards.h"

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

// Cards present in slots 1..last of a seat's row.
std::vector<int16_t> CardsInSlots(const Piruk930& state, int seat, int last) {
  std::vector<int16_t> cards;
  if (!IsSeat(seat)) return cards;
  for (int slot = 1; slot <= last && slot <= 10; ++slot) {
    const int16_t code = state.Hands[seat][slot];
    if (code != 0) cards.push_back(code);
  }
  return cards;
}

int HeldCount(const Piruk930& state, int seat) { return IsSeat(seat) ? state.Hands[seat][kHandCount] : 0; }

void AddStat(Piruk930& state, int seat, MemberStat stat, long long delta) {
  if (auto* stats = SeatStats(state, seat)) AddSaturated((*stats)[stat], delta);
}

void WriteLog(Piruk930& state, long long points, const char* text) {
  const int hand = state.HandNumber;
  if (hand < 1 || hand > kMaxHandsPerMatch) return;
  state.HandLogPoints[hand] = SaturateInt16(points);
  state.HandLogText[hand] = text;
}

// Every seat pays or receives `each`, and `seat` settles the difference so
// that the whole moves as a zero-sum payment. Each seat's net change is added
// in one step: a score near a limit must not stop there half way.
void PayAll(Piruk930& state, int each, int seat, int seat_delta) {
  for (int s = 0; s < kSeats; ++s) AddSaturated(state.Score[s], each + (s == seat ? seat_delta : 0));
}

void ScoreNoGame(Piruk930& state, HandResultView& view) {
  view.banner = "ゲームはお流れです...";
  // The hand is played again under the same number.
  state.HandNumber = SaturateInt16(state.HandNumber - 1LL);
}

void ScoreCardOver(Piruk930& state, HandResultView& view) {
  const int loser = state.CurrentSeat;
  if (loser == 0) WriteLog(state, -60, "10ｵｰﾊﾞｰ失点");
  else WriteLog(state, 20, "10ｵｰﾊﾞｰ分");

  view.banner = "10 枚を越えました！";
  view.first_heading = "負けた人";
  view.first_name = BracketedName(state.SeatName[loser]);
  view.first_cards = CardsInSlots(state, loser, 9);
  view.explanation = {" 各プレーヤーへ20点(計60点)払います."};

  AddStat(state, loser, CardOvers, 1);
  PayAll(state, 20, loser, -80);
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat == loser) AddStat(state, seat, PointsLost, 60);
    else AddStat(state, seat, PointsWon, 20);
  }
  state.Winner = state.Dealer;
}

void ScoreDiscardFinish(Piruk930& state, HandResultView& view) {
  const int finisher = state.Winner;
  view.first_heading = "上がった人 ";
  view.first_name = BracketedName(state.SeatName[finisher]);

  const bool scores = state.settings.FinishMeans == 3;
  if (scores) {
    view.explanation = {" 各プレーヤーから５点(計15点)づつもらいます."};
    if (finisher == 0) WriteLog(state, 15, "捨てあがり");
  } else {
    view.explanation = {" '捨てあがり'は得点になりません。", "各プレーヤーへ５点(計15点)払います."};
    if (finisher == 0) WriteLog(state, -15, "捨てあがり失点");
    else WriteLog(state, 5, "捨てあがり分");
  }
  AddStat(state, finisher, Wins, 1);

  if (scores) {
    PayAll(state, -5, finisher, 20);
    for (int seat = 0; seat < kSeats; ++seat) AddStat(state, seat, PointsWon, seat == finisher ? 15 : -5);
  } else {
    PayAll(state, 5, finisher, -20);
    for (int seat = 0; seat < kSeats; ++seat) {
      if (seat == finisher) AddStat(state, seat, PointsLost, 15);
      else AddStat(state, seat, PointsWon, 5);
    }
  }
}

void ScoreInitialMatch(Piruk930& state, HandResultView& view) {
  const int winner = state.Winner;
  if (winner == 0) WriteLog(state, 90, "ｲﾆｼｬﾙあがり");
  else WriteLog(state, -30, "被ｲﾆｼｬﾙ失点");
  state.HasWon[winner] = 1;

  view.banner = "イニシャルマッチ！";
  view.first_heading = "上がった人 ";
  view.first_name = BracketedName(state.SeatName[winner]);
  view.first_cards = CardsInSlots(state, winner, 4);
  if (const int16_t fifth = state.Hands[winner][5]; fifth != 0) view.key_cards.push_back(fifth);
  if (state.DrawIndex >= 0 && state.DrawIndex < kDeckSlots && state.DeckSlots[state.DrawIndex] != 0) {
    view.key_cards.push_back(state.DeckSlots[state.DrawIndex]);
  }
  view.explanation = {" イニシャルマッチ！", " 各プレーヤーから30点貰います(計90点). "};

  AddStat(state, winner, InitialMatches, 1);
  const int dealer = state.Dealer;
  PayAll(state, -30, dealer, 120);
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat == dealer) AddStat(state, seat, PointsWon, 90);
    else AddStat(state, seat, PointsLost, 30);
  }
  state.Winner = state.Dealer;
}

void ScoreCall(Piruk930& state, HandResultView& view) {
  const Settings& rules = state.settings;
  const int winner = state.Winner;
  const int loser = state.CurrentSeat;
  const int top_rank = CardRank(state.TopDiscard);
  state.HasWon[winner] = 1;

  view.banner = "ぴるく ";
  view.first_heading = "上がった人 ";
  view.first_name = BracketedName(state.SeatName[winner]);
  view.first_cards = CardsInSlots(state, winner, HeldCount(state, winner));
  view.second_heading = "振り込んだ人 ";
  view.second_name = BracketedName(state.SeatName[loser]);
  view.second_cards = CardsInSlots(state, loser, HeldCount(state, loser));
  if (state.TopDiscard != 0) view.key_cards.push_back(state.TopDiscard);

  AddStat(state, winner, Wins, 1);
  AddStat(state, loser, DealIns, 1);
  AddStat(state, winner, WinNumberTotal, top_rank);

  // Special cards count double in the base points.
  auto card_value = [&rules](int code) {
    const int rank = CardRank(code);
    const bool special = rank == rules.SkipCard || rank == rules.PenaltyCard || rank == rules.MoreDropCard ||
                         rank == rules.InverseCard;
    return special ? 2 : 1;
  };
  // Only cards that are present count: with an option set to "none" (0) the
  // rank 0 of an empty slot would otherwise match it.
  const auto winner_cards = CardsInSlots(state, winner, 9);
  const auto loser_cards = CardsInSlots(state, loser, 9);
  long long base = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat == winner || seat == loser) {
      for (const int16_t code : CardsInSlots(state, seat, 9)) base += card_value(code);
    } else {
      base += state.Hands[seat][kHandCount];
    }
  }
  if (state.TopDiscard != 0) base += card_value(state.TopDiscard);

  auto is_draw_card = [&rules](int code) { return code != 0 && CardRank(code) == rules.PenaltyCard; };
  long long yaku = 0;
  if (is_draw_card(state.TopDiscard)) ++yaku;
  for (const int16_t code : winner_cards) yaku += is_draw_card(code);
  for (const int16_t code : loser_cards) yaku += is_draw_card(code);
  const long long draw_cards = yaku;

  // A computer seat that counter-calls still counts the card it discarded.
  const int adjustment = state.CounterCalled == 1 && winner >= 1 && winner <= 3 ? 1 : 0;
  const long long cards_won = HeldCount(state, winner) - adjustment;
  const bool many_card_bonus = rules.ManyCardBonus != 0;
  const int bonus = cards_won == 3 && many_card_bonus ? 20 : 0;

  const int extra_rank = CardRank(state.ExtraNumber);
  long long extra_cards = 0;
  for (const int16_t code : view.first_cards) extra_cards += CardRank(code) == extra_rank;
  for (const int16_t code : view.second_cards) extra_cards += CardRank(code) == extra_rank;
  const bool extra_enabled = rules.ExtraCardEnable != 0;
  if (extra_cards > 0 && extra_enabled) ++yaku;
  const bool second_pass = state.DrawIndex > 52;
  if (second_pass) ++yaku;
  const bool counter_called = state.CounterCalled == 1;
  if (counter_called) {
    yaku += 2;
    AddStat(state, winner, CounterCalls, 1);
  }
  const bool many_cards = cards_won > 3 && many_card_bonus;
  if (many_cards) yaku += cards_won - 3;

  const long long points = base * (yaku + 1) + bonus;
  AddSaturated(state.Score[winner], points);
  AddSaturated(state.Score[loser], -points);

  AddStat(state, winner, YakuTotal, yaku);
  AddStat(state, winner, PointsWon, points);
  AddStat(state, loser, PointsLost, points);

  if (winner == 0) WriteLog(state, points, "あがり");
  else if (loser == 0) WriteLog(state, -points, "振込み");

  std::string line1 = " 基礎点=" + Digits(base) + (bonus == 20 ? "点 + 20点(3枚上がり)  " : "点  ");
  std::string line2 = " ";
  std::string separator;
  if (draw_cards > 0) {
    line2 += separator + " ﾄﾞﾛｰｶｰﾄﾞ" + Digits(draw_cards) + "枚";
    separator = ",";
  }
  if (extra_cards > 0 && extra_enabled) {
    line2 += separator + " ｴｸｽﾄﾗﾅﾝﾊﾞｰ" + Digits(extra_cards) + "枚";
    separator = ",";
  }
  if (second_pass) {
    line2 += separator + " 取り札２順目(1役)";
    separator = ",";
  }
  if (counter_called) line2 += separator + " ぴるくがえし(2役)";
  if (many_cards) line2 += separator + NumberText(cards_won) + "枚上がり(" + Digits(cards_won - 3) + "役)";
  std::string line3 = "  [ " + NumberText(base) + "点 × (役" + Digits(yaku) +
                      (bonus == 20 ? " +1) + 20点 =" : " +1) =") + NumberText(points) + "点 ]";
  view.explanation = {std::move(line1), std::move(line2), std::move(line3)};

  view.base_points = SaturateInt16(base);
  view.yaku_count = SaturateInt16(yaku);
  view.draw_cards = SaturateInt16(draw_cards);
  view.extra_cards = SaturateInt16(extra_cards);
  view.cards_won = SaturateInt16(cards_won);
  view.three_card_bonus = static_cast<int16_t>(bonus);
  view.points = SaturateInt16(points);
}

}  // namespace

void AddSaturated(int16_t& field, long long delta) { field = SaturateInt16(field + delta); }

std::optional<MemberRef> SeatRecord(const Piruk930& state, int seat) {
  MemberRef ref{1, 1};
  if (seat != 0) {
    if (!IsSeat(seat)) return std::nullopt;
    ref = {state.SeatMember[0], state.SeatMember[seat]};
  }
  if (ref.group < 1 || ref.group > kGroups || ref.member < 1 || ref.member > kMembersPerGroup) return std::nullopt;
  return ref;
}

std::array<int16_t, kMemberStats>* SeatStats(Piruk930& state, int seat) {
  const auto ref = SeatRecord(state, seat);
  return ref ? &state.members.MemberStats[ref->group][ref->member] : nullptr;
}

HandResultView ShowHandResult(Piruk930& state) {
  HandResultView view;
  view.end_code = state.HandEndCode;
  for (int seat = 0; seat < kSeats; ++seat) AddStat(state, seat, HandsPlayed, 1);
  state.SeatName[0] = state.members.MemberName[1][1];

  if (state.settings.ExtraCardEnable != 0 && state.HandEndCode == kEndCall) {
    const int rank = CardRank(state.ExtraNumber);
    if (rank >= 1 && rank <= 13) {
      view.extra_card = static_cast<int16_t>(rank);  // hearts are codes 1..13
      view.extra_caption = "ｴｸｽﾄﾗ ﾅﾝﾊﾞｰ";
    }
  }

  // The seats named by the ending must be real seats; anything else is left
  // unscored rather than written outside the table.
  const bool seats_valid = IsSeat(state.Winner) && IsSeat(state.CurrentSeat) && IsSeat(state.Dealer);
  switch (seats_valid ? static_cast<int>(state.HandEndCode) : static_cast<int>(kEndNoGame)) {
    case kEndCardOver: ScoreCardOver(state, view); break;
    case kEndDiscardFinish: ScoreDiscardFinish(state, view); break;
    case kEndCall: ScoreCall(state, view); break;
    case kEndInitialMatch: ScoreInitialMatch(state, view); break;
    default: ScoreNoGame(state, view); break;
  }
  return view;
}

void CloseHandResult(Piruk930& state) { state.Dealer = state.Winner; }

}  // namespace winpiruk
