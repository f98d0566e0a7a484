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

#include "AccessibleControls.h"
#include "WindowSuites.h"
#include "Controls.h"
#include "RunToEnd.h"
#include "config/SafeFile.h"
#include "gui/members/PlayerParametersDialog.h"
#include "scoring/MemberFiles.h"
#include "gui/scoring/StatisticsDialog.h"
#include "support/TempDir.h"

using namespace winpiruk;

namespace {

QLabel* Label(const QWidget& window, const QString& name) { return test::Control<QLabel>(window, name); }
QAbstractSlider* Bar(const QWidget& window, const QString& name) { return test::Control<QAbstractSlider>(window, name); }
QLineEdit* PointsEdit(const QWidget& window) { return test::Control<QLineEdit>(window, QStringLiteral("pointsEdit")); }
QPushButton* OkButton(const QWidget& window) { return test::Control<QPushButton>(window, QStringLiteral("okButton")); }
QListWidget* MemberList(const QWidget& window) { return test::Control<QListWidget>(window, QStringLiteral("memberList")); }
QRadioButton* GroupButton(const QWidget& window, int group) {
  return test::Control<QRadioButton>(window, QStringLiteral("groupButton%1").arg(group));
}

}  // namespace

class StatisticsDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::TempDir> dir_;
  ProgramPaths paths_;
  GameState state_;

  // Runs `step` on the parameter window once it is up, while the statistics
  // window waits for it; the window is closed afterwards even when a check
  // in the step failed.
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
    QVERIFY(GroupButton(window, 2)->isChecked());
    QCOMPARE(window.windowTitle(), QStringLiteral("ぴるく  －対戦成績－"));
    QCOMPARE(MemberList(window)->count(), 10);
    QCOMPARE(MemberList(window)->item(0)->text(), QStringLiteral("No.20"));
    QCOMPARE(MemberList(window)->item(2)->text(), QStringLiteral("山田 花子"));
    QCOMPARE(window.StatsMember(), 1);
    QCOMPARE(Text(Label(window, QStringLiteral("playerNameLabel"))), QStringLiteral("No.20"));

    GroupButton(window, 4)->click();
    QCOMPARE(window.StatsGroup(), 4);
    QCOMPARE(MemberList(window)->item(9)->text(), QStringLiteral("No.49"));
    QCOMPARE(Text(Label(window, QStringLiteral("playerNameLabel"))), QStringLiteral("No.40"));
  }

  void everyControlIsNamedAndTabReadsTheWindowInOrder() {
    StatisticsDialog window(state_, paths_);
    const QString nameless = test::NamelessControlsOf({&window});
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless));
    const QString misread = test::MisreadControls({
        {&window, "memberList", QStringLiteral("メンバー"), QString()},
        {&window, "groupButton2", QStringLiteral("2"), QString()},
        {&window, "parametersButton", QStringLiteral("ﾊﾟﾗﾒｰﾀ(P)..."), QStringLiteral("選んだメンバーの度胸・推理力・持ち点を変えます")},
    });
    QVERIFY2(misread.isEmpty(), qPrintable(misread));

    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The group in use, the list, then the buttons as they stand in their row.
    const QStringList reading = test::TabOrder(GroupButton(window, 2), 5);
    QCOMPARE(reading.mid(0, 2), (QStringList{"groupButton2", "memberList"}));
    QCOMPARE(QSet<QString>(reading.begin() + 2, reading.begin() + 4), (QSet<QString>{"okButton", "parametersButton"}));
    QCOMPARE(reading.at(4), QStringLiteral("groupButton2"));
  }

  void aMemberWithNoHandsShowsDashes() {
    StatisticsDialog window(state_, paths_);
    MemberList(window)->setCurrentRow(5);
    QCOMPARE(Text(Label(window, QStringLiteral("playerNameLabel"))), QStringLiteral("No.25"));
    for (QLabel* figure : {Label(window, QStringLiteral("winRateFigure")), Label(window, QStringLiteral("dealInRateFigure")), Label(window, QStringLiteral("winNumberFigure")), Label(window, QStringLiteral("yakuFigure")),
                           Label(window, QStringLiteral("pointsWonFigure")), Label(window, QStringLiteral("pointsLostFigure")), Label(window, QStringLiteral("rankFigure"))}) {
      QCOMPARE(Text(figure), QStringLiteral(" -"));
    }
    QCOMPARE(Text(Label(window, QStringLiteral("handsPlayedFigure"))), QStringLiteral("0"));
    QCOMPARE(Text(Label(window, QStringLiteral("pointsFigure"))), QStringLiteral("1000"));
    QCOMPARE(Label(window, QStringLiteral("pointsFigure"))->palette().color(QPalette::WindowText), QColor(0, 0, 0));
  }

  void aMemberWithFiguresShowsEveryRateAndAverage() {
    StatisticsDialog window(state_, paths_);
    MemberList(window)->setCurrentRow(2);
    const QList<QPair<QLabel*, QString>> expected = {
        {Label(window, QStringLiteral("playerNameLabel")), QStringLiteral("山田 花子")},
        {Label(window, QStringLiteral("handsPlayedFigure")), QStringLiteral("137")},
        {Label(window, QStringLiteral("winsFigure")), QStringLiteral("41")},
        {Label(window, QStringLiteral("winRateFigure")), QStringLiteral(" 29.9%")},    // 41 / 137
        {Label(window, QStringLiteral("winNumberFigure")), QStringLiteral(" 7.2")},    // 298 / 41
        {Label(window, QStringLiteral("yakuFigure")), QStringLiteral(" 1.5")},         // 63 / 41
        {Label(window, QStringLiteral("pointsWonFigure")), QStringLiteral(" 71.9")},   // 2950 / 41
        {Label(window, QStringLiteral("initialMatchesFigure")), QStringLiteral("3")},
        {Label(window, QStringLiteral("counterCallsFigure")), QStringLiteral("2")},
        {Label(window, QStringLiteral("dealInsFigure")), QStringLiteral("22")},
        {Label(window, QStringLiteral("dealInRateFigure")), QStringLiteral(" 16%")},   // 22 / 137 = 16.05...
        {Label(window, QStringLiteral("pointsLostFigure")), QStringLiteral(" 42.1")},  // 1730 / 41
        {Label(window, QStringLiteral("cardOversFigure")), QStringLiteral("5")},
        {Label(window, QStringLiteral("gamesPlayedFigure")), QStringLiteral("27")},
        {Label(window, QStringLiteral("rankFigure")), QStringLiteral(" 2.3")},         // 64 / 27
        {Label(window, QStringLiteral("pointsFigure")), QStringLiteral("-350")},
    };
    for (const auto& [label, text] : expected) QCOMPARE(Text(label), text);
    QCOMPARE(Label(window, QStringLiteral("pointsFigure"))->palette().color(QPalette::WindowText), QColor(128, 0, 0));
  }

  void shiftDoubleClickOnTheNameEditsBoldnessAndWritesTheFiles() {
    StatisticsDialog window(state_, paths_);
    MemberList(window)->setCurrentRow(2);
    bool seen = false;
    WhenParametersOpen([&](PlayerParametersDialog& parameters) {
      QCOMPARE(Label(parameters, QStringLiteral("boldnessFigure"))->text(), QStringLiteral(" 3"));
      Bar(parameters, QStringLiteral("boldnessBar"))->setValue(1);
      Bar(parameters, QStringLiteral("boldnessBar"))->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      Bar(parameters, QStringLiteral("boldnessBar"))->setSliderPosition(4);  // a drag stores every step
      QCOMPARE(Label(parameters, QStringLiteral("boldnessFigure"))->text(), QStringLiteral(" 4"));
      QCOMPARE(state_.members.MemberBoldness[2][3], 4);
      seen = true;
      parameters.close();  // by the frame: what was stored stays
    });
    QTest::mouseDClick(Label(window, QStringLiteral("playerNameLabel")), Qt::LeftButton, Qt::ShiftModifier);
    QVERIFY(test::NothingWaits());
    QVERIFY(seen);
    QCOMPARE(state_.members.MemberBoldness[2][3], 4);
    QCOMPARE(Text(Label(window, QStringLiteral("playerNameLabel"))), QStringLiteral("山田 花子"));

    // The change is on disk as soon as the window closed.
    GameState reread;
    reread.settings.MemberGroup = 2;
    ReadMemberFiles(reread, paths_);
    QCOMPARE(reread.members.MemberBoldness[2][3], 4);
    QCOMPARE(reread.members.MemberPoints[2][3], -350);
  }

  void aPlainDoubleClickOnTheNameOpensNothing() {
    StatisticsDialog window(state_, paths_);
    QTest::mouseDClick(Label(window, QStringLiteral("playerNameLabel")), Qt::LeftButton);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(!ReadWholeFile(paths_.DataFile(kMemberDataFile)));
  }

  void doubleClickOnTheCaptionEditsPointsAndTheFiguresFollow() {
    StatisticsDialog window(state_, paths_);
    MemberList(window)->setCurrentRow(2);
    WhenParametersOpen([](PlayerParametersDialog& parameters) {
      PointsEdit(parameters)->setFocus();
      PointsEdit(parameters)->clear();
      QTest::keyClicks(PointsEdit(parameters), QStringLiteral("-1205"));
      PointsEdit(parameters)->insert(QStringLiteral("点"));
      QTest::keyClick(PointsEdit(parameters), Qt::Key_Return);  // moves to OK, closes nothing
      QVERIFY(parameters.isVisible());
      QCOMPARE(parameters.focusWidget(), OkButton(parameters));
      Bar(parameters, QStringLiteral("deductionBar"))->setValue(0);
      OkButton(parameters)->click();
    });
    QTest::mouseDClick(Label(window, QStringLiteral("playerNameCaption")), Qt::LeftButton);
    QVERIFY(test::NothingWaits());
    QCOMPARE(state_.members.MemberPoints[2][3], -1205);
    QCOMPARE(state_.members.MemberDeduction[2][3], 0);
    QCOMPARE(Text(Label(window, QStringLiteral("pointsFigure"))), QStringLiteral("-1205"));
  }

  void theParametersButtonOpensTheSelectedMemberAndCancelTakesTheChangesBack() {
    StatisticsDialog window(state_, paths_);
    MemberList(window)->setCurrentRow(2);
    const int16_t boldness = state_.members.MemberBoldness[2][3];
    const int16_t points = state_.members.MemberPoints[2][3];
    const int16_t deduction = state_.members.MemberDeduction[2][3];
    bool seen = false;
    WhenParametersOpen([&](PlayerParametersDialog& parameters) {
      QVERIFY(parameters.windowTitle().contains(QStringLiteral("山田 花子")));
      Bar(parameters, QStringLiteral("boldnessBar"))->setValue(5);
      PointsEdit(parameters)->setText(QStringLiteral("7"));
      QCOMPARE(state_.members.MemberBoldness[2][3], 5);  // stored at once, as always
      seen = true;
      test::Control<QPushButton>(parameters, QStringLiteral("cancelButton"))->click();
    });
    test::Control<QPushButton>(window, QStringLiteral("parametersButton"))->click();
    QVERIFY(test::NothingWaits());
    QVERIFY(seen);
    QCOMPARE(state_.members.MemberBoldness[2][3], boldness);
    QCOMPARE(state_.members.MemberPoints[2][3], points);

    // Esc is Cancel too; the frame keeps what was changed (tested above).
    WhenParametersOpen([&](PlayerParametersDialog& parameters) {
      Bar(parameters, QStringLiteral("deductionBar"))->setValue(0);
      QTest::keyClick(&parameters, Qt::Key_Escape);
    });
    test::Control<QPushButton>(window, QStringLiteral("parametersButton"))->click();
    QVERIFY(test::NothingWaits());
    QCOMPARE(state_.members.MemberDeduction[2][3], deduction);
  }

  // The game menu's item: the statistics window, and over it the parameter
  // window of the first member; both leave by their own buttons.
  void theMenuItemOpensTheParametersOverTheStatistics() {
    bool parameters_seen = false;
    bool statistics_under = false;
    QTimer::singleShot(0, this, [&] {
      WhenParametersOpen([&](PlayerParametersDialog& parameters) {
        parameters_seen = parameters.windowTitle().contains(QStringLiteral("No.20"));
        statistics_under = qobject_cast<StatisticsDialog*>(parameters.parentWidget()) != nullptr;
        test::Control<QPushButton>(parameters, QStringLiteral("cancelButton"))->click();
        QTimer::singleShot(0, [] {
          if (auto* statistics = qobject_cast<StatisticsDialog*>(QApplication::activeModalWidget())) statistics->accept();
        });
      });
    });
    test::RunToEnd([&] { OpenGameResult(nullptr, state_, paths_, GameResultOpening::Parameters); });
    QVERIFY(parameters_seen);
    QVERIFY(statistics_under);
  }

  void pointsBoxClampsAndStoresAtEveryChange() {
    PlayerParametersDialog parameters(state_, paths_, 2, 5);
    QCOMPARE(PointsEdit(parameters)->text(), QStringLiteral(" 1000"));
    const QList<QPair<QString, int>> cases = {
        {QStringLiteral("abc"), 0},         {QStringLiteral("-12abc"), -12},
        {QStringLiteral("99999"), 32767},   {QStringLiteral("-99999999999"), -32768},
        {QStringLiteral("2.5"), 2},         {QStringLiteral("１２"), 0},
    };
    for (const auto& [text, points] : cases) {
      PointsEdit(parameters)->setText(text);
      QCOMPARE(state_.members.MemberPoints[2][5], points);
    }
    Bar(parameters, QStringLiteral("deductionBar"))->setValue(5);
    QCOMPARE(state_.members.MemberDeduction[2][5], 5);
    QCOMPARE(Label(parameters, QStringLiteral("deductionFigure"))->text(), QStringLiteral(" 5"));
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<StatisticsDialogTest>();
#include "tst_statistics_dialog.moc"
