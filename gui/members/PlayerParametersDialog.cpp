#include "gui/members/PlayerParametersDialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include "config/NumberText.h"
#include "members/PointsText.h"
#include "scoring/MemberFiles.h"
#include "gui/common/EnterKey.h"
#include "gui/common/Messages.h"
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

QScrollBar* Bar(QWidget* parent, const char* name) {
  auto* scroll = new QScrollBar(Qt::Horizontal, parent);
  scroll->setObjectName(QString::fromLatin1(name));
  scroll->setRange(0, kParameterMax);
  scroll->setPageStep(1);
  scroll->setMinimumWidth(180);
  return scroll;
}

}  // namespace

PlayerParametersDialog::PlayerParametersDialog(GameState& state, const ProgramPaths& paths, int group, int member, QWidget* parent)
    : QDialog(parent), state_(state), paths_(paths), group_(group), member_(member) {
  setObjectName(QStringLiteral("PlayerParametersDialog"));
  // The title names the member being edited.
  setWindowTitle(QStringLiteral("ぴるく  －") + QString::fromStdString(state_.members.MemberName[group_][member_]) +
                 QStringLiteral("－"));

  BuildControls();
  BuildLayout();
  ShowStoredValues();

  // Connected only now, so that showing the values stores nothing.
  connect(HScroll1, &QScrollBar::valueChanged, this, &PlayerParametersDialog::HScroll1_Change);
  connect(HScroll2, &QScrollBar::valueChanged, this, &PlayerParametersDialog::HScroll2_Change);
  connect(Text1, &QLineEdit::textChanged, this, &PlayerParametersDialog::Text1_Change);
  connect(Command1, &QPushButton::clicked, this, &PlayerParametersDialog::Command1_Click);

  adjustSize();
  CentreOnScreen(*this);
}

void PlayerParametersDialog::BuildControls() {
  Label3 = Caption(this, "Label3", QStringLiteral("度  胸"));
  Label2 = Caption(this, "Label2", QStringLiteral("推理力"));
  Label1 = Caption(this, "Label1", QStringLiteral("持ち点"));
  Label4 = Figure(this, "Label4");
  Label5 = Figure(this, "Label5");
  HScroll1 = Bar(this, "HScroll1");
  HScroll2 = Bar(this, "HScroll2");
  Text1 = new QLineEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setAlignment(Qt::AlignRight);
  OnEnterKey(*Text1, [this] { Command1->setFocus(); });
  Command1 = new QPushButton(QStringLiteral("OK"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setMinimumWidth(96);
}

void PlayerParametersDialog::BuildLayout() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(18, 18, 18, 14);
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(12);
  grid->addWidget(Label3, 0, 0);
  grid->addWidget(HScroll1, 0, 1);
  grid->addWidget(Label4, 0, 2);
  grid->addWidget(Label2, 1, 0);
  grid->addWidget(HScroll2, 1, 1);
  grid->addWidget(Label5, 1, 2);
  grid->addWidget(Label1, 2, 0);
  grid->addWidget(Text1, 2, 1);
  grid->setRowMinimumHeight(3, 6);
  grid->addWidget(Command1, 4, 0, 1, 3, Qt::AlignRight);
}

void PlayerParametersDialog::ShowStoredValues() {
  // The stored values as they are, even outside the bars' range.
  const int16_t boldness = state_.members.MemberBoldness[group_][member_];
  const int16_t deduction = state_.members.MemberDeduction[group_][member_];
  Text1->setText(Blanked(state_.members.MemberPoints[group_][member_]));
  Label4->setText(Blanked(boldness));
  Label5->setText(Blanked(deduction));
  HScroll1->setValue(boldness);
  HScroll2->setValue(deduction);
}

void PlayerParametersDialog::HScroll1_Change(int value) {
  state_.members.MemberBoldness[group_][member_] = static_cast<int16_t>(value);
  Label4->setText(Blanked(value));
}

void PlayerParametersDialog::HScroll2_Change(int value) {
  state_.members.MemberDeduction[group_][member_] = static_cast<int16_t>(value);
  Label5->setText(Blanked(value));
}

void PlayerParametersDialog::Text1_Change(const QString& text) {
  state_.members.MemberPoints[group_][member_] = PointsFromText(text.toStdString());
}

void PlayerParametersDialog::Command1_Click() {
  state_.members.MemberPoints[group_][member_] = PointsFromText(Text1->text().toStdString());
  state_.members.MemberBoldness[group_][member_] = static_cast<int16_t>(HScroll1->value());
  state_.members.MemberDeduction[group_][member_] = static_cast<int16_t>(HScroll2->value());
  accept();
}

void PlayerParametersDialog::done(int result) {
  // The next match re-reads the files, so what was changed here is kept
  // only once it is written.
  if (!written_) {
    written_ = true;
    if (!WriteMemberFiles(state_, paths_)) ShowWriteFailure(this);
  }
  QDialog::done(result);
}

}  // namespace winpiruk
