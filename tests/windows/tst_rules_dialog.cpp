// The rule settings window: what its controls show and store, the enabling
// rules, OK, Cancel and Esc, the initial state and the expander.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <fstream>

#include "DialogAnswers.h"
#include "config/RuleSets.h"
#include "config/SafeFile.h"
#include "gui/rules/OpenRuleSetDialog.h"
#include "gui/rules/RulesDialog.h"
#include "support/RulePlace.h"

using namespace winpiruk;

class RulesDialogTest : public QObject {
  Q_OBJECT

  struct Place : test::RulePlace {
    std::unique_ptr<RulesDialog> Open() {
      return std::make_unique<RulesDialog>(state, paths, RuleWindowHooks{[] { return QSize(541, 359); }, {}});
    }
    std::string SettingsText() const { return ReadWholeFile(paths.SettingsFile()).value_or(""); }
  };

 private slots:
  void choosingNoCardDisablesWhatDependsOnIt() {
    Place place;
    auto window = place.Open();
    struct Case {
      QComboBox* list;
      int choice;
      std::vector<QWidget*> controls;
      bool enabled;
    };
    const Case cases[] = {
        {window->Combo2, 0, {window->Text5, window->VScroll6, window->Label15}, false},
        {window->Combo2, 5, {window->Text5, window->VScroll6, window->Label15}, true},
        {window->Combo4, 0, {window->Check3D3}, false},
        {window->Combo4, 8, {window->Check3D3}, true},
    };
    for (const Case& c : cases) {
      c.list->setCurrentIndex(c.choice);
      for (QWidget* control : c.controls) QCOMPARE(control->isEnabled(), c.enabled);
    }
  }

  // The typed text is read as the file is read (see the rule settings'
  // own tests); here: what the window stores of it, and when.
  void numbersTypedOutOfRangeKeepTheValueHeldAtOpening() {
    struct Case {
      const char* box;
      QString typed;
      int16_t Settings::*field;
      int16_t at_opening;
      int16_t after_ok;
      const char* file_line;
    };
    const Case cases[] = {
        {"Text5", QStringLiteral("9"), &Settings::PenaltyLeaves, 3, 3, "PenaltyLeaves = 3"},
        {"Text5", QStringLiteral("4"), &Settings::PenaltyLeaves, 3, 4, "PenaltyLeaves = 4"},
        {"Text6", QStringLiteral("0"), &Settings::NumberOfGames, 5, 5, "NumberOfGames = 5"},
        {"Text9", QStringLiteral("123456789"), &Settings::JudgmentWaitTime, 20, 20, "JudgmentWaitTime = 20"},
        {"Text9", QStringLiteral("-1e99"), &Settings::JudgmentWaitTime, 20, 20, "JudgmentWaitTime = 20"},
        {"Text8", QStringLiteral("-12"), &Settings::HorizonCardPos, 0, -12, "HorizonCardPos =-12"},
        {"Text7", QStringLiteral("abc"), &Settings::VerticalCardPos, 7, 0, "VerticalCardPos = 0"},
    };
    for (const Case& c : cases) {
      Place place;
      place.state.settings.AutoJudgment = 0;  // the grace time box takes input
      place.state.settings.*c.field = c.at_opening;
      auto window = place.Open();
      auto* text = window->findChild<QLineEdit*>(QString::fromLatin1(c.box));
      QVERIFY(text != nullptr);
      text->clear();
      QTest::keyClicks(text, c.typed);
      // Nothing reaches the live record before OK; the rules on screen are
      // what OK will store.
      QCOMPARE(place.state.settings.*c.field, c.at_opening);
      QCOMPARE(window->RulesOnScreen().*c.field, c.after_ok);
      window->Command1->click();
      QCOMPARE(window->result(), int(QDialog::Accepted));
      QCOMPARE(place.state.settings.*c.field, c.after_ok);
      QVERIFY2(place.SettingsText().find(std::string(c.file_line) + "\r\n") != std::string::npos, c.file_line);
    }
  }

