// The rule, rule-set, analyser, appearance and sound windows under the
// English translation, and the Japanese of their composed texts without it.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "Controls.h"
#include "WindowSuites.h"
#include "gui/appearance/BackgroundDialog.h"
#include "gui/appearance/CardBackDialog.h"
#include "gui/appearance/SoundDialog.h"
#include "gui/appearance/TextColoursDialog.h"
#include "gui/common/Language.h"
#include "gui/rules/FiguresChart.h"
#include "gui/rules/OpenRuleSetDialog.h"
#include "gui/rules/RuleAnalyser.h"
#include "gui/rules/RulesDialog.h"
#include "gui/rules/SaveRuleSetDialog.h"
#include "support/RulePlace.h"

using namespace winpiruk;

namespace {

struct Shown {
  const char* what;
  QString text;
  QString expected;
};

void CompareAll(const std::vector<Shown>& shown) {
  for (const Shown& s : shown)
    QVERIFY2(s.text == s.expected, qPrintable(QStringLiteral("%1: \"%2\"").arg(QLatin1String(s.what), s.text)));
}

QString Item(const QComboBox* list, int index) { return list->itemText(index); }

}  // namespace

class RuleWindowsEnglishTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("SDL_AUDIODRIVER", "dummy"); }

  // Texts put together from parts read, without a translation, as they
  // always have.
  void composedTextsReadAsBeforeInJapanese() {
    test::RulePlace place;
    RuleAnalyser analyser(place.state, place.state.settings, place.state.settings);
    const auto* sizes = test::Control<QComboBox>(analyser, QStringLiteral("sizeList"));
    SoundDialog sound(place.state, place.paths);
    const QString file_caption = QStringLiteral("ﾌｧｲﾙ名 : ");
    const std::vector<Shown> shown = {
        {"size of a run of hands", Item(sizes, 1), QStringLiteral("10,000 局")},
        {"size of a run of matches", Item(sizes, 5), QStringLiteral("10,000 試合")},
        {"effect file",
         test::Control<QLabel>(sound, QStringLiteral("effectFileLabel"))->text().left(file_caption.size()),
         file_caption},
        {"event", test::Control<QListWidget>(sound, QStringLiteral("eventList"))->item(3)->text(),
         QStringLiteral("10枚オーバー")},
        {"chart legend", SpecialRankMarks(place.state.settings)[place.state.settings.SkipCard],
         QStringLiteral("ｽｷｯﾌﾟ")},
    };
    CompareAll(shown);
  }

  void windowsComeOutInEnglish() {
    gui::InstallLanguage(gui::Language::English);

    test::RulePlace place;
    RulesDialog rules(place.state, place.paths, RuleWindowHooks{[] { return QSize(541, 359); }, {}});
    RuleAnalyser analyser(place.state, place.state.settings, place.state.settings);
    SaveRuleSetDialog save(place.state);
    OpenRuleSetDialog open(place.state, {});
    SoundDialog sound(place.state, place.paths);
    TextColoursDialog colours(place.state, place.paths);
    CardBackDialog backs(place.state, place.paths);
    BackgroundDialog background(place.state, place.paths, {}, QSize(541, 359));
    const std::vector<Shown> shown = {
        {"rule window", rules.windowTitle(), QStringLiteral("Piruk - Rule Settings")},
        {"rule label", test::Control<QLabel>(rules, QStringLiteral("skipCardLabel"))->text(),
         QStringLiteral("Skip &card")},
        {"card choice", Item(test::Control<QComboBox>(rules, QStringLiteral("skipCardList")), 1), QStringLiteral("A")},
        {"speed choice", Item(test::Control<QComboBox>(rules, QStringLiteral("speedList")), 3),
         QStringLiteral("Very fast")},
        {"expander", test::Control<QPushButton>(rules, QStringLiteral("moreButton"))->text(),
         QStringLiteral("More &settings >>")},
        {"table size", test::Control<QLabel>(rules, QStringLiteral("tableSizePanel"))->text(),
         QStringLiteral("  Table size = ( 541 x 359 )")},
        {"grace time", GraceTimeUnitText(15), QStringLiteral("× 0.1 s (1.5 s)")},
        {"analyser", analyser.windowTitle(), QStringLiteral("Rule Analyser")},
        {"run size", Item(test::Control<QComboBox>(analyser, QStringLiteral("sizeList")), 3),
         QStringLiteral("100 matches")},
        {"chart ending", EndingCaption(analysis::Ending::DiscardFinish), QStringLiteral("Discard-Out")},
        {"save window", save.windowTitle(), QStringLiteral("Piruk - Save Rule Set")},
        {"open window", open.windowTitle(), QStringLiteral("Piruk - Open Rule Set")},
        {"sound window", sound.windowTitle(), QStringLiteral("Piruk - Sound")},
        {"sound event", test::Control<QListWidget>(sound, QStringLiteral("eventList"))->item(1)->text(),
         QStringLiteral("Counter-Piruk")},
        {"volume frame", test::Control<QGroupBox>(sound, QStringLiteral("volumeFrame"))->title(),
         QStringLiteral("Volume")},
        {"text item", test::Control<QLabel>(colours, QStringLiteral("sampleLabel0"))->text(),
         QStringLiteral("Player names")},
        {"closing button", test::Control<QPushButton>(colours, QStringLiteral("cancelButton"))->text(),
         QStringLiteral("Cancel")},
        {"card back window", backs.windowTitle(), QStringLiteral("Piruk - Card Back")},
        {"background window", background.windowTitle(), QStringLiteral("Piruk - Table Background")},
    };
    gui::InstallLanguage(gui::Language::Japanese);
    CompareAll(shown);
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<RuleWindowsEnglishTest>();
#include "tst_rule_windows_english.moc"
