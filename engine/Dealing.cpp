#include "engine/Dealing.h"

#include <array>
#include <utility>

#include "engine/ComputerPlayer.h"
#include "engine/Durations.h"
#include "state/Cards.h"
#include "state/RuleLimits.h"

namespace winpiruk {

namespace {

constexpr int kDeckSize = 52;
constexpr int kHalf = 26;
constexpr int kSwaps = 71;
constexpr int kCardsDealt = 5;
constexpr int kInitialDiscardSlot = 53;
constexpr int kFirstDiscardSlot = 54;

void NewHandBookkeeping(GameState& s) {
  s.table.PenaltyPending = 0;
  s.table.TurnOver = true;
  s.table.DiscardIndex = kFirstDiscardSlot;
  s.table.DealerChoice.clear();
}

// The face-up card left over becomes the first card of the discard pile.
void TurnInitialCard(GameState& s, TableView& view) {
  view.HideLabel(TableLabel::DealerChoicePrompt);
  view.HideLabel(TableLabel::KeyGuideJ);
  view.HideLabel(TableLabel::KeyGuideK);
  view.HideLabel(TableLabel::ExtraNumberTitle);
  view.HideCard(kPosSecondCard);
  view.ShowCard(kPosDiscardPile, s.table.DeckSlots[s.table.DrawIndex]);
  s.table.TopDiscard = s.table.DeckSlots[s.table.DrawIndex];
  s.table.DeckSlots[kInitialDiscardSlot] = s.table.TopDiscard;
  ++s.table.DrawIndex;
  if (s.table.Dealer == 0) view.ShowCard(5, s.table.Hands[0][5]);
}

void TakeDeckCard(GameState& s) { std::swap(s.table.Hands[s.table.Dealer][5], s.table.DeckSlots[s.table.DrawIndex]); }

int FirstFourSum(const HandRow& row) {
  return CardRank(row[1]) + CardRank(row[2]) + CardRank(row[3]) + CardRank(row[4]);
}

}  // namespace

bool ShuffleAndDeal(GameState& s, TableView& view, RandomSource& random, const Clock& clock) {
  view.EnablePlayModeMenu(false);
  random.Seed(DealSeed(clock.Now()));
  if (s.table.Dealer < 0 || s.table.Dealer > 3) {
    view.InternalError(3);
    return false;
  }
  s.table.TurnPhase = kTurnNone;
  s.table.UserPick = 0;

  for (int i = 0; i < kDeckSize; ++i) s.table.DeckSlots[i] = static_cast<int16_t>(i + 1);
  // Each swap takes two values, the first-half slot's first; Fill writes
  // every one of them.
  std::array<float, 2 * kSwaps> draws;
  random.Fill(draws);
  for (int k = 0; k < kSwaps; ++k) {
    const int a = RandomInt(draws[2 * k], kHalf);
    const int b = kHalf + RandomInt(draws[2 * k + 1], kHalf);
    std::swap(s.table.DeckSlots[a], s.table.DeckSlots[b]);
  }
  s.table.ExtraNumber = s.table.DeckSlots[kDeckSize - 1];
  s.table.ExtraNumberCard = 0;

  for (auto& row : s.table.Hands) row.fill(0);
  for (int i = kDeckSize; i < kDeckSlots; ++i) s.table.DeckSlots[i] = 0;
  s.table.DrawIndex = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    s.table.Hands[seat][kHandCount] = kCardsDealt;
    for (int slot = 1; slot <= kCardsDealt; ++slot) s.table.Hands[seat][slot] = s.table.DeckSlots[s.table.DrawIndex++];
  }

  for (int pass = 1; pass <= kCardsDealt; ++pass) {
    for (int k = 1; k <= kSeats; ++k) {
      view.DealCardTo((s.table.Dealer + k) % kSeats, pass);
      view.PlaySound(Sound::CardOperate);
    }
  }
  for (int seat = 0; seat < kSeats; ++seat) view.ShowHand(seat);
  view.ShowDrawPile(true);

  s.table.Direction = 1;
  s.table.SpecialDone = true;
  view.ShowCard(kPosDiscardPile, s.table.Hands[s.table.Dealer][5]);
  view.ShowCard(kPosSecondCard, s.table.DeckSlots[s.table.DrawIndex]);
  view.ShowLabel(TableLabel::DealerChoicePrompt, LabelWords::Own);
  const LabelWords guides = s.settings.KeyGuideDisplay == 1 ? LabelWords::Own : LabelWords::Blank;
  view.ShowLabel(TableLabel::KeyGuideJ, guides);
  view.ShowLabel(TableLabel::KeyGuideK, guides);
  view.EnablePlayModeMenu(true);
  return true;
}

void ChooseInitialCard(GameState& s, TableView& view, RandomSource& random, int pick) {
  const int dealer = s.table.Dealer;
  const HandRow& row = s.table.Hands[dealer];
  const int offered = CardRank(s.table.DeckSlots[s.table.DrawIndex]);
  const bool initial_match = FirstFourSum(row) == CardRank(row[5]) + offered;

  if (dealer != 0) {
    NewHandBookkeeping(s);
    if (initial_match && (s.settings.FinishMeans == kFinishNormal || s.settings.FinishMeans == kFinishDiscardAllowed)) {
      s.table.DealerChoice.assign(1, 'E');
      return;
    }
    view.Pause(kComputerDealerPauseTenths);
    if (ComputerDealerChoice(s.table, s.settings, random, dealer) == DealerPick::Keep) {
      s.table.DealerChoice.assign(1, 'A');
    } else {
      s.table.DealerChoice.assign(1, 'B');
      TakeDeckCard(s);
    }
    TurnInitialCard(s, view);
    return;
  }

  if (pick == 0) {
    NewHandBookkeeping(s);
    if (initial_match && s.settings.FinishMeans != kFinishNoInitialMatch) {
      s.table.DealerChoice.assign(1, 'E');
      view.Pause(kInitialMatchPauseTenths);
      return;
    }
    s.table.HandPhase = kHandOpening;
    return;
  }

  s.table.HandPhase = kHandNotDealt;
  s.table.DealerChoice.clear();
  if (pick == kPickDiscardPile) {
    s.table.DealerChoice.assign(1, 'B');
  } else if (pick == kPickSecondCard) {
    s.table.DealerChoice.assign(1, 'A');
    TakeDeckCard(s);
  } else {
    s.table.UserPick = 0;
    s.table.HandPhase = kHandOpening;
    return;
  }
  TurnInitialCard(s, view);
  s.table.HandPhase = kHandInPlay;
}

bool StartHand(GameState& s, TableView& view, RandomSource& random, const Clock& clock) {
  // A match has NumberOfGames hands; a value out of range in the settings
  // file plays the repaired count rather than overrunning the hand log.
  const int games = NumberOfGamesInUse(s.settings);
  if (s.table.HandNumber >= games) {
    s.table.HandNumber = static_cast<int16_t>(games + 1);
    return false;
  }
  ++s.table.HandNumber;
  view.ShowHandTitle(s.table.HandNumber, s.table.AutoPlay);
  s.table.HandPhase = kHandNotDealt;
  s.table.UserPick = 0;
  if (!ShuffleAndDeal(s, view, random, clock)) return false;
  s.table.DrewThisTurn = false;
  if (s.settings.KeyGuideDisplay == 1) view.ShowHandKeyGuides(true);
  ChooseInitialCard(s, view, random);
  return true;
}

}  // namespace winpiruk
