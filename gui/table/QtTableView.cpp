#include "gui/table/QtTableView.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <QTransform>
#include <algorithm>

#include "config/NumberText.h"
#include "engine/Durations.h"
#include "presentation/GameTexts.h"
#include "gui/scoring/HandResultDialog.h"
#include "gui/scoring/MatchEndDialog.h"
#include "gui/table/TableWindow.h"
#include "gui/common/Messages.h"
#include "gui/common/Pacing.h"

namespace winpiruk {
namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Critical: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

BackOrientation SeatOrientation(int seat) {
  switch (seat) {
    case 1: return BackOrientation::Left;
    case 2: return BackOrientation::UpsideDown;
    case 3: return BackOrientation::Right;
    default: return BackOrientation::Upright;
  }
}

const char* SeatBackRoutine(int seat) {
  switch (seat) {
    case 1: return routine::kLeftBacks;
    case 3: return routine::kRightBacks;
    default: return routine::kTopBacks;
  }
}


// Without "タスク譲渡" the window keeps painting in a wait; input waits its turn.
InputDuringWait QtTableViewInput(const GameState& state) {
  return state.settings.DoOtherTasks != 0 ? InputDuringWait::Processed : InputDuringWait::Kept;
}

}  // namespace

QtTableView::QtTableView(TableWindow& window, GameState& state) : window_(window), state_(state), hints_(window, state) {}

TablePicture::Drawing QtTableView::BackDrawing(int card_kind, int seat, const char* routine_number) const {
  const char* number = routine_number != nullptr ? routine_number : SeatBackRoutine(seat);
  return [this, card_kind, seat, number] {
    return window_.pictures().Back(card_kind, SeatOrientation(seat), number);
  };
}

TablePicture* QtTableView::PositionPicture(int position) const {
  if (position >= 1 && position <= 9) return window_.Picture[position];
  if (position == kPosDrawPile || position == kPosDiscardPile || position == kPosSecondCard) {
    return window_.Picture[position];
  }
  return nullptr;
}

void QtTableView::ShowCard(int position, int code) {
  if (state_.settings.DoOtherTasks != 0) WaitFor(0, InputDuringWait::Processed);
  if (code == 0) {
    const MessageText text = InternalErrorText(2);
    ShowMessage(&window_, Text(text.title), Text(text.text), BoxIcon(text.icon));
    return;
  }
  TablePicture* picture = PositionPicture(position);
  if (picture == nullptr) return;
  picture->ShowDrawn([this, code] { return window_.pictures().Face(code); });
  picture->show();
  picture->raise();
  if (position == kPosDiscardPile || position == kPosSecondCard) RefreshPileGuides();
  hints_.RefreshMarks();
  if (on_card_shown) on_card_shown(position);
}

void QtTableView::HideCard(int position) {
  if (position == kPosDrawPile) {
    ShowDrawPile(false);
    return;
  }
  if (TablePicture* picture = PositionPicture(position)) picture->hide();
  RefreshPileGuides();
  hints_.RefreshMarks();
}

void QtTableView::HideSeatCard(int seat, int position) {
  if (seat < 0 || seat > 3 || position < 1 || position > 9) return;
  window_.Picture[HandPicture(seat, position)]->hide();
}

void QtTableView::ShowSeatCard(int seat, int position) {
  TablePicture* picture = window_.Picture[HandPicture(seat, position)];
  const int code = state_.Hands[seat][position];
  if (seat == 0) {
    if (code == 0) return;
    picture->ShowDrawn([this, code] { return window_.pictures().Face(code); });
  } else if (state_.settings.CardOpen == 1 && code != 0) {
    picture->ShowDrawn([this, seat, code] {
      const QPixmap& face = window_.pictures().Face(code, seat == 2 ? routine::kTopFaces : routine::kCardFace);
      // Open cards of the side seats lie turned like their backs.
      return seat == 2 ? face : face.transformed(QTransform().rotate(seat == 1 ? 90 : -90));
    });
  } else {
    picture->ShowDrawn(BackDrawing(state_.settings.CardKind, seat));
  }
  picture->show();
}

void QtTableView::ShowHand(int seat) {
  if (seat < 0 || seat > 3) return;
  if (state_.settings.DoOtherTasks != 0) WaitFor(0, InputDuringWait::Processed);
  const int count = state_.Hands[seat][kHandCount];
  for (int p = 1; p <= 9; ++p) {
    if (p <= count && state_.Hands[seat][p] != 0) {
      ShowSeatCard(seat, p);
    } else {
      window_.Picture[HandPicture(seat, p)]->hide();
    }
  }
  // Later cards of a row lie over the earlier ones.
  for (int p = 1; p <= 9; ++p) window_.Picture[HandPicture(seat, p)]->raise();
  if (seat == 0) ShowHandKeyGuides(true);
  if (count >= 1) {
    window_.SetLabelText(CountLabel(seat), QString::fromStdString(NumberText(count)) + QStringLiteral("枚 "));
    window_.Label[CountLabel(seat)]->show();
  }
  hints_.RefreshPenalty();
  if (seat == 0) hints_.RefreshMarks();
}

