#pragma once
// Plays many hands or whole matches headless through the real engine, on
// as many threads as asked, and gathers their Figures. The work is cut into
// chunks of kHandsPerChunk hands (kMatchesPerChunk matches); chunk k plays on
// its own table from a seed made from the master seed and k, so the figures
// of a run depend on the seed, the rules and the count, never on the number
// of threads. Chunk 0 plays from the master seed itself, exactly as one
// engine played a whole run before runs were cut.
#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/Figures.h"
#include "state/Settings.h"

namespace winpiruk::analysis {

inline constexpr long long kHandsPerChunk = 25000;
inline constexpr long long kMatchesPerChunk = 2500;

struct Request {
  Settings rules;
  bool whole_matches = false;  // matches instead of hands
  long long count = 1000;      // hands or matches
  uint32_t seed = 1;
  int threads = 1;             // 0: one per core
  // The computer players' parameters by seat (seat 0 is played by the
  // auto-play and has none); empty: made from the seed as the runner always has.
  bool members_given = false;
  std::array<int16_t, kSeats> boldness{};
  std::array<int16_t, kSeats> deduction{};
  // Hands (matches) per chunk; 0: kHandsPerChunk (kMatchesPerChunk). Only
  // tests cut finer, to span several chunks quickly.
  long long chunk_size = 0;
};

struct Outcome {
  Figures figures;
  // What the checks of every move found (the runner's report).
  long long checks = 0;
  long long invariant_failures = 0;
  long long internal_errors = 0;
  long long stalls = 0;
  std::vector<std::string> failure_notes;  // the first few
  bool cancelled = false;
  bool ok() const { return invariant_failures == 0 && internal_errors == 0 && stalls == 0 && !cancelled; }
};

// Hands (or matches) finished so far, for a progress bar; a thread other
// than the runner's may read it at any time.
struct Progress {
  std::atomic<long long> done{0};
};

// Plays the request; returns early, marked cancelled, soon after `cancel`
// becomes true (each worker looks at it after every hand).
Outcome Run(const Request& request, const std::atomic<bool>& cancel, Progress* progress = nullptr);

// One worker per core this program may run on.
int CoresOfThisMachine();

// The seed chunk `chunk` of a run plays from: the master seed for chunk 0.
uint32_t ChunkSeed(uint32_t master, long long chunk);

}  // namespace winpiruk::analysis
