// Waits without busy waiting, taking the user's input or keeping it, and the
// effect sounds with no sound device.
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWidget>
#include <QtTest>

#include "QueuedInput.h"
#include "gui/common/Pacing.h"
#include "sound/Sound.h"

using namespace winpiruk;
using namespace winpiruk::test;

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
  void inputRunsOrWaitsItsTurnButPaintingGoesOn_data() {
    QTest::addColumn<bool>("let_input_through");
    QTest::newRow("other tasks") << true;
    QTest::newRow("no other tasks") << false;
  }
  void inputRunsOrWaitsItsTurnButPaintingGoesOn() {
    QFETCH(bool, let_input_through);
    Probe probe;
    probe.resize(50, 50);
    probe.show();
    probe.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&probe));
    // A key typed before the wait is handled as the wait begins, whatever
    // the wait does with later input.
    QueueKey(&probe, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    const int paints_before = probe.paints;
    int keys_in_wait = -1;
    QTimer::singleShot(10, &probe, [&] {
      keys_in_wait = probe.keys;
      QueueKey(&probe, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
      probe.update();
    });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(WaitDepth(), 0);
    WaitFor(80, let_input_through ? InputDuringWait::Processed : InputDuringWait::Kept);
    QVERIFY(clock.elapsed() >= 75);
    QCOMPARE(WaitDepth(), 0);
    QCOMPARE(keys_in_wait, 1);
    QCOMPARE(probe.keys, let_input_through ? 2 : 1);
    QVERIFY(probe.paints > paints_before);
    // A key held back by the wait is not lost: the next wait takes it first.
    WaitFor(0, InputDuringWait::Kept);
    QCOMPARE(probe.keys, 2);
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
