#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "AccessibleControls.h"
#include "WindowSuites.h"
#include "Controls.h"
#include "gui/scoring/HandResultDialog.h"
#include "state/GameState.h"
#include "support/TempDir.h"
#include "gui/common/CardPictures.h"

using namespace winpiruk;

namespace {

void Give(GameState& state, int seat, std::vector<int16_t> cards) {
  auto& row = state.table.Hands[seat];
  row.fill(0);
  for (size_t i = 0; i < cards.size(); ++i) row[i + 1] = cards[i];
  row[kHandCount] = static_cast<int16_t>(cards.size());
}

// The worked example: seat 1 calls on seat 2's ten of hearts.
GameState CallState() {
  GameState state;
  state.match.SeatMember = {1, 2, 3, 4};
  state.members.MemberName[1][1] = "わたし";
  state.match.SeatName = {"", "ｱｷ", "ﾊﾙ", "ﾅﾂ"};
  state.settings.DataFileDirectory = "/nonexistent";
  state.settings.ManyCardBonus = 1;
  Give(state, 0, {42, 43});
  Give(state, 1, {3, 4, 5});
  Give(state, 2, {15, 19});
  Give(state, 3, {29, 30, 31});
  state.table.HandEndCode = kEndCall;
  state.table.Winner = 1;
  state.table.CurrentSeat = 2;
  state.table.Dealer = 3;
  state.table.TopDiscard = 10;
  state.table.HandNumber = 1;
  state.table.DrawIndex = 30;
  return state;
}

void NoMissingPicture(const QString&, const QString&) {}

QLabel* Label(const QWidget& window, const QString& name) { return test::Control<QLabel>(window, name); }
QPushButton* Button(const QWidget& window, const QString& name) { return test::Control<QPushButton>(window, name); }
QTimer* Countdown(const QWidget& window) { return test::Control<QTimer>(window, QStringLiteral("countdownTimer")); }

// How many of the card places `prefix`1..`count` show a card.
int VisibleCards(const QWidget& window, const QString& prefix, int count) {
  int shown = 0;
  for (int i = 1; i <= count; ++i) shown += Label(window, prefix + QString::number(i))->isVisibleTo(&window);
  return shown;
}
int VisibleExtraCard(const QWidget& window) { return Label(window, QStringLiteral("extraCard"))->isVisibleTo(&window); }

}  // namespace

class HandResultDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheCallAndItsExplanation() {
    GameState state = CallState();
    HandResultDialog window(state, ScoreHand(state), NoMissingPicture);
    QCOMPARE(window.windowTitle(), QStringLiteral("ぴるく  －結果－"));
    QCOMPARE(Label(window, QStringLiteral("bannerLabel"))->text(), QStringLiteral("ぴるく "));
    QCOMPARE(Label(window, QStringLiteral("firstHeadingLabel"))->text(), QStringLiteral("上がった人 "));
    QCOMPARE(Label(window, QStringLiteral("firstNameLabel"))->text(), QStringLiteral(" [ ｱｷ ] "));
    QCOMPARE(Label(window, QStringLiteral("secondHeadingLabel"))->text(), QStringLiteral("振り込んだ人 "));
    QCOMPARE(Label(window, QStringLiteral("secondNameLabel"))->text(), QStringLiteral(" [ ﾊﾙ ] "));
    QCOMPARE(Label(window, QStringLiteral("explanationLabel"))->text(), QStringLiteral(" 基礎点=12点 + 20点(3枚上がり)  \n  ﾄﾞﾛｰｶｰﾄﾞ1枚\n"
                                                   "  [  12点 × (役1 +1) + 20点 = 44点 ]"));
    QCOMPARE(VisibleCards(window, QStringLiteral("firstRowCard"), 10), 3);
    QCOMPARE(VisibleCards(window, QStringLiteral("secondRowCard"), 10), 2);
    QCOMPARE(VisibleCards(window, QStringLiteral("keyCard"), 2), 1);
    QCOMPARE(VisibleExtraCard(window), 0);
    // A screen reader reads the cards, not only their pictures.
    QCOMPARE(test::AccessibleName(Label(window, QStringLiteral("firstRowCard1"))), QStringLiteral("ハートの3"));
    QCOMPARE(test::AccessibleName(Label(window, QStringLiteral("keyCard1"))), QStringLiteral("ハートの10"));
    QVERIFY(test::NamelessControls(window).isEmpty());
    QCOMPARE(Button(window, QStringLiteral("okButton"))->text(), QStringLiteral("OK"));
    QVERIFY(!Countdown(window)->isActive());

