#include "gui/scoring/StatisticsDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
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
#include <QTimer>
#include <QVBoxLayout>

#include "gui/members/PlayerParametersDialog.h"
#include "scoring/MemberStatsText.h"
#include "state/RuleLimits.h"
#include "gui/common/Awaiting.h"
#include "gui/common/EnterKey.h"
#include "gui/common/HelpKey.h"
#include "gui/common/OkButtonBox.h"
#include "gui/common/SpokenNames.h"
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
  setWindowTitle(tr("ぴるく  －対戦成績－"));
  BuildControls();

  stats_group_ = InRangeOr(state_.seating.CurrentGroup, 1, kGroups, 1);
  groupButtons[stats_group_]->setChecked(true);
  ShowGroup();
  memberList->setCurrentRow(0);
  memberList->setFocus();
  AddHelpKey(*this, paths_.program_directory, kHelpMembers);
  NameControlsForReaders(*this);

  adjustSize();
  setFixedSize(size());
  CentreOnScreen(*this);
}

StatisticsDialog::~StatisticsDialog() { runs_.StopAll(); }

QGroupBox* StatisticsDialog::BuildGroups() {
  // Groups, in a row above the list.
  auto* groups = new QGroupBox(tr("グループ"), this);
  auto* group_row = new QHBoxLayout(groups);
  group_row->setContentsMargins(10, 6, 10, 8);
  auto* exclusive = new QButtonGroup(this);
  for (int g = 1; g <= kGroups; ++g) {
    groupButtons[g] = new QRadioButton(QString::number(g), groups);
    groupButtons[g]->setObjectName(QStringLiteral("groupButton%1").arg(g));
    exclusive->addButton(groupButtons[g], g);
    group_row->addWidget(groupButtons[g]);
  }
  connect(exclusive, &QButtonGroup::idClicked, this, &StatisticsDialog::OnGroupChosen);
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
  add(handsPlayedFigure, "handsPlayedFigure", tr("総対戦数"), 0, 0);
  add(winsFigure, "winsFigure", tr("上がり回数"), 1, 0);
  add(winRateFigure, "winRateFigure", tr("上がり率"), 2, 0);
  add(winNumberFigure, "winNumberFigure", tr("平均上がり数字"), 3, 0);
  add(yakuFigure, "yakuFigure", tr("平均役数"), 4, 0);
  add(pointsWonFigure, "pointsWonFigure", tr("平均得点"), 5, 0);
  add(initialMatchesFigure, "initialMatchesFigure", tr("ｲﾆｼｬﾙﾏｯﾁ回数"), 6, 0);
  add(counterCallsFigure, "counterCallsFigure", tr("ぴるくがえし"), 7, 0);
  add(dealInsFigure, "dealInsFigure", tr("振り込み回数"), 0, 3);
  add(dealInRateFigure, "dealInRateFigure", tr("振り込み率"), 1, 3);
  add(pointsLostFigure, "pointsLostFigure", tr("平均失点"), 2, 3);
  add(cardOversFigure, "cardOversFigure", tr("10枚オーバー"), 3, 3);
  add(gamesPlayedFigure, "gamesPlayedFigure", tr("総ゲーム数"), 4, 3);
  add(rankFigure, "rankFigure", tr("平均順位"), 5, 3);
  add(pointsFigure, "pointsFigure", tr("現在の持ち点"), 7, 3);
  QFont points_font = pointsFigure->font();
  points_font.setBold(true);
  pointsFigure->setFont(points_font);
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
  playerNameCaption = new QLabel(tr("プレーヤー名 ："), record);
  playerNameCaption->setObjectName(QStringLiteral("playerNameCaption"));
  playerNameCaption->installEventFilter(this);
  playerNameLabel = new QLabel(record);
  playerNameLabel->setObjectName(QStringLiteral("playerNameLabel"));
  QFont name_font = playerNameLabel->font();
  name_font.setBold(true);
  name_font.setPointSizeF(name_font.pointSizeF() * 1.2);
  playerNameLabel->setFont(name_font);
  // Room for twenty full-width characters; a longer name is cut short with
  // "…" and shown whole in its tooltip.
  playerNameLabel->setFixedWidth(QFontMetrics(name_font).horizontalAdvance(QString(20, QChar(0x3042))));
  playerNameLabel->installEventFilter(this);
  name_row->addWidget(playerNameCaption);
  name_row->addWidget(playerNameLabel, 1);
  record_layout->addLayout(name_row);
  record_layout->addWidget(Rule(record));

  auto* figures = BuildFigures(record);
  record_layout->addLayout(figures);
  record_layout->addStretch(1);
  return record;
}

void StatisticsDialog::BuildControls() {
  auto* groups = BuildGroups();
  memberList = new QListWidget(this);
  memberList->setObjectName(QStringLiteral("memberList"));
  memberList->setSelectionMode(QAbstractItemView::SingleSelection);
  memberList->setMinimumWidth(190);
  NameAfter(*memberList, tr("メンバー"));
  OnEnterKey(*memberList, [this] { okButton->setFocus(); });
  connect(memberList, &QListWidget::currentRowChanged, this, &StatisticsDialog::OnMemberChosen);

  auto* record = BuildRecord();

  auto* left = new QVBoxLayout();
  left->addWidget(groups);
  left->addWidget(memberList, 1);
  auto* body = new QHBoxLayout();
  body->setSpacing(14);
  body->addLayout(left);
  body->addWidget(record, 1);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(14, 14, 14, 12);
  outer->setSpacing(12);
  outer->addLayout(body, 1);
  outer->addWidget(BuildButtonBox());
}

