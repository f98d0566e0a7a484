#include "gui/rules/RuleAnalyser.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>
#include <random>

#include "config/SettingsStore.h"
#include "gui/common/Awaiting.h"
#include "gui/rules/FiguresChart.h"

namespace winpiruk {
namespace {

QString Thousands(long long count) { return QLocale(QLocale::English).toString(count); }

QString SizeCaption(const AnalysisSize& size) {
  return (size.whole_matches ? RuleAnalyser::tr("%1 試合") : RuleAnalyser::tr("%1 局")).arg(Thousands(size.count));
}

uint32_t FreshSeed() { return std::random_device{}() % 1000000000U + 1U; }

// "1,234 / 10,000 局   残り 12 秒" while a run goes.
QString ProgressCaption(long long done, long long total, bool whole_matches, qint64 elapsed_ms) {
  QString text = (whole_matches ? RuleAnalyser::tr("%1 / %2 試合") : RuleAnalyser::tr("%1 / %2 局"))
                     .arg(Thousands(done), Thousands(total));
  if (done > 0 && done < total) {
    const qint64 left = elapsed_ms * (total - done) / done / 1000 + 1;
    text += RuleAnalyser::tr("   残り %1 秒").arg(left);
  }
  return text;
}

}  // namespace

RuleAnalyser::RuleAnalyser(const GameState& state, const Settings& rules, const Settings& saved,
                           AnalysisRunFunction run, QWidget* parent)
    : CentredDialog(parent), state_(state), rules_(rules), saved_(saved) {
  setObjectName(QStringLiteral("RuleAnalyser"));
  setWindowTitle(tr("ﾙｰﾙ分析"));
  worker_ = new AnalysisWorker(std::move(run), this);
  progress_timer_ = new QTimer(this);
  progress_timer_->setInterval(100);
  connect(progress_timer_, &QTimer::timeout, this, &RuleAnalyser::ShowProgress);
  connect(worker_, &AnalysisWorker::Finished, this, &RuleAnalyser::ShowOutcomes);
  auto* chartRow = new QHBoxLayout;
  for (FiguresChart*& chart : charts) {
    chart = new FiguresChart(this);
    chartRow->addWidget(chart);
  }
  charts[0]->setObjectName(QStringLiteral("rulesChart"));
  charts[1]->setObjectName(QStringLiteral("comparedChart"));
  charts[1]->hide();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(BuildControls());
  layout->addLayout(chartRow, 1);
  SetRunning(false);
  resize(1000, 780);
}

RuleAnalyser::~RuleAnalyser() { runs_.StopAll(); }

QLabel* RuleAnalyser::Buddy(const QString& caption, QWidget* control) {
  auto* label = new QLabel(caption, this);
  label->setBuddy(control);
  return label;
}

QLayout* RuleAnalyser::BuildControls() {
  sizeList = new QComboBox(this);
  for (const AnalysisSize& size : kAnalysisSizes) sizeList->addItem(SizeCaption(size));
  sizeList->setCurrentIndex(1);
  seedBox = new QLineEdit(QString::number(FreshSeed()), this);
  seedBox->setValidator(new QIntValidator(0, 2147483647, seedBox));
  newSeedButton = new QPushButton(tr("新しいｼｰﾄﾞ(&N)"), this);
  connect(newSeedButton, &QPushButton::clicked, this, [this] { seedBox->setText(QString::number(FreshSeed())); });
  compareList = new QComboBox(this);
  compareList->addItems({tr("比較しない"), tr("保存されたﾙｰﾙと比較"), tr("ﾙｰﾙ設定ﾌｧｲﾙと比較...")});
  // A rule-set file to compare with is chosen in a window waited for in a run of the analyser's own.
  connect(compareList, &QComboBox::activated, this,
          [this](int index) { runs_.Start([this, index] { OnCompareChosen(index); }); });
  startButton = new QPushButton(tr("開始(&S)"), this);
  startButton->setDefault(true);
  cancelButton = new QPushButton(tr("中止(&C)"), this);
  closeButton = new QPushButton(tr("閉じる"), this);
  connect(startButton, &QPushButton::clicked, this, &RuleAnalyser::Start);
  connect(cancelButton, &QPushButton::clicked, worker_, &AnalysisWorker::Cancel);
  connect(closeButton, &QPushButton::clicked, this, &RuleAnalyser::reject);
  progressBar = new QProgressBar(this);
  progressBar->setTextVisible(false);
  progressLabel = new QLabel(this);
  progressLabel->setMinimumWidth(220);
  // Each control's objectName is its member's name, for the window's tests.
  const std::pair<QWidget*, const char*> names[] = {
      {sizeList, "sizeList"},         {seedBox, "seedBox"},         {newSeedButton, "newSeedButton"},
      {compareList, "compareList"},   {startButton, "startButton"}, {cancelButton, "cancelButton"},
      {closeButton, "closeButton"},   {progressBar, "progressBar"}, {progressLabel, "progressLabel"},
  };
  for (const auto& [control, name] : names) control->setObjectName(QString::fromLatin1(name));
  auto* choices = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{Buddy(tr("回数(&A)"), sizeList), sizeList,
                                                    Buddy(tr("ｼｰﾄﾞ(&E)"), seedBox), seedBox, newSeedButton,
                                                    Buddy(tr("比較(&K)"), compareList), compareList}) {
    choices->addWidget(w);
  }
  choices->addStretch(1);
  for (QWidget* w : std::initializer_list<QWidget*>{startButton, cancelButton, closeButton}) choices->addWidget(w);
  auto* progress = new QHBoxLayout;
  progress->addWidget(progressBar, 1);
  progress->addWidget(progressLabel);
  auto* rows = new QVBoxLayout;
  rows->addLayout(choices);
  rows->addLayout(progress);
  return rows;
}

