// The table's layout: design places, the shares of extra size, the card
// position settings and the key guides.
#include <QtTest>

#include "WindowSuites.h"
#include "state/Settings.h"
#include "gui/table/TableLayout.h"
#include "gui/common/Twips.h"

using namespace winpiruk;

namespace {

bool Overlaps(const TwipsRect& a, const TwipsRect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

using Named = QPair<QString, TwipsRect>;

// The pictures that never overlap one another: every seat's row against the
// other rows and the piles. Cards of one row may overlap each other.
QList<QList<Named>> GroupsOf(const TableLayout& t) {
  QList<QList<Named>> groups;
  for (int seat = 0; seat < kSeats; ++seat) {
    QList<Named> row;
    for (int p = 1; p <= kHandPositions; ++p) row << Named(QStringLiteral("seat %1 card %2").arg(seat).arg(p), t.hand[seat][p]);
    groups << row;
  }
  groups << QList<Named>{{QStringLiteral("draw pile"), t.draw_pile}, {QStringLiteral("discard pile"), t.discard_pile}};
  groups << QList<Named>{{QStringLiteral("second card"), t.second_card}};
  return groups;
}

QList<Named> CardsOf(const TableLayout& t) {
  QList<Named> cards;
  for (const QList<Named>& group : GroupsOf(t)) cards << group;
  return cards;
}

// The seats' names, counts and scores, then the other labels.
QList<Named> SeatLabelsOf(const TableLayout& t) {
  QList<Named> labels;
  for (int seat = 0; seat < kSeats; ++seat) {
    labels << Named(QStringLiteral("name %1").arg(seat), t.seat_labels[seat].name)
           << Named(QStringLiteral("count %1").arg(seat), t.seat_labels[seat].count)
           << Named(QStringLiteral("score %1").arg(seat), t.seat_labels[seat].score);
  }
  return labels;
}

QList<Named> OtherLabelsOf(const TableLayout& t) {
  QList<Named> labels{{QStringLiteral("dealer choice"), t.dealer_choice}, {QStringLiteral("prompt"), t.prompt},
                      {QStringLiteral("extra number"), t.extra_number}, {QStringLiteral("draw guide"), t.draw_guide},
                      {QStringLiteral("discard guide"), t.discard_guide}, {QStringLiteral("second guide"), t.second_guide}};
  for (int p = 1; p <= kHandPositions; ++p) labels << Named(QStringLiteral("guide %1").arg(p), t.hand_guide[p]);
  return labels;
}

}  // namespace

class TableLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void designPlacesHoldAtAndBelowDesignSize() {
    const Settings s;
    const TableLayout design = LayoutTable(kDesignWidthTwips, kDesignHeightTwips, s);
    const TableLayout smaller = LayoutTable(4000, 3000, s);
    QVERIFY(smaller == design);
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
    QCOMPARE(t.hand[0][1].left, design.hand[0][1].left + static_cast<int>(std::lround(ew / 101.6)));
    QCOMPARE(t.hand[0][1].top, design.hand[0][1].top + static_cast<int>(std::lround(eh / 12.7)));
    for (int p = 2; p <= 9; ++p) QCOMPARE(t.hand[0][p].left - t.hand[0][p - 1].left, t.user_card_step);
  }

  void cardPositionSettingsMoveOnlyTheirRows() {
    Settings moved;
    moved.HorizonCardPos = 120;
    moved.VerticalCardPos = -90;
    const TableLayout base = LayoutTable(kDesignWidthTwips, kDesignHeightTwips, Settings{});
    const TableLayout t = LayoutTable(kDesignWidthTwips, kDesignHeightTwips, moved);
    for (int p = 1; p <= 9; ++p) {
      QCOMPARE(t.hand[0][p].left, base.hand[0][p].left + 120);
      QCOMPARE(t.hand[2][p].left, base.hand[2][p].left + 120);
      QCOMPARE(t.hand[1][p].top, base.hand[1][p].top - 90);
      QCOMPARE(t.hand[3][p].top, base.hand[3][p].top - 90);
      QCOMPARE(t.hand[1][p].left, base.hand[1][p].left);
      QCOMPARE(t.hand[0][p].top, base.hand[0][p].top);
    }
    QCOMPARE(t.discard_pile, base.discard_pile);
  }

