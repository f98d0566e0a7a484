// Start-up: the settings file, the card directory question, the placement of
// the main window, its menu bar and the refusal to close by the frame.
#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>
#include <QThread>
#include <atomic>
#include <fstream>
#include <latch>
#include <memory>
#include <vector>

#include "AccessibleControls.h"
#include "WindowSuites.h"
#include "DialogAnswers.h"
#include "RunToEnd.h"
#include "TableControls.h"
#include "TestTune.h"
#include "app/PlayingTable.h"
#include "app/ProgramEnd.h"
#include "app/Startup.h"
#include "config/SafeFile.h"
#include "engine/Durations.h"
#include "support/TempDir.h"
#include "gui/table/TableWindow.h"
#include "gui/common/Awaiting.h"
#include "gui/common/Captions.h"
#include "gui/common/HelpWindow.h"
#include "gui/common/SuspendableRun.h"
#include "gui/start/SplashWindow.h"
#include "sound/AudioDevice.h"
#include "gui/common/Music.h"
#include "app/SingleInstance.h"
#include "gui/common/Twips.h"

using namespace winpiruk;
using winpiruk::test::Action;
using winpiruk::test::Menu;

class StartupTest : public QObject {
  Q_OBJECT

  struct Place {
    test::TempDir root;
    ProgramPaths paths{root.File("share"), root.File("config"), root.File("data")};
    StandardRandom random;
    SystemClock clock;
    Place() {
      EnsureDirectory(paths.program_directory);
      std::ofstream(paths.program_directory + "/DiaA.bmp") << "BM";
    }
    void WriteSettingsText(const std::string& text) {
      EnsureDirectory(paths.config_directory);
      QVERIFY(WriteFileAtomically(paths.SettingsFile(), text));
    }
    // The start-up as the program runs it: inside a run, the loop going on
    // until it has ended.
    std::unique_ptr<PlayingTable> StartUp(GameState& state) {
      std::unique_ptr<PlayingTable> table;
      if (!test::RunToEnd([&] { table = RunStartup(state, paths, random, clock); })) return nullptr;
      return table;
    }
  };

 private slots:
  // Nothing is left waiting for a window of a test that has ended.
  void cleanup() { SuspendableRun::StopAll(); }

  void firstStartAsksForTheDirectoryAndShowsTheTable() {
    Place place;
    GameState state;
    test::AcceptInputWith(QString::fromStdString(place.paths.program_directory));
    std::unique_ptr<PlayingTable> playing = place.StartUp(state);
    TableWindow* table = playing ? &playing->window() : nullptr;
    QVERIFY(table != nullptr);
    QVERIFY(table->isVisible());
    QCOMPARE(state.settings.DataFileDirectory, place.paths.program_directory);
    const std::string text = ReadWholeFile(place.paths.SettingsFile()).value_or("");
    QVERIFY(text.find("DataFileDirectory =" + place.paths.program_directory + "\r\n") != std::string::npos);
    // The speed unit is set, not measured by a wait.
    QCOMPARE(state.window.SpeedCount, int16_t{kDefaultSpeedUnitMs});
    QCOMPARE(table->width(), PixelsFromTwips(kDesignWidthTwips));
  }

  void theMusicIsReadOnceTheTableIsOnScreen() {
    qputenv("SDL_AUDIODRIVER", "dummy");
    Place place;
    const QString tune = QString::fromStdString(place.root.File("tune.mid"));
    test::WriteTune(tune);
    place.WriteSettingsText("DataFileDirectory =" + place.paths.program_directory + "\r\nSoundMode = 1\r\nBGM = " +
                            tune.toStdString() + "\r\n");
    GameState state;
    std::unique_ptr<PlayingTable> playing = place.StartUp(state);
    TableWindow* table = playing ? &playing->window() : nullptr;
    QVERIFY(table != nullptr);
    // Shown without the music: nothing of it was read yet.
    QVERIFY(!table->music().Loading());
    QVERIFY(!table->music().Ready());
    QVERIFY(!Menu(*table, "musicMenu")->menuAction()->isEnabled());
    QVERIFY(!AudioDevice::DeviceOpen());
    QTRY_VERIFY_WITH_TIMEOUT(table->music().BgmAvailable() || !table->music().Unplayable().empty(), 10000);
    if (!table->music().BgmAvailable()) QSKIP("no sound font to play MIDI with");
    QVERIFY(Menu(*table, "musicMenu")->menuAction()->isEnabled());
    QCOMPARE(table->music().Mode(), SequencerMode::Playing);
    table->music().StopMusic();
  }

