// Reading and writing the settings file: the text form alone, and the whole
// trip through the disk (the write is flushed, as the program does it).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "config/SafeFile.h"
#include "config/SettingsFile.h"

namespace {

using namespace winpiruk;

Settings Sample() {
  Settings s = DefaultSettings("/usr/local/share/winpiruk");
  s.DataFileDirectory = "/home/player/カード";
  for (int i = 1; i <= 10; ++i) s.BgmList[i] = "/home/player/曲/" + std::to_string(i) + ".mid";
  s.BgmCount = 10;
  return s;
}

void BM_EncodeSettings(benchmark::State& state) {
  const Settings s = Sample();
  for (auto _ : state) benchmark::DoNotOptimize(EncodeSettingsFile(s));
}
BENCHMARK(BM_EncodeSettings);

void BM_ParseSettings(benchmark::State& state) {
  const std::string bytes = EncodeSettingsFile(Sample());
  for (auto _ : state) {
    Settings s = DefaultSettings("/usr/local/share/winpiruk");
    benchmark::DoNotOptimize(ApplySettingsText(bytes, s));
  }
}
BENCHMARK(BM_ParseSettings);

std::string ScratchFile() {
  std::string dir = "/tmp/winpiruk-bench-XXXXXX";
  if (::mkdtemp(dir.data()) == nullptr) std::abort();
  return dir + "/WinPiruk.ini";
}

void BM_ReadSettingsFile(benchmark::State& state) {
  const std::string path = ScratchFile();
  WriteFileAtomically(path, EncodeSettingsFile(Sample()));
  for (auto _ : state) {
    Settings s = DefaultSettings("/usr/local/share/winpiruk");
    ApplySettingsFile(path, s);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_ReadSettingsFile);

void BM_WriteSettingsFile(benchmark::State& state) {
  const std::string path = ScratchFile();
  const Settings s = Sample();
  for (auto _ : state) benchmark::DoNotOptimize(WriteFileAtomically(path, EncodeSettingsFile(s)));
}
BENCHMARK(BM_WriteSettingsFile)->Unit(benchmark::kMicrosecond);

}  // namespace
