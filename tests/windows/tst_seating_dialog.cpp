// The member and dealer decision window, driven as the user drives it.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <set>

#include "AccessibleControls.h"
#include "WindowSuites.h"
#include "Controls.h"
#include "DialogAnswers.h"
#include "RunToEnd.h"
#include "config/SettingsStore.h"
#include "gui/members/SeatingDialog.h"
#include "gui/members/GroupDialog.h"
#include "gui/members/PlayerParametersDialog.h"
#include "gui/common/SuspendableRun.h"
#include "presentation/PictureNames.h"
#include "scoring/MemberFiles.h"
#include "support/ScriptedSettingsHost.h"
#include "support/StoppedClock.h"
#include "support/TempDir.h"

using namespace winpiruk;

namespace {

void WritePicture(const std::string& path) {
  QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QVERIFY(image.save(QString::fromStdString(path), "BMP"));
}

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

QPushButton* Button(const QWidget& window, const QString& name) { return test::Control<QPushButton>(window, name); }
QLabel* Label(const QWidget& window, const QString& name) { return test::Control<QLabel>(window, name); }
QListWidget* MemberList(const QWidget& window) { return test::Control<QListWidget>(window, QStringLiteral("memberList")); }
QRadioButton* GroupButton(const QWidget& window, int group) {
  return test::Control<QRadioButton>(window, QStringLiteral("groupButton%1").arg(group));
}
QLineEdit* NameEdit(const QWidget& window) { return test::Control<QLineEdit>(window, QStringLiteral("nameEdit")); }
// A click on the plate of member `member` of the group window, to rename it.
void ClickPlate(const QWidget& window, int member) {
  QTest::mouseClick(test::Control<QLabel>(window, QStringLiteral("namePlate%1").arg(member)), Qt::LeftButton);
}

std::string FileText(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

}  // namespace

class SeatingDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::TempDir> dir_;
  ProgramPaths paths_;
  GameState state_;
  StandardRandom random_;
  test::StoppedClock clock_;

  // Settings with a card folder, and member files where member 3 of group 1
  // has no points.
  void Prepare(int16_t key_guides, bool with_backs = true) {
    dir_ = std::make_unique<test::TempDir>();
    paths_ = ProgramPaths{dir_->File("program"), dir_->File("config"), dir_->File("data")};
    for (const auto& d : {paths_.program_directory, paths_.config_directory, paths_.data_directory, dir_->File("cards")}) {
      std::filesystem::create_directories(d);
    }
    std::vector<std::string> pictures{"DiaA.bmp"};
    if (with_backs) pictures.push_back(CardBackFile(0, BackOrientation::Upright));
    for (int code = 1; code <= 4; ++code) pictures.push_back(CardFaceFile(code));
    for (const auto& name : pictures) WritePicture(dir_->File("cards/" + name));

    state_ = GameState{};
    state_.window.SpeedCount = 1;
    state_.settings.DataFileDirectory = dir_->File("cards");
    state_.settings.KeyGuideDisplay = key_guides;
    test::ScriptedHost host;
    QVERIFY(WriteSettings(state_, paths_, host));

    ReadMemberFiles(state_, paths_);
    state_.members.MemberName[1][1] = "Player";
    state_.members.MemberPoints[1][3] = 0;
    QVERIFY(WriteMemberFiles(state_, paths_));
    state_.members = MemberTable{};  // the window must read them back
  }

  static void SelectRows(SeatingDialog& window, std::initializer_list<int> rows) {
    for (int row : rows) MemberList(window)->item(row)->setSelected(true);
  }

  static void Type(SeatingDialog& window, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(&window, &press);
  }

 private slots:
  // Nothing is left waiting for a window of a test that has ended.
  void cleanup() { SuspendableRun::StopAll(); }