  void scrollBarsStoreTheirValueAndWriteItIntoTheBox() {
    Place place;
    auto window = place.Open();
    window->VScroll6->setValue(1);
    QCOMPARE(window->RulesOnScreen().PenaltyLeaves, int16_t{5});
    QCOMPARE(window->Text5->text(), QStringLiteral(" 5"));
    window->VScroll2->setValue(12);
    QCOMPARE(window->RulesOnScreen().HorizonCardPos, int16_t{-12});
    QCOMPARE(window->Text8->text(), QStringLiteral("-12"));
    // A typed number does not move the bar.
    window->Text5->setText(QStringLiteral("3"));
    QCOMPARE(window->VScroll6->value(), 1);
  }

  void cancelEscAndClosingPutTheRulesBack() {
    enum How { Cancel, EscInScrollBar, EscInList, CloseByFrame };
    for (How how : {Cancel, EscInScrollBar, EscInList, CloseByFrame}) {
      Place place;
      auto window = place.Open();
      window->show();
      window->Check3D4->click();
      window->Check3D6->click();
      window->Option4->click();
      QCOMPARE(window->RulesOnScreen().SoundMode, int16_t{1});
      QCOMPARE(window->RulesOnScreen().AutoJudgment, int16_t{0});
      QCOMPARE(place.state.settings.SoundMode, int16_t{0});
      switch (how) {
        case Cancel: window->Command2->click(); break;
        case EscInScrollBar: QTest::keyClick(window->VScroll3, Qt::Key_Escape); break;
        case EscInList: QTest::keyClick(window->Combo1, Qt::Key_Escape); break;
        case CloseByFrame: window->close(); break;
      }
      QVERIFY(!window->isVisible());
      QCOMPARE(window->result(), int(QDialog::Rejected));
      QCOMPARE(place.state.settings.SoundMode, int16_t{0});
      QCOMPARE(place.state.settings.ExtraCardEnable, int16_t{0});
      QCOMPARE(place.state.settings.AutoJudgment, int16_t{1});
      QVERIFY(!FileIsReadable(place.paths.SettingsFile()));
    }
  }

  void enterMovesTheFocusToOk() {
    Place place;
    auto window = place.Open();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->Text5->setFocus();
    QTest::keyClick(window->Text5, Qt::Key_Return);
    QVERIFY(window->Command1->hasFocus());
    QVERIFY(window->isVisible());
  }

  void cardOpenSwitchHidesTheCardOpenBoxAndTheRulePrinciples() {
    for (int16_t visible : {int16_t{0}, int16_t{1}}) {
      Place place;
      place.state.settings.CardOpenSwitchVisible = visible;
      auto window = place.Open();
      window->show();
      QCOMPARE(window->Check3D2->isVisible(), visible == 1);
      QCOMPARE(window->Frame3D5->isVisible(), visible == 1);
    }
  }

  void anotherWayOfGoingOutRestoresTheDetectionControls() {
    for (int16_t automatic : {int16_t{0}, int16_t{1}}) {
      Place place;
      place.state.settings.AutoJudgment = automatic;
      auto window = place.Open();
      window->Combo6->setCurrentIndex(3);
      for (QWidget* off : std::initializer_list<QWidget*>{window->Option3, window->Option4, window->Text9,
                                                         window->VScroll3, window->Label3, window->Check3D7,
                                                         window->Check3D5, window->Check3D6, window->Check3D8,
                                                         window->Combo7, window->Label1, window->Check1, window->Check2}) {
        QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
      }
      window->Combo6->setCurrentIndex(2);
      for (QWidget* on : std::initializer_list<QWidget*>{window->Option3, window->Option4, window->Check3D5,
                                                        window->Check3D6, window->Check3D8, window->Combo7,
                                                        window->Check1, window->Check2}) {
        QVERIFY2(on->isEnabled(), qPrintable(on->objectName()));
      }
      QCOMPARE(window->Option3->isChecked(), automatic == 1);
      QCOMPARE(window->Option4->isChecked(), automatic == 0);
      QCOMPARE(window->Text9->isEnabled(), automatic == 0);
      QCOMPARE(window->VScroll3->isEnabled(), automatic == 0);
      QCOMPARE(window->Check3D7->isEnabled(), automatic == 1);
    }
  }

