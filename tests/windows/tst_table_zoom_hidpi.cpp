// The table on a screen of twice the pixel density (a 200 % desktop): every
// picture on it has the screen's pixels, at the design size and zoomed.
#include <QtTest>

#include "WindowSuites.h"
#include "TableFixture.h"
#include "gui/table/QtTableView.h"

using namespace winpiruk;
using namespace winpiruk::test;

namespace {

void DealFixedHands(GameState& s) {
  s.match.MatchInProgress = true;
  s.table.HandPhase = kHandInPlay;
  s.settings.CardOpen = 1;  // the side seats' faces lie turned
  for (int seat = 0; seat < kSeats; ++seat) {
    s.table.Hands[seat] = {};
    s.table.Hands[seat][kHandCount] = 9;
    for (int p = 1; p <= 9; ++p) s.table.Hands[seat][p] = static_cast<int16_t>(seat * 13 + p);
  }
}

// The pictures a dealt table shows, each with as many pixels as it covers on the screen.
void VerifyDevicePixels(TableWindow& w) {
  const double ratio = w.devicePixelRatioF();
  QList<QLabel*> shown = {w.view().widgets().turnArrow, w.view().widgets().musicPicture};
  for (const Placed& card : PlacedCards(w, w.table_layout())) {
    if (card.widget->isVisible()) shown << card.widget;
  }
  QVERIFY(shown.size() > 30);
  for (QLabel* picture : shown) {
    QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), picture->size());
    const QSize pixels = picture->pixmap().size();
    const QSize wanted = picture->size() * ratio;
    QVERIFY2(std::abs(pixels.width() - wanted.width()) <= 1 && std::abs(pixels.height() - wanted.height()) <= 1,
             qPrintable(QStringLiteral("%1: %2x%3").arg(picture->objectName()).arg(pixels.width()).arg(pixels.height())));
  }
}

}  // namespace

class TableZoomHiDpiTest : public QObject {
  Q_OBJECT

 private slots:
  void picturesHaveTheScreensPixels() {
    TableFixture f(DealFixedHands);
    TableWindow& w = *f.window;
    w.resize(541, 359);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.devicePixelRatioF(), 2.0);
    w.PrepareMatch();
    for (int seat = 0; seat < kSeats; ++seat) w.view().ShowHand(seat);
    w.view().ShowDrawPile(true);
    w.view().ShowArrow(0);
    QCOMPARE(w.Zoom(), 1.0);
    QCOMPARE(PositionPicture(w.view().widgets(), 1)->pixmap().size(), QSize(84, 120));
    VerifyDevicePixels(w);
    // Larger: the zoom and the density together.
    w.resize(950, 520);
    QTRY_VERIFY(w.Zoom() > 1.3);
    VerifyDevicePixels(w);
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<TableZoomHiDpiTest>(
    winpiruk::test::SuiteApplication::kWidgetsAtTwiceDensity);

#include "tst_table_zoom_hidpi.moc"
