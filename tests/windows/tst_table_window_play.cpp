// Playing on the table: a match started through the member and dealer
// window, a hand played with clicks and keys, refusals while the engine
// runs, and a whole match in auto-play up to the game end window.
#include <QElapsedTimer>
#include <QPushButton>
#include <QPointer>
#include <QtTest>

#include "WindowSuites.h"
#include "DialogAnswers.h"
#include "RunToEnd.h"
#include "TableFixture.h"
#include "engine/Engine.h"
#include "gui/members/SeatingDialog.h"
#include "gui/scoring/HandResultDialog.h"
#include "gui/scoring/MatchEndDialog.h"
#include "state/Cards.h"
#include "gui/table/QtTableView.h"

using namespace winpiruk;
using namespace winpiruk::test;

namespace {

bool Matches(int code, int top) {
  return DecodeCard(code).rank == DecodeCard(top).rank || DecodeCard(code).suit == DecodeCard(top).suit;
}

bool UsersTurn(const GameState& s) {
  return !s.table.EngineRunning && s.table.AwaitingUser && s.table.HandPhase == kHandInPlay && s.table.TurnPhase == kTurnFirstAction;
}

// The message box answered last.
QString last_message;

// The table's clock stands still at this time: every run deals the same
// cards, so a test meets the same hands each time (in the year 2000 the
// member window's later reseed gives the seed it started with).
const TimeOfDay kDealtAt{2000, 10, 17, 23};

bool StandardAnswers(QWidget* modal) { return AnswerAsPlayer(modal, &last_message); }

// The card positions of the user's hand that match the top of the pile, and
// those that do not.
void SplitHand(const GameState& s, QList<int>& playable, QList<int>& unplayable) {
  const int n = s.table.Hands[0][kHandCount];
  for (int p = 1; p <= n && p <= 9; ++p) {
    (Matches(s.table.Hands[0][p], s.table.TopDiscard) ? playable : unplayable) << p;
  }
}

// How a hand ended and where the match stands, as the hand result opens.
QString HandOutcome(const GameState& s) {
  QStringList scores;
  for (int seat = 0; seat < kSeats; ++seat) {
    scores << QString::fromStdString(s.match.SeatName[seat]) + u'=' + QString::number(s.match.Score[seat]);
  }
  return QStringLiteral("hand %1 dealer %2 end %3 winner %4 counter %5: %6")
      .arg(s.table.HandNumber)
      .arg(s.table.Dealer)
      .arg(s.table.HandEndCode)
      .arg(s.table.Winner)
      .arg(s.table.CounterCalled)
      .arg(scores.join(u' '));
}

// Calls back on every paint of a widget.
class PaintWatch : public QObject {
 public:
  PaintWatch(QWidget* widget, std::function<void()> painted) : painted_(std::move(painted)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted_();
    return false;
  }

 private:
  std::function<void()> painted_;
};

}  // namespace

class TableWindowPlayTest : public QObject {
  Q_OBJECT

