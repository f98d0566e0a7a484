// The table after a settings window or a rule-set load: the card backs, the
// background picture, the play mode in the title and the menu, and the back
// chosen from the top seat's name.
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "WindowSuites.h"
#include "Controls.h"
#include "RunToEnd.h"
#include "TableFixture.h"
#include "config/SafeFile.h"
#include "gui/rules/OpenRuleSetDialog.h"
#include "gui/rules/RulesDialog.h"
#include "presentation/PictureNames.h"
#include "gui/table/QtTableView.h"
#include "gui/common/Colours.h"
#include "gui/appearance/CardBackDialog.h"

using namespace winpiruk;
using namespace winpiruk::test;

namespace {

// A hand in progress: five cards for every seat, the draw pile on the table.
void DealFixedHands(GameState& s) {
  s.match.MatchInProgress = true;
  s.table.HandPhase = kHandInPlay;
  s.table.HandNumber = 3;
  for (int seat = 0; seat < kSeats; ++seat) {
    s.table.Hands[seat] = {};
    s.table.Hands[seat][kHandCount] = 5;
    for (int p = 1; p <= 5; ++p) s.table.Hands[seat][p] = static_cast<int16_t>(seat * 13 + p);
  }
}

void ShowHandInProgress(TableWindow& w) {
  w.show();
  for (int seat = 0; seat < kSeats; ++seat) w.view().ShowHand(seat);
  w.view().ShowDrawPile(true);
}

QImage Picture(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_RGB32); }

QImage BackFile(int kind, BackOrientation orientation) {
  return QImage(QString::fromStdString(ShareDir() + "/" + CardBackFile(kind, orientation)))
      .convertToFormat(QImage::Format_RGB32);
}

// Every back on the table is design `kind`.
void VerifyBacks(TableWindow& w, int kind) {
  QCOMPARE(Picture(PositionPicture(w.view().widgets(), kPosDrawPile)->pixmap()), BackFile(kind, BackOrientation::Upright));
  QCOMPARE(Picture(w.view().widgets().cardBack->pixmap()), BackFile(kind, BackOrientation::Upright));
  const BackOrientation orientation[] = {BackOrientation::Upright, BackOrientation::Left,
                                         BackOrientation::UpsideDown, BackOrientation::Right};
  for (int seat = 1; seat < kSeats; ++seat) {
    for (int p = 1; p <= 5; ++p) {
      QCOMPARE(Picture(w.view().widgets().handCards[seat][p]->pixmap()), BackFile(kind, orientation[seat]));
    }
  }
}

QColor TableCorner(TableWindow& w) { return w.table()->grab().toImage().pixelColor(2, 2); }

}  // namespace

class TableFollowsSettingsTest : public QObject {
  Q_OBJECT

 private slots:
  // A rule set that names another back and a picture that is not there,
  // loaded in the middle of a hand: every back follows, and the old
  // background goes rather than staying on.
  void ruleSetLoadedMidHandRedrawsBacksAndDropsAMissingPicture() {
    TableFixture f(DealFixedHands);
    const std::string sets = f.dir.File("sets");
    EnsureDirectory(sets);
    QVERIFY(WriteFileAtomically(sets + "/club.prk", "CardKind = 3\r\nGameWallPaper = " + f.dir.File("gone.png") + "\r\n"));
    f.state.RuleSetDirectory = sets;
    const QString red = QString::fromStdString(f.dir.File("red.png"));
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(red));
    f.state.settings.GameWallPaper = red.toStdString();
    TableWindow& w = *f.window;
    QVERIFY(w.LoadPictureSource(red));
    ShowHandInProgress(w);
    VerifyBacks(w, 0);
    QCOMPARE(TableCorner(w), QColor(Qt::red));