  void openingRepairsAndShowsTheStoredValues() {
    Place place;
    Settings& s = place.state.settings;
    s.JudgmentWaitTime = 3;
    s.PenaltyLeaves = 0;
    s.SkipCard = 20;
    s.FinishMeans = 2;
    s.GameSpeed = 3;
    s.RestrictTime = 7;
    auto window = place.Open();
    QCOMPARE(window->Text9->text(), QStringLiteral(" 10"));
    QCOMPARE(window->VScroll3->value(), -10);
    QCOMPARE(window->Text5->text(), QStringLiteral(" 2"));
    QCOMPARE(window->Combo1->currentIndex(), -1);
    QCOMPARE(window->Combo6->currentText(), QStringLiteral("'捨て上がり'有"));
    QCOMPARE(window->Combo8->currentText(), QStringLiteral("高速"));
    QCOMPARE(window->Combo5->currentIndex(), -1);
    QCOMPARE(window->Panel3D1->text(), QStringLiteral("  ｹﾞｰﾑ盤面ｻｲｽﾞ = ( 541 x 359 )"));
    QCOMPARE(window->Panel3D2->text(), QString());
    // OK keeps what could not be shown.
    window->Command1->click();
    QCOMPARE(s.JudgmentWaitTime, int16_t{10});
    QCOMPARE(s.SkipCard, int16_t{20});
    QCOMPARE(s.RestrictTime, int16_t{7});
    QCOMPARE(s.GameSpeed, int16_t{3});
  }

  void okStoresTheListsWritesTheFileAndReportsWhatChanged() {
    Place place;
    place.state.SettingsBaseName = "house.prk";
    auto window = place.Open();
    QCOMPARE(window->Panel3D2->text(), QStringLiteral(" 設定ﾍﾞｰｽ : house.prk"));
    window->Combo1->setCurrentIndex(11);
    window->Combo5->setCurrentIndex(2);
    window->Combo7->setCurrentIndex(4);
    window->Combo8->setCurrentIndex(1);
    window->Command1->click();
    const RuleWindowResult result = window->Result();
    QVERIFY(result.accepted);
    QVERIFY(result.restrict_time_set);
    QVERIFY(!result.card_kind_changed);
    QVERIFY(!result.rule_set_loaded);
    const std::string text = place.SettingsText();
    for (const char* line : {"SkipCard = 11\r\n", "RestrictTime = 2\r\n", "YakitoriMode = 4\r\n", "GameSpeed = 1\r\n"}) {
      QVERIFY2(text.find(line) != std::string::npos, line);
    }
    // Closing after OK leaves the confirmed values.
    window->close();
    QCOMPARE(place.state.settings.SkipCard, int16_t{11});
  }

