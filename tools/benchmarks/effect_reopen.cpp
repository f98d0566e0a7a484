// How long an effect takes to start after a silence, when the audio device
// must be opened again, against one started while the device is open.
//   winpiruk-effect-reopen WAVE_FILE [ROUNDS]
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "sound/AudioDevice.h"
#include "sound/Sound.h"

namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

double TimedPlay(winpiruk::EffectPlayer& player, const char* file) {
  QElapsedTimer clock;
  clock.start();
  player.PlayEffect(file, true);
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s WAVE_FILE [ROUNDS]\n", argv[0]);
    return 2;
  }
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 9;
  winpiruk::EffectPlayer player;
  TimedPlay(player, argv[1]);  // reads the file once
  std::vector<double> reopened, open;
  for (int round = 0; round < rounds; ++round) {
    QDeadlineTimer limit(10000);
    while (winpiruk::AudioDevice::DeviceOpen() && !limit.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    reopened.push_back(TimedPlay(player, argv[1]));
    open.push_back(TimedPlay(player, argv[1]));
  }
  std::printf("first effect after a silence: median %.2f ms (device open: %.2f ms), driver %s\n", Median(reopened),
              Median(open), player.Driver().c_str());
  return 0;
}
