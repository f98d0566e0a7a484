// winpiruk-runner: plays hands headless with all four seats driven by the
// computer player (seat 0 through the auto-play), checking the table after
// every move.
//
//   winpiruk-runner [--hands N | --matches N] [--seed S] [--rules FILE] [--yakitori N] [--threads N] [--figures]
//                   [--json]
//
// With --matches the engine scores every hand and settles every match (member
// files in a scratch folder), and the runner checks that the points move as a
// zero-sum game and the statistics as the endings say; --hands plays unscored.
// The run is cut into chunks played on --threads threads (all cores unless
// told); the results of a seed are the same whatever the number of threads.
// --figures adds how the hands end, their length, the points by seat, the
// discards by rank and for matches the final points and wins.
#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "Report.h"
#include "analysis/Analysis.h"
#include "config/SettingsStore.h"
#include "state/Settings.h"

namespace winpiruk::runner {
namespace {

struct Options {
  long long hands = 1000;
  long long matches = 0;  // whole matches instead of hands when above 0
  uint32_t seed = 1;
  std::string rules;
  int yakitori = -1;  // -1: as the rules say
  long long threads = 0;  // 0: every core
  bool figures = false;
  bool json = false;
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
  std::fprintf(stderr,
               "usage: winpiruk-runner [--hands N | --matches N] [--seed S] [--rules FILE] [--yakitori N] [--threads N] "
               "[--figures] [--json]\n"
               "  --yakitori N the yakitori size 0..4 in place of the rules' own\n"
               "  --threads N  threads to play on (default and 0: every core)\n"
               "  --figures    add the figures of the run (JSON key \"figures\")\n"
               "  hands_per_second: on one thread, hands per second of the process's processor time;\n"
               "                    on more (a run longer than one chunk of 25000 hands or 2500 matches),\n"
               "                    hands per second of elapsed time\n");
  return 2;
}

int Run(const Options& options) {
  analysis::Request request;
  request.rules = DefaultSettings("");
  if (!options.rules.empty() && !LoadSettingsFile(options.rules, request.rules)) {
    std::fprintf(stderr, "winpiruk-runner: cannot read rules file %s\n", options.rules.c_str());
    return 2;
  }
  if (options.yakitori >= 0) request.rules.YakitoriMode = static_cast<int16_t>(options.yakitori);
  request.whole_matches = options.matches > 0;
  request.count = request.whole_matches ? options.matches : options.hands;
  request.seed = options.seed;
  request.threads = static_cast<int>(std::min<long long>(options.threads, INT_MAX));

  const std::atomic<bool> never{false};
  const double cpu_start = ProcessorSeconds();
  const auto start = std::chrono::steady_clock::now();
  const analysis::Outcome outcome = analysis::Run(request, never, nullptr);
  const double wall_seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double cpu_seconds = ProcessorSeconds() - cpu_start;

  // On one thread speed is measured on processor time, so that other work on
  // the machine does not count against it; threads share the cores with that
  // work, so on more only elapsed time says what they achieved together.
  const long long per_chunk = request.whole_matches ? analysis::kMatchesPerChunk : analysis::kHandsPerChunk;
  const int threads = request.threads > 0 ? request.threads : analysis::CoresOfThisMachine();
  const bool threaded = threads > 1 && request.count > per_chunk;  // one chunk plays on one thread
  const double seconds = threaded ? wall_seconds : cpu_seconds;
  const auto rate = [seconds](long long n) { return seconds > 0 ? static_cast<double>(n) / seconds : 0.0; };
  const analysis::Figures& f = outcome.figures;
  const long long done = request.whole_matches ? f.matches : f.hands;
  RunReport report{outcome, options.seed, options.rules, request.whole_matches, options.figures,
                   rate(done),  rate(f.hands), cpu_seconds, wall_seconds, outcome.ok() && done >= request.count};
  const std::string text = options.json ? JsonReport(report) + "\n" : TextReport(report);
  std::fputs(text.c_str(), stdout);
  return report.ok ? 0 : 1;
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
    } else if (arg == "--yakitori" && has_value) {
      long long size = 0;
      if (!winpiruk::runner::ParseCount(argv[++i], size) || size > 4) return winpiruk::runner::Usage();
      options.yakitori = static_cast<int>(size);
    } else if (arg == "--figures") {
      options.figures = true;
    } else if (arg == "--threads" && has_value) {
      if (!winpiruk::runner::ParseCount(argv[++i], options.threads)) return winpiruk::runner::Usage();
    } else if (arg == "--rules" && has_value) {
      options.rules = argv[++i];
    } else {
      return winpiruk::runner::Usage();
    }
  }
  return winpiruk::runner::Run(options);
}
