// The table's waits, which give the event loop back instead of nesting one,
// taking the user's input or keeping it for after, and the effect sounds
// with no sound device.
#include <QDialog>
#include <QElapsedTimer>
#include <QWidget>
#include <QtTest>
#include <string>
#include <vector>

#include "WindowSuites.h"
#include "gui/common/Awaiting.h"
#include "gui/table/TableWaits.h"
#include "sound/Sound.h"

using namespace winpiruk;

namespace {

class Probe : public QWidget {
 public:
  int paints = 0;

 protected:
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
  void waitsLetTheWindowPaintAndHoldInputOnlyWhenTold_data() {
    QTest::addColumn<bool>("input_taken");
    QTest::newRow("other tasks") << true;
    QTest::newRow("no other tasks") << false;
  }
  void waitsLetTheWindowPaintAndHoldInputOnlyWhenTold() {
    QFETCH(bool, input_taken);
    Probe probe;
    probe.resize(50, 50);
    probe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&probe));
    TableWaits waits;
    std::vector<std::string> order;
    QTimer::singleShot(10, &probe, [&] {
      // A click arriving in the wait: taken at once, or after the wait.
      if (!waits.HoldInput([&] { order.push_back("held input"); })) order.push_back("input");
      probe.update();
    });
    const int paints_before = probe.paints;
    QElapsedTimer clock;
    bool waited = false;
    RunAwaiting([&] {
      clock.start();
      waits.For(80, input_taken ? InputDuringWait::Taken : InputDuringWait::Held);
      order.push_back("wait over");
      waited = true;
    });
    QVERIFY(!waited);  // the wait gave the loop back at once
    QTRY_VERIFY(waited);
    QVERIFY(clock.elapsed() >= 75);
    QVERIFY(probe.paints > paints_before);
    QTRY_COMPARE(order.size(), size_t{2});
    const std::vector<std::string> expected =
        input_taken ? std::vector<std::string>{"input", "wait over"} : std::vector<std::string>{"wait over", "held input"};
    QCOMPARE(order, expected);
  }

  void aWindowOverTheTableHoldsTheWaitUntilItCloses() {
    TableWaits waits;
    bool waited = false;
    RunAwaiting([&] {
      waits.SetTableBlocked(true);
      waits.For(20, InputDuringWait::Taken);
      waited = true;
    });
    QTest::qWait(100);
    QVERIFY(!waited);
    waits.SetTableBlocked(false);
    QTRY_VERIFY(waited);
  }

  void aWindowWaitedForFinishesTheWait() {
    QWidget table;
    table.show();
    TableWaits waits;
    int result = -1;
    RunAwaiting([&] {
      QDialog beside(&table);
      result = waits.ForWindow(beside, WindowShown::BesideTheTable);
    });
    auto* beside = table.findChild<QDialog*>();
    QVERIFY(beside != nullptr);
    QTRY_VERIFY(beside->isVisible());
    QCOMPARE(beside->windowModality(), Qt::NonModal);
    QVERIFY(beside->testAttribute(Qt::WA_ShowWithoutActivating));
    beside->done(7);
    QTRY_COMPARE(result, 7);
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

const bool kAdded = winpiruk::test::AddWindowSuite<PacingSoundTest>();
#include "tst_pacing_sound.moc"
