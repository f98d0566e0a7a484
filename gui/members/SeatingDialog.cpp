#include "gui/members/SeatingDialog.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "config/SettingsStore.h"
#include "engine/Durations.h"
#include "gui/members/DealerDrawCard.h"
#include "gui/members/DealerDrawPage.h"
#include "gui/members/GroupDialog.h"
#include "gui/members/MemberRowDelegate.h"
#include "gui/members/SeatingPlan.h"
#include "presentation/PictureNames.h"
#include "scoring/MemberFiles.h"
#include "state/RuleLimits.h"
#include "gui/common/Awaiting.h"
#include "gui/common/SpokenNames.h"
#include "gui/common/Captions.h"
#include "gui/common/EnterKey.h"
#include "gui/common/Messages.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/common/WindowPlacement.h"

namespace winpiruk {

namespace {

// The stage's pages.
enum StagePage { kMemberPage, kDrawPage, kSeatingPage };

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

QLabel* SeatPlate(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMinimumHeight(24);
  label->setTextFormat(Qt::PlainText);
  label->setStyleSheet(QStringLiteral("QLabel { background: white; padding: 2px 6px; }"));
  return label;
}

QPushButton* Button(QWidget* parent, QPushButton*& target, const QString& name, const QString& caption) {
  target = new QPushButton(AccessCaption(caption), parent);
  target->setObjectName(name);
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
  reseedTimer = new QTimer(this);
  reseedTimer->setObjectName(QStringLiteral("reseedTimer"));
  reseedTimer->setSingleShot(true);
  reseedTimer->setInterval(kDealerDrawReseedMs);
  connect(reseedTimer, &QTimer::timeout, this, &SeatingDialog::OnReseed);
  NameControlsForReaders(*this);
}

// A window closed in the middle of the draws, or of a message, stops them
// where they wait.
SeatingDialog::~SeatingDialog() { runs_.StopAll(); }

void SeatingDialog::BuildControls() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(12, 12, 12, 12);
  root->setSpacing(10);
  root->addWidget(BuildMessageLabel());

