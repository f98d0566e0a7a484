#include "analysis/Chunk.h"

#include <climits>
#include <cstdio>
#include <memory>

#include "analysis/Headless.h"
#include "analysis/MatchScoring.h"
#include "analysis/SilentView.h"
#include "engine/Engine.h"

namespace winpiruk::analysis {
namespace {

// Enough for everything one chunk notes (ten of the view, a stall, ten of
// the scoring): a run of one chunk reports all it found.
constexpr std::size_t kNotesKept = 21;

void SeatTheTable(GameState& state, const Request& request, uint32_t seed) {
  // Nobody waits for anyone.
  state.table.AutoPlay = true;
  state.match.MatchInProgress = true;
  state.table.Dealer = static_cast<int16_t>(seed % 4U);
  for (int seat = 1; seat < kSeats; ++seat) {
    if (request.members_given) {
      state.match.Boldness[seat] = request.boldness[seat];
      state.match.Deduction[seat] = request.deduction[seat];
    } else {
      state.match.Boldness[seat] = static_cast<int16_t>((request.seed + 2U * seat) % 6U);
      state.match.Deduction[seat] = static_cast<int16_t>((request.seed + 3U * seat) % 6U);
    }
  }
}

void AddSettlement(Figures& figures, const SettlementView& settlement) {
  ++figures.matches;
  for (const SettlementRow& row : settlement.rows) {
    const auto seat = static_cast<std::size_t>(row.seat);
    if (seat >= kSeats) continue;
    ++figures.final_points[seat][static_cast<std::size_t>(FinalPointBin(row.total_value))];
    figures.final_points_sum[seat] += row.total_value;
    if (row.rank == 1) ++figures.match_wins[seat];
  }
}

// A table with everything it plays with; whole matches are scored, with the
// member files written to a scratch folder.
class ChunkTable {
 public:
  ChunkTable(const Request& request, uint32_t seed, long long count, const std::atomic<bool>& cancel,
             Progress* progress)
      : whole_matches_(request.whole_matches),
        view_(state_, request.whole_matches ? LLONG_MAX : count),
        random_(seed),
        clock_(seed) {
    state_.settings = request.rules;
    SeatTheTable(state_, request, seed);
    view_.cancel = &cancel;
    std::atomic<long long>* done = progress ? &progress->done : nullptr;
    if (!whole_matches_) view_.hands_done = done;
    Scorekeeping scorekeeping;
    // Counted hands are played unscored: the scores steer the computer
    // players, so scoring them would play other hands.
    scorekeeping.on = whole_matches_;
    // Every match lasts twenty minutes.
    scorekeeping.time_of_day = [this] { return (state_.match.MatchStartTime + 20 * 60) % kSecondsPerDay; };
    if (whole_matches_) ScoreMatches(scorekeeping, count, done);
    engine_ = std::make_unique<Engine>(state_, view_, random_, clock_, std::move(scorekeeping));
  }

  ChunkTable(const ChunkTable&) = delete;
  ChunkTable& operator=(const ChunkTable&) = delete;

  bool Done(long long count) const { return (whole_matches_ ? view_.figures.matches : view_.hands) >= count; }
  bool Cancelled() const { return view_.cancelled; }
  // Plays on until the view ends the run; false when the table cannot go on.
  bool PlayOn();
  Outcome Result() const;

 private:
  void ScoreMatches(Scorekeeping& scorekeeping, long long count, std::atomic<long long>* matches_done) {
    scratch_ = std::make_unique<ScratchFolder>();
    scoring_ = std::make_unique<MatchScoring>(state_);
    scorekeeping.write_member_files = MatchScoring::WriterInto(scratch_->path());
    view_.hands_scored = true;
    view_.on_hand_result = [this](const HandResultView& result) {
      scoring_->HandEnded(result);
      for (int seat = 0; seat < kSeats; ++seat) view_.figures.points_by_seat[seat] += scoring_->hand_points[seat];
    };
    view_.on_settlement = [this, count, matches_done](const SettlementView& settlement) {
      AddSettlement(view_.figures, settlement);
      if (matches_done) matches_done->fetch_add(1, std::memory_order_relaxed);
      return scoring_->MatchEnded(settlement, count);
    };
  }
  void NoteStall();

  bool whole_matches_;
  GameState state_;
  SilentView view_;
  HeadlessRandom random_;
  SteppingClock clock_;
  std::unique_ptr<ScratchFolder> scratch_;
  std::unique_ptr<MatchScoring> scoring_;
  std::unique_ptr<Engine> engine_;
  long long stalls_ = 0;
};

bool ChunkTable::PlayOn() {
  const long long before = view_.hands;
  engine_->PlayTurn();
  if (engine_->Failed()) return false;
  if (state_.table.AwaitingUser) {
    // The auto-play gave the move back to the user: nobody is there.
    NoteStall();
    return false;
  }
  if (view_.hands == before) {
    ++stalls_;
    return false;
  }
  return true;
}

void ChunkTable::NoteStall() {
  ++stalls_;
  char note[200];
  const auto& row = state_.table.Hands[0];
  std::snprintf(note, sizeof note,
                "auto-play stalled in hand %lld: phases %d/%d, top %d, penalty %d, hand %d %d %d %d %d %d %d %d %d %d",
                view_.hands + 1, state_.table.HandPhase, state_.table.TurnPhase, state_.table.TopDiscard, state_.table.PenaltyPending, row[1],
                row[2], row[3], row[4], row[5], row[6], row[7], row[8], row[9], row[10]);
  view_.failure_notes.emplace_back(note);
}

Outcome ChunkTable::Result() const {
  Outcome out;
  out.figures = view_.figures;
  out.checks = view_.checks + (scoring_ ? scoring_->checks : 0);
  out.invariant_failures = view_.invariant_failures + (scoring_ ? scoring_->failures : 0);
  out.internal_errors = view_.internal_errors;
  out.stalls = stalls_;
  out.failure_notes = view_.failure_notes;
  if (scoring_) out.failure_notes.insert(out.failure_notes.end(), scoring_->notes.begin(), scoring_->notes.end());
  return out;
}

}  // namespace

Outcome PlayChunk(const Request& request, uint32_t seed, long long count, const std::atomic<bool>& cancel,
                  Progress* progress) {
  ChunkTable table(request, seed, count, cancel, progress);
  // The engine plays hand after hand until the view ends the run.
  while (!table.Done(count) && !table.Cancelled() && table.PlayOn()) {
  }
  Outcome out = table.Result();
  out.cancelled = table.Cancelled() && !table.Done(count);
  return out;
}

void AddChunk(Outcome& into, const Outcome& chunk) {
  into.figures.Merge(chunk.figures);
  into.checks += chunk.checks;
  into.invariant_failures += chunk.invariant_failures;
  into.internal_errors += chunk.internal_errors;
  into.stalls += chunk.stalls;
  into.cancelled = into.cancelled || chunk.cancelled;
  for (const std::string& note : chunk.failure_notes) {
    if (into.failure_notes.size() < kNotesKept) into.failure_notes.push_back(note);
  }
}

}  // namespace winpiruk::analysis
