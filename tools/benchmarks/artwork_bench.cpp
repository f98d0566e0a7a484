// Drawing the 52 card faces afresh at the table's pixel size (zoom times the
// screen's pixel ratio), as a maximised table or a 200 % desktop needs them.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <memory>

#include "artwork/CardFaces.h"

namespace {

// Fonts need the application object; the pictures are drawn off screen.
void EnsureApplication() {
  static int argc = 1;
  static char name[] = "artwork_bench";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> app;
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  app = std::make_unique<QGuiApplication>(argc, argv);
}

// One iteration draws all 52 faces at the scale given in tenths.
void BM_DrawAllFaces(benchmark::State& state) {
  EnsureApplication();
  const double scale = static_cast<double>(state.range(0)) / 10.0;
  for (auto _ : state) {
    for (int code = 1; code <= 52; ++code) benchmark::DoNotOptimize(winpiruk::artwork::DrawCardFace(code, scale));
  }
  state.SetItemsProcessed(state.iterations() * 52);
}
BENCHMARK(BM_DrawAllFaces)->Arg(10)->Arg(20)->Arg(22)->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace
