// The turn engine's inputs: the user's clicks and keys, the time limit's
// tick, the new-game and play-mode commands.
#include "engine/Engine.h"
#include "engine/LegalPicks.h"

namespace winpiruk {

int16_t KeyPick(char32_t ch) {
  switch (ch) {
    case U'A': case U'a': case U'\uFF81': return 1;
    case U'B': case U'b': case U'\uFF7A': return 2;
    case U'C': case U'c': case U'\uFF7F': return 3;
    case U'D': case U'd': case U'\uFF7C': return 4;
    case U'E': case U'e': case U'\uFF72': return 5;
    case U'F': case U'f': case U'\uFF8A': return 6;
    case U'G': case U'g': case U'\uFF77': return 7;
    case U'H': case U'h': case U'\uFF78': return 8;
    case U'I': case U'i': case U'\uFF86': return 9;
    case U'P': case U'p': case U' ': case U'\uFF7E': return kPickDrawPile;
    case U'J': case U'j': case U'\uFF8F': return kPickDiscardPile;
    case U'K': case U'k': case U'\uFF89': return kPickSecondCard;
    default: return kPickNone;
  }
}

bool Engine::ClickHandCard(int position) {
  if (s_.EngineRunning != 0 || s_.AwaitingUser != 1 || s_.HandPhase != kHandInPlay) return false;
  if (position < 1 || position > 9) return false;
  s_.UserPick = static_cast<int16_t>(position);
  s_.PickInProgress = static_cast<int16_t>(position);
  PlayTurn();
  s_.PickInProgress = 0;
  return true;
}

bool Engine::ClickDrawPile() {
  if (s_.EngineRunning != 0 || s_.DrewThisTurn != 0 || s_.AwaitingUser != 1 || s_.HandPhase != kHandInPlay) return false;
  s_.UserPick = kPickDrawPile;
  s_.DrewThisTurn = 1;
  s_.PickInProgress = kPickDrawPile;
  PlayTurn();
  s_.PickInProgress = 0;
  return true;
}

bool Engine::ClickDiscardPile() {
  ClaimCall();
  if (s_.EngineRunning != 0 || s_.AwaitingUser != 1 || s_.HandPhase == kHandNotDealt || s_.TurnPhase == kTurnFirstAction) return false;
  s_.UserPick = kPickDiscardPile;
  s_.PickInProgress = kPickDiscardPile;
  PlayTurn();
  s_.PickInProgress = 0;
  return true;
}

bool Engine::ClickSecondCard() {
  if (s_.EngineRunning != 0 || s_.AwaitingUser != 1 || s_.HandPhase == kHandNotDealt || s_.TurnPhase == kTurnFirstAction) return false;
  s_.UserPick = kPickSecondCard;
  s_.PickInProgress = kPickSecondCard;
  PlayTurn();
  s_.PickInProgress = 0;
  return true;
}

void Engine::ClaimCall() {
  if (s_.settings.AutoJudgment == 0 && s_.TurnPhase > kTurnNone && s_.CallWindowOpen == 1) s_.UserClaimedCall = 1;
}

bool Engine::TypeKey(char32_t ch) {
  const int16_t pick = KeyPick(ch);
  if (pick == kPickNone || s_.EngineRunning != 0 || s_.AwaitingUser != 1 || s_.UserPick != 0) return false;
  int16_t in_progress = 0;
  if (s_.HandPhase != kHandNotDealt && s_.TurnPhase != kTurnFirstAction) {
    in_progress = pick;
  } else if (s_.HandPhase == kHandInPlay && s_.TurnPhase == kTurnFirstAction) {
    in_progress = kPickDrawPile;
  } else {
    return false;
  }
  s_.UserPick = pick;
  s_.PickInProgress = in_progress;
  PlayTurn();
  s_.PickInProgress = 0;
  return true;
}

void Engine::TimerTick() {
  if (s_.SecondsLeft < 1) {
    view_.StopTimer();
    view_.HideLabel(TableLabel::Countdown);
    // "J" keeps a dealer's own card; the space that follows would only have
    // reached the table after that move, so it counts only when "J" did not.
    const long long before = accepted_picks_;
    quiet_refusals_ = true;
    TypeKey(U'J');
    quiet_refusals_ = false;
    if (accepted_picks_ == before) TypeKey(U' ');
    return;
  }
  --s_.SecondsLeft;
  view_.ShowCountdown(s_.SecondsLeft, true);
}

// --- Menu commands -----------------------------------------------------------------------

NewGameStep Engine::NewGame() {
  if (s_.AutoPlay != 0) {
    view_.Tell(Notice::NewGameInAutoPlay);
    return NewGameStep::Refused;
  }
  if (s_.PickInProgress != 0 || s_.EngineRunning != 0) {
    view_.Tell(Notice::NewGameWhileBusy);
    return NewGameStep::Refused;
  }
  const bool discarding = s_.MatchInProgress != 0;
  if (discarding && !view_.Ask(Question::DiscardMatch)) return NewGameStep::Kept;
  s_.MatchInProgress = 0;
  view_.StopTimer();
  s_.HandNumber = 0;
  s_.Score.fill(0);
  s_.HasWon.fill(0);
  // No hand is in progress any more: a stale click must not act on the table.
  s_.HandPhase = kHandNotDealt;
  s_.TurnPhase = kTurnNone;
  s_.AwaitingUser = 0;
  s_.UserPick = 0;
  if (discarding) {
    view_.StopMusic();
    view_.ClearTable();
    view_.ShowLabel(TableLabel::KeyGuideJ, LabelWords::Blank);
    view_.ShowLabel(TableLabel::KeyGuideK, LabelWords::Blank);
    view_.HideLabel(TableLabel::ExtraNumberTitle);
    view_.ShowProgramTitle();
  }
  return NewGameStep::OpenMemberDecision;
}

void Engine::ChooseAutoPlay() {
  if (s_.AutoPlay != 0) return;
  s_.AutoPlay = 1;
  view_.CheckPlayMode(true);
  view_.ShowHandTitle(s_.HandNumber, true);
  const bool users_turn = s_.AwaitingUser == 1 && s_.HandPhase != kHandNotDealt;
  if (users_turn) view_.Tell(Notice::AutoPlayFirstMove);
}

void Engine::ChooseManualPlay() {
  s_.AutoPlay = 0;
  view_.CheckPlayMode(false);
  view_.ShowHandTitle(s_.HandNumber, false);
}

}  // namespace winpiruk
