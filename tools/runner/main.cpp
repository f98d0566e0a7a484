// winpiruk-runner: plays hands headless with all four seats driven by the
// computer player (seat 0 through the auto-play), checking the table after
// every move.
//
//   winpiruk-runner [--hands N | --matches N] [--seed S] [--rules FILE] [--json]
//
// With --matches the engine scores every hand and settles every match (member
// files in a scratch folder), and the runner checks that the points move as a
// zero-sum game and the statistics as the endings say; --hands plays unscored.
#include <chrono>
#include <climits>
#include <memory>
#include <span>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>

#include "MatchScoring.h"
#include "SilentView.h"
#include "config/SettingsStore.h"
#include "engine/Clock.h"
#include "engine/Engine.h"
#include "engine/Random.h"
#include "state/Piruk930.h"
#include "state/Settings.h"

namespace winpiruk::runner {
namespace {

struct Options {
  long long hands = 1000;
  long long matches = 0;  // whole matches instead of hands when above 0
  uint32_t seed = 1;
  std::string rules;
  bool json = false;
};

// The engine reseeds from the time of day at every deal, which gives only a
// few thousand distinct deals; the runner mixes its own seed and the deal
// count into every reseed so that long runs keep meeting new tables.
class RunnerRandom final : public RandomSource {
 public:
  explicit RunnerRandom(uint32_t seed) : base_(seed), inner_(static_cast<int32_t>(seed)) {}
  float Next() override { return inner_.Next(); }
  void Fill(std::span<float> out) override { inner_.Fill(out); }
  void Seed(int32_t seed) override {
    uint64_t x = (static_cast<uint64_t>(base_) << 32U) ^ (++deals_ * 0x9E3779B97F4A7C15ULL) ^
                 static_cast<uint32_t>(seed);
    x ^= x >> 31U;
    x *= 0xBF58476D1CE4E5B9ULL;
    x ^= x >> 29U;
    inner_.Seed(static_cast<int32_t>(x));
  }

 private:
  uint32_t base_;
  uint64_t deals_ = 0;
  StandardRandom inner_;
};

// A clock one second further on at every look.
class SteppingClock final : public Clock {
 public:
  explicit SteppingClock(uint32_t seed) : ticks_(seed % 86400U) {}
  TimeOfDay Now() const override {
    const uint32_t t = ticks_++ % 86400U;
    return TimeOfDay{2026, static_cast<int>(t / 3600U), static_cast<int>(t / 60U % 60U), static_cast<int>(t % 60U)};
  }

