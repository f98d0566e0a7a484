#pragma once
// The rule analyser "ﾙｰﾙ分析": plays many hands or matches under the rules
// given (and, to compare, a second set) with the same seed on every core,
// off the window thread, and draws what they show.
#include <QElapsedTimer>
#include <array>
#include <optional>

#include "gui/rules/AnalysisWorker.h"
#include "state/GameState.h"
#include "gui/common/CentredDialog.h"
#include "gui/common/WindowRuns.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace winpiruk {

class FiguresChart;

// One size of run: hands, or whole matches.
struct AnalysisSize {
  bool whole_matches = false;
  long long count = 0;
};
inline constexpr std::array<AnalysisSize, 6> kAnalysisSizes = {
    {{false, 1000}, {false, 10000}, {false, 100000}, {true, 100}, {true, 1000}, {true, 10000}}};

// The positions of the comparison list.
enum class CompareWith { Nothing = 0, SavedRules = 1, RuleSetFile = 2 };

class RuleAnalyser : public CentredDialog {
  Q_OBJECT

 public:
  // `rules` are analysed; `saved` is what "the saved rules" compares with.
  RuleAnalyser(const GameState& state, const Settings& rules, const Settings& saved,
               AnalysisRunFunction run = analysis::Run, QWidget* parent = nullptr);
  ~RuleAnalyser() override;

  const Settings& Rules() const { return rules_; }
  // The request the Start button makes for `rules`.
  analysis::Request RequestFor(const Settings& rules) const;
  // A rule set to compare with, as the file choice sets it.
  void SetComparison(const Settings& rules, const QString& title);
  const AnalysisWorker& Worker() const { return *worker_; }
  bool LastRunCancelled() const { return last_cancelled_; }

 public slots:
  void done(int result) override;

 private:
  QLayout* BuildControls();
  QLabel* Buddy(const QString& caption, QWidget* control);
  void Start();
  void OnCompareChosen(int index);
  void ShowProgress();
  void ShowOutcomes();
  void SetRunning(bool running);
  std::array<QString, kSeats> SeatNames() const;

  QComboBox* sizeList = nullptr;
  QLineEdit* seedBox = nullptr;
  QPushButton* newSeedButton = nullptr;
  QComboBox* compareList = nullptr;
  QPushButton* startButton = nullptr;
  QPushButton* cancelButton = nullptr;
  QPushButton* closeButton = nullptr;
  QProgressBar* progressBar = nullptr;
  QLabel* progressLabel = nullptr;
  std::array<FiguresChart*, 2> charts{};  // "rulesChart", "comparedChart"

  const GameState& state_;
  Settings rules_;
  Settings saved_;
  std::optional<Settings> compared_;
  QString compared_title_;
  AnalysisWorker* worker_ = nullptr;
  QTimer* progress_timer_ = nullptr;
  QElapsedTimer clock_;
  bool last_cancelled_ = false;
  WindowRuns runs_;  // the comparison's wait for its file window
};

// Opens the analyser, window-modal over `parent`, and waits for it inside a
// run (see Awaiting.h).
void OpenRuleAnalyser(QWidget* parent, const GameState& state, const Settings& rules, const Settings& saved);

}  // namespace winpiruk
