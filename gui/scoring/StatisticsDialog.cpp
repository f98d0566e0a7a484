#include "gui/scoring/StatisticsDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/members/PlayerParametersDialog.h"
#include "scoring/MemberStatsText.h"
#include "state/RuleLimits.h"
#include "gui/common/EnterKey.h"
#include "gui/common/WindowPlacement.h"

namespace winpiruk {
namespace {

// Palette colour 4 for a negative balance, colour 0 otherwise.
const QColor kNegativePoints(128, 0, 0);
const QColor kPoints(0, 0, 0);

QFrame* Rule(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

StatisticsDialog::StatisticsDialog(GameState& state, const ProgramPaths& paths, QWidget* parent)
    : QDialog(parent), state_(state), paths_(paths) {
  setObjectName(QStringLiteral("StatisticsDialog"));
  setWindowTitle(QStringLiteral("ぴるく  －対戦成績－"));
  BuildControls();

  stats_group_ = InRangeOr(state_.CurrentGroup, 1, kGroups, 1);
  options_[stats_group_]->setChecked(true);
  ShowGroup();
  List1->setCurrentRow(0);
  List1->setFocus();

  adjustSize();
  setFixedSize(size());
  CentreOnScreen(*this);
}

QGroupBox* StatisticsDialog::BuildGroups() {
  // Groups, in a row above the list.
  auto* groups = new QGroupBox(QStringLiteral("グループ"), this);
  auto* group_row = new QHBoxLayout(groups);
  group_row->setContentsMargins(10, 6, 10, 8);
  auto* exclusive = new QButtonGroup(this);
  for (int g = 1; g <= kGroups; ++g) {
    auto* option = new QRadioButton(QString::number(g), groups);
    option->setObjectName(QStringLiteral("Option%1").arg(g));
    exclusive->addButton(option, g);
    group_row->addWidget(option);
    options_[g] = option;
  }
  Option1 = options_[1];
  Option2 = options_[2];
  Option3 = options_[3];
  Option4 = options_[4];
  Option5 = options_[5];
  connect(exclusive, &QButtonGroup::idClicked, this, &StatisticsDialog::Option_Click);
  return groups;
}

// The member's figures in two columns of captions and figures.
QGridLayout* StatisticsDialog::BuildFigures(QWidget* record) {
  auto* figures = new QGridLayout();
  figures->setHorizontalSpacing(10);
  figures->setVerticalSpacing(7);
  const int figure_width = fontMetrics().horizontalAdvance(QStringLiteral(" 00000.0%"));
  auto add = [&](QLabel*& figure, const char* name, const QString& caption, int row, int column) {
    auto* label = new QLabel(caption, record);
    figure = new QLabel(record);
    figure->setObjectName(QString::fromLatin1(name));
    figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    figure->setMinimumWidth(figure_width);
    figures->addWidget(label, row, column);
    figures->addWidget(figure, row, column + 1);
  };
  add(HandsPlayedFigure, "HandsPlayedFigure", QStringLiteral("総対戦数"), 0, 0);
  add(WinsFigure, "WinsFigure", QStringLiteral("上がり回数"), 1, 0);
  add(WinRateFigure, "WinRateFigure", QStringLiteral("上がり率"), 2, 0);
  add(WinNumberFigure, "WinNumberFigure", QStringLiteral("平均上がり数字"), 3, 0);
  add(YakuFigure, "YakuFigure", QStringLiteral("平均役数"), 4, 0);
  add(PointsWonFigure, "PointsWonFigure", QStringLiteral("平均得点"), 5, 0);
  add(InitialMatchesFigure, "InitialMatchesFigure", QStringLiteral("ｲﾆｼｬﾙﾏｯﾁ回数"), 6, 0);
  add(CounterCallsFigure, "CounterCallsFigure", QStringLiteral("ぴるくがえし"), 7, 0);
  add(DealInsFigure, "DealInsFigure", QStringLiteral("振り込み回数"), 0, 3);
  add(DealInRateFigure, "DealInRateFigure", QStringLiteral("振り込み率"), 1, 3);
  add(PointsLostFigure, "PointsLostFigure", QStringLiteral("平均失点"), 2, 3);
  add(CardOversFigure, "CardOversFigure", QStringLiteral("10枚オーバー"), 3, 3);
  add(GamesPlayedFigure, "GamesPlayedFigure", QStringLiteral("総ゲーム数"), 4, 3);
  add(RankFigure, "RankFigure", QStringLiteral("平均順位"), 5, 3);
  add(PointsFigure, "PointsFigure", QStringLiteral("現在の持ち点"), 7, 3);
  QFont points_font = PointsFigure->font();
  points_font.setBold(true);
  PointsFigure->setFont(points_font);
  // A gap between the two columns.
  figures->setColumnMinimumWidth(2, 28);
  return figures;
}

QFrame* StatisticsDialog::BuildRecord() {
  // The record: the name on top, then two columns of captions and figures.
  auto* record = new QFrame(this);
  record->setObjectName(QStringLiteral("Record"));
  record->setFrameShape(QFrame::StyledPanel);
  record->setFrameShadow(QFrame::Sunken);
  auto* record_layout = new QVBoxLayout(record);
  record_layout->setContentsMargins(16, 12, 16, 12);
  record_layout->setSpacing(8);

  auto* name_row = new QHBoxLayout();
  PlayerNameCaption = new QLabel(QStringLiteral("プレーヤー名 ："), record);
  PlayerNameCaption->setObjectName(QStringLiteral("PlayerNameCaption"));
  PlayerNameCaption->installEventFilter(this);
  PlayerName = new QLabel(record);
  PlayerName->setObjectName(QStringLiteral("PlayerName"));
  QFont name_font = PlayerName->font();
  name_font.setBold(true);
  name_font.setPointSizeF(name_font.pointSizeF() * 1.2);
  PlayerName->setFont(name_font);
  // Room for twenty full-width characters; a longer name is cut short with
  // "…" and shown whole in its tooltip.
  PlayerName->setFixedWidth(QFontMetrics(name_font).horizontalAdvance(QString(20, QChar(0x3042))));
  PlayerName->installEventFilter(this);
  name_row->addWidget(PlayerNameCaption);
  name_row->addWidget(PlayerName, 1);
  record_layout->addLayout(name_row);
  record_layout->addWidget(Rule(record));

  auto* figures = BuildFigures(record);
  record_layout->addLayout(figures);
  record_layout->addStretch(1);
  return record;
}

void StatisticsDialog::BuildControls() {
  auto* groups = BuildGroups();
  List1 = new QListWidget(this);
  List1->setObjectName(QStringLiteral("List1"));
  List1->setSelectionMode(QAbstractItemView::SingleSelection);
  List1->setMinimumWidth(190);
  OnEnterKey(*List1, [this] { Command1->setFocus(); });
  connect(List1, &QListWidget::currentRowChanged, this, &StatisticsDialog::List1_Click);

  auto* record = BuildRecord();

  Command1 = new QPushButton(QStringLiteral("OK"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setMinimumWidth(96);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

  auto* left = new QVBoxLayout();
  left->addWidget(groups);
  left->addWidget(List1, 1);
  auto* body = new QHBoxLayout();
  body->setSpacing(14);
  body->addLayout(left);
  body->addWidget(record, 1);
  auto* buttons = new QHBoxLayout();
  buttons->addStretch(1);
  buttons->addWidget(Command1);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(14, 14, 14, 12);
  outer->setSpacing(12);
  outer->addLayout(body, 1);
  outer->addLayout(buttons);
}

void StatisticsDialog::Option_Click(int group) {
  if (group == stats_group_) return;
  const int row = List1->currentRow();
  stats_group_ = group;
  ShowGroup();
  // The same place in the new group, so that members can be compared.
  List1->setCurrentRow(row < 0 ? 0 : row);
}

void StatisticsDialog::ShowGroup() {
  const QSignalBlocker quiet(List1);
  List1->clear();
  for (int m = 1; m <= kMembersPerGroup; ++m) {
    List1->addItem(QString::fromStdString(state_.members.MemberName[stats_group_][m]));
  }
  stats_member_ = 0;
  ClearFigures();
}

void StatisticsDialog::List1_Click() {
  const int row = List1->currentRow();
  if (row < 0) {
    stats_member_ = 0;
    ClearFigures();
    return;
  }
  ShowMember(row + 1);
}

void StatisticsDialog::ClearFigures() {
  PlayerName->clear();
  for (QLabel* figure : {HandsPlayedFigure, WinsFigure, WinRateFigure, WinNumberFigure, YakuFigure,
                         PointsWonFigure, InitialMatchesFigure, CounterCallsFigure, DealInsFigure,
                         DealInRateFigure, PointsLostFigure, CardOversFigure, GamesPlayedFigure, RankFigure,
                         PointsFigure}) {
    figure->clear();
  }
}

void StatisticsDialog::ShowMember(int member) {
  stats_member_ = member;
  const MemberRecordTexts t = MemberRecord(state_.members, stats_group_, member);
  auto show = [](QLabel* label, const std::string& text) { label->setText(QString::fromStdString(text)); };
  const QString name = QString::fromStdString(t.name);
  PlayerName->setText(QFontMetrics(PlayerName->font()).elidedText(name, Qt::ElideRight, PlayerName->width()));
  PlayerName->setToolTip(name);
  show(HandsPlayedFigure, t.hands_played);
  show(WinsFigure, t.wins);
  show(WinRateFigure, t.win_rate);
  show(WinNumberFigure, t.win_number);
  show(YakuFigure, t.yaku);
  show(PointsWonFigure, t.points_won);
  show(InitialMatchesFigure, t.initial_matches);
  show(CounterCallsFigure, t.counter_calls);
  show(DealInsFigure, t.deal_ins);
  show(DealInRateFigure, t.deal_in_rate);
  show(PointsLostFigure, t.points_lost);
  show(CardOversFigure, t.card_overs);
  show(GamesPlayedFigure, t.games_played);
  show(RankFigure, t.rank);
  show(PointsFigure, t.points);
  QPalette palette = PointsFigure->palette();
  palette.setColor(QPalette::WindowText, t.points_negative ? kNegativePoints : kPoints);
  PointsFigure->setPalette(palette);
}

void StatisticsDialog::OpenParameters(int member) {
  if (member < 1 || member > kMembersPerGroup) return;
  PlayerParametersDialog parameters(state_, paths_, stats_group_, member, this);
  parameters.exec();
  // The list row follows the member; the names themselves do not change.
  const QSignalBlocker quiet(List1);
  List1->setCurrentRow(member - 1);
  ShowMember(member);
}

bool StatisticsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == PlayerName && (mouse->modifiers() & Qt::ShiftModifier) && !PlayerName->text().isEmpty()) {
      OpenParameters(List1->currentRow() + 1);
      return true;
    }
    if (watched == PlayerNameCaption) {
      OpenParameters(stats_member_);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void OpenGameResult(QWidget* parent, GameState& state, const ProgramPaths& paths) {
  StatisticsDialog window(state, paths, parent);
  window.exec();
}

}  // namespace winpiruk
