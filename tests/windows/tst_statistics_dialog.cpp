// The statistics window and the parameter window it opens.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <memory>
#include <QtTest>

#include "config/SafeFile.h"
#include "gui/members/PlayerParametersDialog.h"
#include "scoring/MemberFiles.h"
#include "gui/scoring/StatisticsDialog.h"
#include "support/TempDir.h"

using namespace winpiruk;

class TestForm10 : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::TempDir> dir_;
  ProgramPaths paths_;
  GameState state_;

  // Runs `step` on the parameter window once it is up, while the caller
  // waits in its modal loop; the window is closed afterwards even when a
  // check in the step failed.
  void WhenParametersOpen(std::function<void(PlayerParametersDialog&)> step) {
    QTimer::singleShot(0, this, [step] {
      auto* parameters = qobject_cast<PlayerParametersDialog*>(QApplication::activeModalWidget());
      QVERIFY(parameters != nullptr);
      step(*parameters);
      if (parameters->isVisible()) parameters->close();
    });
  }

  static QString Text(QLabel* label) { return label->text(); }

 private slots:
  void init() {
    dir_ = std::make_unique<test::TempDir>();
    paths_ = ProgramPaths{dir_->path(), dir_->path(), dir_->File("data")};
    state_ = GameState{};
    state_.settings.MemberGroup = 2;
    ReadMemberFiles(state_, paths_);
    // Group 2 member 3 has played; the others have not.
    state_.members.MemberName[2][3] = "山田 花子";
    state_.members.MemberStats[2][3] = {137, 41, 3, 22, 5, 63, 298, 2950, 1730, 64, 27, 2};
    state_.members.MemberPoints[2][3] = -350;
  }

  void opensOnTheCurrentGroupWithTheFirstMemberShown() {
    StatisticsDialog window(state_, paths_);
    QVERIFY(window.Option2->isChecked());
    QCOMPARE(window.windowTitle(), QStringLiteral("ぴるく  －対戦成績－"));
    QCOMPARE(window.List1->count(), 10);
    QCOMPARE(window.List1->item(0)->text(), QStringLiteral("No.20"));
    QCOMPARE(window.List1->item(2)->text(), QStringLiteral("山田 花子"));
    QCOMPARE(window.StatsMember(), 1);
    QCOMPARE(Text(window.PlayerName), QStringLiteral("No.20"));

    window.Option4->click();
    QCOMPARE(window.StatsGroup(), 4);
    QCOMPARE(window.List1->item(9)->text(), QStringLiteral("No.49"));
    QCOMPARE(Text(window.PlayerName), QStringLiteral("No.40"));
  }

  void aMemberWithNoHandsShowsDashes() {
    StatisticsDialog window(state_, paths_);
    window.List1->setCurrentRow(5);
    QCOMPARE(Text(window.PlayerName), QStringLiteral("No.25"));
    for (QLabel* figure : {window.WinRateFigure, window.DealInRateFigure, window.WinNumberFigure, window.YakuFigure,
                           window.PointsWonFigure, window.PointsLostFigure, window.RankFigure}) {
      QCOMPARE(Text(figure), QStringLiteral(" -"));
    }
    QCOMPARE(Text(window.HandsPlayedFigure), QStringLiteral("0"));
    QCOMPARE(Text(window.PointsFigure), QStringLiteral("1000"));
    QCOMPARE(window.PointsFigure->palette().color(QPalette::WindowText), QColor(0, 0, 0));
  }

  void aMemberWithFiguresShowsEveryRateAndAverage() {
    StatisticsDialog window(state_, paths_);
    window.List1->setCurrentRow(2);
    const QList<QPair<QLabel*, QString>> expected = {
        {window.PlayerName, QStringLiteral("山田 花子")},
        {window.HandsPlayedFigure, QStringLiteral("137")},
        {window.WinsFigure, QStringLiteral("41")},
        {window.WinRateFigure, QStringLiteral(" 29.9%")},    // 41 / 137
        {window.WinNumberFigure, QStringLiteral(" 7.2")},    // 298 / 41
        {window.YakuFigure, QStringLiteral(" 1.5")},         // 63 / 41
        {window.PointsWonFigure, QStringLiteral(" 71.9")},   // 2950 / 41
        {window.InitialMatchesFigure, QStringLiteral("3")},
        {window.CounterCallsFigure, QStringLiteral("2")},
        {window.DealInsFigure, QStringLiteral("22")},
        {window.DealInRateFigure, QStringLiteral(" 16%")},   // 22 / 137 = 16.05...
        {window.PointsLostFigure, QStringLiteral(" 42.1")},  // 1730 / 41
        {window.CardOversFigure, QStringLiteral("5")},
        {window.GamesPlayedFigure, QStringLiteral("27")},
        {window.RankFigure, QStringLiteral(" 2.3")},         // 64 / 27
        {window.PointsFigure, QStringLiteral("-350")},
    };
    for (const auto& [label, text] : expected) QCOMPARE(Text(label), text);
    QCOMPARE(window.PointsFigure->palette().color(QPalette::WindowText), QColor(128, 0, 0));
  }

  void shiftDoubleClickOnTheNameEditsBoldnessAndWritesTheFiles() {
    StatisticsDialog window(state_, paths_);
    window.List1->setCurrentRow(2);
    bool seen = false;
    WhenParametersOpen([&](PlayerParametersDialog& parameters) {
      QCOMPARE(parameters.Label4->text(), QStringLiteral(" 3"));
      parameters.HScroll1->setValue(1);
      parameters.HScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      parameters.HScroll1->setSliderPosition(4);  // a drag stores every step
      QCOMPARE(parameters.Label4->text(), QStringLiteral(" 4"));
      QCOMPARE(state_.members.MemberBoldness[2][3], 4);
      seen = true;
      parameters.close();  // by the frame: what was stored stays
    });
    QTest::mouseDClick(window.PlayerName, Qt::LeftButton, Qt::ShiftModifier);
    QVERIFY(seen);
    QCOMPARE(state_.members.MemberBoldness[2][3], 4);
    QCOMPARE(Text(window.PlayerName), QStringLiteral("山田 花子"));

    // The change is on disk as soon as the window closed.
    GameState reread;
    reread.settings.MemberGroup = 2;
    ReadMemberFiles(reread, paths_);
    QCOMPARE(reread.members.MemberBoldness[2][3], 4);
    QCOMPARE(reread.members.MemberPoints[2][3], -350);
  }

  void aPlainDoubleClickOnTheNameOpensNothing() {
    StatisticsDialog window(state_, paths_);
    QTest::mouseDClick(window.PlayerName, Qt::LeftButton);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(!ReadWholeFile(paths_.DataFile(kMemberDataFile)));
  }

  void doubleClickOnTheCaptionEditsPointsAndTheFiguresFollow() {
    StatisticsDialog window(state_, paths_);
    window.List1->setCurrentRow(2);
    WhenParametersOpen([](PlayerParametersDialog& parameters) {
      parameters.Text1->setFocus();
      parameters.Text1->clear();
      QTest::keyClicks(parameters.Text1, QStringLiteral("-1205"));
      parameters.Text1->insert(QStringLiteral("点"));
      QTest::keyClick(parameters.Text1, Qt::Key_Return);  // moves to OK, closes nothing
      QVERIFY(parameters.isVisible());
      QCOMPARE(parameters.focusWidget(), parameters.Command1);
      parameters.HScroll2->setValue(0);
      parameters.Command1->click();
    });
    QTest::mouseDClick(window.PlayerNameCaption, Qt::LeftButton);
    QCOMPARE(state_.members.MemberPoints[2][3], -1205);
    QCOMPARE(state_.members.MemberDeduction[2][3], 0);
    QCOMPARE(Text(window.PointsFigure), QStringLiteral("-1205"));
  }

  void pointsBoxClampsAndStoresAtEveryChange() {
    PlayerParametersDialog parameters(state_, paths_, 2, 5);
    QCOMPARE(parameters.Text1->text(), QStringLiteral(" 1000"));
    const QList<QPair<QString, int>> cases = {
        {QStringLiteral("abc"), 0},         {QStringLiteral("-12abc"), -12},
        {QStringLiteral("99999"), 32767},   {QStringLiteral("-99999999999"), -32768},
        {QStringLiteral("2.5"), 2},         {QStringLiteral("１２"), 0},
    };
    for (const auto& [text, points] : cases) {
      parameters.Text1->setText(text);
      QCOMPARE(state_.members.MemberPoints[2][5], points);
    }
    parameters.HScroll2->setValue(5);
    QCOMPARE(state_.members.MemberDeduction[2][5], 5);
    QCOMPARE(parameters.Label5->text(), QStringLiteral(" 5"));
  }
};

QTEST_MAIN(TestForm10)
#include "tst_statistics_dialog.moc"