    window.show();
    QTest::mouseClick(Button(window, QStringLiteral("okButton")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.CloseReason(), HandResultClose::Ok);
  }

  void overflowShowsNineCards() {
    GameState state = CallState();
    Give(state, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    state.table.HandEndCode = kEndCardOver;
    state.table.CurrentSeat = 3;
    HandResultDialog window(state, ScoreHand(state), NoMissingPicture);
    QCOMPARE(VisibleCards(window, QStringLiteral("firstRowCard"), 10), 9);
    QCOMPARE(VisibleCards(window, QStringLiteral("secondRowCard"), 10) + VisibleCards(window, QStringLiteral("keyCard"), 2) +
                 VisibleExtraCard(window),
             0);
    QVERIFY(!Label(window, QStringLiteral("secondHeadingLabel"))->isVisibleTo(&window));
    QCOMPARE(Label(window, QStringLiteral("bannerLabel"))->text(), QStringLiteral("10 枚を越えました！"));
  }

  void closeBoxClosesTheWindow() {
    GameState state = CallState();
    state.table.HandEndCode = kEndDiscardFinish;
    state.table.Winner = 2;
    HandResultDialog window(state, ScoreHand(state), NoMissingPicture);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.close();
    QVERIFY(!window.isVisible());
    QCOMPARE(window.CloseReason(), HandResultClose::CloseBox);
  }

  void autoPlayCountsDownAndCloses() {
    GameState state = CallState();
    state.table.AutoPlay = true;
    HandResultDialog window(state, ScoreHand(state), NoMissingPicture);
    QCOMPARE(Button(window, QStringLiteral("okButton"))->text(), QStringLiteral("8"));
    QVERIFY(Countdown(window)->isActive());
    QCOMPARE(Countdown(window)->interval(), 1000);
    QStringList captions;
    connect(Countdown(window), &QTimer::timeout, &window, [&] { captions << Button(window, QStringLiteral("okButton"))->text(); });
    Countdown(window)->setInterval(5);  // the nine seconds, quickly
    window.show();
    QTRY_VERIFY(!window.isVisible());
    QCOMPARE(captions, (QStringList{"7", "6", "5", "4", "3", "2", "1", "0", "0"}));
    QCOMPARE(window.CloseReason(), HandResultClose::Countdown);
  }

  void abortAsksTheProgramToEnd() {
    GameState state = CallState();
    state.table.AutoPlay = true;
    HandResultDialog window(state, ScoreHand(state), NoMissingPicture);
    QSignalSpy aborts(&window, &HandResultDialog::abortChosen);
    window.show();
    QTest::mouseClick(Button(window, QStringLiteral("abortButton")), Qt::LeftButton);
    QCOMPARE(aborts.count(), 1);
    QVERIFY(!Countdown(window)->isActive());
    QCOMPARE(window.CloseReason(), HandResultClose::Abort);
    QVERIFY(!window.isVisible());
  }

  void loadsCardPicturesFromTheDataDirectory() {
    test::TempDir folder;
    QImage face(42, 60, QImage::Format_RGB32);
    face.fill(QColor(10, 200, 30));
    QVERIFY(face.save(QString::fromStdString(folder.File("HeartA.bmp")), "BMP"));
    GameState state = CallState();
    state.settings.DataFileDirectory = folder.path();
    Give(state, 1, {1, 4, 5});
    QStringList missing;
    HandResultDialog window(state, ScoreHand(state), [&](const QString& path, const QString& number) {
      missing << MissingPictureText(path, number);
    });
    const QImage shown = Label(window, QStringLiteral("firstRowCard1"))->pixmap().toImage();
    QCOMPARE(shown.size(), QSize(42, 60));
    QCOMPARE(shown.pixelColor(20, 30), QColor(10, 200, 30));
    // A missing face is no drawn stand-in: it goes to the hook, which ends
    // the program as the table does, with the table's message.
    QVERIFY(Label(window, QStringLiteral("firstRowCard2"))->pixmap().isNull());
    QVERIFY(!missing.isEmpty());
    const QString heart4 = QString::fromStdString(folder.File("Heart4.bmp"));
    QCOMPARE(missing.front(), QStringLiteral("「 ") + heart4 + QStringLiteral("(#1) 」というファイルが見つかりません。"));
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<HandResultDialogTest>();
#include "tst_hand_result_dialog.moc"
