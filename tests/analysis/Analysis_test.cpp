#include "analysis/Analysis.h"

#include <gtest/gtest.h>

#include <numeric>
#include <thread>

#include "config/SettingsStore.h"

namespace winpiruk::analysis {
namespace {

long long Sum(const auto& values) { return std::accumulate(values.begin(), values.end(), 0LL); }
long long Ended(const Figures& f, Ending e) { return f.endings[static_cast<std::size_t>(e)]; }

Request Small(bool whole_matches, long long count, long long chunk_size) {
  Request r;
  r.rules = DefaultSettings("");
  r.whole_matches = whole_matches;
  r.count = count;
  r.seed = 9;
  r.chunk_size = chunk_size;
  return r;
}

Outcome Play(const Request& request) {
  const std::atomic<bool> never{false};
  Progress progress;
  Outcome out = analysis::Run(request, never, &progress);
  EXPECT_EQ(progress.done.load(), request.count);
  return out;
}

// What every run must show, whatever it played.
void ExpectConsistent(const Outcome& out, const Request& request) {
  const Figures& f = out.figures;
  EXPECT_TRUE(out.ok()) << (out.failure_notes.empty() ? "" : out.failure_notes.front());
  EXPECT_EQ(Sum(f.endings), f.hands);
  EXPECT_EQ(Sum(f.hand_length), f.hands);
  EXPECT_GT(f.turns, f.hands);
  // Points only move between the seats.
  EXPECT_EQ(Sum(f.points_by_seat), 0);
  for (int rank = 1; rank <= 13; ++rank) EXPECT_GT(f.discards_by_rank[rank], 0) << rank;
  EXPECT_EQ(request.whole_matches ? f.matches : f.hands, request.count);
  if (!request.whole_matches) return;
  for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(Sum(f.final_points[seat]), f.matches);
  EXPECT_GE(Sum(f.match_wins), f.matches);
}

TEST(Analysis, FiguresDoNotDependOnTheNumberOfThreads) {
  // Several chunks each, and a short last one.
  for (const Request& base : {Small(false, 1100, 250), Small(true, 23, 5)}) {
    Request request = base;
    request.threads = 1;
    const Outcome one = Play(request);
    ExpectConsistent(one, request);
    for (const int threads : {2, 3}) {
      request.threads = threads;
      const Outcome many = Play(request);
      EXPECT_EQ(many.figures, one.figures) << threads << " threads, matches " << request.whole_matches;
      EXPECT_EQ(many.checks, one.checks);
    }
  }
}

TEST(Analysis, ChunksPlayOtherTablesThanTheFirst) {
  // Cut in two, the second half plays from another seed than the first.
  const Outcome whole = Play(Small(false, 400, 400));
  const Outcome cut = Play(Small(false, 400, 200));
  EXPECT_EQ(cut.figures.hands, whole.figures.hands);
  EXPECT_NE(cut.figures, whole.figures);
  EXPECT_EQ(ChunkSeed(77, 0), 77U);
  EXPECT_NE(ChunkSeed(77, 1), ChunkSeed(77, 2));
  EXPECT_NE(ChunkSeed(77, 1), ChunkSeed(78, 1));
}

TEST(Analysis, GivenMembersPlayOtherwiseThanMembersFromTheSeed) {
  Request request = Small(false, 300, 0);
  const Outcome from_seed = Play(request);
  request.members_given = true;
  request.boldness = {0, 5, 5, 5};
  request.deduction = {0, 0, 0, 0};
  EXPECT_NE(Play(request).figures, from_seed.figures);
}

// Recorded from the runner before it played through the analysis: one chunk
// plays exactly the hands it played.
TEST(Analysis, OneChunkPlaysWhatTheRunnerPlayed) {
  struct Case {
    const char* rules;  // under the runner's rule sets; "" for the defaults
    bool whole_matches;
    uint32_t seed;
    long long count;
    std::array<long long, 6> by_ending;  // initial match, call, card over, discard finish, no game, counter-calls
    long long hands;
    long long checks;
    std::array<long long, kSeats> final_points;
  };
  const Case cases[] = {
      {"", false, 5, 3000, {41, 2781, 165, 0, 13, 119}, 3000, 103251, {}},
      {"extra_number.prk", false, 5, 3000, {58, 1822, 1119, 0, 1, 76}, 3000, 76601, {}},
      {"", true, 3, 30, {4, 222, 14, 0, 2, 8}, 242, 8450, {2375, -2242, -656, 523}},
  };
  for (const Case& c : cases) {
    Request request = Small(c.whole_matches, c.count, 0);
    request.seed = c.seed;
    request.threads = 2;
    if (*c.rules) {
      ASSERT_TRUE(LoadSettingsFile(std::string(WINPIRUK_RUNNER_RULES) + "/" + c.rules, request.rules));
    }
    const Outcome out = Play(request);
    ExpectConsistent(out, request);
    const Figures& f = out.figures;
    const std::array<long long, 6> by_ending = {
        Ended(f, Ending::InitialMatch), Ended(f, Ending::Call) + Ended(f, Ending::CounterCall),
        Ended(f, Ending::CardOver),     Ended(f, Ending::DiscardFinish),
        Ended(f, Ending::NoGame),       Ended(f, Ending::CounterCall)};
    EXPECT_EQ(by_ending, c.by_ending) << c.rules << c.seed;
    EXPECT_EQ(f.hands, c.hands);
    EXPECT_EQ(out.checks, c.checks);
    EXPECT_EQ(f.final_points_sum, c.final_points);
  }
}

TEST(Analysis, AMatchPlaysItsNumberOfHands) {
  // Hands without a game are played again and not counted.
  struct Case {
    int16_t games;
    long long scored;
  };
  for (const Case c : {Case{10, 10}, Case{1, 1}, Case{11, 8}, Case{0, 8}}) {
    Request request = Small(true, 3, 0);
    request.rules.NumberOfGames = c.games;
    const Outcome out = Play(request);
    ExpectConsistent(out, request);
    EXPECT_EQ(out.figures.hands - Ended(out.figures, Ending::NoGame), 3 * c.scored) << c.games;
  }
}

TEST(Analysis, CancelStopsABigRunEarly) {
  struct Case {
    bool whole_matches;
    long long played_first;  // before the cancel
    long long per_chunk;
  };
  for (const Case c : {Case{false, 2000, kHandsPerChunk}, Case{true, 20, kMatchesPerChunk}}) {
    Request request = Small(c.whole_matches, 50'000'000, 0);
    request.threads = 2;
    std::atomic<bool> cancel{false};
    Progress progress;
    Outcome out;
    {
      std::jthread run([&] { out = analysis::Run(request, cancel, &progress); });
      while (progress.done.load() < c.played_first) std::this_thread::yield();
      cancel = true;
    }
    EXPECT_TRUE(out.cancelled);
    EXPECT_FALSE(out.ok());
    // Each worker stops within its first chunk, not at its end; a match cut
    // short is not counted.
    const long long played = c.whole_matches ? out.figures.matches : out.figures.hands;
    EXPECT_LT(played, 2 * c.per_chunk);
    EXPECT_EQ(played, progress.done.load());
    for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(Sum(out.figures.final_points[seat]), out.figures.matches);
    // Cancelled before it starts, a run plays nothing.
    const Outcome none = analysis::Run(request, cancel, nullptr);
    EXPECT_TRUE(none.cancelled);
    EXPECT_EQ(none.figures.hands, 0);
  }
}

}  // namespace
}  // namespace winpiruk::analysis
