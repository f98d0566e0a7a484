// The audio device is open only while something sounds: an effect, or a
// piece of music playing or paused; the music is read on a worker thread.
// Runs on the dummy driver, which plays in real time without a sound card.
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include "WindowSuites.h"
#include "TableFixture.h"
#include "TestTune.h"
#include "sound/AudioDevice.h"
#include "sound/AudioModule.h"
#include "gui/common/Music.h"
#include "sound/Sound.h"

using namespace winpiruk;
using namespace winpiruk::test;

namespace {

constexpr int kEndsWithin = 10000;

std::string Effect(const char* name) { return ShareDir() + "/" + name; }

}  // namespace

class AudioIdleTest : public QObject {
  Q_OBJECT

  TempDir dir_;

  // A music player over a list of one tune, sound on.
  GameState MusicState() {
    const QString tune = QString::fromStdString(dir_.File("tune.mid"));
    if (!QFile::exists(tune)) WriteTune(tune);
    GameState state;
    state.settings.SoundMode = 1;
    state.settings.BgmList[1] = tune.toStdString();
    state.settings.BgmCount = 1;
    return state;
  }

 private slots:
  void initTestCase() { qputenv("SDL_AUDIODRIVER", "dummy"); }

  void anEffectOpensTheDeviceUntilItHasPlayed() {
    EffectPlayer player;
    QVERIFY(!AudioDevice::DeviceOpen());
    // Sound off, or nothing to play: the device stays closed.
    QCOMPARE(player.PlayEffect(Effect("WP_CARD.WAV"), false), 0);
    QVERIFY(!AudioDevice::DeviceOpen());
    QCOMPARE(player.PlayEffect("", true), 0);
    QVERIFY(!AudioDevice::DeviceOpen());
    // Each effect after a silence opens the device again, and it closes
    // once the effect has ended; two at once keep it open for both.
    for (int round = 0; round < 2; ++round) {
      QVERIFY(player.PlayEffect(Effect("WP_CARD.WAV"), true) != 0);
      QVERIFY(player.PlayEffect(Effect("WP_PRK.WAV"), true) != 0);
      QVERIFY(AudioDevice::DeviceOpen());
      QVERIFY(player.HoldsDevice());
      QTRY_VERIFY_WITH_TIMEOUT(!AudioDevice::DeviceOpen(), kEndsWithin);
      QVERIFY(!player.HoldsDevice());
    }
    // A missing file does not leave the device open.
    QCOMPARE(player.PlayEffect(Effect("NoSuchSound.WAV"), true), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!AudioDevice::DeviceOpen(), kEndsWithin);
  }

  void theMusicIsReadInTheBackgroundAndHoldsTheDeviceWhilePlaying() {
    GameState state = MusicState();
    Music music(state);
    QSignalSpy ready(&music, &Music::ReadyChanged);
    QSignalSpy ended(&music, &Music::PieceEnded);
    music.OpenAndPlayInBackground();
    QVERIFY(music.Loading());
    QTRY_VERIFY_WITH_TIMEOUT(!music.Loading(), kEndsWithin);
    if (!music.Ready()) QSKIP("no sound font to play MIDI with");
    QCOMPARE(ready.count(), 1);
    QCOMPARE(ready.at(0).at(0).toBool(), true);
    QCOMPARE(music.Mode(), SequencerMode::Playing);
    QVERIFY(music.HoldsDevice());
    QVERIFY(AudioDevice::DeviceOpen());
    // Paused, the piece keeps its place and the device.
    music.PauseOrResume();
    QCOMPARE(music.Mode(), SequencerMode::Paused);
    QVERIFY(AudioDevice::DeviceOpen());
    music.PauseOrResume();
    QCOMPARE(music.Mode(), SequencerMode::Playing);
    // Played to its end, the piece lets the device go.
    QTRY_VERIFY_WITH_TIMEOUT(ended.count() == 1, kEndsWithin);
    QCOMPARE(music.Mode(), SequencerMode::Stopped);
    QVERIFY(!AudioDevice::DeviceOpen());
    QVERIFY(music.Ready());
    // Started again it opens the device, stopped it closes it.
    music.PlayMusic();
    QCOMPARE(music.Mode(), SequencerMode::Playing);
    QVERIFY(AudioDevice::DeviceOpen());
    music.StopMusic();
    QCOMPARE(music.Mode(), SequencerMode::Stopped);
    QVERIFY(!AudioDevice::DeviceOpen());
    // Stopped, the piece stays ready (the menu too) though its synthesizer
    // went; playing it again reads it on the worker first.
    QVERIFY(music.Ready());
    QCOMPARE(ready.count(), 1);
    music.PlayMusic();
    QVERIFY(music.Loading());
    QTRY_VERIFY_WITH_TIMEOUT(!music.Loading(), kEndsWithin);
    QCOMPARE(music.Mode(), SequencerMode::Playing);
    QVERIFY(AudioDevice::DeviceOpen());
    // The pause menu item on a piece stopped and let go reads it at once.
    music.StopMusic();
    music.PauseOrResume();
    music.PauseOrResume();
    QCOMPARE(music.Mode(), SequencerMode::Playing);
    music.StopMusic();
    QVERIFY(!AudioDevice::DeviceOpen());
    QCOMPARE(ready.count(), 1);
  }

