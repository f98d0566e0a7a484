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
#include <random>

#include "config/SettingsStore.h"
#include "gui/rules/FiguresChart.h"

namespace winpiruk {
namespace {

QString SizeCaption(const AnalysisSize& size) {
  return QLocale(QLocale::English).toString(size.count) + (size.whole_matches ? QStringLiteral(" 試合") : QStringLiteral(" 局"));
}

uint32_t FreshSeed() { return std::random_device{}() % 1000000000U + 1U; }

// "1,234 / 10,000 局  残り 12 秒" while a run goes.
QString ProgressCaption(long long done, long long total, const QString& unit, qint64 elapsed_ms) {
  QString text = QLocale(QLocale::English).toString(done) + QStringLiteral(" / ") +
                 QLocale(QLocale::English).toString(total) + unit;
  if (done > 0 && done < total) {
    const qint64 left = elapsed_ms * (total - done) / done / 1000 + 1;
    text += QStringLiteral("   残り ") + QString::number(left) + QStringLiteral(" 秒");
  }
  return text;
}

}  // namespace

RuleAnalyser::RuleAnalyser(const GameState& state, const Settings& rules, const Settings& saved,
                           AnalysisRunFunction run, QWidget* parent)
    : CentredDialog(parent), state_(state), rules_(rules), saved_(saved) {
  setObjectName(QStringLiteral("RuleAnalyser"));
  setWindowTitle(QStringLiteral("ﾙｰﾙ分析"));
  worker_ = new AnalysisWorker(std::move(run), this);
  progress_timer_ = new QTimer(this);
  progress_timer_->setInterval(100);
  connect(progress_timer_, &QTimer::timeout, this, &RuleAnalyser::ShowProgress);
  connect(worker_, &AnalysisWorker::Finished, this, &RuleAnalyser::ShowOutcomes);
  auto* charts = new QHBoxLayout;
  for (FiguresChart*& chart : Charts) {
    chart = new FiguresChart(this);
    charts->addWidget(chart);
  }
  Charts[1]->hide();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(BuildControls());
  layout->addLayout(charts, 1);
  SetRunning(false);
  resize(1000, 780);
}

QLabel* RuleAnalyser::Buddy(const QString& caption, QWidget* control) {
  auto* label = new QLabel(caption, this);
  label->setBuddy(control);
  return label;
}

QLayout* RuleAnalyser::BuildControls() {
  SizeChoice = new QComboBox(this);
  for (const AnalysisSize& size : kAnalysisSizes) SizeChoice->addItem(SizeCaption(size));
  SizeChoice->setCurrentIndex(1);
  SeedText = new QLineEdit(QString::number(FreshSeed()), this);
  SeedText->setValidator(new QIntValidator(0, 2147483647, SeedText));
  NewSeed = new QPushButton(QStringLiteral("新しいｼｰﾄﾞ(&N)"), this);
  connect(NewSeed, &QPushButton::clicked, this, [this] { SeedText->setText(QString::number(FreshSeed())); });
  CompareChoice = new QComboBox(this);
  CompareChoice->addItems({QStringLiteral("比較しない"), QStringLiteral("保存されたﾙｰﾙと比較"),
                           QStringLiteral("ﾙｰﾙ設定ﾌｧｲﾙと比較...")});
  connect(CompareChoice, &QComboBox::activated, this, &RuleAnalyser::OnCompareChosen);
  StartButton = new QPushButton(QStringLiteral("開始(&S)"), this);
  StartButton->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("中止(&C)"), this);
  CloseButton = new QPushButton(QStringLiteral("閉じる"), this);
  connect(StartButton, &QPushButton::clicked, this, &RuleAnalyser::Start);
  connect(CancelButton, &QPushButton::clicked, worker_, &AnalysisWorker::Cancel);
  connect(CloseButton, &QPushButton::clicked, this, &RuleAnalyser::reject);
  Progress = new QProgressBar(this);
  Progress->setTextVisible(false);
  ProgressText = new QLabel(this);
  ProgressText->setMinimumWidth(220);
  auto* choices = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{Buddy(QStringLiteral("回数(&A)"), SizeChoice), SizeChoice,
                                                    Buddy(QStringLiteral("ｼｰﾄﾞ(&E)"), SeedText), SeedText, NewSeed,
                                                    Buddy(QStringLiteral("比較(&K)"), CompareChoice), CompareChoice}) {
    choices->addWidget(w);
  }
  choices->addStretch(1);
  for (QWidget* w : std::initializer_list<QWidget*>{StartButton, CancelButton, CloseButton}) choices->addWidget(w);
  auto* progress = new QHBoxLayout;
  progress->addWidget(Progress, 1);
  progress->addWidget(ProgressText);
  auto* rows = new QVBoxLayout;
  rows->addLayout(choices);
  rows->addLayout(progress);
  return rows;
}

