// The analyser's histogram: an open tail bin ("80+") taller than the other
// bins must not squash them; it is drawn broken at the top instead.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "WindowSuites.h"
#include "gui/rules/ChartPainting.h"

using namespace winpiruk;

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 200;

QImage Histogram(const std::vector<long long>& counts, LastBin last) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawHistogram(painter, image.rect(), counts, std::vector<QString>(counts.size()), last);
  return image;
}

// The rows of column x painted in the bars' blue.
int BlueRows(const QImage& image, int x) {
  int rows = 0;
  for (int y = 0; y < image.height(); ++y) rows += image.pixelColor(x, y) == kChartBlue ? 1 : 0;
  return rows;
}

// Whether a white row lies between blue rows in column x.
bool BrokenAt(const QImage& image, int x) {
  bool blue_above = false;
  bool white_after_blue = false;
  for (int y = 0; y < image.height(); ++y) {
    const QColor colour = image.pixelColor(x, y);
    if (colour == kChartBlue) {
      if (white_after_blue) return true;
      blue_above = true;
    } else if (blue_above && colour == Qt::white) {
      white_after_blue = true;
    }
  }
  return false;
}

}  // namespace

class ChartPaintingTest : public QObject {
  Q_OBJECT

 private slots:
  // Four bins of 100 px each; the tail is four times the tallest other bin.
  void openTailKeepsTheScaleOfTheOtherBins() {
    const std::vector<long long> counts = {2, 10, 5, 40};
    const QImage open = Histogram(counts, LastBin::OpenTail);
    const QImage regular = Histogram(counts, LastBin::Regular);
    const int tallest = 150;  // the middle of bin 1
    const int tail = 350;
    // Open: bin 1 fills the plot, the tail as tall and broken near its top.
    QCOMPARE(BlueRows(open, tail) >= BlueRows(open, tallest) - 3, true);
    QVERIFY(BlueRows(open, tallest) > 3 * BlueRows(regular, tallest));
    QVERIFY(BrokenAt(open, tail));
    QVERIFY(!BrokenAt(open, tallest));
    // Regular: the last bin is an ordinary bin and sets the scale.
    QVERIFY(!BrokenAt(regular, tail));
    QVERIFY(BlueRows(regular, tail) > 3 * BlueRows(regular, tallest));
  }

  // A tail no taller than the rest is an ordinary bar.
  void shortTailIsNotBroken() {
    const QImage image = Histogram({2, 10, 5, 6}, LastBin::OpenTail);
    QVERIFY(!BrokenAt(image, 350));
    QVERIFY(BlueRows(image, 350) < BlueRows(image, 150));
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<ChartPaintingTest>();
#include "tst_chart_painting.moc"