  void cancellingTheDirectoryQuestionEndsTheProgram() {
    Place place;
    GameState state;
    test::RejectModal();
    bool ended = false;
    QVERIFY(test::RunToEnd([&] {
      QVERIFY(RunStartup(state, place.paths, place.random, place.clock) == nullptr);
      ended = true;
    }));
    QVERIFY(ended);
  }

  // The start-up waits for its question inside the one event loop: the
  // banner stands painted under the question, the loop goes on (a timer
  // fires), and the start-up goes on once the question is answered.
  void theDirectoryQuestionIsAnsweredWhileTheLoopGoesOn() {
    Place place;
    GameState state;
    std::unique_ptr<PlayingTable> playing;
    bool ended = false;
    RunAwaiting([&] {
      playing = RunStartup(state, place.paths, place.random, place.clock);
      ended = true;
    });
    QVERIFY(!ended);  // the banner is painted before anything is read
    QPointer<QInputDialog> question;
    QTRY_VERIFY((question = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) != nullptr);
    QCOMPARE(question->windowModality(), Qt::WindowModal);
    QPointer<SplashWindow> banner = qobject_cast<SplashWindow*>(question->parentWidget());
    QVERIFY(banner != nullptr);
    QVERIFY(banner->isVisible());
    bool ticked = false;
    QTimer::singleShot(50, [&ticked] { ticked = true; });
    QTRY_VERIFY(ticked);
    QVERIFY(!ended);
    QCOMPARE(SuspendableRun::SuspendedCount(), 1);

    question->setTextValue(QString::fromStdString(place.paths.program_directory));
    question->accept();
    QVERIFY(!ended);  // it goes on once the loop takes it up again
    QTRY_VERIFY(ended);
    QVERIFY(playing != nullptr);
    QVERIFY(playing->window().isVisible());
    QVERIFY(banner.isNull());
    QCOMPARE(state.settings.DataFileDirectory, place.paths.program_directory);
    QCOMPARE(SuspendableRun::SuspendedCount(), 0);
  }

  // Damaged bounds open the table where it can be seen and used; the file
  // keeps them until the settings are next written.
  void savedBoundsAreAppliedUnlessZeroOrTheWallpaperIsMissing() {
    struct Case {
      const char* extra;
      QSize size;
      bool centred;
    };
    const QSize design(PixelsFromTwips(kDesignWidthTwips), PixelsFromTwips(kDesignHeightTwips));
    const Case cases[] = {
        {"", QSize(700, 500), false},
        {"MainWindowHeight = 0\r\n", design, true},
        {"GameWallPaper =/no/such/picture.bmp\r\n", design, true},
        {"MainWindowWidth = 8\r\n", QSize(design.width(), 500), false},
        {"MainWindowWidth = -600\r\nMainWindowHeight = -32768\r\n", design, false},
        {"MainWindowPosX = 30000\r\n", QSize(700, 500), true},
        {"MainWindowPosY = -32768\r\nMainWindowWidth = 8\r\nMainWindowHeight = 8\r\n", design, true},
    };
    for (const Case& c : cases) {
      Place place;
      const std::string text = "DataFileDirectory =" + place.paths.program_directory +
                               "\r\nMainWindowPosX = 1500\r\nMainWindowPosY = 1500\r\n"
                               "MainWindowWidth = 10500\r\nMainWindowHeight = 7500\r\n" + c.extra;
      place.WriteSettingsText(text);
      GameState state;
      std::unique_ptr<PlayingTable> playing = place.StartUp(state);
    TableWindow* table = playing ? &playing->window() : nullptr;
      QVERIFY(table != nullptr);
      QCOMPARE(table->size(), c.size);
      const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
      const QPoint centred = screen.center() - QPoint(c.size.width() / 2, c.size.height() / 2);
      QCOMPARE(table->frameGeometry().topLeft(), c.centred ? centred : QPoint(100, 100));
      QCOMPARE(state.window.ResizeGuard, int16_t{0});
      QVERIFY(state.settings.GameWallPaper.empty());
      QCOMPARE(ReadWholeFile(place.paths.SettingsFile()).value_or(""), text);
    }
  }

