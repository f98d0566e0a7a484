#include "gui/table/TableHints.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "engine/Durations.h"
#include "presentation/HintTexts.h"
#include "gui/table/TableAccessibility.h"
#include "gui/table/TableOptions.h"
#include "gui/table/TableScale.h"
#include "gui/table/TableWidgets.h"
#include "gui/table/HintPlaces.h"
#include "gui/table/TablePicture.h"

namespace winpiruk {
namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The smallest text a hint is written in, at the least zoom.
constexpr int kLeastHintPixels = 7;

// Light text on a dark box reads on the green felt, on a picture behind the
// table and over the edge of a card alike.
constexpr const char* kRefusalStyle =
    "QLabel { color: #ffffff; background: rgba(120, 16, 16, 225); border: 1px solid rgba(255, 255, 255, 150);"
    " border-radius: 5px; padding: 1px 5px; }";
constexpr const char* kPenaltyStyle =
    "QLabel { color: #ffe14d; background: rgba(0, 0, 0, 175); border: 1px solid rgba(255, 225, 77, 160);"
    " border-radius: 5px; padding: 0px 5px; }";

TableText* MakeHintLabel(QWidget* table, const char* name, const char* style) {
  auto* label = new TableText(table);
  label->setObjectName(QString::fromLatin1(name));
  label->setStyleSheet(QString::fromLatin1(style));
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->hide();
  return label;
}

}  // namespace

bool PlaysTheCard(PickEffect effect) {
  switch (effect) {
    case PickEffect::Discard:
    case PickEffect::DiscardAgain:
    case PickEffect::DiscardFinish:
    case PickEffect::KeepOwnCard:
    case PickEffect::TakeDeckCard:
      return true;
    default:
      return false;
  }
}

PlayableMarks MarksFor(const GameState& state, bool marking_on) {
  PlayableMarks marks;
  const bool users_move = state.table.AwaitingUser && !state.table.EngineRunning && !state.table.AutoPlay;
  if (!marking_on || !users_move || UserMovePhase(state.table) == MovePhase::None) return marks;
  const LegalPicks legal = LegalUserPicks(state.table, state.settings);
  const int count = state.table.Hands[0][kHandCount];
  for (int p = 1; p <= 9; ++p) marks.hand[p] = p <= count && PlaysTheCard(legal.hand[p]);
  marks.discard_pile = PlaysTheCard(legal.discard_pile);
  marks.second_card = PlaysTheCard(legal.second_card);
  return marks;
}

TableHints::TableHints(const TableSurface& surface, const TableWidgets& widgets, const GameState& state)
    : surface_(surface),
      widgets_(widgets),
      state_(state),
      refusal_(MakeHintLabel(&surface.area, "refusalLabel", kRefusalStyle)),
      penalty_(MakeHintLabel(&surface.area, "penaltyLabel", kPenaltyStyle)) {
  refusal_->setWordWrap(true);
  penalty_->setAlignment(Qt::AlignCenter);
  penalty_->setTextFormat(Qt::RichText);
  refusal_timer_.setSingleShot(true);
  refusal_timer_.setInterval(kRefusalShownMs);
  refusal_timer_.callOnTimeout([this] { HideRefusal(); });
}

QLabel* TableHints::refusal_label() const { return refusal_; }
QLabel* TableHints::penalty_label() const { return penalty_; }

void TableHints::RefreshMarks() {
  const PlayableMarks playable = MarksFor(state_, true);
  // Assistive technology hears what may be played whether or not it is marked.
  SpeakPlayable(widgets_, playable);
  const PlayableMarks marks = surface_.options.mark_playable_cards ? playable : PlayableMarks{};
  const bool marked = marks != PlayableMarks{};
  if (!marked && !any_marked_) return;
  for (int p = 1; p <= kHandPositions; ++p) widgets_.handCards[0][p]->SetMarked(marks.hand[p]);
  widgets_.discardPile->SetMarked(marks.discard_pile);
  widgets_.secondCard->SetMarked(marks.second_card);
  any_marked_ = marked;
}

void TableHints::FitFont(QLabel* label, int place_height, int lines) const {
  // The text grows with its place, so a zoomed table keeps it in proportion.
  QFont font = surface_.area.font();
  font.setPixelSize(std::max(9, place_height / (lines + 1)));
  label->setFont(font);
}

void TableHints::ShowRefusal(Refusal why) {
  const std::string text = RefusalText(why);
  if (text.empty()) return;
  refusal_->setText(Text(text));
  PlaceRefusal();
  refusal_->show();
  refusal_->raise();
  refusal_timer_.start();
}

