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
#include <QTextBrowser>
#include <QtTest>
#include <fstream>

#include "AccessibleControls.h"
#include "WindowSuites.h"
#include "DialogAnswers.h"
#include "Controls.h"
#include "RunToEnd.h"
#include "config/RuleSets.h"
#include "config/SafeFile.h"
#include "gui/rules/OpenRuleSetDialog.h"
#include "gui/common/HelpWindow.h"
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
        {test::Control<QComboBox>(*window, "drawCardList"), 0, {test::Control<QLineEdit>(*window, "drawCountBox"), test::Control<QScrollBar>(*window, "drawCountBar"), test::Control<QLabel>(*window, "drawCountLabel")}, false},
        {test::Control<QComboBox>(*window, "drawCardList"), 5, {test::Control<QLineEdit>(*window, "drawCountBox"), test::Control<QScrollBar>(*window, "drawCountBar"), test::Control<QLabel>(*window, "drawCountLabel")}, true},
        {test::Control<QComboBox>(*window, "throwMoreCardList"), 0, {test::Control<QCheckBox>(*window, "discardDutyCheck")}, false},
        {test::Control<QComboBox>(*window, "throwMoreCardList"), 8, {test::Control<QCheckBox>(*window, "discardDutyCheck")}, true},
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
        {"drawCountBox", QStringLiteral("9"), &Settings::PenaltyLeaves, 3, 3, "PenaltyLeaves = 3"},
        {"drawCountBox", QStringLiteral("4"), &Settings::PenaltyLeaves, 3, 4, "PenaltyLeaves = 4"},
        {"handCountBox", QStringLiteral("0"), &Settings::NumberOfGames, 5, 5, "NumberOfGames = 5"},
        {"graceTimeBox", QStringLiteral("123456789"), &Settings::JudgmentWaitTime, 20, 20, "JudgmentWaitTime = 20"},
        {"graceTimeBox", QStringLiteral("-1e99"), &Settings::JudgmentWaitTime, 20, 20, "JudgmentWaitTime = 20"},
        {"horizontalBox", QStringLiteral("-12"), &Settings::HorizonCardPos, 0, -12, "HorizonCardPos =-12"},
        {"verticalBox", QStringLiteral("abc"), &Settings::VerticalCardPos, 7, 0, "VerticalCardPos = 0"},
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
      test::Control<QPushButton>(*window, "okButton")->click();
      QCOMPARE(window->result(), int(QDialog::Accepted));
      QCOMPARE(place.state.settings.*c.field, c.after_ok);
      QVERIFY2(place.SettingsText().find(std::string(c.file_line) + "\r\n") != std::string::npos, c.file_line);
    }
  }

  void theHelpButtonOpensTheRulesSection() {
    Place place;
    // A help page of its own in the program's folder.
    EnsureDirectory(place.paths.program_directory + "/help");
    std::ofstream(place.paths.program_directory + "/help/index.html")
        << "<html><body><a name=\"contents\"></a>x<a name=\"options\"></a>y</body></html>";
    auto window = place.Open();
    test::Control<QPushButton>(*window, "helpButton")->click();
    auto* help = window->findChild<HelpWindow*>();
    QVERIFY(help != nullptr);
    QCOMPARE(help->Browser->source().fragment(), kHelpRules);
    help->close();
  }

  void theGraceTimeBoxShowsItsUnitAndTheSecondsItMakes() {
    QCOMPARE(GraceTimeUnitText(8), QStringLiteral("×0.1秒 (0.8秒)"));
    QCOMPARE(GraceTimeUnitText(25), QStringLiteral("×0.1秒 (2.5秒)"));
    Place place;
    place.state.settings.AutoJudgment = 0;
    place.state.settings.JudgmentWaitTime = 8;
    auto window = place.Open();
    auto* unit = test::Control<QLabel>(*window, "graceTimeUnit");
    QCOMPARE(unit->text(), QStringLiteral("×0.1秒 (0.8秒)"));
    QVERIFY(unit->isEnabled());
    auto* box = test::Control<QLineEdit>(*window, "graceTimeBox");
    box->clear();
    QTest::keyClicks(box, QStringLiteral("15"));
    QCOMPARE(unit->text(), QStringLiteral("×0.1秒 (1.5秒)"));
    // Out of range: what OK would keep.
    box->clear();
    QTest::keyClicks(box, QStringLiteral("999"));
    QCOMPARE(unit->text(), QStringLiteral("×0.1秒 (0.8秒)"));
    test::Control<QScrollBar>(*window, "graceTimeBar")->setValue(-12);
    QCOMPARE(unit->text(), QStringLiteral("×0.1秒 (1.2秒)"));
  }

  void scrollBarsStoreTheirValueAndWriteItIntoTheBox() {
    Place place;
    auto window = place.Open();
    test::Control<QScrollBar>(*window, "drawCountBar")->setValue(1);
    QCOMPARE(window->RulesOnScreen().PenaltyLeaves, int16_t{5});
    QCOMPARE(test::Control<QLineEdit>(*window, "drawCountBox")->text(), QStringLiteral(" 5"));
    test::Control<QScrollBar>(*window, "horizontalBar")->setValue(12);
    QCOMPARE(window->RulesOnScreen().HorizonCardPos, int16_t{-12});
    QCOMPARE(test::Control<QLineEdit>(*window, "horizontalBox")->text(), QStringLiteral("-12"));
    // A typed number does not move the bar.
    test::Control<QLineEdit>(*window, "drawCountBox")->setText(QStringLiteral("3"));
    QCOMPARE(test::Control<QScrollBar>(*window, "drawCountBar")->value(), 1);
  }

  void cancelEscAndClosingPutTheRulesBack() {
    enum How { Cancel, EscInScrollBar, EscInList, CloseByFrame };
    for (How how : {Cancel, EscInScrollBar, EscInList, CloseByFrame}) {
      Place place;
      auto window = place.Open();
      window->show();
      test::Control<QCheckBox>(*window, "soundCheck")->click();
      test::Control<QCheckBox>(*window, "extraNumberCheck")->click();
      test::Control<QRadioButton>(*window, "detectOffOption")->click();
      QCOMPARE(window->RulesOnScreen().SoundMode, int16_t{1});
      QCOMPARE(window->RulesOnScreen().AutoJudgment, int16_t{0});
      QCOMPARE(place.state.settings.SoundMode, int16_t{0});
      switch (how) {
        case Cancel: test::Control<QPushButton>(*window, "cancelButton")->click(); break;
        case EscInScrollBar: QTest::keyClick(test::Control<QScrollBar>(*window, "graceTimeBar"), Qt::Key_Escape); break;
        case EscInList: QTest::keyClick(test::Control<QComboBox>(*window, "skipCardList"), Qt::Key_Escape); break;
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

  void everyControlIsNamedAndTabReadsTheWindowInOrder() {
    Place place;
    auto window = place.Open();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    test::Control<QPushButton>(*window, "moreButton")->click();
    const QStringList nameless = test::NamelessControls(*window);
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", "))));
    struct Spoken {
      const char* control;
      QString name;  // a combo box is read by its value, after its label
      QString label;
      QString description;
    };
    const Spoken cases[] = {
        {"drawCountBox", QStringLiteral("ドロー枚数(N)"), QStringLiteral("ドロー枚数(N)"), QStringLiteral("ドローカードで引かせる枚数です")},
        {"skipCardList", QStringLiteral("Ａ"), QStringLiteral("スキップカード(C)"), QStringLiteral("ひとり飛ばしとなるカードです")},
        {"graceTimeBox", QStringLiteral("確認時間(J)"), QStringLiteral("確認時間(J)"), QStringLiteral("上がるときの、ダブルクリック猶予時間の指定です")},
        {"verticalBox", QStringLiteral("垂直位置(V)"), QStringLiteral("垂直位置(V)"), QString()},
    };
    for (const Spoken& spoken : cases) {
      QWidget* control = test::Control<QWidget>(*window, QString::fromLatin1(spoken.control));
      QCOMPARE(test::AccessibleName(control), spoken.name);
      QCOMPARE(test::LabelledBy(control), spoken.label);
      QCOMPARE(test::AccessibleDescription(control), spoken.description);
    }

    // Column by column; an unchosen option and a disabled box are passed over.
    const QStringList reading = test::TabOrder(test::Control<QWidget>(*window, "skipCardList"), 32);
    QCOMPARE(reading, (QStringList{"skipCardList", "drawCardList", "drawCountBox", "reverseCardList", "throwMoreCardList",
                                   "discardDutyCheck", "handCountBox", "finishList", "yakitoriList", "pirukGaeshiCheck",
                                   "closingBonusCheck", "extraNumberCheck", "manyCardBonusCheck", "aceAsElevenCheck",
                                   "speedList", "timeLimitList", "cardOpenCheck", "soundCheck", "detectOnOption",
                                   "confirmCheck", "okButton", "cancelButton", "initialStateButton", "openButton",
                                   "saveButton", "analyseButton", "helpButton", "moreButton", "otherTasksCheck",
                                   "horizontalBox", "verticalBox", "skipCardList"}));
  }

  void enterMovesTheFocusToOk() {
    Place place;
    auto window = place.Open();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    test::Control<QLineEdit>(*window, "drawCountBox")->setFocus();
    QTest::keyClick(test::Control<QLineEdit>(*window, "drawCountBox"), Qt::Key_Return);
    QVERIFY(test::Control<QPushButton>(*window, "okButton")->hasFocus());
    QVERIFY(window->isVisible());
  }

  void cardOpenSwitchHidesTheCardOpenBoxAndTheRulePrinciples() {
    for (int16_t visible : {int16_t{0}, int16_t{1}}) {
      Place place;
      place.state.settings.CardOpenSwitchVisible = visible;
      auto window = place.Open();
      window->show();
      QCOMPARE(test::Control<QCheckBox>(*window, "cardOpenCheck")->isVisible(), visible == 1);
      QCOMPARE(test::Control<QGroupBox>(*window, "principlesFrame")->isVisible(), visible == 1);
    }
  }

  void anotherWayOfGoingOutRestoresTheDetectionControls() {
    for (int16_t automatic : {int16_t{0}, int16_t{1}}) {
      Place place;
      place.state.settings.AutoJudgment = automatic;
      auto window = place.Open();
      test::Control<QComboBox>(*window, "finishList")->setCurrentIndex(3);
      for (QWidget* off : std::initializer_list<QWidget*>{test::Control<QRadioButton>(*window, "detectOnOption"), test::Control<QRadioButton>(*window, "detectOffOption"), test::Control<QLineEdit>(*window, "graceTimeBox"),
                                                         test::Control<QScrollBar>(*window, "graceTimeBar"), test::Control<QLabel>(*window, "graceTimeLabel"), test::Control<QCheckBox>(*window, "confirmCheck"),
                                                         test::Control<QCheckBox>(*window, "closingBonusCheck"), test::Control<QCheckBox>(*window, "extraNumberCheck"), test::Control<QCheckBox>(*window, "pirukGaeshiCheck"),
                                                         test::Control<QComboBox>(*window, "yakitoriList"), test::Control<QLabel>(*window, "yakitoriLabel"), test::Control<QCheckBox>(*window, "manyCardBonusCheck"), test::Control<QCheckBox>(*window, "aceAsElevenCheck")}) {
        QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
      }
      test::Control<QComboBox>(*window, "finishList")->setCurrentIndex(2);
      for (QWidget* on : std::initializer_list<QWidget*>{test::Control<QRadioButton>(*window, "detectOnOption"), test::Control<QRadioButton>(*window, "detectOffOption"), test::Control<QCheckBox>(*window, "closingBonusCheck"),
                                                        test::Control<QCheckBox>(*window, "extraNumberCheck"), test::Control<QCheckBox>(*window, "pirukGaeshiCheck"), test::Control<QComboBox>(*window, "yakitoriList"),
                                                        test::Control<QCheckBox>(*window, "manyCardBonusCheck"), test::Control<QCheckBox>(*window, "aceAsElevenCheck")}) {
        QVERIFY2(on->isEnabled(), qPrintable(on->objectName()));
      }
      QCOMPARE(test::Control<QRadioButton>(*window, "detectOnOption")->isChecked(), automatic == 1);
      QCOMPARE(test::Control<QRadioButton>(*window, "detectOffOption")->isChecked(), automatic == 0);
      QCOMPARE(test::Control<QLineEdit>(*window, "graceTimeBox")->isEnabled(), automatic == 0);
      QCOMPARE(test::Control<QScrollBar>(*window, "graceTimeBar")->isEnabled(), automatic == 0);
      QCOMPARE(test::Control<QCheckBox>(*window, "confirmCheck")->isEnabled(), automatic == 1);
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
    QCOMPARE(test::Control<QLineEdit>(*window, "graceTimeBox")->text(), QStringLiteral(" 10"));
    QCOMPARE(test::Control<QScrollBar>(*window, "graceTimeBar")->value(), -10);
    QCOMPARE(test::Control<QLineEdit>(*window, "drawCountBox")->text(), QStringLiteral(" 2"));
    QCOMPARE(test::Control<QComboBox>(*window, "skipCardList")->currentIndex(), -1);
    QCOMPARE(test::Control<QComboBox>(*window, "finishList")->currentText(), QStringLiteral("'捨て上がり'有"));
    QCOMPARE(test::Control<QComboBox>(*window, "speedList")->currentText(), QStringLiteral("高速"));
    QCOMPARE(test::Control<QComboBox>(*window, "timeLimitList")->currentIndex(), -1);
    QCOMPARE(test::Control<QLabel>(*window, "tableSizePanel")->text(), QStringLiteral("  ｹﾞｰﾑ盤面ｻｲｽﾞ = ( 541 x 359 )"));
    QCOMPARE(test::Control<QLabel>(*window, "ruleSetPanel")->text(), QString());
    // OK keeps what could not be shown.
    test::Control<QPushButton>(*window, "okButton")->click();
    QCOMPARE(s.JudgmentWaitTime, int16_t{10});
    QCOMPARE(s.SkipCard, int16_t{20});
    QCOMPARE(s.RestrictTime, int16_t{7});
    QCOMPARE(s.GameSpeed, int16_t{3});
  }

  void okStoresTheListsWritesTheFileAndReportsWhatChanged() {
    Place place;
    place.state.SettingsBaseName = "house.prk";
    auto window = place.Open();
    QCOMPARE(test::Control<QLabel>(*window, "ruleSetPanel")->text(), QStringLiteral(" 設定ﾍﾞｰｽ : house.prk"));
    test::Control<QComboBox>(*window, "skipCardList")->setCurrentIndex(11);
    test::Control<QComboBox>(*window, "timeLimitList")->setCurrentIndex(2);
    test::Control<QComboBox>(*window, "yakitoriList")->setCurrentIndex(4);
    test::Control<QComboBox>(*window, "speedList")->setCurrentIndex(1);
    test::Control<QPushButton>(*window, "okButton")->click();
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
      place.state.table.AutoPlay = true;
      auto window = place.Open();
      test::Control<QComboBox>(*window, "speedList")->setCurrentIndex(3);
      test::Control<QPushButton>(*window, "initialStateButton")->click();
      QCOMPARE(test::Control<QComboBox>(*window, "skipCardList")->currentIndex(), 1);
      QCOMPARE(test::Control<QLineEdit>(*window, "drawCountBox")->text(), QStringLiteral(" 2"));
      QVERIFY(test::Control<QCheckBox>(*window, "extraNumberCheck")->isChecked());
      QCOMPARE(test::Control<QComboBox>(*window, "speedList")->currentIndex(), 3);
      const Settings shown = window->RulesOnScreen();
      QCOMPARE(shown.Message_1.colour, 255);
      QCOMPARE(shown.MemberGroup, int16_t{1});
      QCOMPARE(shown.GameSpeed, int16_t{2});
      QVERIFY(place.state.table.AutoPlay);
      QVERIFY(!FileIsReadable(place.paths.SettingsFile()));

      // OK stores the button's defaults with the speed on screen; Cancel
      // leaves everything as it was.
      (confirmed ? test::Control<QPushButton>(*window, "okButton") : test::Control<QPushButton>(*window, "cancelButton"))->click();
      QCOMPARE(s.SkipCard, confirmed ? int16_t{1} : int16_t{5});
      QCOMPARE(s.ExtraCardEnable, confirmed ? int16_t{1} : int16_t{0});
      QCOMPARE(s.Message_1.colour, confirmed ? 255 : 4242);
      QCOMPARE(s.MemberGroup, confirmed ? int16_t{1} : int16_t{3});
      QCOMPARE(s.GameSpeed, confirmed ? int16_t{3} : int16_t{2});
      QCOMPARE(place.state.table.AutoPlay, !confirmed);
      QCOMPARE(FileIsReadable(place.paths.SettingsFile()), confirmed);
    }
  }

  void theExpanderUncoversTheLowerFramesAndReturnsToTheOpeningHeight() {
    Place place;
    auto window = place.Open();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const int opening_height = window->height();
    QCOMPARE(opening_height, window->sizeHint().height());
    QVERIFY(!test::Control<QGroupBox>(*window, "cardPositionFrame")->isVisible());
    auto* more = test::Control<QPushButton>(*window, "moreButton");
    more->click();
    QVERIFY(test::Control<QWidget>(*window, "lowerPart")->isVisible());
    QCOMPARE(more->text(), QStringLiteral("<< その他の設定(&S)"));
    QTRY_VERIFY(window->height() > opening_height);
    QVERIFY(test::Control<QGroupBox>(*window, "cardPositionFrame")->isVisible());
    QVERIFY(test::Control<QGroupBox>(*window, "systemFrame")->isVisible());
    more->click();
    QCOMPARE(more->text(), QStringLiteral("その他の設定(&S) >>"));
    QTRY_COMPARE(window->height(), opening_height);
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
      QListView* list = test::Control<QListView>(*open, "fileList");
      QAbstractItemModel* files = list->model();
      QTRY_COMPARE(files->rowCount(list->rootIndex()), 1);
      list->setCurrentIndex(files->index(0, 0, list->rootIndex()));
      test::Control<QPushButton>(*open, "okButton")->click();
    });
    test::Control<QPushButton>(window, "openButton")->click();
    QVERIFY(test::NothingWaits());
    QCOMPARE(refreshed, 1);
    QCOMPARE(skip_card_refreshed, int16_t{7});
    QCOMPARE(test::Control<QComboBox>(window, "skipCardList")->currentIndex(), 7);
    QCOMPARE(test::Control<QLineEdit>(window, "drawCountBox")->text(), QStringLiteral(" 4"));
    QCOMPARE(test::Control<QLabel>(window, "ruleSetPanel")->text(), QStringLiteral(" 設定ﾍﾞｰｽ : club.prk"));
    test::Control<QPushButton>(window, "cancelButton")->click();
    QCOMPARE(place.state.settings.SkipCard, int16_t{7});
    QCOMPARE(place.state.settings.GameSpeed, int16_t{0});
    const RuleWindowResult result = window.Result();
    QVERIFY(result.rule_set_loaded);
    QVERIFY(result.card_kind_changed);
    QVERIFY(!result.accepted);
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<RulesDialogTest>();
#include "tst_rules_dialog.moc"
