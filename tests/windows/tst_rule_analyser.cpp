// The rule analyser: opened from the rule window with the rules on screen,
// a run against a direct analysis, cancelling, closing while it runs, the
// comparison's second column and the marks of the special ranks.
#include <QComboBox>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <chrono>
#include <fstream>
#include <thread>

#include "AccessibleControls.h"
#include "WindowSuites.h"
#include "config/SafeFile.h"
#include "config/SettingsStore.h"
#include "gui/rules/FiguresChart.h"
#include "gui/rules/RulesDialog.h"
#include "gui/rules/RuleAnalyser.h"
#include "Controls.h"
#include "RunToEnd.h"
#include "TableFixture.h"
#include "support/RulePlace.h"
#include "gui/common/QtSettingsHost.h"

using namespace winpiruk;

namespace {

// Fills figures from the request alone, so that the same request gives the
// same figures; a run of 100,000 takes long enough to be cancelled.
struct FakeRun {
  std::shared_ptr<std::vector<uint32_t>> seeds = std::make_shared<std::vector<uint32_t>>();
  std::shared_ptr<std::atomic<bool>> returned = std::make_shared<std::atomic<bool>>(false);

  analysis::Outcome operator()(const analysis::Request& r, const std::atomic<bool>& cancel,
                               analysis::Progress* progress) const {
    seeds->push_back(r.seed);
    analysis::Outcome outcome;
    analysis::Figures& f = outcome.figures;
    for (long long i = 0; i < r.count && !outcome.cancelled; ++i) {
      if (cancel) {
        outcome.cancelled = true;
        break;
      }
      ++f.hands;
      ++f.endings[static_cast<std::size_t>((r.seed + i * r.rules.SkipCard) % 6)];
      f.turns += 8 + i % 9;
      ++f.hand_length[analysis::LengthBin(8 + i % 9)];
      f.points_by_seat[i % kSeats] += i % 3 == 0 ? -30 : 10;
      ++f.discards_by_rank[1 + i % 13];
      if (progress != nullptr) ++progress->done;
      if (r.count >= 100000) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    *returned = true;
    return outcome;
  }
};

using Place = test::RulePlace;

RuleAnalyser* OpenAnalyser() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* analyser = qobject_cast<RuleAnalyser*>(w); analyser != nullptr && analyser->isVisible()) return analyser;
  }
  return nullptr;
}

void RunToTheEnd(RuleAnalyser& window, int size, const QString& seed) {
  test::Control<QComboBox>(window, "sizeList")->setCurrentIndex(size);
  test::Control<QLineEdit>(window, "seedBox")->setText(seed);
  test::Control<QPushButton>(window, "startButton")->click();
  QTRY_VERIFY_WITH_TIMEOUT(!window.Worker().Running() && test::Control<QPushButton>(window, "startButton")->isEnabled(), 120000);
}

template <std::size_t N>
QJsonArray JsonList(const std::array<long long, N>& values, std::size_t from = 0) {
  QJsonArray list;
  for (std::size_t i = from; i < N; ++i) list.append(static_cast<qint64>(values[i]));
  return list;
}

// The figures as the runner's JSON spells them.
QJsonObject RunnerFigures(const analysis::Figures& f) {
  const char* names[] = {"call", "counter_call", "discard_finish", "card_over", "no_game", "initial_match", "other"};
  QJsonObject endings;
  for (int e = 0; e < analysis::kEndings; ++e) endings[names[e]] = static_cast<qint64>(f.endings[e]);
  QJsonObject figures;
  figures["endings"] = endings;
  figures["turns"] = static_cast<qint64>(f.turns);
  figures["hand_length"] = JsonList(f.hand_length);
  figures["hand_points_by_seat"] = JsonList(f.points_by_seat);
  figures["discards_by_rank"] = JsonList(f.discards_by_rank, 1);
  return figures;
}

}  // namespace

class RuleAnalyserTest : public QObject {
  Q_OBJECT

 private slots:
  void opensFromTheRuleWindowWithTheRulesOnScreenAndMatchesADirectRun() {
    Place place;
    RulesDialog rules_window(place.state, place.paths, RuleWindowHooks{[] { return QSize(541, 359); }, {}});
    test::Control<QComboBox>(rules_window, "skipCardList")->setCurrentIndex(5);  // skip card 5, not yet stored
    test::Control<QComboBox>(rules_window, "reverseCardList")->setCurrentIndex(12);
    Settings seen;
    analysis::Request request;
    analysis::Figures shown;
    QTimer::singleShot(0, [&] {
      RuleAnalyser* window = OpenAnalyser();
      QVERIFY(window != nullptr);
      seen = window->Rules();
      RunToTheEnd(*window, 0, QStringLiteral("4242"));
      request = window->RequestFor(window->Rules());
      shown = test::Control<FiguresChart>(window, "rulesChart")->Shown();
      window->reject();
    });
    test::Control<QPushButton>(rules_window, "analyseButton")->click();
    QVERIFY(test::NothingWaits(150000));
    QCOMPARE(seen.SkipCard, 5);
    QCOMPARE(seen.InverseCard, 12);
    QCOMPARE(place.state.settings.SkipCard, DefaultSettings("").SkipCard);  // nothing stored
    QCOMPARE(request.count, 1000LL);
    QCOMPARE(request.seed, 4242U);
    QCOMPARE(request.threads, 0);
    std::atomic<bool> cancel{false};
    QVERIFY(analysis::Run(request, cancel).figures == shown);
  }