void TableHints::ClickNotTaken(int pick) {
  if (state_.table.AutoPlay || state_.table.HandPhase == kHandNotDealt) return;
  const bool users_move = state_.table.AwaitingUser && !state_.table.EngineRunning;
  ShowRefusal(users_move ? WhyRefused(state_.table, state_.settings, 0, UserMovePhase(state_.table), pick) : Refusal::NotYourTurn);
}

void TableHints::HideRefusal() {
  refusal_timer_.stop();
  refusal_->hide();
}

void TableHints::TurnPassed(int seat) {
  penalty_seat_ = seat;
  if (state_.table.PenaltyPending > 0) {
    ShowPenalty();
  } else {
    HidePenalty();
  }
}

void TableHints::RefreshPenalty() {
  // A new penalty waits for the turn to pass before it names its seat.
  if (state_.table.PenaltyPending <= 0 || state_.table.HandPhase == kHandNotDealt) {
    HidePenalty();
  } else if (!penalty_->isHidden()) {
    ShowPenalty();
  }
}

void TableHints::HidePenalty() {
  penalty_->hide();
  // The same count coming again later is news again.
  penalty_->setAccessibleName(QString());
}

void TableHints::ShowPenalty() {
  if (penalty_seat_ < 0 || penalty_seat_ >= kSeats) return;
  penalty_->setProperty("count", Text(PenaltyCountText(state_.table.PenaltyPending)));
  PlacePenalty();
  penalty_->show();
  penalty_->raise();
}

void TableHints::Clear() {
  HideRefusal();
  HidePenalty();
  penalty_seat_ = -1;
  RefreshMarks();
}

void TableHints::PlaceRefusal() {
  // The box hugs its text and sits on the bottom edge of its place.
  const QRect place = ScaledRect(RefusalPlace(surface_.layout), surface_.scale);
  FitFont(refusal_, place.height(), 2);
  // A wrapping label hints at a narrow box; the text's own width is what it needs on one line.
  const QMargins margins = refusal_->contentsMargins();
  const int frame = margins.left() + margins.right() + 2 * refusal_->margin() + 12;
  const int text_width = refusal_->fontMetrics().horizontalAdvance(refusal_->text());
  // Too long for one line: two lines of even length (half the text and a
  // character to spare), not a full line and a last character alone.
  const bool wraps = text_width + frame > place.width();
  const int needed = wraps ? text_width / 2 + refusal_->fontMetrics().height() : text_width;
  int width = std::min(place.width(), needed + frame);
  // Lines break only between words: a text of long words may need a wider
  // box than half its length. What the place cannot hold grows upwards,
  // away from the user's cards, rather than lose its first and last lines.
  const int step = std::max(1, refusal_->fontMetrics().averageCharWidth());
  while (width < place.width() && refusal_->heightForWidth(width) > place.height()) {
    width = std::min(place.width(), width + step);
  }
  const int height = refusal_->heightForWidth(width);
  refusal_->setGeometry(place.left(), place.bottom() + 1 - height, width, height);
}

void TableHints::PlacePenalty() {
  // The count and the seat that takes it, under the middle of the discard pile.
  const QRect place = ScaledRect(PenaltyPlace(surface_.layout), surface_.scale);
  // The largest font whose line and border fit the place's height.
  QFont font = surface_.area.font();
  int pixels = std::max(kLeastHintPixels, place.height() - 2);
  font.setPixelSize(pixels);
  while (pixels > kLeastHintPixels && QFontMetrics(font).height() + 2 > place.height()) font.setPixelSize(--pixels);
  penalty_->setFont(font);
  const QString seat = penalty_seat_ >= 0 && penalty_seat_ < kSeats
                           ? QString::fromStdString(state_.match.SeatName[static_cast<std::size_t>(penalty_seat_)])
                           : QString();
  penalty_->setText(QStringLiteral("<b>%1</b> → %2").arg(penalty_->property("count").toString(), seat.toHtmlEscaped()));
  AnnouncePenalty(penalty_, penalty_->property("count").toString(), seat);
  const int width = std::min(place.width(), penalty_->sizeHint().width());
  const int height = std::max(place.height(), penalty_->fontMetrics().height() + 2);
  penalty_->setGeometry(place.center().x() - width / 2, place.top(), width, height);
}

void TableHints::Relayout() {
  PlaceRefusal();
  PlacePenalty();
  RefreshMarks();
}

}  // namespace winpiruk
