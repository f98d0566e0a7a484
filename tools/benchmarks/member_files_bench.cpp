// Reading and writing the two member files: the encoding alone, the
// decoding alone, and the whole write and read through a real folder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "scoring/MemberFiles.h"

namespace {

using namespace winpiruk;

GameState PlayedTable() {
  GameState state;
  DecodeMemberNames(std::nullopt, state.members);
  DecodeMemberData(std::nullopt, state.members);
  for (int g = 1; g <= kGroups; ++g) {
    for (int m = 1; m <= kMembersPerGroup; ++m) {
      state.members.MemberName[g][m] = "対戦相手の名前" + std::to_string(g * 10 + m);
      state.members.MemberPoints[g][m] = static_cast<int16_t>((g * 997 + m * 131) % 3000 - 1000);
      for (int k = 0; k < kMemberStats; ++k)
        state.members.MemberStats[g][m][k] = static_cast<int16_t>(g * 1000 + m * 37 + k);
    }
  }
  return state;
}

// A scratch data folder for the file benchmarks, removed afterwards.
struct ScratchPaths {
  ScratchPaths() {
    std::string pattern = (std::filesystem::temp_directory_path() / "winpiruk-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    paths = ProgramPaths{pattern, pattern, pattern + "/data"};
  }
  ~ScratchPaths() {
    std::error_code ec;
    std::filesystem::remove_all(paths.program_directory, ec);
  }
  ProgramPaths paths;
};

void BM_EncodeMemberFiles(benchmark::State& bench) {
  const GameState state = PlayedTable();
  for (auto _ : bench) {
    benchmark::DoNotOptimize(EncodeMemberNames(state.members));
    benchmark::DoNotOptimize(EncodeMemberData(state.members));
  }
}
BENCHMARK(BM_EncodeMemberFiles);

void BM_DecodeMemberFiles(benchmark::State& bench) {
  const GameState state = PlayedTable();
  const std::string names = EncodeMemberNames(state.members);
  const std::string data = EncodeMemberData(state.members);
  MemberTable table{};
  for (auto _ : bench) {
    DecodeMemberNames(names, table);
    DecodeMemberData(data, table);
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_DecodeMemberFiles);

void BM_WriteMemberFiles(benchmark::State& bench) {
  const GameState state = PlayedTable();
  const ScratchPaths scratch;
  for (auto _ : bench) {
    if (!WriteMemberFiles(state, scratch.paths)) bench.SkipWithError("write failed");
  }
}
BENCHMARK(BM_WriteMemberFiles)->Unit(benchmark::kMicrosecond);

void BM_ReadMemberFiles(benchmark::State& bench) {
  GameState state = PlayedTable();
  const ScratchPaths scratch;
  if (!WriteMemberFiles(state, scratch.paths)) std::abort();
  for (auto _ : bench) {
    ReadMemberFiles(state, scratch.paths);
    benchmark::DoNotOptimize(state.members);
  }
}
BENCHMARK(BM_ReadMemberFiles)->Unit(benchmark::kMicrosecond);

}  // namespace
