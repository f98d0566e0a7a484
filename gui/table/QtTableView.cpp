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
#include "gui/common/CardPictures.h"
#include "gui/common/Music.h"
#include "gui/table/TableAccessibility.h"
#include "gui/table/TableBanner.h"
#include "gui/table/TableOptions.h"
#include "sound/Sound.h"
#include "gui/common/Messages.h"
#include "gui/common/SuspendableRun.h"
#include <QCoreApplication>

namespace winpiruk {
namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

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
InputDuringWait PauseInput(const GameState& state) {
  return state.settings.DoOtherTasks != 0 ? InputDuringWait::Taken : InputDuringWait::Held;
}

}  // namespace

QtTableView::QtTableView(const TableSurface& surface, GameState& state, TableViewHost& host)
    : surface_(surface),
      state_(state),
      host_(host),
      widgets_(MakeTableWidgets(&surface.area, surface.scale)),
      hints_(surface_, widgets_, state),
      claim_bar_(&surface.area) {
  InstallTableAccessibility();
  SpeakPlayable(widgets_, {});
  widgets_.drawPile->setAccessibleName(QCoreApplication::translate("QtTableView", "山札"));
  NameCardPicture(widgets_.cardBack, 0, false);
}

QRect QtTableView::PixelRect(const TwipsRect& r) const { return ScaledRect(r, surface_.scale); }

void QtTableView::PlaceWidgets() { PlaceTableWidgets(widgets_, surface_.layout, surface_.scale); }

void QtTableView::RedrawPictures() {
  ForEachCardPicture(widgets_, [](TablePicture* picture) { picture->Redraw(); });
  for (TablePicture* picture : {widgets_.turnArrow, widgets_.banner, widgets_.movingCard}) picture->Redraw();
}

void QtTableView::ShowSeatLabels() {
  winpiruk::ShowSeatLabels(widgets_, state_);
  SpeakSeats(widgets_, state_);
}

TablePicture::Drawing QtTableView::BackDrawing(int card_kind, int seat, const char* routine_number) const {
  const char* number = routine_number != nullptr ? routine_number : SeatBackRoutine(seat);
  return [this, card_kind, seat, number] {
    return surface_.pictures.Back(card_kind, SeatOrientation(seat), number);
  };
}

void QtTableView::ShowCard(int position, int code) {
  if (state_.settings.DoOtherTasks != 0) waits_.For(0, InputDuringWait::Taken);
  if (code == 0) {
    TellInternalError(2, {});
    return;
  }
  TablePicture* picture = PositionPicture(widgets_, position);
  if (picture == nullptr) return;
  picture->ShowDrawn([this, code] { return surface_.pictures.Face(code); });
  NameCardPicture(picture, code, true);
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
  if (TablePicture* picture = PositionPicture(widgets_, position)) picture->hide();
  RefreshPileGuides();
  hints_.RefreshMarks();
}

void QtTableView::HideSeatCard(int seat, int position) {
  if (seat < 0 || seat > 3 || position < 1 || position > 9) return;
  widgets_.handCards[seat][position]->hide();
}