void QtTableView::FlyCard(const QRect& from, const QRect& to) {
  TablePicture* card = window_.MovingCard;
  card->ShowDrawn(BackDrawing(state_.settings.CardKind, 0, routine::kDeal));
  card->resize(from.size());
  card->raise();
  const Motion motion = DealMotion(state_.settings.GameSpeed);
  for (int step = 1; step <= motion.steps; ++step) {
    const QPoint at = from.topLeft() + (to.topLeft() - from.topLeft()) * step / motion.steps;
    card->move(at);
    card->show();
    WaitFor(motion.step_ms, QtTableViewInput(state_));
  }
  card->hide();
}

void QtTableView::DealCardTo(int seat, int pass) {
  if (seat < 0 || seat > 3 || pass < 1 || pass > 9) return;
  const QRect target = window_.PixelRect(window_.table_layout().picture[HandPicture(seat, pass)]);
  FlyCard(window_.PixelRect(window_.table_layout().picture[kPosDrawPile]), target);
  ShowSeatCard(seat, pass);
  window_.Picture[HandPicture(seat, pass)]->raise();
}

void QtTableView::ShowDrawPile(bool shown) {
  if (shown) {
    const TablePicture::Drawing back = BackDrawing(state_.settings.CardKind, 0, routine::kDeal);
    window_.Picture[kPosDrawPile]->ShowDrawn(back);
    window_.Picture[40]->ShowDrawn(back);
    state_.CardBackShown = state_.settings.CardKind;
    window_.Picture[kPosDrawPile]->show();
  } else {
    window_.Picture[kPosDrawPile]->hide();
  }
  RefreshPileGuides();
}

void QtTableView::ShowCardBacks() {
  const Settings& s = state_.settings;
  const TablePicture::Drawing upright = BackDrawing(s.CardKind, 0, routine::kDeal);
  window_.Picture[40]->ShowDrawn(upright);
  window_.Picture[kPosDrawPile]->ShowDrawn(upright);
  state_.CardBackShown = s.CardKind;
  // Only the pictures: what is shown or hidden stays as the game left it.
  for (int seat = 1; seat < kSeats; ++seat) {
    for (int p = 1; p <= 9; ++p) {
      TablePicture* picture = window_.Picture[HandPicture(seat, p)];
      const bool face_up = s.CardOpen == 1 && state_.Hands[seat][p] != 0;
      if (!picture->isVisibleTo(window_.table()) || face_up) continue;
      picture->ShowDrawn(BackDrawing(s.CardKind, seat));
    }
  }
}

void QtTableView::ShowDrawAnimation() {
  const int seat = std::clamp<int>(state_.CurrentSeat, 0, 3);
  const int position = std::clamp<int>(state_.Hands[seat][kHandCount], 1, 9);
  const QRect target = window_.PixelRect(window_.table_layout().picture[HandPicture(seat, position)]);
  FlyCard(window_.PixelRect(window_.table_layout().picture[kPosDrawPile]), target);
}

void QtTableView::ClearTable() {
  for (int n = 1; n <= 39; ++n) window_.Picture[n]->hide();
  window_.ArrowPicture->hide();
  window_.BannerPicture->hide();
  window_.MovingCard->hide();
  arrow_seat_ = -1;
  banner_seat_ = -1;
  for (int n : {kDealerChoiceLabel, kReuseLabel, kPromptLabel, kExtraNumberLabel}) window_.Label[n]->hide();
  for (int position : kGuidedPositions) {
    window_.Label[GuideLabel(position)]->clear();
    window_.Label[GuideLabel(position)]->hide();
  }
  choice_guides_shown_ = {false, false};
  hints_.Clear();
  // Without a match the seats have no one to name.
  if (state_.MatchInProgress == 0) {
    for (int seat = 0; seat < kSeats; ++seat) {
      for (int n : {NameLabel(seat), CountLabel(seat), ScoreLabel(seat)}) window_.Label[n]->hide();
    }
  }
}

