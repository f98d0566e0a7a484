// Waits without busy waiting, with or without the user's input, and the
// effect sounds with no sound device.
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWidget>
#include <QtTest>

#include "ui/Pacing.h"
#include "ui/Sound.h"

using namespace winpiruk;

namespace {

class Probe : public QWidget {
 public:
  int keys = 0;
  int paints = 0;

 protected:
  void keyPressEvent(QKeyEvent* /*event*/) override { ++keys; }
  void paintEvent(QPaintEvent* /*event*/) override { ++paints; }
};

std::string ShareFile(const char* name) {
  const char* dir = std::getenv("WINPIRUK_SHARE_DIR");
  return std::string(dir != nullptr ? dir : "share/winpiruk") + "/" + name;
}

}  // namespace

class PacingSoundTest : public QObject {
  Q_OBJECT

 private slots:
  void inputRunsOrIsDroppedButPaintingGoesOn_data() {
    QTest::addColumn<bool>("let_input_through");
    QTest::newRow("other tasks") << true;
    QTest::newRow("no other tasks") << false;
  }
  void inputRunsOrIsDroppedButPaintingGoesOn() {
    QFETCH(bool, let_input_through);
    Probe probe;
    probe.resize(50, 50);
    probe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&probe));
    const int paints_before = probe.paints;
    QTimer::singleShot(10, &probe, [&probe] {
      QCoreApplication::postEvent(&probe, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
      probe.update();
    });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(WaitDepth(), 0);
    WaitFor(80, let_input_through ? InputDuringWait::Processed : InputDuringWait::Dropped);
    QVERIFY(clock.elapsed() >= 75);
    QCOMPARE(WaitDepth(), 0);
    QCOMPARE(probe.keys, let_input_through ? 1 : 0);
    QVERIFY(probe.paints > paints_before);
    // A dropped key stays dropped: the wait does not hold it back for later.
    QCoreApplication::processEvents();
    QCOMPARE(probe.keys, let_input_through ? 1 : 0);
  }

  void effectsPlayOnlyWhenSoundIsOnAndTheFileExists() {
    EffectPlayer player;
    QCOMPARE(player.PlayEffect(ShareFile("WP_CARD.WAV"), false), 0);
    QCOMPARE(player.LastSoundResult(), 0);
    QCOMPARE(player.PlayEffect(ShareFile("NoSuchSound.WAV"), true), 0);
    QCOMPARE(player.PlayEffect("", true), 0);
    QVERIFY(player.PlayEffect(ShareFile("WP_CARD.WAV"), true) != 0);
    QVERIFY(player.LastSoundResult() != 0);
    QVERIFY(!player.Driver().empty());
    QCOMPARE(player.PlayEffect(ShareFile("WP_PRK.WAV"), false), 0);
  }
};

QTEST_MAIN(PacingSoundTest)
#include "tst_pacing_sound.moc"
