// The save and open windows of rule-set files.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>
#include <fstream>

#include "AccessibleControls.h"
#include "WindowSuites.h"
#include "DialogAnswers.h"
#include "Controls.h"
#include "RunToEnd.h"
#include "config/SafeFile.h"
#include "config/SettingsFile.h"
#include "gui/rules/SaveRuleSetDialog.h"
#include "gui/rules/OpenRuleSetDialog.h"
#include "gui/rules/RuleSetBrowser.h"
#include "support/TempDir.h"

using namespace winpiruk;

class RuleSetWindowsTest : public QObject {
  Q_OBJECT

  struct Place {
    test::TempDir root;
    std::string sets = root.File("sets");
    GameState state;
    Place() {
      EnsureDirectory(sets);
      std::ofstream(root.File("HeartA.bmp")) << "BM";
      state.settings = DefaultSettings(root.path());
      state.settings.DataFileDirectory = root.path();
      state.RuleSetDirectory = sets;
    }
    std::string Set(const std::string& name) const { return sets + "/" + name; }
  };

  // Waits for the file list to show `count` files and returns its model.
  static bool WaitForFiles(QListView* list, int count) {
    return QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) == count; }, 5000);
  }

  static void SelectFile(QListView* list, const QString& name) {
    QAbstractItemModel* model = list->model();
    for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
      const QModelIndex index = model->index(row, 0, list->rootIndex());
      if (index.data().toString() == name) list->setCurrentIndex(index);
    }
  }

 private slots:
  void theWindowsAreNamedAndTabGoesFromTheNameToTheDrives() {
    Place place;
    SaveRuleSetDialog save(place.state);
    OpenRuleSetDialog open(place.state, [] {});
    for (QDialog* window : std::initializer_list<QDialog*>{&save, &open}) {
      window->show();
      QVERIFY(QTest::qWaitForWindowExposed(window));
      const QStringList nameless = test::NamelessControls(*window);
      QVERIFY2(nameless.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") + nameless.join(QStringLiteral(", "))));
      QCOMPARE(test::AccessibleName(test::Control<QTreeView>(*window, "folderTree")), QStringLiteral("ﾌｫﾙﾀﾞ"));
      QCOMPARE(test::LabelledBy(test::Control<QComboBox>(*window, "driveList")), QStringLiteral("ﾄﾞﾗｲﾌﾞ :"));
    }
    QCOMPARE(test::AccessibleName(test::Control<QLineEdit>(save, "nameBox")), QStringLiteral("ﾌｧｲﾙ名(*.prk)"));
    open.close();

    save.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&save));
    // OK waits, disabled, for a name.
    QCOMPARE(test::TabOrder(test::Control<QWidget>(save, "nameBox"), 6),
             (QStringList{"nameBox", "fileList", "folderTree", "driveList", "cancelButton", "nameBox"}));
  }

  void savingAddsTheExtensionAndNamesTheRules() {
    struct Case {
      QString typed;
      std::string file;
    };
    const Case cases[] = {{QStringLiteral("house"), "house.prk"}, {QStringLiteral("house.txt"), "house.txt"}};
    for (const Case& c : cases) {
      Place place;
      place.state.settings.SkipCard = 12;
      SaveRuleSetDialog window(place.state);
      QCOMPARE(test::Control<RuleSetBrowser>(window, "browser")->Directory(), QString::fromStdString(place.sets));
      QVERIFY(!test::Control<QPushButton>(window, "okButton")->isEnabled());
      QTest::keyClicks(test::Control<QLineEdit>(window, "nameBox"), c.typed);
      QVERIFY(test::Control<QPushButton>(window, "okButton")->isEnabled());
      test::Control<QPushButton>(window, "okButton")->click();
      QVERIFY(window.Saved());
      QCOMPARE(window.result(), int(QDialog::Accepted));
      QCOMPARE(place.state.SettingsBaseName, c.file);
      QCOMPARE(ReadWholeFile(place.Set(c.file)).value_or(""), EncodeSettingsFile(place.state.settings));
    }
  }

  void anExistingFileIsOverwrittenOnlyWhenTheUserSaysSo() {
    for (bool overwrite : {false, true}) {
      Place place;
      QVERIFY(WriteFileAtomically(place.Set("house.prk"), "old"));
      SaveRuleSetDialog window(place.state);
      QVERIFY(WaitForFiles(test::Control<QListView>(window, "fileList"), 1));
      SelectFile(test::Control<QListView>(window, "fileList"), QStringLiteral("house.prk"));
      QCOMPARE(test::Control<QLineEdit>(window, "nameBox")->text(), QStringLiteral("house.prk"));
      QString title, text;
      bool cancel_is_default = false;
      test::WhenModalAppears([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) return;
        title = box->windowTitle();
        text = box->text();
        cancel_is_default = box->defaultButton() == box->button(QMessageBox::Cancel);
        box->button(overwrite ? QMessageBox::Ok : QMessageBox::Cancel)->click();
      });
      test::Control<QPushButton>(window, "okButton")->click();
      QVERIFY(test::NothingWaits());
      QCOMPARE(title, QStringLiteral("ぴるく  - 設定保存確認 -"));
      QVERIFY(text.startsWith(QString::fromStdString(place.Set("house.prk")) + u'\n'));
      QVERIFY(text.endsWith(QStringLiteral("このファイルはすでに存在します。\n\n上書きしますか?")));
      QVERIFY(cancel_is_default);
      QVERIFY(!window.isVisible());
      QCOMPARE(window.Saved(), overwrite);
      QCOMPARE(ReadWholeFile(place.Set("house.prk")).value_or("") == "old", !overwrite);
      QCOMPARE(place.state.SettingsBaseName, overwrite ? std::string("house.prk") : std::string());
    }
  }

  void aWriteErrorIsReportedAndTheRulesKeepTheirName() {
    Place place;
    place.state.SettingsBaseName = "before.prk";
    QVERIFY(WriteFileAtomically(place.Set("plain"), "not a folder"));
    SaveRuleSetDialog window(place.state);
    test::Control<QLineEdit>(window, "nameBox")->setText(QStringLiteral("plain/inside"));
    QString message;
    test::ConfirmMessage(&message);
    test::Control<QPushButton>(window, "okButton")->click();
    QVERIFY(test::NothingWaits());
    QCOMPARE(message, QStringLiteral("ファイルに正しく書き込めませんでした"));
    QVERIFY(!window.Saved());
    QVERIFY(!window.isVisible());
    QCOMPARE(place.state.SettingsBaseName, std::string("before.prk"));
  }

  void openingARuleSetLoadsItsRulesButNotThePace() {
    Place place;
    QVERIFY(WriteFileAtomically(place.Set("club.prk"), "SkipCard = 7\r\nGameSpeed = 3\r\nBGM = /music/a.mid\r\n"));
    QVERIFY(WriteFileAtomically(place.Set("notes.txt"), "SkipCard = 9\r\n"));
    place.state.settings.GameSpeed = 1;
    int refreshed = 0;
    OpenRuleSetDialog window(place.state, [&refreshed] { ++refreshed; });
    QVERIFY(test::Control<QComboBox>(window, "driveList")->findData(QStringLiteral("/")) >= 0);
    QVERIFY(WaitForFiles(test::Control<QListView>(window, "fileList"), 1));
    QVERIFY(!test::Control<QPushButton>(window, "okButton")->isEnabled());
    SelectFile(test::Control<QListView>(window, "fileList"), QStringLiteral("club.prk"));
    QCOMPARE(test::Control<QLabel>(window, "nameLabel")->text(), QStringLiteral("ﾌｧｲﾙ名 : club.prk"));
    QVERIFY(test::Control<QPushButton>(window, "okButton")->isEnabled());
    test::Control<QPushButton>(window, "okButton")->click();
    QVERIFY(window.Loaded());
    QCOMPARE(refreshed, 1);
    QCOMPARE(place.state.settings.SkipCard, int16_t{7});
    QCOMPARE(place.state.settings.GameSpeed, int16_t{1});
    QCOMPARE(place.state.settings.BgmList[1], std::string("/music/a.mid"));
    QCOMPARE(place.state.SettingsBaseName, std::string("club.prk"));
    QCOMPARE(place.state.RuleSetDirectory, place.sets);
  }

  void aFileThatCannotBeReadShowsAMessageAndChangesNothing() {
    Place place;
    QVERIFY(WriteFileAtomically(place.Set("gone.prk"), "SkipCard = 7\r\n"));
    const std::string before = EncodeSettingsFile(place.state.settings);
    OpenRuleSetDialog window(place.state, {});
    window.show();
    QVERIFY(WaitForFiles(test::Control<QListView>(window, "fileList"), 1));
    SelectFile(test::Control<QListView>(window, "fileList"), QStringLiteral("gone.prk"));
    QVERIFY(std::remove(place.Set("gone.prk").c_str()) == 0);
    QString message;
    test::ConfirmMessage(&message);
    test::Control<QPushButton>(window, "okButton")->click();
    QVERIFY(test::NothingWaits());
    QVERIFY(message.contains(QStringLiteral("このファイルを読み込めませんでした。")));
    QVERIFY(message.contains(QString::fromStdString(place.Set("gone.prk"))));
    QVERIFY(!window.Loaded());
    QVERIFY(window.isVisible());
    QCOMPARE(EncodeSettingsFile(place.state.settings), before);
    QVERIFY(place.state.SettingsBaseName.empty());
  }

  void theFolderListChangesTheFileListAndADoubleClickOpens() {
    Place place;
    EnsureDirectory(place.Set("inner"));
    QVERIFY(WriteFileAtomically(place.Set("inner/deep.prk"), "SkipCard = 4\r\n"));
    OpenRuleSetDialog window(place.state, {});
    window.show();
    QVERIFY(WaitForFiles(test::Control<QListView>(window, "fileList"), 0));
    QVERIFY(test::Control<RuleSetBrowser>(window, "browser")->SetDirectory(QString::fromStdString(place.Set("inner"))));
    QCOMPARE(test::Control<QLabel>(window, "folderLabel")->text(), QString::fromStdString(place.Set("inner")));
    QVERIFY(WaitForFiles(test::Control<QListView>(window, "fileList"), 1));
    QVERIFY(!test::Control<RuleSetBrowser>(window, "browser")->SetDirectory(QString::fromStdString(place.Set("missing"))));
    QCOMPARE(test::Control<RuleSetBrowser>(window, "browser")->Directory(), QString::fromStdString(place.Set("inner")));
    QListView* files = test::Control<QListView>(window, "fileList");
    const QModelIndex file = files->model()->index(0, 0, files->rootIndex());
    files->setCurrentIndex(file);
    emit files->doubleClicked(file);
    QVERIFY(window.Loaded());
    QCOMPARE(place.state.settings.SkipCard, int16_t{4});
    QCOMPARE(place.state.RuleSetDirectory, place.Set("inner"));
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<RuleSetWindowsTest>();
#include "tst_rule_set_dialogs.moc"
