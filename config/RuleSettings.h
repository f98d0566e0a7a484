#pragma once
// The rules behind the rule settings window: what its lists hold, the copy
// of the rules it puts back on Cancel, how its number boxes and scroll bars
// map to the fields, the repair of bad values and which controls are usable.
#include <array>
#include <cstdint>
#include <string_view>

#include "state/GameState.h"
#include "state/Translation.h"

namespace winpiruk {

// The four card lists: the position is the stored rank (0 = none).
// Their words are translated where they are shown (context "RuleSettings").
inline constexpr std::array<std::string_view, 14> kCardChoices = {
    TrNoop("RuleSettings", "なし"), TrNoop("RuleSettings", "Ａ"),  TrNoop("RuleSettings", "２"),
    TrNoop("RuleSettings", "３"),   TrNoop("RuleSettings", "４"),  TrNoop("RuleSettings", "５"),
    TrNoop("RuleSettings", "６"),   TrNoop("RuleSettings", "７"),  TrNoop("RuleSettings", "８"),
    TrNoop("RuleSettings", "９"),   TrNoop("RuleSettings", "10"), TrNoop("RuleSettings", "Ｊ"),
    TrNoop("RuleSettings", "Ｑ"),   TrNoop("RuleSettings", "Ｋ")};
inline constexpr std::array<std::string_view, 4> kRestrictTimeChoices = {
    TrNoop("RuleSettings", "なし"), TrNoop("RuleSettings", "３秒"), TrNoop("RuleSettings", "６秒"),
    TrNoop("RuleSettings", "９秒")};
inline constexpr std::array<std::string_view, 5> kFinishMeansChoices = {
    TrNoop("RuleSettings", "通常形式"), TrNoop("RuleSettings", "'ｲﾆｼｬﾙ'なし"), TrNoop("RuleSettings", "'捨て上がり'有"),
    TrNoop("RuleSettings", "'捨て上がり'のみ"), TrNoop("RuleSettings", "'乗算'も認める")};
inline constexpr std::array<std::string_view, 5> kYakitoriChoices = {
    TrNoop("RuleSettings", "なし"), TrNoop("RuleSettings", "60点"), TrNoop("RuleSettings", "120点"),
    TrNoop("RuleSettings", "150点"), TrNoop("RuleSettings", "300点")};
inline constexpr std::array<std::string_view, 4> kGameSpeedChoices = {
    TrNoop("RuleSettings", "遅い"), TrNoop("RuleSettings", "標準"), TrNoop("RuleSettings", "速い"),
    TrNoop("RuleSettings", "高速")};

// The rule fields as they were when the window opened (and after each write
// it made). Besides the rules, it keeps what the initial-state button resets
// (colours, member group, key guide, auto-play and the call flags), so that
// Cancel after that button leaves nothing changed.
struct SavedRules {
  int16_t SkipCard = 0, PenaltyCard = 0, MoreDropCard = 0, InverseCard = 0, PenaltyLeaves = 0;
  int16_t SoundMode = 0, NumberOfGames = 0, HorizonCardPos = 0, VerticalCardPos = 0;
  int16_t AutoJudgment = 0, JudgmentWaitTime = 0, DoOtherTasks = 0, CardOpen = 0;
  int16_t MoreDropCardMode = 0, BonusSwitch = 0, ExtraCardEnable = 0, FinishMeans = 0;
  int16_t RestrictTime = 0, YakitoriMode = 0, PirukConfirm = 0, PirukGaeshi = 0;
  int16_t ManyCardBonus = 0, AceAliasJack = 0;

  TextColour PlayerNames, NumberOfCard, PlayerScore, Message_1, Message_2;
  int16_t MemberGroup = 0, KeyGuideDisplay = 0;
  int16_t AutoPlay = 0, CallWindowOpen = 0, UserClaimedCall = 0;
};

SavedRules TakeSavedRules(const GameState& state);
void RestoreSavedRules(const SavedRules& saved, GameState& state);

// A number box with its scroll bar. The scroll bars are vertical and run so
// that moving the thumb up raises the number: value = offset - position.
struct NumberBox {
  int16_t Settings::*field;
  int scroll_min;
  int scroll_max;
  int offset;
};

inline constexpr NumberBox kPenaltyLeavesBox{&Settings::PenaltyLeaves, 1, 5, 6};
inline constexpr NumberBox kNumberOfGamesBox{&Settings::NumberOfGames, 1, 10, 11};
inline constexpr NumberBox kJudgmentWaitTimeBox{&Settings::JudgmentWaitTime, -50, -5, 0};
inline constexpr NumberBox kHorizonCardPosBox{&Settings::HorizonCardPos, -999, 999, 0};
inline constexpr NumberBox kVerticalCardPosBox{&Settings::VerticalCardPos, -999, 999, 0};

// The scroll position that shows a value, held inside the bar's range.
int ScrollPosition(const NumberBox& box, int value);
int16_t ScrollValue(const NumberBox& box, int position);

// What a number box stores for the text typed into it: the numeric prefix,
// rounded as the settings file is read; a number beyond 16 bits is held at
// the nearest end of the range.
int16_t TypedNumber(std::string_view text);

// Opening: the draw count, the number of hands and the grace time are
// repaired when out of range.
void RepairOnOpening(Settings& settings);

// The positions selected in the lists; -1 where nothing is selected.
struct ListChoices {
  int SkipCard = -1, PenaltyCard = -1, InverseCard = -1, MoreDropCard = -1;
  int RestrictTime = -1, FinishMeans = -1, YakitoriMode = -1, GameSpeed = -1;
};

// Stores the list positions (the speed list only when `with_speed`) and then
// puts back the copy in `saved` for every field outside its range. A speed
// list with nothing selected leaves GameSpeed as it is.
void ConfirmRules(const ListChoices& lists, bool with_speed, const SavedRules& saved, Settings& settings);

// The initial-state button: the rules, the colours and the flags it resets.
// GameSpeed is not changed.
void ApplyInitialState(GameState& state);

// Which controls can be used.
struct RuleControlStates {
  bool draw_count_enabled = true;      // "ドロー枚数(&N)" with its box and bar
  bool discard_duty_enabled = true;    // "捨てる義務(&Z)"
  bool supplements_enabled = true;     // what a discard-finish-only game does without
  bool detection_enabled = true;       // the two detection option buttons
  bool auto_detection_on = true;       // "する(&W)" of the automatic detection selected
  bool wait_time_enabled = false;      // the grace time box, its bar and its label
  bool confirm_enabled = true;         // "確認(&B)"
  bool card_open_visible = true;       // "カードオープン(&Q)" and the "ルール原則" frame
};

// `penalty_choice` and `more_drop_choice` are the positions shown in the
// draw-card and throw-more lists (-1 for nothing selected).
RuleControlStates RuleControls(int penalty_choice, int more_drop_choice, int finish_choice, const Settings& settings);

}  // namespace winpiruk