  void keyGuidesRaiseTheUserRowAndSitUnderIt() {
    Settings guides;
    guides.KeyGuideDisplay = 1;
    const TableLayout base = LayoutTable(kDesignWidthTwips, kDesignHeightTwips, Settings{});
    const TableLayout t = LayoutTable(kDesignWidthTwips, kDesignHeightTwips, guides);
    for (int p = 1; p <= 9; ++p) {
      QCOMPARE(t.hand[0][p].top, base.hand[0][p].top - 12);
      const TwipsRect& guide = t.hand_guide[p];
      QVERIFY(guide.top >= t.hand[0][p].bottom());
      QVERIFY(guide.left >= t.hand[0][p].left && guide.right() <= t.hand[0][p].right());
    }
    // "J", "K" and "P" sit under the discard pile, the second card and the draw pile.
    QVERIFY(t.discard_guide.top >= t.discard_pile.bottom() && t.discard_guide.left >= t.discard_pile.left);
    QVERIFY(t.second_guide.top >= t.second_card.bottom() && t.second_guide.left >= t.second_card.left);
    QVERIFY(t.draw_guide.top >= t.draw_pile.bottom() && t.draw_guide.left >= t.draw_pile.left);
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
    const auto groups = GroupsOf(t);
    for (int g = 0; g < groups.size(); ++g) {
      for (int h = g + 1; h < groups.size(); ++h) {
        for (const Named& a : groups[g]) {
          for (const Named& b : groups[h]) {
            QVERIFY2(!Overlaps(a.second, b.second), qPrintable(a.first + QStringLiteral(" overlaps ") + b.first));
          }
        }
      }
    }
    const QList<Named> cards = CardsOf(t);
    for (const Named& card : cards) {
      const TwipsRect& r = card.second;
      QVERIFY2(r.left >= 0 && r.right() <= width && r.top >= 0 && r.bottom() <= area_height,
               qPrintable(card.first + QStringLiteral(" leaves the table")));
    }
    const QList<Named> seat_labels = SeatLabelsOf(t);
    for (const Named& label : seat_labels + OtherLabelsOf(t)) {
      QVERIFY2(label.second.right() <= width && label.second.bottom() <= area_height,
               qPrintable(label.first + QStringLiteral(" leaves the table")));
    }
    // Names, counts and scores never lie on a card.
    for (const Named& label : seat_labels) {
      for (const Named& card : cards) {
        QVERIFY2(!Overlaps(label.second, card.second), qPrintable(label.first + QStringLiteral(" overlaps ") + card.first));
      }
    }
    for (int seat = 0; seat < 4; ++seat) {
      for (const Named& card : cards) {
        QVERIFY2(!Overlaps(t.arrow[seat], card.second),
                 qPrintable(QStringLiteral("arrow %1 overlaps ").arg(seat) + card.first));
      }
    }
  }

  // The side seats' columns run down from their first card, the right seat's
  // from its last: seen from the right seat its first card lies nearest to the user.
  void sideColumnsRunAsTheSeatsSeeThem() {
    const TableLayout t = LayoutTable(kDesignWidthTwips, kDesignHeightTwips, Settings{});
    for (int p = 2; p <= kHandPositions; ++p) {
      QVERIFY(t.hand[1][p].top > t.hand[1][p - 1].top);
      QVERIFY(t.hand[3][p].top < t.hand[3][p - 1].top);
      QVERIFY(t.hand[2][p].left > t.hand[2][p - 1].left);
    }
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<TableLayoutTest>();
#include "tst_table_layout.moc"
