#include "gui/table/TableCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QTimer>

#include "config/SettingsStore.h"
#include "engine/Durations.h"
#include "engine/Engine.h"
#include "gui/appearance/BackgroundDialog.h"
#include "gui/appearance/CardBackDialog.h"
#include "gui/appearance/SoundDialog.h"
#include "gui/appearance/TextColoursDialog.h"
#include "gui/common/Awaiting.h"
#include "gui/common/Captions.h"
#include "gui/common/HelpKey.h"
#include "gui/common/HelpWindow.h"
#include "gui/common/Messages.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/members/GroupDialog.h"
#include "gui/members/SeatingDialog.h"
#include "gui/rules/OpenRuleSetDialog.h"
#include "gui/rules/RuleAnalyser.h"
#include "gui/rules/RulesDialog.h"
#include "gui/rules/SaveRuleSetDialog.h"
#include "gui/scoring/StatisticsDialog.h"
#include "gui/start/AboutDialog.h"
#include "gui/table/QtTableView.h"
#include "gui/table/TableWindow.h"
#include "sound/AudioModule.h"
#include "presentation/GameTexts.h"

namespace winpiruk {
namespace {

// The further-discard prompts ("もう一枚捨てて", "さらに捨てる？") are this long;
// a running count is written after them.
constexpr qsizetype kPromptLength = 7;

}  // namespace

TableCommands::TableCommands(TableWindow& window, GameState& state, const ProgramPaths& paths, Engine& engine,
                             QtTableView& view, RandomSource& random, const Clock& clock)
    : window_(window),
      state_(state),
      paths_(paths),
      engine_(engine),
      view_(view),
      random_(random),
      clock_(clock),
      time_limit_(new QTimer(&window)) {
  time_limit_->setObjectName(QStringLiteral("timeLimitTimer"));
  time_limit_->setInterval(kTimeLimitTickMs);
  // At the end of the time the limit types the pick for the user: a step that may wait.
  QObject::connect(time_limit_, &QTimer::timeout, &window, [this] { RunAwaiting([this] { engine_.TimerTick(); }); });
  // F1 at the table opens the help at its contents, as the help menu does.
  AddHelpKey(window, paths_.program_directory);
}

// The timer is the window's child so that it can be found by name; it goes
// with the commands it calls. A command still waiting for its window is
// stopped first, while the window stands.
TableCommands::~TableCommands() {
  runs_.StopAll();
  delete time_limit_;
}

void TableCommands::OnNewGame() {
  RunAwaiting([this] {
    if (engine_.NewGame() != NewGameStep::OpenMemberDecision) return;
    view_.ClearTable();
    if (!state_.match.MatchInProgress) window_.setWindowTitle(ProgramTitle());
    OpenMemberDecision(false);
  });
}

void TableCommands::OpenMemberDecision(bool member_change) {
  // The window is waited for inside a run: the caller's, or one of its own.
  if (SuspendableRun::Current() == nullptr) {
    runs_.Start([this, member_change] { OpenMemberDecision(member_change); });
    return;
  }
  time_limit_->stop();
  switch (RunMemberDecision(&window_, state_, paths_, member_change, random_, clock_)) {
    case SeatingDialogOutcome::Started:
      window_.activateWindow();
      PrepareMatch();
      break;
    case SeatingDialogOutcome::Cancelled:
      break;
    case SeatingDialogOutcome::Quit:
      window_.EndProgram();
      break;
  }
}

void TableCommands::PrepareMatch() {
  window_.CheckPlayModeMenu(state_.table.AutoPlay);
  window_.menus().keyGuidesAction->setChecked(state_.settings.KeyGuideDisplay == 1);
  view_.ClearTable();
  view_.ApplyLabelColours();
  view_.ShowSeatLabels();
  if (!state_.match.MatchInProgress) return;
  // The first hand is dealt once the window is on screen and whatever
  // opened the match has returned.
  QTimer::singleShot(0, &window_, [this] {
    if (!state_.match.MatchInProgress || state_.table.EngineRunning || state_.table.HandPhase != kHandNotDealt) return;
    RunAwaiting([this] { engine_.PlayTurn(); });
  });
}

void TableCommands::ResumeMatch() {
  if (state_.table.HandPhase == kHandNotDealt) {
    PrepareMatch();
    return;
  }
  window_.CheckPlayModeMenu(state_.table.AutoPlay);
  window_.menus().keyGuidesAction->setChecked(state_.settings.KeyGuideDisplay == 1);
  view_.ClearTable();
  view_.ApplyLabelColours();
  view_.ShowSeatLabels();
  view_.ShowTableAsItStands();
  // Kept while the user was to move: the move is the user's again, in full time.
  if (state_.table.AwaitingUser && !state_.table.AutoPlay) engine_.StartTimeLimit();
}

void TableCommands::OnGameResult() {
  runs_.Start([this] { OpenGameResult(&window_, state_, paths_, GameResultOpening::Record); });
}

void TableCommands::OnPlayerParameters() {
  runs_.Start([this] { OpenGameResult(&window_, state_, paths_, GameResultOpening::Parameters); });
}

void TableCommands::OnAutoPlay() {
  engine_.ChooseAutoPlay();
  view_.CheckPlayMode(state_.table.AutoPlay);
}

void TableCommands::OnManualPlay() {
  engine_.ChooseManualPlay();
  view_.CheckPlayMode(state_.table.AutoPlay);
}

// The records are written first: a failure is told before the program ends.
void TableCommands::OnQuit() {
  runs_.Start([this] { window_.EndProgram(); });
}

void TableCommands::OnRules() {
  runs_.Start([this] { RunRules(); });
}

void TableCommands::RunRules() {
  const bool users_turn = state_.table.AwaitingUser && state_.table.HandPhase != kHandNotDealt;
  const int16_t restrict_before = state_.settings.RestrictTime;
  const bool counting = time_limit_->isActive();
  time_limit_->stop();
  RuleWindowHooks hooks;
  hooks.table_size = [this] { return window_.table()->size(); };
  hooks.rule_set_loaded = [this] { RuleSetLoaded(); };
  const RuleWindowResult result = OpenRuleSettings(&window_, state_, paths_, hooks);
  FollowSettings();
  if (result.restrict_time_set) {
    // A limit switched on during the user's turn starts in full; one that
    // was running goes on from where it stood.
    if (counting) {
      time_limit_->start();
    } else if (users_turn && restrict_before == 0 && !state_.table.EngineRunning) {
      engine_.StartTimeLimit();
    }
  } else if (counting) {
    DropCountdown();
  }
}

void TableCommands::DropCountdown() {
  TableText* prompt = view_.widgets().promptLabel;
  const QString shown = prompt->text();
  if (shown.size() >= kPromptLength) {
    prompt->ShowText(shown.left(kPromptLength));
  } else {
    view_.HideLabel(TableLabel::Countdown);
  }
}

void TableCommands::OnTextColours() {
  runs_.Start([this] {
    if (OpenTextColourSettings(&window_, state_, paths_)) view_.ApplyLabelColours();
  });
}

void TableCommands::OnBackground() {
  runs_.Start([this] {
    OpenBackgroundSettings(&window_, state_, paths_, [this] {
      if (state_.settings.GameWallPaper.empty()) {
        window_.ClearPictureSource();
        return true;
      }
      return window_.LoadPictureSource(QString::fromStdString(state_.settings.GameWallPaper));
    });
  });
}

void TableCommands::OnSound() {
  runs_.Start([this] {
    OpenSoundSettings(&window_, state_, paths_, window_.music());
    // The volumes stay as the window left them, whichever way it closed.
    TableOptions& options = window_.table_options();
    if (options.volumes == CurrentSoundVolumes()) return;
    options.volumes = CurrentSoundVolumes();
    StoreTableOptions();
  });
}

void TableCommands::OnCards() {
  runs_.Start([this] {
    if (OpenCardSettings(&window_, state_, paths_) && state_.table.HandPhase != kHandNotDealt) {
      for (int seat = 0; seat < kSeats; ++seat) view_.ShowHand(seat);
    }
    LoadCardBacks();
  });
}

void TableCommands::OnTopSeatName() {
  // The card settings without redrawing the hands; the backs still change,
  // so that no old back lies beside new ones.
  OpenCardSettings(&window_, state_, paths_);
  LoadCardBacks();
}

void TableCommands::OnOpenRuleSet() {
  runs_.Start([this] {
    if (!OpenRuleSetFile(&window_, state_, [this] { RuleSetLoaded(); })) return;
    QtSettingsHost host(&window_);
    WriteSettingsWithBounds(state_, paths_, host, window_.LiveBounds());
    if (state_.match.MatchInProgress) FollowSettings();
  });
}

void TableCommands::OnSaveRuleSet() {
  runs_.Start([this] { SaveRuleSetFile(&window_, state_); });
}

void TableCommands::OnMembers() {
  runs_.Start([this] { OpenGroupWindow(&window_, state_, paths_); });
}

// The switches below write their choice at once; a failed write is told in
// a run of its own.
void TableCommands::OnKeyGuides() {
  runs_.Start([this] { SwitchKeyGuides(); });
}

void TableCommands::SwitchKeyGuides() {
  state_.settings.KeyGuideDisplay = static_cast<int16_t>(1 - state_.settings.KeyGuideDisplay);
  window_.menus().keyGuidesAction->setChecked(state_.settings.KeyGuideDisplay == 1);
  // The user's row moves with the guides; the letters follow the hand.
  window_.LayOutTable();
  // Between hands the table is empty and stays so.
  if (state_.table.HandPhase != kHandNotDealt) view_.ShowHand(0);
  view_.RefreshPileGuides();
  QtSettingsHost host(&window_);
  WriteSettings(state_, paths_, host);
}

void TableCommands::OnGrowTable() {
  runs_.Start([this] { SwitchGrowTable(); });
}

void TableCommands::SwitchGrowTable() {
  TableOptions& options = window_.table_options();
  options.grow_with_window = !options.grow_with_window;
  window_.menus().growTableAction->setChecked(options.grow_with_window);
  window_.LayOutTable();
  StoreTableOptions();
}

void TableCommands::OnMarkPlayable() {
  runs_.Start([this] { SwitchMarkPlayable(); });
}

void TableCommands::SwitchMarkPlayable() {
  TableOptions& options = window_.table_options();
  options.mark_playable_cards = !options.mark_playable_cards;
  window_.menus().markPlayableAction->setChecked(options.mark_playable_cards);
  view_.hints().RefreshMarks();
  StoreTableOptions();
}

void TableCommands::OnFourColourDeck() {
  runs_.Start([this] { SwitchFourColourDeck(); });
}

void TableCommands::SwitchFourColourDeck() {
  TableOptions& options = window_.table_options();
  options.four_colour_deck = !options.four_colour_deck;
  window_.menus().fourColourDeckAction->setChecked(options.four_colour_deck);
  state_.window.FourColourDeck = options.four_colour_deck;
  window_.pictures().SetDeckColours(DeckColoursOf(state_.window));
  view_.RedrawPictures();
  StoreTableOptions();
}

void TableCommands::OnJapanese() {
  runs_.Start([this] { ChooseLanguage(gui::Language::Japanese); });
}

void TableCommands::OnEnglish() {
  runs_.Start([this] { ChooseLanguage(gui::Language::English); });
}

void TableCommands::ChooseLanguage(gui::Language language) {
  window_.CheckLanguageMenu(language);
  const QString options_file = TableOptionsFile(QString::fromStdString(paths_.config_directory));
  if (gui::StoredLanguage(options_file) == language) return;
  if (!gui::StoreLanguage(options_file, language)) {
    ShowWriteFailure(&window_);
    return;
  }
  // Every window takes its texts as it is built, so the table changes
  // language with the next start. The news is given in the chosen language too.
  QString text = QCoreApplication::translate("TableCommands", "表示する言語は、次に起動したときから切り替わります.");
  if (language != gui::CurrentLanguage()) {
    text += language == gui::Language::English ? QStringLiteral("\n\nThe game speaks English from its next start.")
                                               : QStringLiteral("\n\n次に起動したときから日本語で表示します.");
  }
  ShowMessage(&window_, ProgramTitle(), text, QMessageBox::Information);
}

void TableCommands::OnAnalyser() {
  runs_.Start([this] {
    // The user's time limit waits while the analyser is open.
    const bool counting = time_limit_->isActive();
    time_limit_->stop();
    OpenRuleAnalyser(&window_, state_, state_.settings, state_.settings);
    if (counting) time_limit_->start();
  });
}

void TableCommands::OnHelpContents() {
  runs_.Start([this] { ShowHelpContents(&window_, paths_.program_directory); });
}

void TableCommands::OnAbout() {
  runs_.Start([this] {
    AboutDialog about(&window_);
    AwaitDialog(about);
  });
}

void TableCommands::StoreTableOptions() {
  // A file that cannot be written keeps the choice for this run only.
  if (!SaveTableOptions(TableOptionsFile(QString::fromStdString(paths_.config_directory)), window_.table_options())) {
    ShowWriteFailure(&window_);
  }
}

void TableCommands::OnPositionClicked(int position) {
  if (view_.waits().HoldInput([this, position] { OnPositionClicked(position); })) return;
  RunAwaiting([this, position] { PickPosition(position); });
}

void TableCommands::PickPosition(int position) {
  bool taken = true;
  if (position >= 1 && position <= 9) {
    taken = engine_.ClickHandCard(position);
  } else if (position == kPosDrawPile) {
    taken = engine_.ClickDrawPile();
  } else if (position == kPosDiscardPile) {
    if (ClaimCall()) return;
    // Outside a pick a click on the pile is explained only as a late claim.
    if (!engine_.ClickDiscardPile()) SayClaimCameLate();
  } else if (position == kPosSecondCard) {
    taken = engine_.ClickSecondCard();
  }
  if (!taken) view_.hints().ClickNotTaken(position == kPosDrawPile ? int{kPickDrawPile} : position);
}

bool TableCommands::TypeKey(char32_t ch) {
  if (view_.waits().HoldInput([this, ch] { TypeKey(ch); })) return false;
  const int16_t pick = KeyPick(ch);
  // The discard pile's key claims the call as a click on the pile does.
  if (pick == kPickDiscardPile && ClaimCall()) return true;
  if (engine_.TakesKey(ch)) {
    RunAwaiting([this, ch] { engine_.TypeKey(ch); });
    return true;
  }
  // A pick key the table could not take says why, as a click does.
  const bool late_claim = pick == kPickDiscardPile && SayClaimCameLate();
  if (!late_claim && pick != kPickNone) view_.hints().ClickNotTaken(pick);
  return false;
}

bool TableCommands::SayClaimCameLate() {
  if (!view_.ClaimCameLate()) return false;
  view_.hints().ShowRefusal(Refusal::ClaimTooLate);
  return true;
}

bool TableCommands::ClaimCall() {
  if (!engine_.ClaimCall()) return false;
  view_.CallClaimed();
  return true;
}

void TableCommands::FollowSettings() {
  window_.menus().keyGuidesAction->setChecked(state_.settings.KeyGuideDisplay == 1);
  ShowPlayMode();
  view_.ApplyLabelColours();
  window_.LayOutTable();
  // The rows follow the card positions and the open-card rule at once.
  if (state_.table.HandPhase != kHandNotDealt) {
    for (int seat = 0; seat < kSeats; ++seat) view_.ShowHand(seat);
  }
  // A rule set may name another background; the one on show is not read again.
  const QString wallpaper = QString::fromStdString(state_.settings.GameWallPaper);
  if (!wallpaper.isEmpty() && wallpaper != window_.PictureSourcePath()) window_.LoadPictureSource(wallpaper);
  window_.table()->update();
  LoadCardBacks();
}

void TableCommands::ShowPlayMode() {
  // The rule window's initial state, for one, ends auto-play.
  const bool auto_play = state_.table.AutoPlay;
  view_.CheckPlayMode(auto_play);
  window_.setWindowTitle(QString::fromStdString(TitleForPlayMode(window_.windowTitle().toStdString(), auto_play)));
}

void TableCommands::RuleSetLoaded() {
  FollowSettings();
  window_.music().FollowRuleSet(&window_);
}

void TableCommands::LoadCardBacks() {
  if (state_.window.CardBackShown != state_.settings.CardKind) view_.ShowCardBacks();
}

void TableCommands::StartTimeLimit() { time_limit_->start(); }

void TableCommands::StopTimeLimit() { time_limit_->stop(); }

void TableCommands::HoldTimeLimit() {
  if (!time_limit_->isActive()) return;
  time_limit_->stop();
  time_limit_held_ = true;
}

void TableCommands::ResumeTimeLimit() {
  // Only a count that was running goes on: restarted during the computer
  // seats' moves it would count down on their turn.
  if (!time_limit_held_) return;
  time_limit_held_ = false;
  if (state_.settings.RestrictTime != 0 && state_.table.AwaitingUser) time_limit_->start();
}

}  // namespace winpiruk