  void randomChoiceStartsTheMatch() {
    Prepare(0);
    for (int i = 1; i <= 10; ++i) state_.match.HandLogPoints[i] = 5;
    state_.match.HandLogText[3] = "あがり";
    state_.table.AutoPlay = true;

    QString message;
    test::WhenModalAppears([&](QWidget* modal) {
      auto* window = qobject_cast<SeatingDialog*>(modal);
      QVERIFY(window != nullptr);
      QCOMPARE(window->windowTitle(), QStringLiteral("ぴるく  －メンバー決め－"));
      QVERIFY(Button(*window, QStringLiteral("randomChoiceButton"))->isEnabled());
      QVERIFY(Button(*window, QStringLiteral("changeGroupButton"))->isEnabled());
      Button(*window, QStringLiteral("randomChoiceButton"))->click();
      QVERIFY(!Button(*window, QStringLiteral("changeGroupButton"))->isEnabled());
      message = Label(*window, QStringLiteral("messageLabel"))->text();
      QVERIFY(MemberList(*window)->isHidden());
      QVERIFY(!Button(*window, QStringLiteral("chooseAgainButton"))->isEnabled());
      QVERIFY(!Button(*window, QStringLiteral("randomChoiceButton"))->isEnabled());
      Button(*window, QStringLiteral("okButton"))->click();
    });
    SeatingDialogOutcome outcome = SeatingDialogOutcome::Cancelled;
    QVERIFY(test::RunToEnd([&] { outcome = RunMemberDecision(nullptr, state_, paths_, false, random_, clock_); }));
    QCOMPARE(outcome, SeatingDialogOutcome::Started);

    QVERIFY(!state_.table.AutoPlay);  // the settings were read again
    QVERIFY(state_.match.MatchInProgress);
    QCOMPARE(state_.match.SeatMember[0], 1);
    std::set<int> seated;
    for (int seat = 1; seat <= 3; ++seat) {
      const int member = state_.match.SeatMember[seat];
      QVERIFY(member >= 2 && member <= 10 && member != 3);
      seated.insert(member);
      QCOMPARE(state_.match.SeatName[seat], state_.members.MemberName[1][member]);
      QCOMPARE(state_.match.Boldness[seat], state_.members.MemberBoldness[1][member]);
      QCOMPARE(state_.match.Deduction[seat], state_.members.MemberDeduction[1][member]);
    }
    QCOMPARE(seated.size(), size_t{3});
    QVERIFY(state_.table.Dealer >= 0 && state_.table.Dealer <= 3);
    const std::string dealer = state_.table.Dealer == 0 ? "Player" : state_.match.SeatName[state_.table.Dealer];
    QCOMPARE(message, Text(" 親は " + dealer + " です."));
    QCOMPARE(state_.match.SeatName[0], std::string("Player"));
    for (int i = 1; i <= 10; ++i) {
      QCOMPARE(state_.match.HandLogPoints[i], 0);
      QVERIFY(state_.match.HandLogText[i].empty());
    }
    QCOMPARE(state_.match.MatchStartTime, 13 * 3600 + 45 * 60 + 30);
    QVERIFY(std::filesystem::exists(paths_.DataFile(kMemberDataFile)));
  }

  void memberListAndPicks() {
    Prepare(0);
    SeatingDialog window(state_, paths_, random_, clock_);
    QVERIFY(window.Open(false));
    window.show();
    QCOMPARE(MemberList(window)->count(), 9);
    QCOMPARE(MemberList(window)->item(0)->text(), Text(" 1000点\t\t") + Text(state_.members.MemberName[1][2]));
    // Member 3 has no points: listed, never picked.
    QVERIFY(!(MemberList(window)->item(1)->flags() & Qt::ItemIsSelectable));

    SelectRows(window, {0});
    QCOMPARE(Label(window, QStringLiteral("opponentLabel1"))->text(), Text(state_.members.MemberName[1][2]));
    QVERIFY(Label(window, QStringLiteral("opponentLabel2"))->text().isEmpty());
    QVERIFY(!Button(window, QStringLiteral("randomChoiceButton"))->isEnabled());
    MemberList(window)->setFocus();
    QTest::keyClick(MemberList(window), Qt::Key_Return);  // Enter moves on to OK without pressing it
    QCOMPARE(window.focusWidget(), Button(window, QStringLiteral("okButton")));
    Button(window, QStringLiteral("okButton"))->click();  // fewer than three: OK says how many are missing
    QCOMPARE(state_.seating.Phase, int16_t{kChoosingMembers});
    QCOMPARE(Label(window, QStringLiteral("messageLabel"))->text(), Text(PicksMissingMessage(2)));
    Type(window, QStringLiteral("a"));  // no draw outside the draw
    QCOMPARE(window.Draw().DrawCount, int16_t{1});

    SelectRows(window, {2, 3, 4});
    QCOMPARE(window.Picks(), (std::vector<int16_t>{2, 4, 5}));
    QVERIFY(!MemberList(window)->item(4)->isSelected());  // a fourth pick is not kept, and the user hears why
    QCOMPARE(Label(window, QStringLiteral("messageLabel"))->text(), Text(TooManyPicksMessage()));
    QCOMPARE(Label(window, QStringLiteral("opponentLabel3"))->text(), Text(state_.members.MemberName[1][5]));
    std::set<int> seated{state_.match.SeatMember[1], state_.match.SeatMember[2], state_.match.SeatMember[3]};
    QCOMPARE(seated, (std::set<int>{2, 4, 5}));

    // A pick higher in the list than the third takes its place, and says so.
    MemberList(window)->item(0)->setSelected(false);
    SelectRows(window, {4});
    QCOMPARE(window.Picks(), (std::vector<int16_t>{4, 5, 6}));
    SelectRows(window, {0});
    QCOMPARE(window.Picks(), (std::vector<int16_t>{2, 4, 5}));
    QCOMPARE(Label(window, QStringLiteral("messageLabel"))->text(),
             Text(PickReplacedMessage(state_.members.MemberName[1][2], state_.members.MemberName[1][6])));

    Button(window, QStringLiteral("chooseAgainButton"))->click();  // start again
    QVERIFY(window.Picks().empty());
    QVERIFY(Label(window, QStringLiteral("opponentLabel1"))->text().isEmpty());
    QVERIFY(Button(window, QStringLiteral("randomChoiceButton"))->isEnabled());
    QCOMPARE(MemberList(window)->selectedItems().size(), qsizetype{0});
    Button(window, QStringLiteral("cancelButton"))->click();
    QCOMPARE(window.Outcome(), SeatingDialogOutcome::Cancelled);
  }

