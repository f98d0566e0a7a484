#include "analysis/Analysis.h"

#include <gtest/gtest.h>
#include <sched.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "analysis/Chunk.h"
#include "config/SettingsStore.h"
#include "state/RuleLimits.h"

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

// Polls `done` until it holds or a minute has passed: a run that cannot
// play fails the test instead of keeping it waiting.
bool WaitUntil(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
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

// The runner's rule files, by name.
std::vector<std::string> RuleFiles() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(WINPIRUK_RUNNER_RULES)) {
    if (entry.path().extension() == ".prk") names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

Request Under(const std::string& rules_file, bool whole_matches, long long count, uint32_t seed) {
  Request request = Small(whole_matches, count, 0);
  request.seed = seed;
  request.threads = 1;
  if (!rules_file.empty()) {
    EXPECT_TRUE(LoadSettingsFile(std::string(WINPIRUK_RUNNER_RULES) + "/" + rules_file, request.rules)) << rules_file;
  }
  return request;
}

// Figures recorded from 300 hands from seed 5 and 10 matches from seed 3 under
// every rule file of the runner's (and the defaults): a change to how a rule
// plays or how the analysis counts shows here. Endings in the order of
// Ending: call, counter-call, discard finish, card over, no game, initial
// match, other.
TEST(Analysis, FiguresArePinnedForEveryRuleFile) {
  struct Pinned {
    std::string rules;
    std::array<long long, kEndings> hand_endings;
    long long turns;
    std::array<long long, kSeats> hand_points;
    long long hand_checks;
    long long match_hands;
    std::array<long long, kEndings> match_endings;
    std::array<long long, kSeats> match_points;  // the hands' points, before the settlement
    std::array<long long, kSeats> final_points;
    std::array<long long, kSeats> match_wins;
    long long match_checks;
  };
  const Pinned pins[] = {
      {"", {262, 18, 0, 14, 1, 5, 0}, 9531, {476, 243, -143, -576}, 11056,
       80, {73, 1, 0, 5, 0, 1, 0}, {459, -152, -301, -6}, {909, -402, -601, 94}, {6, 1, 1, 2}, 2774},
      {"extra_number.prk", {173, 3, 0, 117, 0, 7, 0}, 5823, {1227, 158, 49, -1434}, 7682,
       30, {15, 0, 0, 15, 0, 0, 0}, {37, 115, -204, 52}, {136, 82, -362, 144}, {2, 2, 3, 4}, 650},
      {"finish0_default.prk", {262, 18, 0, 14, 1, 5, 0}, 9531, {476, 243, -143, -576}, 11056,
       80, {73, 1, 0, 5, 0, 1, 0}, {459, -152, -301, -6}, {909, -402, -601, 94}, {6, 1, 1, 2}, 2774},
      {"finish1_no_initial.prk", {267, 18, 0, 14, 1, 0, 0}, 9651, {248, 289, -73, -464}, 11189,
       80, {74, 1, 0, 5, 0, 0, 0}, {403, -80, -330, 7}, {703, -130, -680, 107}, {6, 2, 0, 2}, 2819},
      {"finish2_discard_finish.prk", {188, 17, 12, 81, 0, 2, 0}, 7173, {705, -89, 619, -1235}, 9029,
       80, {51, 4, 4, 18, 0, 3, 0}, {450, -304, -277, 131}, {700, -204, -477, -19}, {4, 2, 1, 3}, 1914},
      {"finish3_discard_finish_only.prk", {0, 0, 282, 17, 1, 0, 0}, 10713, {170, -330, -170, 330}, 12395,
       81, {0, 0, 77, 3, 1, 0, 0}, {-205, -45, 115, 135}, {-438, -3, 114, 427}, {1, 4, 4, 4}, 3947},
      {"finish4_product_ace_jack.prk", {264, 21, 0, 11, 0, 4, 0}, 7444, {903, 243, -202, -944}, 8804,
       80, {76, 1, 0, 3, 0, 0, 0}, {198, -140, -227, 169}, {348, -90, -377, 119}, {5, 1, 2, 2}, 2089},
      {"out_of_range.prk", {246, 10, 21, 20, 1, 2, 0}, 9823, {-603, 201, 561, -159}, 11359,
       80, {64, 4, 4, 5, 0, 3, 0}, {-302, -11, 234, 79}, {-552, -61, 434, 179}, {1, 1, 4, 4}, 2063},
      {"plain_cards.prk", {290, 0, 0, 1, 2, 7, 0}, 9741, {449, -65, -526, 142}, 10341,
       80, {77, 0, 0, 0, 0, 3, 0}, {-26, 14, -119, 131}, {-26, 264, -469, 231}, {4, 2, 2, 2}, 2744},
  };
  // A rule file without a row fails, so that a new one is pinned too.
  std::vector<std::string> pinned_files;
  for (const Pinned& pin : pins) pinned_files.push_back(pin.rules);
  for (const std::string& file : RuleFiles()) {
    EXPECT_NE(std::find(pinned_files.begin(), pinned_files.end(), file), pinned_files.end()) << file << " is not pinned";
  }
  for (const Pinned& pin : pins) {
    SCOPED_TRACE(pin.rules);
    const Request hands = Under(pin.rules, false, 300, 5);
    const Outcome h = Play(hands);
    ExpectConsistent(h, hands);
    EXPECT_EQ(h.figures.endings, pin.hand_endings);
    EXPECT_EQ(h.figures.turns, pin.turns);
    EXPECT_EQ(h.figures.points_by_seat, pin.hand_points);
    EXPECT_EQ(h.checks, pin.hand_checks);
    // Discard finishes are counted exactly where the rules allow them.
    EXPECT_EQ(Ended(h.figures, Ending::DiscardFinish) > 0, DiscardFinishAllowed(hands.rules));

    const Request matches = Under(pin.rules, true, 10, 3);
    const Outcome m = Play(matches);
    ExpectConsistent(m, matches);
    EXPECT_EQ(m.figures.hands, pin.match_hands);
    EXPECT_EQ(m.figures.endings, pin.match_endings);
    EXPECT_EQ(m.figures.points_by_seat, pin.match_points);
    EXPECT_EQ(m.figures.final_points_sum, pin.final_points);
    EXPECT_EQ(m.figures.match_wins, pin.match_wins);
    EXPECT_EQ(m.checks, pin.match_checks);
  }
}

// The yakitori moves no card and no hand's points: the same matches are
// played under every size, and the final points differ from those without
// it by the yakitori paid, which scales with the size (60, 120, 150, 300).
TEST(Analysis, FinalPointsIncludeTheYakitoriOfEverySize) {
  constexpr std::array<long long, 5> kTimesHalfOfSizeOne = {0, 2, 4, 5, 10};
  for (const std::string& file : RuleFiles()) {
    SCOPED_TRACE(file);
    std::array<Outcome, 5> by_size;
    for (int size = 0; size <= 4; ++size) {
      Request request = Under(file, true, 10, 3);
      request.rules.YakitoriMode = static_cast<int16_t>(size);
      by_size[size] = Play(request);
      ExpectConsistent(by_size[size], request);
    }
    const Figures& none = by_size[0].figures;
    std::array<long long, kSeats> size_one{};
    for (int seat = 0; seat < kSeats; ++seat) size_one[seat] = by_size[1].figures.final_points_sum[seat] - none.final_points_sum[seat];
    EXPECT_NE(size_one, (std::array<long long, kSeats>{})) << "no yakitori in ten matches";
    for (int size = 1; size <= 4; ++size) {
      const Figures& f = by_size[size].figures;
      EXPECT_EQ(f.endings, none.endings) << size;
      EXPECT_EQ(f.points_by_seat, none.points_by_seat) << size;
      EXPECT_EQ(by_size[size].checks, by_size[0].checks) << size;
      for (int seat = 0; seat < kSeats; ++seat) {
        EXPECT_EQ(2 * (f.final_points_sum[seat] - none.final_points_sum[seat]), kTimesHalfOfSizeOne[size] * size_one[seat])
            << "size " << size << ", seat " << seat;
      }
    }
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
    bool reached = false;
    {
      std::atomic<bool> returned{false};
      std::jthread run([&] {
        out = analysis::Run(request, cancel, &progress);
        returned = true;
      });
      reached = WaitUntil([&] { return progress.done.load() >= c.played_first || returned.load(); });
      reached = reached && progress.done.load() >= c.played_first;
      cancel = true;
    }
    ASSERT_TRUE(reached) << "played " << progress.done.load() << " of " << c.played_first
                         << (out.failure_notes.empty() ? "" : ": " + out.failure_notes.front());
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

// A cancel is looked at after every hand. One that comes during the last
// hand a chunk was to play leaves the chunk whole; a match it cuts short is
// not counted, and the chunk is cut short.
TEST(Analysis, ACancelDuringTheLastHandOfAChunk) {
  struct Case {
    bool whole_matches;
    long long played;
    bool cancelled;
  };
  for (const Case c : {Case{false, 1, false}, Case{true, 0, true}}) {
    SCOPED_TRACE(c.whole_matches ? "matches" : "hands");
    const Request request = Small(c.whole_matches, 1, 0);
    const std::atomic<bool> cancel{true};
    const Outcome out = PlayChunk(request, request.seed, 1, cancel, nullptr);
    EXPECT_EQ(c.whole_matches ? out.figures.matches : out.figures.hands, c.played);
    EXPECT_EQ(out.figures.hands, 1);
    EXPECT_EQ(out.cancelled, c.cancelled);
  }
}

// A run uses the cores the process may run on, not every core of the
// machine: taskset or a container limits it.
TEST(Analysis, ARunCountsOnlyTheCoresItMayUse) {
  cpu_set_t all;
  CPU_ZERO(&all);
  ASSERT_EQ(sched_getaffinity(0, sizeof all, &all), 0);
  if (CPU_COUNT(&all) < 2) GTEST_SKIP() << "one core only: nothing to limit";
  cpu_set_t one;
  CPU_ZERO(&one);
  for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
    if (CPU_ISSET(cpu, &all)) {
      CPU_SET(cpu, &one);
      break;
    }
  }
  ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
  const int limited = CoresOfThisMachine();
  ASSERT_EQ(sched_setaffinity(0, sizeof all, &all), 0);
  EXPECT_EQ(limited, 1);
  EXPECT_EQ(CoresOfThisMachine(), CPU_COUNT(&all));
}

}  // namespace
}  // namespace winpiruk::analysis