  auto* middle = new QHBoxLayout;
  middle->setSpacing(12);
  root->addLayout(middle, 1);
  middle->addWidget(BuildStage(), 1);
  middle->addLayout(BuildSidePanel());
  root->addLayout(BuildClosingRow());
  ConnectControls();
}

QLabel* SeatingDialog::BuildMessageLabel() {
  messageLabel = new QLabel(this);
  messageLabel->setObjectName(QStringLiteral("messageLabel"));
  messageLabel->setTextFormat(Qt::PlainText);
  messageLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  messageLabel->setMinimumHeight(30);
  messageLabel->setStyleSheet(
      QStringLiteral("QLabel { background: #fffbe6; color: #1a1a1a; padding: 4px; font-weight: bold; }"));
  return messageLabel;
}

QWidget* SeatingDialog::BuildStage() {
  stage = new QStackedWidget(this);
  stage->setObjectName(QStringLiteral("stage"));
  memberList = new QListWidget(stage);
  memberList->setObjectName(QStringLiteral("memberList"));
  memberList->setSelectionMode(QAbstractItemView::MultiSelection);
  memberList->setToolTip(tr("対戦相手を3人選んでください"));
  NameAfter(*memberList, tr("メンバー"));
  memberList->setItemDelegate(new MemberRowDelegate(memberList));
  // Enter in the list moves on to OK rather than pressing it.
  OnEnterKey(*memberList, [this] { okButton->setFocus(); });
  drawPage = new DealerDrawPage(stage);
  seatingPlan = new SeatingPlan(stage);
  stage->insertWidget(kMemberPage, memberList);
  stage->insertWidget(kDrawPage, drawPage);
  stage->insertWidget(kSeatingPage, seatingPlan);
  stage->setMinimumSize(380, 250);
  return stage;
}

QLayout* SeatingDialog::BuildSidePanel() {
  auto* side = new QVBoxLayout;
  side->setSpacing(8);
  auto* seats = new QGroupBox(tr("対戦メンバー"), this);
  auto* seat_layout = new QVBoxLayout(seats);
  for (int j = 0; j < kOpponents; ++j) {
    opponentLabels[j] = SeatPlate(seats, QStringLiteral("opponentLabel%1").arg(j + 1));
    seat_layout->addWidget(opponentLabels[j]);
  }
  seats->setMinimumWidth(170);
  side->addWidget(seats);

  side->addWidget(Button(this, randomChoiceButton, QStringLiteral("randomChoiceButton"), tr("ﾗﾝﾀﾞﾑ選択(&A)")));
  side->addWidget(Button(this, chooseAgainButton, QStringLiteral("chooseAgainButton"), tr("決め直し(&R)")));
  side->addWidget(Button(this, changeGroupButton, QStringLiteral("changeGroupButton"), tr("ｸﾞﾙｰﾌﾟ変更(&G)...")));
  side->addStretch(1);
  randomChoiceButton->setToolTip(tr("対戦相手と親をランダムに決めます"));
  chooseAgainButton->setToolTip(tr("選び直します"));
  changeGroupButton->setToolTip(tr("対戦するグループを変えます"));
  return side;
}

// Kept as two buttons of its own rather than a button box: a box orders OK
// and "ｷｬﾝｾﾙ" by the desktop's convention, and this window keeps its order.
QLayout* SeatingDialog::BuildClosingRow() {
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(Button(this, okButton, QStringLiteral("okButton"), QStringLiteral("OK")));
  bottom->addWidget(Button(this, cancelButton, QStringLiteral("cancelButton"), tr("ｷｬﾝｾﾙ")));
  okButton->setMinimumWidth(96);
  cancelButton->setMinimumWidth(96);
  okButton->setDefault(true);
  return bottom;
}

void SeatingDialog::ConnectControls() {
  // What waits (for a message, the group window or the draws' pauses) runs
  // in a run of the window's own.
  connect(memberList, &QListWidget::itemSelectionChanged, this, &SeatingDialog::OnSelectionChanged);
  connect(chooseAgainButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnChooseAgain(); }); });
  connect(randomChoiceButton, &QPushButton::clicked, this, &SeatingDialog::OnRandomChoice);
  connect(cancelButton, &QPushButton::clicked, this, &SeatingDialog::OnCancel);
  connect(okButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnOk(); }); });
  connect(changeGroupButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnChangeGroup(); }); });
  connect(drawPage, &DealerDrawPage::cardClicked, this,
          [this](int position) { runs_.Start([this, position] { OnCardClicked(position); }); });
}

bool SeatingDialog::Open(bool member_change) {
  QtSettingsHost host(parentWidget() != nullptr ? parentWidget() : this);
  if (ReadSettings(state_, paths_, host) == ReadSettingsOutcome::Quit) {
    outcome_ = SeatingDialogOutcome::Quit;
    return false;
  }
  setWindowTitle(tr("ぴるく  －メンバー決め－"));
  ShowMessage(tr(" 対戦メンバーを決めてください."));
  random_.Seed(OpeningSeed(clock_.Now()));
  state_.seating.Phase = kChoosingMembers;
  draw_ = DealerDraw{};
  reseedTimer->start();
  LoadMemberRows();
  MarkLastOpponents();
  if (member_change) {
    ShowSeatLabels({state_.match.SeatName[1], state_.match.SeatName[2], state_.match.SeatName[3]});
  } else {
    ShowSeatLabels({});
  }
  drawPage->Clear();
  stage->setCurrentIndex(kMemberPage);
  UpdateRandomChoiceEnabled();
  okButton->setFocus();

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
  const QSignalBlocker quiet(memberList);
  memberList->clear();
  for (const MemberRow& row : rows_) {
    auto* item = new QListWidgetItem(FromUtf8(row.text), memberList);
    item->setData(Qt::UserRole, row.member);
    if (!IsEligibleOpponent(state_, state_.seating.CurrentGroup, row.member)) {
      // Listed so the user sees everyone, but a member without points
      // cannot sit at the table.
      item->setFlags(item->flags() & ~Qt::ItemIsSelectable);
      item->setForeground(QColor(150, 150, 150));
      item->setToolTip(tr("持ち点が1点未満のため選べません"));
    }
  }
}

