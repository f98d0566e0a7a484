// The player's own options beside the settings file: the effects and music
// volumes of the sound window, which reach the sound system as the sliders
// move, and the four-colour deck of the options menu. Both outlive a
// restart in the options file; "WinPiruk.ini" stays byte for byte as it was.
#include <QLabel>
#include <QSlider>
#include <QtTest>
#include <vector>

#include "Controls.h"
#include "WindowSuites.h"
#include "DialogAnswers.h"
#include "RunToEnd.h"
#include "TableFixture.h"
#include "gui/appearance/SoundDialog.h"
#include "gui/table/TableOptions.h"
#include "sound/AudioModule.h"

using namespace winpiruk;
using namespace winpiruk::test;

namespace {

// A sound system with no device that keeps every pair of volumes it is given.
class RecordingAudio : public AudioBackend {
 public:
  std::vector<SoundVolumes> given;

  bool OpenDevice() override { return false; }
  void CloseDevice() override {}
  bool KeepSoundSystem() override { return false; }
  void LetSoundSystemGo() override {}
  std::string Driver() const override { return {}; }
  bool DeviceOpen() const override { return false; }
  void EnsureChannels(int /*channels*/) override {}
  int PlayingChannels() const override { return 0; }
  void HaltEffects() override {}
  std::unique_ptr<AudioClip> LoadClip(const std::string& /*path*/) override { return nullptr; }
  void SetVolumes(const SoundVolumes& volumes) override { given.push_back(volumes); }
  std::unique_ptr<AudioPiece> LoadPiece(const std::string& /*path*/) override { return nullptr; }
};

QSlider* Slider(const QWidget& window, const char* name) { return Control<QSlider>(window, QString::fromLatin1(name)); }
QString LabelText(const QWidget& window, const char* name) {
  return Control<QLabel>(window, QString::fromLatin1(name))->text();
}

QString OptionsFile(const ProgramPaths& paths) {
  return TableOptionsFile(QString::fromStdString(paths.config_directory));
}

}  // namespace

Q_DECLARE_METATYPE(winpiruk::SoundVolumes)

class PlayerOptionsTest : public QObject {
  Q_OBJECT

  RecordingAudio audio_;
  std::unique_ptr<AudioStandIn> stand_in_;

 private slots:
  void init() {
    // Every test starts as a fresh program would: full volume.
    SetSoundVolumes({});
    stand_in_ = std::make_unique<AudioStandIn>(audio_);
    audio_.given.clear();
  }
  void cleanup() {
    SuspendableRun::StopAll();
    stand_in_.reset();
  }

  // Each slider sets its own volume and leaves the other alone, by a drag
  // or by the keyboard; the window shows the percent beside it.
  void slidersGiveTheSoundSystemTheirLevels_data() {
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("key");  // 0: dragged to `value`
    QTest::addColumn<int>("value");
    QTest::addColumn<SoundVolumes>("expected");
    QTest::newRow("effects down to 35") << "effects" << 0 << 35 << SoundVolumes{35, 100};
    QTest::newRow("effects silent") << "effects" << 0 << 0 << SoundVolumes{0, 100};
    QTest::newRow("music silent") << "music" << 0 << 0 << SoundVolumes{100, 0};
    QTest::newRow("music a page down") << "music" << int(Qt::Key_PageDown) << 0 << SoundVolumes{100, 90};
    QTest::newRow("effects to the bottom") << "effects" << int(Qt::Key_Home) << 0 << SoundVolumes{0, 100};
  }
  void slidersGiveTheSoundSystemTheirLevels() {
    QFETCH(QString, slider);
    QFETCH(int, key);
    QFETCH(int, value);
    QFETCH(SoundVolumes, expected);
    TempDir dir;
    const ProgramPaths paths{ShareDir(), dir.File("config"), dir.File("data")};
    GameState state;
    state.settings.SoundMode = 1;
    SoundDialog window(state, paths);
    window.show();
    QCOMPARE(Slider(window, "effectsVolumeSlider")->value(), 100);
    QCOMPARE(Slider(window, "musicVolumeSlider")->value(), 100);
    QSlider* moved = Slider(window, slider == QStringLiteral("effects") ? "effectsVolumeSlider" : "musicVolumeSlider");
    if (key == 0) {
      moved->setValue(value);
    } else {
      QTest::keyClick(moved, Qt::Key(key));
    }
    QVERIFY(!audio_.given.empty());
    QCOMPARE(audio_.given.back(), expected);
    QCOMPARE(CurrentSoundVolumes(), expected);
    QCOMPARE(LabelText(window, "effectsVolumeLabel"), QString::number(expected.effects) + QStringLiteral(" %"));
    QCOMPARE(LabelText(window, "musicVolumeLabel"), QString::number(expected.music) + QStringLiteral(" %"));
    // How loud is not whether: the sound switch is the settings' alone.
    QCOMPARE(state.settings.SoundMode, int16_t{1});
  }