  void theLastMatchsOpponentsAreMarkedWhenTheWindowOpens() {
    Prepare(0);
    state_.match.SeatMember = {1, 6, 2, 5};
    SeatingDialog window(state_, paths_, random_, clock_);
    QVERIFY(window.Open(false));
    for (int row = 0; row < MemberList(window)->count(); ++row) {
      const QListWidgetItem* item = MemberList(window)->item(row);
      const int member = item->data(Qt::UserRole).toInt();
      QCOMPARE(item->font().bold(), member == 2 || member == 5 || member == 6);
    }
    // Nothing is picked for the user: the marks only show who sat there.
    QVERIFY(window.Picks().empty());
  }

  void theMemberWindowsAreNamedAndFollowedByKeyboard() {
    Prepare(0);
    SeatingDialog seating(state_, paths_, random_, clock_);
    QVERIFY(seating.Open(false));
    GroupDialog groups(state_, paths_);
    PlayerParametersDialog parameters(state_, paths_, 1, 2);
    const QString nameless = test::NamelessControlsOf({&seating, &groups, &parameters});
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless));
    const QString misread = test::MisreadControls({
        {&seating, "memberList", QStringLiteral("メンバー"), QStringLiteral("対戦相手を3人選んでください")},
        {&seating, "randomChoiceButton", QStringLiteral("ﾗﾝﾀﾞﾑ選択(A)"), QStringLiteral("対戦相手と親をランダムに決めます")},
        {&groups, "groupButton3", QStringLiteral("3"), QStringLiteral("グループ 3 のメンバーと対戦します")},
        {&parameters, "boldnessBar", QStringLiteral("度胸"), QString()},
        {&parameters, "pointsEdit", QStringLiteral("持ち点"), QString()},
    });
    QVERIFY2(misread.isEmpty(), qPrintable(misread));

    // The name being edited is read with the member it belongs to.
    groups.show();
    QVERIFY(QTest::qWaitForWindowActive(&groups));
    ClickPlate(groups, 4);
    QCOMPARE(test::AccessibleName(NameEdit(groups)), QStringLiteral("メンバー 4"));
    groups.reject();

    parameters.show();
    QVERIFY(QTest::qWaitForWindowActive(&parameters));
    QCOMPARE(test::TabOrder(test::Control<QWidget>(parameters, QStringLiteral("boldnessBar")), 6),
             (QStringList{"boldnessBar", "deductionBar", "pointsEdit", "okButton", "cancelButton", "boldnessBar"}));
    parameters.reject();
  }

  void dealerDrawWithKeys_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("position");
    QTest::newRow("a") << QStringLiteral("a") << 1;
    QTest::newRow("B") << QStringLiteral("B") << 2;
    QTest::newRow("kana so") << QStringLiteral("ｿ") << 3;
    QTest::newRow("kana shi") << QStringLiteral("ｼ") << 4;
  }

  void dealerDrawWithKeys() {
    QFETCH(QString, key);
    QFETCH(int, position);
    Prepare(1);
    SeatingDialog window(state_, paths_, random_, clock_);
    QVERIFY(window.Open(false));
    window.show();
    SelectRows(window, {0, 2, 3});
    Button(window, QStringLiteral("okButton"))->click();
    QCOMPARE(state_.seating.Phase, int16_t{kUserToDraw});
    QCOMPARE(window.windowTitle(), QStringLiteral("ぴるく  －親決め－"));
    QVERIFY(!MemberList(window)->isEnabled());
    QVERIFY(!Button(window, QStringLiteral("chooseAgainButton"))->isEnabled());
    QVERIFY(Label(window, QStringLiteral("keyGuide1"))->isVisible());
    const int ace = AcePosition(window.Draw());
    QCOMPARE(Label(window, QStringLiteral("messageLabel"))->text(), Text(" 親を決めます、カードを選んでください" + std::string(ace, '.')));

    Type(window, key);  // the user's draw and the three computer draws with their pauses
    QVERIFY(test::NothingWaits());
    QCOMPARE(window.Draw().DrawTaken, (std::array<int16_t, 5>{0, 1, 1, 1, 1}));
    QCOMPARE(state_.seating.Phase, int16_t{kDealerDecided});
    QCOMPARE(Label(window, QStringLiteral("drawnByLabel%1").arg(position))->text().left(6), QStringLiteral("Player"));
    if (position == ace) QCOMPARE(state_.table.Dealer, int16_t{0});
    const std::string dealer = state_.table.Dealer == 0 ? "Player" : state_.match.SeatName[state_.table.Dealer];
    QCOMPARE(Label(window, QStringLiteral("messageLabel"))->text(), Text(" 親は " + dealer + " に決まりました."));
    QVERIFY(Button(window, QStringLiteral("okButton"))->isEnabled() && Button(window, QStringLiteral("cancelButton"))->isEnabled());
    Type(window, QStringLiteral("a"));  // the draw is over
    QCOMPARE(window.Draw().DrawCount, int16_t{5});

    Button(window, QStringLiteral("okButton"))->click();
    QCOMPARE(window.Outcome(), SeatingDialogOutcome::Started);
    QVERIFY(state_.match.MatchInProgress);
  }

  void clickOnACardDraws() {
    Prepare(0);
    SeatingDialog window(state_, paths_, random_, clock_);
    QVERIFY(window.Open(false));
    window.show();
    SelectRows(window, {0, 2, 3});
    Button(window, QStringLiteral("okButton"))->click();
    QVERIFY(!Label(window, QStringLiteral("keyGuide1"))->isVisible());
    QTest::mouseClick(test::Control<QWidget>(window, QStringLiteral("drawCard3")), Qt::LeftButton);
    QVERIFY(test::NothingWaits());
    QCOMPARE(window.Draw().DrawCount, int16_t{5});
    QCOMPARE(window.Draw().DrawTaken[3], int16_t{1});
  }

  // The window goes in the middle of the draws, as when the run that opened
  // it is stopped at the program's end: the draws stop with it, and the
  // pause they were in finds nothing to go on with.
  void aWindowGoneInTheMiddleOfTheDrawStopsTheDraw() {
    Prepare(0);
    state_.window.SpeedCount = 50;  // pauses of 300 ms
    bool returned = false;
    const SuspendableRun::Id opener = SuspendableRun::Start([&] {
      RunMemberDecision(nullptr, state_, paths_, false, random_, clock_);
      returned = true;
    });
    QTRY_VERIFY(qobject_cast<SeatingDialog*>(QApplication::activeModalWidget()) != nullptr);
    QPointer<SeatingDialog> window = qobject_cast<SeatingDialog*>(QApplication::activeModalWidget());
    SelectRows(*window, {0, 2, 3});
    Button(*window, QStringLiteral("okButton"))->click();
    QCOMPARE(state_.seating.Phase, int16_t{kUserToDraw});
    Type(*window, QStringLiteral("a"));
    // The user's card is turned; the computers' draws wait for the pause.
    QCOMPARE(window->Draw().DrawTaken[1], int16_t{1});
    QCOMPARE(window->Draw().DrawCount, int16_t{2});
    QCOMPARE(SuspendableRun::SuspendedCount(), 2);
    const int16_t phase = state_.seating.Phase;

    SuspendableRun::Stop(opener);
    QVERIFY(window.isNull());
    QCOMPARE(SuspendableRun::SuspendedCount(), 0);
    QVERIFY(!returned);
    QTest::qWait(600);  // the pause's end comes and goes
    QCOMPARE(state_.seating.Phase, phase);
    QVERIFY(phase != kDealerDecided);
    QCOMPARE(SuspendableRun::SuspendedCount(), 0);
  }

  void cancelAndTheCloseBoxEndWithoutAMatch() {
    Prepare(0);
    state_.match.MatchInProgress = true;
    state_.match.SeatName = {"", "Aki", "Ben", "Cho"};
    SeatingDialog window(state_, paths_, random_, clock_);
    QVERIFY(window.Open(true));
    QCOMPARE(Label(window, QStringLiteral("opponentLabel1"))->text(), QStringLiteral("Aki"));  // changing members keeps the last ones shown
    QCOMPARE(Label(window, QStringLiteral("opponentLabel3"))->text(), QStringLiteral("Cho"));
    window.show();
    std::filesystem::remove(paths_.DataFile(kMemberDataFile));
    window.close();
    QCOMPARE(window.Outcome(), SeatingDialogOutcome::Cancelled);
    QVERIFY(!state_.match.MatchInProgress);
    QVERIFY(std::filesystem::exists(paths_.DataFile(kMemberDataFile)));
  }

  void noCardFolderEndsTheProgram() {
    Prepare(0);
    std::filesystem::remove(dir_->File("cards/DiaA.bmp"));
    test::WhenModalAppears([](QWidget* prompt) { qobject_cast<QDialog*>(prompt)->reject(); });
    SeatingDialogOutcome outcome = SeatingDialogOutcome::Cancelled;
    QVERIFY(test::RunToEnd([&] { outcome = RunMemberDecision(nullptr, state_, paths_, false, random_, clock_); }));
    QCOMPARE(outcome, SeatingDialogOutcome::Quit);
  }

  void missingCardBackEndsTheProgram() {
    Prepare(0, false);
    QString shown;
    test::WhenModalAppears([&](QWidget* modal) {
      auto* window = qobject_cast<SeatingDialog*>(modal);
      QVERIFY(window != nullptr);
      MemberList(*window)->item(0)->setSelected(true);
      MemberList(*window)->item(2)->setSelected(true);
      MemberList(*window)->item(3)->setSelected(true);
      test::WhenModalAppears([&](QWidget* box) {
        auto* message = qobject_cast<QMessageBox*>(box);
        QVERIFY(message != nullptr);
        shown = message->text();
        message->accept();
      });
      Button(*window, QStringLiteral("okButton"))->click();
    });
    SeatingDialogOutcome outcome = SeatingDialogOutcome::Cancelled;
    QVERIFY(test::RunToEnd([&] { outcome = RunMemberDecision(nullptr, state_, paths_, false, random_, clock_); }));
    QCOMPARE(outcome, SeatingDialogOutcome::Quit);
    QCOMPARE(shown, Text("「 " + DataFilePath(state_.settings, "Card.bmp") + "(#1) 」というファイルが見つかりません。"));
    QVERIFY(!state_.match.MatchInProgress);
  }

  void groupButtonChangesTheGroupWhileChoosing() {
    Prepare(0);
    SeatingDialog window(state_, paths_, random_, clock_);
    QVERIFY(window.Open(false));
    window.show();
    SelectRows(window, {0, 2});
    QCOMPARE(window.Picks().size(), size_t{2});

    // OK in the group window: group 3, one member renamed.
    test::WhenModalAppears([](QWidget* modal) {
      auto* groups = qobject_cast<GroupDialog*>(modal);
      QVERIFY(groups != nullptr);
      QVERIFY(GroupButton(*groups, 1)->isChecked());
      GroupButton(*groups, 3)->click();
      ClickPlate(*groups, 4);
      NameEdit(*groups)->setText(QStringLiteral("Dora"));
      Button(*groups, QStringLiteral("okButton"))->click();
    });
    Button(window, QStringLiteral("changeGroupButton"))->click();
    QVERIFY(test::NothingWaits());
    QCOMPARE(state_.seating.CurrentGroup, int16_t{3});
    QCOMPARE(state_.match.SeatMember[0], int16_t{3});
    QCOMPARE(MemberList(window)->count(), 10);  // the user is not in group 3
    QCOMPARE(MemberList(window)->item(3)->text(), QStringLiteral(" 1000点\t\tDora"));
    QVERIFY(window.Picks().empty());
    QVERIFY(Label(window, QStringLiteral("opponentLabel1"))->text().isEmpty());
    QVERIFY(Button(window, QStringLiteral("randomChoiceButton"))->isEnabled());

    // Closed by its frame: the choice and the names in memory still make the list.
    test::WhenModalAppears([](QWidget* modal) {
      auto* groups = qobject_cast<GroupDialog*>(modal);
      QVERIFY(groups != nullptr);
      QVERIFY(GroupButton(*groups, 3)->isChecked());
      GroupButton(*groups, 5)->click();
      ClickPlate(*groups, 1);
      NameEdit(*groups)->setText(QStringLiteral("Emi"));
      Button(*groups, QStringLiteral("storeButton"))->click();
      groups->close();
    });
    Button(window, QStringLiteral("changeGroupButton"))->click();
    QVERIFY(test::NothingWaits());
    QCOMPARE(state_.seating.CurrentGroup, int16_t{5});
    QCOMPARE(state_.settings.MemberGroup, int16_t{3});  // the settings were not changed
    QCOMPARE(MemberList(window)->item(0)->text(), QStringLiteral(" 1000点\t\tEmi"));
    SelectRows(window, {0, 1, 2});
    Button(window, QStringLiteral("okButton"))->click();
    QCOMPARE(state_.seating.Phase, int16_t{kUserToDraw});

    // Past choosing, the button opens nothing.
    Button(window, QStringLiteral("changeGroupButton"))->click();
    QVERIFY(!Button(window, QStringLiteral("changeGroupButton"))->isEnabled());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(state_.seating.CurrentGroup, int16_t{5});
    Button(window, QStringLiteral("cancelButton"))->click();

    // The match window's close wrote the table as it was in memory.
    GameState reread;
    ReadMemberFiles(reread, paths_);
    QCOMPARE(reread.members.MemberName[3][4], std::string("Dora"));
    QCOMPARE(reread.members.MemberName[5][1], std::string("Emi"));

    // The next game reads the settings again, which still name group 3: the
    // group chosen before the frame close plays all the same, also after
    // "決め直し" reads the member files once more.
    SeatingDialog next(state_, paths_, random_, clock_);
    QVERIFY(next.Open(false));
    QCOMPARE(state_.settings.MemberGroup, int16_t{3});
    QCOMPARE(state_.seating.CurrentGroup, int16_t{5});
    QCOMPARE(MemberList(next)->item(0)->text(), QStringLiteral(" 1000点\t\tEmi"));
    Button(next, QStringLiteral("chooseAgainButton"))->click();
    QCOMPARE(state_.seating.CurrentGroup, int16_t{5});
    QCOMPARE(state_.match.SeatMember[0], int16_t{5});
  }

  // The group window from the main menu, closed by its frame: nothing is
  // written, yet the next game plays its group with its names.
  void groupKeptFromTheMenuPlaysTheNextGame() {
    Prepare(0);
    const std::string settings = FileText(paths_.SettingsFile());
    const std::string names = FileText(paths_.DataFile(kMemberNamesFile));
    test::ScriptedHost host;
    QCOMPARE(ReadSettings(state_, paths_, host), ReadSettingsOutcome::Ready);
    ReadMemberFiles(state_, paths_);
    test::WhenModalAppears([](QWidget* modal) {
      auto* groups = qobject_cast<GroupDialog*>(modal);
      QVERIFY(groups != nullptr);
      GroupButton(*groups, 4)->click();
      ClickPlate(*groups, 2);
      NameEdit(*groups)->setText(QStringLiteral("Fumi"));
      Button(*groups, QStringLiteral("storeButton"))->click();
      groups->close();
    });
    bool confirmed = true;
    QVERIFY(test::RunToEnd([&] { confirmed = OpenGroupWindow(nullptr, state_, paths_); }));
    QVERIFY(!confirmed);
    QCOMPARE(FileText(paths_.SettingsFile()), settings);
    QCOMPARE(FileText(paths_.DataFile(kMemberNamesFile)), names);

    SeatingDialog window(state_, paths_, random_, clock_);
    QVERIFY(window.Open(false));
    QCOMPARE(state_.seating.CurrentGroup, int16_t{4});
    QCOMPARE(state_.match.SeatMember[0], int16_t{4});
    QCOMPARE(MemberList(window)->item(1)->text(), QStringLiteral(" 1000点\t\tFumi"));
    SelectRows(window, {1, 2, 3});
    const std::set<std::string> seated{state_.match.SeatName[1], state_.match.SeatName[2], state_.match.SeatName[3]};
    QCOMPARE(seated, (std::set<std::string>{"Fumi", "No.42", "No.43"}));
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<SeatingDialogTest>();
#include "tst_seating_dialog.moc"
