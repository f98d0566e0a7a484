#include "gui/members/SeatingDialog.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "config/SettingsStore.h"
#include "engine/Durations.h"
#include "gui/members/DealerDrawCard.h"
#include "gui/members/GroupDialog.h"
#include "gui/members/MemberRowDelegate.h"
#include "presentation/PictureNames.h"
#include "scoring/MemberFiles.h"
#include "state/RuleLimits.h"
#include "gui/common/Captions.h"
#include "gui/common/CardPictures.h"
#include "gui/common/EnterKey.h"
#include "gui/common/Messages.h"
#include "gui/common/Pacing.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/common/WindowPlacement.h"

namespace winpiruk {

namespace {

const QString kFelt = QStringLiteral(
    "QFrame#Felt { background: qradialgradient(cx:0.5, cy:0.45, radius:0.8, stop:0 #2f8a4e, stop:1 #1b5c33);"
    " border: 1px solid #12401f; border-radius: 6px; }"
    "QFrame#Felt QLabel { color: white; }");

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// The position a typed character draws during the user's draw: the letters
// a-d in either case and the kana on the same keys.
int DrawKeyPosition(const QString& typed) {
  if (typed.size() != 1) return 0;
  switch (typed.front().unicode()) {
    case u'a': case u'A': case u'ﾁ': return 1;
    case u'b': case u'B': case u'ｺ': return 2;
    case u'c': case u'C': case u'ｿ': return 3;
    case u'd': case u'D': case u'ｼ': return 4;
    default: return 0;
  }
}

QLabel* SeatPlate(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMinimumHeight(24);
  label->setTextFormat(Qt::PlainText);
  label->setStyleSheet(QStringLiteral("QLabel { background: white; padding: 2px 6px; }"));
  return label;
}

QPushButton* Button(QWidget* parent, QPushButton*& target, const char* name, const QString& caption) {
  target = new QPushButton(AccessCaption(caption), parent);
  target->setObjectName(QString::fromLatin1(name));
  target->setAutoDefault(false);
  target->setMinimumHeight(28);
  return target;
}

}  // namespace

SeatingDialog::SeatingDialog(GameState& state, const ProgramPaths& paths, RandomSource& random, const Clock& clock, QWidget* parent)
    : QDialog(parent),
      state_(state),
      paths_(paths),
      random_(random),
      clock_(clock),
      pictures_(state.settings, nullptr, QString::fromStdString(paths.program_directory)) {
  setObjectName(QStringLiteral("SeatingDialog"));
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  BuildControls();
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setSingleShot(true);
  Timer1->setInterval(kDealerDrawReseedMs);
  connect(Timer1, &QTimer::timeout, this, &SeatingDialog::Timer1_Timer);
}

SeatingDialog::~SeatingDialog() = default;

void SeatingDialog::BuildControls() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(12, 12, 12, 12);
  root->setSpacing(10);

  Label10 = new QLabel(this);
  Label10->setObjectName(QStringLiteral("Label10"));
  Label10->setTextFormat(Qt::PlainText);
  Label10->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Label10->setMinimumHeight(30);
  Label10->setStyleSheet(QStringLiteral("QLabel { background: #fffbe6; color: #1a1a1a; padding: 4px; font-weight: bold; }"));
  root->addWidget(Label10);

  auto* middle = new QHBoxLayout;
  middle->setSpacing(12);
  root->addLayout(middle, 1);

  stage_ = new QStackedWidget(this);
  List1 = new QListWidget(stage_);
  List1->setObjectName(QStringLiteral("List1"));
  List1->setSelectionMode(QAbstractItemView::MultiSelection);
  List1->setToolTip(QStringLiteral("対戦相手を3人選んでください"));
  List1->setItemDelegate(new MemberRowDelegate(List1));
  // Enter in the list moves on to OK rather than pressing it.
  OnEnterKey(*List1, [this] { Command5->setFocus(); });
  stage_->addWidget(List1);
  stage_->addWidget(BuildDrawPage());
  stage_->addWidget(BuildSeatingPage());
  stage_->setMinimumSize(380, 250);
  middle->addWidget(stage_, 1);

  middle->addLayout(BuildSidePanel());
  root->addLayout(BuildClosingRow());

  connect(List1, &QListWidget::itemSelectionChanged, this, &SeatingDialog::List1_SelectionChanged);
  connect(Command1, &QPushButton::clicked, this, &SeatingDialog::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &SeatingDialog::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &SeatingDialog::Command3_Click);
  connect(Command5, &QPushButton::clicked, this, &SeatingDialog::Command5_Click);
  connect(Command6, &QPushButton::clicked, this, &SeatingDialog::Command6_Click);
}

