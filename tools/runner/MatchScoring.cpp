#include "MatchScoring.h"

#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <stdexcept>
#include <unistd.h>

#include "config/NumberText.h"
#include "config/ProgramPaths.h"
#include "state/RuleLimits.h"
#include "state/Cards.h"
#include "scoring/HandResult.h"
#include "scoring/MemberFiles.h"

namespace winpiruk::runner {
namespace {

using Stats = std::array<int16_t, kMemberStats>;
using StatChange = std::array<std::array<long long, kMemberStats>, kSeats>;

std::array<Stats, kSeats> SeatsStats(Piruk930& state) {
  std::array<Stats, kSeats> stats{};
  for (int seat = 0; seat < kSeats; ++seat) stats[seat] = *SeatStats(state, seat);
  return stats;
}

int16_t& Points(Piruk930& state, int seat) {
  const MemberRef ref = *SeatRecord(state, seat);
  return state.members.MemberPoints[ref.group][ref.member];
}

// What the ending of the hand says must happen to the scores and counters.
struct Expected {
  std::array<long long, kSeats> score{};
  StatChange stats{};
  int has_won = -1;  // the seat marked as a winner, -1 for none
  std::string fault;
};

Expected ExpectedChange(const Piruk930& before, const HandResultView& view) {
  Expected e;
  for (auto& seat : e.stats) seat[HandsPlayed] = 1;
  const int winner = before.Winner;
  const int current = before.CurrentSeat;
  switch (before.HandEndCode) {
    case kEndCall: {
      const long long p = view.points;
      if (p <= 0 || p != view.base_points * (view.yaku_count + 1LL) + view.three_card_bonus) {
        e.fault = "call worth " + std::to_string(p);
      }
      e.score[winner] = p;
      e.score[current] = -p;
      e.stats[winner][Wins] = 1;
      e.stats[winner][WinNumberTotal] = CardRank(before.TopDiscard);
      e.stats[winner][YakuTotal] = view.yaku_count;
      e.stats[winner][PointsWon] = p;
      e.stats[winner][CounterCalls] = before.CounterCalled == 1;
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
        const bool dealer = seat == before.Dealer;
        e.score[seat] = dealer ? 90 : -30;
        e.stats[seat][dealer ? PointsWon : PointsLost] = dealer ? 90 : 30;
      }
      e.stats[before.Dealer][InitialMatches] = 1;
      e.has_won = before.Dealer;
      break;
    case kEndNoGame:
      break;
    default:
      e.fault = "unknown ending " + std::to_string(before.HandEndCode);
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

MatchScoring::MatchScoring(Piruk930& state, const std::string& scratch_folder) : state_(state) {
  DecodeMemberNames(std::nullopt, state_.members);
  DecodeMemberData(std::nullopt, state_.members);
  state_.SeatMember = {1, 2, 3, 4};
  for (int seat = 0; seat < kSeats; ++seat) {
    state_.SeatName[seat] = state_.members.MemberName[1][seat + 1];
  }
  ProgramPaths paths;
  paths.data_directory = scratch_folder;
  write_files_ = MemberFilesWriterFor(paths);
}

void MatchScoring::Fail(const std::string& what) {
  ++failures;
  if (notes.size() < 10) notes.push_back("match " + std::to_string(matches + 1) + ", hand " + std::to_string(hands_) +
                                         ": " + what);
}

void MatchScoring::HandEnded() {
  ++hands_;
  const Piruk930 before = state_;
  const auto stats_before = SeatsStats(state_);
  const HandResultView view = ShowHandResult(state_);
  CloseHandResult(state_);
  const auto stats_after = SeatsStats(state_);
  ++checks;

  const Expected expected = ExpectedChange(before, view);
  if (!expected.fault.empty()) Fail(expected.fault);
  const int moved = std::accumulate(state_.Score.begin(), state_.Score.end(), 0) -
                    std::accumulate(before.Score.begin(), before.Score.end(), 0);
  if (moved != 0) Fail("points are not zero-sum: " + std::to_string(moved));
  for (int seat = 0; seat < kSeats; ++seat) {
    if (state_.Score[seat] != SaturateInt16(before.Score[seat] + expected.score[seat])) {
      Fail("seat " + std::to_string(seat) + " scored " + std::to_string(state_.Score[seat] - before.Score[seat]) +
           " after ending " + std::to_string(before.HandEndCode));
    }
    for (int k = 0; k < kMemberStats; ++k) {
      if (stats_after[seat][k] != SaturateInt16(stats_before[seat][k] + expected.stats[seat][k])) {
        Fail("seat " + std::to_string(seat) + " counter " + std::to_string(k) + " went from " +
             std::to_string(stats_before[seat][k]) + " to " + std::to_string(stats_after[seat][k]) +
             " after ending " + std::to_string(before.HandEndCode));
      }
    }
    const bool marked = state_.HasWon[seat] != 0;
    if (marked != (before.HasWon[seat] != 0 || seat == expected.has_won)) {
      Fail("seat " + std::to_string(seat) + " winner mark wrong");
    }
  }
  const int hand_number = before.HandEndCode == kEndNoGame ? before.HandNumber - 1 : before.HandNumber;
  if (state_.HandNumber != hand_number) Fail("hand number " + std::to_string(state_.HandNumber));
  if (state_.Dealer != state_.Winner) Fail("the winner does not lead the next hand");
}

bool MatchScoring::MatchEnded(long long matches_wanted) {
  Piruk930 before = state_;
  const int32_t now = (state_.MatchStartTime + 20 * 60) % kSecondsPerDay;
  const SettlementView view = ShowSettlement(state_, now, write_files_);
  ++checks;

  if (!view.files_written) Fail("member files not written");
  if (state_.HasWon != std::array<int16_t, kSeats>{}) Fail("winner marks not cleared");
  const auto& a = view.sorted_scores;
  const bool uneven_ties = (a[0] == a[1] && a[2] == a[3]);  // two pairs, or all four: paid as the table says
  const int uma_paid = std::accumulate(state_.Score.begin(), state_.Score.end(), 0) -
                       std::accumulate(before.Score.begin(), before.Score.end(), 0);
  if (uma_paid != 0 && !uneven_ties && before.settings.BonusSwitch != 0) Fail("uma not zero-sum");
  int yakitori = 0;
  int without_win = 0;
  for (int seat = 0; seat < kSeats; ++seat) without_win += before.HasWon[seat] == 0;
  for (int i = 0; i < kSeats; ++i) {
    const SettlementRow& row = view.rows[i];
    const int seat = row.seat;
    yakitori += row.yakitori_value;
    if (i > 0 && row.after_uma_value > view.rows[i - 1].after_uma_value) Fail("rows out of order");
    if (row.rank < 1 || row.rank > kSeats || (i == 0 && row.rank != 1)) Fail("rank " + std::to_string(row.rank));
    const Stats& old_stats = *SeatStats(before, seat);
    const Stats& new_stats = *SeatStats(state_, seat);
    if (new_stats[GamesPlayed] != SaturateInt16(old_stats[GamesPlayed] + 1LL) ||
        new_stats[RankTotal] != SaturateInt16(old_stats[RankTotal] + static_cast<long long>(row.rank))) {
      Fail("seat " + std::to_string(seat) + " match counters wrong");
    }
    const int16_t expected_points =
        SaturateInt16(SaturateInt16(Points(before, seat) + static_cast<long long>(state_.Score[seat])) +
                      static_cast<long long>(row.yakitori_value));
    if (Points(state_, seat) != expected_points) Fail("seat " + std::to_string(seat) + " member points wrong");
    points_by_seat[seat] += row.total_value;
  }
  if (yakitori != 0 && without_win < kSeats) Fail("yakitori not zero-sum: " + std::to_string(yakitori));

  ++matches;
  hands_ = 0;
  if (matches >= matches_wanted) return true;
  StartAnotherMatch(state_, now);
  return false;
}

}  // namespace winpiruk::runner
