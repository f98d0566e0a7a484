#pragma once
// What the table does when the user chooses a menu item, clicks a card or
// types a key, and the user's time limit, which waits while a window is
// open over the table.
#include "config/ProgramPaths.h"
#include "engine/Clock.h"
#include "engine/Random.h"
#include "gui/common/Language.h"
#include "gui/common/WindowRuns.h"
#include "state/GameState.h"

class QTimer;

namespace winpiruk {

class Engine;
class QtTableView;
class TableWindow;

class TableCommands {
 public:
  // Everything given outlives the commands. The time limit's timer is a
  // child of the window, named "timeLimitTimer".
  TableCommands(TableWindow& window, GameState& state, const ProgramPaths& paths, Engine& engine, QtTableView& view,
                RandomSource& random, const Clock& clock);
  ~TableCommands();
  TableCommands(const TableCommands&) = delete;
  TableCommands& operator=(const TableCommands&) = delete;

  // The menu commands. Those that open a window or may tell of a failed
  // write wait for it in a run of their own (see Awaiting.h) and return when
  // it first waits.
  void OnNewGame();
  void OnGameResult();
  // The statistics window with the parameter window of its first member over it.
  void OnPlayerParameters();
  void OnManualPlay();
  void OnAutoPlay();
  void OnQuit();
  void OnRules();
  void OnTextColours();
  void OnBackground();
  void OnSound();
  void OnCards();
  void OnOpenRuleSet();
  void OnSaveRuleSet();
  void OnMembers();
  void OnKeyGuides();
  void OnGrowTable();
  void OnMarkPlayable();
  void OnFourColourDeck();
  // The language of the next start, kept in the options file.
  void OnJapanese();
  void OnEnglish();
  void OnAnalyser();
  void OnHelpContents();
  void OnAbout();

  // A click on a table position: a card of the user's hand or a pile.
  void OnPositionClicked(int position);
  // The top seat's name opens the card settings too.
  void OnTopSeatName();
  // The key path shared by the keyboard and the time limit: a typed
  // character becomes a pick under the engine's conditions.
  bool TypeKey(char32_t ch);

  // Prepares the table for the match the seat fields describe and, when a
  // match is in progress, runs the turn handler, which deals the first hand.
  void PrepareMatch();
  // The match the state holds, taken up again where it was kept: the hand
  // as it stood, or the next one dealt.
  void ResumeMatch();
  // Opens the member and dealer window: for a new match, or (member_change)
  // after a settlement that changes the members. Waits for it inside the
  // caller's run; outside every run, in a run of its own.
  void OpenMemberDecision(bool member_change);

  // The user's time limit counts down one tick a second.
  void StartTimeLimit();
  void StopTimeLimit();
  // Any modal window over the table holds the time limit while it is open,
  // and lets a running count go on when it closes.
  void HoldTimeLimit();
  void ResumeTimeLimit();

 private:
  // The commands' bodies that run in runs of their own.
  void RunRules();
  void SwitchKeyGuides();
  void SwitchGrowTable();
  void SwitchMarkPlayable();
  void SwitchFourColourDeck();
  void ChooseLanguage(gui::Language language);
  // The table follows changed settings: colours, places, open cards, picture,
  // card backs and the play mode.
  void FollowSettings();
  // After a rule set has been loaded: the table and the music follow it.
  void RuleSetLoaded();
  // The back design differs from the one on the table: every back follows.
  void LoadCardBacks();
  // The play-mode checks and the title's auto-play mark follow AutoPlay.
  void ShowPlayMode();
  // Keeps the table options and lets the table follow them.
  void StoreTableOptions();
  // The pick a click stands for, taken by the engine or refused with a hint.
  void PickPosition(int position);
  // A claim of the call within the claim window; true when it was taken.
  bool ClaimCall();
  // A claim after the window of the card on the pile says it came late; true when it did.
  bool SayClaimCameLate();
  // The count stops; a further-discard prompt stays on the table without it.
  void DropCountdown();

  TableWindow& window_;
  GameState& state_;
  const ProgramPaths& paths_;
  Engine& engine_;
  QtTableView& view_;
  RandomSource& random_;
  const Clock& clock_;
  QTimer* time_limit_ = nullptr;
  bool time_limit_held_ = false;
  WindowRuns runs_;  // the commands waiting for their windows
};

}  // namespace winpiruk