QLayout* SeatingDialog::BuildSidePanel() {
  auto* side = new QVBoxLayout;
  side->setSpacing(8);
  auto* seats = new QGroupBox(QStringLiteral("対戦メンバー"), this);
  auto* seat_layout = new QVBoxLayout(seats);
  Label2 = SeatPlate(seats);
  Label3 = SeatPlate(seats);
  Label4 = SeatPlate(seats);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label3->setObjectName(QStringLiteral("Label3"));
  Label4->setObjectName(QStringLiteral("Label4"));
  for (QLabel* label : {Label2, Label3, Label4}) seat_layout->addWidget(label);
  seats->setMinimumWidth(170);
  side->addWidget(seats);

  side->addWidget(Button(this, Command2, "Command2", QStringLiteral("ﾗﾝﾀﾞﾑ選択(&A)")));
  side->addWidget(Button(this, Command1, "Command1", QStringLiteral("決め直し(&R)")));
  side->addWidget(Button(this, Command6, "Command6", QStringLiteral("ｸﾞﾙｰﾌﾟ変更(&G)...")));
  side->addStretch(1);
  Command2->setToolTip(QStringLiteral("対戦相手と親をランダムに決めます"));
  Command1->setToolTip(QStringLiteral("選び直します"));
  Command6->setToolTip(QStringLiteral("対戦するグループを変えます"));
  return side;
}

QLayout* SeatingDialog::BuildClosingRow() {
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(Button(this, Command5, "Command5", QStringLiteral("OK")));
  bottom->addWidget(Button(this, Command3, "Command3", QStringLiteral("ｷｬﾝｾﾙ")));
  Command5->setMinimumWidth(96);
  Command3->setMinimumWidth(96);
  Command5->setDefault(true);
  return bottom;
}

QWidget* SeatingDialog::BuildDrawPage() {
  auto* felt = new QFrame(stage_);
  felt->setObjectName(QStringLiteral("Felt"));
  felt->setStyleSheet(kFelt);
  auto* grid = new QGridLayout(felt);
  grid->setContentsMargins(16, 16, 16, 16);
  grid->setRowStretch(0, 1);
  grid->setRowStretch(4, 1);
  const QString keys[] = {QString(), QStringLiteral("A ﾁ"), QStringLiteral("B ｺ"), QStringLiteral("C ｿ"),
                          QStringLiteral("D ｼ")};
  for (int k = 1; k <= kDrawPositions; ++k) {
    Picture[k] = new DealerDrawCard(felt);
    Picture[k]->setObjectName(QStringLiteral("Picture%1").arg(k));
    connect(Picture[k], &DealerDrawCard::clicked, this, [this, k] { ClickCard(k); });
    grid->addWidget(Picture[k], 1, k - 1, Qt::AlignHCenter);

    KeyGuide[k] = new QLabel(keys[k], felt);
    KeyGuide[k]->setObjectName(QStringLiteral("KeyGuide%1").arg(k));
    KeyGuide[k]->setAlignment(Qt::AlignCenter);
    KeyGuide[k]->setStyleSheet(QStringLiteral("QLabel { color: #ffe680; font-weight: bold; }"));
    grid->addWidget(KeyGuide[k], 2, k - 1);

    DrawnBy[k] = new QLabel(felt);
    DrawnBy[k]->setObjectName(QStringLiteral("DrawnBy%1").arg(k));
    DrawnBy[k]->setAlignment(Qt::AlignCenter);
    DrawnBy[k]->setTextFormat(Qt::PlainText);
    DrawnBy[k]->setMinimumWidth(DealerDrawCard::kShownWidth + 16);
    grid->addWidget(DrawnBy[k], 3, k - 1);
  }
  return felt;
}