QWidget* StatisticsDialog::BuildButtonBox() {
  QDialogButtonBox* box = OkButtonBox(this, okButton);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  // The visible way to a member's parameters, beside the double click on
  // the name.
  parametersButton = box->addButton(tr("ﾊﾟﾗﾒｰﾀ(&P)..."), QDialogButtonBox::ActionRole);
  parametersButton->setObjectName(QStringLiteral("parametersButton"));
  parametersButton->setToolTip(tr("選んだメンバーの度胸・推理力・持ち点を変えます"));
  connect(parametersButton, &QPushButton::clicked, this,
          [this] { runs_.Start([this] { OpenParameters(memberList->currentRow() + 1); }); });
  return box;
}

void StatisticsDialog::OnGroupChosen(int group) {
  if (group == stats_group_) return;
  const int row = memberList->currentRow();
  stats_group_ = group;
  ShowGroup();
  // The same place in the new group, so that members can be compared.
  memberList->setCurrentRow(row < 0 ? 0 : row);
}

void StatisticsDialog::ShowGroup() {
  const QSignalBlocker quiet(memberList);
  memberList->clear();
  for (int m = 1; m <= kMembersPerGroup; ++m) {
    memberList->addItem(QString::fromStdString(state_.members.MemberName[stats_group_][m]));
  }
  stats_member_ = 0;
  ClearFigures();
}

void StatisticsDialog::OnMemberChosen() {
  const int row = memberList->currentRow();
  if (row < 0) {
    stats_member_ = 0;
    ClearFigures();
    return;
  }
  ShowMember(row + 1);
}

void StatisticsDialog::ClearFigures() {
  playerNameLabel->clear();
  for (QLabel* figure : {handsPlayedFigure, winsFigure, winRateFigure, winNumberFigure, yakuFigure,
                         pointsWonFigure, initialMatchesFigure, counterCallsFigure, dealInsFigure,
                         dealInRateFigure, pointsLostFigure, cardOversFigure, gamesPlayedFigure, rankFigure,
                         pointsFigure}) {
    figure->clear();
  }
}

void StatisticsDialog::ShowMember(int member) {
  stats_member_ = member;
  const MemberRecordTexts t = MemberRecord(state_.members, stats_group_, member);
  auto show = [](QLabel* label, const std::string& text) { label->setText(QString::fromStdString(text)); };
  const QString name = QString::fromStdString(t.name);
  playerNameLabel->setText(QFontMetrics(playerNameLabel->font()).elidedText(name, Qt::ElideRight, playerNameLabel->width()));
  playerNameLabel->setToolTip(name);
  show(handsPlayedFigure, t.hands_played);
  show(winsFigure, t.wins);
  show(winRateFigure, t.win_rate);
  show(winNumberFigure, t.win_number);
  show(yakuFigure, t.yaku);
  show(pointsWonFigure, t.points_won);
  show(initialMatchesFigure, t.initial_matches);
  show(counterCallsFigure, t.counter_calls);
  show(dealInsFigure, t.deal_ins);
  show(dealInRateFigure, t.deal_in_rate);
  show(pointsLostFigure, t.points_lost);
  show(cardOversFigure, t.card_overs);
  show(gamesPlayedFigure, t.games_played);
  show(rankFigure, t.rank);
  show(pointsFigure, t.points);
  QPalette palette = pointsFigure->palette();
  palette.setColor(QPalette::WindowText, t.points_negative ? kNegativePoints : kPoints);
  pointsFigure->setPalette(palette);
}

void StatisticsDialog::OpenParameters(int member) {
  if (member < 1 || member > kMembersPerGroup) return;
  PlayerParametersDialog parameters(state_, paths_, stats_group_, member, this);
  AwaitDialog(parameters);
  // The list row follows the member; the names themselves do not change.
  const QSignalBlocker quiet(memberList);
  memberList->setCurrentRow(member - 1);
  ShowMember(member);
}

bool StatisticsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == playerNameLabel && (mouse->modifiers() & Qt::ShiftModifier) && !playerNameLabel->text().isEmpty()) {
      runs_.Start([this] { OpenParameters(memberList->currentRow() + 1); });
      return true;
    }
    if (watched == playerNameCaption) {
      runs_.Start([this] { OpenParameters(stats_member_); });
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void StatisticsDialog::OpenParametersOnceShown() {
  QTimer::singleShot(0, this, [this] {
    if (memberList->currentRow() < 0) memberList->setCurrentRow(0);
    runs_.Start([this] { OpenParameters(memberList->currentRow() + 1); });
  });
}

void OpenGameResult(QWidget* parent, GameState& state, const ProgramPaths& paths, GameResultOpening opening) {
  StatisticsDialog window(state, paths, parent);
  if (opening == GameResultOpening::Parameters) window.OpenParametersOnceShown();
  AwaitDialog(window);
}

}  // namespace winpiruk
