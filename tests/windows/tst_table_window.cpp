// The table window: its pictures and labels, menus, close refusal, key
// guides, bounds and the drawing of the table from the state.
#include <QMenuBar>
#include <QTextBrowser>
#include <QtTest>

#include "WindowSuites.h"
#include "RunToEnd.h"
#include "TableFixture.h"
#include "gui/common/Awaiting.h"
#include "presentation/PictureNames.h"
#include "scoring/MemberFiles.h"
#include "gui/table/QtTableView.h"
#include "gui/common/CardPictures.h"
#include "gui/common/HelpWindow.h"
#include "gui/common/Twips.h"

using namespace winpiruk;
using namespace winpiruk::test;

namespace {

// A hand in progress, five cards for every seat: the user holds Heart A..5.
void DealFixedHands(GameState& s) {
  s.table.HandPhase = kHandInPlay;
  for (int seat = 0; seat < kSeats; ++seat) {
    s.table.Hands[seat] = {};
    s.table.Hands[seat][kHandCount] = 5;
    for (int p = 1; p <= 5; ++p) s.table.Hands[seat][p] = static_cast<int16_t>(seat * 13 + p);
  }
}

void SaveShot(QWidget& window, const QString& name) {
  const QByteArray dir = qgetenv("WINPIRUK_SHOTS");
  if (!dir.isEmpty()) window.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/") + name + QStringLiteral(".png"));
}

}  // namespace

class TableWindowTest : public QObject {
  Q_OBJECT

  // No test here expects a message box of its own except where it answers
  // it itself: any other one is answered (so that nothing waits for ever)
  // and fails the test with its text.
  std::unique_ptr<ModalAnswer> unexpected_;

 private slots:
  void init() { unexpected_ = std::make_unique<ModalAnswer>(QMessageBox::Ok); }
  void cleanup() {
    if (!unexpected_) return;
    const QString text = unexpected_->text;
    const int count = unexpected_->count;
    unexpected_.reset();
    QVERIFY2(count == 0, qPrintable(QStringLiteral("unexpected message: ") + text));
  }

