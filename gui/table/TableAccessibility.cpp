#include "gui/table/TableAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include "presentation/SpokenTable.h"

namespace winpiruk {
namespace {

// Set on the pictures the user picks (the hand's and the piles'): whether
// the pick plays now.
constexpr const char* kPlayable = "playable";

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A card picture: a button while the user may pick it, unavailable while
// it may not be played; any other picture is a graphic.
class CardPictureAccessible : public QAccessibleWidget {
 public:
  explicit CardPictureAccessible(QWidget* picture)
      : QAccessibleWidget(picture, picture->property(kPlayable).isValid() ? QAccessible::Button : QAccessible::Graphic) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    const QVariant playable = widget()->property(kPlayable);
    if (playable.isValid() && !playable.toBool()) state.disabled = true;
    return state;
  }
};

QAccessibleInterface* CardPictureFactory(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String("winpiruk::TablePicture") || !object->isWidgetType()) return nullptr;
  return new CardPictureAccessible(static_cast<QWidget*>(object));
}

void SetPlayable(TablePicture* picture, bool playable) {
  const QVariant before = picture->property(kPlayable);
  if (before.isValid() && before.toBool() == playable) return;
  picture->setProperty(kPlayable, playable);
  QAccessible::State changed;
  changed.disabled = true;
  QAccessibleStateChangeEvent event(picture, changed);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallTableAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(CardPictureFactory);
    return true;
  }();
  (void)installed;
}

void NameCardPicture(TablePicture* picture, int code, bool face_up) {
  picture->setAccessibleName(Text(face_up ? SpokenCard(code) : std::string(SpokenFaceDown())));
}

void SpeakPlayable(const TableWidgets& w, const PlayableMarks& playable) {
  for (int p = 1; p <= kHandPositions; ++p) SetPlayable(w.handCards[0][p], playable.hand[p]);
  SetPlayable(w.discardPile, playable.discard_pile);
  SetPlayable(w.secondCard, playable.second_card);
}

void SpeakSeats(const TableWidgets& w, const GameState& state) {
  for (int seat = 0; seat < kSeats; ++seat) {
    const std::string spoken = SpokenSeat(state.match.SeatName[static_cast<std::size_t>(seat)],
                                          state.table.Hands[seat][kHandCount], state.match.Score[seat]);
    w.seatLabels[seat].name->setAccessibleName(QString::fromStdString(spoken));
  }
}

void AnnounceTurn(TablePicture* arrow, const QString& seat_name) {
  arrow->setAccessibleName(QString::fromStdString(SpokenTurn(seat_name.toStdString())));
  // Told even when the same seat moves again: a screen reader following the arrow reads it.
  QAccessibleEvent changed(arrow, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

void AnnouncePenalty(QLabel* penalty, const QString& count, const QString& seat_name) {
  const QString spoken = QString::fromStdString(SpokenPenalty(count.toStdString(), seat_name.toStdString()));
  // The badge is placed again at every resize: only a new penalty is announced.
  if (spoken == penalty->accessibleName()) return;
  penalty->setAccessibleName(spoken);
  QAccessibleEvent alert(penalty, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

}  // namespace winpiruk
