#pragma once
// Whole matches for the runner: every hand is scored and every match settled
// by the program's own scoring, and each step is checked against what its
// ending says the points and the member statistics must do.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/Piruk930.h"
#include "scoring/Settlement.h"

namespace winpiruk::runner {

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
  // Seats the user and members 2..4 of group 1 with default records; the
  // member files go to `scratch_folder`, never to the user's.
  MatchScoring(Piruk930& state, const std::string& scratch_folder);

  // Scores the hand that has just ended and checks it.
  void HandEnded();
  // Settles the match and checks it; true when `matches_wanted` are done.
  bool MatchEnded(long long matches_wanted);

  long long matches = 0;
  long long checks = 0;
  long long failures = 0;
  std::array<long long, kSeats> points_by_seat{};  // the totals of the final tables
  std::vector<std::string> notes;                  // the first few failures

 private:
  void Fail(const std::string& what);

  Piruk930& state_;
  MemberFilesWriter write_files_;
  long long hands_ = 0;
};

}  // namespace winpiruk::runner
