#pragma once
// What the runner prints: one JSON object, or lines for a person.
#include <cstdint>
#include <string>

#include "analysis/Analysis.h"

namespace winpiruk::runner {

struct RunReport {
  const analysis::Outcome& outcome;
  uint32_t seed = 1;
  std::string rules;
  bool whole_matches = false;
  bool figures = false;  // the figures of the run too
  double per_second = 0;  // hands, or matches for whole matches
  double hands_per_second = 0;
  double cpu_seconds = 0;
  double wall_seconds = 0;
  bool ok = false;
};

std::string JsonReport(const RunReport& report);
std::string TextReport(const RunReport& report);

}  // namespace winpiruk::runner
