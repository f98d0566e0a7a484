// The computer seats' part of the turn engine: their discards and draws,
// one seat's turn, and the run of seats until the user must act.
#include <cstdlib>

#include "engine/Calls.h"
#include "engine/ComputerPlayer.h"
#include "engine/Durations.h"
#include "engine/Engine.h"
#include "engine/HandRows.h"
#include "state/Cards.h"

namespace winpiruk {
namespace {

// Tenths of the pause after a computer seat decided to draw: |1 − AutoJudgment|
// + 0.5 rounded half to even.
int DrawPauseTenths(int auto_judgment) {
  const int twice = 2 * std::abs(1 - auto_judgment) + 1;  // the value doubled, odd
  const int down = twice / 2;
  return down % 2 == 0 ? down : down + 1;
}

}  // namespace

bool Engine::ComputerDiscard(int seat, int16_t card) {
  HandRow& row = s_.table.Hands[seat];
  const int slot = FirstSlotHolding(row, card);
  const int picture = DiscardPicturePosition(random_, slot, row[kHandCount]);
  if (picture >= 1 && picture <= 9) view_.HideSeatCard(seat, picture);
  if (slot != 0) RemoveFromRow(row, slot);
  s_.table.TopDiscard = card;
  view_.ShowCard(kPosDiscardPile, card);
  view_.PlaySound(Sound::CardOperate);
  PushDiscard(card);
  s_.table.SpecialDone = false;
  return CheckCallsOnComputerDiscard(s_, view_);
}

bool Engine::ComputerDraw(int seat) {
  DrawCard(seat);
  if (s_.table.DrawIndex == kDeckEnd) ReusePile();
  return !DrawSlotEmpty();
}

// --- The computer seats ---------------------------------------------------------

int16_t Engine::RunComputerSeats() {
  view_.StopTimer();
  view_.ShowLabel(TableLabel::Countdown, LabelWords::Blank);
  view_.HideLabel(TableLabel::Countdown);
  const int first = s_.table.CurrentSeat;
  if (first >= 0 && first < kSeats) {
    RecomputeCallNumbers(s_.table.Hands[first]);
    if (s_.table.Hands[first][kHandCount] > 9) return kEndCardOver;
  }
  if (first < 1 || first > 3) return kNotComputerSeat;

  const int units = SpeedPauseUnits(s_.settings);
  int seat = first;
  for (;;) {
    view_.ShowArrow(seat);
    if (units > 0) view_.SpeedPause(units);
    s_.table.CurrentSeat = static_cast<int16_t>(seat);
    const int16_t result = PlayComputerTurn(seat);
    if (result != kPlayGoesOn) return result;

    if (s_.table.DrawIndex == kDeckEnd) ReusePile();
    if (DrawSlotEmpty()) return kEndNoGame;
    int16_t next = 0;
    ApplyTopCardEffect(seat, next);
    if (next == 0) {
      s_.table.HandPhase = kHandInPlay;
      s_.table.TurnPhase = kTurnFirstAction;
      s_.table.CurrentSeat = 0;
      view_.ShowArrow(0);
      if (units > 0) view_.SpeedPause(units);
      return kUserTurn;
    }
    seat = next;
  }
}

int16_t Engine::PlayComputerTurn(int seat) {
  const Temper temper = TemperOf(s_.match, seat);
  const ComputerMove move = ChooseComputerMove(s_.table, s_.settings, temper, random_, seat);
  int16_t result = CarryOut(seat, move, true);
  if (result != kPlayGoesOn) return result;
  view_.ShowHand(seat);
  while (!s_.table.TurnOver) {
    result = CarryOut(seat, ChooseExtraDiscard(s_.table, s_.settings, temper, random_, seat), true);
    if (result != kPlayGoesOn) return result;
    view_.ShowHand(seat);
  }
  // The further cards of a penalty come without the pause of a decision.
  const bool drawing_penalty = move.kind == MoveKind::PenaltyDraw;
  while (drawing_penalty && s_.table.PenaltyPending > 0) {
    result = CarryOut(seat, ComputerMove{.kind = MoveKind::PenaltyDraw}, false);
    if (result != kPlayGoesOn) return result;
    view_.ShowHand(seat);
  }
  return kPlayGoesOn;
}

int16_t Engine::CarryOut(int seat, const ComputerMove& move, bool decided) {
  HandRow& row = s_.table.Hands[seat];
  s_.table.TurnOver = move.ends_turn ? 1 : 0;
  switch (move.kind) {
    case MoveKind::Discard:
      AddPenaltyFor(move.card);
      if (ComputerDiscard(seat, move.card)) return kEndCall;
      break;
    case MoveKind::DiscardFinish:
      view_.HideSeatCard(seat, 1);
      view_.ShowCard(kPosDiscardPile, row[1]);
      view_.PlaySound(Sound::CardOperate);
      row[kHandCount] = 0;
      s_.table.Winner = static_cast<int16_t>(seat);
      return kEndDiscardFinish;
    case MoveKind::PenaltyDraw:
    case MoveKind::Draw: {
      if (move.kind == MoveKind::PenaltyDraw) --s_.table.PenaltyPending;
      if (!ComputerDraw(seat)) return kEndNoGame;
      const int pause = DrawPauseTenths(s_.settings.AutoJudgment);
      if (decided && pause > 0) view_.Pause(pause);
      // Drawing ends the seat's discarding.
      s_.table.TurnOver = true;
      break;
    }
  }
  RecomputeCallNumbers(row);
  if (row[kHandCount] > 9) return kEndCardOver;
  return kPlayGoesOn;
}

// --- End of a hand ----------------------------------------------------------------

}  // namespace winpiruk
