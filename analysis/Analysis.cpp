#include "analysis/Analysis.h"

#include <sched.h>

#include <algorithm>
#include <thread>

#include "analysis/Chunk.h"

namespace winpiruk::analysis {
namespace {

// What the workers share: the next chunk to play and how the run is cut.
struct Plan {
  long long per_chunk = 0;
  long long chunks = 0;
  std::atomic<long long> next{0};
};

// Takes chunks until none is left or the run is cancelled.
Outcome Work(const Request& request, Plan& plan, const std::atomic<bool>& cancel, Progress* progress) {
  Outcome mine;
  for (;;) {
    const long long chunk = plan.next.fetch_add(1, std::memory_order_relaxed);
    if (chunk >= plan.chunks) break;
    if (cancel.load(std::memory_order_relaxed)) {
      mine.cancelled = true;
      break;
    }
    const long long count = std::min(plan.per_chunk, request.count - chunk * plan.per_chunk);
    AddChunk(mine, PlayChunk(request, ChunkSeed(request.seed, chunk), count, cancel, progress));
    if (mine.cancelled) break;
  }
  return mine;
}

}  // namespace

Outcome Run(const Request& request, const std::atomic<bool>& cancel, Progress* progress) {
  Plan plan;
  const long long standard = request.whole_matches ? kMatchesPerChunk : kHandsPerChunk;
  plan.per_chunk = request.chunk_size > 0 ? request.chunk_size : standard;
  plan.chunks = request.count > 0 ? (request.count + plan.per_chunk - 1) / plan.per_chunk : 0;
  const long long wanted = request.threads > 0 ? request.threads : CoresOfThisMachine();
  const auto threads = static_cast<std::size_t>(std::clamp<long long>(wanted, 1, std::max(plan.chunks, 1LL)));
  // One worker plays on the calling thread.
  if (threads == 1) return Work(request, plan, cancel, progress);
  std::vector<Outcome> found(threads);
  {
    std::vector<std::jthread> workers;
    workers.reserve(threads);
    for (std::size_t w = 0; w < threads; ++w) {
      workers.emplace_back([&, w] { found[w] = Work(request, plan, cancel, progress); });
    }
  }
  Outcome all;
  for (const Outcome& outcome : found) AddChunk(all, outcome);
  return all;
}

int CoresOfThisMachine() {
  // The cores this process may use, which taskset or a container may limit.
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(CPU_COUNT(&set), 1);
  return static_cast<int>(std::max(std::thread::hardware_concurrency(), 1U));
}

uint32_t ChunkSeed(uint32_t master, long long chunk) {
  if (chunk == 0) return master;
  uint64_t x = (static_cast<uint64_t>(master) << 32U) + static_cast<uint64_t>(chunk) * 0x9E3779B97F4A7C15ULL;
  x ^= x >> 30U;
  x *= 0xBF58476D1CE4E5B9ULL;
  x ^= x >> 27U;
  x *= 0x94D049BB133111EBULL;
  x ^= x >> 31U;
  return static_cast<uint32_t>(x);
}

}  // namespace winpiruk::analysis