void SeatingDialog::ShowMessage(const std::string& text) { ShowMessage(FromUtf8(text)); }

void SeatingDialog::ShowMessage(const QString& text) { messageLabel->setText(text); }

void SeatingDialog::ShowSeatLabels(const std::array<std::string, kOpponents>& names) {
  for (int j = 0; j < kOpponents; ++j) opponentLabels[j]->setText(FromUtf8(names[j]));
}

void SeatingDialog::UpdateRandomChoiceEnabled() {
  randomChoiceButton->setEnabled(state_.seating.Phase == kChoosingMembers && picks_.empty());
}

void SeatingDialog::TellAboutPickChange(const std::vector<int16_t>& before, const std::vector<int16_t>& selected) {
  auto absent = [](const std::vector<int16_t>& from, const std::vector<int16_t>& in) {
    for (const int16_t member : from) {
      if (std::find(in.begin(), in.end(), member) == in.end()) return member;
    }
    return int16_t{0};
  };
  const int16_t added = absent(picks_, before);
  const int16_t dropped = absent(before, picks_);
  const bool deselected = dropped != 0 && std::find(selected.begin(), selected.end(), dropped) == selected.end();
  if (added != 0 && dropped != 0 && !deselected) {
    ShowMessage(PickReplacedMessage(state_.seating.GroupMemberName[added], state_.seating.GroupMemberName[dropped]));
  } else if (before.size() == kOpponents && picks_ == before && selected.size() > kOpponents) {
    ShowMessage(TooManyPicksMessage());
  }
}

// The opponents of the last match are marked, so the user sees at once
// who sat at the table.
void SeatingDialog::MarkLastOpponents() {
  if (state_.match.SeatMember[0] != state_.seating.CurrentGroup) return;
  for (int row = 0; row < memberList->count(); ++row) {
    QListWidgetItem* item = memberList->item(row);
    const auto member = static_cast<int16_t>(item->data(Qt::UserRole).toInt());
    for (int seat = 1; seat < kSeats; ++seat) {
      if (member == 0 || state_.match.SeatMember[seat] != member) continue;
      QFont bold = item->font();
      bold.setBold(true);
      item->setFont(bold);
      item->setToolTip(tr("前回の対戦メンバー"));
    }
  }
}

void SeatingDialog::OnSelectionChanged() {
  if (state_.seating.Phase != kChoosingMembers) return;
  std::vector<int16_t> selected;
  for (int row = 0; row < memberList->count(); ++row) {
    QListWidgetItem* item = memberList->item(row);
    if (item->isSelected()) selected.push_back(static_cast<int16_t>(item->data(Qt::UserRole).toInt()));
  }
  const std::vector<int16_t> before = picks_;
  picks_ = PicksFromSelection(state_, selected);
  TellAboutPickChange(before, selected);

  // Rows beyond the third pick are not picks; they do not stay highlighted.
  {
    const QSignalBlocker quiet(memberList);
    for (int row = 0; row < memberList->count(); ++row) {
      QListWidgetItem* item = memberList->item(row);
      const auto member = static_cast<int16_t>(item->data(Qt::UserRole).toInt());
      const bool picked = std::find(picks_.begin(), picks_.end(), member) != picks_.end();
      if (item->isSelected() && !picked) item->setSelected(false);
    }
  }

  std::array<std::string, kOpponents> names;
  for (size_t j = 0; j < picks_.size(); ++j) names[j] = state_.seating.GroupMemberName[picks_[j]];
  ShowSeatLabels(names);
  // Seats are drawn when the third member is picked, not again for a click
  // that leaves the same three.
  if (picks_.size() == kOpponents && picks_ != before) SeatPicks(state_, {picks_[0], picks_[1], picks_[2]}, random_);
  UpdateRandomChoiceEnabled();
  if (picks_.size() == kOpponents) okButton->setFocus();
}