  void theWindowComesBackWhereItWasLeftAtTheQuit() {
    Place place;
    const std::string settings = "DataFileDirectory =" + place.paths.program_directory + "\r\n";
    place.WriteSettingsText(settings);
    const QRect left_at(QPoint(60, 70), QSize(800, 560));
    {
      GameState state;
      std::unique_ptr<PlayingTable> playing = place.StartUp(state);
      QVERIFY(playing != nullptr);
      TableWindow& table = playing->window();
      table.move(left_at.topLeft());
      table.resize(left_at.size());
      QTRY_COMPARE(QRect(table.frameGeometry().topLeft(), table.size()), left_at);
      // What the quit keeps (the quit itself would end the test's loop too).
      TableProgramEnding(table, state, place.paths, playing->keeper()).keep();
    }
    GameState state;
    std::unique_ptr<PlayingTable> playing = place.StartUp(state);
    QVERIFY(playing != nullptr);
    QCOMPARE(QRect(playing->window().frameGeometry().topLeft(), playing->window().size()), left_at);
    // The settings file keeps its lines: the place lives beside it.
    QCOMPARE(ReadWholeFile(place.paths.SettingsFile()).value_or(""), settings);
  }

  void theMenuBarCarriesEveryCaption() {
    Place place;
    place.WriteSettingsText("DataFileDirectory =" + place.paths.program_directory + "\r\n");
    GameState state;
    std::unique_ptr<PlayingTable> playing = place.StartUp(state);
    TableWindow* table = playing ? &playing->window() : nullptr;
    QStringList shown;
    std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
      for (QAction* action : actions) {
        if (action->isSeparator()) {
          shown << QStringLiteral("-");
          continue;
        }
        shown << action->text();
        if (action->menu() != nullptr) walk(action->menu()->actions());
      }
    };
    walk(table->menuBar()->actions());
    const QStringList expected = {
        "ｹﾞｰﾑ(&G ｹ)", "新規ゲーム(&N ﾆ)...", "-", "対戦成績(&R ｾ)...", "ﾌﾟﾚｲﾔｰﾊﾟﾗﾒｰﾀ(&P ﾊ)...", "実行モード(&M ﾓ)", "手動(&M ｼ)",
        "自動(&A ｵ)", "-", "ぴるく の終了(&X ｼ)", "ｵﾌﾟｼｮﾝ(&O ｵ)", "設定(&S ｾ)", "ﾙｰﾙ設定(&R ﾙ)...",
        "文字色設定(&C ﾓ)...", "盤面背景設定(&W ｶ)...", "ｻｳﾝﾄﾞ設定(&M ｵ)...", "ｶｰﾄﾞ設定(&D ﾃ)...", "-",
        "設定ﾌｧｲﾙを開く(&L)...", "設定の保存(&S)...", "-", "ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更(&M ｸ)...", "-",
        "BGMｺﾝﾄﾛｰﾙ(&B ﾋ)", "一時停止/解除(&P ﾎ)", "1曲進む(&N ﾂ)", "1曲戻す(&B ﾓ)", "-", "対応ｷｰ表示(&K ｷ)", "-",
        "ｳｨﾝﾄﾞｳに合わせて拡大(&Z ｶ)", "出せるｶｰﾄﾞの表示(&P ﾀ)", "4色ﾃﾞｯｷ(&F ﾖ)", "言語(&L ｹ)", "日本語(&J)", "&English", "-", "ﾙｰﾙ分析(&Y ﾌ)...", "ﾍﾙﾌﾟ(&H ﾙ)", "目次(&C ﾓ)", "-", "ﾊﾞｰｼﾞｮﾝ情報(&A ﾊ)...",
    };
    QCOMPARE(shown, expected);
  }

  void closingByTheFrameIsRefused() {
    Place place;
    place.WriteSettingsText("DataFileDirectory =" + place.paths.program_directory + "\r\n");
    GameState state;
    std::unique_ptr<PlayingTable> playing = place.StartUp(state);
    TableWindow* table = playing ? &playing->window() : nullptr;
    QString message;
    test::ConfirmMessage(&message);
    QVERIFY(!table->close());
    QTRY_COMPARE(message, QStringLiteral("メニューから'ぴるく の終了'を選択してください."));
    QVERIFY(table->isVisible());
  }

  void theKeyGuideToggleWritesTheSettingsEachTime() {
    Place place;
    place.WriteSettingsText("DataFileDirectory =" + place.paths.program_directory + "\r\n");
    GameState state;
    std::unique_ptr<PlayingTable> playing = place.StartUp(state);
    TableWindow* table = playing ? &playing->window() : nullptr;
    for (int expected : {1, 0}) {
      Action(*table, "keyGuidesAction")->trigger();
      QCOMPARE(state.settings.KeyGuideDisplay, int16_t(expected));
      const std::string text = ReadWholeFile(place.paths.SettingsFile()).value_or("");
      QVERIFY(text.find("KeyGuideDisplay = " + std::to_string(expected) + "\r\n") != std::string::npos);
    }
  }

  void theVersionWindowShowsTheBannerAndTheMachine() {
    Place place;
    place.WriteSettingsText("DataFileDirectory =" + place.paths.program_directory + "\r\n");
    GameState state;
    std::unique_ptr<PlayingTable> playing = place.StartUp(state);
    TableWindow* table = playing ? &playing->window() : nullptr;
    QString title, facts, banner;
    test::WhenModalAppears([&](QWidget* modal) {
      title = modal->windowTitle();
      banner = modal->findChild<QLabel*>(QStringLiteral("bannerLabel"))->text();
      facts = modal->findChild<QLabel*>(QStringLiteral("machineFactsLabel"))->text();
      qobject_cast<QDialog*>(modal)->accept();
    });
    Action(*table, "aboutAction")->trigger();
    QVERIFY(test::NothingWaits());
    QCOMPARE(title, QStringLiteral("ぴるく のﾊﾞｰｼﾞｮﾝ情報"));
    // The system it runs on, not another's.
    QVERIFY2(banner.startsWith(QStringLiteral("ぴるく for Linux\n Version 5.30.51")), qPrintable(banner));
    // The memory as a person reads it, the last of three lines.
    QVERIFY2(facts.endsWith(QStringLiteral(" MB")) || facts.endsWith(QStringLiteral(" GB")), qPrintable(facts));
    QCOMPARE(facts.count(u'\n'), 2);
  }

  void theStartingWindowsAreNamedAndHelpIsReadButtonsFirst() {
    Place place;
    GameState state;
    // The directory question: its field is read as the question it answers.
    QStringList nameless{QStringLiteral("the question was not asked")};
    QString field, question;
    test::WhenModalAppears([&](QWidget* modal) {
      nameless = test::NamelessControls(*modal);
      field = test::AccessibleName(modal->findChild<QLineEdit*>());
      question = modal->findChild<QLabel*>()->text();
      auto* input = qobject_cast<QInputDialog*>(modal);
      input->setTextValue(QString::fromStdString(place.paths.program_directory));
      input->accept();
    });
    std::unique_ptr<PlayingTable> playing = place.StartUp(state);
    QVERIFY(playing != nullptr);
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", "))));
    QVERIFY(!question.isEmpty());
    QCOMPARE(field, question);

    nameless = QStringList{QStringLiteral("the version window did not open")};
    test::WhenModalAppears([&](QWidget* modal) {
      nameless = test::NamelessControls(*modal);
      qobject_cast<QDialog*>(modal)->accept();
    });
    Action(playing->window(), "aboutAction")->trigger();
    QVERIFY(test::NothingWaits());
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", "))));

    HelpWindow help;
    help.show();
    QVERIFY(QTest::qWaitForWindowActive(&help));
    QVERIFY(test::NamelessControls(help).isEmpty());
    QCOMPARE(test::AccessibleName(help.findChild<QWidget*>(QStringLiteral("helpPage"))), QStringLiteral("ヘルプ"));
    // Back waits, disabled, for a page to go back to.
    QCOMPARE(test::TabOrder(help.findChild<QWidget*>(QStringLiteral("contentsButton")), 3),
             (QStringList{"contentsButton", "closeButton", "helpPage"}));
  }

  void accessCaptionsKeepOneKey() {
    QCOMPARE(AccessCaption(QStringLiteral("ｹﾞｰﾑ(&G&ｹ)")), QStringLiteral("ｹﾞｰﾑ(&G ｹ)"));
    QCOMPARE(AccessCaption(QStringLiteral("設定の保存(&S)...")), QStringLiteral("設定の保存(&S)..."));
    QCOMPARE(AccessCaption(QStringLiteral("A&&B(&C&D)")), QStringLiteral("A&&B(&C D)"));
    QCOMPARE(AccessCaption(QStringLiteral("plain")), QStringLiteral("plain"));
  }

  void aSecondStartRaisesTheFirst() {
    const QString name = QStringLiteral("winpiruk-test-%1").arg(QCoreApplication::applicationPid());
    SingleInstance first(name);
    QVERIFY(first.BecomePrimary());
    QSignalSpy raised(&first, &SingleInstance::RaiseRequested);
    SingleInstance second(name);
    QVERIFY(!second.BecomePrimary());
    QVERIFY(raised.wait(2000));
  }

  void eachSessionRunsItsOwnTable() {
    const QString user = QStringLiteral("winpiruk-test-%1").arg(QCoreApplication::applicationPid());
    const QString first_session = SingleInstance::SessionName(user, {}, QStringLiteral(":91"));
    const QString second_session = SingleInstance::SessionName(user, {}, QStringLiteral(":92"));
    QVERIFY(first_session != second_session);
    SingleInstance first(first_session, user);
    QVERIFY(first.BecomePrimary());
    QVERIFY(first.HoldsName());
    SingleInstance second(second_session, user);
    QVERIFY(second.BecomePrimary());
    // The second session's copy runs but leaves the user's leftovers alone.
    QVERIFY(!second.HoldsName());
    SingleInstance again(first_session, user);
    QVERIFY(!again.BecomePrimary());
  }

  void sessionNamesFollowTheDisplay_data() {
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("expected");
    QTest::newRow("x display") << QString() << QStringLiteral(":0") << QStringLiteral("u-_0");
    QTest::newRow("wayland first") << QStringLiteral("wayland-0") << QStringLiteral(":0") << QStringLiteral("u-wayland_0");
    QTest::newRow("a path") << QStringLiteral("/run/user/1000/wayland-1") << QString()
                            << QStringLiteral("u-_run_user_1000_wayland_1");
    QTest::newRow("remote x") << QString() << QStringLiteral("host.example:10.0") << QStringLiteral("u-host_example_10_0");
    QTest::newRow("no display") << QString() << QString() << QStringLiteral("u-nodisplay");
  }
  void sessionNamesFollowTheDisplay() {
    QFETCH(QString, wayland);
    QFETCH(QString, x);
    QFETCH(QString, expected);
    QCOMPARE(SingleInstance::SessionName(QStringLiteral("u"), wayland, x), expected);
  }

  void startsAtTheSameMomentLetExactlyOneRun() {
    constexpr int kStarts = 8;
    for (int round = 0; round < 5; ++round) {
      const QString name = QStringLiteral("winpiruk-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(round);
      std::latch ready(kStarts);
      std::latch decided(kStarts);
      std::atomic<int> primaries = 0;
      std::vector<std::unique_ptr<QThread>> starts;
      for (int i = 0; i < kStarts; ++i) {
        starts.emplace_back(QThread::create([&] {
          SingleInstance instance(name);
          ready.arrive_and_wait();
          if (instance.BecomePrimary()) ++primaries;
          // The winner keeps its claim until every start has decided.
          decided.arrive_and_wait();
        }));
        starts.back()->start();
      }
      // A start that never decides fails the test rather than holding it.
      for (const auto& start : starts) QVERIFY(start->wait(QDeadlineTimer(30000)));
      QCOMPARE(primaries.load(), 1);
    }
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<StartupTest>();
#include "tst_startup.moc"
