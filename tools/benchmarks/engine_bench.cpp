// The engine's hot paths: the deal, a computer seat's decision and the call
// check. Each also reports the heap allocations it made per call (none
// expected).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/Calls.h"
#include "engine/Clock.h"
#include "engine/ComputerPlayer.h"
#include "engine/Dealing.h"
#include "engine/QuietTableView.h"
#include "engine/Random.h"
#include "engine/TableInvariants.h"
#include "state/Cards.h"

// The replaced global allocation functions below pair malloc with free; the
// compiler cannot see that the benchmark library's inlined calls use them.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {

std::atomic<long long> g_allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace winpiruk {
namespace {

// The benchmarks answer the engine's questions with No.
class NullView final : public QuietTableView {
 public:
  bool Ask(Question) override { return false; }
};

class TickingClock final : public Clock {
 public:
  TimeOfDay Now() const override {
    ++t_;
    return TimeOfDay{2026, 12, static_cast<int>(t_ / 60 % 60), static_cast<int>(t_ % 60)};
  }

 private:
  mutable long t_ = 0;
};

void ReportAllocations(benchmark::State& state, long long before) {
  state.counters["allocs_per_call"] =
      benchmark::Counter(static_cast<double>(g_allocations.load() - before), benchmark::Counter::kAvgIterations);
}

void BM_ShuffleAndDeal(benchmark::State& state) {
  GameState s;
  s.settings = DefaultSettings("");
  s.table.Dealer = 1;
  NullView view;
  StandardRandom random;
  TickingClock clock;
  const long long before = g_allocations.load();
  for (auto _ : state) {
    ShuffleAndDeal(s, view, random, clock);
    benchmark::DoNotOptimize(s.table.DeckSlots.data());
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_ShuffleAndDeal);

// The runner's check after every move, on a table some way into a hand:
// the initial card and a few discards on the pile, hands of several sizes.
void BM_TableIsSound(benchmark::State& state) {
  GameState s;
  s.settings = DefaultSettings("");
  s.table.Dealer = 1;
  NullView view;
  StandardRandom random;
  TickingClock clock;
  ShuffleAndDeal(s, view, random, clock);
  s.table.DeckSlots[53] = s.table.DeckSlots[s.table.DrawIndex++];
  s.table.DiscardIndex = 54;
  for (int seat = 0; seat < kSeats; ++seat) {
    HandRow& row = s.table.Hands[seat];
    for (int extra = 0; extra < seat; ++extra) row[++row[kHandCount]] = s.table.DeckSlots[s.table.DrawIndex++];
    s.table.DeckSlots[s.table.DiscardIndex++] = row[row[kHandCount]];
    row[row[kHandCount]--] = 0;
  }
  if (!TableIsSound(s, TableMoment::DuringHand)) state.SkipWithError("the table is not sound");
  const long long before = g_allocations.load();
  for (auto _ : state) {
    benchmark::DoNotOptimize(TableIsSound(s, TableMoment::DuringHand));
    benchmark::ClobberMemory();
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_TableIsSound);

// A computer seat with several playable cards on a dealt table.
void BM_ChooseComputerMove(benchmark::State& state) {
  GameState s;
  s.settings = DefaultSettings("");
  s.table.TopDiscard = 7;  // 7 of hearts
  const int16_t hand[] = {20, 2, 52, 5, 46, 33, 11};
  for (int k = 0; k < 7; ++k) s.table.Hands[1][k + 1] = hand[k];
  s.table.Hands[1][kHandCount] = 7;
  s.table.Hands[0][kHandCount] = 4;
  s.match.Boldness[1] = 2;
  s.match.Deduction[1] = 3;
  StandardRandom random(11);
  const long long before = g_allocations.load();
  for (auto _ : state) {
    s.table.PenaltyPending = 0;
    s.table.TurnOver = true;
    benchmark::DoNotOptimize(ChooseComputerMove(s.table, s.settings, TemperOf(s.match, 1), random, 1));
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_ChooseComputerMove);

// The call check after a computer discard that nobody can call, with every
// seat's numbers up to date: the common case.
void BM_CheckCallsOnComputerDiscard(benchmark::State& state) {
  GameState s;
  s.settings = DefaultSettings("");
  s.settings.FinishMeans = 4;
  s.settings.AceAliasJack = 1;
  const int16_t hands[4][5] = {{1, 15, 30, 44, 9}, {3, 4, 5, 6, 7}, {12, 13, 25, 26, 38}, {2, 10, 22, 35, 48}};
  for (int seat = 0; seat < 4; ++seat) {
    for (int k = 0; k < 5; ++k) s.table.Hands[seat][k + 1] = hands[seat][k];
    s.table.Hands[seat][kHandCount] = 5;
    RecomputeCallNumbers(s.table.Hands[seat]);
  }
  s.table.CurrentSeat = 1;
  s.table.TopDiscard = 50;  // Q of clover: 12
  NullView view;
  const long long before = g_allocations.load();
  for (auto _ : state) {
    s.table.Hands[1][kHandCount] = 5;
    benchmark::DoNotOptimize(CheckCallsOnComputerDiscard(s, view));
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_CheckCallsOnComputerDiscard);

}  // namespace
}  // namespace winpiruk