  // Moved and left by Cancel, as the sound switch is: the volumes are kept
  // in the options file, and the next start gives them to the sound system
  // and shows them in the window.
  void volumesOutliveARestartBesideAnUnchangedSettingsFile() {
    TableFixture f;
    const std::string settings_before = f.SettingsText();
    WhenModalAppears([](QWidget* modal) {
      Slider(*modal, "effectsVolumeSlider")->setValue(30);
      Slider(*modal, "musicVolumeSlider")->setValue(70);
      qobject_cast<QDialog*>(modal)->reject();
    });
    Action(*f.window, "soundAction")->trigger();
    QVERIFY(NothingWaits());
    QCOMPARE(f.window->table_options().volumes, (SoundVolumes{30, 70}));
    QCOMPARE(LoadTableOptions(OptionsFile(f.paths)).volumes, (SoundVolumes{30, 70}));
    QCOMPARE(f.SettingsText(), settings_before);

    // As a new process: full volume until the table reads its options.
    SetSoundVolumes({});
    audio_.given.clear();
    PlayingTable again(f.state, f.paths, f.random, *f.clock);
    QVERIFY(!audio_.given.empty());
    QCOMPARE(audio_.given.back(), (SoundVolumes{30, 70}));
    int shown_effects = -1;
    int shown_music = -1;
    WhenModalAppears([&](QWidget* modal) {
      shown_effects = Slider(*modal, "effectsVolumeSlider")->value();
      shown_music = Slider(*modal, "musicVolumeSlider")->value();
      qobject_cast<QDialog*>(modal)->reject();
    });
    Action(again.window(), "soundAction")->trigger();
    QVERIFY(NothingWaits());
    QCOMPARE(shown_effects, 30);
    QCOMPARE(shown_music, 70);
    QCOMPARE(f.SettingsText(), settings_before);
  }

  // The menu item switches the table's faces at once, is kept in the
  // options file, and comes back checked at the next start.
  void theFourColourDeckIsAnOptionOfTheTable() {
    TableFixture f;
    const std::string settings_before = f.SettingsText();
    QAction* item = Action(*f.window, "fourColourDeckAction");
    QVERIFY(item->isCheckable());
    QVERIFY(!item->isChecked());
    CardPictures& pictures = f.window->pictures();
    const auto centre_of = [&pictures](int code) {
      const QImage face = pictures.Face(code).toImage();
      return face.pixelColor(face.width() / 2, face.height() / 2);
    };
    QCOMPARE(centre_of(27).red() > 150, true);  // the ace of diamonds, red
    item->trigger();
    QVERIFY(item->isChecked());
    QVERIFY(f.state.window.FourColourDeck);
    const QColor diamond = centre_of(27);
    QVERIFY2(diamond.blue() > 150 && diamond.red() < 80, qPrintable(diamond.name()));
    const QColor club = centre_of(40);
    QVERIFY2(club.green() > 100 && club.red() < 60 && club.blue() < 100, qPrintable(club.name()));
    QVERIFY(LoadTableOptions(OptionsFile(f.paths)).four_colour_deck);
    QCOMPARE(f.SettingsText(), settings_before);

    PlayingTable again(f.state, f.paths, f.random, *f.clock);
    QVERIFY(Action(again.window(), "fourColourDeckAction")->isChecked());
    QCOMPARE(again.window().pictures().Colours(), artwork::DeckColours::FourColour);
    Action(again.window(), "fourColourDeckAction")->trigger();
    QVERIFY(!LoadTableOptions(OptionsFile(f.paths)).four_colour_deck);
    QCOMPARE(f.SettingsText(), settings_before);
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<PlayerOptionsTest>();
#include "tst_player_options.moc"