  void picturesAndLabelsCarryTheirRoles() {
    TableFixture f;
    TableWindow& w = *f.window;
    // Every picture and label is found by a name of its own.
    QSet<QString> names;
    const auto found_by_name = [&](QLabel* widget) {
      QVERIFY2(!names.contains(widget->objectName()), qPrintable(widget->objectName()));
      names.insert(widget->objectName());
      QCOMPARE(w.findChild<QLabel*>(widget->objectName()), widget);
    };
    ForEachCardPicture(w.view().widgets(), found_by_name);
    ForEachLabel(w.view().widgets(), found_by_name);
    QCOMPARE(names.size(), 41 + 28);
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("handCard3_1")), w.view().widgets().handCards[3][1]);
    QCOMPARE(w.view().widgets().drawPile->toolTip(), QStringLiteral("ここをクリックすると、１枚引けます"));
    QCOMPARE(w.view().widgets().musicPicture->toolTip(), QStringLiteral("ここをダブルクリックすれば、BGMを１曲進めることができます"));
    QCOMPARE(w.view().widgets().dealerChoiceLabel->text(), QStringLiteral("好きな方を取ってください ."));
    QCOMPARE(w.view().widgets().reuseLabel->text(), QStringLiteral("場札を再度使います."));
    QCOMPARE(w.view().widgets().extraNumberLabel->text(), QStringLiteral("ｴｸｽﾄﾗﾅﾝﾊﾞｰ"));
    QCOMPARE(TimeLimit(w)->interval(), 1000);
    QVERIFY(!TimeLimit(w)->isActive());
    QCOMPARE(w.windowTitle(), QStringLiteral("ぴるく"));
  }

  void f1AtTheTableOpensTheHelp() {
    TableFixture f;
    TableWindow& w = *f.window;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F1);
    auto* help = w.findChild<HelpWindow*>();
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QCOMPARE(help->Browser->source().fragment(), kHelpContents);
    help->close();
  }

  void tableOptionsAreKeptBesideTheSettingsFile() {
    TableFixture f;
    const std::string settings_before = f.SettingsText();
    QVERIFY(Action(*f.window, "growTableAction")->isChecked());
    QVERIFY(Action(*f.window, "markPlayableAction")->isChecked());
    Action(*f.window, "growTableAction")->trigger();
    Action(*f.window, "markPlayableAction")->trigger();
    QVERIFY(!f.window->table_options().grow_with_window);
    QVERIFY(!f.window->table_options().mark_playable_cards);
    // The settings file keeps its lines; the options have their own file.
    QCOMPARE(f.SettingsText(), settings_before);
    PlayingTable again(f.state, f.paths, f.random, *f.clock);
    QVERIFY(!Action(again.window(), "growTableAction")->isChecked());
    QVERIFY(!Action(again.window(), "markPlayableAction")->isChecked());
  }

  void menuCaptionsAndSeparators() {
    TableFixture f;
    TableWindow& w = *f.window;
    QStringList shown;
    std::function<void(QMenu*, int)> walk = [&](QMenu* menu, int depth) {
      for (QAction* a : menu->actions()) {
        shown << QString(depth, u'>') + (a->isSeparator() ? QStringLiteral("-") : a->text());
        if (a->menu() != nullptr) walk(a->menu(), depth + 1);
      }
    };
    for (QAction* top : w.menuBar()->actions()) {
      shown << top->text();
      walk(top->menu(), 1);
    }
    const QString joined = shown.join(u'|');
    QCOMPARE(joined, QStringLiteral(
                         "ｹﾞｰﾑ(&G ｹ)|>新規ゲーム(&N ﾆ)...|>-|>対戦成績(&R ｾ)...|>ﾌﾟﾚｲﾔｰﾊﾟﾗﾒｰﾀ(&P ﾊ)...|>実行モード(&M ﾓ)|>>手動(&M ｼ)|>>自動(&A ｵ)|>-|"
                         ">ぴるく の終了(&X ｼ)|ｵﾌﾟｼｮﾝ(&O ｵ)|>設定(&S ｾ)|>>ﾙｰﾙ設定(&R ﾙ)...|>>文字色設定(&C ﾓ)...|"
                         ">>盤面背景設定(&W ｶ)...|>>ｻｳﾝﾄﾞ設定(&M ｵ)...|>>ｶｰﾄﾞ設定(&D ﾃ)...|>>-|>>設定ﾌｧｲﾙを開く(&L)...|"
                         ">>設定の保存(&S)...|>-|>ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更(&M ｸ)...|>-|>BGMｺﾝﾄﾛｰﾙ(&B ﾋ)|>>一時停止/解除(&P ﾎ)|"
                         ">>1曲進む(&N ﾂ)|>>1曲戻す(&B ﾓ)|>-|>対応ｷｰ表示(&K ｷ)|>-|>ｳｨﾝﾄﾞｳに合わせて拡大(&Z ｶ)|>出せるｶｰﾄﾞの表示(&P ﾀ)|>4色ﾃﾞｯｷ(&F ﾖ)|>言語(&L ｹ)|>>日本語(&J)|>>&English|>-|>ﾙｰﾙ分析(&Y ﾌ)...|ﾍﾙﾌﾟ(&H ﾙ)|>目次(&C ﾓ)|>-|>ﾊﾞｰｼﾞｮﾝ情報(&A ﾊ)..."));
    // Every command has its window; the music menu waits for music.
    QVERIFY(Action(w, "quitAction")->isEnabled());
    QVERIFY(Action(w, "keyGuidesAction")->isEnabled());
    QVERIFY(Action(w, "autoPlayAction")->isEnabled());
    for (QAction* ready : {Action(w, "newGameAction"), Action(w, "gameResultAction"), Action(w, "playerParametersAction"), Action(w, "helpContentsAction"), Action(w, "aboutAction"), Action(w, "rulesAction"), Action(w, "openRuleSetAction"), Action(w, "saveRuleSetAction"), Action(w, "membersAction"),
                           Action(w, "textColoursAction"), Action(w, "backgroundAction"), Action(w, "soundAction"), Action(w, "cardsAction")}) {
      QVERIFY(ready->isEnabled());
    }
    QVERIFY(!Menu(w, "musicMenu")->menuAction()->isEnabled());
  }

  void closeBoxIsRefused() {
    unexpected_.reset();  // this test answers its own message
    TableFixture f;
    f.window->show();
    const QString names_file = QString::fromStdString(f.paths.DataFile(kMemberNamesFile));
    const QString data_file = QString::fromStdString(f.paths.DataFile(kMemberDataFile));
    ModalAnswer answer(QMessageBox::Ok);
    QVERIFY(!f.window->close());
    QTRY_COMPARE(answer.count, 1);
    QCOMPARE(answer.text, QStringLiteral("メニューから'ぴるく の終了'を選択してください."));
    QCOMPARE(answer.title, QStringLiteral("ぴるく"));
    QVERIFY(f.window->isVisible());
    // A refused close keeps nothing.
    QVERIFY(!QFile::exists(names_file) && !QFile::exists(data_file));
    // When the desktop session ends the records are written, and then the
    // window lets itself be closed without another word.
    f.window->SessionEnding();
    QVERIFY(QFile::exists(names_file) && QFile::exists(data_file));
    QVERIFY(f.window->close());
    QCOMPARE(answer.count, 1);
  }

  void keyGuidesToggleTwiceRestoresAndWritesTwice() {
    TableFixture f([](GameState& s) { DealFixedHands(s); });
    TableWindow& w = *f.window;
    w.show();
    w.view().ShowHand(0);
    const int row_top = PositionPicture(w.view().widgets(), 1)->y();
    Action(w, "keyGuidesAction")->trigger();
    QCOMPARE(f.state.settings.KeyGuideDisplay, int16_t{1});
    QVERIFY(Action(w, "keyGuidesAction")->isChecked());
    QVERIFY(f.SettingsText().find("KeyGuideDisplay = 1") != std::string::npos);
    for (int p = 1; p <= 5; ++p) {
      QVERIFY(PositionGuide(w.view().widgets(), p)->isVisible());
      QCOMPARE(PositionGuide(w.view().widgets(), p)->text(), QString(QChar(u'A' + p - 1)));
    }
    QVERIFY(!PositionGuide(w.view().widgets(), 6)->isVisible());  // position 6 holds no card
    QVERIFY(PositionPicture(w.view().widgets(), 1)->y() <= row_top);
    // "J" and "K" come and go with the dealer's choice only.
    w.view().ShowCard(kPosDiscardPile, 20);
    w.view().ShowCard(kPosSecondCard, 30);
    w.view().ShowLabel(TableLabel::KeyGuideJ, "J");
    w.view().ShowLabel(TableLabel::KeyGuideK, "K");
    QVERIFY(PositionGuide(w.view().widgets(), kPosDiscardPile)->isVisible() && PositionGuide(w.view().widgets(), kPosSecondCard)->isVisible());
    QCOMPARE(PositionGuide(w.view().widgets(), kPosDiscardPile)->text(), QStringLiteral("J"));
    SaveShot(w, QStringLiteral("keyguides"));
    w.view().HideLabel(TableLabel::KeyGuideJ);
    w.view().HideLabel(TableLabel::KeyGuideK);
    w.view().HideCard(kPosSecondCard);
    w.view().ShowCard(kPosDiscardPile, 21);
    QVERIFY(!PositionGuide(w.view().widgets(), kPosDiscardPile)->isVisible() && !PositionGuide(w.view().widgets(), kPosSecondCard)->isVisible());
    const QFileInfo first(QString::fromStdString(f.paths.SettingsFile()));
    const QDateTime first_write = first.lastModified();
    QTest::qWait(20);
    Action(w, "keyGuidesAction")->trigger();
    QCOMPARE(f.state.settings.KeyGuideDisplay, int16_t{0});
    QVERIFY(!Action(w, "keyGuidesAction")->isChecked());
    for (int p = 1; p <= 9; ++p) QVERIFY(!PositionGuide(w.view().widgets(), p)->isVisible());
    QCOMPARE(PositionPicture(w.view().widgets(), 1)->y(), row_top);
    QVERIFY(f.SettingsText().find("KeyGuideDisplay = 0") != std::string::npos);
    QVERIFY(QFileInfo(QString::fromStdString(f.paths.SettingsFile())).lastModified() >= first_write);
  }

  // The guides follow the table as it changes: switched on in the middle of
  // the dealer's choice they show "J" and "K"; a guide first filled by a
  // draw is wide enough for its letter; a new layout keeps every row's later
  // cards over its earlier ones.
  void keyGuidesAndRowsFollowTheTableAsItChanges() {
    TableFixture f([](GameState& s) {
      DealFixedHands(s);
      s.match.MatchInProgress = true;
    });
    TableWindow& w = *f.window;
    w.show();
    for (int seat = 0; seat < kSeats; ++seat) w.view().ShowHand(seat);
    w.view().ShowCard(kPosDiscardPile, 20);
    w.view().ShowCard(kPosSecondCard, 30);
    w.view().ShowLabel(TableLabel::KeyGuideJ, "");
    w.view().ShowLabel(TableLabel::KeyGuideK, "");
    QVERIFY(!PositionGuide(w.view().widgets(), kPosDiscardPile)->isVisible() && !PositionGuide(w.view().widgets(), kPosSecondCard)->isVisible());
    Action(w, "keyGuidesAction")->trigger();
    QVERIFY(PositionGuide(w.view().widgets(), kPosDiscardPile)->isVisible() && PositionGuide(w.view().widgets(), kPosSecondCard)->isVisible());
    QCOMPARE(PositionGuide(w.view().widgets(), kPosDiscardPile)->text(), QStringLiteral("J"));
    QCOMPARE(PositionGuide(w.view().widgets(), kPosSecondCard)->text(), QStringLiteral("K"));
    w.view().HideLabel(TableLabel::KeyGuideJ);
    w.view().HideLabel(TableLabel::KeyGuideK);
    w.view().HideCard(kPosSecondCard);
    QVERIFY(!PositionGuide(w.view().widgets(), kPosDiscardPile)->isVisible() && !PositionGuide(w.view().widgets(), kPosSecondCard)->isVisible());

    f.state.table.Hands[0][6] = 40;
    f.state.table.Hands[0][kHandCount] = 6;
    w.view().ShowHand(0);
    QLabel* sixth = PositionGuide(w.view().widgets(), 6);
    QVERIFY(sixth->isVisible());
    QCOMPARE(sixth->text(), QStringLiteral("F"));
    QVERIFY(sixth->width() >= sixth->sizeHint().width());
    QVERIFY(PositionGuide(w.view().widgets(), kPosDrawPile)->width() >= PositionGuide(w.view().widgets(), kPosDrawPile)->sizeHint().width());

    w.resize(800, 600);
    QTRY_COMPARE(w.TableWidth, 800 * kTwipsPerPixel);
    const QObjectList& order = w.table()->children();
    for (int seat = 0; seat < kSeats; ++seat) {
      for (int p = 1; p < 5; ++p) {
        QVERIFY2(order.indexOf(w.view().widgets().handCards[seat][p]) < order.indexOf(w.view().widgets().handCards[seat][p + 1]),
                 qPrintable(QStringLiteral("seat %1 position %2").arg(seat).arg(p)));
      }
    }
  }

  // The rule settings window opened during a further discard: the prompt
  // stays on the table; a count running behind it stops when the window
  // switches the time limit off, and the prompt goes on without the count.
  void furtherDiscardPromptOutlastsTheRuleWindow() {
    unexpected_.reset();  // the rule window is answered here
    TableFixture f([](GameState& s) {
      DealFixedHands(s);
      s.match.MatchInProgress = true;
      s.table.AwaitingUser = true;
      s.table.TurnPhase = kTurnFurtherDiscard;
    });
    TableWindow& w = *f.window;
    w.show();
    w.view().ShowLabel(TableLabel::Countdown, "もう一枚捨てて");
    {
      ModalDriver cancel([](QWidget* modal) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        return true;
      });
      Action(w, "rulesAction")->trigger();
      QVERIFY(NothingWaits());
    }
    QVERIFY(w.view().widgets().promptLabel->isVisible());
    QCOMPARE(w.view().widgets().promptLabel->text(), QStringLiteral("もう一枚捨てて"));

    f.state.settings.RestrictTime = 1;
    w.view().ShowLabel(TableLabel::Countdown, "さらに捨てる？ 2");
    TimeLimit(w)->start();
    {
      ModalDriver limit_off([&f](QWidget* modal) {
        f.state.settings.RestrictTime = 0;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->accept();
        return true;
      });
      Action(w, "rulesAction")->trigger();
      QVERIFY(NothingWaits());
    }
    QVERIFY(!TimeLimit(w)->isActive());
    QVERIFY(w.view().widgets().promptLabel->isVisible());
    QCOMPARE(w.view().widgets().promptLabel->text(), QStringLiteral("さらに捨てる？"));
  }

  // A name too long for its place ends in an ellipsis, the whole name in its
  // tooltip; a new layout starts again from the whole name.
  void longNamesEndInAnEllipsis() {
    const QString long_name = QStringLiteral("ぴるく名人のやまだ");
    TableFixture f([&long_name](GameState& s) {
      s.match.SeatName[0] = long_name.toStdString();
      s.match.SeatName[3] = long_name.toStdString();
      s.match.MatchInProgress = true;
    });
    TableWindow& w = *f.window;
    w.show();
    w.PrepareMatch();
    for (int seat : {0, 3}) {
      QLabel* name = w.view().widgets().seatLabels[seat].name;
      QVERIFY2(name->text().endsWith(QChar(0x2026)), qPrintable(name->text()));
      QCOMPARE(name->toolTip(), long_name);
      QVERIFY(name->sizeHint().width() <= name->width());
    }
    QCOMPARE(w.view().widgets().seatLabels[1].name->text(), QStringLiteral("ｺﾝﾋﾟｭｰﾀ1"));
    QVERIFY(w.view().widgets().seatLabels[1].name->toolTip().isEmpty());
    SaveShot(w, QStringLiteral("longnames"));
    w.resize(700, 500);
    QTRY_COMPARE(w.TableWidth, 700 * kTwipsPerPixel);
    QCOMPARE(w.view().widgets().seatLabels[0].name->toolTip(), long_name);
    QVERIFY(w.view().widgets().seatLabels[0].name->text().startsWith(QStringLiteral("ぴるく")));
  }

  void resizeLaysOutAndKeepsTheBounds() {
    TableFixture f;
    TableWindow& w = *f.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint design_card = PositionPicture(w.view().widgets(), 1)->pos();
    w.resize(1000, 760);
    QTRY_COMPARE(w.TableWidth, 15000);
    QCOMPARE(w.TableHeight, 760 * kTwipsPerPixel);
    QCOMPARE(f.state.settings.MainWindowWidth, int16_t{15000});
    QCOMPARE(f.state.settings.MainWindowHeight, int16_t{760 * kTwipsPerPixel});
    QVERIFY(PositionPicture(w.view().widgets(), 1)->x() > design_card.x());
    QVERIFY(PositionPicture(w.view().widgets(), 1)->y() > design_card.y());
    // A size beyond what the settings file holds is stored at its limit.
    w.resize(2400, 1000);
    QTRY_COMPARE(f.state.settings.MainWindowWidth, int16_t{32767});
    // Smaller than designed: the whole table drawn smaller.
    w.resize(400, 300);
    QTRY_VERIFY(w.Zoom() < 1.0);
    QVERIFY(PositionPicture(w.view().widgets(), 1)->x() < design_card.x());
  }

  void labelColoursFollowTheSettings() {
    TableFixture f([](GameState& s) {
      s.settings.PlayerNames = {1, 0x0000FF};   // red on white
      s.settings.PlayerScore = {0, 0x00FFFF};   // yellow on black
      s.settings.Message_2 = {0, 0xFF0000};     // blue
    });
    TableWindow& w = *f.window;
    QCOMPARE(w.view().widgets().seatLabels[0].name->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(w.view().widgets().seatLabels[0].name->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(w.view().widgets().seatLabels[1].score->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QCOMPARE(w.view().widgets().seatLabels[1].score->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(w.view().widgets().dealerChoiceLabel->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(PositionGuide(w.view().widgets(), 5)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  }

  // The rows drawn from the hands: faces for the user, backs (or faces with
  // CardOpen) for the others, counts with their blank and "枚 ".
  void handsAreDrawnFromTheTable_data() {
    QTest::addColumn<int>("card_open");
    QTest::newRow("backs") << 0;
    QTest::newRow("open") << 1;
  }
  void handsAreDrawnFromTheTable() {
    QFETCH(int, card_open);
    TableFixture f([card_open](GameState& s) {
      DealFixedHands(s);
      s.settings.CardOpen = static_cast<int16_t>(card_open);
      s.match.MatchInProgress = true;
    });
    TableWindow& w = *f.window;
    w.PrepareMatch();
    w.show();
    for (int seat = 0; seat < kSeats; ++seat) w.view().ShowHand(seat);
    const QImage back = QImage(QString::fromStdString(ShareDir() + "/CardL.bmp")).convertToFormat(QImage::Format_RGB32);
    for (int seat = 0; seat < kSeats; ++seat) {
      for (int p = 1; p <= 9; ++p) QCOMPARE(w.view().widgets().handCards[seat][p]->isVisible(), p <= 5);
      QCOMPARE(w.view().widgets().seatLabels[seat].count->text(), QStringLiteral(" 5枚 "));
    }
    const QImage left = w.view().widgets().handCards[1][1]->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(left == back, card_open == 0);
    QCOMPARE(w.view().widgets().seatLabels[0].name->text(), QStringLiteral("あなた"));
    QCOMPARE(w.view().widgets().seatLabels[0].score->text(), QStringLiteral("[ 0点 ]"));
    SaveShot(w, card_open ? QStringLiteral("cardopen") : QStringLiteral("backs"));

    // A computer seat's discard leaves a gap in its face-down row.
    w.view().HideSeatCard(3, 2);
    QVERIFY(!w.view().widgets().handCards[3][2]->isVisible());
    QVERIFY(w.view().widgets().handCards[3][1]->isVisible());
    w.view().ClearTable();
    for (const Placed& card : PlacedCards(w, w.table_layout())) QVERIFY(!card.widget->isVisible());
    QVERIFY(w.view().widgets().seatLabels[0].name->isVisible());  // the match goes on: names stay
  }

  void bannerSlidesTowardTheCaller_data() {
    QTest::addColumn<int>("seat");
    QTest::addColumn<bool>("counter");
    QTest::newRow("user calls") << 0 << false;
    QTest::newRow("left counter-calls") << 1 << true;
    QTest::newRow("top calls") << 2 << false;
    QTest::newRow("right calls") << 3 << false;
  }
  void bannerSlidesTowardTheCaller() {
    QFETCH(int, seat);
    QFETCH(bool, counter);
    TableFixture f([seat](GameState& s) {
      DealFixedHands(s);
      s.table.Winner = static_cast<int16_t>(seat);
      s.match.MatchInProgress = true;
    });
    TableWindow& w = *f.window;
    w.PrepareMatch();
    w.show();
    for (int s = 0; s < kSeats; ++s) w.view().ShowHand(s);
    w.view().ShowCard(kPosDiscardPile, 7);
    QList<QPoint> path;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
      if (w.view().widgets().banner->isVisible()) path << w.view().widgets().banner->pos();
    });
    probe.start(5);
    // The banner slides as the engine's steps show it: in a run that waits.
    bool shown = false;
    RunAwaiting([&] {
      if (counter) {
        w.view().ShowCounterCallBanner();
      } else {
        w.view().ShowCallBanner();
      }
      shown = true;
    });
    QTRY_VERIFY(shown);
    probe.stop();
    QVERIFY(w.view().widgets().banner->isVisible());
    QVERIFY(path.size() >= 3);
    const QRect table = w.table()->rect();
    const QPoint end = w.view().widgets().banner->geometry().center();
    const QPoint centre = table.center();
    switch (seat) {
      case 0: QVERIFY(end.y() > centre.y()); break;
      case 1: QVERIFY(end.x() < centre.x()); break;
      case 2: QVERIFY(end.y() < centre.y()); break;
      case 3: QVERIFY(end.x() > centre.x()); break;
      default: break;
    }
    QVERIFY(table.contains(w.view().widgets().banner->geometry()));
    // The banner lets the table show through outside its mask.
    const QImage banner = w.view().widgets().banner->pixmap().toImage();
    int least_alpha = 255;
    for (int x = 0; x < banner.width(); ++x) least_alpha = std::min(least_alpha, qAlpha(banner.pixel(x, 0)));
    QCOMPARE(least_alpha, 0);
    QCOMPARE(qAlpha(banner.pixel(banner.width() / 2, banner.height() / 2)), 255);
    SaveShot(w, QStringLiteral("banner%1").arg(seat));
  }

  void missingPictureTextNamesPathAndRoutine() {
    QCOMPARE(MissingPictureText(QStringLiteral("/cards/HeartA.bmp"), QStringLiteral("1")),
             QStringLiteral("「 /cards/HeartA.bmp(#1) 」というファイルが見つかりません。"));
    QCOMPARE(MissingPictureText(QStringLiteral("/c/@DiaK.bmp"), QStringLiteral("1.13")),
             QStringLiteral("「 /c/@DiaK.bmp(#1.13) 」というファイルが見つかりません。"));
  }

  void arrowsLetTheTableShowThrough() {
    QImage arrow(3, 1, QImage::Format_RGB32);
    arrow.setPixel(0, 0, qRgb(24, 110, 60));
    arrow.setPixel(1, 0, qRgb(250, 200, 0));
    arrow.setPixel(2, 0, qRgb(24, 110, 60));
    const QImage keyed = KeyOutCornerColour(arrow);
    QCOMPARE(qAlpha(keyed.pixel(0, 0)), 0);
    QCOMPARE(keyed.pixel(1, 0), qRgb(250, 200, 0));
    QCOMPARE(qAlpha(keyed.pixel(2, 0)), 0);
  }

  void maskedPictureKeepsTheBannerOnly() {
    QImage picture(4, 1, QImage::Format_RGB32);
    QImage mask(4, 1, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(0, 0, 0), qRgb(200, 10, 10), qRgb(0, 0, 0), qRgb(30, 40, 50)};
    const QRgb masks[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(0, 0, 0)};
    for (int x = 0; x < 4; ++x) {
      picture.setPixel(x, 0, colours[x]);
      mask.setPixel(x, 0, masks[x]);
    }
    const QImage out = ComposeMaskedPicture(picture, mask);
    QCOMPARE(qAlpha(out.pixel(0, 0)), 0);
    QCOMPARE(out.pixel(1, 0), qRgb(200, 10, 10));
    QCOMPARE(out.pixel(2, 0), qRgb(0, 0, 0));  // black inside the mask is drawn black
    QCOMPARE(out.pixel(3, 0), qRgb(30, 40, 50));
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<TableWindowTest>();
#include "tst_table_window.moc"