QWidget* SeatingDialog::BuildSeatingPage() {
  // The table seen from above: the user at the bottom, seats 1, 2, 3 at the
  // left, the top and the right, as the main window seats them.
  auto* felt = new QFrame(stage_);
  felt->setObjectName(QStringLiteral("Felt"));
  felt->setStyleSheet(kFelt + QStringLiteral(" QFrame#Felt QLabel#Dealer { color: #1a1a1a; background: #ffd54a;"
                                              " border-radius: 9px; padding: 1px 6px; font-weight: bold; }"));
  auto* grid = new QGridLayout(felt);
  grid->setContentsMargins(16, 16, 16, 16);
  const int cell[kSeats][2] = {{2, 1}, {1, 0}, {0, 1}, {1, 2}};
  for (int seat = 0; seat < kSeats; ++seat) {
    auto* box = new QVBoxLayout;
    box->setSpacing(4);
    seating_name_[seat] = new QLabel(felt);
    seating_name_[seat]->setTextFormat(Qt::PlainText);
    seating_name_[seat]->setAlignment(Qt::AlignCenter);
    QFont font = seating_name_[seat]->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    font.setBold(true);
    seating_name_[seat]->setFont(font);
    seating_dealer_[seat] = new QLabel(QStringLiteral("親"), felt);
    seating_dealer_[seat]->setObjectName(QStringLiteral("Dealer"));
    seating_dealer_[seat]->setAlignment(Qt::AlignCenter);
    box->addWidget(seating_name_[seat], 0, Qt::AlignHCenter);
    box->addWidget(seating_dealer_[seat], 0, Qt::AlignHCenter);
    grid->addLayout(box, cell[seat][0], cell[seat][1], Qt::AlignCenter);
  }
  auto* table = new QLabel(felt);
  table->setFixedSize(90, 60);
  table->setStyleSheet(QStringLiteral("QLabel { border: 2px solid rgba(255,255,255,90); border-radius: 8px; }"));
  grid->addWidget(table, 1, 1, Qt::AlignCenter);
  for (int i = 0; i < 3; ++i) {
    grid->setRowStretch(i, 1);
    grid->setColumnStretch(i, 1);
  }
  return felt;
}

bool SeatingDialog::Open(bool member_change) {
  QtSettingsHost host(parentWidget() != nullptr ? parentWidget() : this);
  if (ReadSettings(state_, paths_, host) == ReadSettingsOutcome::Quit) {
    outcome_ = SeatingDialogOutcome::Quit;
    return false;
  }
  setWindowTitle(QStringLiteral("ぴるく  －メンバー決め－"));
  ShowMessage(" 対戦メンバーを決めてください.");
  random_.Seed(OpeningSeed(clock_.Now()));
  state_.DecisionPhase = kChoosingMembers;
  draw_ = DealerDraw{};
  Timer1->start();
  LoadMemberRows();
  if (member_change) {
    ShowSeatLabels({state_.SeatName[1], state_.SeatName[2], state_.SeatName[3]});
  } else {
    ShowSeatLabels({});
  }
  for (int k = 1; k <= kDrawPositions; ++k) {
    KeyGuide[k]->setVisible(false);
    DrawnBy[k]->clear();
  }
  stage_->setCurrentIndex(0);
  UpdateRandomChoiceEnabled();
  Command5->setFocus();

  adjustSize();
  setFixedSize(sizeHint().expandedTo(QSize(600, 380)));
  CentreOnScreen(*this);
  return true;
}

void SeatingDialog::LoadMemberRows() {
  ReportDamagedMemberFiles(this, ReadMemberFiles(state_, paths_));
  ShowMemberRows();
}

void SeatingDialog::ShowMemberRows() {
  rows_ = LoadMemberList(state_);
  picks_.clear();
  const QSignalBlocker quiet(List1);
  List1->clear();
  for (const MemberRow& row : rows_) {
    auto* item = new QListWidgetItem(FromUtf8(row.text), List1);
    item->setData(Qt::UserRole, row.member);
    if (!IsEligibleOpponent(state_, state_.CurrentGroup, row.member)) {
      // Listed so the user sees everyone, but a member without points
      // cannot sit at the table.
      item->setFlags(item->flags() & ~Qt::ItemIsSelectable);
      item->setForeground(QColor(150, 150, 150));
      item->setToolTip(QStringLiteral("持ち点が1点未満のため選べません"));
    }
  }
}

void SeatingDialog::ShowMessage(const std::string& text) {
  Label10->setText(FromUtf8(text));
}

void SeatingDialog::ShowSeatLabels(const std::array<std::string, kOpponents>& names) {
  Label2->setText(FromUtf8(names[0]));
  Label3->setText(FromUtf8(names[1]));
  Label4->setText(FromUtf8(names[2]));
}

void SeatingDialog::UpdateRandomChoiceEnabled() {
  Command2->setEnabled(state_.DecisionPhase == kChoosingMembers && picks_.empty());
}

