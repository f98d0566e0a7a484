// The table's layout: design places, the shares of extra size, the card
// position settings and the key guides.
#include <QtTest>

#include "state/Settings.h"
#include "gui/table/TableLayout.h"
#include "gui/common/Twips.h"

using namespace winpiruk;

namespace {

bool Overlaps(const TwipsRect& a, const TwipsRect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

// The pictures that never overlap one another: every seat's row against the
// other rows and the piles. Cards of one row may overlap each other.
QList<QPair<int, int>> GroupsOf() {
  return {{1, 9}, {12, 20}, {21, 29}, {30, 38}, {10, 11}, {39, 39}};
}

}  // namespace

class TableLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void designPlacesHoldAtAndBelowDesignSize() {
    const Settings s;
    const TableLayout design = LayoutTable(kDesignWidthTwips, kDesignHeightTwips, s);
    const TableLayout smaller = LayoutTable(4000, 3000, s);
    for (int n = 1; n <= kPictureCount; ++n) QCOMPARE(smaller.picture[n], design.picture[n]);
    for (int n = 1; n <= kLabelCount; ++n) QCOMPARE(smaller.label[n], design.label[n]);
    QCOMPARE(design.user_card_step, 649);  // 630 × 1.03 to a whole twip
  }

  void userRowFollowsItsFormulas_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("design") << 8115 << 5385;
    QTest::newRow("wider") << 8115 + 1280 << 5385;
    QTest::newRow("taller") << 8115 << 5385 + 1270;
    QTest::newRow("maximised") << 19200 << 14655;
  }
  void userRowFollowsItsFormulas() {
    QFETCH(int, width);
    QFETCH(int, height);
    const Settings s;
    const TableLayout design = LayoutTable(kDesignWidthTwips, kDesignHeightTwips, s);
    const TableLayout t = LayoutTable(width, height, s);
    const int ew = width - kDesignWidthTwips;
    const int eh = height - kDesignHeightTwips;
    QCOMPARE(t.user_card_step, static_cast<int>(std::lround(630 * 1.03 + ew / 128.0)));
    QCOMPARE(t.picture[1].left, design.picture[1].left + static_cast<int>(std::lround(ew / 101.6)));
    QCOMPARE(t.picture[1].top, design.picture[1].top + static_cast<int>(std::lround(eh / 12.7)));
    for (int p = 2; p <= 9; ++p) QCOMPARE(t.picture[p].left - t.picture[p - 1].left, t.user_card_step);
  }

  void cardPositionSettingsMoveOnlyTheirRows() {
    Settings moved;
    moved.HorizonCardPos = 120;
    moved.VerticalCardPos = -90;
    const TableLayout base = LayoutTable(kDesignWidthTwips, kDesignHeightTwips, Settings{});
    const TableLayout t = LayoutTable(kDesignWidthTwips, kDesignHeightTwips, moved);
    for (int p = 1; p <= 9; ++p) {
      QCOMPARE(t.picture[HandPicture(0, p)].left, base.picture[HandPicture(0, p)].left + 120);
      QCOMPARE(t.picture[HandPicture(2, p)].left, base.picture[HandPicture(2, p)].left + 120);
      QCOMPARE(t.picture[HandPicture(1, p)].top, base.picture[HandPicture(1, p)].top - 90);
      QCOMPARE(t.picture[HandPicture(3, p)].top, base.picture[HandPicture(3, p)].top - 90);
      QCOMPARE(t.picture[HandPicture(1, p)].left, base.picture[HandPicture(1, p)].left);
      QCOMPARE(t.picture[HandPicture(0, p)].top, base.picture[HandPicture(0, p)].top);
    }
    QCOMPARE(t.picture[11], base.picture[11]);
  }

  void keyGuidesRaiseTheUserRowAndSitUnderIt() {
    Settings guides;
    guides.KeyGuideDisplay = 1;
    const TableLayout base = LayoutTable(kDesignWidthTwips, kDesignHeightTwips, Settings{});
    const TableLayout t = LayoutTable(kDesignWidthTwips, kDesignHeightTwips, guides);
    for (int p = 1; p <= 9; ++p) {
      QCOMPARE(t.picture[p].top, base.picture[p].top - 12);
      const TwipsRect& guide = t.label[15 + p];
      QVERIFY(guide.top >= t.picture[p].bottom());
      QVERIFY(guide.left >= t.picture[p].left && guide.right() <= t.picture[p].right());
    }
    // "J", "K" and "P" sit under the discard pile, the second card and the draw pile.
    QVERIFY(t.label[26].top >= t.picture[11].bottom() && t.label[26].left >= t.picture[11].left);
    QVERIFY(t.label[27].top >= t.picture[39].bottom() && t.label[27].left >= t.picture[39].left);
    QVERIFY(t.label[28].top >= t.picture[10].bottom() && t.label[28].left >= t.picture[10].left);
  }

  // Rows, piles and labels stay apart, and inside the table, at the design
  // size, when maximised on a large screen and at odd sizes between.
  void nothingCollides_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("guides");
    QTest::newRow("design") << 8115 << 5385 << 0;
    QTest::newRow("design guides") << 8115 << 5385 << 1;
    QTest::newRow("1280x1024") << 19200 << 14655 << 1;
    QTest::newRow("wide low") << 19200 << 5385 << 0;
    QTest::newRow("narrow tall") << 8115 << 15000 << 1;
  }
  void nothingCollides() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, guides);
    Settings s;
    s.KeyGuideDisplay = static_cast<int16_t>(guides);
    const TableLayout t = LayoutTable(width, height, s);
    // The table area is the window less its menu bar (at most 30 pixels).
    const int area_height = height - 30 * kTwipsPerPixel;
    const auto groups = GroupsOf();
    for (int g = 0; g < groups.size(); ++g) {
      for (int h = g + 1; h < groups.size(); ++h) {
        for (int a = groups[g].first; a <= groups[g].second; ++a) {
          for (int b = groups[h].first; b <= groups[h].second; ++b) {
            QVERIFY2(!Overlaps(t.picture[a], t.picture[b]),
                     qPrintable(QStringLiteral("Picture%1 overlaps Picture%2").arg(a).arg(b)));
          }
        }
      }
    }
    for (int n = 1; n <= 39; ++n) {
      QVERIFY2(t.picture[n].left >= 0 && t.picture[n].right() <= width && t.picture[n].top >= 0 &&
                   t.picture[n].bottom() <= area_height,
               qPrintable(QStringLiteral("Picture%1 leaves the table").arg(n)));
    }
    for (int n = 1; n <= kLabelCount; ++n) {
      if (n == 25) continue;
      QVERIFY2(t.label[n].right() <= width && t.label[n].bottom() <= area_height,
               qPrintable(QStringLiteral("Label%1 leaves the table").arg(n)));
      // Names, counts and scores never lie on a card.
      if (n <= 12) {
        for (int p = 1; p <= 39; ++p) {
          QVERIFY2(!Overlaps(t.label[n], t.picture[p]),
                   qPrintable(QStringLiteral("Label%1 overlaps Picture%2").arg(n).arg(p)));
        }
      }
    }
    for (int seat = 0; seat < 4; ++seat) {
      for (int p = 1; p <= 39; ++p) {
        QVERIFY2(!Overlaps(t.arrow[seat], t.picture[p]),
                 qPrintable(QStringLiteral("arrow %1 overlaps Picture%2").arg(seat).arg(p)));
      }
    }
  }

  void handPicturesFollowTheSeats() {
    QCOMPARE(HandPicture(0, 1), 1);
    QCOMPARE(HandPicture(1, 1), 30);
    QCOMPARE(HandPicture(1, 9), 38);
    QCOMPARE(HandPicture(2, 1), 21);
    QCOMPARE(HandPicture(3, 1), 20);
    QCOMPARE(HandPicture(3, 9), 12);
  }
};

QTEST_MAIN(TableLayoutTest)
#include "tst_table_layout.moc"