  void theRunnerReportsTheSameFiguresForTheSeedAndRules() {
    Place place;
    constexpr uint32_t kSeed = 4242;
    // The members the runner makes from its seed.
    for (int seat = 1; seat < kSeats; ++seat) {
      place.state.match.Boldness[seat] = static_cast<int16_t>((kSeed + 2U * seat) % 6U);
      place.state.match.Deduction[seat] = static_cast<int16_t>((kSeed + 3U * seat) % 6U);
    }
    GameState changed = place.state;
    changed.settings.SkipCard = 5;
    changed.settings.InverseCard = 12;
    RuleAnalyser window(place.state, changed.settings, place.state.settings);
    window.show();
    RunToTheEnd(window, 0, QString::number(kSeed));
    const std::string rules_file = place.root.File("changed.prk");
    QtSettingsHost host(&window);
    QVERIFY(WriteRuleSet(changed, rules_file, host));

    QProcess runner;
    runner.start(qEnvironmentVariable("WINPIRUK_RUNNER"),
                 {"--hands", "1000", "--seed", QString::number(kSeed), "--rules", QString::fromStdString(rules_file),
                  "--figures", "--json"});
    QVERIFY(runner.waitForFinished(120000));
    if (runner.exitCode() != 0) QSKIP("this runner reports no figures");
    const QJsonObject report = QJsonDocument::fromJson(runner.readAllStandardOutput()).object();
    QCOMPARE(report["hands"].toInteger(), test::Control<FiguresChart>(window, "rulesChart")->Shown().hands);
    const QJsonObject figures = report["figures"].toObject();
    const QJsonObject expected = RunnerFigures(test::Control<FiguresChart>(window, "rulesChart")->Shown());
    for (const QString& key : expected.keys()) QCOMPARE(figures[key], expected[key]);
  }

  void theMenuOpensItForTheSavedRulesAndTheSeatsMembers() {
    test::TableFixture table([](GameState& state) {
      state.settings.SkipCard = 6;
      state.match.Boldness = {0, 5, 1, 3};
      state.match.Deduction = {0, 2, 4, 0};
    });
    Settings seen;
    analysis::Request request;
    QTimer::singleShot(0, [&] {
      RuleAnalyser* window = OpenAnalyser();
      QVERIFY(window != nullptr);
      seen = window->Rules();
      request = window->RequestFor(seen);
      window->reject();
    });
    test::Action(*table.window, "analyserAction")->trigger();
    QVERIFY(test::NothingWaits());
    QCOMPARE(seen.SkipCard, 6);
    QVERIFY(request.members_given);
    QCOMPARE(request.boldness, table.state.match.Boldness);
    QCOMPARE(request.deduction, table.state.match.Deduction);
  }

  void cancellingALongRunEndsItMarkedCancelled() {
    // The fake is cancelled once it has begun; the real run at once, long
    // before 100,000 hands could be played.
    const std::pair<AnalysisRunFunction, bool> runs[] = {{FakeRun{}, true}, {analysis::Run, false}};
    for (const auto& [run, wait_for_progress] : runs) {
      Place place;
      RuleAnalyser window(place.state, place.state.settings, place.state.settings, run);
      window.show();
      test::Control<QComboBox>(window, "sizeList")->setCurrentIndex(2);
      QCOMPARE(window.RequestFor(window.Rules()).count, 100000LL);
      test::Control<QPushButton>(window, "startButton")->click();
      QVERIFY(!test::Control<QPushButton>(window, "startButton")->isEnabled());
      if (wait_for_progress) QTRY_VERIFY(window.Worker().Done() > 0);
      test::Control<QPushButton>(window, "cancelButton")->click();
      QTRY_VERIFY_WITH_TIMEOUT(test::Control<QPushButton>(window, "startButton")->isEnabled(), 60000);
      QVERIFY(window.LastRunCancelled());
      QVERIFY(window.Worker().Done() < 100000);
      QVERIFY(test::Control<QLabel>(window, "progressLabel")->text().contains(QStringLiteral("中止")));
    }
  }

  void closingWhileRunningCancelsAndWaits() {
    Place place;
    FakeRun fake;
    RuleAnalyser window(place.state, place.state.settings, place.state.settings, fake);
    window.show();
    test::Control<QComboBox>(window, "sizeList")->setCurrentIndex(2);
    test::Control<QPushButton>(window, "startButton")->click();
    QTRY_VERIFY(window.Worker().Done() > 0);
    window.close();
    QVERIFY(*fake.returned);
    QVERIFY(!window.Worker().Running());
  }

