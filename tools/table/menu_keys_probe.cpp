// Whether the table's menus answer the keyboard at every moment of an
// auto-played match, result windows included. Run under an X server (Xvfb
// will do) with xdotool installed: twelve times, at spread-out moments, it
// types Alt+G through the X server as a user would and looks whether the
// game menu opened.
//
//   menu_keys_probe [SHARE_DIR]        -> one line per press, then "12 of 12 opened"
//   menu_keys_probe SHARE_DIR quit [HOME] -> "ぴるく の終了" in the middle of a hand
//                                         played by hand (no xdotool needed); the exit
//                                         status is the program's. With HOME the files
//                                         go where the program run with that HOME finds
//                                         them, so that it offers the match kept.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "app/PlayingTable.h"
#include "app/ProgramEnd.h"
#include "config/ProgramPaths.h"
#include "config/SettingsStore.h"
#include "engine/Clock.h"
#include "engine/Random.h"
#include "members/MemberDecision.h"
#include "scoring/MemberFiles.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/scoring/HandResultDialog.h"
#include "gui/table/TableWindow.h"
#include "state/GameState.h"

using namespace winpiruk;

namespace {

constexpr int kPresses = 12;

bool ResultWindowShown(const TableWindow& table) {
  for (const HandResultDialog* result : table.findChildren<HandResultDialog*>()) {
    if (result->isVisible()) return true;
  }
  return false;
}

class Probe : public QObject {
 public:
  explicit Probe(TableWindow& table) : table_(table) {
    QTimer::singleShot(1500, this, [this] { Press(); });
  }

 private:
  void Press() {
    result_shown_ = ResultWindowShown(table_);
    QProcess::startDetached(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+g")});
    QTimer::singleShot(400, this, [this] { Look(); });
  }

  void Look() {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    const bool opened = menu != nullptr && menu->objectName() == QStringLiteral("gameMenu");
    opened_ += opened ? 1 : 0;
    ++presses_;
    std::printf("press %2d: game menu %s%s\n", presses_, opened ? "opened" : "did not open",
                result_shown_ ? " (a hand result window was on screen)" : "");
    std::fflush(stdout);
    if (menu != nullptr) menu->close();
    if (presses_ == kPresses) {
      std::printf("%d of %d opened\n", opened_, kPresses);
      QApplication::exit(opened_ == kPresses ? 0 : 1);
      return;
    }
    QTimer::singleShot(300 + 170 * presses_, this, [this] { Press(); });
  }

  TableWindow& table_;
  bool result_shown_ = false;
  int presses_ = 0;
  int opened_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString share = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                 : QCoreApplication::applicationDirPath() + QStringLiteral("/../share/winpiruk");
  const bool quit_mode = argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("quit");
  QTemporaryDir scratch;
  const std::string home = argc > 3 ? argv[3] : scratch.path().toStdString();
  const ProgramPaths paths{share.toStdString(), home + "/.config/winpiruk", home + "/.local/share/winpiruk"};
  StandardRandom random(7);
  const SystemClock clock;
  GameState state;
  state.settings = DefaultSettings(paths.program_directory);
  state.settings.DataFileDirectory = paths.program_directory;
  state.settings.GameSpeed = 2;  // 速い
  state.settings.NumberOfGames = 10;
  state.window.SpeedCount = 100;
  QtSettingsHost host(nullptr);
  WriteSettings(state, paths, host);
  ReadMemberFiles(state, paths);
  // The user and three members of the first group, as the member window seats them.
  state.match.SeatMember = {1, 3, 5, 7};
  for (int seat = 0; seat < kSeats; ++seat) {
    state.match.SeatName[seat] = state.members.MemberName[1][state.match.SeatMember[seat]];
  }
  StartMatch(state, clock.Now().SecondsSinceMidnight());
  state.table.Dealer = 1;
  // Played by hand when quitting: the match is kept at the user's turn.
  state.table.AutoPlay = !quit_mode;
  state.match.MatchInProgress = true;

  PlayingTable playing(state, paths, random, clock);
  TableWindow& table = playing.window();
  table.SetProgramEnding(TableProgramEnding(table, state, paths, playing.keeper()));
  table.show();
  table.activateWindow();
  table.PrepareMatch();
  if (quit_mode) {
    QElapsedTimer since_quit;
    QTimer::singleShot(2500, &table, [&] {
      std::printf("quit chosen with the game %s\n", state.table.EngineRunning ? "in the middle of a step" : "waiting");
      since_quit.start();
      table.findChild<QAction*>(QStringLiteral("quitAction"))->trigger();
    });
    const int status = QApplication::exec();
    std::printf("event loop ended %lld ms after the quit, status %d\n", since_quit.elapsed(), status);
    return status;
  }
  Probe probe(table);
  return QApplication::exec();
}