void QtTableView::ShowHandKeyGuides(bool shown) {
  const bool guides_on = state_.settings.KeyGuideDisplay == 1;
  const int count = state_.Hands[0][kHandCount];
  for (int p = 1; p <= 9; ++p) {
    QLabel* guide = window_.Label[GuideLabel(p)];
    const bool occupied = shown && p <= count && state_.Hands[0][p] != 0 && window_.Picture[p]->isVisible();
    // The box is fitted to the letter: a guide first filled here would
    // otherwise keep the empty box it was laid out with.
    window_.SetLabelText(guide, occupied ? QString(QChar(u'A' + (p - 1))) : QString());
    guide->setVisible(guides_on && occupied);
  }
  RefreshPileGuides();
}

void QtTableView::RefreshPileGuides() {
  const bool guides_on = state_.settings.KeyGuideDisplay == 1;
  QLabel* draw_guide = window_.Label[GuideLabel(kPosDrawPile)];
  if (draw_guide->text() != QStringLiteral("P")) window_.SetLabelText(draw_guide, QStringLiteral("P"));
  draw_guide->setVisible(guides_on && window_.Picture[kPosDrawPile]->isVisibleTo(window_.table()));
  // "J" and "K" belong to the dealer's choice: shown while it lasts, also
  // when the guides are switched on in the middle of it.
  for (int i = 0; i < 2; ++i) {
    QLabel* guide = window_.Label[GuideLabel(i == 0 ? kPosDiscardPile : kPosSecondCard)];
    const QString letter = i == 0 ? QStringLiteral("J") : QStringLiteral("K");
    const bool shown = guides_on && choice_guides_shown_[static_cast<std::size_t>(i)];
    if (shown && guide->text() != letter) window_.SetLabelText(guide, letter);
    guide->setVisible(shown);
  }
}

void QtTableView::ShowArrow(int seat) {
  if (seat < 0 || seat > 3) return;
  const int direction = state_.Direction;
  window_.ArrowPicture->ShowDrawn([this, seat, direction] { return window_.pictures().Arrow(seat, direction); });
  window_.ArrowPicture->setGeometry(window_.PixelRect(window_.table_layout().arrow[seat]));
  window_.ArrowPicture->show();
  arrow_seat_ = seat;
  // The table has moved on: an old refusal no longer applies.
  hints_.HideRefusal();
  hints_.TurnPassed(seat);
  hints_.RefreshMarks();
  // A piece that has ended is followed by the next at a change of turn.
  window_.music().CheckMusic();
}

