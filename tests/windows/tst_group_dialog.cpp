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

#include "WindowSuites.h"
#include "Controls.h"
#include "RunToEnd.h"
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

QPushButton* Button(const QWidget& window, const QString& name) { return test::Control<QPushButton>(window, name); }
QLabel* Label(const QWidget& window, const QString& name) { return test::Control<QLabel>(window, name); }
QFrame* Line(const QWidget& window, const QString& name) { return test::Control<QFrame>(window, name); }
QLineEdit* NameEdit(const QWidget& window) { return test::Control<QLineEdit>(window, QStringLiteral("nameEdit")); }
QRadioButton* GroupButton(const QWidget& window, int group) {
  return test::Control<QRadioButton>(window, QStringLiteral("groupButton%1").arg(group));
}
QLabel* Plate(const QWidget& window, int member) {
  return test::Control<QLabel>(window, QStringLiteral("namePlate%1").arg(member));
}
// A click on a member's name plate opens the name for editing.
void ClickPlate(const QWidget& window, int member) { QTest::mouseClick(Plate(window, member), Qt::LeftButton); }
QString EditCaption(const QWidget& window) { return Label(window, QStringLiteral("editCaption"))->text(); }

}  // namespace

class GroupDialogTest : public QObject {
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
    QCOMPARE(state_.seating.CurrentGroup, int16_t{2});
  }

 private slots:
  void choosingAGroupShowsItsNames() {
    Prepare();
    GroupDialog window(state_, paths_);
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("ぴるく  －ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更－"));
    QVERIFY(GroupButton(window, 2)->isChecked());
    QCOMPARE(Plate(window, 1)->text(), QStringLiteral("2-1"));
    QCOMPARE(Plate(window, 10)->text(), QStringLiteral("2-10"));
    QVERIFY(Label(window, QStringLiteral("hintLabel"))->isVisible());
    QVERIFY(!NameEdit(window)->isVisible() && !Line(window, QStringLiteral("editorTopLine"))->isVisible() && !Button(window, QStringLiteral("storeButton"))->isVisible());

    QTest::mouseClick(GroupButton(window, 3), Qt::LeftButton);
    QCOMPARE(state_.seating.CurrentGroup, int16_t{3});
    for (int m = 1; m <= kMembersPerGroup; ++m) {
      QCOMPARE(Plate(window, m)->text(), Text("3-" + std::to_string(m)));
      QCOMPARE(state_.seating.GroupMemberName[m], "3-" + std::to_string(m));
    }
    QCOMPARE(NameColour(Plate(window, 4)), kDarkRed);  // in debt: dark red, not bold
    QVERIFY(!Plate(window, 4)->font().bold());
    QCOMPARE(NameColour(Plate(window, 5)), kBlack);
    QVERIFY(Plate(window, 5)->font().bold());

    GroupButton(window, 1)->click();
    QCOMPARE(Plate(window, 1)->text(), QStringLiteral("Player"));
    QCOMPARE(NameColour(Plate(window, 1)), kDarkCyan);
    QVERIFY(Plate(window, 1)->font().bold());
    QCOMPARE(NameColour(Plate(window, 2)), kDarkRed);
    QCOMPARE(state_.seating.CurrentGroup, int16_t{1});
  }

  void editingAndStoringAName() {
    Prepare();
    GroupDialog window(state_, paths_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    ClickPlate(window, 5);
    QCOMPARE(EditCaption(window), QStringLiteral("メンバー 5 :"));
    QVERIFY(NameEdit(window)->isVisible() && Line(window, QStringLiteral("editorTopLine"))->isVisible() && Line(window, QStringLiteral("editorBottomLine"))->isVisible());
    QVERIFY(Button(window, QStringLiteral("storeButton"))->isVisible() && Button(window, QStringLiteral("cancelEditButton"))->isVisible());
    QVERIFY(!Label(window, QStringLiteral("hintLabel"))->isVisible());
    QCOMPARE(NameEdit(window)->text(), QStringLiteral("2-5"));
    QCOMPARE(QApplication::focusWidget(), NameEdit(window));

    NameEdit(window)->setText(QStringLiteral("佐藤"));
    Button(window, QStringLiteral("storeButton"))->click();
    QCOMPARE(state_.members.MemberName[2][5], std::string("佐藤"));
    QCOMPARE(Plate(window, 5)->text(), QStringLiteral("佐藤"));
    QVERIFY(NameEdit(window)->text().isEmpty());
    QVERIFY(!NameEdit(window)->isVisible() && !Line(window, QStringLiteral("editorTopLine"))->isVisible() && Label(window, QStringLiteral("hintLabel"))->isVisible());
    QCOMPARE(QApplication::focusWidget(), Button(window, QStringLiteral("okButton")));
    QVERIFY(window.isVisible());

    // Enter stores the same way and does not press OK.
    ClickPlate(window, 6);
    NameEdit(window)->selectAll();
    QTest::keyClicks(NameEdit(window), QStringLiteral("Kato"));
    QTest::keyClick(NameEdit(window), Qt::Key_Return);
    QCOMPARE(state_.members.MemberName[2][6], std::string("Kato"));
    QVERIFY(window.isVisible());
    QVERIFY(!NameEdit(window)->isVisible() && Label(window, QStringLiteral("hintLabel"))->isVisible());
    QCOMPARE(QApplication::focusWidget(), Button(window, QStringLiteral("okButton")));

    // The edit's "ｷｬﾝｾﾙ" and Esc leave the name as it was.
    ClickPlate(window, 7);
    NameEdit(window)->setText(QStringLiteral("nobody"));
    Button(window, QStringLiteral("cancelEditButton"))->click();
    QCOMPARE(state_.members.MemberName[2][7], std::string("2-7"));
    QVERIFY(!NameEdit(window)->isVisible() && NameEdit(window)->text().isEmpty());
    ClickPlate(window, 7);
    NameEdit(window)->setText(QStringLiteral("nobody"));
    QTest::keyClick(NameEdit(window), Qt::Key_Escape);
    QCOMPARE(state_.members.MemberName[2][7], std::string("2-7"));
    QVERIFY(window.isVisible());

    // From the keyboard: Enter on a name opens it for editing, not OK.
    Plate(window, 10)->setFocus();
    QTest::keyClick(Plate(window, 10), Qt::Key_Return);
    QVERIFY(window.isVisible());
    QCOMPARE(EditCaption(window), QStringLiteral("メンバー 10 :"));
    QCOMPARE(QApplication::focusWidget(), NameEdit(window));
    Button(window, QStringLiteral("cancelEditButton"))->click();

    // An empty name may be stored.
    ClickPlate(window, 8);
    NameEdit(window)->clear();
    Button(window, QStringLiteral("storeButton"))->click();
    QCOMPARE(state_.members.MemberName[2][8], std::string());

    // A group switch drops an open edit instead of giving its text to the
    // member of the same number in the other group.
    ClickPlate(window, 9);
    NameEdit(window)->setText(QStringLiteral("moved"));
    GroupButton(window, 4)->click();
    QVERIFY(!NameEdit(window)->isVisible());  // the edit was dropped
    Button(window, QStringLiteral("okButton"))->click();
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
    ClickPlate(window, 3);
    NameEdit(window)->setText(typed);
    QVERIFY(Label(window, QStringLiteral("noticeLabel"))->text().startsWith(QStringLiteral("※ 更新すると")));  // said before storing
    Button(window, QStringLiteral("storeButton"))->click();
    QCOMPARE(Text(state_.members.MemberName[2][3]), stored);
    QVERIFY(MemberNameFitsFile(state_.members.MemberName[2][3]));
    QCOMPARE(Plate(window, 3)->text(), stored);
    QVERIFY(Label(window, QStringLiteral("noticeLabel"))->text().endsWith(QStringLiteral("ました。")));  // and after
    QVERIFY(Label(window, QStringLiteral("noticeLabel"))->isVisible());

    // The file gives back exactly what the window shows.
    Button(window, QStringLiteral("okButton"))->click();
    GameState reread;
    reread.settings.MemberGroup = 2;
    ReadMemberFiles(reread, paths_);
    QCOMPARE(Text(reread.members.MemberName[2][3]), stored);
  }

  void aNameThatFitsIsStoredAsTyped() {
    Prepare();
    GroupDialog window(state_, paths_);
    window.show();
    ClickPlate(window, 2);
    NameEdit(window)->setText(QStringLiteral("ﾊﾝｶｸ 名前 "));
    QVERIFY(Label(window, QStringLiteral("noticeLabel"))->text().isEmpty());
    Button(window, QStringLiteral("storeButton"))->click();
    QCOMPARE(state_.members.MemberName[2][2], std::string("ﾊﾝｶｸ 名前 "));
    QVERIFY(Label(window, QStringLiteral("noticeLabel"))->text().isEmpty());
  }

  void okWritesBothFiles() {
    Prepare();
    QTimer::singleShot(0, [] {
      auto* window = qobject_cast<GroupDialog*>(QApplication::activeModalWidget());
      QVERIFY(window != nullptr);
      GroupButton(*window, 4)->click();
      ClickPlate(*window, 2);
      NameEdit(*window)->setText(QStringLiteral("高橋"));
      Button(*window, QStringLiteral("storeButton"))->click();
      // A second edit left open is stored by OK.
      ClickPlate(*window, 3);
      NameEdit(*window)->setText(QStringLiteral("伊藤"));
      Button(*window, QStringLiteral("okButton"))->click();
    });
    bool confirmed = false;
    QVERIFY(test::RunToEnd([&] { confirmed = OpenGroupWindow(nullptr, state_, paths_); }));
    QVERIFY(confirmed);
    QCOMPARE(state_.settings.MemberGroup, int16_t{4});

    GameState reread;
    QVERIFY(LoadSettingsFile(paths_.SettingsFile(), reread.settings));
    QCOMPARE(reread.settings.MemberGroup, int16_t{4});
    QVERIFY(FileBytes(paths_.SettingsFile()).find("MemberGroup = 4") != std::string::npos);
    ReadMemberFiles(reread, paths_);
    QCOMPARE(reread.members.MemberName[4][2], std::string("高橋"));
    QCOMPARE(reread.members.MemberName[4][3], std::string("伊藤"));
    QCOMPARE(reread.seating.CurrentGroup, int16_t{4});
  }

  void closingByTheFrameWritesNothing() {
    Prepare();
    const std::string names = FileBytes(paths_.DataFile(kMemberNamesFile));
    const std::string data = FileBytes(paths_.DataFile(kMemberDataFile));
    const std::string settings = FileBytes(paths_.SettingsFile());
    {
      GroupDialog window(state_, paths_);
      window.show();
      GroupButton(window, 5)->click();
      ClickPlate(window, 1);
      NameEdit(window)->setText(QStringLiteral("中村"));
      Button(window, QStringLiteral("storeButton"))->click();
      ClickPlate(window, 2);
      NameEdit(window)->setText(QStringLiteral("not stored"));  // an open edit is dropped
      window.close();
      QCOMPARE(window.result(), int(QDialog::Rejected));
    }
    QCOMPARE(FileBytes(paths_.DataFile(kMemberNamesFile)), names);
    QCOMPARE(FileBytes(paths_.DataFile(kMemberDataFile)), data);
    QCOMPARE(FileBytes(paths_.SettingsFile()), settings);
    // In memory the choice and the name stay for this run.
    QCOMPARE(state_.seating.CurrentGroup, int16_t{5});
    QCOMPARE(state_.members.MemberName[5][1], std::string("中村"));
    QCOMPARE(state_.members.MemberName[5][2], std::string("5-2"));
    QCOMPARE(state_.settings.MemberGroup, int16_t{2});

    // Esc with no edit open closes the same way.
    GroupDialog again(state_, paths_);
    again.show();
    QVERIFY(GroupButton(again, 5)->isChecked());
    QCOMPARE(Plate(again, 1)->text(), QStringLiteral("中村"));
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
      GroupButton(window, 5)->click();
      ClickPlate(window, 3);
      NameEdit(window)->setText(QStringLiteral("中村"));
      Button(window, QStringLiteral("storeButton"))->click();
      window.close();
    }
    next_game();
    QCOMPARE(state_.settings.MemberGroup, int16_t{2});
    QCOMPARE(state_.seating.CurrentGroup, int16_t{5});
    QCOMPARE(state_.match.SeatMember[0], int16_t{5});
    QCOMPARE(state_.seating.GroupMemberName[3], std::string("中村"));
    QCOMPARE(state_.members.MemberName[5][3], std::string("中村"));

    // A second close by the frame adds to the first.
    {
      GroupDialog window(state_, paths_);
      window.show();
      QVERIFY(GroupButton(window, 5)->isChecked());
      GroupButton(window, 3)->click();
      ClickPlate(window, 1);
      NameEdit(window)->setText(QStringLiteral("小林"));
      Button(window, QStringLiteral("storeButton"))->click();
      window.close();
    }
    next_game();
    QCOMPARE(state_.seating.CurrentGroup, int16_t{3});
    QCOMPARE(state_.members.MemberName[5][3], std::string("中村"));
    QCOMPARE(state_.members.MemberName[3][1], std::string("小林"));

    // OK stores both and keeps nothing more.
    {
      GroupDialog window(state_, paths_);
      Button(window, QStringLiteral("okButton"))->click();
    }
    QCOMPARE(state_.seating.KeptGroup.group, int16_t{0});
    QVERIFY(!state_.seating.KeptGroup.names[5][3].has_value());
    next_game();
    QCOMPARE(state_.seating.CurrentGroup, int16_t{3});
    QCOMPARE(state_.members.MemberName[5][3], std::string("中村"));

    // Kept over group 3, then group 4 is stored (a rule set, say): 4 plays.
    {
      GroupDialog window(state_, paths_);
      window.show();
      GroupButton(window, 1)->click();
      window.close();
    }
    state_.settings.MemberGroup = 4;
    QVERIFY(WriteSettings(state_, paths_, host));
    next_game();
    QCOMPARE(state_.seating.CurrentGroup, int16_t{4});
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<GroupDialogTest>();
#include "tst_group_dialog.moc"
