#pragma once
// What the table tells the user beyond the cards: which of the user's cards
// may be played now, why a pick was refused, and a penalty that waits to be
// taken.
#include <QTimer>
#include <array>

#include "engine/LegalPicks.h"
#include "gui/table/TableViewHost.h"
#include "state/GameState.h"

class QLabel;

namespace winpiruk {

class TableText;
struct TableWidgets;

// The user's pictures that are marked.
struct PlayableMarks {
  std::array<bool, 10> hand{};  // positions 1..9 (0 unused)
  bool discard_pile = false;    // the dealer's own card
  bool second_card = false;     // the deck card of the dealer's choice
  bool operator==(const PlayableMarks&) const = default;
};

// True for a pick that plays or takes the card it is made on. A card that
// only stands for drawing a penalty, or for ending the turn, is not marked.
bool PlaysTheCard(PickEffect effect);

// The marks for the table now, from the engine's own legal picks: none while
// the user is not to act, in auto-play, or with `marking_on` false.
PlayableMarks MarksFor(const GameState& state, bool marking_on);

class TableHints {
 public:
  // The hints lie on the surface's table area beside the widgets they speak about.
  TableHints(const TableSurface& surface, const TableWidgets& widgets, const GameState& state);

  // The marks follow the table and the option.
  void RefreshMarks();
  // The reason stays for a while, then goes by itself.
  void ShowRefusal(Refusal why);
  void HideRefusal();
  // A click the engine did not take at all: while the others play it is
  // not the user's turn; on the user's move the rules say why.
  void ClickNotTaken(int pick);
  // The turn arrow points at `seat`: a waiting penalty is that seat's to take.
  void TurnPassed(int seat);
  // A penalty on show follows its count and goes once it has been taken.
  void RefreshPenalty();
  // The hand is over or the table cleared: no hint stays.
  void Clear();
  // The hints follow the layout after a resize.
  void Relayout();

  QLabel* refusal_label() const;
  QLabel* penalty_label() const;

 private:
  void ShowPenalty();
  void HidePenalty();
  void PlaceRefusal();
  void PlacePenalty();
  void FitFont(QLabel* label, int place_height, int lines) const;

  const TableSurface& surface_;
  const TableWidgets& widgets_;
  const GameState& state_;
  TableText* refusal_ = nullptr;
  TableText* penalty_ = nullptr;
  QTimer refusal_timer_;
  int penalty_seat_ = -1;
  bool any_marked_ = false;
};

}  // namespace winpiruk
