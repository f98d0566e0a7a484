#pragma once
// The end of a match: uma by rank, the yakitori penalty for players who never
// won, the members' points and rank statistics, and the final table.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "config/ProgramPaths.h"
#include "state/GameState.h"

namespace winpiruk {

constexpr int32_t kSecondsPerDay = 86400;

// One row of the final table, in the order shown (best first).
struct SettlementRow {
  int16_t seat = 0;
  std::string name;
  std::string score;      // the match score before uma
  std::string uma;        // "なし" when uma is off
  std::string after_uma;  // the score with uma
  std::string yakitori;   // "-60", "+20", "なし" or empty
  std::string total;      // score with uma and yakitori
  int16_t after_uma_value = 0;
  int16_t yakitori_value = 0;
  int16_t total_value = 0;
  int16_t rank = 0;       // the rank recorded for the member, 1..4
  bool is_user = false;   // drawn in the user's colour
};

struct SettlementView {
  int32_t elapsed_seconds = 0;
  std::string game_time;  // "ゲーム時間 : 12分"
  std::array<SettlementRow, kSeats> rows{};
  std::array<int16_t, kSeats> sorted_scores{};
  std::array<int16_t, kSeats> uma{};
  bool files_written = true;
};

// Writes both member files; false when they could not be written.
using MemberFilesWriter = std::function<bool(const GameState&)>;

// The writer of the program: both files in the user's data folder.
MemberFilesWriter MemberFilesWriterFor(const ProgramPaths& paths);

// Seconds from the start of the match to `now`, both seconds since midnight;
// a match that passes midnight is counted across it.
int32_t ElapsedMatchSeconds(int32_t start, int32_t now);

// Settles the match that has just ended: pays the uma into `Score`, adds the
// result and the yakitori to the members' points, counts the games and
// ranks, writes the member files through `write_files` (when given) and
// clears `HasWon`. `now` is the time of day in seconds.
SettlementView SettleMatch(GameState& state, int32_t now, const MemberFilesWriter& write_files);

// What the user chose in the settlement window.
enum class SettlementOutcome { AnotherMatch, ChangeMembers, EndProgram };

// "はい": another match with the same members, starting at `now`.
void StartAnotherMatch(GameState& state, int32_t now);

// "メンバー変更": the match is over, the hands are emptied and the members
// are chosen again. Auto-play is turned off; returns whether it was on.
bool LeaveMatchForMemberChange(GameState& state);

}  // namespace winpiruk
