#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPushButton>
#include <QtTest>

#include "AccessibleControls.h"
#include "WindowSuites.h"
#include "Controls.h"
#include "scoring/ReviewChart.h"
#include "gui/scoring/MatchReviewDialog.h"
#include "state/GameState.h"

using namespace winpiruk;

namespace {

bool HasColourNear(const QImage& image, QPoint centre, int radius, const std::function<bool(QColor)>& wanted) {
  for (int y = centre.y() - radius; y <= centre.y() + radius; ++y) {
    for (int x = centre.x() - radius; x <= centre.x() + radius; ++x) {
      if (image.rect().contains(x, y) && wanted(image.pixelColor(x, y))) return true;
    }
  }
  return false;
}

bool Reddish(QColor c) { return c.red() > 180 && c.green() < 120 && c.blue() < 120; }
bool Bluish(QColor c) { return c.blue() > 60 && c.red() < 60 && c.green() < 60; }
bool DarkRed(QColor c) { return c.red() > 60 && c.green() < 60 && c.blue() < 60; }

}  // namespace

class MatchReviewDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void drawsTheRunningTotal() {
    GameState state;
    state.settings.NumberOfGames = 4;
    const int points[] = {0, 44, -100, 20, 0};
    const char* words[] = {"", "あがり", "振込み", "10ｵｰﾊﾞｰ分", ""};
    for (int i = 1; i <= 4; ++i) {
      state.match.HandLogPoints[i] = static_cast<int16_t>(points[i]);
      state.match.HandLogText[i] = words[i];
    }
    MatchReviewDialog window(state);
    QCOMPARE(window.windowTitle(), QStringLiteral("ぴるく  - 考察 -"));
    auto* area = test::Control<ReviewChartArea>(window, QStringLiteral("chartArea"));
    const QImage image = area->grab().toImage();
    const ReviewChart chart = LayoutReviewChart(state, area->width(), area->height());
    QCOMPARE(chart.hands.size(), size_t{4});
    for (const ReviewHand& hand : chart.hands) {
      QVERIFY2(HasColourNear(image, {hand.x, hand.y}, 2, Reddish), qPrintable(QString::number(hand.number)));
    }
    // The points along the bottom: a gain in blue, a loss in red.
    const int bottom = image.height() - 12;
    QVERIFY(HasColourNear(image, {chart.hands[0].x, bottom}, 8, Bluish));
    QVERIFY(HasColourNear(image, {chart.hands[1].x, bottom}, 8, DarkRed));
    QVERIFY(!HasColourNear(image, {chart.hands[1].x, bottom}, 8, Bluish));
    // The frame.
    QCOMPARE(image.pixelColor(0, image.height() / 3), QColor(Qt::black));
  }

  void usesAFontTheMachineHas() {
    const QFont font = ReviewChartArea::ChartFont();
    QVERIFY(font.bold());
    QCOMPARE(font.pointSize(), 10);
    QVERIFY(QFontDatabase::families().contains(font.family()));
  }

  void okCloses() {
    GameState state;
    MatchReviewDialog window(state);
    window.show();
    QVERIFY(test::NamelessControls(window).isEmpty());
    QTest::mouseClick(test::Control<QPushButton>(window, QStringLiteral("okButton")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<MatchReviewDialogTest>();
#include "tst_match_review_dialog.moc"
