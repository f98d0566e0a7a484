// The member and scoring windows in English: their titles and captions come
// from the program's English, and every button keeps the access key it has
// in Japanese.
#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QTableWidget>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "Controls.h"
#include "WindowSuites.h"
#include "config/SettingsStore.h"
#include "gui/common/SuspendableRun.h"
#include "gui/members/GroupDialog.h"
#include "gui/members/PlayerParametersDialog.h"
#include "gui/members/SeatingDialog.h"
#include "gui/scoring/HandResultDialog.h"
#include "gui/scoring/MatchEndDialog.h"
#include "gui/scoring/MatchReviewDialog.h"
#include "gui/scoring/StatisticsDialog.h"
#include "scoring/MemberFiles.h"
#include "support/ScriptedSettingsHost.h"
#include "support/StoppedClock.h"
#include "gui/common/Language.h"
#include "support/TempDir.h"

using namespace winpiruk;

namespace {

// The program's English installed for as long as it lives, then Japanese again.
class English {
 public:
  English() { gui::InstallLanguage(gui::Language::English); }
  ~English() { gui::InstallLanguage(gui::Language::Japanese); }
  English(const English&) = delete;
  English& operator=(const English&) = delete;
};

// Each named button's access key ("Alt+A"), empty for a button without one.
QMap<QString, QString> AccessKeys(const QWidget& window) {
  QMap<QString, QString> keys;
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (!button->objectName().isEmpty()) keys[button->objectName()] = QKeySequence::mnemonic(button->text()).toString();
  }
  return keys;
}

// A text of the window: its title ("") or the text of the control named so.
QString TextOf(const QWidget& window, const QString& name) {
  if (name.isEmpty()) return window.windowTitle();
  const QObject* control = test::Control<QObject>(window, name);
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  if (const auto* box = qobject_cast<const QGroupBox*>(control)) return box->title();
  if (const auto* table = qobject_cast<const QTableWidget*>(control)) {
    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column) headers << table->horizontalHeaderItem(column)->text();
    return headers.join(QLatin1Char('|'));
  }
  return test::Control<QLabel>(window, name)->text();
}

// The settings, card folder and member files a window of the members may read.
struct Files {
  Files() {
    paths = ProgramPaths{dir.File("program"), dir.File("config"), dir.File("data")};
    for (const auto& folder : {paths.program_directory, paths.config_directory, paths.data_directory, dir.File("cards")}) {
      std::filesystem::create_directories(folder);
    }
    // The picture that tells the settings the card folder is one.
    QFile probe(QString::fromStdString(dir.File("cards/DiaA.bmp")));
    probe.open(QIODevice::WriteOnly);
    state.settings.DataFileDirectory = dir.File("cards");
    test::ScriptedHost host;
    WriteSettings(state, paths, host);
    ReadMemberFiles(state, paths);
    state.members.MemberName[1][1] = "Player";
    WriteMemberFiles(state, paths);
  }

  test::TempDir dir;
  ProgramPaths paths;
  GameState state;
  StandardRandom random;
  test::StoppedClock clock;
};

using WindowMaker = std::function<std::unique_ptr<QWidget>(Files&)>;

template <class Window>
WindowMaker Made() {
  return [](Files& files) -> std::unique_ptr<QWidget> { return std::make_unique<Window>(files.state, files.paths); };
}

std::unique_ptr<QWidget> OpenedSeating(Files& files) {
  auto window = std::make_unique<SeatingDialog>(files.state, files.paths, files.random, files.clock);
  if (!window->Open(false)) qFatal("the member window did not open");
  return window;
}

std::unique_ptr<QWidget> Parameters(Files& files) {
  return std::make_unique<PlayerParametersDialog>(files.state, files.paths, 1, 1);
}

std::unique_ptr<QWidget> HandResult(Files& files) {
  return std::make_unique<HandResultDialog>(files.state, HandResultView{}, [](const QString&, const QString&) {});
}

std::unique_ptr<QWidget> MatchEnd(Files& files) { return std::make_unique<MatchEndDialog>(files.state, SettlementView{}); }

std::unique_ptr<QWidget> Review(Files& files) { return std::make_unique<MatchReviewDialog>(files.state); }

}  // namespace

Q_DECLARE_METATYPE(WindowMaker)

class MemberWindowsInEnglishTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { SuspendableRun::StopAll(); }

  void captionsAreEnglish_data() {
    QTest::addColumn<WindowMaker>("make");
    // Control names ("" for the title) and their English.
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("english");

    QTest::newRow("members") << WindowMaker(OpenedSeating)
        << QStringList{"", "randomChoiceButton", "chooseAgainButton", "changeGroupButton", "cancelButton", "messageLabel"}
        << QStringList{"Piruk - Choose Members", "Choose &at Random", "&Reselect", "Change &Group...", "Cancel",
                       " Choose your opponents."};
    QTest::newRow("groups") << Made<GroupDialog>()
        << QStringList{"", "groupBox", "storeButton", "cancelEditButton", "hintLabel"}
        << QStringList{"Piruk - Choose Group / Rename Members", "Group", "&Apply", "Cancel",
                       "Click a member's name to rename them."};
    QTest::newRow("parameters") << WindowMaker(Parameters)
        << QStringList{"", "boldnessCaption", "deductionCaption", "pointsCaption", "cancelButton"}
        << QStringList{"Piruk - Player", "Boldness", "Deduction", "Points", "Cancel"};
    QTest::newRow("statistics") << Made<StatisticsDialog>()
        << QStringList{"", "playerNameCaption", "parametersButton"}
        << QStringList{"Piruk - Statistics", "Player name:", "&Parameters..."};
    QTest::newRow("hand result") << WindowMaker(HandResult) << QStringList{"", "abortButton"}
                                 << QStringList{"Piruk - Result", "&Abort"};
    QTest::newRow("match end") << WindowMaker(MatchEnd)
        << QStringList{"", "resultTable", "questionLabel", "againButton", "endButton", "changeMembersButton", "reviewButton"}
        << QStringList{"Piruk - End of Match", "Player|Score|Uma|Yakitori|Total", "Play again? ", "&Yes", "E&xit",
                       "Change &Members...", "&Review..."};
    QTest::newRow("review") << WindowMaker(Review) << QStringList{""} << QStringList{"Piruk - Review"};
  }

  void captionsAreEnglish() {
    QFETCH(WindowMaker, make);
    QFETCH(QStringList, names);
    QFETCH(QStringList, english);

    Files files;
    const QMap<QString, QString> japanese_keys = AccessKeys(*make(files));
    const English in_english;
    const std::unique_ptr<QWidget> window = make(files);
    for (qsizetype i = 0; i < names.size(); ++i) QCOMPARE(TextOf(*window, names[i]), english[i]);
    QCOMPARE(AccessKeys(*window), japanese_keys);
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<MemberWindowsInEnglishTest>();

#include "tst_member_windows_in_english.moc"