  void comparisonShowsTwoColumnsPlayedFromOneSeed() {
    Place place;
    FakeRun fake;
    Settings changed = place.state.settings;
    changed.SkipCard = 4;
    RuleAnalyser window(place.state, changed, place.state.settings, fake);
    window.show();
    QVERIFY(test::NamelessControls(window).isEmpty());
    QCOMPARE(test::AccessibleName(test::Control<QLineEdit>(window, "seedBox")), QStringLiteral("ｼｰﾄﾞ(E)"));
    QCOMPARE(test::LabelledBy(test::Control<QComboBox>(window, "compareList")), QStringLiteral("比較(K)"));
    RunToTheEnd(window, 1, QStringLiteral("99"));
    QVERIFY(test::Control<FiguresChart>(window, "comparedChart")->isHidden());
    test::Control<QComboBox>(window, "compareList")->setCurrentIndex(static_cast<int>(CompareWith::SavedRules));
    emit test::Control<QComboBox>(window, "compareList")->activated(static_cast<int>(CompareWith::SavedRules));
    RunToTheEnd(window, 1, QStringLiteral("99"));
    QVERIFY(test::Control<FiguresChart>(window, "comparedChart")->isVisible());
    QCOMPARE(*fake.seeds, (std::vector<uint32_t>{99, 99, 99}));
    const analysis::Figures& left = test::Control<FiguresChart>(window, "rulesChart")->Shown();
    const analysis::Figures& right = test::Control<FiguresChart>(window, "comparedChart")->Shown();
    QCOMPARE(left.hands, 10000LL);
    QCOMPARE(right.hands, 10000LL);
    QVERIFY(left.endings != right.endings);  // the skip card changes the fake's endings
    QVERIFY(test::Control<FiguresChart>(window, "rulesChart")->Title() != test::Control<FiguresChart>(window, "comparedChart")->Title());
    QVERIFY(!window.LastRunCancelled());
  }

  // A rule-set file to compare with is chosen in a file window over the
  // analyser; a cancelled choice compares with nothing.
  void aRuleSetFileToCompareWithIsChosenOverTheAnalyser() {
    Place place;
    FakeRun fake;
    const std::string file = place.root.File("other.prk");
    QVERIFY(WriteFileAtomically(file, "SkipCard = 3\r\n"));
    place.state.RuleSetDirectory = place.root.path();
    RuleAnalyser window(place.state, place.state.settings, place.state.settings, fake);
    window.show();
    auto* compare = test::Control<QComboBox>(window, "compareList");
    for (const bool chosen : {false, true}) {
      QString title;
      QWidget* over = nullptr;
      test::WhenModalAppears([&](QWidget* modal) {
        auto* chooser = qobject_cast<QFileDialog*>(modal);
        if (chooser == nullptr) return;
        title = chooser->windowTitle();
        over = chooser->parentWidget();
        if (chosen) {
          // The name typed, then the open button.
          test::Control<QLineEdit>(*chooser, "fileNameEdit")->setText(QString::fromStdString(file));
          static_cast<QDialog*>(chooser)->accept();
        } else {
          chooser->reject();
        }
      });
      compare->setCurrentIndex(static_cast<int>(CompareWith::RuleSetFile));
      emit compare->activated(static_cast<int>(CompareWith::RuleSetFile));
      QVERIFY(test::NothingWaits());
      QCOMPARE(title, QStringLiteral("ﾙｰﾙ設定ﾌｧｲﾙを開く"));
      QCOMPARE(over, &window);
      QCOMPARE(compare->currentIndex(), static_cast<int>(chosen ? CompareWith::RuleSetFile : CompareWith::Nothing));
    }
    RunToTheEnd(window, 1, QStringLiteral("7"));
    QVERIFY(test::Control<FiguresChart>(window, "comparedChart")->isVisible());
    QCOMPARE(test::Control<FiguresChart>(window, "comparedChart")->Title(), QStringLiteral("other.prk"));
  }

  void theSpecialRanksAreMarked() {
    Settings rules = DefaultSettings("");
    struct Case {
      int16_t skip, penalty, inverse, more;
      int rank;
      QString mark;
    };
    const Case cases[] = {
        {1, 2, 9, 8, 1, QStringLiteral("ｽｷｯﾌﾟ")},      {1, 2, 9, 8, 2, QStringLiteral("ﾄﾞﾛｰ")},
        {1, 2, 9, 8, 9, QStringLiteral("ﾘﾊﾞｰｽ")},      {1, 2, 9, 8, 8, QStringLiteral("ﾓｱ")},
        {1, 2, 9, 8, 5, QString()},                    {4, 0, 4, 0, 4, QStringLiteral("ｽｷｯﾌﾟ・ﾘﾊﾞｰｽ")},
        {0, 0, 0, 0, 1, QString()},
    };
    for (const Case& c : cases) {
      rules.SkipCard = c.skip;
      rules.PenaltyCard = c.penalty;
      rules.InverseCard = c.inverse;
      rules.MoreDropCard = c.more;
      QCOMPARE(SpecialRankMarks(rules)[c.rank], c.mark);
    }
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<RuleAnalyserTest>();
#include "tst_rule_analyser.moc"
