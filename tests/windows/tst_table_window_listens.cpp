// The table listens while the engine runs: input that arrives during a pause
// waits its turn instead of being lost, a click queued during the computer
// seats' moves never plays a card out of turn, and a question of the program
// holds the user's time limit for as long as it is open.
#include <QElapsedTimer>
#include <QtTest>

#include "WindowSuites.h"
#include "DialogAnswers.h"
#include "QueuedInput.h"
#include "TableFixture.h"
#include "engine/Engine.h"
#include "gui/common/SuspendableRun.h"

using namespace winpiruk;
using namespace winpiruk::test;

namespace {

// With this time of day the first hand reaches an ordinary turn of the user's
// (the clock stands still, so every run deals the same cards; in the year 2000
// the member window's later reseed gives the seed it started with).
const TimeOfDay kDealtAt{2000, 10, 17, 23};

bool UsersTurn(const GameState& s) {
  return !s.table.EngineRunning && s.table.AwaitingUser && s.table.HandPhase == kHandInPlay && s.table.TurnPhase == kTurnFirstAction;
}

bool WaitingForTheUser(const GameState& s) {
  return !s.table.EngineRunning && s.table.AwaitingUser && s.table.HandPhase != kHandNotDealt;
}

// Shows the table and plays into the first hand up to the user's turn.
bool StartMatch(TableFixture& f) {
  TableWindow& w = *f.window;
  w.show();
  ModalDriver driver([](QWidget* modal) { return AnswerAsPlayer(modal); });
  Action(w, "newGameAction")->trigger();
  if (!QTest::qWaitFor([&] { return UsersTurn(f.state); }, 30000)) return false;
  // Shortcuts reach only the active window.
  w.activateWindow();
  return QTest::qWaitForWindowActive(&w);
}

// Calls `act` once, from inside whatever loop runs when `when` first holds.
class WhenInside : public QObject {
 public:
  WhenInside(std::function<bool()> when, std::function<void()> act)
      : when_(std::move(when)), act_(std::move(act)) {
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, [this] {
      if (!when_()) return;
      timer_.stop();
      act_();
    });
    timer_.start();
  }

 private:
  std::function<bool()> when_;
  std::function<void()> act_;
  QTimer timer_;
};

}  // namespace

class TableWindowListensTest : public QObject {
  Q_OBJECT

 private slots:
  void menuIsReachedByKeysDuringAnAutoPlayedMatchAtTheSlowestSpeed() {
    TableFixture f(
        [](GameState& s) {
          s.settings.GameSpeed = 0;
          s.settings.DoOtherTasks = 0;
          s.settings.NumberOfGames = 10;
          s.window.SpeedCount = 100;  // a speed unit as start-up measures it
        },
        kDealtAt);
    TableWindow& w = *f.window;
    QVERIFY(StartMatch(f));
    {
      ModalDriver driver([](QWidget* modal) { return AnswerAsPlayer(modal); });
      Action(w, "autoPlayAction")->trigger();  // its notice: the first move is still the user's
      QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    }
    QVERIFY(Action(w, "autoPlayAction")->isChecked());
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    // Alt+G, M, M typed while the auto-player is in the pause before its
    // decision, a pause that holds input back.
    QElapsedTimer since_typed;
    bool typed_inside_pause = false;
    WhenInside typing([&] { return f.state.table.AutoPlay && f.state.table.AwaitingUser && SuspendableRun::SuspendedCount() > 0; },
                      [&] {
                        typed_inside_pause = f.state.table.EngineRunning;
                        QueueKey(&w, Qt::Key_G, Qt::AltModifier);
                        QueueKey(&w, Qt::Key_M, Qt::NoModifier, QStringLiteral("m"));
                        QueueKey(&w, Qt::Key_M, Qt::NoModifier, QStringLiteral("m"));
                        since_typed.start();
                      });
    qint64 taken_after_ms = -1;
    bool taken_while_engine_ran = false;
    WhenInside watching([&] { return since_typed.isValid() && !f.state.table.AutoPlay; },
                        [&] {
                          taken_after_ms = since_typed.elapsed();
                          taken_while_engine_ran = f.state.table.EngineRunning;
                        });
    ModalDriver driver([](QWidget* modal) { return AnswerAsPlayer(modal); });
    QTimer::singleShot(0, &w, [&] { QTest::mouseClick(PositionPicture(w.view().widgets(), kPosDrawPile), Qt::LeftButton); });
    // Keys that were lost would leave the auto-player running match after
    // match inside the click: stop it from here so the test fails instead.
    bool keys_lost = false;
    QTimer::singleShot(30000, &w, [&] {
      if (!f.state.table.AutoPlay) return;
      keys_lost = true;
      Action(w, "manualPlayAction")->trigger();
    });

    QTRY_VERIFY_WITH_TIMEOUT(!f.state.table.AutoPlay && WaitingForTheUser(f.state), 60000);
    QVERIFY(!keys_lost);
    QVERIFY(typed_inside_pause);
    QVERIFY(taken_while_engine_ran);
    qInfo("manual play chosen by keys took effect after %lld ms", taken_after_ms);
    QVERIFY(Action(w, "manualPlayAction")->isChecked());
    QVERIFY(!w.windowTitle().contains(QStringLiteral("[自動実行モード]")));
    // The next move is the user's: the table waits for it.
    const auto hands = f.state.table.Hands;
    QTest::qWait(1500);
    QVERIFY(WaitingForTheUser(f.state));
    QCOMPARE(f.state.table.Hands, hands);
  }