analysis::Request RuleAnalyser::RequestFor(const Settings& rules) const {
  analysis::Request request;
  request.rules = rules;
  const AnalysisSize size = kAnalysisSizes[static_cast<std::size_t>(std::max(0, sizeList->currentIndex()))];
  request.whole_matches = size.whole_matches;
  request.count = size.count;
  request.seed = seedBox->text().toUInt();
  request.threads = 0;
  request.members_given = true;
  request.boldness = state_.match.Boldness;
  request.deduction = state_.match.Deduction;
  return request;
}

void RuleAnalyser::SetComparison(const Settings& rules, const QString& title) {
  compared_ = rules;
  compared_title_ = title;
}

void RuleAnalyser::OnCompareChosen(int index) {
  const auto choice = static_cast<CompareWith>(index);
  if (choice == CompareWith::Nothing) compared_.reset();
  if (choice == CompareWith::SavedRules) SetComparison(saved_, tr("保存されたﾙｰﾙ"));
  if (choice != CompareWith::RuleSetFile) return;
  QFileDialog chooser(this, tr("ﾙｰﾙ設定ﾌｧｲﾙを開く"), QString::fromStdString(state_.RuleSetDirectory),
                      tr("ﾙｰﾙ設定ﾌｧｲﾙ (*.prk);;すべてのﾌｧｲﾙ (*)"));
  chooser.setObjectName(QStringLiteral("compareFileChooser"));
  chooser.setAcceptMode(QFileDialog::AcceptOpen);
  chooser.setFileMode(QFileDialog::ExistingFile);
  const bool chosen = AwaitDialog(chooser) == QDialog::Accepted && !chooser.selectedFiles().isEmpty();
  const QString path = chosen ? chooser.selectedFiles().constFirst() : QString();
  Settings loaded = rules_;
  if (!path.isEmpty() && LoadSettingsFile(path.toStdString(), loaded)) {
    SetComparison(loaded, QFileInfo(path).fileName());
    return;
  }
  compared_.reset();
  compareList->setCurrentIndex(static_cast<int>(CompareWith::Nothing));
}

void RuleAnalyser::Start() {
  std::vector<analysis::Request> requests{RequestFor(rules_)};
  if (compared_) requests.push_back(RequestFor(*compared_));
  if (!worker_->Start(std::move(requests))) return;
  last_cancelled_ = false;
  for (FiguresChart* chart : charts) chart->Clear();
  charts[1]->setVisible(compared_.has_value());
  progressBar->setRange(0, 1000);
  progressBar->setValue(0);
  clock_.start();
  SetRunning(true);
  ShowProgress();
}

void RuleAnalyser::ShowProgress() {
  const long long total = std::max(1LL, worker_->Total());
  const long long done = std::min(worker_->Done(), total);
  progressBar->setValue(static_cast<int>(done * 1000 / total));
  const bool matches = kAnalysisSizes[static_cast<std::size_t>(std::max(0, sizeList->currentIndex()))].whole_matches;
  progressLabel->setText(ProgressCaption(done, total, matches, clock_.elapsed()));
}

void RuleAnalyser::ShowOutcomes() {
  SetRunning(false);
  const std::vector<analysis::Outcome>& outcomes = worker_->Outcomes();
  last_cancelled_ = false;
  for (const analysis::Outcome& outcome : outcomes) last_cancelled_ = last_cancelled_ || outcome.cancelled;
  const std::array<QString, kSeats> seats = SeatNames();
  if (!outcomes.empty()) charts[0]->Show(tr("画面のﾙｰﾙ"), rules_, outcomes[0].figures, seats);
  if (outcomes.size() > 1) charts[1]->Show(compared_title_, *compared_, outcomes[1].figures, seats);
  ShowProgress();
  if (last_cancelled_) progressLabel->setText(progressLabel->text() + QStringLiteral("   ") + tr("中止しました"));
}

void RuleAnalyser::SetRunning(bool running) {
  if (running) {
    progress_timer_->start();
  } else {
    progress_timer_->stop();
  }
  startButton->setEnabled(!running);
  cancelButton->setEnabled(running);
  sizeList->setEnabled(!running);
  seedBox->setEnabled(!running);
  newSeedButton->setEnabled(!running);
  compareList->setEnabled(!running);
}

std::array<QString, kSeats> RuleAnalyser::SeatNames() const {
  std::array<QString, kSeats> names;
  for (int seat = 0; seat < kSeats; ++seat) {
    names[seat] = QString::fromStdString(state_.match.SeatName[seat]);
    if (names[seat].isEmpty()) names[seat] = tr("席%1").arg(seat + 1);
  }
  names[0] += tr("(自動)");
  return names;
}

void RuleAnalyser::done(int result) {
  // A run still going is cancelled and waited for before the window goes.
  worker_->Stop();
  progress_timer_->stop();
  CentredDialog::done(result);
}

void OpenRuleAnalyser(QWidget* parent, const GameState& state, const Settings& rules, const Settings& saved) {
  RuleAnalyser window(state, rules, saved, analysis::Run, parent);
  AwaitDialog(window);
}

}  // namespace winpiruk