void SeatingDialog::OnChooseAgain() {
  if (state_.seating.Phase != kChoosingMembers) return;
  LoadMemberRows();
  ShowSeatLabels({});
  UpdateRandomChoiceEnabled();
}

void SeatingDialog::OnRandomChoice() {
  if (state_.seating.Phase != kChoosingMembers || !picks_.empty()) return;
  if (!ChooseMembersAtRandom(state_, random_, dealer_name_)) return;
  ShowSeatLabels({state_.match.SeatName[1], state_.match.SeatName[2], state_.match.SeatName[3]});
  ShowSeating();
  stage->setCurrentIndex(kSeatingPage);
  memberList->hide();
  chooseAgainButton->setEnabled(false);
  randomChoiceButton->setEnabled(false);
  changeGroupButton->setEnabled(false);
  ShowMessage(RandomDealerMessage(dealer_name_));
  okButton->setFocus();
}

void SeatingDialog::ShowSeating() {
  std::array<QString, kSeats> names;
  names[0] = FromUtf8(TrimTrailingBlanks(UserName(state_)));
  for (int seat = 1; seat < kSeats; ++seat) names[seat] = FromUtf8(TrimTrailingBlanks(state_.match.SeatName[seat]));
  seatingPlan->Show(names, state_.table.Dealer);
}

void SeatingDialog::OnCancel() {
  if (drawing_) return;
  state_.match.MatchInProgress = false;
  outcome_ = SeatingDialogOutcome::Cancelled;
  QDialog::reject();
}

void SeatingDialog::reject() {
  // Esc and the close box act as "ｷｬﾝｾﾙ", and like it wait for the draws.
  OnCancel();
}

void SeatingDialog::done(int result) {
  // Whichever way the window closes, the member table goes to disk; a
  // failure is told before the window closes.
  reseedTimer->stop();
  runs_.Start([this, result] {
    if (!WriteMemberFiles(state_, paths_)) winpiruk::ShowWriteFailure(this);
    QDialog::done(result);
  });
}

void SeatingDialog::OnOk() {
  if (drawing_) return;
  if (state_.seating.Phase == kDealerDecided) {
    StartMatch(state_, clock_.Now().SecondsSinceMidnight());
    ShowMessage(tr(" しばらくお待ちください... "));
    messageLabel->repaint();
    outcome_ = SeatingDialogOutcome::Started;
    QDialog::accept();
    return;
  }
  if (state_.seating.Phase == kComputersDrawing) return;
  if (picks_.size() != kOpponents) {
    ShowMessage(PicksMissingMessage(kOpponents - static_cast<int>(picks_.size())));
    return;
  }
  StartDealerDraw();
}

void SeatingDialog::OnChangeGroup() {
  if (state_.seating.Phase != kChoosingMembers) {
    if (state_.settings.SoundMode != 0) QApplication::beep();
    return;
  }
  OpenGroupWindow(this, state_, paths_);
  // The group chosen there plays, also when that window was closed by its
  // frame (then it is kept beside the settings, which name the old group).
  ShowMemberRows();
  ShowSeatLabels({});
  UpdateRandomChoiceEnabled();
  memberList->setFocus();
}

void SeatingDialog::OnReseed() { random_.Seed(DealSeed(clock_.Now())); }

