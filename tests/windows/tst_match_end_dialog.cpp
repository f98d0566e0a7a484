#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include "AccessibleControls.h"
#include "WindowSuites.h"
#include "Controls.h"
#include "gui/scoring/MatchReviewDialog.h"
#include "gui/scoring/MatchEndDialog.h"
#include "state/GameState.h"

using namespace winpiruk;

namespace {

GameState EndOfMatch() {
  GameState state;
  state.match.SeatMember = {1, 2, 3, 4};
  state.members.MemberName[1][1] = "わたし";
  state.match.SeatName = {"わたし", "ｱｷ", "ﾊﾙ", "ﾅﾂ"};
  state.match.Score = {20, 40, -60, 0};
  state.match.HasWon = {true, true, false, true};
  state.settings.YakitoriMode = 1;
  state.match.MatchStartTime = 36000;
  state.match.MatchInProgress = true;
  state.table.HandNumber = 8;
  state.match.HandLogPoints[2] = 44;
  state.match.HandLogText[2] = "あがり";
  return state;
}

// The match as the engine settles it, with the member files written.
SettlementView Settled(GameState& state, bool files_written = true) {
  return SettleMatch(state, 36000 + 25 * 60 + 10, [files_written](const GameState&) { return files_written; });
}

QPushButton* Button(const QWidget& window, const QString& name) { return test::Control<QPushButton>(window, name); }

// Clicks the button of the next modal window that has one with `text`, and
// records the window's title.
void AnswerNextModal(const QString& text, QString* title = nullptr) {
  QTimer::singleShot(20, [text, title] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (title) *title = modal->windowTitle();
    for (auto* button : modal->findChildren<QAbstractButton*>()) {
      if (button->text() == text) {
        button->click();
        return;
      }
    }
  });
}

}  // namespace

class MatchEndDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheSettledTable() {
    GameState state = EndOfMatch();
    MatchEndDialog window(state, Settled(state));
    QCOMPARE(window.windowTitle(), QStringLiteral("ぴるく  －ゲーム終了－"));
    QVERIFY(test::NamelessControls(window).isEmpty());
    QCOMPARE(test::Control<QLabel>(window, QStringLiteral("gameTimeLabel"))->text(), QStringLiteral("ゲーム時間 : 25分"));
    QCOMPARE(test::Control<QLabel>(window, QStringLiteral("questionLabel"))->text(), QStringLiteral("もう一度遊びますか？ "));
    // 40+100, 20+50, 0-50, -60-100; ﾊﾙ never won.
    const QStringList expected[] = {{"ｱｷ", "  40", " 100", "+20", "  160"},
                                    {"わたし", "  20", "  50", "+20", "   90"},
                                    {"ﾅﾂ", "   0", " -50", "+20", "  -30"},
                                    {"ﾊﾙ", " -60", "-100", "-60", " -220"}};
    const auto* table = test::Control<QTableWidget>(window, QStringLiteral("resultTable"));
    for (int row = 0; row < kSeats; ++row) {
      for (int column = 0; column < 5; ++column) {
        QCOMPARE(table->item(row, column)->text(), expected[row][column]);
      }
      const QColor colour = table->item(row, 0)->foreground().color();
      QCOMPARE(colour, row == 1 ? QColor(0, 128, 128) : QColor(0, 0, 0));
    }
    QCOMPARE(state.match.HasWon, (std::array<bool, kSeats>{}));
  }

  // The window only answers: the engine applies the answer.
  void anotherMatchIsTheAnswer() {
    GameState state = EndOfMatch();
    MatchEndDialog window(state, Settled(state));
    QSignalSpy ends(&window, &MatchEndDialog::endChosen);
    const GameState shown = state;
    window.show();
    QTest::mouseClick(Button(window, QStringLiteral("againButton")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.Outcome(), SettlementOutcome::AnotherMatch);
    QCOMPARE(state.match.Score, shown.match.Score);
    QCOMPARE(state.table.HandNumber, shown.table.HandNumber);
    QCOMPARE(ends.count(), 0);
  }

  void memberChangeInAutoPlaySaysItLeavesAutoPlay() {
    for (const int16_t auto_play : {int16_t{1}, int16_t{0}}) {
      GameState state = EndOfMatch();
      state.table.AutoPlay = auto_play;
      MatchEndDialog window(state, Settled(state));
      window.show();
      QString title;
      if (auto_play != 0) AnswerNextModal(QStringLiteral("OK"), &title);
      QTest::mouseClick(Button(window, QStringLiteral("changeMembersButton")), Qt::LeftButton);
      // The message is waited for before the window closes.
      QTRY_COMPARE(title, auto_play != 0 ? QStringLiteral("ぴるく  －自動実行解除－") : QString());
      QTRY_VERIFY(!window.isVisible());
      QCOMPARE(window.Outcome(), SettlementOutcome::ChangeMembers);
      QCOMPARE(state.table.AutoPlay, auto_play);
    }
  }

  void endAndCloseBoxEndTheProgram() {
    for (const bool by_button : {true, false}) {
      GameState state = EndOfMatch();
      MatchEndDialog window(state, Settled(state));
      QSignalSpy ends(&window, &MatchEndDialog::endChosen);
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      if (by_button) QTest::mouseClick(Button(window, QStringLiteral("endButton")), Qt::LeftButton);
      else window.close();
      QCOMPARE(ends.count(), 1);
      QCOMPARE(window.Outcome(), SettlementOutcome::EndProgram);
      QVERIFY(!window.isVisible());
    }
  }

  void escapeDoesNotEndTheProgram() {
    GameState state = EndOfMatch();
    MatchEndDialog window(state, Settled(state));
    QSignalSpy ends(&window, &MatchEndDialog::endChosen);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QCOMPARE(ends.count(), 0);
  }

  void reviewOpensOverTheWindow() {
    GameState state = EndOfMatch();
    MatchEndDialog window(state, Settled(state));
    window.show();
    QString title;
    AnswerNextModal(QStringLiteral("OK"), &title);
    QTest::mouseClick(Button(window, QStringLiteral("reviewButton")), Qt::LeftButton);
    QTRY_COMPARE(title, QStringLiteral("ぴるく  - 考察 -"));
    QVERIFY(window.isVisible());
    QTRY_VERIFY(window.findChild<MatchReviewDialog*>() == nullptr);
  }

  void reportsAFailedWrite() {
    GameState state = EndOfMatch();
    QString title;
    MatchEndDialog window(state, Settled(state, false));
    QTimer::singleShot(100, [&title] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        title = box->text();
        box->accept();
      }
    });
    window.show();
    QTRY_COMPARE(title, QStringLiteral("ファイルに正しく書き込めませんでした"));
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<MatchEndDialogTest>();
#include "tst_match_end_dialog.moc"
