// A match the program was ended in, offered at the next start: continued
// with its default button, given up, or refused when its file is damaged.
#include <QFile>
#include <QtTest>
#include <filesystem>

#include "WindowSuites.h"
#include "TableFixture.h"
#include "app/KeptMatchOffer.h"
#include "app/ProgramEnd.h"
#include "gui/common/Awaiting.h"
#include "gui/common/SuspendableRun.h"
#include "gui/scoring/HandResultDialog.h"
#include "scoring/MemberFiles.h"

using namespace winpiruk;
using namespace winpiruk::test;

namespace {

// The first hand reaches an ordinary turn of the user's with this clock.
const TimeOfDay kDealtAt{2000, 10, 17, 23};

void Prepare(GameState& s) { s.settings.NumberOfGames = 3; }

bool UsersTurn(const GameState& s) {
  return !s.table.EngineRunning && s.table.AwaitingUser && s.table.HandPhase == kHandInPlay &&
         s.table.TurnPhase == kTurnFirstAction;
}

// What a quit leaves: the kept match and the members' records.
void EndProgramHere(TableFixture& f) {
  TableProgramEnding(*f.window, f.state, f.paths, f.table->keeper()).keep();
}

// The next start: a fresh table over the files the first one left.
// A new match played to the user's first turn, and the program ended there.
bool QuitAtTheUsersFirstTurn(TableFixture& f) {
  f.window->show();
  ModalDriver driver([](QWidget* modal) { return AnswerAsPlayer(modal); });
  Action(*f.window, "newGameAction")->trigger();
  if (!QTest::qWaitFor([&] { return UsersTurn(f.state); }, 30000)) return false;
  EndProgramHere(f);
  return true;
}

void CopyFilesLeftBy(const TableFixture& from, const TableFixture& to) {
  namespace fs = std::filesystem;
  fs::create_directories(to.paths.data_directory);
  for (const std::string& name : {std::string(kMemberNamesFile), std::string(kMemberDataFile)}) {
    fs::copy_file(from.paths.DataFile(name), to.paths.DataFile(name), fs::copy_options::overwrite_existing);
  }
  if (fs::exists(from.paths.KeptMatchFile())) {
    fs::copy_file(from.paths.KeptMatchFile(), to.paths.KeptMatchFile(), fs::copy_options::overwrite_existing);
  }
}

void Offer(TableFixture& f, const std::function<bool(QWidget*)>& answer, QString* asked = nullptr) {
  f.window->show();
  ReadMemberFiles(f.state, f.paths);
  bool done = false;
  ModalDriver driver([&](QWidget* modal) {
    if (asked != nullptr) {
      if (auto* box = qobject_cast<QMessageBox*>(modal)) *asked = box->text();
    }
    return answer(modal);
  });
  RunAwaiting([&] {
    OfferKeptMatch(*f.table, f.state, f.paths, f.random);
    done = true;
  });
  QTRY_VERIFY(done);
}

bool PressDefault(QWidget* modal) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  if (box == nullptr || box->defaultButton() == nullptr) return false;
  box->defaultButton()->click();
  return true;
}

}  // namespace

class KeptMatchTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { SuspendableRun::StopAll(); }

  void aMatchQuitAtTheUsersTurnGoesOnWhereItStood() {
    TableFixture first(Prepare, kDealtAt);
    QVERIFY(QuitAtTheUsersFirstTurn(first));
    QVERIFY(QFile::exists(QString::fromStdString(first.paths.KeptMatchFile())));

    TableFixture next(Prepare, kDealtAt);
    CopyFilesLeftBy(first, next);
    QString asked;
    Offer(next, PressDefault, &asked);
    QCOMPARE(asked, QStringLiteral("前回はゲームの途中で終了しました. 続きから始めますか？"));
    QCOMPARE(next.state.table.HandNumber, first.state.table.HandNumber);
    QCOMPARE(next.state.table.Hands, first.state.table.Hands);
    QCOMPARE(next.state.match.Score, first.state.match.Score);
    QCOMPARE(next.state.match.SeatName, first.state.match.SeatName);
    QVERIFY(UsersTurn(next.state));
    // The table shows it: the user's cards, the top card, the hand's number.
    const TableWidgets& shown = next.window->view().widgets();
    for (int p = 1; p <= next.state.table.Hands[0][kHandCount]; ++p) QVERIFY(shown.handCards[0][p]->isVisible());
    QVERIFY(shown.discardPile->isVisible());
    QVERIFY(next.window->windowTitle().contains(QStringLiteral("1回め")));
    QVERIFY(!QFile::exists(QString::fromStdString(next.paths.KeptMatchFile())));
    // And it plays on: a draw is taken.
    const int held = next.state.table.Hands[0][kHandCount];
    ModalDriver driver([](QWidget* modal) { return AnswerAsPlayer(modal); });
    QTest::mouseClick(PositionPicture(shown, kPosDrawPile), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(next.state.table.Hands[0][kHandCount] != held || next.state.table.HandNumber > 1, 30000);
  }

  void aMatchQuitAtAHandsResultGoesOnWithTheNextHand() {
    TableFixture first(Prepare, kDealtAt);
    first.window->show();
    bool quit = false;
    {
      ModalDriver driver([](QWidget* modal) { return AnswerAsPlayer(modal); });
      // In auto-play the result stands beside the table: the program is
      // ended while it is on screen.
      QTimer watch;
      QObject::connect(&watch, &QTimer::timeout, [&] {
        for (HandResultDialog* result : first.window->findChildren<HandResultDialog*>()) {
          if (quit || !result->isVisible()) continue;
          EndProgramHere(first);
          quit = true;
        }
      });
      watch.start(5);
      Action(*first.window, "newGameAction")->trigger();
      QTRY_VERIFY_WITH_TIMEOUT(UsersTurn(first.state), 30000);
      first.state.table.AutoPlay = true;
      QTest::mouseClick(PositionPicture(first.window->view().widgets(), kPosDrawPile), Qt::LeftButton);
      QTRY_VERIFY_WITH_TIMEOUT(quit, 60000);
    }
    const auto scores_after_hand = first.state.match.Score;
    first.state.table.AutoPlay = false;

    TableFixture next(Prepare, kDealtAt);
    CopyFilesLeftBy(first, next);
    ModalDriver driver([](QWidget* modal) { return AnswerAsPlayer(modal); });
    Offer(next, PressDefault);
    QTRY_VERIFY_WITH_TIMEOUT(next.state.table.HandNumber == 2 && next.state.table.AwaitingUser, 30000);
    QCOMPARE(next.state.match.Score, scores_after_hand);
  }

  void quittingInTheMiddleOfAStepUnwindsItAndKeepsTheMatch() {
    {
      TableFixture f(Prepare, kDealtAt);
      // The quit as the program's, but for ending the test's own loop.
      const ProgramEnding ending = TableProgramEnding(*f.window, f.state, f.paths, f.table->keeper());
      f.window->SetProgramEnding({[&] {
                                    ending.keep();
                                    f.window->AllowClose();
                                  },
                                  [] {}, ending.keep});
      f.window->show();
      ModalDriver driver([](QWidget* modal) { return AnswerAsPlayer(modal); });
      Action(*f.window, "newGameAction")->trigger();
      QTRY_VERIFY_WITH_TIMEOUT(UsersTurn(f.state), 30000);
      // The user draws; while the computer seats move, the program is ended.
      QTest::mouseClick(PositionPicture(f.window->view().widgets(), kPosDrawPile), Qt::LeftButton);
      QTRY_VERIFY(f.state.table.EngineRunning && SuspendableRun::SuspendedCount() > 0);
      Action(*f.window, "quitAction")->trigger();
      QTRY_VERIFY(f.window->close());
      QVERIFY(QFile::exists(QString::fromStdString(f.paths.KeptMatchFile())));
    }
    // The table is gone, and with it the step that was waiting.
    QCOMPARE(SuspendableRun::SuspendedCount(), 0);
  }

  void abortOnAnAutoPlayedResultEndsTheProgramThere() {
    TableFixture f(Prepare, kDealtAt);
    int ended = 0;
    f.window->SetProgramEnding({[&] { ++ended; }, [] {}, {}});
    f.window->show();
    ModalDriver driver([](QWidget* modal) { return AnswerAsPlayer(modal); });
    Action(*f.window, "newGameAction")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(UsersTurn(f.state), 30000);
    f.state.table.AutoPlay = true;
    QTest::mouseClick(PositionPicture(f.window->view().widgets(), kPosDrawPile), Qt::LeftButton);
    HandResultDialog* result = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((result = f.window->findChild<HandResultDialog*>()) != nullptr && result->isVisible(), 60000);
    const int16_t hand = f.state.table.HandNumber;
    QTest::mouseClick(Control<QPushButton>(*result, QStringLiteral("abortButton")), Qt::LeftButton);
    QCOMPARE(ended, 1);
    // Ended, not gone on: no further hand is dealt while the program ends.
    QTest::qWait(300);
    QCOMPARE(f.state.table.HandNumber, hand);
  }

  void aMatchGivenUpIsGoneAndADamagedOneIsNamed() {
    TableFixture first(Prepare, kDealtAt);
    QVERIFY(QuitAtTheUsersFirstTurn(first));

    TableFixture given_up(Prepare, kDealtAt);
    CopyFilesLeftBy(first, given_up);
    Offer(given_up, [](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (box == nullptr) return false;
      for (QAbstractButton* button : box->buttons()) {
        if (button->text() == QStringLiteral("破棄")) button->click();
      }
      return true;
    });
    QCOMPARE(given_up.state.table.HandNumber, int16_t{0});
    QVERIFY(!QFile::exists(QString::fromStdString(given_up.paths.KeptMatchFile())));

    TableFixture damaged(Prepare, kDealtAt);
    CopyFilesLeftBy(first, damaged);
    {
      QFile file(QString::fromStdString(damaged.paths.KeptMatchFile()));
      QVERIFY(file.open(QIODevice::Append));
      file.write("table.HandNumber=2\n");
    }
    QString told;
    Offer(damaged, [](QWidget* modal) { return AnswerAsPlayer(modal); }, &told);
    QCOMPARE(told, QStringLiteral("前回途中で終了したゲームは続けられません (ファイルが壊れています). このゲームは破棄しました."));
    QCOMPARE(damaged.state.table.HandNumber, int16_t{0});
    QVERIFY(!QFile::exists(QString::fromStdString(damaged.paths.KeptMatchFile())));
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<KeptMatchTest>();
#include "tst_kept_match.moc"
