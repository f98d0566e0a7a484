// Where the table opens from the saved bounds: never smaller than its design,
// and centred on the primary screen when no screen would let the user take
// hold of its title bar.
#include <QtTest>

#include "WindowSuites.h"
#include "gui/common/WindowPlacement.h"

using namespace winpiruk;

namespace {

const QSize kLeast(541, 359);
const QRect kPrimary(0, 0, 1280, 1024);
// The primary screen's available area centres a design-size window here.
const QRect kCentred(369, 332, 541, 359);

}  // namespace

class WindowPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void placeFromSavedBounds_data() {
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("expected");
    const QList<QRect> one{kPrimary};
    const QList<QRect> two{kPrimary, QRect(1280, 0, 1920, 1080)};

    QTest::addRow("on the screen") << QRect(100, 100, 700, 500) << one << QRect(100, 100, 700, 500);
    QTest::addRow("narrower than designed") << QRect(100, 100, 0, 500) << one << QRect(100, 100, 541, 500);
    QTest::addRow("negative size") << QRect(100, 100, -40, -30) << one << QRect(100, 100, 541, 359);
    QTest::addRow("far right") << QRect(2000, 100, 541, 359) << one << kCentred;
    QTest::addRow("far below") << QRect(100, 2000, 541, 359) << one << kCentred;
    QTest::addRow("far left") << QRect(-2000, 100, 541, 359) << one << kCentred;
    QTest::addRow("tiny and far off") << QRect(2000, 2000, 0, 0) << one << kCentred;
    // Enough of the title bar to drag the window back by.
    QTest::addRow("half off the left, grip shown") << QRect(-400, 100, 541, 359) << one << QRect(-400, 100, 541, 359);
    QTest::addRow("off the left but a sliver") << QRect(-480, 100, 541, 359) << one << kCentred;
    QTest::addRow("title bar half above the top") << QRect(100, -10, 541, 359) << one << QRect(100, -10, 541, 359);
    QTest::addRow("title bar above the top") << QRect(100, -20, 541, 359) << one << kCentred;
    QTest::addRow("title bar on the bottom edge") << QRect(100, 1010, 541, 359) << one << QRect(100, 1010, 541, 359);
    QTest::addRow("below the bottom edge") << QRect(100, 1015, 541, 359) << one << kCentred;
    QTest::addRow("on the second screen") << QRect(2000, 100, 541, 359) << two << QRect(2000, 100, 541, 359);
    QTest::addRow("across both screens") << QRect(1200, 100, 541, 359) << two << QRect(1200, 100, 541, 359);
    QTest::addRow("second screen gone") << QRect(2000, 100, 541, 359) << one << kCentred;
    QTest::addRow("primary right of another")
        << QRect(-3000, 100, 541, 359) << QList<QRect>{QRect(1920, 0, 1280, 1024), QRect(0, 0, 1920, 1080)}
        << kCentred.translated(1920, 0);
    QTest::addRow("under a top panel") << QRect(100, 0, 541, 359) << QList<QRect>{QRect(0, 28, 1280, 996)}
                                       << QRect(369, 346, 541, 359);
    QTest::addRow("larger than the screen, off it")
        << QRect(5000, 5000, 2000, 1500) << one << QRect(0, 0, 2000, 1500);
    QTest::addRow("no screens") << QRect(5000, 5000, 8, 8) << QList<QRect>{} << QRect(5000, 5000, 541, 359);
  }

  void placeFromSavedBounds() {
    QFETCH(QRect, saved);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, expected);
    QCOMPARE(ReachablePlace(saved, kLeast, screens), expected);
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<WindowPlacementTest>();
#include "tst_window_placement.moc"
