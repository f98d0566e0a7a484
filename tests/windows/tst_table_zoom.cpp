// The table grows with the window: one zoom for cards, labels, fonts and
// arrows, centred in the table area; the design size and a table that does
// not grow keep the designed places; a window smaller than designed draws
// the whole table smaller, down to a least size; a click on a zoomed card
// plays it.
#include <QtTest>

#include "WindowSuites.h"
#include "DialogAnswers.h"
#include "TableFixture.h"
#include "state/Cards.h"
#include "gui/table/QtTableView.h"
#include "gui/table/TableLayout.h"
#include "gui/common/Twips.h"

using namespace winpiruk;
using namespace winpiruk::test;

namespace {

constexpr QSize kMaximised(1900, 1040);
constexpr QSize kDesign(541, 359);

// The table's rectangles in pixels as a table without zoom places them:
// each value of the layout to the nearest pixel.
int Pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }
QRect UnzoomedPlace(const TwipsRect& r) { return {Pixels(r.left), Pixels(r.top), Pixels(r.width), Pixels(r.height)}; }

void DealFixedHands(GameState& s) {
  s.match.MatchInProgress = true;
  s.table.HandPhase = kHandInPlay;
  s.settings.KeyGuideDisplay = 1;
  for (int seat = 0; seat < kSeats; ++seat) {
    s.table.Hands[seat] = {};
    s.table.Hands[seat][kHandCount] = 9;
    for (int p = 1; p <= 9; ++p) s.table.Hands[seat][p] = static_cast<int16_t>(seat * 13 + p);
  }
}

// A match's table as the view draws it: the four hands, the piles, the arrow.
void ShowTable(TableWindow& w, QSize size) {
  w.resize(size);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  w.PrepareMatch();
  for (int seat = 0; seat < kSeats; ++seat) w.view().ShowHand(seat);
  w.view().ShowDrawPile(true);
  w.view().ShowCard(kPosDiscardPile, 27);
  w.view().ShowArrow(0);
  QTRY_COMPARE(w.table()->width(), size.width());
}

QSize ShownSize(const QLabel* picture) { return picture->pixmap().deviceIndependentSize().toSize(); }

bool UsersTurn(const GameState& s) {
  return !s.table.EngineRunning && s.table.AwaitingUser && s.table.HandPhase == kHandInPlay && s.table.TurnPhase == kTurnFirstAction;
}

const TimeOfDay kDealtAt{2000, 10, 17, 23};

}  // namespace

class TableZoomTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ModalAnswer> unexpected_;

 private slots:
  void init() { unexpected_ = std::make_unique<ModalAnswer>(QMessageBox::Ok); }
  void cleanup() { unexpected_.reset(); }

  // At the design size, and at any size with growing switched off, every
  // picture lies where the table without zoom put it.
  void unzoomedTablesKeepTheirPlaces_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("grow");
    QTest::newRow("design, growing") << kDesign << true;
    QTest::newRow("design, not growing") << kDesign << false;
    QTest::newRow("maximised, not growing") << kMaximised << false;
    QTest::newRow("odd size, not growing") << QSize(733, 517) << false;
  }
  void unzoomedTablesKeepTheirPlaces() {
    QFETCH(QSize, size);
    QFETCH(bool, grow);
    TableFixture f(DealFixedHands);
    TableWindow& w = *f.window;
    if (!grow) Action(w, "growTableAction")->trigger();
    QCOMPARE(w.table_options().grow_with_window, grow);
    ShowTable(w, size);
    QCOMPARE(w.Zoom(), 1.0);
    const TableLayout layout = LayoutTable(size.width() * kTwipsPerPixel, size.height() * kTwipsPerPixel, f.state.settings);
    for (const Placed& picture : PlacedPictures(w, layout)) {
      QCOMPARE(picture.widget->geometry(), UnzoomedPlace(picture.place));
    }
    QCOMPARE(w.view().widgets().turnArrow->geometry(), UnzoomedPlace(layout.arrow[0]));
    for (const Placed& label : PlacedLabels(w, layout)) {
      const QRect place = UnzoomedPlace(label.place);
      QCOMPARE(label.widget->y(), place.y());
      QCOMPARE(label.widget->height(), place.height());
      // A centred label may stand a pixel off its place (QRect's centre rounds down).
      QVERIFY2(place.adjusted(-1, 0, 1, 0).contains(label.widget->geometry()), qPrintable(label.widget->objectName()));
    }
    QCOMPARE(w.view().widgets().seatLabels[0].name->x(), UnzoomedPlace(layout.seat_labels[0].name).x());
    QCOMPARE(w.table()->font().pixelSize(), 12);
    QCOMPARE(ShownSize(PositionPicture(w.view().widgets(), 1)), QSize(42, 60));
  }

  // Smaller than designed, growing or not: the table drawn smaller, nothing
  // cut off, down to the least size the window can be given.
  void smallWindowsShowTheWholeTable_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("grow");
    QTest::newRow("400 x 280") << QSize(400, 280) << true;
    QTest::newRow("400 x 280, not growing") << QSize(400, 280) << false;
    QTest::newRow("narrow") << QSize(360, 359) << true;
    QTest::newRow("low") << QSize(541, 250) << true;
    QTest::newRow("below the least size") << QSize(200, 120) << true;
  }
  void smallWindowsShowTheWholeTable() {
    QFETCH(QSize, size);
    QFETCH(bool, grow);
    TableFixture f(DealFixedHands);
    TableWindow& w = *f.window;
    if (!grow) Action(w, "growTableAction")->trigger();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QSize least = w.minimumSize();
    QVERIFY(least.width() < 400 && least.height() < 280);
    w.resize(size);
    const QSize expected = size.expandedTo(least);
    QTRY_COMPARE(w.size(), expected);
    ShowTable(w, expected);
    QVERIFY2(w.Zoom() < 1.0 && w.Zoom() >= 0.6, qPrintable(QString::number(w.Zoom())));
    const QRect area = w.table()->rect();
    for (const Placed& card : PlacedCards(w, w.table_layout())) {
      if (card.widget->isVisible()) QVERIFY2(area.contains(card.widget->geometry()), qPrintable(card.widget->objectName()));
    }
    for (const Placed& label : PlacedLabels(w, w.table_layout())) {
      if (label.widget->isVisible()) QVERIFY2(area.contains(label.widget->geometry()), qPrintable(label.widget->objectName()));
    }
    // The user's last card and the right seat's row, the first to go when the table was cut off.
    QVERIFY(area.contains(PositionPicture(w.view().widgets(), 9)->geometry()));
    QVERIFY(area.contains(w.view().widgets().handCards[3][9]->geometry()));
    QVERIFY(area.contains(w.view().widgets().turnArrow->geometry()));
    // The cards are drawn at their shown size, not squeezed.
    const QLabel* card = PositionPicture(w.view().widgets(), 1);
    QCOMPARE(ShownSize(card), card->size());
    QVERIFY(w.table()->font().pixelSize() >= 7);

    // Back at the design size nothing has moved.
    w.resize(kDesign);
    QTRY_COMPARE(w.Zoom(), 1.0);
    QCOMPARE(PositionPicture(w.view().widgets(), 1)->size(), QSize(42, 60));
  }

  // Maximised on a 1920 × 1080 screen: the cards at least 2.2 times their
  // size, drawn at it, centred; labels, fonts and the arrow in proportion.
  void maximisedTableGrowsInProportionAndCentred() {
    TableFixture design_table(DealFixedHands);
    ShowTable(*design_table.window, kDesign);
    TableFixture f(DealFixedHands);
    TableWindow& w = *f.window;
    ShowTable(w, kMaximised);
    const double zoom = w.Zoom();
    QVERIFY2(zoom >= 2.2, qPrintable(QString::number(zoom)));

    QRect cards;
    const std::vector<Placed> grown_cards = PlacedCards(w, w.table_layout());
    const std::vector<Placed> small_cards = PlacedCards(*design_table.window, design_table.window->table_layout());
    for (std::size_t i = 0; i < grown_cards.size(); ++i) {
      const QLabel* card = grown_cards[i].widget;
      const QLabel* small = small_cards[i].widget;
      cards |= card->geometry();
      if (!card->isVisible()) continue;
      QVERIFY2(card->width() >= 2.2 * small->width() && card->height() >= 2.2 * small->height(),
               qPrintable(card->objectName()));
      QCOMPARE(ShownSize(card), card->size());
    }
    const QRect area = w.table()->rect();
    QVERIFY(area.contains(cards));
    QVERIFY(std::abs(cards.left() - (area.right() - cards.right())) <= 1);
    QVERIFY(std::abs(cards.top() - (area.bottom() - cards.bottom())) <= 1);

    // Every label inside the table, its font and its line grown as the cards.
    QCOMPARE(w.table()->font().pixelSize(), static_cast<int>(std::lround(12 * zoom)));
    const std::vector<Placed> grown_labels = PlacedLabels(w, w.table_layout());
    const std::vector<Placed> small_labels = PlacedLabels(*design_table.window, design_table.window->table_layout());
    for (std::size_t i = 0; i < grown_labels.size(); ++i) {
      QLabel* label = grown_labels[i].widget;
      QVERIFY2(area.contains(label->geometry()), qPrintable(label->objectName()));
      QCOMPARE(label->font().pixelSize(), w.table()->font().pixelSize());
      QVERIFY(std::abs(label->height() - small_labels[i].widget->height() * zoom) <= 1);
      if (label->isVisible()) QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
    }
    for (QLabel* picture : {w.view().widgets().turnArrow, w.view().widgets().musicPicture}) {
      QVERIFY(std::abs(picture->width() - 32 * zoom) <= 1);
      QCOMPARE(ShownSize(picture), picture->size());
    }

    // Back to the design size: everything as on the table that never grew.
    w.resize(kDesign);
    QTRY_COMPARE(w.Zoom(), 1.0);
    const std::vector<Placed> pictures = PlacedPictures(w, w.table_layout());
    const std::vector<Placed> design_pictures = PlacedPictures(*design_table.window, design_table.window->table_layout());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
      QCOMPARE(pictures[i].widget->geometry(), design_pictures[i].widget->geometry());
    }
    const std::vector<Placed> labels = PlacedLabels(w, w.table_layout());
    const std::vector<Placed> design_labels = PlacedLabels(*design_table.window, design_table.window->table_layout());
    for (std::size_t i = 0; i < labels.size(); ++i) QCOMPARE(labels[i].widget->geometry(), design_labels[i].widget->geometry());
    QCOMPARE(ShownSize(PositionPicture(w.view().widgets(), 1)), QSize(42, 60));
    QCOMPARE(ShownSize(w.view().widgets().turnArrow), QSize(32, 32));
  }

  // The call banner grows with the table, its small cards on its tray with
  // it, and comes to rest inside the table by the caller's row.
  void bannerGrowsWithTheTable() {
    TableFixture design_table(DealFixedHands);
    ShowTable(*design_table.window, kDesign);
    design_table.window->view().ShowCallBanner();
    TableFixture f([](GameState& s) {
      DealFixedHands(s);
      s.table.Winner = 2;
    });
    TableWindow& w = *f.window;
    ShowTable(w, kMaximised);
    w.view().ShowCallBanner();
    QLabel* banner = w.view().widgets().banner;
    QVERIFY(banner->isVisible());
    QCOMPARE(ShownSize(banner), banner->size());
    const QSize small = design_table.window->view().widgets().banner->size();
    const QSize room = w.table()->size() * 9 / 10;
    QVERIFY(banner->width() >= std::min(2.2 * small.width(), room.width() - 1.0));
    QVERIFY(w.table()->rect().contains(banner->geometry()));
    QVERIFY(banner->geometry().center().y() < w.table()->height() / 2);
    const QByteArray shots = qgetenv("WINPIRUK_SHOTS");
    if (!shots.isEmpty()) w.grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/zoomed-banner.png"));
    // A smaller window: the banner is drawn again at the new zoom and stays whole.
    w.resize(900, 600);
    QTRY_VERIFY(w.Zoom() < 2);
    QCOMPARE(ShownSize(banner), banner->size());
    QVERIFY(w.table()->rect().contains(banner->geometry()));
  }

  // A window dragged taller past the design size: the table grows and moves
  // to the middle a little at each step, never in a jump.
  void growingPastTheDesignSizeIsSmooth() {
    TableFixture f(DealFixedHands);
    TableWindow& w = *f.window;
    ShowTable(w, kDesign);
    QPoint last = PositionPicture(w.view().widgets(), 1)->pos();
    for (int height = kDesign.height() + 1; height <= kDesign.height() + 60; ++height) {
      w.resize(kDesign.width() + 30, height);
      QTRY_COMPARE(w.height(), height);
      const QPoint step = PositionPicture(w.view().widgets(), 1)->pos() - last;
      QVERIFY2(std::abs(step.x()) <= 3 && std::abs(step.y()) <= 3,
               qPrintable(QStringLiteral("height %1: moved %2,%3").arg(height).arg(step.x()).arg(step.y())));
      last = PositionPicture(w.view().widgets(), 1)->pos();
    }
    QVERIFY(w.Zoom() > 1.0);
  }

  // Switching growing off and on redraws the cards at the size they lie at.
  void growTableSwitchesTheZoom() {
    TableFixture f(DealFixedHands);
    TableWindow& w = *f.window;
    ShowTable(w, kMaximised);
    const QSize grown = PositionPicture(w.view().widgets(), 1)->size();
    Action(w, "growTableAction")->trigger();
    QCOMPARE(w.Zoom(), 1.0);
    QCOMPARE(PositionPicture(w.view().widgets(), 1)->size(), QSize(42, 60));
    QCOMPARE(ShownSize(PositionPicture(w.view().widgets(), 1)), QSize(42, 60));
    QCOMPARE(ShownSize(PositionPicture(w.view().widgets(), kPosDrawPile)), QSize(42, 60));
    // A card shown while the table is small is redrawn too when it grows.
    w.view().ShowCard(kPosDiscardPile, 40);
    Action(w, "growTableAction")->trigger();
    QCOMPARE(PositionPicture(w.view().widgets(), 1)->size(), grown);
    const TableWidgets& widgets = w.view().widgets();
    for (const QLabel* card : {widgets.handCards[0][1], widgets.discardPile, widgets.drawPile, widgets.handCards[1][3],
                               widgets.handCards[2][3]}) {
      QCOMPARE(ShownSize(card), card->size());
    }
  }

  // A click on a card of the user's hand plays that card, through the
  // window's own hit testing, at the design size and maximised alike.
  void clickOnAZoomedCardPlaysIt_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("design") << kDesign;
    QTest::newRow("maximised") << kMaximised;
  }
  void clickOnAZoomedCardPlaysIt() {
    QFETCH(QSize, size);
    unexpected_.reset();
    TableFixture f(
        [](GameState& s) {
          s.settings.NumberOfGames = 5;
          s.settings.SkipCard = 0;
          s.settings.PenaltyCard = 0;
          s.settings.MoreDropCard = 0;
          s.settings.InverseCard = 0;
        },
        kDealtAt);
    TableWindow& w = *f.window;
    w.resize(size);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    ModalDriver driver([](QWidget* modal) { return AnswerAsPlayer(modal); });
    QList<int> discards;
    w.view().on_card_shown = [&](int position) {
      if (position == kPosDiscardPile) discards << f.state.table.TopDiscard;
    };
    Action(w, "newGameAction")->trigger();
    int played = 0;
    for (int turn = 0; turn < 40 && played == 0; ++turn) {
      QTRY_VERIFY_WITH_TIMEOUT(UsersTurn(f.state) || (f.state.table.HandPhase == kHandOpening && f.state.table.AwaitingUser), 20000);
      if (f.state.table.HandPhase == kHandOpening) {
        QTest::keyClick(&w, 'j');
        continue;
      }
      const int count = f.state.table.Hands[0][kHandCount];
      int position = 0;
      for (int p = 1; p <= count && p <= 9 && position == 0; ++p) {
        const DecodedCard card = DecodeCard(f.state.table.Hands[0][p]);
        const DecodedCard top = DecodeCard(f.state.table.TopDiscard);
        if (card.rank == top.rank || card.suit == top.suit) position = p;
      }
      QWindow* window = w.windowHandle();
      if (position == 0 || count < 2) {
        QTest::mouseClick(window, Qt::LeftButton, {}, PositionPicture(w.view().widgets(), kPosDrawPile)->mapTo(&w, QPoint(20, 30)));
        continue;
      }
      played = f.state.table.Hands[0][position];
      // The middle of the card's visible part: the next card lies over its right side.
      QLabel* card = PositionPicture(w.view().widgets(), position);
      const QPoint at = card->mapTo(&w, QPoint(card->width() / 4, card->height() / 2));
      QTest::mouseClick(window, Qt::LeftButton, {}, at);
      QTRY_VERIFY_WITH_TIMEOUT(discards.contains(played), 20000);
    }
    QVERIFY(played != 0);
    w.view().on_card_shown = nullptr;
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<TableZoomTest>();
#include "tst_table_zoom.moc"
