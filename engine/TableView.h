#pragma once
// What the engine needs from the screen. The main window implements it; the
// tests and the headless runner implement it with views that draw nothing.
// The engine calls these from inside its own steps, and returns from a wait
// (Pause, SpeedPause, WaitForClaim, a question, a result window) once it is
// over. The table's view lets the window's events run meanwhile by
// suspending the step (the step runs as a run of its own); handlers that
// would change the table refuse while `EngineRunning` is set. Quiet views
// return at once.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/LegalPicks.h"
#include "scoring/HandResult.h"
#include "scoring/Settlement.h"

namespace winpiruk {

// Positions of the table's face-up pictures.
constexpr int kPosDrawPile = 10;     // the draw pile (a card back)
constexpr int kPosDiscardPile = 11;  // the discard pile
constexpr int kPosSecondCard = 39;   // the dealer's second choice, later the extra number card

// The seven sound effects.
enum class Sound { Piruk, PirukGaeshi, Initial, CardOver, NoGame, GameOver, CardOperate };

// The table's text labels.
enum class TableLabel {
  DealerChoicePrompt,  // "好きな方を取ってください ."
  ReuseMessage,        // "場札を再度使います."
  Countdown,           // the time limit, or the further-discard prompt
  ExtraNumberTitle,    // "ｴｸｽﾄﾗﾅﾝﾊﾞｰ"
  KeyGuideJ,           // "J" beside the discard pile
  KeyGuideK,           // "K" beside the second face-up card
};

// What a label shows. The engine names it; the view holds the words.
enum class LabelWords {
  Blank,             // shown with no text
  Own,               // the label's own text (the prompt, the message, the title, the key letter)
  MustDiscardAgain,  // the countdown label while a further discard must follow
  MayDiscardAgain,   // the countdown label while a further discard may follow
};

// The two claim windows after a computer's discard.
enum class ClaimWindow {
  // The grace time, spent after every computer discard whether or not the
  // user's hand makes the number: the table may show it, it gives nothing away.
  AfterEveryDiscard,
  // The short wait added only when the user's hand makes the number: shown,
  // it would tell the user so.
  HandMakesIt,
};

enum class MessageIcon { Information, Exclamation, Question, Critical };

// A message box as the program shows it. The texts live in GameTexts.
struct MessageText {
  std::string title;
  std::string text;
  MessageIcon icon = MessageIcon::Information;
};

// Yes/No questions; No is the default button only for DiscardMatch.
enum class Question {
  DiscardMatch,   // "現在進行中のゲームを破棄しますか？"
  DiscardFinish,  // "'捨て上がり'をしますか？"
  ConfirmCall,    // "'ぴるく'しますか？"
};

// Messages with an OK button.
enum class Notice {
  NewGameInAutoPlay,  // leave auto-play before a new game
  NewGameWhileBusy,   // choose a new game on your own turn
  AutoPlayFirstMove,  // auto-play starts after the user's pending move
  CloseRefused,       // end through the menu
};

class TableView {
 public:
  virtual ~TableView() = default;

  // --- Cards ----------------------------------------------------------------
  // Draws a card face up at a table position: 1..9 the user's hand,
  // kPosDiscardPile, kPosSecondCard.
  virtual void ShowCard(int position, int code) = 0;
  // Hides the picture at a table position (1..9, draw pile, discard pile,
  // second card).
  virtual void HideCard(int position) = 0;
  // Hides the face-down picture at position 1..9 of a computer seat's row.
  virtual void HideSeatCard(int seat, int position) = 0;
  // Redraws a seat's row and its card count from the table.
  virtual void ShowHand(int seat) = 0;
  // One card of the deal animation flying to a seat; `pass` is 1..5.
  virtual void DealCardTo(int seat, int pass) = 0;
  // The draw pile with the back chosen by the settings.
  virtual void ShowDrawPile(bool shown) = 0;
  // A card back shown over the draw pile and hidden again.
  virtual void ShowDrawAnimation() = 0;
  // Hides every card picture and label of the table.
  virtual void ClearTable() = 0;
  // Key letters "A".."I" under the user's occupied positions (or all empty).
  virtual void ShowHandKeyGuides(bool shown) = 0;

  // --- Turn, calls, labels, captions ------------------------------------------
  virtual void ShowArrow(int seat) = 0;
  virtual void ShowCallBanner() = 0;
  virtual void ShowCounterCallBanner() = 0;
  virtual void ShowLabel(TableLabel label, LabelWords words) = 0;
  virtual void HideLabel(TableLabel label) = 0;
  // The countdown label with `seconds` left. With `keep_prompt` a
  // further-discard prompt the label holds keeps its words.
  virtual void ShowCountdown(int seconds, bool keep_prompt) = 0;
  // The window title of a hand, marked in auto-play.
  virtual void ShowHandTitle(int hand_number, bool auto_play) = 0;
  // The program's plain title, between matches.
  virtual void ShowProgramTitle() = 0;
  // The four score labels from `Score`.
  virtual void ShowScores() = 0;
  virtual void ApplyLabelColours() = 0;
  // "手動" / "自動" menu items.
  virtual void EnablePlayModeMenu(bool enabled) = 0;
  virtual void CheckPlayMode(bool auto_play) = 0;

  // --- Sound -----------------------------------------------------------------
  virtual void PlaySound(Sound sound) = 0;
  virtual void StopMusic() = 0;
  // Restarts the music when the settings have music and sound on.
  virtual void RestartMusic() = 0;

  // --- Messages --------------------------------------------------------------
  // True for Yes.
  virtual bool Ask(Question question) = 0;
  virtual void Tell(Notice notice) = 0;
  // "Internal Error(#0n)." then the program ends; a view that returns (tests,
  // the runner) leaves the engine to stop its run.
  virtual void InternalError(int number) = 0;

  // --- Waits -----------------------------------------------------------------
  // Waits `tenths` tenths of a second (0: lets pending events run once).
  virtual void Pause(int tenths) = 0;
  // The pause between computer moves, in speed units (already 0 when skipped).
  virtual void SpeedPause(int units) = 0;
  // The claim window: waits `tenths` tenths of a second letting every event
  // run, so that a click on the discard pile or its key reaches ClaimCall.
  virtual void WaitForClaim(int tenths, ClaimWindow window) = 0;
  // The one-second tick of the user's time limit.
  virtual void StartTimer() = 0;
  virtual void StopTimer() = 0;

  // --- End of a hand -----------------------------------------------------------
  // The modal hand result window, showing the hand the engine has scored.
  virtual void ShowHandResult(const HandResultView& result) = 0;
  // The modal settlement window after the last hand of a match, showing the
  // match the engine has settled; returns the user's choice.
  virtual SettlementOutcome ShowSettlement(const SettlementView& settlement) = 0;
  // The match is over and the members change: shows the table empty, then
  // closes and reopens the member and dealer window.
  virtual void ShowMemberDecision() = 0;

  // --- Hints for the user ------------------------------------------------------
  // The user's pick was refused, and why. Views that show no hints ignore it.
  virtual void ShowRefusal(Refusal /*why*/) {}
  // The engine has finished a run of steps and waits for input: the view may
  // show what the user can do now.
  virtual void EngineSettled() {}
};

}  // namespace winpiruk
