#include "config/RuleSettings.h"

#include <algorithm>
#include <cmath>

#include "config/NumberText.h"
#include "state/RuleLimits.h"

namespace winpiruk {
namespace {

// The fields the copy shares with the record, in one list for both ways.
struct RuleField {
  int16_t SavedRules::*saved;
  int16_t Settings::*settings;
};

constexpr RuleField kRuleFields[] = {
    {&SavedRules::SkipCard, &Settings::SkipCard},
    {&SavedRules::PenaltyCard, &Settings::PenaltyCard},
    {&SavedRules::MoreDropCard, &Settings::MoreDropCard},
    {&SavedRules::InverseCard, &Settings::InverseCard},
    {&SavedRules::PenaltyLeaves, &Settings::PenaltyLeaves},
    {&SavedRules::SoundMode, &Settings::SoundMode},
    {&SavedRules::NumberOfGames, &Settings::NumberOfGames},
    {&SavedRules::HorizonCardPos, &Settings::HorizonCardPos},
    {&SavedRules::VerticalCardPos, &Settings::VerticalCardPos},
    {&SavedRules::AutoJudgment, &Settings::AutoJudgment},
    {&SavedRules::JudgmentWaitTime, &Settings::JudgmentWaitTime},
    {&SavedRules::DoOtherTasks, &Settings::DoOtherTasks},
    {&SavedRules::CardOpen, &Settings::CardOpen},
    {&SavedRules::MoreDropCardMode, &Settings::MoreDropCardMode},
    {&SavedRules::BonusSwitch, &Settings::BonusSwitch},
    {&SavedRules::ExtraCardEnable, &Settings::ExtraCardEnable},
    {&SavedRules::FinishMeans, &Settings::FinishMeans},
    {&SavedRules::RestrictTime, &Settings::RestrictTime},
    {&SavedRules::YakitoriMode, &Settings::YakitoriMode},
    {&SavedRules::PirukConfirm, &Settings::PirukConfirm},
    {&SavedRules::PirukGaeshi, &Settings::PirukGaeshi},
    {&SavedRules::ManyCardBonus, &Settings::ManyCardBonus},
    {&SavedRules::AceAliasJack, &Settings::AceAliasJack},
    {&SavedRules::MemberGroup, &Settings::MemberGroup},
    {&SavedRules::KeyGuideDisplay, &Settings::KeyGuideDisplay},
};

struct ColourField {
  TextColour SavedRules::*saved;
  TextColour Settings::*settings;
};

constexpr ColourField kColourFields[] = {
    {&SavedRules::PlayerNames, &Settings::PlayerNames}, {&SavedRules::NumberOfCard, &Settings::NumberOfCard},
    {&SavedRules::PlayerScore, &Settings::PlayerScore}, {&SavedRules::Message_1, &Settings::Message_1},
    {&SavedRules::Message_2, &Settings::Message_2},
};

// A list position outside the range keeps the saved value.
int16_t Confirmed(int chosen, const RuleRange& range, int16_t saved) {
  return range.Holds(chosen) ? static_cast<int16_t>(chosen) : saved;
}

}  // namespace

SavedRules TakeSavedRules(const GameState& state) {
  SavedRules saved;
  for (const RuleField& f : kRuleFields) saved.*f.saved = state.settings.*f.settings;
  for (const ColourField& f : kColourFields) saved.*f.saved = state.settings.*f.settings;
  saved.AutoPlay = state.table.AutoPlay;
  saved.CallWindowOpen = state.table.CallWindowOpen;
  saved.UserClaimedCall = state.table.UserClaimedCall;
  return saved;
}

void RestoreSavedRules(const SavedRules& saved, GameState& state) {
  for (const RuleField& f : kRuleFields) state.settings.*f.settings = saved.*f.saved;
  for (const ColourField& f : kColourFields) state.settings.*f.settings = saved.*f.saved;
  state.table.AutoPlay = saved.AutoPlay;
  state.table.CallWindowOpen = saved.CallWindowOpen;
  state.table.UserClaimedCall = saved.UserClaimedCall;
}

int ScrollPosition(const NumberBox& box, int value) {
  return std::clamp(box.offset - value, box.scroll_min, box.scroll_max);
}

int16_t ScrollValue(const NumberBox& box, int position) {
  return SaturateInt16(static_cast<long long>(box.offset) - std::clamp(position, box.scroll_min, box.scroll_max));
}

int16_t TypedNumber(std::string_view text) {
  const double value = NumericPrefix(text);
  if (std::isnan(value)) return 0;
  if (const std::optional<int16_t> fits = RoundToInt16(value)) return *fits;
  return value < 0 ? INT16_MIN : INT16_MAX;
}

void RepairOnOpening(Settings& s) {
  s.PenaltyLeaves = static_cast<int16_t>(PenaltyLeavesInUse(s));
  s.NumberOfGames = static_cast<int16_t>(NumberOfGamesInUse(s));
  s.JudgmentWaitTime = static_cast<int16_t>(JudgmentWaitTimeInUse(s));
}

void ConfirmRules(const ListChoices& lists, bool with_speed, const SavedRules& saved, Settings& s) {
  s.SkipCard = Confirmed(lists.SkipCard, kCardRankRange, saved.SkipCard);
  s.PenaltyCard = Confirmed(lists.PenaltyCard, kCardRankRange, saved.PenaltyCard);
  s.InverseCard = Confirmed(lists.InverseCard, kCardRankRange, saved.InverseCard);
  s.MoreDropCard = Confirmed(lists.MoreDropCard, kCardRankRange, saved.MoreDropCard);
  s.RestrictTime = Confirmed(lists.RestrictTime, kRestrictTimeRange, saved.RestrictTime);
  s.FinishMeans = Confirmed(lists.FinishMeans, kFinishMeansRange, saved.FinishMeans);
  s.YakitoriMode = Confirmed(lists.YakitoriMode, kYakitoriModeRange, saved.YakitoriMode);
  if (with_speed) s.GameSpeed = Confirmed(lists.GameSpeed, kGameSpeedRange, s.GameSpeed);
  if (!kPenaltyLeavesRange.Holds(s.PenaltyLeaves)) s.PenaltyLeaves = saved.PenaltyLeaves;
  if (!kNumberOfGamesRange.Holds(s.NumberOfGames)) s.NumberOfGames = saved.NumberOfGames;
  if (!kJudgmentWaitTimeRange.Holds(s.JudgmentWaitTime)) s.JudgmentWaitTime = saved.JudgmentWaitTime;
}

void ApplyInitialState(GameState& state) {
  const Settings defaults;
  Settings& s = state.settings;
  s.SkipCard = 1;
  s.PenaltyCard = 2;
  s.MoreDropCard = 8;
  s.InverseCard = 9;
  s.PenaltyLeaves = 2;
  s.NumberOfGames = 8;
  s.SoundMode = 0;
  s.VerticalCardPos = 0;
  s.HorizonCardPos = 0;
  state.table.AutoPlay = false;
  s.MemberGroup = 1;
  s.KeyGuideDisplay = 0;
  state.table.CallWindowOpen = false;
  state.table.UserClaimedCall = false;
  s.AutoJudgment = 1;
  s.MoreDropCardMode = 1;
  s.BonusSwitch = 1;
  // Unlike a missing settings file, the initial state plays with the extra number.
  s.ExtraCardEnable = 1;
  s.PirukGaeshi = 1;
  s.JudgmentWaitTime = 8;
  s.DoOtherTasks = 0;
  s.CardOpen = 0;
  s.FinishMeans = 0;
  s.RestrictTime = 0;
  s.YakitoriMode = 0;
  s.PirukConfirm = 0;
  s.ManyCardBonus = 0;
  s.AceAliasJack = 0;
  for (const ColourField& f : kColourFields) s.*f.settings = defaults.*f.settings;
}

RuleControlStates RuleControls(int penalty_choice, int more_drop_choice, int finish_choice, const Settings& s) {
  RuleControlStates c;
  c.draw_count_enabled = penalty_choice != 0;
  c.discard_duty_enabled = more_drop_choice != 0;
  c.card_open_visible = s.CardOpenSwitchVisible != 0;
  c.auto_detection_on = s.AutoJudgment != 0;
  if (finish_choice == kFinishDiscardOnly) {
    c.supplements_enabled = false;
    c.detection_enabled = false;
    c.wait_time_enabled = false;
    c.confirm_enabled = false;
    return c;
  }
  c.wait_time_enabled = !c.auto_detection_on;
  c.confirm_enabled = c.auto_detection_on;
  return c;
}

}  // namespace winpiruk
