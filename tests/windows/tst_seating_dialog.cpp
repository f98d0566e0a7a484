// The member and dealer decision window, driven as the user drives it.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <set>

#include "DialogAnswers.h"
#include "config/SettingsStore.h"
#include "gui/members/SeatingDialog.h"
#include "gui/members/GroupDialog.h"
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

std::string FileText(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

}  // namespace

class TestForm2 : public QObject {
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
    state_.SpeedCount = 1;
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
    for (int row : rows) window.List1->item(row)->setSelected(true);
  }

  static void Type(SeatingDialog& window, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(&window, &press);
  }

 private slots:
  void randomChoiceStartsTheMatch() {
    Prepare(0);
    for (int i = 1; i <= 10; ++i) state_.HandLogPoints[i] = 5;
    state_.HandLogText[3] = "あがり";
    state_.AutoPlay = 1;

    QString message;
    test::WhenModalAppears([&](QWidget* modal) {
      auto* window = qobject_cast<SeatingDialog*>(modal);
      QVERIFY(window != nullptr);
      QCOMPARE(window->windowTitle(), QStringLiteral("ぴるく  －メンバー決め－"));
      QVERIFY(window->Command2->isEnabled());
      QVERIFY(window->Command6->isEnabled());
      window->Command2->click();
      QVERIFY(!window->Command6->isEnabled());
      message = window->Label10->text();
      QVERIFY(window->List1->isHidden());
      QVERIFY(!window->Command1->isEnabled());
      QVERIFY(!window->Command2->isEnabled());
      window->Command5->click();
    });
    QCOMPARE(RunMemberDecision(nullptr, state_, paths_, false, random_, clock_), SeatingDialogOutcome::Started);

    QCOMPARE(state_.AutoPlay, 0);  // the settings were read again
    QCOMPARE(state_.MatchInProgress, 1);
    QCOMPARE(state_.SeatMember[0], 1);
    std::set<int> seated;
    for (int seat = 1; seat <= 3; ++seat) {
      const int member = state_.SeatMember[seat];
      QVERIFY(member >= 2 && member <= 10 && member != 3);
      seated.insert(member);
      QCOMPARE(state_.SeatName[seat], state_.members.MemberName[1][member]);
      QCOMPARE(state_.Boldness[seat], state_.members.MemberBoldness[1][member]);
      QCOMPARE(state_.Deduction[seat], state_.members.MemberDeduction[1][member]);
    }
    QCOMPARE(seated.size(), size_t{3});
    QVERIFY(state_.Dealer >= 0 && state_.Dealer <= 3);
    const std::string dealer = state_.Dealer == 0 ? "Player" : state_.SeatName[state_.Dealer];
    QCOMPARE(message, Text(" 親は " + dealer + " です."));
    QCOMPARE(state_.SeatName[0], std::string("Player"));
    for (int i = 1; i <= 10; ++i) {
      QCOMPARE(state_.HandLogPoints[i], 0);
      QVERIFY(state_.HandLogText[i].empty());
    }
    QCOMPARE(state_.MatchStartTime, 13 * 3600 + 45 * 60 + 30);
    QVERIFY(std::filesystem::exists(paths_.DataFile(kMemberDataFile)));
  }

  void memberListAndPicks() {
    Prepare(0);
    SeatingDialog window(state_, paths_, random_, clock_);
    QVERIFY(window.Open(false));
    window.show();
    QCOMPARE(window.List1->count(), 9);
    QCOMPARE(window.List1->item(0)->text(), Text(" 1000点\t\t") + Text(state_.members.MemberName[1][2]));
    // Member 3 has no points: listed, never picked.
    QVERIFY(!(window.List1->item(1)->flags() & Qt::ItemIsSelectable));

    SelectRows(window, {0});
    QCOMPARE(window.Label2->text(), Text(state_.members.MemberName[1][2]));
    QVERIFY(window.Label3->text().isEmpty());
    QVERIFY(!window.Command2->isEnabled());
    window.List1->setFocus();
    QTest::keyClick(window.List1, Qt::Key_Return);  // Enter moves on to OK without pressing it
    QCOMPARE(window.focusWidget(), window.Command5);
    window.Command5->click();  // fewer than three: OK does nothing
    QCOMPARE(state_.DecisionPhase, int16_t{kChoosingMembers});
    Type(window, QStringLiteral("a"));  // no draw outside the draw
    QCOMPARE(window.Draw().DrawCount, int16_t{1});

    SelectRows(window, {2, 3, 4});
    QCOMPARE(window.Picks(), (std::vector<int16_t>{2, 4, 5}));
    QVERIFY(!window.List1->item(4)->isSelected());  // a fourth pick is not kept
    QCOMPARE(window.Label4->text(), Text(state_.members.MemberName[1][5]));
    std::set<int> seated{state_.SeatMember[1], state_.SeatMember[2], state_.SeatMember[3]};
    QCOMPARE(seated, (std::set<int>{2, 4, 5}));

    window.Command1->click();  // start again
    QVERIFY(window.Picks().empty());
    QVERIFY(window.Label2->text().isEmpty());
    QVERIFY(window.Command2->isEnabled());
    QCOMPARE(window.List1->selectedItems().size(), qsizetype{0});
    window.Command3->click();
    QCOMPARE(window.Outcome(), SeatingDialogOutcome::Cancelled);
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
    window.Command5->click();
    QCOMPARE(state_.DecisionPhase, int16_t{kUserToDraw});
    QCOMPARE(window.windowTitle(), QStringLiteral("ぴるく  －親決め－"));
    QVERIFY(!window.List1->isEnabled());
    QVERIFY(!window.Command1->isEnabled());
    QVERIFY(window.KeyGuide[1]->isVisible());
    const int ace = AcePosition(window.Draw());
    QCOMPARE(window.Label10->text(), Text(" 親を決めます、カードを選んでください" + std::string(ace, '.')));

    Type(window, key);  // the user's draw and the three computer draws with their pauses
    QCOMPARE(window.Draw().DrawTaken, (std::array<int16_t, 5>{0, 1, 1, 1, 1}));
    QCOMPARE(state_.DecisionPhase, int16_t{kDealerDecided});
    QCOMPARE(window.DrawnBy[position]->text().left(6), QStringLiteral("Player"));
    if (position == ace) QCOMPARE(state_.Dealer, int16_t{0});
    const std::string dealer = state_.Dealer == 0 ? "Player" : state_.SeatName[state_.Dealer];
    QCOMPARE(window.Label10->text(), Text(" 親は " + dealer + " に決まりました."));
    QVERIFY(window.Command5->isEnabled() && window.Command3->isEnabled());
    Type(window, QStringLiteral("a"));  // the draw is over
    QCOMPARE(window.Draw().DrawCount, int16_t{5});

    window.Command5->click();
    QCOMPARE(window.Outcome(), SeatingDialogOutcome::Started);
    QCOMPARE(state_.MatchInProgress, 1);
  }

  void clickOnACardDraws() {
    Prepare(0);
    SeatingDialog window(state_, paths_, random_, clock_);
    QVERIFY(window.Open(false));
    window.show();
    SelectRows(window, {0, 2, 3});
    window.Command5->click();
    QVERIFY(!window.KeyGuide[1]->isVisible());
    QTest::mouseClick(window.Picture[3], Qt::LeftButton);
    QCOMPARE(window.Draw().DrawCount, int16_t{5});
    QCOMPARE(window.Draw().DrawTaken[3], int16_t{1});
  }

  void cancelAndTheCloseBoxEndWithoutAMatch() {
    Prepare(0);
    state_.MatchInProgress = 1;
    state_.SeatName = {"", "Aki", "Ben", "Cho"};
    SeatingDialog window(state_, paths_, random_, clock_);
    QVERIFY(window.Open(true));
    QCOMPARE(window.Label2->text(), QStringLiteral("Aki"));  // changing members keeps the last ones shown
    QCOMPARE(window.Label4->text(), QStringLiteral("Cho"));
    window.show();
    std::filesystem::remove(paths_.DataFile(kMemberDataFile));
    window.close();
    QCOMPARE(window.Outcome(), SeatingDialogOutcome::Cancelled);
    QCOMPARE(state_.MatchInProgress, 0);
    QVERIFY(std::filesystem::exists(paths_.DataFile(kMemberDataFile)));
  }

  void noCardFolderEndsTheProgram() {
    Prepare(0);
    std::filesystem::remove(dir_->File("cards/DiaA.bmp"));
    test::WhenModalAppears([](QWidget* prompt) { qobject_cast<QDialog*>(prompt)->reject(); });
    QCOMPARE(RunMemberDecision(nullptr, state_, paths_, false, random_, clock_), SeatingDialogOutcome::Quit);
  }

  void missingCardBackEndsTheProgram() {
    Prepare(0, false);
    QString shown;
    test::WhenModalAppears([&](QWidget* modal) {
      auto* window = qobject_cast<SeatingDialog*>(modal);
      QVERIFY(window != nullptr);
      window->List1->item(0)->setSelected(true);
      window->List1->item(2)->setSelected(true);
      window->List1->item(3)->setSelected(true);
      test::WhenModalAppears([&](QWidget* box) {
        auto* message = qobject_cast<QMessageBox*>(box);
        QVERIFY(message != nullptr);
        shown = message->text();
        message->accept();
      });
      window->Command5->click();
    });
    QCOMPARE(RunMemberDecision(nullptr, state_, paths_, false, random_, clock_), SeatingDialogOutcome::Quit);
    QCOMPARE(shown, Text("「 " + DataFilePath(state_.settings, "Card.bmp") + "(#1) 」というファイルが見つかりません。"));
    QCOMPARE(state_.MatchInProgress, 0);
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
      QVERIFY(groups->Option[1]->isChecked());
      groups->Option[3]->click();
      groups->Label_Click(4);
      groups->Text1->setText(QStringLiteral("Dora"));
      groups->Command1->click();
    });
    window.Command6->click();
    QCOMPARE(state_.CurrentGroup, int16_t{3});
    QCOMPARE(state_.SeatMember[0], int16_t{3});
    QCOMPARE(window.List1->count(), 10);  // the user is not in group 3
    QCOMPARE(window.List1->item(3)->text(), QStringLiteral(" 1000点\t\tDora"));
    QVERIFY(window.Picks().empty());
    QVERIFY(window.Label2->text().isEmpty());
    QVERIFY(window.Command2->isEnabled());

    // Closed by its frame: the choice and the names in memory still make the list.
    test::WhenModalAppears([](QWidget* modal) {
      auto* groups = qobject_cast<GroupDialog*>(modal);
      QVERIFY(groups != nullptr);
      QVERIFY(groups->Option[3]->isChecked());
      groups->Option[5]->click();
      groups->Label_Click(1);
      groups->Text1->setText(QStringLiteral("Emi"));
      groups->Command3->click();
      groups->close();
    });
    window.Command6->click();
    QCOMPARE(state_.CurrentGroup, int16_t{5});
    QCOMPARE(state_.settings.MemberGroup, int16_t{3});  // the settings were not changed
    QCOMPARE(window.List1->item(0)->text(), QStringLiteral(" 1000点\t\tEmi"));
    SelectRows(window, {0, 1, 2});
    window.Command5->click();
    QCOMPARE(state_.DecisionPhase, int16_t{kUserToDraw});

    // Past choosing, the button opens nothing.
    window.Command6->click();
    QVERIFY(!window.Command6->isEnabled());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(state_.CurrentGroup, int16_t{5});
    window.Command3->click();

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
    QCOMPARE(state_.CurrentGroup, int16_t{5});
    QCOMPARE(next.List1->item(0)->text(), QStringLiteral(" 1000点\t\tEmi"));
    next.Command1->click();
    QCOMPARE(state_.CurrentGroup, int16_t{5});
    QCOMPARE(state_.SeatMember[0], int16_t{5});
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
      groups->Option[4]->click();
      groups->Label_Click(2);
      groups->Text1->setText(QStringLiteral("Fumi"));
      groups->Command3->click();
      groups->close();
    });
    QVERIFY(!OpenGroupWindow(nullptr, state_, paths_));
    QCOMPARE(FileText(paths_.SettingsFile()), settings);
    QCOMPARE(FileText(paths_.DataFile(kMemberNamesFile)), names);

    SeatingDialog window(state_, paths_, random_, clock_);
    QVERIFY(window.Open(false));
    QCOMPARE(state_.CurrentGroup, int16_t{4});
    QCOMPARE(state_.SeatMember[0], int16_t{4});
    QCOMPARE(window.List1->item(1)->text(), QStringLiteral(" 1000点\t\tFumi"));
    SelectRows(window, {1, 2, 3});
    const std::set<std::string> seated{state_.SeatName[1], state_.SeatName[2], state_.SeatName[3]};
    QCOMPARE(seated, (std::set<std::string>{"Fumi", "No.42", "No.43"}));
  }
};

QTEST_MAIN(TestForm2)
#include "tst_seating_dialog.moc"
