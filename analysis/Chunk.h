#pragma once
// One chunk of a run: a table of its own, its own view, random source, clock
// and engine, playing a count of hands or matches from one seed.
#include <atomic>
#include <cstdint>

#include "analysis/Analysis.h"

namespace winpiruk::analysis {

// Plays `count` hands (or matches, as the request says) under the request's
// rules from `seed`; stops after the hand during which `cancel` became true.
// Adds the hands (or matches) to `progress` as they finish.
Outcome PlayChunk(const Request& request, uint32_t seed, long long count, const std::atomic<bool>& cancel,
                  Progress* progress);

// Adds what one chunk found to the outcome of the run.
void AddChunk(Outcome& into, const Outcome& chunk);

}  // namespace winpiruk::analysis