void QtTableView::ShowSeatCard(int seat, int position) {
  TablePicture* picture = widgets_.handCards[seat][position];
  const int code = state_.table.Hands[seat][position];
  const bool face_up = seat == 0 || (state_.settings.CardOpen == 1 && code != 0);
  NameCardPicture(picture, code, face_up);
  if (seat == 0) {
    if (code == 0) return;
    picture->ShowDrawn([this, code] { return surface_.pictures.Face(code); });
  } else if (face_up) {
    picture->ShowDrawn([this, seat, code] {
      const QPixmap& face = surface_.pictures.Face(code, seat == 2 ? routine::kTopFaces : routine::kCardFace);
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
  if (state_.settings.DoOtherTasks != 0) waits_.For(0, InputDuringWait::Taken);
  const int count = state_.table.Hands[seat][kHandCount];
  for (int p = 1; p <= 9; ++p) {
    if (p <= count && state_.table.Hands[seat][p] != 0) {
      ShowSeatCard(seat, p);
    } else {
      widgets_.handCards[seat][p]->hide();
    }
  }
  // Later cards of a row lie over the earlier ones.
  for (int p = 1; p <= 9; ++p) widgets_.handCards[seat][p]->raise();
  if (seat == 0) ShowHandKeyGuides(true);
  if (count >= 1) {
    widgets_.seatLabels[seat].count->ShowText(
        QCoreApplication::translate("QtTableView", "%1枚 ").arg(QString::fromStdString(NumberText(count))));
    widgets_.seatLabels[seat].count->show();
  }
  SpeakSeats(widgets_, state_);
  hints_.RefreshPenalty();
  if (seat == 0) hints_.RefreshMarks();
}

void QtTableView::FlyCard(const QRect& from, const QRect& to) {
  TablePicture* card = widgets_.movingCard;
  card->ShowDrawn(BackDrawing(state_.settings.CardKind, 0, routine::kDeal));
  card->resize(from.size());
  card->raise();
  const Motion motion = DealMotion(state_.settings.GameSpeed);
  for (int step = 1; step <= motion.steps; ++step) {
    const QPoint at = from.topLeft() + (to.topLeft() - from.topLeft()) * step / motion.steps;
    card->move(at);
    card->show();
    waits_.For(motion.step_ms, PauseInput(state_));
  }
  card->hide();
}

void QtTableView::DealCardTo(int seat, int pass) {
  if (seat < 0 || seat > 3 || pass < 1 || pass > 9) return;
  const QRect target = PixelRect(surface_.layout.hand[seat][pass]);
  FlyCard(PixelRect(surface_.layout.draw_pile), target);
  ShowSeatCard(seat, pass);
  widgets_.handCards[seat][pass]->raise();
}

void QtTableView::ShowDrawPile(bool shown) {
  if (shown) {
    const TablePicture::Drawing back = BackDrawing(state_.settings.CardKind, 0, routine::kDeal);
    widgets_.drawPile->ShowDrawn(back);
    widgets_.cardBack->ShowDrawn(back);
    state_.window.CardBackShown = state_.settings.CardKind;
    widgets_.drawPile->show();
  } else {
    widgets_.drawPile->hide();
  }
  RefreshPileGuides();
}

void QtTableView::ShowCardBacks() {
  const Settings& s = state_.settings;
  const TablePicture::Drawing upright = BackDrawing(s.CardKind, 0, routine::kDeal);
  widgets_.cardBack->ShowDrawn(upright);
  widgets_.drawPile->ShowDrawn(upright);
  state_.window.CardBackShown = s.CardKind;
  // Only the pictures: what is shown or hidden stays as the game left it.
  for (int seat = 1; seat < kSeats; ++seat) {
    for (int p = 1; p <= 9; ++p) {
      TablePicture* picture = widgets_.handCards[seat][p];
      const bool face_up = s.CardOpen == 1 && state_.table.Hands[seat][p] != 0;
      if (!picture->isVisibleTo(&surface_.area) || face_up) continue;
      picture->ShowDrawn(BackDrawing(s.CardKind, seat));
    }
  }
}

void QtTableView::ShowDrawAnimation() {
  const int seat = std::clamp<int>(state_.table.CurrentSeat, 0, 3);
  const int position = std::clamp<int>(state_.table.Hands[seat][kHandCount], 1, 9);
  const QRect target = PixelRect(surface_.layout.hand[seat][position]);
  FlyCard(PixelRect(surface_.layout.draw_pile), target);
}

void QtTableView::ClearTable() {
  // Without a match the seats have no one to name.
  ClearTableWidgets(widgets_, !state_.match.MatchInProgress);
  arrow_seat_ = -1;
  banner_seat_ = -1;
  choice_guides_shown_ = {false, false};
  hints_.Clear();
  claim_bar_.Stop();
  missed_claim_card_ = 0;
}

void QtTableView::ShowHandKeyGuides(bool shown) {
  const bool guides_on = state_.settings.KeyGuideDisplay == 1;
  const int count = state_.table.Hands[0][kHandCount];
  for (int p = 1; p <= 9; ++p) {
    TableText* guide = widgets_.handKeyGuides[p];
    const bool occupied = shown && p <= count && state_.table.Hands[0][p] != 0 && widgets_.handCards[0][p]->isVisible();
    // The box is fitted to the letter: a guide first filled here would
    // otherwise keep the empty box it was laid out with.
    guide->ShowText(occupied ? QString(QChar(u'A' + (p - 1))) : QString());
    guide->setVisible(guides_on && occupied);
  }
  RefreshPileGuides();
}

void QtTableView::RefreshPileGuides() {
  const bool guides_on = state_.settings.KeyGuideDisplay == 1;
  TableText* draw_guide = widgets_.drawPileGuide;
  if (draw_guide->text() != QStringLiteral("P")) draw_guide->ShowText(QStringLiteral("P"));
  draw_guide->setVisible(guides_on && widgets_.drawPile->isVisibleTo(&surface_.area));
  // "J" and "K" belong to the dealer's choice: shown while it lasts, also
  // when the guides are switched on in the middle of it.
  for (int i = 0; i < 2; ++i) {
    TableText* guide = i == 0 ? widgets_.discardPileGuide : widgets_.secondCardGuide;
    const QString letter = i == 0 ? QStringLiteral("J") : QStringLiteral("K");
    const bool shown = guides_on && choice_guides_shown_[static_cast<std::size_t>(i)];
    if (shown && guide->text() != letter) guide->ShowText(letter);
    guide->setVisible(shown);
  }
}

void QtTableView::ShowArrow(int seat) {
  if (seat < 0 || seat > 3) return;
  const int direction = state_.table.Direction;
  widgets_.turnArrow->ShowDrawn([this, seat, direction] { return surface_.pictures.Arrow(seat, direction); });
  widgets_.turnArrow->setGeometry(PixelRect(surface_.layout.arrow[seat]));
  widgets_.turnArrow->show();
  arrow_seat_ = seat;
  AnnounceTurn(widgets_.turnArrow, QString::fromStdString(state_.match.SeatName[static_cast<std::size_t>(seat)]));
  // The table has moved on: an old refusal no longer applies.
  hints_.HideRefusal();
  hints_.TurnPassed(seat);
  hints_.RefreshMarks();
  // A piece that has ended is followed by the next at a change of turn.
  surface_.music.CheckMusic();
}

void QtTableView::ShowBanner(bool counter_call) {
  const int seat = std::clamp<int>(state_.table.Winner, 0, 3);
  banner_seat_ = -1;  // on its way: a resize keeps it inside the table only
  BannerCards cards{};
  for (std::size_t p = 1; p <= cards.size(); ++p) cards[p - 1] = state_.table.Hands[static_cast<std::size_t>(seat)][p];
  TablePicture* picture = widgets_.banner;
  picture->ShowDrawn([this, counter_call, seat, cards] { return DrawBanner(surface_.pictures, surface_.scale.zoom, surface_.area.size(), counter_call, seat, cards); });
  // The engine plays the call's sound with the banner.

  // The banner slides from the middle of the table toward the caller's row.
  const QSize size = picture->pixmap().deviceIndependentSize().toSize();
  picture->resize(size);
  QRect start(QPoint(0, 0), size);
  start.moveCenter(surface_.area.rect().center());
  const QRect end = BannerEnd(surface_.layout, surface_.scale, surface_.area.rect(), seat, size);
  const Motion motion = kBannerMotion;
  for (int step = 0; step <= motion.steps; ++step) {
    picture->move(start.topLeft() + (end.topLeft() - start.topLeft()) * step / motion.steps);
    picture->show();
    picture->raise();
    waits_.For(motion.step_ms, PauseInput(state_));
  }
  banner_seat_ = seat;
  banner_counter_ = counter_call;
}

void QtTableView::ShowCallBanner() { ShowBanner(false); }
void QtTableView::ShowCounterCallBanner() { ShowBanner(true); }

TableText* QtTableView::LabelFor(TableLabel label) const {
  switch (label) {
    case TableLabel::DealerChoicePrompt: return widgets_.dealerChoiceLabel;
    case TableLabel::ReuseMessage: return widgets_.reuseLabel;
    case TableLabel::Countdown: return widgets_.promptLabel;
    case TableLabel::ExtraNumberTitle: return widgets_.extraNumberLabel;
    case TableLabel::KeyGuideJ: return widgets_.discardPileGuide;
    case TableLabel::KeyGuideK: return widgets_.secondCardGuide;
  }
  return nullptr;
}

void QtTableView::ShowLabel(TableLabel label, std::string_view text) {
  TableText* shown = LabelFor(label);
  if (shown == nullptr) return;
  shown->ShowText(Text(text));
  if (label == TableLabel::KeyGuideJ || label == TableLabel::KeyGuideK) {
    // The letters stand under the two cards of the dealer's choice; without
    // those cards on the table an empty text only clears them.
    const bool choice_on_table = widgets_.secondCard->isVisibleTo(&surface_.area);
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

void QtTableView::ShowProgramTitle() { SetTitle(ProgramTitleShown()); }

void QtTableView::HideLabel(TableLabel label) {
  if (label == TableLabel::KeyGuideJ || label == TableLabel::KeyGuideK) {
    choice_guides_shown_[label == TableLabel::KeyGuideJ ? 0 : 1] = false;
  }
  if (TableText* hidden = LabelFor(label)) hidden->hide();
}

std::string QtTableView::LabelText(TableLabel label) const {
  const QLabel* shown = LabelFor(label);
  return shown == nullptr ? std::string() : shown->text().toStdString();
}

void QtTableView::SetTitle(std::string_view title) { surface_.window.setWindowTitle(Text(title)); }

void QtTableView::ShowScores() { ShowSeatLabels(); }

void QtTableView::ApplyLabelColours() { ColourTableLabels(widgets_, state_.settings); }

void QtTableView::EnablePlayModeMenu(bool enabled) {
  host_.EnablePlayModeMenu(enabled);
}

void QtTableView::CheckPlayMode(bool auto_play) {
  host_.CheckPlayModeMenu(auto_play);
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
  if (path != nullptr) surface_.effects.PlayEffect(*path, s.SoundMode != 0);
}

void QtTableView::StopMusic() { surface_.music.StopMusic(); }

void QtTableView::RestartMusic() { surface_.music.PlayMusic(); }

void QtTableView::Pause(int tenths) { waits_.For(tenths * kMillisecondsPerTenth, PauseInput(state_)); }

void QtTableView::SpeedPause(int units) {
  if (units <= 0) return;
  const int unit_ms = state_.window.SpeedCount > 0 ? state_.window.SpeedCount : kDefaultSpeedUnitMs;
  // The speed pause always lets the window's events run.
  waits_.For(units * unit_ms, InputDuringWait::Taken);
}

void QtTableView::WaitForClaim(int tenths, ClaimWindow window) {
  const int milliseconds = tenths * kMillisecondsPerTenth;
  if (window == ClaimWindow::HandMakesIt) {
    waits_.For(milliseconds, InputDuringWait::Taken);
    return;
  }
  missed_claim_card_ = 0;
  claim_bar_.PlaceOn(widgets_.discardPile->geometry());
  claim_bar_.Run(milliseconds);
  waits_.For(milliseconds, InputDuringWait::Taken);
  claim_bar_.Stop();
  if (!state_.table.UserClaimedCall) missed_claim_card_ = state_.table.TopDiscard;
}

bool QtTableView::ClaimCameLate() const {
  return missed_claim_card_ != 0 && missed_claim_card_ == state_.table.TopDiscard && !state_.table.CallWindowOpen &&
         state_.table.HandPhase != kHandNotDealt;
}

void QtTableView::StartTimer() { host_.StartTimeLimit(); }

void QtTableView::StopTimer() { host_.StopTimeLimit(); }

void QtTableView::ShowHandResult(const HandResultView& result) {
  hints_.Clear();
  HandResultDialog dialog(
      state_, result, [this](const QString& path, const QString& number) { FatalMissingPicture(path, number); },
      &surface_.window);
  QObject::connect(&dialog, &HandResultDialog::abortChosen, &surface_.window, [this] { host_.EndProgram(); });
  // In auto-play the result comes and goes by itself: the table keeps the
  // keyboard, so that its menus and keys work while the window counts down.
  waits_.ForWindow(dialog, state_.table.AutoPlay ? WindowShown::BesideTheTable : WindowShown::OverTheTable);
  // "&Abort" ends the program where it stands: the game's step goes no further.
  if (dialog.CloseReason() == HandResultClose::Abort) throw RunStopped{};
  // The call banner has told its story; the settlement opens over a table without it.
  widgets_.banner->hide();
}

SettlementOutcome QtTableView::ShowSettlement(const SettlementView& settlement) {
  MatchEndDialog dialog(state_, settlement, &surface_.window);
  QObject::connect(&dialog, &MatchEndDialog::endChosen, &surface_.window, [this] { host_.EndProgram(); });
  waits_.ForWindow(dialog, WindowShown::OverTheTable);
  return dialog.Outcome();
}

void QtTableView::ShowMemberDecision() {
  // The match is over: an empty table under the program's title.
  ClearTable();
  surface_.window.setWindowTitle(ProgramTitle());
  CheckPlayMode(state_.table.AutoPlay);
  host_.OpenMemberDecision(true);
}

void QtTableView::Relayout() {
  if (arrow_seat_ >= 0) widgets_.turnArrow->setGeometry(PixelRect(surface_.layout.arrow[arrow_seat_]));
  // A banner on show stays whole inside a smaller table; at rest it follows
  // its seat's row and the zoom.
  TablePicture* banner = widgets_.banner;
  if (banner->isVisible()) {
    const QRect area = surface_.area.rect();
    QRect place = banner->geometry();
    if (banner_seat_ >= 0) {
      place = BannerEnd(surface_.layout, surface_.scale, area, banner_seat_,
                        banner->pixmap().deviceIndependentSize().toSize());
    } else {
      place.moveLeft(std::clamp(place.left(), 0, std::max(0, area.width() - place.width())));
      place.moveTop(std::clamp(place.top(), 0, std::max(0, area.height() - place.height())));
    }
    banner->setGeometry(place);
  }
  RefreshPileGuides();
  hints_.Relayout();
  claim_bar_.PlaceOn(widgets_.discardPile->geometry());
}

void QtTableView::ShowRefusal(Refusal why) { hints_.ShowRefusal(why); }

void QtTableView::EngineSettled() {
  hints_.RefreshMarks();
  hints_.RefreshPenalty();
}

}  // namespace winpiruk
