#include "gui/scoring/MatchEndDialog.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/scoring/MatchReviewDialog.h"
#include "gui/common/Messages.h"
#include "gui/scoring/ScoringWindow.h"

namespace winpiruk {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Colours 0 and 3 of the 16-colour palette.
const QColor kPaletteBlack(0, 0, 0);
const QColor kPaletteCyan(0, 128, 128);

enum Column { kName, kScore, kUma, kYakitori, kTotal, kColumns };

}  // namespace

MatchEndDialog::MatchEndDialog(const GameState& state, SettlementView view, QWidget* parent)
    : CentredDialog(parent), state_(state), view_(std::move(view)) {
  SetUpScoringWindow(*this, QStringLiteral("MatchEndDialog"), tr("ぴるく  －ゲーム終了－"));

  BuildGrid();
  BuildControls();
  LayOut();

  connect(againButton, &QPushButton::clicked, this, &MatchEndDialog::OnAgain);
  connect(endButton, &QPushButton::clicked, this, &MatchEndDialog::OnEnd);
  // The buttons that wait for a message or the review window run on their own.
  connect(changeMembersButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnChangeMembers(); }); });
  connect(reviewButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnReview(); }); });

  ShowSettlement();
}

MatchEndDialog::~MatchEndDialog() { runs_.StopAll(); }

void MatchEndDialog::BuildGrid() {
  resultTable = new QTableWidget(kSeats, kColumns, this);
  resultTable->setObjectName(QStringLiteral("resultTable"));
  resultTable->setHorizontalHeaderLabels({tr("プレーヤー"), tr("得点"), tr("ｳﾏ"), tr("ﾔｷﾄﾘ"), tr("ﾄｰﾀﾙ")});
  resultTable->verticalHeader()->hide();
  resultTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  resultTable->setSelectionMode(QAbstractItemView::NoSelection);
  resultTable->setFocusPolicy(Qt::NoFocus);
  resultTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  resultTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  resultTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  resultTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  resultTable->verticalHeader()->setDefaultSectionSize(28);
  const int widths[kColumns] = {170, 72, 60, 72, 80};
  int table_width = 2 * resultTable->frameWidth();
  for (int column = 0; column < kColumns; ++column) {
    resultTable->setColumnWidth(column, widths[column]);
    table_width += widths[column];
  }
  resultTable->setFixedSize(table_width,
                      resultTable->horizontalHeader()->sizeHint().height() + kSeats * 28 + 2 * resultTable->frameWidth());
}

void MatchEndDialog::BuildControls() {
  questionLabel = new QLabel(tr("もう一度遊びますか？ "), this);
  questionLabel->setObjectName(QStringLiteral("questionLabel"));
  againButton = new QPushButton(tr("はい(&Y)"), this);
  againButton->setObjectName(QStringLiteral("againButton"));
  againButton->setDefault(true);
  endButton = new QPushButton(tr("終了(&X)"), this);
  endButton->setObjectName(QStringLiteral("endButton"));
  changeMembersButton = new QPushButton(tr("メンバー変更(&M)..."), this);
  changeMembersButton->setObjectName(QStringLiteral("changeMembersButton"));
  reviewButton = new QPushButton(tr("考察(&R)..."), this);
  reviewButton->setObjectName(QStringLiteral("reviewButton"));
  for (QPushButton* button : {againButton, endButton, changeMembersButton, reviewButton}) button->setMinimumWidth(110);
  for (QPushButton* button : {endButton, changeMembersButton, reviewButton}) button->setAutoDefault(false);

  gameTimeLabel = new QLabel(this);
  gameTimeLabel->setObjectName(QStringLiteral("gameTimeLabel"));
  gameTimeLabel->setFrameShape(QFrame::Panel);
  gameTimeLabel->setFrameShadow(QFrame::Sunken);
  gameTimeLabel->setMargin(3);
}

void MatchEndDialog::LayOut() {
  auto* question = new QHBoxLayout;
  question->addWidget(questionLabel);
  question->addWidget(againButton);
  question->addWidget(endButton);
  question->addStretch(1);
  auto* more = new QHBoxLayout;
  more->addStretch(1);
  more->addWidget(changeMembersButton);
  more->addWidget(reviewButton);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 14, 16, 10);
  layout->setSpacing(10);
  layout->addWidget(resultTable);
  layout->addLayout(question);
  layout->addLayout(more);
  layout->addWidget(gameTimeLabel);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MatchEndDialog::ShowSettlement() {
  SettlementClosing = false;

  gameTimeLabel->setText(Text(view_.game_time));
  for (int row = 0; row < kSeats; ++row) {
    const SettlementRow& result = view_.rows[row];
    const QString cells[kColumns] = {Text(result.name), Text(result.score), Text(result.uma), Text(result.yakitori),
                                     Text(result.total)};
    for (int column = 0; column < kColumns; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      item->setForeground(result.is_user ? kPaletteCyan : kPaletteBlack);
      item->setTextAlignment(column == kName ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
      if (column == kTotal || result.is_user) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
      }
      resultTable->setItem(row, column, item);
    }
  }
}

void MatchEndDialog::showEvent(QShowEvent* event) {
  CentredDialog::showEvent(event);
  if (!view_.files_written && !write_failure_shown_) {
    write_failure_shown_ = true;
    QTimer::singleShot(0, this, [this] { runs_.Start([this] { ShowWriteFailure(this); }); });
  }
}

void MatchEndDialog::Finish(SettlementOutcome outcome) {
  outcome_ = outcome;
  SettlementClosing = true;
  QDialog::done(outcome == SettlementOutcome::EndProgram ? Rejected : Accepted);
}

void MatchEndDialog::OnAgain() { Finish(SettlementOutcome::AnotherMatch); }

void MatchEndDialog::OnEnd() {
  emit endChosen();
  Finish(SettlementOutcome::EndProgram);
}

void MatchEndDialog::OnChangeMembers() {
  if (state_.table.AutoPlay) {
    ShowMessage(this, tr("ぴるく  －自動実行解除－"), tr("メンバーを変更する場合は、自動実行モードを一旦解除します。"),
                QMessageBox::Information);
  }
  Finish(SettlementOutcome::ChangeMembers);
}

void MatchEndDialog::OnReview() { ShowReviewWindow(this, state_); }

void MatchEndDialog::closeEvent(QCloseEvent* event) {
  if (!SettlementClosing) {
    emit endChosen();
    outcome_ = SettlementOutcome::EndProgram;
    SettlementClosing = true;
    QDialog::done(Rejected);
  }
  event->accept();
}

}  // namespace winpiruk
