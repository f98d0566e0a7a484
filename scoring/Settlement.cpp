#include "scoring/Settlement.h"

#include <algorithm>
#include <utility>

#include "config/NumberText.h"
#include "scoring/HandResult.h"
#include "scoring/MemberFiles.h"
#include "state/RuleLimits.h"
#include "state/Translation.h"

namespace winpiruk {
namespace {

// A number right-aligned in a column of at least `width` characters. A
// longer number is shown whole, so a minus sign is never cut off.
std::string Column(long long n, size_t width) {
  std::string text = NumberText(n);
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

struct YakitoriTexts {
  int penalty;
  std::array<int, 3> received;  // by the number of players without a win
};

constexpr std::array<YakitoriTexts, 4> kYakitori = {{
    {-60, {20, 60, 180}},
    {-120, {40, 120, 360}},
    {-150, {50, 150, 450}},
    {-300, {100, 300, 900}},
}};

std::string SignedText(int n) { return (n > 0 ? "+" : "") + std::to_string(n); }

// Uma by place and the place adjustment for ties. Each later matching rule
// replaces the uma entirely and lowers the places it names.
void SetUma(const std::array<int16_t, kSeats>& a, bool bonus_on, std::array<int16_t, kSeats>& u,
            std::array<int, kSeats>& r) {
  u = {100, 50, -50, -100};
  r = {0, 1, 2, 3};
  if (a[0] == a[1]) {
    u = {75, 75, -50, -100};
    r[1] = 0;
  }
  if (a[1] == a[2]) {
    u = {100, 0, 0, -100};
    r[2] = 1;
  }
  if (a[2] == a[3]) {
    u = {100, 50, -75, -75};
    r[3] = 2;
  }
  if (a[0] == a[2]) {
    u = {33, 33, 33, -99};
    r[1] = 0;
    r[2] = 0;
  }
  if (a[1] == a[3]) {
    u = {99, -33, -33, -33};
    r[2] = 1;
    r[3] = 1;
  }
  if (!bonus_on) {
    u = {0, 0, 0, 0};
    r[1] = r[2] = r[3] = 0;
  }
}

}  // namespace

MemberFilesWriter MemberFilesWriterFor(const ProgramPaths& paths) {
  return [paths](const GameState& state) { return WriteMemberFiles(state, paths); };
}

int32_t ElapsedMatchSeconds(int32_t start, int32_t now) {
  const long long difference = (static_cast<long long>(now) - start) % kSecondsPerDay;
  return static_cast<int32_t>(difference < 0 ? difference + kSecondsPerDay : difference);
}

namespace {

// Uma by place, paid into `Score`. Each seat takes the uma of the first place
// holding its score, so tied seats share the better place. Returns the rank
// adjustment for ties by place.
std::array<int, kSeats> PayUma(GameState& state, bool bonus_on, SettlementView& view) {
  std::array<int16_t, kSeats> a = state.match.Score;
  for (int i = 0; i < kSeats - 1; ++i) {
    for (int j = i + 1; j < kSeats; ++j) {
      if (a[i] < a[j]) std::swap(a[i], a[j]);
    }
  }
  view.sorted_scores = a;
  std::array<int16_t, kSeats> u{};
  std::array<int, kSeats> r{};
  SetUma(a, bonus_on, u, r);
  view.uma = u;
  for (int seat = 0; seat < kSeats; ++seat) {
    const int place = static_cast<int>(std::find(a.begin(), a.end(), state.match.Score[seat]) - a.begin());
    view.rows[seat].uma = bonus_on ? Column(u[place], 4) : Tr("Settlement", "なし");
    AddSaturated(state.match.Score[seat], u[place]);
    view.rows[seat].after_uma_value = state.match.Score[seat];
    view.rows[seat].after_uma = Column(state.match.Score[seat], 5);
  }
  return r;
}

// Rows by score after uma, best first (equal rows are never swapped with
// each other directly); each member counts the game and its rank.
void RankRows(GameState& state, const std::array<int, kSeats>& r, const std::string& user_name,
              SettlementView& view) {
  auto& rows = view.rows;
  for (int i = 0; i < kSeats - 1; ++i) {
    for (int j = i + 1; j < kSeats; ++j) {
      if (rows[j].after_uma_value > rows[i].after_uma_value) std::swap(rows[i], rows[j]);
    }
  }
  for (int i = 0; i < kSeats; ++i) {
    SettlementRow& row = rows[i];
    row.rank = static_cast<int16_t>(r[i] + 1);
    row.is_user = row.name == user_name;
    if (auto* stats = SeatStats(state, row.seat)) {
      AddSaturated((*stats)[GamesPlayed], 1);
      AddSaturated((*stats)[RankTotal], row.rank);
    }
  }
}

void SetYakitori(const GameState& state, SettlementView& view) {
  const int yakitori_mode = YakitoriModeInUse(state.settings);
  if (yakitori_mode == 0) {
    for (auto& row : view.rows) row.yakitori = Tr("Settlement", "なし");
    return;
  }
  const YakitoriTexts& texts = kYakitori[yakitori_mode - 1];
  int without_win = 0;
  for (const auto& row : view.rows) without_win += !state.match.HasWon[row.seat];
  for (auto& row : view.rows) {
    if (!state.match.HasWon[row.seat]) {
      row.yakitori_value = static_cast<int16_t>(texts.penalty);
    } else if (without_win >= 1 && without_win <= 3) {
      row.yakitori_value = static_cast<int16_t>(texts.received[without_win - 1]);
    } else {
      continue;
    }
    row.yakitori = SignedText(row.yakitori_value);
  }
}

// The result and the yakitori are summed wide and reach the members' points
// in one step, so a balance near a limit keeps the whole change.
void PayMembers(GameState& state, SettlementView& view) {
  std::array<long long, kSeats> points_change{};
  for (auto& row : view.rows) {
    const long long total = static_cast<long long>(row.after_uma_value) + row.yakitori_value;
    row.total_value = SaturateInt16(total);
    row.total = Column(total, 5);
    points_change[row.seat] = static_cast<long long>(row.after_uma_value) + row.yakitori_value;
  }
  for (int seat = 0; seat < kSeats; ++seat) {
    if (const auto ref = SeatRecord(state, seat)) {
      AddSaturated(state.members.MemberPoints[ref->group][ref->member], points_change[seat]);
    }
  }
}

}  // namespace

SettlementView SettleMatch(GameState& state, int32_t now, const MemberFilesWriter& write_files) {
  SettlementView view;
  const std::string& user_name = state.members.MemberName[1][1];
  view.elapsed_seconds = ElapsedMatchSeconds(state.match.MatchStartTime, now);
  view.game_time = Fill(Tr("Settlement", "ゲーム時間 :%1分"), {NumberText(view.elapsed_seconds / 60)});
  for (int seat = 0; seat < kSeats; ++seat) {
    SettlementRow& row = view.rows[seat];
    row.seat = static_cast<int16_t>(seat);
    row.name = seat == 0 ? user_name : state.match.SeatName[seat];
    row.score = Column(state.match.Score[seat], 4);
  }
  const std::array<int, kSeats> r = PayUma(state, state.settings.BonusSwitch != 0, view);
  RankRows(state, r, user_name, view);
  SetYakitori(state, view);
  PayMembers(state, view);
  if (write_files) view.files_written = write_files(state);
  state.match.HasWon.fill(0);
  return view;
}

void StartAnotherMatch(GameState& state, int32_t now) {
  for (int hand = 1; hand <= kMaxHandsPerMatch; ++hand) {
    state.match.HandLogPoints[hand] = 0;
    state.match.HandLogText[hand].clear();
  }
  state.table.HandNumber = 0;
  state.match.Score.fill(0);
  state.match.MatchStartTime = now;
}

bool LeaveMatchForMemberChange(GameState& state) {
  state.match.MatchInProgress = false;
  state.table.HandNumber = 0;
  for (auto& row : state.table.Hands) row.fill(0);
  state.match.Score.fill(0);
  const bool was_auto = state.table.AutoPlay;
  state.table.AutoPlay = false;
  return was_auto;
}

}  // namespace winpiruk