 private slots:
  void matchStartsThroughTheMemberWindowAndIsPlayed() {
    TableFixture f([](GameState& s) {
      s.settings.NumberOfGames = 3;
      // The computer seats pause between moves, so the table is painted then.
      s.settings.GameSpeed = 1;
      // Plain cards only: every discard is one move.
      s.settings.SkipCard = 0;
      s.settings.PenaltyCard = 0;
      s.settings.MoreDropCard = 0;
      s.settings.InverseCard = 0;
    }, kDealtAt);
    TableWindow& w = *f.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(Action(w, "newGameAction")->isEnabled());

    int computer_moves_checked = 0;
    int keys_taken_while_busy = 0;
    // From the click to the discard pile painted with the card.
    QElapsedTimer since_click;
    QList<qint64> click_to_discard_us;
    int expected_discard = 0;
    bool awaiting_paint = false;
    PaintWatch watch(PositionPicture(w.view().widgets(), kPosDiscardPile), [&] {
      if (!awaiting_paint) return;
      awaiting_paint = false;
      click_to_discard_us << since_click.nsecsElapsed() / 1000;
    });
    w.view().on_card_shown = [&](int position) {
      if (position != kPosDiscardPile) return;
      if (expected_discard != 0 && f.state.table.TopDiscard == expected_discard && !awaiting_paint) {
        expected_discard = 0;
        awaiting_paint = true;
      }
      // A computer seat is moving: keys and picks must change nothing.
      if (!f.state.table.AwaitingUser && f.state.table.CurrentSeat != 0) {
        const auto hand = f.state.table.Hands[0];
        QTest::keyClick(&w, 'a');
        QTest::keyClick(&w, ' ');
        if (w.TypeKey(U'b')) ++keys_taken_while_busy;
        if (f.state.table.Hands[0] != hand) ++keys_taken_while_busy;
        ++computer_moves_checked;
      }
    };

    ModalDriver driver(StandardAnswers);
    Action(w, "newGameAction")->trigger();
    // The member window is answered while the loop goes on.
    QTRY_VERIFY(f.state.match.MatchInProgress);
    QCOMPARE(f.state.match.SeatName[0].empty(), false);

    // Play until the user has discarded by click, by key and been refused.
    bool refused_checked = false;
    bool clicked = false;
    bool typed = false;
    // The same hands every run: a bound on the user's turns, not on time.
    for (int turn = 0; turn < 100 && !(refused_checked && clicked && typed); ++turn) {
      QTRY_VERIFY_WITH_TIMEOUT(UsersTurn(f.state) || (f.state.table.HandPhase == kHandOpening && f.state.table.AwaitingUser), 20000);
      if (f.state.table.HandPhase == kHandOpening) {
        // The user deals: "J" keeps the own card.
        QTest::keyClick(&w, 'j');
        continue;
      }
      QVERIFY(w.windowTitle().startsWith(QStringLiteral("ぴるく  －")));
      QList<int> playable;
      QList<int> unplayable;
      SplitHand(f.state, playable, unplayable);
      if (!unplayable.isEmpty() && f.state.table.PenaltyPending == 0) {
        const auto before = f.state.table.Hands;
        const int top = f.state.table.TopDiscard;
        QTest::mouseClick(PositionPicture(w.view().widgets(), unplayable.first()), Qt::LeftButton);
        QCOMPARE(f.state.table.Hands, before);
        QCOMPARE(f.state.table.TopDiscard, top);
        QVERIFY(UsersTurn(f.state));
        refused_checked = true;
      }
      const int n = f.state.table.Hands[0][kHandCount];
      if (playable.isEmpty() || f.state.table.PenaltyPending != 0 || n < 2) {
        QTest::mouseClick(PositionPicture(w.view().widgets(), kPosDrawPile), Qt::LeftButton);  // draw instead
        continue;
      }
      const int position = playable.first();
      const int code = f.state.table.Hands[0][position];
      const int rank = DecodeCard(code).rank;
      // Cards with an effect of their own are left for other tests.
      if (rank == f.state.settings.MoreDropCard) {
        QTest::mouseClick(PositionPicture(w.view().widgets(), kPosDrawPile), Qt::LeftButton);
        continue;
      }
      expected_discard = code;
      since_click.start();
      if (!clicked) {
        QTest::mouseClick(PositionPicture(w.view().widgets(), position), Qt::LeftButton);
        clicked = true;
      } else {
        // The half-width kana of the key table pick as the letters do.
        static const char16_t kKana[] = u"ﾁｺｿｼｲﾊｷｸﾆ";
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(kKana[position - 1])));
        QApplication::sendEvent(&w, &press);
        typed = true;
      }
      // The card reached the discard pile (the engine may since have
      // played on, or ended the hand).
      QCOMPARE(expected_discard, 0);
    }
    QVERIFY(refused_checked && clicked && typed);
    QCOMPARE(keys_taken_while_busy, 0);
    QVERIFY(computer_moves_checked > 0);
    QString figures;
    for (qint64 us : click_to_discard_us) figures += QString::number(us) + QStringLiteral(" us ");
    qInfo("click to the discard pile painted: %s", qPrintable(figures));
    w.view().on_card_shown = nullptr;
  }

  void newGameIsRefusedInAutoPlayAndWhileTheEngineRuns() {
    TableFixture f([](GameState& s) { s.settings.NumberOfGames = 2; }, kDealtAt);
    TableWindow& w = *f.window;
    w.show();
    ModalDriver driver(StandardAnswers);
    Action(w, "newGameAction")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(UsersTurn(f.state) || (f.state.table.HandPhase == kHandOpening && f.state.table.AwaitingUser), 20000);

    // While the engine runs (here: while a computer seat's card is drawn).
    bool chosen_while_busy = false;
    w.view().on_card_shown = [&](int position) {
      if (position != kPosDiscardPile || f.state.table.AwaitingUser || chosen_while_busy) return;
      chosen_while_busy = true;
      last_message.clear();
      Action(w, "newGameAction")->trigger();
    };
    for (int turn = 0; turn < 10 && !chosen_while_busy; ++turn) {
      QTRY_VERIFY_WITH_TIMEOUT(UsersTurn(f.state) || (f.state.table.HandPhase == kHandOpening && f.state.table.AwaitingUser), 20000);
      if (f.state.table.HandPhase == kHandOpening) {
        QTest::keyClick(&w, 'j');
      } else {
        QTest::mouseClick(PositionPicture(w.view().widgets(), kPosDrawPile), Qt::LeftButton);
      }
    }
    w.view().on_card_shown = nullptr;
    QTRY_COMPARE(last_message, QStringLiteral("自分の番がきたときに、新規ゲームを選択してください."));
    QVERIFY(f.state.match.MatchInProgress);

    // In auto-play.
    QTRY_VERIFY_WITH_TIMEOUT(!f.state.table.EngineRunning, 20000);
    f.state.table.AutoPlay = true;
    const int hand = f.state.table.HandNumber;
    last_message.clear();
    Action(w, "newGameAction")->trigger();
    QTRY_COMPARE(last_message, QStringLiteral("自動実行モードを解除してから、新規ゲームを選択してください."));
    QVERIFY(f.state.match.MatchInProgress);
    QCOMPARE(f.state.table.HandNumber, hand);
    f.state.table.AutoPlay = false;
  }

  void timeLimitCountsDownAndDrawsForTheUser() {
    // The first hand comes to an ordinary turn of the user's; ten hands keep
    // the settlement out of the way.
    TableFixture f(
        [](GameState& s) {
          s.settings.RestrictTime = 1;
          s.settings.NumberOfGames = 10;
        },
        kDealtAt);
    TableWindow& w = *f.window;
    w.show();
    ModalDriver driver(StandardAnswers);
    Action(w, "newGameAction")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(UsersTurn(f.state), 30000);
    QCOMPARE(f.state.table.HandNumber, int16_t{1});
    QVERIFY(TimeLimit(w)->isActive());
    QStringList seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      const QString text = w.view().widgets().promptLabel->isVisible() ? w.view().widgets().promptLabel->text() : QString();
      if (!text.isEmpty() && (seen.isEmpty() || seen.last() != text)) seen << text;
    });
    watch.start(20);
    // A menu window opened meanwhile holds the countdown and lets it go on.
    {
      ModalDriver closer([](QWidget* modal) {
        if (qobject_cast<QDialog*>(modal) == nullptr || qobject_cast<QMessageBox*>(modal) != nullptr) return false;
        qobject_cast<QDialog*>(modal)->reject();
        return true;
      });
      const int16_t left = f.state.table.SecondsLeft;
      Action(w, "aboutAction")->trigger();
      QVERIFY(NothingWaits());
      QVERIFY(TimeLimit(w)->isActive());
      QCOMPARE(f.state.table.SecondsLeft, left);
    }
    const int cards = f.state.table.Hands[0][kHandCount];
    const int drawn = f.state.table.DrawIndex;
    // Nobody touches the table: after 3 s and one more tick the user draws.
    QTRY_VERIFY_WITH_TIMEOUT(f.state.table.DrawIndex != drawn, 8000);
    watch.stop();
    QCOMPARE(f.state.table.HandNumber, int16_t{1});
    QCOMPARE(int(f.state.table.Hands[0][kHandCount]), cards + 1);
    QVERIFY2(seen.startsWith(QStringLiteral("あと 3秒")), qPrintable(seen.join(u',')));
    QVERIFY2(seen.contains(QStringLiteral("あと 0秒")), qPrintable(seen.join(u',')));
  }

  void autoPlayMatchPlaysTheSameHandsEveryRunToTheGameEnd() {
    TableFixture f([](GameState& s) { s.settings.NumberOfGames = 2; }, kDealtAt);
    TableWindow& w = *f.window;
    w.show();
    int settlements = 0;
    QStringList hands;
    ModalDriver driver([&](QWidget* modal) {
      if (auto* end = qobject_cast<MatchEndDialog*>(modal)) {
        ++settlements;
        hands << HandOutcome(f.state);
        // Back to manual play, then another match: it stops at the user's turn.
        Action(w, "manualPlayAction")->trigger();
        test::Control<QPushButton>(*end, QStringLiteral("againButton"))->click();
        return true;
      }
      if (qobject_cast<HandResultDialog*>(modal) != nullptr) hands << HandOutcome(f.state);
      return StandardAnswers(modal);
    });
    // In auto-play the result window stands beside the table and counts
    // down by itself, the table keeping the keyboard.
    QPointer<HandResultDialog> result_seen;
    bool result_took_the_table = false;
    QTimer result_watch;
    QObject::connect(&result_watch, &QTimer::timeout, [&] {
      for (HandResultDialog* result : w.findChildren<HandResultDialog*>()) {
        if (!result->isVisible() || result->isModal() || result == result_seen) continue;
        result_seen = result;
        hands << HandOutcome(f.state);
        // (The offscreen platform activates every window it shows: the
        // window asks not to be, which a desktop honours.)
        result_took_the_table |=
            result->windowModality() != Qt::NonModal || !result->testAttribute(Qt::WA_ShowWithoutActivating);
      }
    });
    result_watch.start(5);
    Action(w, "newGameAction")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(f.state.table.AwaitingUser && !f.state.table.EngineRunning, 20000);

    // Auto-play from the user's turn: the message, then the first move is the user's.
    last_message.clear();
    Action(w, "autoPlayAction")->trigger();
    QTRY_COMPARE(last_message, QStringLiteral("自動実行モードに入りますが、最初の一手だけは手動にてお願いします。"));
    QVERIFY(Action(w, "autoPlayAction")->isChecked());
    QVERIFY(!Action(w, "manualPlayAction")->isChecked());
    QVERIFY(w.windowTitle().endsWith(QStringLiteral("  [自動実行モード]")));
    if (f.state.table.HandPhase == kHandOpening) {
      QTest::keyClick(&w, 'j');
    } else {
      QTest::mouseClick(PositionPicture(w.view().widgets(), kPosDrawPile), Qt::LeftButton);
    }
    QTRY_VERIFY_WITH_TIMEOUT(settlements == 1, 30000);
    // The seeded source on the stopped clock: the same seats, hands and
    // points every run, the two hands' results and then the settlement.
    // On a clock that stands still every hand is dealt from the same seed.
    QCOMPARE(hands, QStringList({
                        QStringLiteral("hand 1 dealer 3 end 7 winner 3 counter 0: No.10=0 No.17=-40 No.16=0 No.18=40"),
                        QStringLiteral("hand 2 dealer 3 end 7 winner 3 counter 0: No.10=0 No.17=-80 No.16=0 No.18=80"),
                        QStringLiteral("hand 2 dealer 3 end 7 winner 3 counter 0: No.10=0 No.17=-180 No.16=0 No.18=180"),
                    }));
    QVERIFY(!result_took_the_table);
    QVERIFY(!f.state.table.AutoPlay);
    QTRY_VERIFY_WITH_TIMEOUT(f.state.table.AwaitingUser && !f.state.table.EngineRunning, 20000);
    QCOMPARE(f.state.table.HandNumber, int16_t{1});
    QVERIFY(w.windowTitle() == QStringLiteral("ぴるく  －1回め－"));
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<TableWindowPlayTest>();
#include "tst_table_window_play.moc"
