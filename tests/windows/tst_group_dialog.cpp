// The group window, driven as the user drives it.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/SettingsStore.h"
#include "members/MemberDecision.h"
#include "members/MemberNames.h"
#include "gui/members/GroupDialog.h"
#include "scoring/MemberFiles.h"
#include "support/ScriptedSettingsHost.h"
#include "support/TempDir.h"

using namespace winpiruk;

namespace {

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

const QColor kDarkCyan(0, 128, 128);
const QColor kDarkRed(128, 0, 0);
const QColor kBlack(0, 0, 0);

QColor NameColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

}  // namespace

class TestForm6 : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::TempDir> dir_;
  ProgramPaths paths_;
  GameState state_;

  // Settings and member files on disk, group 2 in use; names "g-m", the
  // user "Player", member 4 of group 3 in debt.
  void Prepare() {
    dir_ = std::make_unique<test::TempDir>();
    paths_ = ProgramPaths{dir_->File("program"), dir_->File("config"), dir_->File("data")};
    for (const auto& d : {paths_.program_directory, paths_.config_directory, paths_.data_directory}) {
      std::filesystem::create_directories(d);
    }
    state_ = GameState{};
    state_.settings.MemberGroup = 2;
    // A card folder, so that the settings can be read again as a new game does.
    state_.settings.DataFileDirectory = paths_.program_directory;
    std::ofstream(paths_.program_directory + "/DiaA.bmp") << "BM";
    test::ScriptedHost host;
    QVERIFY(WriteSettings(state_, paths_, host));
    ReadMemberFiles(state_, paths_);
    for (int g = 1; g <= kGroups; ++g) {
      for (int m = 1; m <= kMembersPerGroup; ++m) state_.members.MemberName[g][m] = std::to_string(g) + "-" + std::to_string(m);
    }
    state_.members.MemberName[1][1] = "Player";
    state_.members.MemberPoints[3][4] = -40;
    state_.members.MemberPoints[1][2] = -1;
    QVERIFY(WriteMemberFiles(state_, paths_));
    ReadMemberFiles(state_, paths_);
    QCOMPARE(state_.CurrentGroup, int16_t{2});
  }

 private slots:
  void choosingAGroupShowsItsNames() {
    Prepare();
    GroupDialog window(state_, paths_);
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("ぴるく  －ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更－"));
    QVERIFY(window.Option[2]->isChecked());
    QCOMPARE(window.Label[1]->text(), QStringLiteral("2-1"));
    QCOMPARE(window.Label[10]->text(), QStringLiteral("2-10"));
    QVERIFY(window.Label11->isVisible());
    QVERIFY(!window.Text1->isVisible() && !window.Line1->isVisible() && !window.Command3->isVisible());

    QTest::mouseClick(window.Option[3], Qt::LeftButton);
    QCOMPARE(state_.CurrentGroup, int16_t{3});
    for (int m = 1; m <= kMembersPerGroup; ++m) {
      QCOMPARE(window.Label[m]->text(), Text("3-" + std::to_string(m)));
      QCOMPARE(state_.GroupMemberName[m], "3-" + std::to_string(m));
    }
    QCOMPARE(NameColour(window.Label[4]), kDarkRed);  // in debt: dark red, not bold
    QVERIFY(!window.Label[4]->font().bold());
    QCOMPARE(NameColour(window.Label[5]), kBlack);
    QVERIFY(window.Label[5]->font().bold());

    window.Option[1]->click();
    QCOMPARE(window.Label[1]->text(), QStringLiteral("Player"));
    QCOMPARE(NameColour(window.Label[1]), kDarkCyan);
    QVERIFY(window.Label[1]->font().bold());
    QCOMPARE(NameColour(window.Label[2]), kDarkRed);
    QCOMPARE(state_.CurrentGroup, int16_t{1});
  }

  void editingAndStoringAName() {
    Prepare();
    GroupDialog window(state_, paths_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(window.Label[5], Qt::LeftButton);
    QCOMPARE(window.EditedMember(), 5);
    QVERIFY(window.Text1->isVisible() && window.Line1->isVisible() && window.Line2->isVisible());
    QVERIFY(window.Command3->isVisible() && window.Command2->isVisible());
    QVERIFY(!window.Label11->isVisible());
    QCOMPARE(window.Text1->text(), QStringLiteral("2-5"));
    QCOMPARE(QApplication::focusWidget(), window.Text1);

    window.Text1->setText(QStringLiteral("佐藤"));
    window.Command3->click();
    QCOMPARE(state_.members.MemberName[2][5], std::string("佐藤"));
    QCOMPARE(window.Label[5]->text(), QStringLiteral("佐藤"));
    QVERIFY(window.Text1->text().isEmpty());
    QVERIFY(!window.Text1->isVisible() && !window.Line1->isVisible() && window.Label11->isVisible());
    QCOMPARE(QApplication::focusWidget(), window.Command1);
    QVERIFY(window.isVisible());

    // Enter stores the same way and does not press OK.
    QTest::mouseClick(window.Label[6], Qt::LeftButton);
    window.Text1->selectAll();
    QTest::keyClicks(window.Text1, QStringLiteral("Kato"));
    QTest::keyClick(window.Text1, Qt::Key_Return);
    QCOMPARE(state_.members.MemberName[2][6], std::string("Kato"));
    QVERIFY(window.isVisible());
    QVERIFY(!window.Text1->isVisible() && window.Label11->isVisible());
    QCOMPARE(QApplication::focusWidget(), window.Command1);

    // The edit's "ｷｬﾝｾﾙ" and Esc leave the name as it was.
    QTest::mouseClick(window.Label[7], Qt::LeftButton);
    window.Text1->setText(QStringLiteral("nobody"));
    window.Command2->click();
    QCOMPARE(state_.members.MemberName[2][7], std::string("2-7"));
    QVERIFY(!window.Text1->isVisible() && window.Text1->text().isEmpty());
    QTest::mouseClick(window.Label[7], Qt::LeftButton);
    window.Text1->setText(QStringLiteral("nobody"));
    QTest::keyClick(window.Text1, Qt::Key_Escape);
    QCOMPARE(state_.members.MemberName[2][7], std::string("2-7"));
    QVERIFY(window.isVisible());

    // From the keyboard: Enter on a name opens it for editing, not OK.
    window.Label[10]->setFocus();
    QTest::keyClick(window.Label[10], Qt::Key_Return);
    QVERIFY(window.isVisible());
    QCOMPARE(window.EditedMember(), 10);
    QCOMPARE(QApplication::focusWidget(), window.Text1);
    window.Command2->click();

    // An empty name may be stored.
    QTest::mouseClick(window.Label[8], Qt::LeftButton);
    window.Text1->clear();
    window.Command3->click();
    QCOMPARE(state_.members.MemberName[2][8], std::string());

    // A group switch drops an open edit instead of giving its text to the
    // member of the same number in the other group.
    QTest::mouseClick(window.Label[9], Qt::LeftButton);
    window.Text1->setText(QStringLiteral("moved"));
    window.Option[4]->click();
    QVERIFY(!window.Editing());
    window.Command1->click();
    QCOMPARE(state_.members.MemberName[4][9], std::string("4-9"));
    QCOMPARE(state_.members.MemberName[2][9], std::string("2-9"));
  }

  void namesTheFileCannotKeepAreCleaned_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("comma") << QStringLiteral("山田,花子") << QStringLiteral("山田，花子");
    QTest::newRow("leading blanks") << QStringLiteral("   花子") << QStringLiteral("花子");
    QTest::newRow("emoji") << QStringLiteral("花子😀") << QStringLiteral("花子");
    QTest::newRow("all three") << QStringLiteral(" 😀a,b") << QStringLiteral("a，b");
    QTest::newRow("yen sign") << QStringLiteral("¥100") << QStringLiteral("100");
  }

  void namesTheFileCannotKeepAreCleaned() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    Prepare();
    GroupDialog window(state_, paths_);
    window.show();
    QTest::mouseClick(window.Label[3], Qt::LeftButton);
    window.Text1->setText(typed);
    QVERIFY(window.Notice->text().startsWith(QStringLiteral("※ 更新すると")));  // said before storing
    window.Command3->click();
    QCOMPARE(Text(state_.members.MemberName[2][3]), stored);
    QVERIFY(MemberNameFitsFile(state_.members.MemberName[2][3]));
    QCOMPARE(window.Label[3]->text(), stored);
    QVERIFY(window.Notice->text().endsWith(QStringLiteral("ました。")));  // and after
    QVERIFY(window.Notice->isVisible());

    // The file gives back exactly what the window shows.
    window.Command1->click();
    GameState reread;
    reread.settings.MemberGroup = 2;
    ReadMemberFiles(reread, paths_);
    QCOMPARE(Text(reread.members.MemberName[2][3]), stored);
  }

  void aNameThatFitsIsStoredAsTyped() {
    Prepare();
    GroupDialog window(state_, paths_);
    window.show();
    QTest::mouseClick(window.Label[2], Qt::LeftButton);
    window.Text1->setText(QStringLiteral("ﾊﾝｶｸ 名前 "));
    QVERIFY(window.Notice->text().isEmpty());
    window.Command3->click();
    QCOMPARE(state_.members.MemberName[2][2], std::string("ﾊﾝｶｸ 名前 "));
    QVERIFY(window.Notice->text().isEmpty());
  }

  void okWritesBothFiles() {
    Prepare();
    QTimer::singleShot(0, [] {
      auto* window = qobject_cast<GroupDialog*>(QApplication::activeModalWidget());
      QVERIFY(window != nullptr);
      window->Option[4]->click();
      QTest::mouseClick(window->Label[2], Qt::LeftButton);
      window->Text1->setText(QStringLiteral("高橋"));
      window->Command3->click();
      // A second edit left open is stored by OK.
      QTest::mouseClick(window->Label[3], Qt::LeftButton);
      window->Text1->setText(QStringLiteral("伊藤"));
      window->Command1->click();
    });
    QVERIFY(OpenGroupWindow(nullptr, state_, paths_));
    QCOMPARE(state_.settings.MemberGroup, int16_t{4});

    GameState reread;
    QVERIFY(LoadSettingsFile(paths_.SettingsFile(), reread.settings));
    QCOMPARE(reread.settings.MemberGroup, int16_t{4});
    QVERIFY(FileBytes(paths_.SettingsFile()).find("MemberGroup = 4") != std::string::npos);
    ReadMemberFiles(reread, paths_);
    QCOMPARE(reread.members.MemberName[4][2], std::string("高橋"));
    QCOMPARE(reread.members.MemberName[4][3], std::string("伊藤"));
    QCOMPARE(reread.CurrentGroup, int16_t{4});
  }

  void closingByTheFrameWritesNothing() {
    Prepare();
    const std::string names = FileBytes(paths_.DataFile(kMemberNamesFile));
    const std::string data = FileBytes(paths_.DataFile(kMemberDataFile));
    const std::string settings = FileBytes(paths_.SettingsFile());
    {
      GroupDialog window(state_, paths_);
      window.show();
      window.Option[5]->click();
      QTest::mouseClick(window.Label[1], Qt::LeftButton);
      window.Text1->setText(QStringLiteral("中村"));
      window.Command3->click();
      QTest::mouseClick(window.Label[2], Qt::LeftButton);
      window.Text1->setText(QStringLiteral("not stored"));  // an open edit is dropped
      window.close();
      QCOMPARE(window.result(), int(QDialog::Rejected));
    }
    QCOMPARE(FileBytes(paths_.DataFile(kMemberNamesFile)), names);
    QCOMPARE(FileBytes(paths_.DataFile(kMemberDataFile)), data);
    QCOMPARE(FileBytes(paths_.SettingsFile()), settings);
    // In memory the choice and the name stay for this run.
    QCOMPARE(state_.CurrentGroup, int16_t{5});
    QCOMPARE(state_.members.MemberName[5][1], std::string("中村"));
    QCOMPARE(state_.members.MemberName[5][2], std::string("5-2"));
    QCOMPARE(state_.settings.MemberGroup, int16_t{2});

    // Esc with no edit open closes the same way.
    GroupDialog again(state_, paths_);
    again.show();
    QVERIFY(again.Option[5]->isChecked());
    QCOMPARE(again.Label[1]->text(), QStringLiteral("中村"));
    QTest::keyClick(&again, Qt::Key_Escape);
    QVERIFY(!again.isVisible());
    QCOMPARE(again.result(), int(QDialog::Rejected));
    QCOMPARE(FileBytes(paths_.DataFile(kMemberNamesFile)), names);
  }

  // What a new game does after a close by the frame: the settings and the
  // member files are read again, and the choice still holds; OK stores it
  // and lets it go; a group stored after the close wins over it.
  void aChoiceClosedByTheFrameOutlastsTheReRead() {
    Prepare();
    test::ScriptedHost host;
    auto next_game = [&] {
      QCOMPARE(ReadSettings(state_, paths_, host), ReadSettingsOutcome::Ready);
      ReadMemberFiles(state_, paths_);
      LoadMemberList(state_);
    };
    {
      GroupDialog window(state_, paths_);
      window.show();
      window.Option[5]->click();
      window.Label_Click(3);
      window.Text1->setText(QStringLiteral("中村"));
      window.Command3->click();
      window.close();
    }
    next_game();
    QCOMPARE(state_.settings.MemberGroup, int16_t{2});
    QCOMPARE(state_.CurrentGroup, int16_t{5});
    QCOMPARE(state_.SeatMember[0], int16_t{5});
    QCOMPARE(state_.GroupMemberName[3], std::string("中村"));
    QCOMPARE(state_.members.MemberName[5][3], std::string("中村"));

    // A second close by the frame adds to the first.
    {
      GroupDialog window(state_, paths_);
      window.show();
      QVERIFY(window.Option[5]->isChecked());
      window.Option[3]->click();
      window.Label_Click(1);
      window.Text1->setText(QStringLiteral("小林"));
      window.Command3->click();
      window.close();
    }
    next_game();
    QCOMPARE(state_.CurrentGroup, int16_t{3});
    QCOMPARE(state_.members.MemberName[5][3], std::string("中村"));
    QCOMPARE(state_.members.MemberName[3][1], std::string("小林"));

    // OK stores both and keeps nothing more.
    {
      GroupDialog window(state_, paths_);
      window.Command1->click();
    }
    QCOMPARE(state_.KeptGroup.group, int16_t{0});
    QVERIFY(!state_.KeptGroup.names[5][3].has_value());
    next_game();
    QCOMPARE(state_.CurrentGroup, int16_t{3});
    QCOMPARE(state_.members.MemberName[5][3], std::string("中村"));

    // Kept over group 3, then group 4 is stored (a rule set, say): 4 plays.
    {
      GroupDialog window(state_, paths_);
      window.show();
      window.Option[1]->click();
      window.close();
    }
    state_.settings.MemberGroup = 4;
    QVERIFY(WriteSettings(state_, paths_, host));
    next_game();
    QCOMPARE(state_.CurrentGroup, int16_t{4});
  }
};

QTEST_MAIN(TestForm6)
#include "tst_group_dialog.moc"