analysis::Request RuleAnalyser::RequestFor(const Settings& rules) const {
  analysis::Request request;
  request.rules = rules;
  const AnalysisSize size = kAnalysisSizes[static_cast<std::size_t>(std::max(0, SizeChoice->currentIndex()))];
  request.whole_matches = size.whole_matches;
  request.count = size.count;
  request.seed = SeedText->text().toUInt();
  request.threads = 0;
  request.members_given = true;
  request.boldness = state_.Boldness;
  request.deduction = state_.Deduction;
  return request;
}

void RuleAnalyser::SetComparison(const Settings& rules, const QString& title) {
  compared_ = rules;
  compared_title_ = title;
}

void RuleAnalyser::OnCompareChosen(int index) {
  const auto choice = static_cast<CompareWith>(index);
  if (choice == CompareWith::Nothing) compared_.reset();
  if (choice == CompareWith::SavedRules) SetComparison(saved_, QStringLiteral("保存されたﾙｰﾙ"));
  if (choice != CompareWith::RuleSetFile) return;
  const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("ﾙｰﾙ設定ﾌｧｲﾙを開く"),
                                                    QString::fromStdString(state_.RuleSetDirectory),
                                                    QStringLiteral("ﾙｰﾙ設定ﾌｧｲﾙ (*.prk);;すべてのﾌｧｲﾙ (*)"));
  Settings loaded = rules_;
  if (!path.isEmpty() && LoadSettingsFile(path.toStdString(), loaded)) {
    SetComparison(loaded, QFileInfo(path).fileName());
    return;
  }
  compared_.reset();
  CompareChoice->setCurrentIndex(static_cast<int>(CompareWith::Nothing));
}

void RuleAnalyser::Start() {
  std::vector<analysis::Request> requests{RequestFor(rules_)};
  if (compared_) requests.push_back(RequestFor(*compared_));
  if (!worker_->Start(std::move(requests))) return;
  last_cancelled_ = false;
  for (FiguresChart* chart : Charts) chart->Clear();
  Charts[1]->setVisible(compared_.has_value());
  Progress->setRange(0, 1000);
  Progress->setValue(0);
  clock_.start();
  SetRunning(true);
  ShowProgress();
}

void RuleAnalyser::ShowProgress() {
  const long long total = std::max(1LL, worker_->Total());
  const long long done = std::min(worker_->Done(), total);
  Progress->setValue(static_cast<int>(done * 1000 / total));
  const bool matches = kAnalysisSizes[static_cast<std::size_t>(std::max(0, SizeChoice->currentIndex()))].whole_matches;
  ProgressText->setText(
      ProgressCaption(done, total, matches ? QStringLiteral(" 試合") : QStringLiteral(" 局"), clock_.elapsed()));
}

void RuleAnalyser::ShowOutcomes() {
  SetRunning(false);
  const std::vector<analysis::Outcome>& outcomes = worker_->Outcomes();
  last_cancelled_ = false;
  for (const analysis::Outcome& outcome : outcomes) last_cancelled_ = last_cancelled_ || outcome.cancelled;
  const std::array<QString, kSeats> seats = SeatNames();
  if (!outcomes.empty()) Charts[0]->Show(QStringLiteral("画面のﾙｰﾙ"), rules_, outcomes[0].figures, seats);
  if (outcomes.size() > 1) Charts[1]->Show(compared_title_, *compared_, outcomes[1].figures, seats);
  ShowProgress();
  if (last_cancelled_) ProgressText->setText(ProgressText->text() + QStringLiteral("   中止しました"));
}

void RuleAnalyser::SetRunning(bool running) {
  if (running) {
    progress_timer_->start();
  } else {
    progress_timer_->stop();
  }
  StartButton->setEnabled(!running);
  CancelButton->setEnabled(running);
  SizeChoice->setEnabled(!running);
  SeedText->setEnabled(!running);
  NewSeed->setEnabled(!running);
  CompareChoice->setEnabled(!running);
}

std::array<QString, kSeats> RuleAnalyser::SeatNames() const {
  std::array<QString, kSeats> names;
  for (int seat = 0; seat < kSeats; ++seat) {
    names[seat] = QString::fromStdString(state_.SeatName[seat]);
    if (names[seat].isEmpty()) names[seat] = QStringLiteral("席%1").arg(seat + 1);
  }
  names[0] += QStringLiteral("(自動)");
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
  window.exec();
}

}  // namespace winpiruk
