// Rule sets opened over the table, from the menu and from the rule settings
// window: a file with a value that cannot be read changes nothing, and the
// music follows a file that is taken.
#include <QAction>
#include <QFile>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "WindowSuites.h"
#include "Controls.h"
#include "RunToEnd.h"
#include "TableFixture.h"
#include "TestTune.h"
#include "config/SafeFile.h"
#include "config/SettingsFile.h"
#include "gui/rules/OpenRuleSetDialog.h"
#include "gui/rules/RulesDialog.h"

using namespace winpiruk;
using namespace winpiruk::test;

namespace {

// What loading touches besides the settings record.
struct Touched {
  std::string settings;
  int16_t card_back = 0;
  int16_t track = 0;
  std::string base_name;
  std::string directory;
  friend bool operator==(const Touched&, const Touched&) = default;
};

Touched TouchedOf(const GameState& s) {
  return {EncodeSettingsFile(s.settings), s.window.CardBackShown, s.window.BgmTrack, s.SettingsBaseName, s.RuleSetDirectory};
}

// Answers the windows of one load: the rule settings window (when it is the
// way in) presses "開く(&O)...", the open window opens `file`, a message box
// is recorded and confirmed; when the open window stays after the message it
// is cancelled, and so is the rule settings window; any other window is
// counted and cancelled. Clicks that open a
// further modal window are posted, so that the driver sees that window too.
class LoadScript {
 public:
  explicit LoadScript(QString file)
      : file_(std::move(file)), driver_([this](QWidget* modal) { return Answer(modal); }) {}

  QString message;
  QString title;
  int messages = 0;
  int others = 0;

 private:
  bool Answer(QWidget* modal) {
    if (auto* rules = qobject_cast<RulesDialog*>(modal)) {
      if (!rules_opened_) {
        rules_opened_ = true;
        QTimer::singleShot(0, test::Control<QPushButton>(*rules, "openButton"), &QPushButton::click);
      } else {
        rules->reject();
      }
      return true;
    }
    if (auto* open = qobject_cast<OpenRuleSetDialog*>(modal)) {
      if (messages > 0) {
        open->reject();
        return true;
      }
      if (file_clicked_) return false;
      QListView* list = test::Control<QListView>(*open, "fileList");
      QAbstractItemModel* files = list->model();
      for (int row = 0; row < files->rowCount(list->rootIndex()); ++row) {
        const QModelIndex index = files->index(row, 0, list->rootIndex());
        if (index.data().toString() != file_) continue;
        list->setCurrentIndex(index);
        file_clicked_ = true;
        QTimer::singleShot(0, test::Control<QPushButton>(*open, "okButton"), &QPushButton::click);
        return true;
      }
      return false;  // the list is still being filled
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      message = box->text();
      title = box->windowTitle();
      ++messages;
      box->accept();
      return true;
    }
    // Any other window (the data folder's input box) is not expected.
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      ++others;
      dialog->reject();
      return true;
    }
    return false;
  }

  QString file_;
  bool rules_opened_ = false;
  bool file_clicked_ = false;
  ModalDriver driver_;
};

}  // namespace

class RuleSetLoadTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("SDL_AUDIODRIVER", "dummy"); }

  void aValueThatCannotBeReadChangesNeitherTheRecordNorTheFile() {
    for (bool from_rule_window : {false, true}) {
      TableFixture f;
      const std::string sets = f.dir.path() + "/sets";
      EnsureDirectory(sets);
      QVERIFY(WriteFileAtomically(sets + "/bad.prk",
                                  "SkipCard = 7\r\nPenaltyCard = 99999\r\nCardKind = 4\r\nBGM = /r/x.mid\r\n"
                                  "DataFileDirectory =/gone\r\n"));
      f.state.RuleSetDirectory = sets;
      f.state.SettingsBaseName = "before.prk";
      f.state.window.BgmTrack = 1;
      const Touched before = TouchedOf(f.state);
      const std::string file_before = f.SettingsText();
      QVERIFY(!file_before.empty());

      LoadScript script(QStringLiteral("bad.prk"));
      (from_rule_window ? Action(*f.window, "rulesAction") : Action(*f.window, "openRuleSetAction"))->trigger();
      QVERIFY(NothingWaits());

      QCOMPARE(script.messages, 1);
      QCOMPARE(script.others, 0);
      QCOMPARE(script.title, QStringLiteral("ぴるく  - 設定ﾌｧｲﾙを開く -"));
      QVERIFY(script.message.startsWith(QString::fromStdString(sets + "/bad.prk") + u'\n'));
      QVERIFY(script.message.contains(QStringLiteral("このファイルには読み込めない値があります。")));
      QVERIFY(script.message.contains(QStringLiteral("設定は変更されていません。")));
      QVERIFY(TouchedOf(f.state) == before);
      QCOMPARE(f.SettingsText(), file_before);
    }
  }

  void theMusicFollowsARuleSetLoadedDuringAGame() {
    TableFixture f([](GameState& s) { s.settings.SoundMode = 1; });
    TableWindow& w = *f.window;
    QVERIFY(!Menu(w, "musicMenu")->menuAction()->isEnabled());  // no music at start-up
    const std::string sets = f.dir.path() + "/sets";
    EnsureDirectory(sets);
    WriteTune(QString::fromStdString(sets + "/tune.mid"));
    QVERIFY(WriteFileAtomically(sets + "/music.prk", "SkipCard = 5\r\nBGM = " + sets + "/tune.mid\r\n"));
    QVERIFY(WriteFileAtomically(sets + "/quiet.prk", "SkipCard = 6\r\n"));
    f.state.RuleSetDirectory = sets;
    f.state.match.MatchInProgress = true;
    f.state.window.BgmTrack = 3;

    {
      LoadScript script(QStringLiteral("music.prk"));
      Action(w, "openRuleSetAction")->trigger();
      QVERIFY(NothingWaits());
      QCOMPARE(script.messages, 0);
    }
    QCOMPARE(f.state.settings.SkipCard, int16_t{5});
    QCOMPARE(f.state.window.BgmTrack, int16_t{1});
    QCOMPARE(w.music().Mode(), SequencerMode::Playing);
    QVERIFY(Menu(w, "musicMenu")->menuAction()->isEnabled());

    // A rule set without music stops it, and the menu goes grey.
    {
      LoadScript script(QStringLiteral("quiet.prk"));
      Action(w, "openRuleSetAction")->trigger();
      QVERIFY(NothingWaits());
      QCOMPARE(script.messages, 0);
    }
    QCOMPARE(f.state.settings.SkipCard, int16_t{6});
    QVERIFY(w.music().Mode() != SequencerMode::Playing);
    QVERIFY(!Menu(w, "musicMenu")->menuAction()->isEnabled());
  }

  void aPieceLoadedWhileTheMusicIsPausedIsPausedByOnePress() {
    TableFixture f([](GameState& s) { s.settings.SoundMode = 1; });
    TableWindow& w = *f.window;
    const std::string sets = f.dir.path() + "/sets";
    EnsureDirectory(sets);
    WriteTune(QString::fromStdString(sets + "/first.mid"));
    WriteTune(QString::fromStdString(sets + "/second.mid"));
    QVERIFY(WriteFileAtomically(sets + "/first.prk", "BGM = " + sets + "/first.mid\r\n"));
    QVERIFY(WriteFileAtomically(sets + "/second.prk", "BGM = " + sets + "/second.mid\r\n"));
    f.state.RuleSetDirectory = sets;
    f.state.match.MatchInProgress = true;
    for (const char* file : {"first.prk", "second.prk"}) {
      LoadScript script(QString::fromLatin1(file));
      Action(w, "openRuleSetAction")->trigger();
      QVERIFY(NothingWaits());
      QCOMPARE(script.messages, 0);
      QCOMPARE(w.music().Mode(), SequencerMode::Playing);
      if (std::string_view(file) == "first.prk") {
        Action(w, "pauseMusicAction")->trigger();
        QCOMPARE(w.music().Mode(), SequencerMode::Paused);
      }
    }
    QCOMPARE(f.state.settings.BgmList[1], sets + "/second.mid");
    Action(w, "pauseMusicAction")->trigger();
    QCOMPARE(w.music().Mode(), SequencerMode::Paused);
    QCOMPARE(w.music().BgmPaused(), int16_t{1});
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<RuleSetLoadTest>();
#include "tst_rule_set_load.moc"
