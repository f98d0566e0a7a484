// winpiruk-runner: plays hands headless with all four seats driven by the
// computer player (seat 0 through the auto-play), checking the table after
// every move.
//
//   winpiruk-runner [--hands N] [--seed S] [--rules FILE] [--json]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "SilentView.h"
#include "config/Settings.h"
#include "config/SettingsStore.h"
#include "engine/Clock.h"
#include "engine/Engine.h"
#include "engine/Piruk930.h"
#include "engine/Random.h"

namespace winpiruk::runner {
namespace {

struct Options {
  long long hands = 1000;
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

bool ParseCount(const char* text, long long& out) {
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  if (end == text || *end != '\0' || value < 0) return false;
  out = value;
  return true;
}

int Usage() {
  std::fprintf(stderr, "usage: winpiruk-runner [--hands N] [--seed S] [--rules FILE] [--json]\n");
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

  SilentView view(state, options.hands);
  RunnerRandom random(options.seed);
  SteppingClock clock(options.seed);
  Engine engine(state, view, random, clock);

  const auto start = std::chrono::steady_clock::now();
  long long stalls = 0;
  while (view.hands < options.hands && !engine.Failed()) {
    const long long before = view.hands;
    engine.PlayTurn();
    if (engine.Failed()) break;
    if (state.AwaitingUser == 1) {
      // The auto-play gave the move back to the user: nobody is there.
      ++stalls;
      std::string hand;
      for (int slot = 1; slot <= 10; ++slot) hand += " " + std::to_string(state.Hands[0][slot]);
      view.failure_notes.push_back("auto-play stalled in hand " + std::to_string(view.hands + 1) +
                                   ": phases " + std::to_string(state.HandPhase) + "/" +
                                   std::to_string(state.TurnPhase) + ", top " + std::to_string(state.TopDiscard) +
                                   ", penalty " + std::to_string(state.PenaltyPending) + ", hand" + hand);
      break;
    }
    if (view.hands == before) {
      ++stalls;
      break;
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double per_second = seconds > 0 ? static_cast<double>(view.hands) / seconds : 0.0;
  const bool ok = view.invariant_failures == 0 && view.internal_errors == 0 && stalls == 0 &&
                  view.hands >= options.hands;

  const int codes[] = {3, 7, 10, 11, 99};
  if (options.json) {
    std::string json = "{\"hands\":" + std::to_string(view.hands) + ",\"seed\":" + std::to_string(options.seed) +
                       ",\"rules\":" + JsonText(options.rules) + ",\"by_end_code\":{";
    bool first = true;
    for (const int code : codes) {
      json += (first ? "\"" : ",\"") + std::to_string(code) + "\":" + std::to_string(view.by_end_code[code]);
      first = false;
    }
    json += "},\"counter_calls\":" + std::to_string(view.counter_calls) +
            ",\"checks\":" + std::to_string(view.checks) +
            ",\"invariant_failures\":" + std::to_string(view.invariant_failures) +
            ",\"internal_errors\":" + std::to_string(view.internal_errors) + ",\"stalls\":" + std::to_string(stalls) +
            ",\"hands_per_second\":" + std::to_string(static_cast<long long>(per_second)) + ",\"failures\":[";
    for (std::size_t i = 0; i < view.failure_notes.size(); ++i) {
      json += (i == 0 ? "" : ",") + JsonText(view.failure_notes[i]);
    }
    json += "],\"ok\":" + std::string(ok ? "true" : "false") + "}";
    std::printf("%s\n", json.c_str());
  } else {
    std::printf("hands played:        %lld\n", view.hands);
    for (const int code : codes) std::printf("  ended with %-3d     %lld\n", code, view.by_end_code[code]);
    std::printf("  of them counter-calls %lld\n", view.counter_calls);
    std::printf("invariant checks:    %lld\n", view.checks);
    std::printf("invariant failures:  %lld\n", view.invariant_failures);
    std::printf("internal errors:     %lld\n", view.internal_errors);
    std::printf("hands per second:    %.0f\n", per_second);
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
