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
  setObjectName(QStringLiteral("MatchEndDialog"));
  setWindowTitle(QStringLiteral("ぴるく  －ゲーム終了－"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);

  BuildGrid();
  BuildControls();
  LayOut();

  connect(Command1, &QPushButton::clicked, this, &MatchEndDialog::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &MatchEndDialog::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &MatchEndDialog::Command3_Click);
  connect(Command3D1, &QPushButton::clicked, this, &MatchEndDialog::Command3D1_Click);

  Form_Load();
}

void MatchEndDialog::BuildGrid() {
  Grid1 = new QTableWidget(kSeats, kColumns, this);
  Grid1->setObjectName(QStringLiteral("Grid1"));
  Grid1->setHorizontalHeaderLabels({QStringLiteral("プレーヤー"), QStringLiteral("得点"), QStringLiteral("ｳﾏ"),
                                    QStringLiteral("ﾔｷﾄﾘ"), QStringLiteral("ﾄｰﾀﾙ")});
  Grid1->verticalHeader()->hide();
  Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Grid1->setSelectionMode(QAbstractItemView::NoSelection);
  Grid1->setFocusPolicy(Qt::NoFocus);
  Grid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Grid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Grid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  Grid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  Grid1->verticalHeader()->setDefaultSectionSize(28);
  const int widths[kColumns] = {170, 72, 60, 72, 80};
  int table_width = 2 * Grid1->frameWidth();
  for (int column = 0; column < kColumns; ++column) {
    Grid1->setColumnWidth(column, widths[column]);
    table_width += widths[column];
  }
  Grid1->setFixedSize(table_width,
                      Grid1->horizontalHeader()->sizeHint().height() + kSeats * 28 + 2 * Grid1->frameWidth());
}

void MatchEndDialog::BuildControls() {
  Label1 = new QLabel(QStringLiteral("もう一度遊びますか？ "), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Command1 = new QPushButton(QStringLiteral("はい(&Y)"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setDefault(true);
  Command2 = new QPushButton(QStringLiteral("終了(&X)"), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command3 = new QPushButton(QStringLiteral("メンバー変更(&M)..."), this);
  Command3->setObjectName(QStringLiteral("Command3"));
  Command3D1 = new QPushButton(QStringLiteral("考察(&R)..."), this);
  Command3D1->setObjectName(QStringLiteral("Command3D1"));
  for (QPushButton* button : {Command1, Command2, Command3, Command3D1}) button->setMinimumWidth(110);
  for (QPushButton* button : {Command2, Command3, Command3D1}) button->setAutoDefault(false);

  StatusBar1 = new QLabel(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setFrameShape(QFrame::Panel);
  StatusBar1->setFrameShadow(QFrame::Sunken);
  StatusBar1->setMargin(3);
}

void MatchEndDialog::LayOut() {
  auto* question = new QHBoxLayout;
  question->addWidget(Label1);
  question->addWidget(Command1);
  question->addWidget(Command2);
  question->addStretch(1);
  auto* more = new QHBoxLayout;
  more->addStretch(1);
  more->addWidget(Command3);
  more->addWidget(Command3D1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 14, 16, 10);
  layout->setSpacing(10);
  layout->addWidget(Grid1);
  layout->addLayout(question);
  layout->addLayout(more);
  layout->addWidget(StatusBar1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MatchEndDialog::Form_Load() {
  SettlementClosing = false;

  StatusBar1->setText(Text(view_.game_time));
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
      Grid1->setItem(row, column, item);
    }
  }
}

void MatchEndDialog::showEvent(QShowEvent* event) {
  CentredDialog::showEvent(event);
  if (!view_.files_written && !write_failure_shown_) {
    write_failure_shown_ = true;
    QTimer::singleShot(0, this, [this] { ShowWriteFailure(this); });
  }
}

void MatchEndDialog::Finish(SettlementOutcome outcome) {
  outcome_ = outcome;
  SettlementClosing = true;
  QDialog::done(outcome == SettlementOutcome::EndProgram ? Rejected : Accepted);
}

void MatchEndDialog::Command1_Click() { Finish(SettlementOutcome::AnotherMatch); }

void MatchEndDialog::Command2_Click() {
  emit endChosen();
  Finish(SettlementOutcome::EndProgram);
}

void MatchEndDialog::Command3_Click() {
  if (state_.AutoPlay != 0) {
    ShowMessage(this, QStringLiteral("ぴるく  －自動実行解除－"),
                QStringLiteral("メンバーを変更する場合は、自動実行モードを一旦解除します。"),
                QMessageBox::Information);
  }
  Finish(SettlementOutcome::ChangeMembers);
}

void MatchEndDialog::Command3D1_Click() { ShowReviewWindow(this, state_); }

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