void SeatingDialog::List1_SelectionChanged() {
  if (state_.DecisionPhase != kChoosingMembers) return;
  std::vector<int16_t> selected;
  for (int row = 0; row < List1->count(); ++row) {
    if (List1->item(row)->isSelected()) selected.push_back(static_cast<int16_t>(List1->item(row)->data(Qt::UserRole).toInt()));
  }
  const std::vector<int16_t> before = picks_;
  picks_ = PicksFromSelection(state_, selected);

  // Rows beyond the third pick are not picks; they do not stay highlighted.
  {
    const QSignalBlocker quiet(List1);
    for (int row = 0; row < List1->count(); ++row) {
      QListWidgetItem* item = List1->item(row);
      const auto member = static_cast<int16_t>(item->data(Qt::UserRole).toInt());
      const bool picked = std::find(picks_.begin(), picks_.end(), member) != picks_.end();
      if (item->isSelected() && !picked) item->setSelected(false);
    }
  }

  std::array<std::string, kOpponents> names;
  for (size_t j = 0; j < picks_.size(); ++j) names[j] = state_.GroupMemberName[picks_[j]];
  ShowSeatLabels(names);
  // Seats are drawn when the third member is picked, not again for a click
  // that leaves the same three.
  if (picks_.size() == kOpponents && picks_ != before) SeatPicks(state_, {picks_[0], picks_[1], picks_[2]}, random_);
  UpdateRandomChoiceEnabled();
  if (picks_.size() == kOpponents) Command5->setFocus();
}

void SeatingDialog::Command1_Click() {
  if (state_.DecisionPhase != kChoosingMembers) return;
  LoadMemberRows();
  ShowSeatLabels({});
  UpdateRandomChoiceEnabled();
}

void SeatingDialog::Command2_Click() {
  if (state_.DecisionPhase != kChoosingMembers || !picks_.empty()) return;
  if (!ChooseMembersAtRandom(state_, random_, dealer_name_)) return;
  ShowSeatLabels({state_.SeatName[1], state_.SeatName[2], state_.SeatName[3]});
  ShowSeating();
  stage_->setCurrentIndex(2);
  List1->hide();
  Command1->setEnabled(false);
  Command2->setEnabled(false);
  Command6->setEnabled(false);
  ShowMessage(RandomDealerMessage(dealer_name_));
  Command5->setFocus();
}

void SeatingDialog::ShowSeating() {
  seating_name_[0]->setText(FromUtf8(TrimTrailingBlanks(UserName(state_))));
  for (int seat = 1; seat < kSeats; ++seat) seating_name_[seat]->setText(FromUtf8(TrimTrailingBlanks(state_.SeatName[seat])));
  for (int seat = 0; seat < kSeats; ++seat) {
    // Keep the badge's room so that the names do not move when it shows.
    QSizePolicy policy = seating_dealer_[seat]->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    seating_dealer_[seat]->setSizePolicy(policy);
    seating_dealer_[seat]->setVisible(seat == state_.Dealer);
  }
}

void SeatingDialog::Command3_Click() {
  if (drawing_) return;
  state_.MatchInProgress = 0;
  outcome_ = SeatingDialogOutcome::Cancelled;
  QDialog::reject();
}

void SeatingDialog::reject() {
  // Esc and the close box act as "ｷｬﾝｾﾙ", and like it wait for the draws.
  Command3_Click();
}

void SeatingDialog::done(int result) {
  // Whichever way the window closes, the member table goes to disk.
  Timer1->stop();
  if (!WriteMemberFiles(state_, paths_)) winpiruk::ShowWriteFailure(this);
  QDialog::done(result);
}

void SeatingDialog::Command5_Click() {
  if (drawing_) return;
  if (state_.DecisionPhase == kDealerDecided) {
    StartMatch(state_, clock_.Now().SecondsSinceMidnight());
    ShowMessage(" しばらくお待ちください... ");
    Label10->repaint();
    outcome_ = SeatingDialogOutcome::Started;
    QDialog::accept();
    return;
  }
  if (state_.DecisionPhase == kComputersDrawing || picks_.size() != kOpponents) return;
  StartDealerDraw();
}

void SeatingDialog::Command6_Click() {
  if (state_.DecisionPhase != kChoosingMembers) {
    if (state_.settings.SoundMode != 0) QApplication::beep();
    return;
  }
  OpenGroupWindow(this, state_, paths_);
  // The group chosen there plays, also when that window was closed by its
  // frame (then it is kept beside the settings, which name the old group).
  ShowMemberRows();
  ShowSeatLabels({});
  UpdateRandomChoiceEnabled();
  List1->setFocus();
}

void SeatingDialog::Timer1_Timer() { random_.Seed(DealSeed(clock_.Now())); }

