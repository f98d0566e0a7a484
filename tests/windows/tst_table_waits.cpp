// Each of the game's waits at the table, timed by a clock the test moves:
// a pause holds the game until its time is up and the user's input for
// after it, the claim window shows its time, takes a click or key inside it
// and tells one after it that it came late, and
// a question, a hand's result and the settlement hold it until answered.
#include <QPushButton>
#include <QtTest>

#include "WindowSuites.h"
#include "FakeWaitClock.h"
#include "TableFixture.h"
#include "engine/Engine.h"
#include "gui/common/Awaiting.h"
#include "gui/common/SuspendableRun.h"
#include "gui/scoring/HandResultDialog.h"
#include "gui/scoring/MatchEndDialog.h"

using namespace winpiruk;
using namespace winpiruk::test;

namespace {

// The user's turn, and the user's five cards on the table.
void UsersTurn(GameState& s) {
  s.match.MatchInProgress = true;
  s.table.HandNumber = 1;
  s.table.HandPhase = kHandInPlay;
  s.table.TurnPhase = kTurnFirstAction;
  s.table.AwaitingUser = true;
  s.table.DrawIndex = 20;
  s.table.DiscardIndex = 54;
  for (int slot = 20; slot < 52; ++slot) s.table.DeckSlots[slot] = static_cast<int16_t>(slot + 1);
  for (int seat = 0; seat < kSeats; ++seat) {
    s.table.Hands[seat] = {};
    s.table.Hands[seat][kHandCount] = 5;
    for (int p = 1; p <= 5; ++p) s.table.Hands[seat][p] = static_cast<int16_t>(seat * 5 + p);
  }
  s.table.TopDiscard = 1;  // the ace of spades matches the user's first card
  s.settings.DoOtherTasks = 0;
}

struct Waiting {
  bool over = false;
};

// Runs `wait` as the engine's steps do, in a run of their own.
void Start(const std::function<void()>& wait, Waiting& waiting) {
  RunAwaiting([&wait, &waiting] {
    wait();
    waiting.over = true;
  });
}

// The table at the user's turn, its waits timed by a clock the test moves;
// the clock outlives the table and whatever waits on it.
struct ClockedTable {
  ClockedTable() {
    fixture.window->view().waits().UseClock(clock);
    fixture.window->show();
    fixture.window->PrepareMatch();
  }
  FakeWaitClock clock;
  TableFixture fixture{UsersTurn};
};

}  // namespace

class TableWaitsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { SuspendableRun::StopAll(); }

  void aPauseHoldsTheGameAndTheUsersClickUntilItsTime() {
    ClockedTable table;
    FakeWaitClock& clock = table.clock;
    TableFixture& f = table.fixture;
    f.window->view().ShowHand(0);
    Waiting pause;
    Start([&] { f.window->view().Pause(5); }, pause);
    const auto hand = f.state.table.Hands[0];
    QTest::mouseClick(f.window->view().widgets().handCards[0][1], Qt::LeftButton);
    FakeWaitClock::Settle();
    QVERIFY(!pause.over);
    QCOMPARE(f.state.table.Hands[0], hand);  // held, not taken
    clock.Advance(499);
    QVERIFY(!pause.over);
    QCOMPARE(f.state.table.Hands[0], hand);
    clock.Advance(1);
    QVERIFY(pause.over);
    // Once the pause is over the click is the user's pick.
    QTRY_VERIFY(f.state.table.Hands[0] != hand);
  }

  void theClaimWindowTakesAClaimInsideItAndSaysWhenItCameLate_data() {
    QTest::addColumn<QString>("claim");
    QTest::newRow("a click on the discard pile") << QString();
    QTest::newRow("its key") << QStringLiteral("J");
    QTest::newRow("its key in lower case") << QStringLiteral("j");
    QTest::newRow("its key on a kana keyboard") << QStringLiteral("\uFF8F");
  }

  void theClaimWindowTakesAClaimInsideItAndSaysWhenItCameLate() {
    QFETCH(QString, claim);
    ClockedTable table;
    FakeWaitClock& clock = table.clock;
    TableFixture& f = table.fixture;
    QtTableView& view = f.window->view();
    f.state.settings.AutoJudgment = 0;  // the user claims calls
    f.state.table.AwaitingUser = false;  // a computer seat has discarded
    f.state.table.CallWindowOpen = true;
    QWidget* discard_pile = view.widgets().discardPile;
    view.ShowCard(kPosDiscardPile, 1);
    auto make_claim = [&] {
      if (claim.isEmpty()) {
        QTest::mouseClick(discard_pile, Qt::LeftButton);
      } else {
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_J, Qt::NoModifier, claim);
        QApplication::sendEvent(f.window, &typed);
      }
      FakeWaitClock::Settle();
    };
    Waiting window;
    Start([&] { view.WaitForClaim(8, ClaimWindow::AfterEveryDiscard); }, window);
    // The bar lies over the pile, full, until the claim stops it.
    const ClaimBar& bar = view.claim_bar();
    QVERIFY(bar.isVisible());
    QCOMPARE(bar.geometry().left(), discard_pile->geometry().left() + 1);
    QVERIFY(bar.geometry().bottom() < discard_pile->geometry().top());
    QVERIFY(bar.Remaining() > 0.5);
    QVERIFY(!bar.IsClaimed());
    make_claim();
    QVERIFY(f.state.table.UserClaimedCall);
    QVERIFY(bar.IsClaimed());
    QVERIFY(view.hints().refusal_label()->isHidden());
    QVERIFY(!window.over);
    clock.Advance(800);
    QVERIFY(window.over);
    QVERIFY(bar.isHidden());

    // A window that closes unclaimed: a claim after it is told it came late.
    f.state.table.UserClaimedCall = false;
    Waiting missed;
    Start([&] { view.WaitForClaim(8, ClaimWindow::AfterEveryDiscard); }, missed);
    clock.Advance(800);
    QVERIFY(missed.over);
    f.state.table.CallWindowOpen = false;
    make_claim();
    QVERIFY(!f.state.table.UserClaimedCall);
    QVERIFY(view.hints().refusal_label()->isVisible());
    QVERIFY(view.hints().refusal_label()->text().startsWith(QStringLiteral("間に合いませんでした")));

    // The next discard is a new card: the claim is no longer late, only early.
    view.hints().HideRefusal();
    f.state.table.TopDiscard = 2;
    make_claim();
    QVERIFY(!view.hints().refusal_label()->text().startsWith(QStringLiteral("間に合いませんでした")) ||
            view.hints().refusal_label()->isHidden());
  }

  void theWaitAddedWhenTheHandMakesTheNumberShowsNothing() {
    ClockedTable table;
    TableFixture& f = table.fixture;
    QtTableView& view = f.window->view();
    f.state.settings.AutoJudgment = 0;
    f.state.table.AwaitingUser = false;
    f.state.table.CallWindowOpen = true;
    Waiting window;
    Start([&] { view.WaitForClaim(6, ClaimWindow::HandMakesIt); }, window);
    QVERIFY(view.claim_bar().isHidden());
    table.clock.Advance(600);
    QVERIFY(window.over);
  }

  void aQuestionAResultAndTheSettlementHoldTheGameUntilAnswered() {
    ClockedTable table;
    FakeWaitClock& clock = table.clock;
    TableFixture& f = table.fixture;
    QtTableView& view = f.window->view();

    bool yes = false;
    Waiting question;
    Start([&] { yes = view.Ask(Question::DiscardFinish); }, question);
    clock.Advance(60000);
    QVERIFY(!question.over);
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    box->button(QMessageBox::Yes)->click();
    QTRY_VERIFY(question.over);
    QVERIFY(yes);

    Waiting result;
    HandResultView hand;
    hand.end_code = kEndNoGame;
    Start([&] { view.ShowHandResult(hand); }, result);
    clock.Advance(60000);
    QVERIFY(!result.over);
    auto* shown = qobject_cast<HandResultDialog*>(QApplication::activeModalWidget());
    QVERIFY(shown != nullptr);
    Control<QPushButton>(*shown, QStringLiteral("okButton"))->click();
    QTRY_VERIFY(result.over);

    SettlementOutcome outcome = SettlementOutcome::EndProgram;
    Waiting settlement;
    Start([&] { outcome = view.ShowSettlement(SettlementView{}); }, settlement);
    clock.Advance(60000);
    QVERIFY(!settlement.over);
    auto* end = qobject_cast<MatchEndDialog*>(QApplication::activeModalWidget());
    QVERIFY(end != nullptr);
    Control<QPushButton>(*end, QStringLiteral("againButton"))->click();
    QTRY_VERIFY(settlement.over);
    QCOMPARE(outcome, SettlementOutcome::AnotherMatch);
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<TableWaitsTest>();
#include "tst_table_waits.moc"