    ModalDriver open_club([](QWidget* modal) {
      auto* window = qobject_cast<OpenRuleSetDialog*>(modal);
      if (window == nullptr) return false;
      QListView* list = test::Control<QListView>(*window, "fileList");
      QAbstractItemModel* files = list->model();
      if (!QTest::qWaitFor([&] { return files->rowCount(list->rootIndex()) == 1; }, 5000)) return false;
      list->setCurrentIndex(files->index(0, 0, list->rootIndex()));
      test::Control<QPushButton>(*window, "okButton")->click();
      return true;
    });
    Action(w, "openRuleSetAction")->trigger();
    QVERIFY(NothingWaits());
    QCOMPARE(f.state.settings.CardKind, int16_t{3});
    QCOMPARE(f.state.window.CardBackShown, int16_t{3});
    VerifyBacks(w, 3);
    QVERIFY(w.PictureSource().isNull());
    QCOMPARE(TableCorner(w), TableFeltColour());
  }

  // Wherever the background is read again (the background window, start-up
  // and the rule-set load all read it through here), a picture that cannot
  // be read leaves the table plain.
  void backgroundThatCannotBeReadLeavesTheTablePlain() {
    TableFixture f;
    TableWindow& w = *f.window;
    w.show();
    const QString red = QString::fromStdString(f.dir.File("red.png"));
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(red));
    f.state.settings.GameWallPaper = red.toStdString();
    QVERIFY(w.LoadPictureSource(red));
    QCOMPARE(TableCorner(w), QColor(Qt::red));
    for (const std::string& unreadable : {f.dir.File("gone.png"), f.dir.File("config")}) {
      QVERIFY(w.LoadPictureSource(red));
      f.state.settings.GameWallPaper = unreadable;
      QVERIFY(!w.LoadPictureSource(QString::fromStdString(unreadable)));
      QVERIFY(w.PictureSource().isNull());
      QCOMPARE(TableCorner(w), TableFeltColour());
    }
  }

  // The rule window's initial state ends auto-play: after OK the title loses
  // its mark and the checks move to manual; Cancel leaves both as they were.
  void initialStateInTheRuleWindowEndsAutoPlay_data() {
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
  }
  void initialStateInTheRuleWindowEndsAutoPlay() {
    QFETCH(bool, confirmed);
    TableFixture f(DealFixedHands);
    TableWindow& w = *f.window;
    ShowHandInProgress(w);
    Action(w, "autoPlayAction")->trigger();
    QCOMPARE(w.windowTitle(), QStringLiteral("ぴるく  －3回め－  [自動実行モード]"));

    ModalDriver reset([confirmed](QWidget* modal) {
      auto* window = qobject_cast<RulesDialog*>(modal);
      if (window == nullptr) return false;
      test::Control<QPushButton>(*window, "initialStateButton")->click();
      test::Control<QPushButton>(*window, confirmed ? "okButton" : "cancelButton")->click();
      return true;
    });
    Action(w, "rulesAction")->trigger();
    QVERIFY(NothingWaits());
    QCOMPARE(f.state.table.AutoPlay, !confirmed);
    QCOMPARE(w.windowTitle(), confirmed ? QStringLiteral("ぴるく  －3回め－") : QStringLiteral("ぴるく  －3回め－  [自動実行モード]"));
    QCOMPARE(Action(w, "manualPlayAction")->isChecked(), confirmed);
    QCOMPARE(Action(w, "autoPlayAction")->isChecked(), !confirmed);
  }

  // The top seat's name opens the card settings: the chosen back is written
  // for the next game and lies on the table at once, every back alike.
  void backChosenFromTheTopSeatsNameIsWrittenAndShown() {
    TableFixture f(DealFixedHands);
    TableWindow& w = *f.window;
    w.PrepareMatch();  // the seats' names on the table
    ShowHandInProgress(w);
    QVERIFY(w.view().widgets().seatLabels[2].name->isVisible());

    ModalDriver choose([](QWidget* modal) {
      auto* window = qobject_cast<CardBackDialog*>(modal);
      if (window == nullptr) return false;
      QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("backImage4")), Qt::LeftButton);
      window->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
      return true;
    });
    QTest::mouseClick(w.view().widgets().seatLabels[2].name, Qt::LeftButton);
    QVERIFY(NothingWaits());
    QCOMPARE(f.state.settings.CardKind, int16_t{4});
    QVERIFY(f.SettingsText().find("\r\nCardKind = 4\r\n") != std::string::npos);
    VerifyBacks(w, 4);
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<TableFollowsSettingsTest>();
#include "tst_table_follows_settings.moc"
