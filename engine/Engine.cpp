#include "engine/Engine.h"

#include "engine/Calls.h"
#include "engine/ComputerPlayer.h"
#include "engine/Dealing.h"
#include "engine/Durations.h"
#include "engine/HandRows.h"
#include "engine/LegalPicks.h"
#include "state/Cards.h"
#include "state/RuleLimits.h"

namespace winpiruk {
namespace {

// Marks the engine as running for the life of a step; nested steps keep the
// mark of the outermost one.
class RunningMark {
 public:
  explicit RunningMark(bool& flag) : flag_(flag), outer_(!flag) { flag_ = true; }
  ~RunningMark() {
    if (outer_) flag_ = false;
  }
  RunningMark(const RunningMark&) = delete;
  RunningMark& operator=(const RunningMark&) = delete;

 private:
  bool& flag_;
  bool outer_;
};

}  // namespace

int SpeedPauseUnits(const Settings& settings) {
  if (settings.AutoJudgment == 0) return 0;
  return kSpeedPauseUnits[GameSpeedInUse(settings)];
}

Engine::Engine(GameState& state, TableView& view, RandomSource& random, const Clock& clock, Scorekeeping scorekeeping)
    : s_(state), view_(view), random_(random), clock_(clock), scorekeeping_(std::move(scorekeeping)) {}

// --- The turn handler ---------------------------------------------------------

void Engine::PlayTurn() {
  if (failed_ || s_.table.EngineRunning) return;
  {
    RunningMark running(s_.table.EngineRunning);
    for (;;) {
      const Step step = Dispatch();
      if (step == Step::Continue) continue;
      if (step == Step::Stop || failed_) break;
      // Waiting for the user: in auto-play the computer player answers.
      if (!s_.table.AutoPlay) {
        KeepMoment(false);
        break;
      }
      view_.Pause(kAutoPlayPauseTenths);
      const AutoPick pick = AutoPlayMove(s_.table, s_.settings, TemperOf(s_.match, 0), random_);
      s_.table.AutoExtraPending = pick.extra_pending;
      if (pick.pick == kPickNone) break;
      s_.table.UserPick = pick.pick;
    }
  }
  view_.EngineSettled();
  if (member_decision_pending_) {
    member_decision_pending_ = false;
    view_.ShowMemberDecision();
  }
}

Engine::Step Engine::Dispatch() {
  if (s_.table.TurnPhase == kTurnFurtherDiscard) return FurtherDiscard();
  if (s_.table.HandPhase == kHandNotDealt) {
    KeepMoment(false);
    if (!StartHand(s_, view_, random_, clock_)) {
      // Either the match has no hand left, or the deal met a dealer outside
      // the table (the view has shown the internal error).
      if (s_.table.HandNumber <= NumberOfGamesInUse(s_.settings)) failed_ = true;
      return Step::Stop;
    }
    if (s_.table.Dealer == 0 && s_.table.HandPhase == kHandOpening) {
      s_.table.AwaitingUser = true;
      s_.table.UserPick = 0;
      if (!s_.table.AutoPlay) StartTimeLimit();
      return Step::Wait;
    }
    return FirstTurn();
  }
  if (s_.table.HandPhase == kHandOpening && s_.table.Dealer == 0 && s_.table.DealerChoice.empty()) return DealerChoiceStep();
  if (s_.table.TurnPhase == kTurnFirstAction) return UserFirstAction();
  return Ignore();
}

void Engine::KeepMoment(bool between_hands) {
  if (!scorekeeping_.keep_moment) return;
  TableState table = s_.table;
  // Taken up again, the table waits: nothing is running or half picked.
  table.EngineRunning = false;
  table.PickInProgress = false;
  table.CallWindowOpen = false;
  if (between_hands) {
    // As the end of the hand leaves it for the next deal.
    table.Dealer = table.Winner;
    table.HandPhase = kHandNotDealt;
    table.TurnPhase = kTurnNone;
    table.AwaitingUser = false;
    table.UserPick = 0;
  }
  scorekeeping_.keep_moment(table, s_.match);
}

Engine::Step Engine::Ignore() {
  s_.table.UserPick = 0;
  s_.table.AwaitingUser = true;
  return Step::Wait;
}

Engine::Step Engine::Refuse() {
  if (s_.table.UserPick != kPickNone && !quiet_refusals_) {
    view_.ShowRefusal(WhyRefused(s_.table, s_.settings, 0, UserMovePhase(s_.table), s_.table.UserPick));
  }
  return Ignore();
}

Engine::Step Engine::Fail(int number) {
  if (number == 2) view_.StopMusic();
  view_.InternalError(number);
  failed_ = true;
  s_.table.AwaitingUser = false;
  return Step::Stop;
}

void Engine::StartTimeLimit() {
  const int limit = RestrictTimeInUse(s_.settings);
  if (limit <= 0) return;
  s_.table.SecondsLeft = static_cast<int16_t>(limit * kSecondsPerRestrictStep);
  view_.StartTimer();
  // A turn never begins with a further-discard prompt on the label.
  view_.ShowCountdown(s_.table.SecondsLeft, false);
}

// --- Dealer's choice and first turn --------------------------------------------

Engine::Step Engine::DealerChoiceStep() {
  s_.table.AwaitingUser = true;
  if (UserPickEffect(s_.table, s_.settings, s_.table.UserPick) == PickEffect::Refused) return Refuse();
  ChooseInitialCard(s_, view_, random_, s_.table.UserPick);
  ++accepted_picks_;
  s_.table.AwaitingUser = false;
  s_.table.UserPick = 0;
  return FirstTurn();
}

Engine::Step Engine::FirstTurn() {
  if (s_.table.DealerChoice == "E") {
    if (s_.settings.FinishMeans != kFinishDiscardOnly) {
      s_.table.Winner = s_.table.Dealer;
      return EndOfHand(kEndInitialMatch);
    }
    // No initial match wins under discard-finish only: the user dealer still
    // chooses the initial card (a computer dealer never reports one here).
    s_.table.DealerChoice.clear();
    s_.table.HandPhase = kHandOpening;
    s_.table.AwaitingUser = true;
    s_.table.UserPick = 0;
    if (!s_.table.AutoPlay) StartTimeLimit();
    return Step::Wait;
  }
  s_.table.TurnPhase = kTurnFirstAction;
  view_.ShowHand(s_.table.Dealer);
  s_.table.CurrentSeat = static_cast<int16_t>((s_.table.Dealer + 1) % kSeats);
  view_.ShowArrow(s_.table.CurrentSeat);
  if (s_.table.CurrentSeat != 0) {
    s_.table.HandPhase = kHandOpening;
    s_.table.AwaitingUser = false;
    return EndOfHand(RunComputerSeats());
  }
  s_.table.HandPhase = kHandInPlay;
  return UserTurnBegins();
}

Engine::Step Engine::UserTurnBegins() {
  s_.table.AwaitingUser = true;
  s_.table.UserPick = 0;
  if (!s_.table.AutoPlay) StartTimeLimit();
  return Step::Wait;
}

// --- The user's picks ---------------------------------------------------------

bool Engine::AskDiscardFinish() {
  // The auto-play only picks the last card to go out with it.
  return s_.table.AutoPlay || view_.Ask(Question::DiscardFinish);
}

Engine::Step Engine::UserFirstAction() {
  const int pick = s_.table.UserPick;
  const PickEffect effect = UserPickEffect(s_.table, s_.settings, pick);
  if (effect == PickEffect::Refused) return Refuse();
  s_.table.TurnOver = true;
  s_.table.CurrentSeat = 0;
  if (effect == PickEffect::DiscardFinish) {
    if (!AskDiscardFinish()) return Ignore();
    ++accepted_picks_;
    return UserDiscardFinish();
  }
  ++accepted_picks_;
  switch (effect) {
    case PickEffect::PenaltyDraw:
      user_drawing_penalty_ = true;
      --s_.table.PenaltyPending;
      return UserDraw();
    case PickEffect::Draw:
      return UserDraw();
    case PickEffect::DiscardAgain:
      s_.table.TurnOver = false;
      return UserDiscard(pick);
    default:
      return UserDiscard(pick);
  }
}

Engine::Step Engine::FurtherDiscard() {
  const int pick = s_.table.UserPick;
  const PickEffect effect = UserPickEffect(s_.table, s_.settings, pick);
  if (effect == PickEffect::StopDiscarding) {
    ++accepted_picks_;
    view_.HideLabel(TableLabel::Countdown);
    s_.table.CurrentSeat = static_cast<int16_t>(s_.table.Direction < 0 ? 3 : 1);
    s_.table.AwaitingUser = false;
    s_.table.DrewThisTurn = false;  // the draw-pile click that ended the turn drew nothing
    return EndOfHand(RunComputerSeats());
  }
  // A click on a held card takes the prompt away, even when that card may
  // not go.
  if (pick >= 1 && pick <= 9 && pick <= s_.table.Hands[0][kHandCount]) view_.HideLabel(TableLabel::Countdown);
  if (effect == PickEffect::Refused) {
    s_.table.TurnPhase = kTurnFurtherDiscard;
    return Refuse();
  }
  ++accepted_picks_;
  s_.table.TurnPhase = kTurnFirstAction;
  switch (effect) {
    case PickEffect::DiscardFinish:
      if (AskDiscardFinish()) return UserDiscardFinish();
      [[fallthrough]];
    case PickEffect::EndTurn:
      s_.table.TurnOver = true;
      return EndOfUserAction(false);
    case PickEffect::Discard:
      s_.table.TurnOver = true;
      return UserDiscard(pick);
    default:
      return UserDiscard(pick);
  }
}

Engine::Step Engine::UserDiscard(int position) {
  HandRow& row = s_.table.Hands[0];
  const int16_t x = row[position];
  AddPenaltyFor(x);
  s_.table.SpecialDone = false;
  s_.table.TopDiscard = x;
  row[position] = 0;
  PushDiscard(x);
  RemoveFromRow(row, position);
  view_.HideCard(position);
  view_.ShowCard(kPosDiscardPile, x);
  view_.PlaySound(Sound::CardOperate);
  --row[kHandCount];
  if (CheckCallsOnUserDiscard(s_)) return EndOfHand(kEndCall);
  return EndOfUserAction(true);
}

Engine::Step Engine::UserDiscardFinish() {
  HandRow& row = s_.table.Hands[0];
  view_.HideCard(1);
  view_.ShowCard(kPosDiscardPile, row[1]);
  view_.PlaySound(Sound::CardOperate);
  --row[kHandCount];
  s_.table.Winner = 0;
  return EndOfHand(kEndDiscardFinish);
}

Engine::Step Engine::UserDraw() {
  DrawCard(0);
  if (s_.table.DrawIndex == kDeckEnd) {
    ReusePile();
  } else if (DrawSlotEmpty()) {
    user_drawing_penalty_ = false;
    return EndOfHand(kEndNoGame);
  }
  return EndOfUserAction(true);
}

Engine::Step Engine::EndOfUserAction(bool check_overflow) {
  HandRow& row = s_.table.Hands[0];
  if (check_overflow) {
    if (row[kHandCount] > 9) {
      s_.table.CurrentSeat = 0;
      s_.table.DrewThisTurn = false;
      user_drawing_penalty_ = false;
      return EndOfHand(kEndCardOver);
    }
    RecomputeCallNumbers(row);
    view_.ShowHand(0);
  }
  if (!s_.table.TurnOver) {
    const bool must = MustDiscardAgain(s_.settings);
    view_.ShowLabel(TableLabel::Countdown, must ? LabelWords::MustDiscardAgain : LabelWords::MayDiscardAgain);
    s_.table.TurnPhase = kTurnFurtherDiscard;
    s_.table.AwaitingUser = true;
    s_.table.DrewThisTurn = false;
    s_.table.UserPick = 0;
    return Step::Wait;
  }
  if (user_drawing_penalty_ && s_.table.PenaltyPending > 0) {
    --s_.table.PenaltyPending;
    return UserDraw();
  }
  user_drawing_penalty_ = false;
  return NextSeatAfterUser();
}

void Engine::ApplyTopCardEffect(int seat, int16_t& next) {
  const Settings& rules = s_.settings;
  const int rank = CardRank(s_.table.TopDiscard);
  int step = 1;
  if (rank == rules.InverseCard && !s_.table.SpecialDone) {
    s_.table.Direction = static_cast<int16_t>(-s_.table.Direction);
    s_.table.SpecialDone = true;
  }
  if (rank == rules.SkipCard && !s_.table.SpecialDone) {
    s_.table.SpecialDone = true;
    step = 2;
  }
  next = NextSeat(seat, step, s_.table.Direction);
}

Engine::Step Engine::NextSeatAfterUser() {
  if (s_.table.DrawIndex == kDeckEnd) ReusePile();
  if (DrawSlotEmpty()) return EndOfHand(kEndNoGame);
  int16_t next = 0;
  ApplyTopCardEffect(0, next);
  if (next == 0) return Fail(1);
  s_.table.CurrentSeat = next;
  s_.table.AwaitingUser = false;
  s_.table.DrewThisTurn = false;
  return EndOfHand(RunComputerSeats());
}

// --- Cards moving -------------------------------------------------------------

bool Engine::DrawSlotEmpty() const { return s_.table.DrawIndex >= kDeckSlots || s_.table.DeckSlots[s_.table.DrawIndex] == 0; }

void Engine::PushDiscard(int16_t code) {
  if (s_.table.DiscardIndex >= 0 && s_.table.DiscardIndex < kDeckSlots) s_.table.DeckSlots[s_.table.DiscardIndex] = code;
  ++s_.table.DiscardIndex;
}

void Engine::DrawCard(int seat) {
  HandRow& row = s_.table.Hands[seat];
  if (DrawSlotEmpty()) return;
  const int slot = FirstSlotHolding(row, 0);
  if (slot == 0) return;  // ten cards: the overflow check ends the hand first
  row[slot] = s_.table.DeckSlots[s_.table.DrawIndex];
  ++s_.table.DrawIndex;
  ++row[kHandCount];
  view_.ShowDrawAnimation();
  if (DrawSlotEmpty()) view_.ShowDrawPile(false);
}

void Engine::ReusePile() {
  view_.ShowDrawPile(false);
  view_.ShowLabel(TableLabel::ReuseMessage, LabelWords::Own);
  view_.Pause(kReuseMessageTenths);
  view_.HideLabel(TableLabel::ReuseMessage);
  view_.ShowDrawPile(true);
  if (s_.table.DrawIndex < 60 && s_.settings.ExtraCardEnable != 0) {
    const int16_t last = s_.table.DeckSlots[s_.table.DiscardIndex - 1];
    view_.ShowLabel(TableLabel::ExtraNumberTitle, LabelWords::Own);
    view_.ShowCard(kPosSecondCard, last);
    s_.table.ExtraNumberCard = last;
    s_.table.ExtraNumber = static_cast<int16_t>(CardRank(last));
  }
  s_.table.DiscardIndex = 1;
  ++s_.table.DrawIndex;
}

void Engine::AddPenaltyFor(int16_t card) {
  if (CardRank(card) != s_.settings.PenaltyCard) return;
  s_.table.PenaltyPending = static_cast<int16_t>(s_.table.PenaltyPending + PenaltyLeavesInUse(s_.settings));
}

Engine::Step Engine::EndOfHand(int16_t result) {
  if (result == kUserTurn) return UserTurnBegins();
  if (result == kNotComputerSeat) return Fail(2);
  s_.table.HandEndCode = result;
  switch (result) {
    case kEndCall: CheckCounterCall(s_, view_); break;
    case kEndInitialMatch: view_.PlaySound(Sound::Initial); break;
    case kEndCardOver: view_.PlaySound(Sound::CardOver); break;
    default: view_.PlaySound(Sound::NoGame); break;
  }
  view_.StopTimer();
  view_.StopMusic();
  ScoreAndShowHand();
  s_.table.AwaitingUser = false;
  s_.table.UserPick = 0;
  user_drawing_penalty_ = false;

  if (s_.table.HandNumber >= NumberOfGamesInUse(s_.settings) && !SettleAndShowMatch()) {
    s_.table.HandPhase = kHandNotDealt;
    s_.table.TurnPhase = kTurnNone;
    return Step::Stop;
  }
  view_.RestartMusic();
  s_.table.Dealer = s_.table.Winner;
  view_.ClearTable();
  view_.ShowScores();
  s_.table.HandPhase = kHandNotDealt;
  s_.table.TurnPhase = kTurnNone;
  view_.ApplyLabelColours();
  return Step::Continue;
}

void Engine::ScoreAndShowHand() {
  HandResultView result;
  result.end_code = s_.table.HandEndCode;
  if (scorekeeping_.on) result = ScoreHand(s_);
  // Quitting while the result is on screen must not score the hand twice.
  KeepMoment(true);
  view_.ShowHandResult(result);
  CloseHandResult(s_);
}

bool Engine::SettleAndShowMatch() {
  view_.PlaySound(Sound::GameOver);
  SettlementView settlement;
  if (scorekeeping_.on) {
    settlement = SettleMatch(s_, scorekeeping_.time_of_day(), scorekeeping_.write_member_files);
  }
  switch (view_.ShowSettlement(settlement)) {
    case SettlementOutcome::AnotherMatch:
      StartAnotherMatch(s_, scorekeeping_.time_of_day());
      return true;
    case SettlementOutcome::ChangeMembers:
      LeaveMatchForMemberChange(s_);
      member_decision_pending_ = true;
      return false;
    case SettlementOutcome::EndProgram:
      break;
  }
  return false;
}

// --- Input from the table -------------------------------------------------------------

}  // namespace winpiruk