  // A volume of 0 is quiet, not off: an effect still counts as played (the
  // game reads that result), and a piece still plays through to its end.
  void silentVolumesStillPlay() {
    SetSoundVolumes({0, 0});
    EffectPlayer player;
    QVERIFY(player.PlayEffect(Effect("WP_CARD.WAV"), true) != 0);
    QVERIFY(AudioDevice::DeviceOpen());
    QTRY_VERIFY_WITH_TIMEOUT(!AudioDevice::DeviceOpen(), kEndsWithin);
    GameState state = MusicState();
    Music music(state);
    QSignalSpy ended(&music, &Music::PieceEnded);
    music.OpenAndPlayInBackground();
    QTRY_VERIFY_WITH_TIMEOUT(!music.Loading(), kEndsWithin);
    if (music.Ready()) {
      QCOMPARE(music.Mode(), SequencerMode::Playing);
      // Louder while it plays, as the sound window's slider makes it.
      SetSoundVolumes({0, 40});
      QTRY_VERIFY_WITH_TIMEOUT(ended.count() == 1, kEndsWithin);
    }
    SetSoundVolumes({});
  }

  void anOperationDuringTheReadWaitsForIt() {
    GameState state = MusicState();
    Music music(state);
    music.OpenAndPlayInBackground();
    // Stopping at once stops the piece the read was to start.
    music.StopMusic();
    QVERIFY(!music.Loading());
    if (!music.Ready()) QSKIP("no sound font to play MIDI with");
    QCOMPARE(music.Mode(), SequencerMode::Stopped);
    QVERIFY(!AudioDevice::DeviceOpen());
    // The read's own news comes later and changes nothing.
    QTest::qWait(50);
    QCOMPARE(music.Mode(), SequencerMode::Stopped);
  }

  void aPieceThatCannotBeReadLeavesTheMenuGreyAndTheDeviceClosed() {
    GameState state = MusicState();
    state.settings.BgmList[1] = dir_.File("gone.mid");
    Music music(state);
    music.OpenAndPlayInBackground();
    QTRY_VERIFY_WITH_TIMEOUT(!music.Loading(), kEndsWithin);
    QVERIFY(!music.Ready());
    QVERIFY(!music.BgmAvailable());
    QVERIFY(!AudioDevice::DeviceOpen());
  }

  void theWaitingTableHasNoDeviceOpen_data() {
    QTest::addColumn<int>("sound_mode");
    QTest::newRow("sound off") << 0;
    QTest::newRow("sound on") << 1;
  }
  void theWaitingTableHasNoDeviceOpen() {
    QFETCH(int, sound_mode);
    TableFixture f([sound_mode](GameState& s) { s.settings.SoundMode = static_cast<int16_t>(sound_mode); });
    f.window->show();
    f.window->music().OpenAndPlayInBackground();
    QVERIFY(!f.window->music().Loading());
    QVERIFY(!Menu(*f.window, "musicMenu")->menuAction()->isEnabled());
    QVERIFY(!AudioDevice::DeviceOpen());
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<AudioIdleTest>();
#include "tst_audio_idle.moc"