  void theInitialStateButtonShowsTheDefaultsAndWritesNothing() {
    for (bool confirmed : {false, true}) {
      Place place;
      Settings& s = place.state.settings;
      s.SkipCard = 5;
      s.PenaltyLeaves = 4;
      s.ExtraCardEnable = 0;
      s.GameSpeed = 2;
      s.Message_1 = {1, 4242};
      s.MemberGroup = 3;
      place.state.AutoPlay = 1;
      auto window = place.Open();
      window->Combo8->setCurrentIndex(3);
      window->Command4->click();
      QCOMPARE(window->Combo1->currentIndex(), 1);
      QCOMPARE(window->Text5->text(), QStringLiteral(" 2"));
      QVERIFY(window->Check3D6->isChecked());
      QCOMPARE(window->Combo8->currentIndex(), 3);
      const Settings shown = window->RulesOnScreen();
      QCOMPARE(shown.Message_1.colour, 255);
      QCOMPARE(shown.MemberGroup, int16_t{1});
      QCOMPARE(shown.GameSpeed, int16_t{2});
      QCOMPARE(place.state.AutoPlay, int16_t{1});
      QVERIFY(!FileIsReadable(place.paths.SettingsFile()));

      // OK stores the button's defaults with the speed on screen; Cancel
      // leaves everything as it was.
      (confirmed ? window->Command1 : window->Command2)->click();
      QCOMPARE(s.SkipCard, confirmed ? int16_t{1} : int16_t{5});
      QCOMPARE(s.ExtraCardEnable, confirmed ? int16_t{1} : int16_t{0});
      QCOMPARE(s.Message_1.colour, confirmed ? 255 : 4242);
      QCOMPARE(s.MemberGroup, confirmed ? int16_t{1} : int16_t{3});
      QCOMPARE(s.GameSpeed, confirmed ? int16_t{3} : int16_t{2});
      QCOMPARE(place.state.AutoPlay, confirmed ? int16_t{0} : int16_t{1});
      QCOMPARE(FileIsReadable(place.paths.SettingsFile()), confirmed);
    }
  }

  void theExpanderUncoversTheLowerFramesAndReturnsToTheOpeningHeight() {
    Place place;
    auto window = place.Open();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->height(), window->RuleWindowHeight);
    QVERIFY(!window->Frame3D2->isVisible());
    window->Command3->click();
    QCOMPARE(window->RuleWindowExpanded, 1);
    QCOMPARE(window->Command3->text(), QStringLiteral("<< その他の設定(&S)"));
    QTRY_VERIFY(window->height() > window->RuleWindowHeight);
    QVERIFY(window->Frame3D2->isVisible());
    QVERIFY(window->Frame3D4->isVisible());
    window->Command3->click();
    QCOMPARE(window->Command3->text(), QStringLiteral("その他の設定(&S) >>"));
    QTRY_COMPARE(window->height(), window->RuleWindowHeight);
  }

  void aRuleSetOpenedFromTheWindowIsShownAndKeptOnCancel() {
    Place place;
    const std::string sets = place.root.File("sets");
    EnsureDirectory(sets);
    QVERIFY(WriteFileAtomically(sets + "/club.prk", "SkipCard = 7\r\nPenaltyLeaves = 4\r\nCardKind = 3\r\nGameSpeed = 3\r\n"));
    place.state.RuleSetDirectory = sets;
    int refreshed = 0;
    int16_t skip_card_refreshed = 0;  // the table follows the live state
    RulesDialog window(place.state, place.paths, RuleWindowHooks{{}, [&] {
                         ++refreshed;
                         skip_card_refreshed = place.state.settings.SkipCard;
                       }});
    test::WhenModalAppears([](QWidget* modal) {
      auto* open = qobject_cast<OpenRuleSetDialog*>(modal);
      if (open == nullptr) return;
      QAbstractItemModel* files = open->File1->model();
      QTRY_COMPARE(files->rowCount(open->File1->rootIndex()), 1);
      open->File1->setCurrentIndex(files->index(0, 0, open->File1->rootIndex()));
      open->Command3D1->click();
    });
    window.Command3D2->click();
    QCOMPARE(refreshed, 1);
    QCOMPARE(skip_card_refreshed, int16_t{7});
    QCOMPARE(window.Combo1->currentIndex(), 7);
    QCOMPARE(window.Text5->text(), QStringLiteral(" 4"));
    QCOMPARE(window.Panel3D2->text(), QStringLiteral(" 設定ﾍﾞｰｽ : club.prk"));
    window.Command2->click();
    QCOMPARE(place.state.settings.SkipCard, int16_t{7});
    QCOMPARE(place.state.settings.GameSpeed, int16_t{0});
    const RuleWindowResult result = window.Result();
    QVERIFY(result.rule_set_loaded);
    QVERIFY(result.card_kind_changed);
    QVERIFY(!result.accepted);
  }
};

QTEST_MAIN(RulesDialogTest)
#include "tst_rules_dialog.moc"
