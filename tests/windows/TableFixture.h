#pragma once
// A main window over its own state and scratch folders, with the program's
// pictures, for the table's window tests.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <QFile>

#include "DialogAnswers.h"
#include "config/SettingsStore.h"
#include "engine/Clock.h"
#include "engine/Random.h"
#include "state/GameState.h"
#include "state/Settings.h"
#include "support/ScriptedSettingsHost.h"
#include "support/StoppedClock.h"
#include "support/TempDir.h"
#include "gui/table/TableWindow.h"

namespace winpiruk::test {

inline std::string ShareDir() {
  const char* dir = std::getenv("WINPIRUK_SHARE_DIR");
  return dir != nullptr ? dir : "share/winpiruk";
}

struct TableFixture {
  TempDir dir;
  GameState state;
  ProgramPaths paths;
  // The table's random source and clock: the program's generator, on the
  // time of day or on a clock that stands still.
  StandardRandom random;
  std::unique_ptr<const Clock> clock;
  std::unique_ptr<TableWindow> window;

  // With `dealt_at`, the table's clock stands still at that time, so the
  // match plays the same cards every run.
  explicit TableFixture(const std::function<void(GameState&)>& prepare = {},
                        std::optional<TimeOfDay> dealt_at = std::nullopt) {
    paths = ProgramPaths{ShareDir(), dir.path() + "/config", dir.path() + "/data"};
    state.settings = DefaultSettings(paths.program_directory);
    state.settings.DataFileDirectory = ShareDir();
    state.settings.GameSpeed = 3;
    state.SpeedCount = 10;
    for (int seat = 0; seat < kSeats; ++seat) {
      static const char* const kNames[] = {"あなた", "ｺﾝﾋﾟｭｰﾀ1", "ｺﾝﾋﾟｭｰﾀ2", "ｺﾝﾋﾟｭｰﾀ3"};
      state.SeatName[seat] = kNames[seat];
    }
    if (prepare) prepare(state);
    // The member and dealer window reads the settings again: give it ours.
    ScriptedHost host;
    WriteSettings(state, paths, host);
    if (dealt_at) {
      clock = std::make_unique<StoppedClock>(*dealt_at);
    } else {
      clock = std::make_unique<SystemClock>();
    }
    window = std::make_unique<TableWindow>(state, paths, random, *clock);
  }

  std::string SettingsText() const {
    QFile file(QString::fromStdString(paths.SettingsFile()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
  }
};

}  // namespace winpiruk::test
