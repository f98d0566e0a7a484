// Starting with a damaged file whose one line is giant: the settings file
// with a 50 MB value, the names file with a 1 GB name. Each is written once
// to a scratch folder and read as the start-up reads it. Peak memory is
// measured from outside (for example /usr/bin/time -v with a filter).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "config/SettingsFile.h"
#include "scoring/MemberFiles.h"

namespace {

using namespace winpiruk;

class ScratchFolder {
 public:
  ScratchFolder() {
    path_ = "/tmp/winpiruk-giant-XXXXXX";
    if (::mkdtemp(path_.data()) == nullptr) std::abort();
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Writes `size` bytes of `c` a megabyte at a time, so that making the file
// does not itself hold it in memory.
void WriteRun(std::ofstream& out, int64_t size, char c) {
  const std::string piece(1 << 20, c);
  for (int64_t left = size; left > 0; left -= static_cast<int64_t>(piece.size())) {
    out.write(piece.data(), std::min<int64_t>(left, static_cast<int64_t>(piece.size())));
  }
}

void BM_StartWithGiantSettingsLine(benchmark::State& state) {
  const ScratchFolder folder;
  const std::string path = folder.path() + "/WinPiruk.ini";
  {
    std::ofstream out(path, std::ios::binary);
    out << "GameWallPaper =/";
    WriteRun(out, state.range(0), 'w');
    out << "\r\n" << EncodeSettingsFile(DefaultSettings("/usr/share/winpiruk"));
  }
  for (auto _ : state) {
    Settings s = DefaultSettings("/usr/share/winpiruk");
    if (!ApplySettingsFile(path, s)) state.SkipWithError("settings file not read");
    benchmark::DoNotOptimize(s);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StartWithGiantSettingsLine)->Arg(50 << 20)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StartWithGiantMemberName(benchmark::State& state) {
  const ScratchFolder folder;
  const ProgramPaths paths{folder.path(), folder.path(), folder.path()};
  {
    std::ofstream out(paths.DataFile(kMemberNamesFile), std::ios::binary);
    out << kMemberFileHeader << "\r\n";
    WriteRun(out, state.range(0), 'n');
    out << "\r\n";
    for (int n = 11; n <= 59; ++n) out << "No." << n << "\r\n";
  }
  for (auto _ : state) {
    GameState game;
    ReadMemberFiles(game, paths);
    benchmark::DoNotOptimize(game.members);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StartWithGiantMemberName)->Arg(int64_t{1} << 30)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
