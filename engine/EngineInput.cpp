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
  if (s_.table.EngineRunning || !s_.table.AwaitingUser || s_.table.HandPhase != kHandInPlay) return false;
  if (position < 1 || position > 9) return false;
  s_.table.UserPick = static_cast<int16_t>(position);
  s_.table.PickInProgress = true;
  PlayTurn();
  s_.table.PickInProgress = false;
  return true;
}

bool Engine::ClickDrawPile() {
  if (s_.table.EngineRunning || s_.table.DrewThisTurn || !s_.table.AwaitingUser || s_.table.HandPhase != kHandInPlay) return false;
  s_.table.UserPick = kPickDrawPile;
  s_.table.DrewThisTurn = true;
  s_.table.PickInProgress = true;
  PlayTurn();
  s_.table.PickInProgress = false;
  return true;
}

bool Engine::ClickDiscardPile() {
  ClaimCall();
  if (s_.table.EngineRunning || !s_.table.AwaitingUser || s_.table.HandPhase == kHandNotDealt || s_.table.TurnPhase == kTurnFirstAction) return false;
  s_.table.UserPick = kPickDiscardPile;
  s_.table.PickInProgress = true;
  PlayTurn();
  s_.table.PickInProgress = false;
  return true;
}

bool Engine::ClickSecondCard() {
  if (s_.table.EngineRunning || !s_.table.AwaitingUser || s_.table.HandPhase == kHandNotDealt || s_.table.TurnPhase == kTurnFirstAction) return false;
  s_.table.UserPick = kPickSecondCard;
  s_.table.PickInProgress = true;
  PlayTurn();
  s_.table.PickInProgress = false;
  return true;
}

bool Engine::ClaimCall() {
  if (s_.settings.AutoJudgment != 0 || s_.table.TurnPhase <= kTurnNone || !s_.table.CallWindowOpen) return false;
  s_.table.UserClaimedCall = true;
  return true;
}

bool Engine::TakesKey(char32_t ch) const {
  const int16_t pick = KeyPick(ch);
  if (pick == kPickNone || s_.table.EngineRunning || !s_.table.AwaitingUser || s_.table.UserPick != 0) return false;
  const bool pile_or_further_discard = s_.table.HandPhase != kHandNotDealt && s_.table.TurnPhase != kTurnFirstAction;
  const bool first_action = s_.table.HandPhase == kHandInPlay && s_.table.TurnPhase == kTurnFirstAction;
  return pile_or_further_discard || first_action;
}

bool Engine::TypeKey(char32_t ch) {
  if (!TakesKey(ch)) return false;
  s_.table.UserPick = KeyPick(ch);
  s_.table.PickInProgress = true;
  PlayTurn();
  s_.table.PickInProgress = false;
  return true;
}

void Engine::TimerTick() {
  if (s_.table.SecondsLeft < 1) {
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
  --s_.table.SecondsLeft;
  view_.ShowCountdown(s_.table.SecondsLeft, true);
}

// --- Menu commands -----------------------------------------------------------------------

NewGameStep Engine::NewGame() {
  if (s_.table.AutoPlay) {
    view_.Tell(Notice::NewGameInAutoPlay);
    return NewGameStep::Refused;
  }
  if (s_.table.PickInProgress || s_.table.EngineRunning) {
    view_.Tell(Notice::NewGameWhileBusy);
    return NewGameStep::Refused;
  }
  const bool discarding = s_.match.MatchInProgress;
  if (discarding && !view_.Ask(Question::DiscardMatch)) return NewGameStep::Kept;
  s_.match.MatchInProgress = false;
  view_.StopTimer();
  s_.table.HandNumber = 0;
  s_.match.Score.fill(0);
  s_.match.HasWon.fill(0);
  // No hand is in progress any more: a stale click must not act on the table.
  s_.table.HandPhase = kHandNotDealt;
  s_.table.TurnPhase = kTurnNone;
  s_.table.AwaitingUser = false;
  s_.table.UserPick = 0;
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
  if (s_.table.AutoPlay) return;
  s_.table.AutoPlay = true;
  view_.CheckPlayMode(true);
  view_.ShowHandTitle(s_.table.HandNumber, true);
  const bool users_turn = s_.table.AwaitingUser && s_.table.HandPhase != kHandNotDealt;
  if (users_turn) view_.Tell(Notice::AutoPlayFirstMove);
}

void Engine::ChooseManualPlay() {
  s_.table.AutoPlay = false;
  view_.CheckPlayMode(false);
  view_.ShowHandTitle(s_.table.HandNumber, false);
}

}  // namespace winpiruk