 private:
  mutable uint32_t ticks_;
};

double ProcessorSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

bool ParseCount(const char* text, long long& out) {
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  if (end == text || *end != '\0' || value < 0) return false;
  out = value;
  return true;
}

int Usage() {
  std::fprintf(stderr, "usage: winpiruk-runner [--hands N | --matches N] [--seed S] [--rules FILE] [--json]\n");
  return 2;
}

std::string JsonText(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (static_cast<unsigned char>(c) < 0x20) continue;
    out += c;
  }
  return out + "\"";
}

int Run(const Options& options) {
  Piruk930 state;
  state.settings = DefaultSettings("");
  if (!options.rules.empty() && !LoadSettingsFile(options.rules, state.settings)) {
    std::fprintf(stderr, "winpiruk-runner: cannot read rules file %s\n", options.rules.c_str());
    return 2;
  }
  // The runner never waits for anyone.
  state.AutoPlay = 1;
  state.MatchInProgress = 1;
  state.Dealer = static_cast<int16_t>(options.seed % 4U);
  for (int seat = 1; seat < kSeats; ++seat) {
    state.Boldness[seat] = static_cast<int16_t>((options.seed + 2U * seat) % 6U);
    state.Deduction[seat] = static_cast<int16_t>((options.seed + 3U * seat) % 6U);
  }

  const bool whole_matches = options.matches > 0;
  SilentView view(state, whole_matches ? LLONG_MAX : options.hands);
  std::unique_ptr<ScratchFolder> scratch;
  std::unique_ptr<MatchScoring> scoring;
  // Counted hands are played unscored, as they always have been: the scores
  // steer the computer players, so scoring them would play other hands.
  Scorekeeping scorekeeping;
  scorekeeping.on = whole_matches;
  // Every match lasts twenty minutes.
  scorekeeping.time_of_day = [&state] { return (state.MatchStartTime + 20 * 60) % kSecondsPerDay; };
  if (whole_matches) {
    scratch = std::make_unique<ScratchFolder>();
    scoring = std::make_unique<MatchScoring>(state);
    scorekeeping.write_member_files = MatchScoring::WriterInto(scratch->path());
    view.on_hand_result = [&scoring](const HandResultView& result) { scoring->HandEnded(result); };
    view.on_settlement = [&scoring, &options](const SettlementView& settlement) {
      return scoring->MatchEnded(settlement, options.matches);
    };
  }
  RunnerRandom random(options.seed);
  SteppingClock clock(options.seed);
  Engine engine(state, view, random, clock, std::move(scorekeeping));

  // Speed is measured on the processor time of this one thread, so that other
  // work on the machine does not count against it.
  const double cpu_start = ProcessorSeconds();
  const auto start = std::chrono::steady_clock::now();
  long long stalls = 0;
  while ((whole_matches ? !view.finished : view.hands < options.hands) && !engine.Failed()) {
    const long long before = view.hands;
    engine.PlayTurn();
    if (engine.Failed()) break;
    if (state.AwaitingUser == 1) {
      // The auto-play gave the move back to the user: nobody is there.
      ++stalls;
      char note[200];
      const auto& row = state.Hands[0];
      std::snprintf(note, sizeof note,
                    "auto-play stalled in hand %lld: phases %d/%d, top %d, penalty %d, hand %d %d %d %d %d %d %d %d %d %d",
                    view.hands + 1, state.HandPhase, state.TurnPhase, state.TopDiscard, state.PenaltyPending, row[1],
                    row[2], row[3], row[4], row[5], row[6], row[7], row[8], row[9], row[10]);
      view.failure_notes.emplace_back(note);
      break;
    }
    if (view.hands == before) {
      ++stalls;
      break;
    }
  }
  const double wall_seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double seconds = ProcessorSeconds() - cpu_start;
  const double per_second = seconds > 0 ? static_cast<double>(view.hands) / seconds : 0.0;
  const long long matches = scoring ? scoring->matches : 0;
  const double matches_per_second = seconds > 0 ? static_cast<double>(matches) / seconds : 0.0;
  const long long checks = view.checks + (scoring ? scoring->checks : 0);
  const long long invariant_failures = view.invariant_failures + (scoring ? scoring->failures : 0);
  if (scoring) view.failure_notes.insert(view.failure_notes.end(), scoring->notes.begin(), scoring->notes.end());
  const bool ok = invariant_failures == 0 && view.internal_errors == 0 && stalls == 0 &&
                  (whole_matches ? matches >= options.matches : view.hands >= options.hands);

  const int codes[] = {kEndInitialMatch, kEndCall, kEndCardOver, kEndDiscardFinish, kEndNoGame};
  if (options.json) {
    std::string json;
    auto add = [&json](std::string_view piece) { json.append(piece); };
    auto number = [&json](long long n) { json.append(std::to_string(n)); };
    add("{\"hands\":");
    number(view.hands);
    add(",\"seed\":");
    number(options.seed);
    add(",\"rules\":");
    add(JsonText(options.rules));
    add(",\"by_end_code\":{");
    for (std::size_t i = 0; i < std::size(codes); ++i) {
      add(i == 0 ? "\"" : ",\"");
      number(codes[i]);
      add("\":");
      number(view.by_end_code[codes[i]]);
    }
    add("},\"counter_calls\":");
    number(view.counter_calls);
    add(",\"checks\":");
    number(checks);
    add(",\"invariant_failures\":");
    number(invariant_failures);
    add(",\"internal_errors\":");
    number(view.internal_errors);
    add(",\"stalls\":");
    number(stalls);
    add(",\"hands_per_second\":");
    number(static_cast<long long>(per_second));
    add(",\"cpu_seconds\":");
    add(std::to_string(seconds));
    add(",\"wall_seconds\":");
    add(std::to_string(wall_seconds));
    if (whole_matches) {
      add(",\"matches\":");
      number(matches);
      add(",\"matches_per_second\":");
      number(static_cast<long long>(matches_per_second));
      add(",\"points_by_seat\":[");
      for (int seat = 0; seat < kSeats; ++seat) {
        if (seat != 0) add(",");
        number(scoring->points_by_seat[seat]);
      }
      add("]");
    }
    add(",\"failures\":[");
    for (std::size_t i = 0; i < view.failure_notes.size(); ++i) {
      if (i != 0) add(",");
      add(JsonText(view.failure_notes[i]));
    }
    add("],\"ok\":");
    add(ok ? "true}" : "false}");
    std::printf("%s\n", json.c_str());
  } else {
    std::printf("hands played:        %lld\n", view.hands);
    for (const int code : codes) std::printf("  ended with %-3d     %lld\n", code, view.by_end_code[code]);
    std::printf("  of them counter-calls %lld\n", view.counter_calls);
    if (whole_matches) {
      std::printf("matches played:      %lld\n", matches);
      std::printf("matches per second:  %.0f\n", matches_per_second);
      std::printf("points by seat:     ");
      for (int seat = 0; seat < kSeats; ++seat) std::printf(" %lld", scoring->points_by_seat[seat]);
      std::printf("\n");
    }
    std::printf("invariant checks:    %lld\n", checks);
    std::printf("invariant failures:  %lld\n", invariant_failures);
    std::printf("internal errors:     %lld\n", view.internal_errors);
    std::printf("hands per second:    %.0f (%.2f s of processor time, %.2f s elapsed)\n", per_second, seconds,
                wall_seconds);
    for (const auto& note : view.failure_notes) std::printf("  %s\n", note.c_str());
    std::printf("%s\n", ok ? "OK" : "FAILED");
  }
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace winpiruk::runner

int main(int argc, char** argv) {
  winpiruk::runner::Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--hands" && has_value) {
      if (!winpiruk::runner::ParseCount(argv[++i], options.hands)) return winpiruk::runner::Usage();
    } else if (arg == "--matches" && has_value) {
      if (!winpiruk::runner::ParseCount(argv[++i], options.matches)) return winpiruk::runner::Usage();
    } else if (arg == "--seed" && has_value) {
      long long seed = 0;
      if (!winpiruk::runner::ParseCount(argv[++i], seed)) return winpiruk::runner::Usage();
      options.seed = static_cast<uint32_t>(seed);
    } else if (arg == "--rules" && has_value) {
      options.rules = argv[++i];
    } else {
      return winpiruk::runner::Usage();
    }
  }
  return winpiruk::runner::Run(options);
}
