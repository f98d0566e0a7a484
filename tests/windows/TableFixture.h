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
#include <QLabel>
#include <QMenu>
#include <vector>

#include "DialogAnswers.h"
#include "TableControls.h"
#include "config/SettingsStore.h"
#include "app/PlayingTable.h"
#include "engine/Clock.h"
#include "engine/Random.h"
#include "state/GameState.h"
#include "state/Settings.h"
#include "support/ScriptedSettingsHost.h"
#include "support/StoppedClock.h"
#include "support/TempDir.h"
#include "gui/table/QtTableView.h"
#include "gui/table/TableWidgets.h"
#include "gui/table/TableWindow.h"
#include "gui/common/SuspendableRun.h"

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
  std::unique_ptr<PlayingTable> table;
  TableWindow* window = nullptr;

  // With `dealt_at`, the table's clock stands still at that time, so the
  // match plays the same cards every run.
  explicit TableFixture(const std::function<void(GameState&)>& prepare = {},
                        std::optional<TimeOfDay> dealt_at = std::nullopt) {
    paths = ProgramPaths{ShareDir(), dir.path() + "/config", dir.path() + "/data"};
    state.settings = DefaultSettings(paths.program_directory);
    state.settings.DataFileDirectory = ShareDir();
    state.settings.GameSpeed = 3;
    state.window.SpeedCount = 10;
    for (int seat = 0; seat < kSeats; ++seat) {
      static const char* const kNames[] = {"あなた", "ｺﾝﾋﾟｭｰﾀ1", "ｺﾝﾋﾟｭｰﾀ2", "ｺﾝﾋﾟｭｰﾀ3"};
      state.match.SeatName[seat] = kNames[seat];
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
    table = std::make_unique<PlayingTable>(state, paths, random, *clock);
    window = &table->window();
  }

  // A command still waiting for a window over the table is stopped while
  // the table stands.
  ~TableFixture() { SuspendableRun::StopAll(); }
  TableFixture(const TableFixture&) = delete;
  TableFixture& operator=(const TableFixture&) = delete;

  std::string SettingsText() const {
    QFile file(QString::fromStdString(paths.SettingsFile()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
  }
};

// A widget of the table and the place the layout gives it.
struct Placed {
  QLabel* widget;
  TwipsRect place;
};

// The cards of the four seats and the piles, with their places.
inline std::vector<Placed> PlacedCards(TableWindow& w, const TableLayout& t) {
  const TableWidgets& widgets = w.view().widgets();
  std::vector<Placed> placed;
  for (int seat = 0; seat < kSeats; ++seat) {
    for (int p = 1; p <= kHandPositions; ++p) placed.push_back({widgets.handCards[seat][p], t.hand[seat][p]});
  }
  placed.push_back({widgets.drawPile, t.draw_pile});
  placed.push_back({widgets.discardPile, t.discard_pile});
  placed.push_back({widgets.secondCard, t.second_card});
  return placed;
}

// Every picture the layout places: the cards, the back design and the music.
inline std::vector<Placed> PlacedPictures(TableWindow& w, const TableLayout& t) {
  std::vector<Placed> placed = PlacedCards(w, t);
  placed.push_back({w.view().widgets().cardBack, t.draw_pile});
  placed.push_back({w.view().widgets().musicPicture, t.music});
  return placed;
}

// Every label of the table with its place.
inline std::vector<Placed> PlacedLabels(TableWindow& w, const TableLayout& t) {
  const TableWidgets& widgets = w.view().widgets();
  std::vector<Placed> placed;
  for (int seat = 0; seat < kSeats; ++seat) {
    placed.push_back({widgets.seatLabels[seat].name, t.seat_labels[seat].name});
    placed.push_back({widgets.seatLabels[seat].count, t.seat_labels[seat].count});
    placed.push_back({widgets.seatLabels[seat].score, t.seat_labels[seat].score});
  }
  placed.push_back({widgets.dealerChoiceLabel, t.dealer_choice});
  placed.push_back({widgets.reuseLabel, t.dealer_choice});
  placed.push_back({widgets.promptLabel, t.prompt});
  placed.push_back({widgets.extraNumberLabel, t.extra_number});
  for (int p = 1; p <= kHandPositions; ++p) placed.push_back({widgets.handKeyGuides[p], t.hand_guide[p]});
  placed.push_back({widgets.drawPileGuide, t.draw_guide});
  placed.push_back({widgets.discardPileGuide, t.discard_guide});
  placed.push_back({widgets.secondCardGuide, t.second_guide});
  return placed;
}

}  // namespace winpiruk::test
