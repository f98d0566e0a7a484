// The program in English: no window of the table shows a Japanese text once
// the English translation is installed, under Japanese every text is what it
// always was, and the language is chosen from the options file or the locale.
#include <QMessageBox>
#include <QtTest>
#include <functional>

#include "DialogAnswers.h"
#include "TableFixture.h"
#include "UntranslatedTexts.h"
#include "WindowSuites.h"
#include "gui/common/FileChooser.h"
#include "gui/common/HelpWindow.h"
#include "gui/appearance/BackgroundDialog.h"
#include "gui/appearance/CardBackDialog.h"
#include "gui/appearance/SoundDialog.h"
#include "gui/appearance/TextColoursDialog.h"
#include "gui/common/Language.h"
#include "gui/members/GroupDialog.h"
#include "gui/members/PlayerParametersDialog.h"
#include "gui/members/SeatingDialog.h"
#include "gui/rules/OpenRuleSetDialog.h"
#include "gui/rules/RuleAnalyser.h"
#include "gui/rules/RulesDialog.h"
#include "gui/rules/SaveRuleSetDialog.h"
#include "gui/scoring/HandResultDialog.h"
#include "gui/scoring/MatchEndDialog.h"
#include "gui/scoring/MatchReviewDialog.h"
#include "gui/scoring/StatisticsDialog.h"
#include "gui/start/AboutDialog.h"
#include "gui/start/SplashWindow.h"
#include "gui/table/TableHints.h"
#include "gui/table/TableOptions.h"
#include "support/TempDir.h"

using namespace winpiruk;
using namespace winpiruk::test;
using gui::Language;

namespace {

// Member names come from the member file and are never translated; nor is
// the language menu's own name for Japanese.
QStringList DataOf(const GameState& state) {
  QStringList data{QStringLiteral("日本語")};
  for (const std::string& name : state.match.SeatName) data << QString::fromStdString(name).trimmed();
  for (const auto& group : state.members.MemberName) {
    for (const std::string& name : group) data << QString::fromStdString(name).trimmed();
  }
  data.removeAll(QString());
  return data;
}

// A window of the program, built afresh, and what in it is still Japanese.
// Rows for further windows go at the end.
struct WindowRow {
  const char* name;
  std::function<QStringList()> untranslated;
};

template <class Window>
QStringList OfWindow() {
  Window window;
  return UntranslatedTexts(window);
}

// A window made over the table's own state and files, so that it shows
// the members and rules a player would see.
using MadeOverTable = std::function<std::unique_ptr<QWidget>(TableFixture&)>;

std::function<QStringList()> OverTable(MadeOverTable make) {
  return [make] {
    TableFixture f;
    const std::unique_ptr<QWidget> window = make(f);
    return WithoutData(UntranslatedTexts(*window), DataOf(f.state));
  };
}

template <class Window>
std::function<QStringList()> OverTable() {
  return OverTable([](TableFixture& f) { return std::make_unique<Window>(f.state, f.paths); });
}

const QSize kDesignTable(541, 359);

const std::vector<WindowRow>& Windows() {
  static const std::vector<WindowRow> rows = {
      {"table",
       [] {
         TableFixture f;
         return WithoutData(UntranslatedTexts(*f.window), DataOf(f.state));
       }},
      {"about", OfWindow<AboutDialog>},
      {"splash", OfWindow<SplashWindow>},
      {"help", OfWindow<HelpWindow>},
      {"file chooser", [] {
         FileChooser chooser({QStringLiteral("*.prk")});
         return UntranslatedTexts(chooser);
       }},
      {"rules", OverTable([](TableFixture& f) {
         return std::make_unique<RulesDialog>(f.state, f.paths, RuleWindowHooks{[] { return kDesignTable; }, {}});
       })},
      {"rule analyser", OverTable([](TableFixture& f) {
         return std::make_unique<RuleAnalyser>(f.state, f.state.settings, f.state.settings);
       })},
      {"save rule set", OverTable([](TableFixture& f) { return std::make_unique<SaveRuleSetDialog>(f.state); })},
      {"open rule set", OverTable([](TableFixture& f) { return std::make_unique<OpenRuleSetDialog>(f.state, nullptr); })},
      {"sound", OverTable<SoundDialog>()},
      {"text colours", OverTable<TextColoursDialog>()},
      {"card back", OverTable<CardBackDialog>()},
      {"background", OverTable([](TableFixture& f) {
         return std::make_unique<BackgroundDialog>(f.state, f.paths, nullptr, kDesignTable);
       })},
      {"members", OverTable([](TableFixture& f) {
         auto window = std::make_unique<SeatingDialog>(f.state, f.paths, f.random, *f.clock);
         window->Open(false);
         return window;
       })},
      {"groups", OverTable<GroupDialog>()},
      {"player parameters", OverTable([](TableFixture& f) {
         return std::make_unique<PlayerParametersDialog>(f.state, f.paths, 1, 2);
       })},
      {"statistics", OverTable<StatisticsDialog>()},
      {"hand result", OverTable([](TableFixture& f) {
         return std::make_unique<HandResultDialog>(f.state, HandResultView{}, [](const QString&, const QString&) {});
       })},
      {"match end", OverTable([](TableFixture& f) { return std::make_unique<MatchEndDialog>(f.state, SettlementView{}); })},
      {"match review", OverTable([](TableFixture& f) { return std::make_unique<MatchReviewDialog>(f.state); })},
  };
  return rows;
}

// The caption a menu item of the table shows.
QString Shown(const TableWindow& w, const char* action) { return Action(w, action)->text(); }

}  // namespace

class EnglishTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { gui::InstallLanguage(Language::Japanese); }

  void englishWindowsHoldNoJapanese_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < static_cast<int>(Windows().size()); ++i) QTest::newRow(Windows()[i].name) << i;
  }
  void englishWindowsHoldNoJapanese() {
    QFETCH(int, row);
    gui::InstallLanguage(Language::English);
    const QStringList left = Windows()[static_cast<std::size_t>(row)].untranslated();
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
    // The same window under Japanese shows what the check looks for.
    gui::InstallLanguage(Language::Japanese);
    QVERIFY(!Windows()[static_cast<std::size_t>(row)].untranslated().isEmpty());
  }

  // The same rows of the table in both languages: Japanese exactly as it
  // has always been, English with the same access keys.
  void captionsInEitherLanguage_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("newGame");
    QTest::addColumn<QString>("members");
    QTest::addColumn<QString>("drawTip");
    QTest::addColumn<QString>("about");
    QTest::newRow("Japanese") << false << "ぴるく" << "ｹﾞｰﾑ(&G ｹ)" << "新規ゲーム(&N ﾆ)..." << "ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更(&M ｸ)..."
                              << "ここをクリックすると、１枚引けます" << "ぴるく のﾊﾞｰｼﾞｮﾝ情報";
    QTest::newRow("English") << true << "Piruk" << "&Game" << "&New Game..." << "Groups and &Members..."
                             << "Click here to draw a card" << "About Piruk";
  }
  void captionsInEitherLanguage() {
    QFETCH(bool, english);
    QFETCH(QString, title);
    QFETCH(QString, game);
    QFETCH(QString, newGame);
    QFETCH(QString, members);
    QFETCH(QString, drawTip);
    QFETCH(QString, about);
    gui::InstallLanguage(english ? Language::English : Language::Japanese);
    TableFixture f;
    QCOMPARE(f.window->windowTitle(), title);
    QCOMPARE(Menu(*f.window, "gameMenu")->title(), game);
    QCOMPARE(Shown(*f.window, "newGameAction"), newGame);
    QCOMPARE(Shown(*f.window, "membersAction"), members);
    QCOMPARE(f.window->view().widgets().drawPile->toolTip(), drawTip);
    QCOMPARE(AboutDialog().windowTitle(), about);
  }

  // During a hand the seats, counts, scores and spoken names are English too.
  void tableDuringAHandInEnglish() {
    gui::InstallLanguage(Language::English);
    TableFixture f;
    f.window->show();
    ModalDriver driver([](QWidget* modal) { return AnswerAsPlayer(modal); });
    Action(*f.window, "newGameAction")->trigger();
    // The user's move: a turn, or the dealer's choice when the deal made the user dealer.
    QTRY_VERIFY_WITH_TIMEOUT(f.state.table.AwaitingUser &&
                                 (f.state.table.HandPhase == kHandInPlay || f.state.table.HandPhase == kHandOpening),
                             20000);
    const QStringList left = WithoutData(UntranslatedTexts(*f.window), DataOf(f.state));
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
    QVERIFY(f.window->windowTitle().startsWith(QStringLiteral("Piruk - Hand 1")));
  }

  // English sentences break only between words: every hint still shows whole.
  void everyHintFitsItsBoxInEnglish() {
    for (const Language language : {Language::Japanese, Language::English}) {
      gui::InstallLanguage(language);
      TableFixture f;
      f.window->show();
      QLabel* label = f.window->view().hints().refusal_label();
      for (int why = static_cast<int>(Refusal::NotYourTurn); why <= static_cast<int>(Refusal::ClaimTooLate); ++why) {
        f.window->view().hints().ShowRefusal(static_cast<Refusal>(why));
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
        QVERIFY2(!HasJapanese(label->text()) || language == Language::Japanese, qPrintable(label->text()));
      }
    }
  }

  void languageFollowsTheOptionsFileThenTheLocale_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("english");
    QTest::newRow("nothing kept, Japanese locale") << "" << "ja_JP" << false;
    QTest::newRow("nothing kept, English locale") << "" << "en_US" << true;
    QTest::newRow("nothing kept, French locale") << "" << "fr_FR" << true;
    QTest::newRow("en kept, Japanese locale") << "en" << "ja_JP" << true;
    QTest::newRow("ja kept, English locale") << "ja" << "en_GB" << false;
    QTest::newRow("unknown kept, English locale") << "de" << "en_GB" << true;
    QTest::newRow("unknown kept, Japanese locale") << " EN " << "ja_JP" << true;
  }
  void languageFollowsTheOptionsFileThenTheLocale() {
    QFETCH(QString, stored);
    QFETCH(QString, locale);
    QFETCH(bool, english);
    TempDir dir;
    const QString file = TableOptionsFile(QString::fromStdString(dir.path()));
    if (!stored.isEmpty()) QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("Window/Language"), stored);
    QCOMPARE(gui::ChosenLanguage(file, QLocale(locale)) == Language::English, english);
  }

  // The menu keeps the choice beside the table's other options, says when it
  // takes effect, and leaves the settings file alone.
  void theLanguageMenuKeepsTheChoice() {
    TableFixture f;
    const std::string settings_before = f.SettingsText();
    const QString file = TableOptionsFile(QString::fromStdString(f.paths.config_directory));
    QVERIFY(Action(*f.window, "japaneseAction")->isChecked());
    QString told;
    ModalDriver driver([&told](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (box == nullptr) return false;
      told = box->text();
      box->accept();
      return true;
    });
    Action(*f.window, "englishAction")->trigger();
    QTRY_VERIFY(!told.isEmpty());
    QVERIFY2(told.contains(QStringLiteral("English")), qPrintable(told));
    QVERIFY(Action(*f.window, "englishAction")->isChecked());
    QVERIFY(!Action(*f.window, "japaneseAction")->isChecked());
    QCOMPARE(gui::StoredLanguage(file), Language::English);
    // Another option saved later keeps the language.
    Action(*f.window, "fourColourDeckAction")->trigger();
    QTRY_VERIFY(LoadTableOptions(file).four_colour_deck);
    QCOMPARE(gui::StoredLanguage(file), Language::English);
    QCOMPARE(f.SettingsText(), settings_before);
    // Back to the language running now: nothing to wait for.
    told.clear();
    Action(*f.window, "japaneseAction")->trigger();
    QTRY_COMPARE(gui::StoredLanguage(file), Language::Japanese);
    QTRY_VERIFY(!told.isEmpty());
    QVERIFY(!told.contains(QStringLiteral("English")));
  }

  // Under English the help window opens the English page, and the Japanese
  // one while there is none.
  void helpPageFollowsTheLanguage() {
    TempDir dir;
    QDir(QString::fromStdString(dir.path())).mkpath(QStringLiteral("help/en"));
    const QString japanese = QString::fromStdString(dir.path()) + QStringLiteral("/help/index.html");
    const QString english = QString::fromStdString(dir.path()) + QStringLiteral("/help/en/index.html");
    gui::InstallLanguage(Language::English);
    QCOMPARE(HelpContentsPath(dir.path()), japanese);
    QFile page(english);
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    QCOMPARE(HelpContentsPath(dir.path()), english);
    gui::InstallLanguage(Language::Japanese);
    QCOMPARE(HelpContentsPath(dir.path()), japanese);
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<EnglishTest>();
#include "tst_english.moc"
