#include "analysis/Analysis.h"

#include <algorithm>
#include <thread>

namespace winpiruk::analysis {

// Stands in for the analysis until its workers are built in: it plays
// nothing and says so, so that callers link and report an empty run.
Outcome Run(const Request&, const std::atomic<bool>&, Progress*) {
  Outcome outcome;
  outcome.cancelled = true;
  outcome.failure_notes.emplace_back("the analysis is not built in");
  return outcome;
}

int CoresOfThisMachine() { return static_cast<int>(std::max(1U, std::thread::hardware_concurrency())); }

}  // namespace winpiruk::analysis