QPixmap QtTableView::DrawBanner(bool counter_call, int seat, const BannerCards& cards) const {
  CardPictures& pictures = window_.pictures();
  QPixmap banner = pictures.Banner(counter_call, seat);
  if (banner.isNull()) return banner;
  // The calling seat's cards, in the banner's small faces, on its tray; the
  // tray's places are the file's, so they grow with the zoom.
  {
    QPainter painter(&banner);
    const double zoom = window_.Zoom();
    const bool vertical = seat == 1 || seat == 3;
    int slot = 0;
    for (int code : cards) {
      if (code == 0 || slot >= kBannerCardSlots) continue;
      const PicturePoint spot = BannerCardSpot(vertical, slot++);
      painter.drawPixmap(QPointF(spot.x * zoom, spot.y * zoom), pictures.BannerFace(code));
    }
  }
  // On a small table it is drawn smaller so that it stays whole.
  const QSize room = window_.table()->size() * 9 / 10;
  const QSize size = banner.deviceIndependentSize().toSize();
  if (size.width() > room.width() || size.height() > room.height()) {
    const qreal device_pixel_ratio = banner.devicePixelRatio();
    banner = banner.scaled(room * device_pixel_ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    banner.setDevicePixelRatio(device_pixel_ratio);
  }
  return banner;
}

QRect QtTableView::BannerEnd(int seat, QSize size) const {
  // The banner comes to rest over the caller's row, a little inside the table's edge.
  const QRect area = window_.table()->rect();
  const TableLayout& layout = window_.table_layout();
  const QRect row = window_.PixelRect(layout.picture[HandPicture(seat, 1)])
                        .united(window_.PixelRect(layout.picture[HandPicture(seat, 9)]));
  QRect end(QPoint(0, 0), size);
  if (seat == 0 || seat == 2) {
    end.moveCenter(row.center());
  } else {
    end.moveCenter(QPoint(row.center().x(), area.center().y()));
  }
  constexpr int kMargin = 4;
  end.moveLeft(std::clamp(end.left(), kMargin, std::max(kMargin, area.width() - end.width() - kMargin)));
  end.moveTop(std::clamp(end.top(), kMargin, std::max(kMargin, area.height() - end.height() - kMargin)));
  return end;
}

void QtTableView::ShowBanner(bool counter_call) {
  const int seat = std::clamp<int>(state_.Winner, 0, 3);
  banner_seat_ = -1;  // on its way: a resize keeps it inside the table only
  BannerCards cards{};
  for (std::size_t p = 1; p <= cards.size(); ++p) cards[p - 1] = state_.Hands[static_cast<std::size_t>(seat)][p];
  TablePicture* picture = window_.BannerPicture;
  picture->ShowDrawn([this, counter_call, seat, cards] { return DrawBanner(counter_call, seat, cards); });
  // The engine plays the call's sound with the banner.

  // The banner slides from the middle of the table toward the caller's row.
  const QSize size = picture->pixmap().deviceIndependentSize().toSize();
  picture->resize(size);
  QRect start(QPoint(0, 0), size);
  start.moveCenter(window_.table()->rect().center());
  const QRect end = BannerEnd(seat, size);
  const Motion motion = kBannerMotion;
  for (int step = 0; step <= motion.steps; ++step) {
    picture->move(start.topLeft() + (end.topLeft() - start.topLeft()) * step / motion.steps);
    picture->show();
    picture->raise();
    WaitFor(motion.step_ms, QtTableViewInput(state_));
  }
  banner_seat_ = seat;
  banner_counter_ = counter_call;
}

void QtTableView::ShowCallBanner() { ShowBanner(false); }
void QtTableView::ShowCounterCallBanner() { ShowBanner(true); }

QLabel* QtTableView::LabelFor(TableLabel label) const {
  switch (label) {
    case TableLabel::DealerChoicePrompt: return window_.Label[kDealerChoiceLabel];
    case TableLabel::ReuseMessage: return window_.Label[kReuseLabel];
    case TableLabel::Countdown: return window_.Label[kPromptLabel];
    case TableLabel::ExtraNumberTitle: return window_.Label[kExtraNumberLabel];
    case TableLabel::KeyGuideJ: return window_.Label[GuideLabel(kPosDiscardPile)];
    case TableLabel::KeyGuideK: return window_.Label[GuideLabel(kPosSecondCard)];
  }
  return nullptr;
}

void QtTableView::ShowLabel(TableLabel label, std::string_view text) {
  QLabel* shown = LabelFor(label);
  if (shown == nullptr) return;
  window_.SetLabelText(shown, Text(text));
  if (label == TableLabel::KeyGuideJ || label == TableLabel::KeyGuideK) {
    // The letters stand under the two cards of the dealer's choice; without
    // those cards on the table an empty text only clears them.
    const bool choice_on_table = window_.Picture[kPosSecondCard]->isVisibleTo(window_.table());
    choice_guides_shown_[label == TableLabel::KeyGuideJ ? 0 : 1] = !text.empty() || choice_on_table;
    RefreshPileGuides();
    return;
  }
  shown->show();
  shown->raise();
}

void QtTableView::ShowLabel(TableLabel label, LabelWords words) { ShowLabel(label, TextOf(label, words)); }

void QtTableView::ShowCountdown(int seconds, bool keep_prompt) {
  ShowLabel(TableLabel::Countdown, CountdownText(keep_prompt ? LabelText(TableLabel::Countdown) : "", seconds));
}

void QtTableView::ShowHandTitle(int hand_number, bool auto_play) { SetTitle(HandTitle(hand_number, auto_play)); }

void QtTableView::ShowProgramTitle() { SetTitle(kProgramTitleText); }

void QtTableView::HideLabel(TableLabel label) {
  if (label == TableLabel::KeyGuideJ || label == TableLabel::KeyGuideK) {
    choice_guides_shown_[label == TableLabel::KeyGuideJ ? 0 : 1] = false;
  }
  if (QLabel* hidden = LabelFor(label)) hidden->hide();
}

std::string QtTableView::LabelText(TableLabel label) const {
  const QLabel* shown = LabelFor(label);
  return shown == nullptr ? std::string() : shown->text().toStdString();
}

void QtTableView::SetTitle(std::string_view title) { window_.setWindowTitle(Text(title)); }

void QtTableView::ShowScores() { window_.ShowSeatLabels(); }

void QtTableView::ApplyLabelColours() { window_.ApplyLabelColours(); }

void QtTableView::EnablePlayModeMenu(bool enabled) {
  window_.GameModeManual->setEnabled(enabled);
  window_.GameModeAuto->setEnabled(enabled);
}

void QtTableView::CheckPlayMode(bool auto_play) {
  window_.GameModeManual->setChecked(!auto_play);
  window_.GameModeAuto->setChecked(auto_play);
  hints_.RefreshMarks();
}

void QtTableView::PlaySound(Sound sound) {
  const Settings& s = state_.settings;
  const std::string* path = nullptr;
  switch (sound) {
    case Sound::Piruk: path = &s.PirukSound; break;
    case Sound::PirukGaeshi: path = &s.PirukGaeshiSound; break;
    case Sound::Initial: path = &s.InitialSound; break;
    case Sound::CardOver: path = &s.CardOverSound; break;
    case Sound::NoGame: path = &s.NoGameSound; break;
    case Sound::GameOver: path = &s.GameOverSound; break;
    case Sound::CardOperate: path = &s.CardOperateSound; break;
  }
  if (path != nullptr) window_.effects().PlayEffect(*path, s.SoundMode != 0);
}

void QtTableView::StopMusic() { window_.music().StopMusic(); }

void QtTableView::RestartMusic() { window_.music().PlayMusic(); }

bool QtTableView::Ask(Question question) {
  const MessageText text = TextOf(question);
  QMessageBox box(QMessageBox::Question, Text(text.title), Text(text.text), QMessageBox::Yes | QMessageBox::No,
                  &window_);
  box.setDefaultButton(question == Question::DiscardMatch ? QMessageBox::No : QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

void QtTableView::Tell(Notice notice) {
  const MessageText text = TextOf(notice);
  ShowMessage(&window_, Text(text.title), Text(text.text), BoxIcon(text.icon));
}

void QtTableView::InternalError(int number) {
  StopMusic();
  const MessageText text = InternalErrorText(number);
  ShowMessage(&window_, Text(text.title), Text(text.text), BoxIcon(text.icon));
  window_.EndAfterFatalError();
}

void QtTableView::Pause(int tenths) { WaitFor(tenths * kMillisecondsPerTenth, QtTableViewInput(state_)); }

void QtTableView::SpeedPause(int units) {
  if (units <= 0) return;
  const int unit_ms = state_.SpeedCount > 0 ? state_.SpeedCount : kDefaultSpeedUnitMs;
  // The speed pause always lets the window's events run.
  WaitFor(units * unit_ms, InputDuringWait::Processed);
}

void QtTableView::WaitForClaim(int tenths) { WaitFor(tenths * kMillisecondsPerTenth, InputDuringWait::Processed); }

void QtTableView::StartTimer() { window_.Timer1->start(); }

void QtTableView::StopTimer() { window_.Timer1->stop(); }

void QtTableView::ShowHandResult(const HandResultView& result) {
  hints_.Clear();
  HandResultDialog dialog(
      state_, result, [this](const QString& path, const QString& number) { window_.FatalMissingPicture(path, number); },
      &window_);
  QObject::connect(&dialog, &HandResultDialog::abortChosen, &window_, &TableWindow::EndProgram);
  dialog.exec();
  // The call banner has told its story; the settlement opens over a table without it.
  window_.BannerPicture->hide();
}

SettlementOutcome QtTableView::ShowSettlement(const SettlementView& settlement) {
  MatchEndDialog dialog(state_, settlement, &window_);
  QObject::connect(&dialog, &MatchEndDialog::endChosen, &window_, &TableWindow::EndProgram);
  dialog.exec();
  return dialog.Outcome();
}

void QtTableView::ShowMemberDecision() {
  // The match is over: an empty table under the program's title.
  ClearTable();
  window_.setWindowTitle(kProgramTitle);
  CheckPlayMode(state_.AutoPlay != 0);
  window_.OpenMemberDecision(true);
}

void QtTableView::Relayout() {
  if (arrow_seat_ >= 0) window_.ArrowPicture->setGeometry(window_.PixelRect(window_.table_layout().arrow[arrow_seat_]));
  // A banner on show stays whole inside a smaller table; at rest it follows
  // its seat's row and the zoom.
  TablePicture* banner = window_.BannerPicture;
  if (banner->isVisible()) {
    const QRect area = window_.table()->rect();
    QRect place = banner->geometry();
    if (banner_seat_ >= 0) {
      place = BannerEnd(banner_seat_, banner->pixmap().deviceIndependentSize().toSize());
    } else {
      place.moveLeft(std::clamp(place.left(), 0, std::max(0, area.width() - place.width())));
      place.moveTop(std::clamp(place.top(), 0, std::max(0, area.height() - place.height())));
    }
    banner->setGeometry(place);
  }
  RefreshPileGuides();
  hints_.Relayout();
}

void QtTableView::ShowRefusal(Refusal why) { hints_.ShowRefusal(why); }

void QtTableView::EngineSettled() {
  hints_.RefreshMarks();
  hints_.RefreshPenalty();
}

}  // namespace winpiruk
