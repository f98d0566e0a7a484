#pragma once
// The turn engine: the one entry point of the window's handlers into the
// game. It runs on the caller's thread, waits only through the view, and
// returns when it waits for the user.
//
// The main window owns one Engine built on the shared state, its table view,
// the random source and clock that start-up hands it, and the scorekeeping
// that writes the member files. Its load calls PlayTurn (which
// deals when no hand is in progress); clicks, keys, the time limit and the menu
// commands go through the methods below, which refuse while the engine is
// already running (`EngineRunning`), so a handler that runs during a pause
// never rebuilds the table under a move in progress.
#include <cstdint>
#include <functional>

#include "engine/Clock.h"
#include "engine/ComputerPlayer.h"
#include "engine/Random.h"
#include "engine/TableView.h"
#include "scoring/Settlement.h"
#include "state/GameState.h"

namespace winpiruk {

// What a run of the computer seats ends with besides a HandEnd.
enum SeatsOutcome : int16_t {
  kPlayGoesOn = 0,         // within a seat's turn: its next move follows
  kUserTurn = 1,
  kNotComputerSeat = 999,  // `CurrentSeat` is not 1..3
};

// What the new-game command leads to.
enum class NewGameStep {
  Refused,             // a message was shown; nothing changed
  Kept,                // the user kept the match in progress
  OpenMemberDecision,  // close and reopen the member and dealer window
};

// How the engine keeps the score of hands and matches.
struct Scorekeeping {
  // Off only for runs that count hands: they are played and shown unscored,
  // and a match ends with an empty settlement.
  bool on = true;
  // Writes both member files at the end of every match; false when they
  // could not be written.
  MemberFilesWriter write_member_files;
  // The time of day in seconds since midnight: the end of a match and the
  // start of the next.
  std::function<int32_t()> time_of_day;
  // Told of every moment a match can be taken up again from, with the table
  // and the match as they stand then: when the engine waits for the user's
  // move, and between hands (the next one not dealt yet, every hand before
  // it scored). Unset for runs that keep nothing.
  std::function<void(const TableState&, const MatchState&)> keep_moment;
};

// The pick a typed character stands for (0: none).
int16_t KeyPick(char32_t ch);

// Speed units of the pause between computer moves (0: no pause).
int SpeedPauseUnits(const Settings& settings);

class Engine {
 public:
  Engine(GameState& state, TableView& view, RandomSource& random, const Clock& clock, Scorekeeping scorekeeping);

  // The turn handler: deals when no hand is in progress, else carries out
  // `UserPick`, then plays until the user must act again or the match ends.
  void PlayTurn();

  // Input from the table. Each returns true when the input was taken (and
  // the turn handler has run for it).
  bool ClickHandCard(int position);  // the user's cards, positions 1..9
  bool ClickDrawPile();              // the draw pile
  bool ClickDiscardPile();           // the discard pile; also claims a call
  bool ClickSecondCard();            // the second face-up card
  bool TypeKey(char32_t ch);         // a typed character
  // Whether TypeKey would take the character now.
  bool TakesKey(char32_t ch) const;
  // The time limit's one-second tick: counts the time limit down and, at its end, types "J"
  // then " " through TypeKey.
  void TimerTick();

  // The user's time limit for the move now pending.
  void StartTimeLimit();

  // The new-game menu command.
  NewGameStep NewGame();
  // The play-mode menu items.
  void ChooseAutoPlay();
  void ChooseManualPlay();

  // A claim of the call by the user (a click on the discard pile or its key):
  // true when the claim window was open and took it.
  bool ClaimCall();

  // An internal error ended the run; the view was told.
  bool Failed() const { return failed_; }

  // --- Steps, public for the tests and the runner ----------------------------
  // Plays the computer seats from `CurrentSeat` until the user's turn
  // (kUserTurn) or the end of the hand (a HandEnd; kNotComputerSeat for a
  // seat that is not one).
  int16_t RunComputerSeats();

 private:
  enum class Step { Continue, Wait, Stop };

  Step Dispatch();
  Step DealerChoiceStep();
  Step FirstTurn();
  Step UserFirstAction();
  Step FurtherDiscard();
  Step UserDiscard(int position);
  Step UserDiscardFinish();
  Step UserDraw();
  Step EndOfUserAction(bool check_overflow);
  Step NextSeatAfterUser();
  Step UserTurnBegins();
  Step EndOfHand(int16_t result);
  // Scores the hand and shows it; the winner leads the next hand.
  void ScoreAndShowHand();
  // Settles the match, shows it and applies the user's answer; false when
  // the match and the run of hands stop here.
  bool SettleAndShowMatch();
  // Tells the scorekeeping the moment to keep: the table as it stands, or
  // (between_hands) as the next hand will find it.
  void KeepMoment(bool between_hands);
  Step Ignore();
  // Ignore() for a pick that was refused: the view hears why.
  Step Refuse();
  Step Fail(int number);
  bool AskDiscardFinish();

  // Takes the card at DrawIndex into a seat's first empty slot and shows it.
  void DrawCard(int seat);
  // Makes the discard pile the draw pile once the deck has run out.
  void ReusePile();
  bool DrawSlotEmpty() const;
  void PushDiscard(int16_t code);
  // A penalty card adds its cards to the penalty pending.
  void AddPenaltyFor(int16_t card);
  // A computer seat's discard of `card`; true when it is called.
  bool ComputerDiscard(int seat, int16_t card);
  // A computer seat's draw; false when the pile is exhausted.
  bool ComputerDraw(int seat);
  void ApplyTopCardEffect(int seat, int16_t& next);
  // One computer seat's turn; kPlayGoesOn, else how the hand ended.
  int16_t PlayComputerTurn(int seat);
  // One move of a computer seat and its checks; kPlayGoesOn or a HandEnd. The
  // pause after a draw marks a `decided` move.
  int16_t CarryOut(int seat, const ComputerMove& move, bool decided);

  GameState& s_;
  TableView& view_;
  RandomSource& random_;
  const Clock& clock_;
  Scorekeeping scorekeeping_;
  bool user_drawing_penalty_ = false;
  long long accepted_picks_ = 0;  // picks the engine acted on
  bool member_decision_pending_ = false;
  bool failed_ = false;
  bool quiet_refusals_ = false;  // the time limit's own keys are refused silently
};

}  // namespace winpiruk
