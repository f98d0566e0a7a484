// Resizes a table with a match on it around the maximised size, step by
// step as a drag does, and reports the time from the resize to the painted
// window for each step. Run it on the screen to be measured, e.g.
//   table_resize_bench [share folder] [steps]
// under xvfb-run or with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/PlayingTable.h"
#include "engine/Clock.h"
#include "engine/Random.h"
#include "gui/table/QtTableView.h"
#include "gui/table/TableWindow.h"
#include "state/GameState.h"

using namespace winpiruk;

namespace {

// Nine cards in every hand, the piles and the arrow: the fullest table.
void ShowFullTable(TableWindow& w, GameState& state) {
  state.match.MatchInProgress = true;
  state.table.HandPhase = kHandInPlay;
  for (int seat = 0; seat < kSeats; ++seat) {
    state.match.SeatName[seat] = "No." + std::to_string(seat + 10);
    state.table.Hands[seat] = {};
    state.table.Hands[seat][kHandCount] = 9;
    for (int p = 1; p <= 9; ++p) state.table.Hands[seat][p] = static_cast<int16_t>(seat * 13 + p);
  }
  w.PrepareMatch();
  for (int seat = 0; seat < kSeats; ++seat) w.view().ShowHand(seat);
  w.view().ShowDrawPile(true);
  w.view().ShowCard(kPosDiscardPile, 27);
  w.view().ShowArrow(0);
}

// The resident set in kilobytes, to see what the pictures of passing sizes cost.
long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

// One step of the drag: the new size laid out, then painted at once.
double StepMilliseconds(TableWindow& w, QSize size) {
  QElapsedTimer timer;
  timer.start();
  w.resize(size);
  for (int i = 0; i < 100 && w.size() != size; ++i) QApplication::processEvents();
  QApplication::sendPostedEvents();
  w.repaint();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void Report(std::vector<double> times, long rss_before, long rss_after) {
  std::sort(times.begin(), times.end());
  double sum = 0;
  for (double t : times) sum += t;
  const auto at = [&times](double share) { return times[static_cast<std::size_t>(share * (times.size() - 1))]; };
  std::printf("%zu resize steps around 1900 x 1040: mean %.2f ms, median %.2f ms, 95%% %.2f ms, max %.2f ms\n",
              times.size(), sum / static_cast<double>(times.size()), at(0.5), at(0.95), times.back());
  std::printf("resident memory %ld kB before, %ld kB after\n", rss_before, rss_after);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString share = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                 : QCoreApplication::applicationDirPath() + QStringLiteral("/../share/winpiruk");
  const int steps = argc > 2 ? std::max(2, std::atoi(argv[2])) : 200;
  QTemporaryDir scratch;
  ProgramPaths paths{share.toStdString(), scratch.path().toStdString() + "/config",
                     scratch.path().toStdString() + "/data"};
  GameState state;
  state.settings = DefaultSettings(paths.program_directory);
  state.settings.DataFileDirectory = paths.program_directory;
  StandardRandom random;
  SystemClock clock;
  PlayingTable table(state, paths, random, clock);
  TableWindow& w = table.window();
  w.resize(1900, 1040);
  w.show();
  for (int i = 0; i < 20; ++i) QApplication::processEvents();
  ShowFullTable(w, state);

  std::vector<double> times;
  const long rss_before = ResidentKilobytes();
  for (int step = 0; step < steps; ++step) {
    // A drag from the maximised size towards a smaller one and back, 3 pixels a step.
    const int shrink = 3 * (step % 100 < 50 ? step % 50 : 50 - step % 50);
    times.push_back(StepMilliseconds(w, QSize(1900 - shrink, 1040 - shrink / 2)));
  }
  Report(times, rss_before, ResidentKilobytes());
  return 0;
}
