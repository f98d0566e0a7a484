#include "gui/table/QtTableView.h"
#include "state/RuleLimits.h"

namespace winpiruk {

// Everything a step leaves on the table, drawn at once from the state: a
// match taken up again shows the hand as it stood when it was kept.
void QtTableView::ShowTableAsItStands() {
  const TableState& t = state_.table;
  ShowHandTitle(t.HandNumber, t.AutoPlay);
  ShowScores();
  for (int seat = 0; seat < kSeats; ++seat) ShowHand(seat);
  ShowDrawPile(t.DrawIndex < kDeckSlots && t.DeckSlots[t.DrawIndex] != 0);
  if (t.HandPhase == kHandOpening && t.Dealer == 0) {
    // The dealer's choice between the dealer's fifth card and the deck's next.
    ShowCard(kPosDiscardPile, t.Hands[0][5]);
    ShowCard(kPosSecondCard, t.DeckSlots[t.DrawIndex]);
    ShowLabel(TableLabel::DealerChoicePrompt, LabelWords::Own);
    const LabelWords guides = state_.settings.KeyGuideDisplay == 1 ? LabelWords::Own : LabelWords::Blank;
    ShowLabel(TableLabel::KeyGuideJ, guides);
    ShowLabel(TableLabel::KeyGuideK, guides);
  } else {
    if (t.TopDiscard != 0) ShowCard(kPosDiscardPile, t.TopDiscard);
    if (t.ExtraNumberCard != 0) {
      ShowLabel(TableLabel::ExtraNumberTitle, LabelWords::Own);
      ShowCard(kPosSecondCard, t.ExtraNumberCard);
    }
    ShowArrow(t.CurrentSeat);
    if (t.TurnPhase == kTurnFurtherDiscard) {
      const bool must = MustDiscardAgain(state_.settings);
      ShowLabel(TableLabel::Countdown, must ? LabelWords::MustDiscardAgain : LabelWords::MayDiscardAgain);
    }
  }
  EnablePlayModeMenu(true);
  EngineSettled();
}

}  // namespace winpiruk
