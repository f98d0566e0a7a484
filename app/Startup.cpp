#include "app/Startup.h"

#include <QScreen>
#include <QTimer>

#include "app/KeptMatchOffer.h"
#include "app/PlayingTable.h"
#include "app/ProgramEnd.h"
#include "config/SettingsStore.h"
#include "gui/start/SplashWindow.h"
#include "engine/Durations.h"
#include "scoring/MemberFiles.h"
#include "gui/table/TableWindow.h"
#include "sound/AudioModule.h"
#include "gui/common/Awaiting.h"
#include "gui/common/FirstPaint.h"
#include "gui/common/Messages.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/common/Twips.h"
#include "gui/common/WindowPlacement.h"

namespace winpiruk {
namespace {

// Where the table opens: where it was left at the last quit, else at the
// bounds the settings file holds, else at the design size; at the design
// size too when its background picture could not be read.
void PlaceTable(TableWindow& window, const Settings& settings, bool apply_saved_bounds) {
  if (apply_saved_bounds && window.PlaceAtLastPlace()) return;
  if (apply_saved_bounds && settings.MainWindowWidth != 0 && settings.MainWindowHeight != 0) {
    window.PlaceAtSavedBounds();
    return;
  }
  window.PlaceAtDesignSize();
}

}  // namespace
std::unique_ptr<PlayingTable> RunStartup(GameState& state, const ProgramPaths& paths, StandardRandom& random,
                                  const Clock& clock) {
  state.settings.CardKind = 0;
  state.window.CardBackShown = 0;
  state.window.MainWindowBaseWidth = 0;
  state.window.MainWindowBaseHeight = 0;
  // The rule set last opened is known for the run only: every new game
  // reads the settings again but keeps it.
  state.SettingsBaseName.clear();
  state.RuleSetDirectory.clear();

  SplashWindow splash;
  splash.setCursor(Qt::WaitCursor);
  splash.adjustSize();
  CentreOnScreen(splash);
  splash.show();
  splash.repaint();
  // The loop runs once, so that the banner is on screen before the settings
  // are read and their questions asked.
  AwaitTimeout(0);

  QtSettingsHost host(&splash);
  if (ReadSettings(state, paths, host) == ReadSettingsOutcome::Quit) return nullptr;
  ReportDamagedMemberFiles(&splash, ReadMemberFiles(state, paths));

  // The speed unit is a fixed span of real time: nothing to measure.
  state.window.SpeedCount = kDefaultSpeedUnitMs;

  auto table = std::make_unique<PlayingTable>(state, paths, random, clock);
  TableWindow* main_window = &table->window();
  main_window->SetProgramEnding(TableProgramEnding(*main_window, state, paths, table->keeper()));
  main_window->CheckPlayModeMenu(state.table.AutoPlay);
  state.window.MainWindowBaseWidth = static_cast<int16_t>(TwipsFromPixels(main_window->width()));
  state.window.MainWindowBaseHeight = static_cast<int16_t>(TwipsFromPixels(main_window->height()));

  bool apply_saved_bounds = true;
  if (!state.settings.GameWallPaper.empty() &&
      !main_window->LoadPictureSource(QString::fromStdString(state.settings.GameWallPaper))) {
    // Without its picture the table opens at its designed place.
    state.settings.GameWallPaper.clear();
    apply_saved_bounds = false;
  }
  PlaceTable(*main_window, state.settings, apply_saved_bounds);
  splash.hide();
  main_window->show();
  // The sound system's libraries and the music's files and sound font take
  // a while to load: the table is on screen first. With sound off the sound
  // system waits until a sound is wanted.
  AfterFirstPaint(main_window, [window = main_window, &state] {
    if (state.settings.SoundMode != 0) Audio();
    window->music().OpenAndPlayInBackground();
  });
  // A match the program was ended in is offered once the table is there.
  QTimer::singleShot(0, main_window, [playing = table.get(), &state, paths, &random] {
    RunAwaiting([playing, &state, paths, &random] { OfferKeptMatch(*playing, state, paths, random); });
  });
  return table;
}

}  // namespace winpiruk