  void clickQueuedDuringAPauseNeverPlaysACardOutOfTurn() {
    TableFixture f(
        [](GameState& s) {
          s.settings.DoOtherTasks = 0;
          s.settings.NumberOfGames = 10;
        },
        kDealtAt);
    TableWindow& w = *f.window;
    QVERIFY(StartMatch(f));
    const auto before = f.state.table.Hands[0];
    const int count = before[kHandCount];
    const int hand = f.state.table.HandNumber;

    // Clicks on the first card reach it only while the engine runs.
    int clicks_seen = 0;
    int clicks_while_running = 0;
    class ClickCount : public QObject {
     public:
      explicit ClickCount(std::function<void()> seen) : seen_(std::move(seen)) {}

     protected:
      bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) seen_();
        return false;
      }

     private:
      std::function<void()> seen_;
    } counter([&] {
      ++clicks_seen;
      if (f.state.table.EngineRunning) ++clicks_while_running;
    });
    PositionPicture(w.view().widgets(), 1)->installEventFilter(&counter);

    // The user draws; during the card's flight (a pause that holds input
    // back) the first card of the hand is clicked.
    WhenInside clicking([&] { return f.state.table.EngineRunning && SuspendableRun::SuspendedCount() > 0; },
                        [&] { QueueClick(PositionPicture(w.view().widgets(), 1)); });
    QTest::mouseClick(PositionPicture(w.view().widgets(), kPosDrawPile), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(UsersTurn(f.state), 30000);

    QCOMPARE(clicks_seen, 1);
    QCOMPARE(clicks_while_running, 1);
    QCOMPARE(f.state.table.HandNumber, hand);
    // Every card the user held is still there, with the one drawn.
    const auto& after = f.state.table.Hands[0];
    QCOMPARE(int(after[kHandCount]), count + 1);
    for (int p = 1; p <= count; ++p) QCOMPARE(after[p], before[p]);
  }

  void questionHeldOpenPastTheTimeLimitCostsNoCard() {
    TableFixture f(
        [](GameState& s) {
          s.settings.RestrictTime = 1;  // three seconds
          s.settings.NumberOfGames = 10;
        },
        kDealtAt);
    TableWindow& w = *f.window;
    QVERIFY(StartMatch(f));
    QVERIFY(TimeLimit(w)->isActive());
    const auto hands = f.state.table.Hands;
    const int16_t drawn = f.state.table.DrawIndex;
    const int16_t seconds_left = f.state.table.SecondsLeft;

    // "新規ゲーム" asks whether to give up the match; the user thinks it over
    // for longer than the whole limit, then keeps the match.
    QString question;
    bool timer_ran_while_asked = false;
    bool table_moved_while_asked = false;
    QElapsedTimer asked;
    ModalDriver thinking([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (box == nullptr) return false;
      if (!asked.isValid()) {
        asked.start();
        question = box->text();
      }
      timer_ran_while_asked |= TimeLimit(w)->isActive();
      table_moved_while_asked |= f.state.table.DrawIndex != drawn || f.state.table.Hands != hands;
      if (asked.elapsed() < 4500) return false;
      box->button(QMessageBox::No)->click();
      return true;
    });
    Action(w, "newGameAction")->trigger();
    // The question does not hold the loop: it is answered from it.
    QTRY_VERIFY_WITH_TIMEOUT(asked.isValid() && QApplication::activeModalWidget() == nullptr, 10000);

    QCOMPARE(question, QStringLiteral("現在進行中のゲームを破棄しますか？"));
    QVERIFY(!timer_ran_while_asked);
    QVERIFY(!table_moved_while_asked);
    QCOMPARE(f.state.table.DrawIndex, drawn);
    QCOMPARE(f.state.table.Hands, hands);
    QVERIFY(UsersTurn(f.state));
    // The count goes on from where it stood.
    QVERIFY(TimeLimit(w)->isActive());
    QCOMPARE(f.state.table.SecondsLeft, seconds_left);
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<TableWindowListensTest>();
#include "tst_table_window_listens.moc"