void SeatingDialog::StartDealerDraw() {
  setWindowTitle(tr("ぴるく  －親決め－"));
  QPixmap back;
  if (!LoadPicture(CardBackFile(CardKindInUse(state_.settings), BackOrientation::Upright), back)) return;
  drawPage->ShowFaceDown(back, state_.settings.KeyGuideDisplay != 0);
  stage->setCurrentIndex(kDrawPage);
  memberList->setEnabled(false);
  chooseAgainButton->setEnabled(false);
  randomChoiceButton->setEnabled(false);
  changeGroupButton->setEnabled(false);
  state_.seating.Phase = kUserToDraw;
  ShuffleDrawCards(draw_, random_);
  ShowMessage(DrawPrompt(draw_));
}

bool SeatingDialog::LoadPicture(const std::string& file, QPixmap& picture) {
  pictures_.SetScale(static_cast<double>(DealerDrawCard::kShownWidth) / kCardWidth, devicePixelRatioF());
  pictures_.SetDeckColours(DeckColoursOf(state_.window));
  picture = pictures_.Picture(file, routine::kCardFace);
  if (!file.empty() && !picture.isNull()) return true;
  // Without its pictures the program cannot go on: say which one and end.
  const std::string path = DataFilePath(state_.settings, file);
  winpiruk::ShowMessage(this, kProgramTitle, MissingPictureText(FromUtf8(path), QString::fromLatin1(routine::kCardFace)),
                        QMessageBox::Critical);
  outcome_ = SeatingDialogOutcome::Quit;
  drawing_ = false;
  done(QDialog::Rejected);
  return false;
}

void SeatingDialog::OnCardClicked(int position) {
  if (state_.seating.Phase != kUserToDraw || drawing_) return;
  UserDraw(position);
}

void SeatingDialog::keyPressEvent(QKeyEvent* event) {
  const int position = DrawKeyPosition(event->text());
  if (position != 0) {
    if (state_.seating.Phase == kUserToDraw && !drawing_) runs_.Start([this, position] { UserDraw(position); });
    event->accept();
    return;
  }
  if (drawing_ && event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

void SeatingDialog::UserDraw(int position) {
  if (position < 1 || position > kDrawPositions || draw_.DrawTaken[position] != 0) return;
  drawing_ = true;
  cancelButton->setEnabled(false);
  okButton->setEnabled(false);
  drawPage->SetDrawable(false);

  if (!RevealAt(position)) return;
  Pause(kDealerDrawPauseUnits);
  for (int seat = 1; seat <= kOpponents; ++seat) {
    if (!RevealAt(ComputerDrawPosition(draw_, random_))) return;
    Pause(kDealerDrawPauseUnits);
  }

  state_.seating.Phase = kDealerDecided;
  drawing_ = false;
  cancelButton->setEnabled(true);
  okButton->setEnabled(true);
  okButton->setFocus();
}

bool SeatingDialog::RevealAt(int position) {
  const Reveal reveal = RevealPosition(state_, draw_, position);
  if (!reveal.revealed) return true;
  QPixmap face;
  if (!LoadPicture(CardFaceFile(reveal.face), face)) return false;
  const std::string who = reveal.seat == 0 ? UserName(state_) : state_.match.SeatName[reveal.seat];
  drawPage->Reveal(position, face, FromUtf8(TrimTrailingBlanks(who)));
  // Everyone has drawn: mark the dealer's card.
  if (draw_.DrawCount > kDrawPositions && AcePosition(draw_) != 0) drawPage->MarkDealer(AcePosition(draw_));
  ShowMessage(reveal.message);
  return true;
}

void SeatingDialog::Pause(int units) {
  // The draw's run waits; the window paints and answers meanwhile.
  const int unit_ms = state_.window.SpeedCount > 0 ? state_.window.SpeedCount : kDefaultSpeedUnitMs;
  AwaitTimeout(unit_ms * units);
}

SeatingDialogOutcome RunMemberDecision(QWidget* parent, GameState& state, const ProgramPaths& paths, bool member_change,
                               RandomSource& random, const Clock& clock) {
  SeatingDialog window(state, paths, random, clock, parent);
  if (!window.Open(member_change)) return window.Outcome();
  AwaitDialog(window);
  return window.Outcome();
}

}  // namespace winpiruk
