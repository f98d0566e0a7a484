#include "analysis/MatchScoring.h"

#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <stdexcept>
#include <unistd.h>

#include "config/NumberText.h"
#include "config/ProgramPaths.h"
#include "scoring/HandResult.h"
#include "scoring/MemberFiles.h"
#include "state/Cards.h"
#include "state/RuleLimits.h"

namespace winpiruk::analysis {
namespace {

using Stats = std::array<int16_t, kMemberStats>;
using StatChange = std::array<std::array<long long, kMemberStats>, kSeats>;

// What the ending of the hand says must happen to the scores and counters.
struct Expected {
  std::array<long long, kSeats> score{};
  StatChange stats{};
  int has_won = -1;  // the seat marked as a winner, -1 for none
  std::string fault;
};

// `table` is the table once scored: the fields read here are the ones the
// scoring leaves as they were.
Expected ExpectedChange(const GameState& table, const HandResultView& view) {
  const GameState& before = table;
  Expected e;
  for (auto& seat : e.stats) seat[HandsPlayed] = 1;
  const int winner = before.table.Winner;
  const int current = before.table.CurrentSeat;
  switch (before.table.HandEndCode) {
    case kEndCall: {
      const long long p = view.points;
      if (p <= 0 || p != view.base_points * (view.yaku_count + 1LL) + view.three_card_bonus) {
        e.fault = "call worth " + std::to_string(p);
      }
      e.score[winner] = p;
      e.score[current] = -p;
      e.stats[winner][Wins] = 1;
      e.stats[winner][WinNumberTotal] = CardRank(before.table.TopDiscard);
      e.stats[winner][YakuTotal] = view.yaku_count;
      e.stats[winner][PointsWon] = p;
      e.stats[winner][CounterCalls] = before.table.CounterCalled;
      e.stats[current][DealIns] = 1;
      e.stats[current][PointsLost] = p;
      e.has_won = winner;
      break;
    }
    case kEndCardOver:
      for (int seat = 0; seat < kSeats; ++seat) {
        e.score[seat] = seat == current ? -60 : 20;
        e.stats[seat][seat == current ? PointsLost : PointsWon] = seat == current ? 60 : 20;
      }
      e.stats[current][CardOvers] = 1;
      break;
    case kEndDiscardFinish: {
      const bool scores = before.settings.FinishMeans == 3;
      for (int seat = 0; seat < kSeats; ++seat) {
        const bool finisher = seat == winner;
        e.score[seat] = (finisher ? 15 : -5) * (scores ? 1 : -1);
        if (scores) e.stats[seat][PointsWon] = finisher ? 15 : -5;
        else e.stats[seat][finisher ? PointsLost : PointsWon] = finisher ? 15 : 5;
      }
      e.stats[winner][Wins] = 1;
      break;
    }
    case kEndInitialMatch:
      for (int seat = 0; seat < kSeats; ++seat) {
        const bool dealer = seat == before.table.Dealer;
        e.score[seat] = dealer ? 90 : -30;
        e.stats[seat][dealer ? PointsWon : PointsLost] = dealer ? 90 : 30;
      }
      e.stats[before.table.Dealer][InitialMatches] = 1;
      e.has_won = before.table.Dealer;
      break;
    case kEndNoGame:
      break;
    default:
      e.fault = "unknown ending " + std::to_string(before.table.HandEndCode);
  }
  return e;
}

}  // namespace

ScratchFolder::ScratchFolder() {
  // A folder in memory where there is one: the member files are written
  // after every match and synced to disk, which would dominate a long run.
  std::error_code error;
  const std::filesystem::path memory("/dev/shm");
  const bool in_memory = std::filesystem::is_directory(memory, error) && ::access(memory.c_str(), W_OK) == 0;
  const std::filesystem::path base = in_memory ? memory : std::filesystem::temp_directory_path();
  std::string pattern = (base / "winpiruk-runner-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

MatchScoring::MatchScoring(GameState& state) : state_(state) {
  DecodeMemberNames(std::nullopt, state_.members);
  DecodeMemberData(std::nullopt, state_.members);
  state_.match.SeatMember = {1, 2, 3, 4};
  for (int seat = 0; seat < kSeats; ++seat) {
    state_.match.SeatName[seat] = state_.members.MemberName[1][seat + 1];
  }
  last_ = Take();
}

MemberFilesWriter MatchScoring::WriterInto(const std::string& scratch_folder) {
  ProgramPaths paths;
  paths.data_directory = scratch_folder;
  return MemberFilesWriterFor(paths);
}

MatchScoring::Record MatchScoring::Take() const {
  Record r;
  r.score = state_.match.Score;
  r.has_won = state_.match.HasWon;
  for (int seat = 0; seat < kSeats; ++seat) {
    const MemberRef ref = *SeatRecord(state_, seat);
    r.stats[seat] = state_.members.MemberStats[ref.group][ref.member];
    r.points[seat] = state_.members.MemberPoints[ref.group][ref.member];
  }
  return r;
}

void MatchScoring::Fail(const std::string& what) {
  ++failures;
  if (notes.size() < 10) notes.push_back("match " + std::to_string(matches + 1) + ", hand " + std::to_string(hands_) +
                                         ": " + what);
}

void MatchScoring::HandEnded(const HandResultView& view) {
  ++hands_;
  const Record before = last_;
  const Record after = Take();
  last_ = after;
  ++checks;

  const Expected expected = ExpectedChange(state_, view);
  if (!expected.fault.empty()) Fail(expected.fault);
  for (int seat = 0; seat < kSeats; ++seat) hand_points[seat] = after.score[seat] - before.score[seat];
  const int moved = std::accumulate(after.score.begin(), after.score.end(), 0) -
                    std::accumulate(before.score.begin(), before.score.end(), 0);
  if (moved != 0) Fail("points are not zero-sum: " + std::to_string(moved));
  const std::string ending = " after ending " + std::to_string(state_.table.HandEndCode);
  for (int seat = 0; seat < kSeats; ++seat) {
    if (after.score[seat] != SaturateInt16(before.score[seat] + expected.score[seat])) {
      Fail("seat " + std::to_string(seat) + " scored " + std::to_string(after.score[seat] - before.score[seat]) +
           ending);
    }
    for (int k = 0; k < kMemberStats; ++k) {
      if (after.stats[seat][k] != SaturateInt16(before.stats[seat][k] + expected.stats[seat][k])) {
        Fail("seat " + std::to_string(seat) + " counter " + std::to_string(k) + " went from " +
             std::to_string(before.stats[seat][k]) + " to " + std::to_string(after.stats[seat][k]) + ending);
      }
    }
    const bool marked = after.has_won[seat] != 0;
    if (marked != (before.has_won[seat] != 0 || seat == expected.has_won)) {
      Fail("seat " + std::to_string(seat) + " winner mark wrong");
    }
  }
  // A hand without a game is played again under the same number.
  if (state_.table.HandEndCode == kEndNoGame) ++no_games_;
  if (state_.table.HandNumber != hands_ - no_games_) Fail("hand number " + std::to_string(state_.table.HandNumber));
}

bool MatchScoring::MatchEnded(const SettlementView& view, long long matches_wanted) {
  const Record before = last_;
  ++checks;

  if (!view.files_written) Fail("member files not written");
  if (state_.match.HasWon != std::array<bool, kSeats>{}) Fail("winner marks not cleared");
  const auto& a = view.sorted_scores;
  const bool uneven_ties = (a[0] == a[1] && a[2] == a[3]);  // two pairs, or all four: paid as the table says
  const int uma_paid = std::accumulate(state_.match.Score.begin(), state_.match.Score.end(), 0) -
                       std::accumulate(before.score.begin(), before.score.end(), 0);
  if (uma_paid != 0 && !uneven_ties && state_.settings.BonusSwitch != 0) Fail("uma not zero-sum");
  int yakitori = 0;
  int without_win = 0;
  for (int seat = 0; seat < kSeats; ++seat) without_win += before.has_won[seat] == 0;
  const Record after = Take();
  for (int i = 0; i < kSeats; ++i) {
    const SettlementRow& row = view.rows[i];
    const int seat = row.seat;
    yakitori += row.yakitori_value;
    if (i > 0 && row.after_uma_value > view.rows[i - 1].after_uma_value) Fail("rows out of order");
    if (row.rank < 1 || row.rank > kSeats || (i == 0 && row.rank != 1)) Fail("rank " + std::to_string(row.rank));
    const Stats& old_stats = before.stats[seat];
    const Stats& new_stats = after.stats[seat];
    if (new_stats[GamesPlayed] != SaturateInt16(old_stats[GamesPlayed] + 1LL) ||
        new_stats[RankTotal] != SaturateInt16(old_stats[RankTotal] + static_cast<long long>(row.rank))) {
      Fail("seat " + std::to_string(seat) + " match counters wrong");
    }
    // The result and the yakitori reach the member's points as one change:
    // a balance near a limit keeps the net change, not the result capped and
    // the penalty taken off after.
    const int16_t expected_points = SaturateInt16(static_cast<long long>(before.points[seat]) +
                                                  state_.match.Score[seat] + row.yakitori_value);
    if (after.points[seat] != expected_points) Fail("seat " + std::to_string(seat) + " member points wrong");
    // The table's total, which the figures gather, is the result with the yakitori.
    if (row.after_uma_value != state_.match.Score[seat] ||
        row.total_value != SaturateInt16(static_cast<long long>(row.after_uma_value) + row.yakitori_value)) {
      Fail("seat " + std::to_string(seat) + " total wrong");
    }
    points_by_seat[seat] += row.total_value;
  }
  if (yakitori != 0 && without_win < kSeats) Fail("yakitori not zero-sum: " + std::to_string(yakitori));

  ++matches;
  hands_ = 0;
  no_games_ = 0;
  // The engine starts the next match from a score of zero.
  last_ = after;
  last_.score = {};
  return matches >= matches_wanted;
}

}  // namespace winpiruk::analysis
