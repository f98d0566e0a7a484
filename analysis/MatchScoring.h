#pragma once
// Whole matches played headless: the engine scores every hand and settles
// every match; each step is checked against what its ending says the points
// and the member statistics must do.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "scoring/HandResult.h"
#include "scoring/Settlement.h"
#include "state/GameState.h"

namespace winpiruk::analysis {

// A scratch folder for the member files, removed with its content.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

class MatchScoring {
 public:
  // Seats the user and members 2..4 of group 1 with default records.
  explicit MatchScoring(GameState& state);

  // Where the engine writes the member files: `scratch_folder`, never the
  // user's folder.
  static MemberFilesWriter WriterInto(const std::string& scratch_folder);

  // Checks the hand the engine has just scored.
  void HandEnded(const HandResultView& view);
  // Checks the match the engine has just settled; true when `matches_wanted`
  // are done.
  bool MatchEnded(const SettlementView& view, long long matches_wanted);

  long long matches = 0;
  long long checks = 0;
  long long failures = 0;
  std::array<long long, kSeats> points_by_seat{};  // the totals of the final tables
  std::array<long long, kSeats> hand_points{};     // what the hand checked last moved
  std::vector<std::string> notes;                  // the first few failures

 private:
  // What scoring may change, as it stood at the last hand or match checked:
  // nothing else changes it in between.
  struct Record {
    std::array<int16_t, kSeats> score{};
    std::array<bool, kSeats> has_won{};
    std::array<std::array<int16_t, kMemberStats>, kSeats> stats{};
    std::array<int16_t, kSeats> points{};
  };
  Record Take() const;
  void Fail(const std::string& what);

  GameState& state_;
  Record last_;
  long long hands_ = 0;
  long long no_games_ = 0;
};

}  // namespace winpiruk::analysis