void SeatingDialog::StartDealerDraw() {
  setWindowTitle(QStringLiteral("ぴるく  －親決め－"));
  const std::string back = CardBackFile(CardKindInUse(state_.settings), BackOrientation::Upright);
  for (int k = 1; k <= kDrawPositions; ++k) {
    if (!LoadPicture(Picture[k], back)) return;
    Picture[k]->SetDrawable(true);
    DrawnBy[k]->clear();
    DrawnBy[k]->setStyleSheet(QString());
    KeyGuide[k]->setVisible(state_.settings.KeyGuideDisplay != 0);
  }
  stage_->setCurrentIndex(1);
  List1->setEnabled(false);
  Command1->setEnabled(false);
  Command2->setEnabled(false);
  Command6->setEnabled(false);
  state_.DecisionPhase = kUserToDraw;
  ShuffleDrawCards(draw_, random_);
  ShowMessage(DrawPrompt(draw_));
}

bool SeatingDialog::LoadPicture(DealerDrawCard* picture, const std::string& file) {
  const std::string path = DataFilePath(state_.settings, file);
  pictures_.SetScale(static_cast<double>(DealerDrawCard::kShownWidth) / kCardWidth, devicePixelRatioF());
  const QPixmap& pixmap = pictures_.Picture(file, routine::kCardFace);
  if (!file.empty() && !pixmap.isNull()) {
    picture->SetCard(pixmap);
    return true;
  }
  // Without its pictures the program cannot go on: say which one and end.
  winpiruk::ShowMessage(this, kProgramTitle, MissingPictureText(FromUtf8(path), QString::fromLatin1(routine::kCardFace)),
                        QMessageBox::Critical);
  outcome_ = SeatingDialogOutcome::Quit;
  drawing_ = false;
  done(QDialog::Rejected);
  return false;
}

void SeatingDialog::ClickCard(int position) {
  if (state_.DecisionPhase != kUserToDraw || drawing_) return;
  UserDraw(position);
}

void SeatingDialog::keyPressEvent(QKeyEvent* event) {
  const int position = DrawKeyPosition(event->text());
  if (position != 0) {
    if (state_.DecisionPhase == kUserToDraw && !drawing_) UserDraw(position);
    event->accept();
    return;
  }
  if (drawing_ && event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

void SeatingDialog::UserDraw(int position) {
  if (position < 1 || position > kDrawPositions || draw_.DrawTaken[position] != 0) return;
  drawing_ = true;
  Command3->setEnabled(false);
  Command5->setEnabled(false);
  for (int k = 1; k <= kDrawPositions; ++k) Picture[k]->SetDrawable(false);

  if (!RevealAt(position)) return;
  Pause(kDealerDrawPauseUnits);
  for (int seat = 1; seat <= kOpponents; ++seat) {
    if (!RevealAt(ComputerDrawPosition(draw_, random_))) return;
    Pause(kDealerDrawPauseUnits);
  }

  state_.DecisionPhase = kDealerDecided;
  drawing_ = false;
  Command3->setEnabled(true);
  Command5->setEnabled(true);
  Command5->setFocus();
}

bool SeatingDialog::RevealAt(int position) {
  const Reveal reveal = RevealPosition(state_, draw_, position);
  if (!reveal.revealed) return true;
  if (!LoadPicture(Picture[position], CardFaceFile(reveal.face))) return false;
  const std::string who = reveal.seat == 0 ? UserName(state_) : state_.SeatName[reveal.seat];
  DrawnBy[position]->setText(FromUtf8(TrimTrailingBlanks(who)));
  if (draw_.DrawCount > kDrawPositions && AcePosition(draw_) != 0) {
    // Everyone has drawn: mark the dealer's card.
    const int ace = AcePosition(draw_);
    DrawnBy[ace]->setText(DrawnBy[ace]->text() + QStringLiteral("  [親]"));
    DrawnBy[ace]->setStyleSheet(QStringLiteral("QLabel { color: #ffd54a; font-weight: bold; }"));
  }
  ShowMessage(reveal.message);
  return true;
}

void SeatingDialog::Pause(int units) {
  // The shared wait keeps the window painting and answering, and counts in
  // the wait depth.
  const int unit_ms = state_.SpeedCount > 0 ? state_.SpeedCount : kDefaultSpeedUnitMs;
  WaitFor(unit_ms * units, InputDuringWait::Processed);
}

SeatingDialogOutcome RunMemberDecision(QWidget* parent, GameState& state, const ProgramPaths& paths, bool member_change,
                               RandomSource& random, const Clock& clock) {
  SeatingDialog window(state, paths, random, clock, parent);
  if (!window.Open(member_change)) return window.Outcome();
  window.exec();
  return window.Outcome();
}

}  // namespace winpiruk
