#include "gui/members/PlayerParametersDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QHBoxLayout>
#include <QSlider>

#include "config/NumberText.h"
#include "members/PointsText.h"
#include "scoring/MemberFiles.h"
#include "gui/common/EnterKey.h"
#include "gui/common/SpokenNames.h"
#include "gui/common/HelpKey.h"
#include "gui/common/Messages.h"
#include "gui/common/OkButtonBox.h"
#include "gui/common/WindowPlacement.h"

namespace winpiruk {
namespace {

constexpr int kParameterMax = 5;

QString Blanked(long long value) { return QString::fromStdString(NumberText(value)); }

QLabel* Caption(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

// A figure beside its bar, wide enough for two digits.
QLabel* Figure(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setMinimumWidth(parent->fontMetrics().horizontalAdvance(QStringLiteral(" 00")));
  return label;
}

// A bar with a mark at every value, so the user sees where it stands
// between 0 and the most.
QSlider* Bar(QWidget* parent, const char* name) {
  auto* bar = new QSlider(Qt::Horizontal, parent);
  bar->setObjectName(QString::fromLatin1(name));
  bar->setRange(0, kParameterMax);
  bar->setPageStep(1);
  bar->setTickPosition(QSlider::TicksBelow);
  bar->setTickInterval(1);
  bar->setMinimumWidth(180);
  return bar;
}

// The numbers under a bar's marks.
QLayout* Scale(QWidget* parent) {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  for (int value = 0; value <= kParameterMax; ++value) {
    if (value > 0) row->addStretch(1);
    auto* number = new QLabel(QString::number(value), parent);
    QFont small = number->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    number->setFont(small);
    row->addWidget(number);
  }
  return row;
}

}  // namespace

PlayerParametersDialog::PlayerParametersDialog(GameState& state, const ProgramPaths& paths, int group, int member, QWidget* parent)
    : QDialog(parent), state_(state), paths_(paths), group_(group), member_(member) {
  setObjectName(QStringLiteral("PlayerParametersDialog"));
  // The title names the member being edited.
  setWindowTitle(tr("ぴるく  －%1－").arg(QString::fromStdString(state_.members.MemberName[group_][member_])));

  BuildControls();
  BuildLayout();
  ShowStoredValues();

  // Connected only now, so that showing the values stores nothing.
  connect(boldnessBar, &QSlider::valueChanged, this, &PlayerParametersDialog::OnBoldnessChanged);
  connect(deductionBar, &QSlider::valueChanged, this, &PlayerParametersDialog::OnDeductionChanged);
  connect(pointsEdit, &QLineEdit::textChanged, this, &PlayerParametersDialog::OnPointsEdited);
  connect(buttonBox, &QDialogButtonBox::accepted, this, &PlayerParametersDialog::OnOk);
  connect(buttonBox, &QDialogButtonBox::rejected, this, &PlayerParametersDialog::reject);

  AddHelpKey(*this, paths_.program_directory, kHelpMembers);
  NameControlsForReaders(*this);
  adjustSize();
  CentreOnScreen(*this);
}

PlayerParametersDialog::~PlayerParametersDialog() { runs_.StopAll(); }

void PlayerParametersDialog::BuildControls() {
  boldnessCaption = Caption(this, "boldnessCaption", tr("度  胸"));
  deductionCaption = Caption(this, "deductionCaption", tr("推理力"));
  pointsCaption = Caption(this, "pointsCaption", tr("持ち点"));
  boldnessFigure = Figure(this, "boldnessFigure");
  deductionFigure = Figure(this, "deductionFigure");
  boldnessBar = Bar(this, "boldnessBar");
  deductionBar = Bar(this, "deductionBar");
  pointsEdit = new QLineEdit(this);
  pointsEdit->setObjectName(QStringLiteral("pointsEdit"));
  pointsEdit->setAlignment(Qt::AlignRight);
  OnEnterKey(*pointsEdit, [this] { okButton->setFocus(); });
  buttonBox = OkButtonBox(this, okButton);
  cancelButton = buttonBox->addButton(tr("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
  cancelButton->setObjectName(QStringLiteral("cancelButton"));
  // The captions have no access key to lend; the controls take their words.
  NameAfterLabel(*boldnessBar, *boldnessCaption);
  NameAfterLabel(*deductionBar, *deductionCaption);
  NameAfterLabel(*pointsEdit, *pointsCaption);
}

void PlayerParametersDialog::BuildLayout() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(18, 18, 18, 14);
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(12);
  grid->addWidget(boldnessCaption, 0, 0);
  grid->addWidget(boldnessBar, 0, 1);
  grid->addWidget(boldnessFigure, 0, 2);
  grid->addLayout(Scale(this), 1, 1);
  grid->addWidget(deductionCaption, 2, 0);
  grid->addWidget(deductionBar, 2, 1);
  grid->addWidget(deductionFigure, 2, 2);
  grid->addLayout(Scale(this), 3, 1);
  grid->addWidget(pointsCaption, 4, 0);
  grid->addWidget(pointsEdit, 4, 1);
  grid->setRowMinimumHeight(5, 6);
  grid->addWidget(buttonBox, 6, 0, 1, 3);
}

void PlayerParametersDialog::ShowStoredValues() {
  // The stored values as they are, even outside the bars' range.
  const int16_t boldness = state_.members.MemberBoldness[group_][member_];
  const int16_t deduction = state_.members.MemberDeduction[group_][member_];
  opening_boldness_ = boldness;
  opening_deduction_ = deduction;
  opening_points_ = state_.members.MemberPoints[group_][member_];
  pointsEdit->setText(Blanked(state_.members.MemberPoints[group_][member_]));
  boldnessFigure->setText(Blanked(boldness));
  deductionFigure->setText(Blanked(deduction));
  boldnessBar->setValue(boldness);
  deductionBar->setValue(deduction);
}

void PlayerParametersDialog::OnBoldnessChanged(int value) {
  state_.members.MemberBoldness[group_][member_] = static_cast<int16_t>(value);
  boldnessFigure->setText(Blanked(value));
}

void PlayerParametersDialog::OnDeductionChanged(int value) {
  state_.members.MemberDeduction[group_][member_] = static_cast<int16_t>(value);
  deductionFigure->setText(Blanked(value));
}

void PlayerParametersDialog::OnPointsEdited(const QString& text) {
  state_.members.MemberPoints[group_][member_] = PointsFromText(text.toStdString());
}

void PlayerParametersDialog::OnOk() {
  state_.members.MemberPoints[group_][member_] = PointsFromText(pointsEdit->text().toStdString());
  state_.members.MemberBoldness[group_][member_] = static_cast<int16_t>(boldnessBar->value());
  state_.members.MemberDeduction[group_][member_] = static_cast<int16_t>(deductionBar->value());
  accept();
}

void PlayerParametersDialog::PutBackOpeningValues() {
  state_.members.MemberBoldness[group_][member_] = opening_boldness_;
  state_.members.MemberDeduction[group_][member_] = opening_deduction_;
  state_.members.MemberPoints[group_][member_] = opening_points_;
}

void PlayerParametersDialog::reject() {
  if (!closing_by_frame_) PutBackOpeningValues();
  QDialog::reject();
}

void PlayerParametersDialog::closeEvent(QCloseEvent* event) {
  // The frame keeps what was changed, as it always has; only Cancel and Esc
  // take it back.
  closing_by_frame_ = true;
  QDialog::closeEvent(event);
  closing_by_frame_ = false;
}

void PlayerParametersDialog::done(int result) {
  if (written_) {
    QDialog::done(result);
    return;
  }
  // The next match re-reads the files, so what was changed here is kept
  // only once it is written; a failure is told before the window closes.
  written_ = true;
  runs_.Start([this, result] {
    if (!WriteMemberFiles(state_, paths_)) ShowWriteFailure(this);
    QDialog::done(result);
  });
}

}  // namespace winpiruk
