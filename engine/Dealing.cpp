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
  s.PenaltyPending = 0;
  s.TurnOver = 1;
  s.DiscardIndex = kFirstDiscardSlot;
  s.DealerChoice.clear();
}

// The face-up card left over becomes the first card of the discard pile.
void TurnInitialCard(GameState& s, TableView& view) {
  view.HideLabel(TableLabel::DealerChoicePrompt);
  view.HideLabel(TableLabel::KeyGuideJ);
  view.HideLabel(TableLabel::KeyGuideK);
  view.HideLabel(TableLabel::ExtraNumberTitle);
  view.HideCard(kPosSecondCard);
  view.ShowCard(kPosDiscardPile, s.DeckSlots[s.DrawIndex]);
  s.TopDiscard = s.DeckSlots[s.DrawIndex];
  s.DeckSlots[kInitialDiscardSlot] = s.TopDiscard;
  ++s.DrawIndex;
  if (s.Dealer == 0) view.ShowCard(5, s.Hands[0][5]);
}

void TakeDeckCard(GameState& s) { std::swap(s.Hands[s.Dealer][5], s.DeckSlots[s.DrawIndex]); }

int FirstFourSum(const HandRow& row) {
  return CardRank(row[1]) + CardRank(row[2]) + CardRank(row[3]) + CardRank(row[4]);
}

}  // namespace

bool ShuffleAndDeal(GameState& s, TableView& view, RandomSource& random, const Clock& clock) {
  view.EnablePlayModeMenu(false);
  random.Seed(DealSeed(clock.Now()));
  if (s.Dealer < 0 || s.Dealer > 3) {
    view.InternalError(3);
    return false;
  }
  s.TurnPhase = kTurnNone;
  s.UserPick = 0;

  for (int i = 0; i < kDeckSize; ++i) s.DeckSlots[i] = static_cast<int16_t>(i + 1);
  // Each swap takes two values, the first-half slot's first; Fill writes
  // every one of them.
  std::array<float, 2 * kSwaps> draws;
  random.Fill(draws);
  for (int k = 0; k < kSwaps; ++k) {
    const int a = RandomInt(draws[2 * k], kHalf);
    const int b = kHalf + RandomInt(draws[2 * k + 1], kHalf);
    std::swap(s.DeckSlots[a], s.DeckSlots[b]);
  }
  s.ExtraNumber = s.DeckSlots[kDeckSize - 1];

  for (auto& row : s.Hands) row.fill(0);
  for (int i = kDeckSize; i < kDeckSlots; ++i) s.DeckSlots[i] = 0;
  s.DrawIndex = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    s.Hands[seat][kHandCount] = kCardsDealt;
    for (int slot = 1; slot <= kCardsDealt; ++slot) s.Hands[seat][slot] = s.DeckSlots[s.DrawIndex++];
  }

  for (int pass = 1; pass <= kCardsDealt; ++pass) {
    for (int k = 1; k <= kSeats; ++k) {
      view.DealCardTo((s.Dealer + k) % kSeats, pass);
      view.PlaySound(Sound::CardOperate);
    }
  }
  for (int seat = 0; seat < kSeats; ++seat) view.ShowHand(seat);
  view.ShowDrawPile(true);

  s.Direction = 1;
  s.SpecialDone = 1;
  view.ShowCard(kPosDiscardPile, s.Hands[s.Dealer][5]);
  view.ShowCard(kPosSecondCard, s.DeckSlots[s.DrawIndex]);
  view.ShowLabel(TableLabel::DealerChoicePrompt, LabelWords::Own);
  const LabelWords guides = s.settings.KeyGuideDisplay == 1 ? LabelWords::Own : LabelWords::Blank;
  view.ShowLabel(TableLabel::KeyGuideJ, guides);
  view.ShowLabel(TableLabel::KeyGuideK, guides);
  view.EnablePlayModeMenu(true);
  return true;
}

void ChooseInitialCard(GameState& s, TableView& view, RandomSource& random, int pick) {
  const int dealer = s.Dealer;
  const HandRow& row = s.Hands[dealer];
  const int offered = CardRank(s.DeckSlots[s.DrawIndex]);
  const bool initial_match = FirstFourSum(row) == CardRank(row[5]) + offered;

  if (dealer != 0) {
    NewHandBookkeeping(s);
    if (initial_match && (s.settings.FinishMeans == kFinishNormal || s.settings.FinishMeans == kFinishDiscardAllowed)) {
      s.DealerChoice.assign(1, 'E');
      return;
    }
    view.Pause(kComputerDealerPauseTenths);
    if (ComputerDealerChoice(s, s.settings, random, dealer) == DealerPick::Keep) {
      s.DealerChoice.assign(1, 'A');
    } else {
      s.DealerChoice.assign(1, 'B');
      TakeDeckCard(s);
    }
    TurnInitialCard(s, view);
    return;
  }

  if (pick == 0) {
    NewHandBookkeeping(s);
    if (initial_match && s.settings.FinishMeans != kFinishNoInitialMatch) {
      s.DealerChoice.assign(1, 'E');
      view.Pause(kInitialMatchPauseTenths);
      return;
    }
    s.HandPhase = kHandOpening;
    return;
  }

  s.HandPhase = kHandNotDealt;
  s.DealerChoice.clear();
  if (pick == kPickDiscardPile) {
    s.DealerChoice.assign(1, 'B');
  } else if (pick == kPickSecondCard) {
    s.DealerChoice.assign(1, 'A');
    TakeDeckCard(s);
  } else {
    s.UserPick = 0;
    s.HandPhase = kHandOpening;
    return;
  }
  TurnInitialCard(s, view);
  s.HandPhase = kHandInPlay;
}

bool StartHand(GameState& s, TableView& view, RandomSource& random, const Clock& clock) {
  // A match has NumberOfGames hands; a value out of range in the settings
  // file plays the repaired count rather than overrunning the hand log.
  const int games = NumberOfGamesInUse(s.settings);
  if (s.HandNumber >= games) {
    s.HandNumber = static_cast<int16_t>(games + 1);
    return false;
  }
  ++s.HandNumber;
  view.ShowHandTitle(s.HandNumber, s.AutoPlay != 0);
  s.HandPhase = kHandNotDealt;
  s.UserPick = 0;
  if (!ShuffleAndDeal(s, view, random, clock)) return false;
  s.DrewThisTurn = 0;
  if (s.settings.KeyGuideDisplay == 1) view.ShowHandKeyGuides(true);
  ChooseInitialCard(s, view, random);
  return true;
}

}  // namespace winpiruk
