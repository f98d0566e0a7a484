// Without its sound module (missing, or a file that is no library) the
// program is silent as with no sound device: no effect plays, the music menu
// stays grey, and the table starts and answers as ever. The build places
// this test where the module is missing and, a second time, where it is junk.
#include <QAction>
#include <QMenu>
#include <QtTest>
#include <fstream>

#include "WindowSuites.h"
#include "DialogAnswers.h"
#include "TableFixture.h"
#include "TestTune.h"
#include "app/PlayingTable.h"
#include "app/Startup.h"
#include "config/SafeFile.h"
#include "sound/AudioDevice.h"
#include "sound/AudioModule.h"
#include "gui/common/Music.h"
#include "sound/Sound.h"

using namespace winpiruk;
using namespace winpiruk::test;

class AudioWithoutModuleTest : public QObject {
  Q_OBJECT

  TempDir dir_;

  std::string Tune() {
    const QString tune = QString::fromStdString(dir_.File("tune.mid"));
    if (!QFile::exists(tune)) WriteTune(tune);
    return tune.toStdString();
  }

 private slots:
  void initTestCase() { qputenv("SDL_AUDIODRIVER", "dummy"); }

  void theModuleIsNotThere() {
    QVERIFY(Audio() == nullptr);
    QVERIFY(!AudioDevice::DeviceOpen());
    AudioDevice device;
    QVERIFY(!device.Hold());
    QVERIFY(!device.Held());
    QVERIFY(device.Driver().empty());
    device.Release();
  }

  void effectsAreSilent() {
    EffectPlayer player;
    for (int round = 0; round < 2; ++round) {
      QCOMPARE(player.PlayEffect(ShareDir() + "/WP_CARD.WAV", true), 0);
      QCOMPARE(player.LastSoundResult(), 0);
      QVERIFY(!player.HoldsDevice());
    }
    QVERIFY(player.Driver().empty());
  }

  void theMusicStaysGreyAndCommandsDoNothing() {
    GameState state;
    state.settings.SoundMode = 1;
    state.settings.BgmList[1] = Tune();
    state.settings.BgmCount = 1;
    Music music(state);
    music.OpenAndPlayInBackground();
    QVERIFY(!music.Loading());
    QVERIFY(!music.Ready());
    QVERIFY(!music.BgmAvailable());
    QVERIFY(!music.HoldsDevice());
    music.PauseOrResume();
    music.PlayMusic();
    music.CheckMusic();
    music.StopMusic();
    QVERIFY(!music.Ready());
  }

  void theTableStartsWithSoundOn() {
    TempDir root;
    const ProgramPaths paths{ShareDir(), root.File("config"), root.File("data")};
    EnsureDirectory(paths.config_directory);
    QVERIFY(WriteFileAtomically(paths.SettingsFile(), "DataFileDirectory =" + ShareDir() +
                                                          "\r\nSoundMode = 1\r\nBGM = " + Tune() + "\r\n"));
    GameState state;
    StandardRandom random;
    SystemClock clock;
    std::unique_ptr<PlayingTable> playing = RunStartup(state, paths, random, clock);
    TableWindow* table = playing ? &playing->window() : nullptr;
    QVERIFY(table != nullptr);
    QVERIFY(table->isVisible());
    QTRY_VERIFY(!table->music().Unplayable().empty());
    QVERIFY(!Menu(*table, "musicMenu")->menuAction()->isEnabled());
    QCOMPARE(state.settings.SoundMode, int16_t{1});
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<AudioWithoutModuleTest>();
#include "tst_audio_without_module.moc"
