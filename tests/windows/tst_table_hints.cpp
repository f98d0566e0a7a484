// What the table tells the user: the playable cards framed on the user's
// move, a refused pick explained for a while, a waiting penalty beside
// the discard pile, and the same through assistive technology.
#include <QAccessible>
#include <QLabel>
#include <QtTest>
#include <functional>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "WindowSuites.h"
#include "TableFixture.h"
#include "engine/Durations.h"
#include "engine/Engine.h"
#include "presentation/HintTexts.h"
#include "support/TableBuilder.h"
#include "gui/table/QtTableView.h"

using namespace winpiruk;
using namespace winpiruk::test;
using namespace winpiruk::testing;

namespace {

using Tweak = std::function<void(GameState&)>;

// Puts a hand of the user's against `top` on the fixture's table, tweaked,
// and lets the view show it as the engine leaves it for the user's move.
void PutTable(TableFixture& f, std::vector<int16_t> hand, int16_t top, const Tweak& tweak = {}) {
  const Settings settings = f.state.settings;
  f.state = BuildTable(TableWith(std::move(hand), top));
  f.state.settings = settings;
  f.state.match.SeatName = {"あなた", "ｺﾝﾋﾟｭｰﾀ1", "ｺﾝﾋﾟｭｰﾀ2", "ｺﾝﾋﾟｭｰﾀ3"};
  if (tweak) tweak(f.state);
  QtTableView& view = f.window->view();
  view.ShowCard(kPosDiscardPile, f.state.table.TopDiscard);
  view.ShowHand(0);
  view.ShowArrow(0);
  view.EngineSettled();
}

QList<int> MarkedHand(TableWindow& w) {
  QList<int> marked;
  for (int p = 1; p <= 9; ++p) {
    if (PositionPicture(w.view().widgets(), p)->Marked()) marked << p;
  }
  return marked;
}

QLabel* RefusalLabel(TableFixture& f) { return f.window->view().hints().refusal_label(); }
QLabel* PenaltyLabel(TableFixture& f) { return f.window->view().hints().penalty_label(); }

QAccessibleInterface* Spoken(QObject* object) { return QAccessible::queryAccessibleInterface(object); }
QString NameOf(QObject* object) { return Spoken(object)->text(QAccessible::Name); }

// The accessibility events the table sends, in order, while it lives.
struct HeardEvents {
  HeardEvents() {
    heard = this;
    // As a screen reader asking would make it: the events are sent only then.
    Platform()->setActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
      if (heard != nullptr) heard->events.push_back({event->object(), event->type()});
    });
  }
  ~HeardEvents() {
    QAccessible::installUpdateHandler(nullptr);
    Platform()->setActive(false);
    heard = nullptr;
  }
  static QPlatformAccessibility* Platform() { return QGuiApplicationPrivate::platformIntegration()->accessibility(); }
  int Count(QObject* object, QAccessible::Event type) const {
    return static_cast<int>(std::count(events.begin(), events.end(), std::pair<QObject*, QAccessible::Event>{object, type}));
  }
  std::vector<std::pair<QObject*, QAccessible::Event>> events;
  static inline HeardEvents* heard = nullptr;
};

void DealerChoice(GameState& s) {
  s.table.HandPhase = kHandOpening;
  s.table.TurnPhase = kTurnNone;
  s.table.Dealer = 0;
  s.table.DealerChoice.clear();
}

}  // namespace

class TableHintsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    fixture_ = std::make_unique<TableFixture>();
    fixture_->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture_->window));
  }
  void cleanup() { fixture_.reset(); }

  void marksThePlayableCards() {
    struct Case {
      const char* name;
      std::vector<int16_t> hand;
      int16_t top;
      Tweak tweak;
      QList<int> marked;
      bool piles = false;  // the dealer's two cards
    };
    const Case cases[] = {
        {"matching suit", {S(5), H(3), D(4)}, H(7), {}, {2}},
        {"matching rank", {S(7), C(3), D(7)}, H(7), {}, {1, 3}},
        {"suit and rank", {H(5), C(9), S(7)}, H(7), {}, {1, 3}},
        {"nothing matches", {S(5), C(3)}, H(7), {}, {}},
        {"a penalty waits: only a penalty card answers it", {S(2), H(3), D(5)}, H(2),
         [](GameState& s) { s.table.PenaltyPending = 2; }, {1}},
        {"throw-more card with one to follow", {S(8), H(3)}, H(8), {}, {2}},
        {"further discard: any card", {S(5), D(3), C(9)}, H(7),
         [](GameState& s) { s.table.TurnPhase = kTurnFurtherDiscard; }, {1, 2, 3}},
        {"further discard: no throw-more of the last two", {S(8), D(3)}, H(7),
         [](GameState& s) { s.table.TurnPhase = kTurnFurtherDiscard; }, {2}},
        {"dealer's choice", {S(5), H(3), D(4), C(6), S(9)}, H(7), DealerChoice, {}, true},
        {"not the user's turn", {H(5), H(3)}, H(7), [](GameState& s) { s.table.AwaitingUser = false; }, {}},
        {"the engine is running", {H(5), H(3)}, H(7), [](GameState& s) { s.table.EngineRunning = true; }, {}},
        {"auto-play", {H(5), H(3)}, H(7), [](GameState& s) { s.table.AutoPlay = true; }, {}},
    };
    TableWindow& w = *fixture_->window;
    for (const Case& c : cases) {
      PutTable(*fixture_, c.hand, c.top, c.tweak);
      QVERIFY2(MarkedHand(w) == c.marked, c.name);
      QVERIFY2(PositionPicture(w.view().widgets(), kPosDiscardPile)->Marked() == c.piles, c.name);
      QVERIFY2(PositionPicture(w.view().widgets(), kPosSecondCard)->Marked() == c.piles, c.name);
      // The marks are the engine's own picks that play the card.
      const LegalPicks legal = LegalUserPicks(fixture_->state.table, fixture_->state.settings);
      for (int p = 1; p <= static_cast<int>(c.hand.size()); ++p) {
        const bool engine_plays = PlaysTheCard(legal.hand[p]) && !fixture_->state.table.AutoPlay &&
                                  !fixture_->state.table.EngineRunning && fixture_->state.table.AwaitingUser;
        QVERIFY2(PositionPicture(w.view().widgets(), p)->Marked() == engine_plays, c.name);
      }
    }
  }

  void theOptionSwitchesTheMarksAtOnce() {
    TableWindow& w = *fixture_->window;
    PutTable(*fixture_, {S(7), C(3), D(7)}, H(7));
    QCOMPARE(MarkedHand(w), (QList<int>{1, 3}));
    Action(w, "markPlayableAction")->trigger();
    QVERIFY(!w.table_options().mark_playable_cards);
    QCOMPARE(MarkedHand(w), QList<int>{});
    // A table laid out again keeps them off.
    w.LayOutTable();
    QCOMPARE(MarkedHand(w), QList<int>{});
    Action(w, "markPlayableAction")->trigger();
    QCOMPARE(MarkedHand(w), (QList<int>{1, 3}));
  }

  void theMarksFollowThePlay() {
    TableWindow& w = *fixture_->window;
    PutTable(*fixture_, {H(5), C(3), D(9), S(4)}, H(7));
    QCOMPARE(MarkedHand(w), QList<int>{1});
    // While the engine runs nothing is marked, whatever the table shows.
    bool marked_while_running = false;
    w.view().on_card_shown = [&](int) {
      if (fixture_->state.table.EngineRunning && !MarkedHand(w).isEmpty()) marked_while_running = true;
    };
    QTest::mouseClick(PositionPicture(w.view().widgets(), 1), Qt::LeftButton);
    QTRY_VERIFY(!fixture_->state.table.EngineRunning);
    QVERIFY(!marked_while_running);
    const PlayableMarks expected = MarksFor(fixture_->state, true);
    for (int p = 1; p <= 9; ++p) QCOMPARE(PositionPicture(w.view().widgets(), p)->Marked(), expected.hand[p]);
    // Auto-play on: no marks.
    fixture_->state.table.AutoPlay = true;
    fixture_->window->view().CheckPlayMode(true);
    QCOMPARE(MarkedHand(w), QList<int>{});
  }

  void aRefusedPickSaysWhyForAWhile() {
    struct Case {
      const char* name;
      std::vector<int16_t> hand;
      int16_t top;
      Tweak tweak;
      std::function<void(TableWindow&)> pick;
      Refusal why;
    };
    auto click = [](int n) { return [n](TableWindow& w) { QTest::mouseClick(PositionPicture(w.view().widgets(), n), Qt::LeftButton); }; };
    auto key = [](char32_t ch) { return [ch](TableWindow& w) { w.TypeKey(ch); }; };
    const Case cases[] = {
        {"no match", {S(5), H(3)}, H(7), {}, click(1), Refusal::NoMatch},
        {"nothing to play: draw", {S(5), C(3)}, H(7), {}, click(2), Refusal::NothingToPlay},
        {"a penalty waits", {S(5), H(3)}, H(2), [](GameState& s) { s.table.PenaltyPending = 2; }, click(1),
         Refusal::PenaltyWaiting},
        {"no discard finish", {S(7)}, H(7), [](GameState& s) { s.settings.FinishMeans = 0; }, click(1),
         Refusal::NoDiscardFinish},
        {"throw-more of the last two", {S(8), H(3)}, H(8), [](GameState& s) { s.settings.MoreDropCardMode = 1; },
         click(1), Refusal::ThrowMoreOfTwo},
        {"no card there", {S(5), H(3)}, H(7), {}, key(U'E'), Refusal::NoCardThere},
        {"a turn takes no pile card", {S(5), H(3)}, H(7), {}, key(U'K'), Refusal::DiscardOrDraw},
        {"dealer's choice: a key", {S(5), H(3), D(4), C(6), S(9)}, H(7), DealerChoice, key(U'A'),
         Refusal::DealerChoiceOnly},
        {"dealer's choice: a click", {S(5), H(3), D(4), C(6), S(9)}, H(7), DealerChoice, click(2),
         Refusal::DealerChoiceOnly},
        {"must discard again", {S(5), H(3)}, H(7),
         [](GameState& s) {
           s.table.TurnPhase = kTurnFurtherDiscard;
           s.settings.MoreDropCardMode = 1;
         },
         click(kPosDrawPile), Refusal::MustDiscardAgain},
        {"discard again or stop", {S(5), H(3)}, H(7),
         [](GameState& s) {
           s.table.TurnPhase = kTurnFurtherDiscard;
           s.settings.MoreDropCardMode = 0;
         },
         key(U'J'), Refusal::DiscardAgainOrStop},
        {"not the user's turn", {S(5), H(3)}, H(7), [](GameState& s) { s.table.AwaitingUser = false; }, click(1),
         Refusal::NotYourTurn},
        {"not the user's turn: a key", {S(5), H(3)}, H(7), [](GameState& s) { s.table.AwaitingUser = false; }, key(U'A'),
         Refusal::NotYourTurn},
        {"the others are playing: a key", {S(5), H(3)}, H(7), [](GameState& s) { s.table.EngineRunning = true; }, key(U'B'),
         Refusal::NotYourTurn},
    };
    for (const Case& c : cases) {
      PutTable(*fixture_, c.hand, c.top, c.tweak);
      QVERIFY2(RefusalLabel(*fixture_)->isHidden(), c.name);
      c.pick(*fixture_->window);
      QVERIFY2(RefusalLabel(*fixture_)->isVisible(), c.name);
      QCOMPARE(RefusalLabel(*fixture_)->text(), QString::fromUtf8(RefusalText(c.why).data()));
      // Inside the table and clear of the user's cards.
      const QRect box = RefusalLabel(*fixture_)->geometry();
      QVERIFY2(fixture_->window->table()->rect().contains(box), c.name);
      for (int p = 1; p <= 9; ++p) {
        QVERIFY2(!box.intersects(PositionPicture(fixture_->window->view().widgets(), p)->geometry()), c.name);
      }
      QTest::qWait(kRefusalShownMs + 200);
      QVERIFY2(RefusalLabel(*fixture_)->isHidden(), c.name);
    }
  }

  void aWaitingPenaltyShowsItsCountAndSeat() {
    PutTable(*fixture_, {S(5), H(3)}, H(2), [](GameState& s) { s.table.PenaltyPending = 4; });
    QLabel* penalty = PenaltyLabel(*fixture_);
    QVERIFY(penalty->isVisible());
    QVERIFY(penalty->text().contains(QStringLiteral("+4")));
    QVERIFY(penalty->text().contains(QStringLiteral("あなた")));
    // Beside the discard pile, clear of the cards.
    const QRect pile = PositionPicture(fixture_->window->view().widgets(), kPosDiscardPile)->geometry();
    QVERIFY(!penalty->geometry().intersects(pile));
    QVERIFY(penalty->geometry().top() - pile.bottom() < pile.height() / 2);
    for (int n : {kPosDrawPile, kPosSecondCard, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
      QVERIFY(!penalty->geometry().intersects(PositionPicture(fixture_->window->view().widgets(), n)->geometry()));
    }
    // Apart from the messages under the piles, at any size, and whole.
    QtTableView& view = fixture_->window->view();
    view.ShowLabel(TableLabel::ReuseMessage, LabelWords::Own);
    for (const QSize size : {QSize(541, 359), QSize(400, 280), QSize(1200, 800)}) {
      fixture_->window->resize(size);
      QTRY_COMPARE(fixture_->window->size(), size);
      const QLabel* message = view.widgets().reuseLabel;
      QVERIFY(message->isVisible());
      QVERIFY2(!penalty->geometry().intersects(message->geometry()), qPrintable(QString::number(size.width())));
      QVERIFY(penalty->width() >= penalty->sizeHint().width());
      QVERIFY(penalty->height() >= penalty->fontMetrics().height());
    }
    view.HideLabel(TableLabel::ReuseMessage);
    // Passed on: the next seat takes more.
    fixture_->state.table.PenaltyPending = 6;
    view.ShowArrow(1);
    QVERIFY(penalty->text().contains(QStringLiteral("+6")));
    QVERIFY(penalty->text().contains(QStringLiteral("ｺﾝﾋﾟｭｰﾀ1")));
    // Taken card by card, then gone.
    fixture_->state.table.PenaltyPending = 1;
    view.ShowHand(1);
    QVERIFY(penalty->text().contains(QStringLiteral("+1")));
    fixture_->state.table.PenaltyPending = 0;
    view.ShowHand(1);
    QVERIFY(penalty->isHidden());
    // The end of a hand takes it away too.
    fixture_->state.table.PenaltyPending = 2;
    view.ShowArrow(2);
    QVERIFY(penalty->isVisible());
    view.ClearTable();
    QVERIFY(penalty->isHidden());
  }

  // A screen reader hears each card, whether it may be played, the seats,
  // and is told when the turn passes and when a penalty waits.
  void assistiveTechnologyFollowsTheTable() {
    HeardEvents heard;
    PutTable(*fixture_, {S(5), H(3)}, H(2));
    const TableWidgets& w = fixture_->window->view().widgets();
    QCOMPARE(NameOf(w.handCards[0][1]), QStringLiteral("スペードの5"));
    QCOMPARE(NameOf(w.handCards[0][2]), QStringLiteral("ハートの3"));
    QCOMPARE(Spoken(w.handCards[0][2])->role(), QAccessible::Button);
    QVERIFY(Spoken(w.handCards[0][1])->state().disabled);   // neither suit nor rank
    QVERIFY(!Spoken(w.handCards[0][2])->state().disabled);  // the same suit
    QCOMPARE(NameOf(w.discardPile), QStringLiteral("ハートの2"));
    QCOMPARE(NameOf(w.drawPile), QStringLiteral("山札"));
    fixture_->window->view().ShowHand(1);
    QCOMPARE(NameOf(w.handCards[1][1]), QStringLiteral("伏せたカード"));
    QVERIFY(NameOf(w.seatLabels[0].name).startsWith(QStringLiteral("あなた: 2枚, ")));
    QCOMPARE(NameOf(w.turnArrow), QStringLiteral("あなたの番です"));
    QVERIFY(heard.Count(w.turnArrow, QAccessible::NameChanged) >= 1);

    // Not the user's move: nothing may be played, and the readers are told.
    fixture_->state.table.AwaitingUser = false;
    const int changes = heard.Count(w.handCards[0][2], QAccessible::StateChanged);
    fixture_->window->view().ShowArrow(1);
    QVERIFY(Spoken(w.handCards[0][2])->state().disabled);
    QCOMPARE(heard.Count(w.handCards[0][2], QAccessible::StateChanged), changes + 1);
    QCOMPARE(NameOf(w.turnArrow), QStringLiteral("ｺﾝﾋﾟｭｰﾀ1の番です"));

    // A penalty for the seat whose turn it is: announced once, however often placed.
    QLabel* penalty = PenaltyLabel(*fixture_);
    fixture_->state.table.PenaltyPending = 4;
    fixture_->window->view().ShowArrow(2);
    QCOMPARE(NameOf(penalty), QStringLiteral("ﾄﾞﾛｰ +4 → ｺﾝﾋﾟｭｰﾀ2"));
    fixture_->window->resize(700, 500);
    QTRY_COMPARE(fixture_->window->width(), 700);
    QCOMPARE(heard.Count(penalty, QAccessible::Alert), 1);
  }

  void theUserDrawsTheWaitingPenalty() {
    PutTable(*fixture_, {S(5), H(3)}, H(2), [](GameState& s) { s.table.PenaltyPending = 2; });
    QVERIFY(PenaltyLabel(*fixture_)->isVisible());
    QTest::mouseClick(PositionPicture(fixture_->window->view().widgets(), kPosDrawPile), Qt::LeftButton);
    QTRY_VERIFY(!fixture_->state.table.EngineRunning);
    // The user took it; whatever the computers did since is shown as it stands.
    if (fixture_->state.table.PenaltyPending == 0) QVERIFY(PenaltyLabel(*fixture_)->isHidden());
    QVERIFY(fixture_->state.table.Hands[0][kHandCount] >= 4 || fixture_->state.table.HandPhase != kHandInPlay);
  }

 private:
  std::unique_ptr<TableFixture> fixture_;
};

const bool kAdded = winpiruk::test::AddWindowSuite<TableHintsTest>();
#include "tst_table_hints.moc"
