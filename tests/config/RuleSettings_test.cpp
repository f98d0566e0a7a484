#include "config/RuleSettings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/Rows.h"

namespace winpiruk {
namespace {

TEST(RuleSettings, CancelPutsBackEveryRuleAndWhatTheInitialStateResets) {
  GameState state;
  Settings& s = state.settings;
  s.SkipCard = 5;
  s.SoundMode = 1;
  s.JudgmentWaitTime = 30;
  s.ExtraCardEnable = 0;
  s.PlayerScore = {1, 123};
  s.MemberGroup = 4;
  s.KeyGuideDisplay = 1;
  s.GameSpeed = 2;
  state.table.AutoPlay = true;
  const GameState before = state;
  const SavedRules saved = TakeSavedRules(state);

  ApplyInitialState(state);
  s.HorizonCardPos = -40;
  s.AceAliasJack = 1;
  EXPECT_EQ(s.SkipCard, 1);
  EXPECT_EQ(s.ExtraCardEnable, 1);
  EXPECT_EQ(s.PlayerScore.colour, 65535);
  EXPECT_EQ(s.MemberGroup, 1);
  EXPECT_FALSE(state.table.AutoPlay);
  EXPECT_EQ(s.GameSpeed, 2) << "the initial state keeps the pace";

  RestoreSavedRules(saved, state);
  EXPECT_EQ(s.SkipCard, before.settings.SkipCard);
  EXPECT_EQ(s.SoundMode, 1);
  EXPECT_EQ(s.JudgmentWaitTime, 30);
  EXPECT_EQ(s.ExtraCardEnable, 0);
  EXPECT_EQ(s.HorizonCardPos, 0);
  EXPECT_EQ(s.AceAliasJack, 0);
  EXPECT_EQ(s.PlayerScore.background, 1);
  EXPECT_EQ(s.PlayerScore.colour, 123);
  EXPECT_EQ(s.MemberGroup, 4);
  EXPECT_EQ(s.KeyGuideDisplay, 1);
  EXPECT_TRUE(state.table.AutoPlay);
}

TEST(RuleSettings, ScrollBarsRaiseTheNumberUpwardsAndStayInTheirRange) {
  struct Case {
    NumberBox box;
    int value;
    int position;
  };
  const Case cases[] = {
      {kPenaltyLeavesBox, 5, 1},   {kPenaltyLeavesBox, 1, 5},     {kPenaltyLeavesBox, 9, 1},
      {kNumberOfGamesBox, 8, 3},   {kNumberOfGamesBox, 10, 1},    {kJudgmentWaitTimeBox, 8, -8},
      {kJudgmentWaitTimeBox, 3, -5}, {kHorizonCardPosBox, -12, 12}, {kVerticalCardPosBox, 2000, -999},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    EXPECT_EQ(ScrollPosition(c.box, c.value), c.position) << c.value;
    EXPECT_EQ(ScrollValue(c.box, c.position), std::clamp(c.value, c.box.offset - c.box.scroll_max,
                                                         c.box.offset - c.box.scroll_min));
  }
}

TEST(RuleSettings, TypedNumbersAreReadAsTheFileReadsThemAndHeldToSixteenBits) {
  struct Case {
    const char* text;
    int16_t value;
  };
  const Case cases[] = {{" 9", 9},         {"2.5", 2},          {"3.5abc", 4},   {"", 0},
                        {"abc", 0},        {"-12", -12},        {"99999", 32767}, {"-70000", -32768},
                        {"1e400", 32767},  {"&HFF", 255},       {"32767.5", 32767}};
  for (const Case& c : cases) EXPECT_EQ(TypedNumber(c.text), c.value) << c.text;
}

TEST(RuleSettings, OpeningRepairsTheCountsAndTheGraceTime) {
  struct Case {
    int16_t leaves, games, wait;
    int16_t want_leaves, want_games, want_wait;
  };
  const Case cases[] = {{3, 5, 20, 3, 5, 20},    {0, 11, 3, 2, 8, 10},  {6, 0, 51, 2, 8, 10},
                        {-1, -1, -1, 2, 8, 10}, {5, 10, 50, 5, 10, 50}, {1, 1, 5, 1, 1, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    Settings s;
    s.PenaltyLeaves = c.leaves;
    s.NumberOfGames = c.games;
    s.JudgmentWaitTime = c.wait;
    RepairOnOpening(s);
    EXPECT_EQ(s.PenaltyLeaves, c.want_leaves);
    EXPECT_EQ(s.NumberOfGames, c.want_games);
    EXPECT_EQ(s.JudgmentWaitTime, c.want_wait);
  }
}

TEST(RuleSettings, ConfirmKeepsTheSavedValueForAnythingOutOfRange) {
  GameState state;
  Settings& s = state.settings;
  s.SkipCard = 4;
  s.PenaltyLeaves = 3;
  s.NumberOfGames = 6;
  s.JudgmentWaitTime = 12;
  s.FinishMeans = 2;
  s.GameSpeed = 1;
  const SavedRules saved = TakeSavedRules(state);

  // Typed into the boxes after opening.
  s.PenaltyLeaves = 9;
  s.NumberOfGames = 0;
  s.JudgmentWaitTime = 51;
  ListChoices lists;
  lists.SkipCard = -1;
  lists.PenaltyCard = 0;
  lists.InverseCard = 13;
  lists.MoreDropCard = 14;
  lists.RestrictTime = 3;
  lists.FinishMeans = -1;
  lists.YakitoriMode = 4;
  lists.GameSpeed = -1;
  ConfirmRules(lists, true, saved, s);
  EXPECT_EQ(s.SkipCard, 4);
  EXPECT_EQ(s.PenaltyCard, 0);
  EXPECT_EQ(s.InverseCard, 13);
  EXPECT_EQ(s.MoreDropCard, saved.MoreDropCard);
  EXPECT_EQ(s.RestrictTime, 3);
  EXPECT_EQ(s.FinishMeans, 2);
  EXPECT_EQ(s.YakitoriMode, 4);
  EXPECT_EQ(s.GameSpeed, 1);
  EXPECT_EQ(s.PenaltyLeaves, 3);
  EXPECT_EQ(s.NumberOfGames, 6);
  EXPECT_EQ(s.JudgmentWaitTime, 12);

  lists.GameSpeed = 3;
  ConfirmRules(lists, false, saved, s);
  EXPECT_EQ(s.GameSpeed, 1) << "the save button leaves the speed list alone";
  ConfirmRules(lists, true, saved, s);
  EXPECT_EQ(s.GameSpeed, 3);
}

TEST(RuleSettings, ConfirmTakesTheEndsOfEachRange) {
  struct Case {
    int16_t leaves, games, wait;
  };
  const Case cases[] = {{5, 10, 50}, {1, 1, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    GameState state;
    Settings& s = state.settings;
    s.PenaltyLeaves = 3;
    s.NumberOfGames = 6;
    s.JudgmentWaitTime = 12;
    const SavedRules saved = TakeSavedRules(state);
    s.PenaltyLeaves = c.leaves;
    s.NumberOfGames = c.games;
    s.JudgmentWaitTime = c.wait;
    ListChoices lists;
    ConfirmRules(lists, true, saved, s);
    EXPECT_EQ(s.PenaltyLeaves, c.leaves);
    EXPECT_EQ(s.NumberOfGames, c.games);
    EXPECT_EQ(s.JudgmentWaitTime, c.wait);
  }
}

TEST(RuleSettings, EachCardListOutOfRangeFallsBackToItsOwnSavedValue) {
  struct List {
    const char* name;
    int ListChoices::*choice;
    int16_t Settings::*field;
  };
  const List lists[] = {
      {"skip", &ListChoices::SkipCard, &Settings::SkipCard},
      {"penalty", &ListChoices::PenaltyCard, &Settings::PenaltyCard},
      {"inverse", &ListChoices::InverseCard, &Settings::InverseCard},
      {"throw more", &ListChoices::MoreDropCard, &Settings::MoreDropCard},
  };
  for (const List& out : lists) {
    for (const int bad : {-1, 14}) {
      SCOPED_TRACE(testing::Message() << out.name << " list at " << bad);
      GameState state;
      Settings& s = state.settings;
      s.SkipCard = 3;
      s.PenaltyCard = 5;
      s.InverseCard = 7;
      s.MoreDropCard = 11;
      const SavedRules saved = TakeSavedRules(state);
      const Settings before = s;
      ListChoices choices;
      choices.SkipCard = 1;
      choices.PenaltyCard = 2;
      choices.InverseCard = 9;
      choices.MoreDropCard = 8;
      choices.*out.choice = bad;
      ConfirmRules(choices, false, saved, s);
      for (const List& list : lists) {
        const int16_t want = &list == &out ? before.*list.field : static_cast<int16_t>(choices.*list.choice);
        EXPECT_EQ(s.*list.field, want) << list.name;
      }
    }
  }
}

// Every value the initial-state button sets, each from a value it is not.
TEST(RuleSettings, InitialStateSetsEveryRuleFlagAndColour) {
  struct Field {
    const char* name;
    int16_t Settings::*field;
    int16_t initial;
  };
  const Field fields[] = {
      {"SkipCard", &Settings::SkipCard, 1},
      {"PenaltyCard", &Settings::PenaltyCard, 2},
      {"MoreDropCard", &Settings::MoreDropCard, 8},
      {"InverseCard", &Settings::InverseCard, 9},
      {"PenaltyLeaves", &Settings::PenaltyLeaves, 2},
      {"NumberOfGames", &Settings::NumberOfGames, 8},
      {"SoundMode", &Settings::SoundMode, 0},
      {"VerticalCardPos", &Settings::VerticalCardPos, 0},
      {"HorizonCardPos", &Settings::HorizonCardPos, 0},
      {"MemberGroup", &Settings::MemberGroup, 1},
      {"KeyGuideDisplay", &Settings::KeyGuideDisplay, 0},
      {"AutoJudgment", &Settings::AutoJudgment, 1},
      {"MoreDropCardMode", &Settings::MoreDropCardMode, 1},
      {"BonusSwitch", &Settings::BonusSwitch, 1},
      {"ExtraCardEnable", &Settings::ExtraCardEnable, 1},
      {"PirukGaeshi", &Settings::PirukGaeshi, 1},
      {"JudgmentWaitTime", &Settings::JudgmentWaitTime, 8},
      {"DoOtherTasks", &Settings::DoOtherTasks, 0},
      {"CardOpen", &Settings::CardOpen, 0},
      {"FinishMeans", &Settings::FinishMeans, 0},
      {"RestrictTime", &Settings::RestrictTime, 0},
      {"YakitoriMode", &Settings::YakitoriMode, 0},
      {"PirukConfirm", &Settings::PirukConfirm, 0},
      {"ManyCardBonus", &Settings::ManyCardBonus, 0},
      {"AceAliasJack", &Settings::AceAliasJack, 0},
  };
  struct Colour {
    const char* name;
    TextColour Settings::*field;
    int32_t colour;
  };
  const Colour colours[] = {
      {"PlayerNames", &Settings::PlayerNames, 16777215}, {"NumberOfCard", &Settings::NumberOfCard, 16777088},
      {"PlayerScore", &Settings::PlayerScore, 65535},     {"Message_1", &Settings::Message_1, 255},
      {"Message_2", &Settings::Message_2, 16777215},
  };
  GameState state;
  Settings& s = state.settings;
  for (const Field& f : fields) s.*f.field = static_cast<int16_t>(f.initial + 3);
  for (const Colour& c : colours) s.*c.field = TextColour{1, 4242};
  s.GameSpeed = 2;
  s.CardOpenSwitchVisible = 0;
  state.table.AutoPlay = true;
  state.table.CallWindowOpen = true;
  state.table.UserClaimedCall = true;

  ApplyInitialState(state);
  for (const Field& f : fields) EXPECT_EQ(s.*f.field, f.initial) << f.name;
  for (const Colour& c : colours) {
    EXPECT_EQ((s.*c.field).colour, c.colour) << c.name;
    // NumberOfCard has no background flag of its own: it keeps what it had.
    if (c.field != &Settings::NumberOfCard) {
      EXPECT_EQ((s.*c.field).background, 0) << c.name;
    }
  }
  EXPECT_FALSE(state.table.AutoPlay);
  EXPECT_FALSE(state.table.CallWindowOpen);
  EXPECT_FALSE(state.table.UserClaimedCall);
  EXPECT_EQ(s.GameSpeed, 2) << "the initial state keeps the pace";
  EXPECT_EQ(s.CardOpenSwitchVisible, 0) << "only shown by its rule";
}

TEST(RuleSettings, EnablingRules) {
  struct Case {
    int penalty, more_drop, finish, auto_judgment, switch_visible;
    bool draw_count, duty, supplements, detection, auto_on, wait_time, confirm, card_open;
  };
  const Case cases[] = {
      {2, 8, 0, 1, 1, true, true, true, true, true, false, true, true},
      {0, 0, 0, 1, 1, false, false, true, true, true, false, true, true},
      {-1, -1, 2, 0, 1, true, true, true, true, false, true, false, true},
      {2, 8, 3, 0, 1, true, true, false, false, false, false, false, true},
      {2, 8, 3, 1, 0, true, true, false, false, true, false, false, false},
      {2, 8, 4, 0, 0, true, true, true, true, false, true, false, false},
  };
  for (const Case& c : cases) {
    Settings s;
    s.AutoJudgment = static_cast<int16_t>(c.auto_judgment);
    s.CardOpenSwitchVisible = static_cast<int16_t>(c.switch_visible);
    const RuleControlStates got = RuleControls(c.penalty, c.more_drop, c.finish, s);
    SCOPED_TRACE(testing::Message() << c.penalty << "/" << c.more_drop << "/" << c.finish << "/" << c.auto_judgment);
    EXPECT_EQ(got.draw_count_enabled, c.draw_count);
    EXPECT_EQ(got.discard_duty_enabled, c.duty);
    EXPECT_EQ(got.supplements_enabled, c.supplements);
    EXPECT_EQ(got.detection_enabled, c.detection);
    EXPECT_EQ(got.auto_detection_on, c.auto_on);
    EXPECT_EQ(got.wait_time_enabled, c.wait_time);
    EXPECT_EQ(got.confirm_enabled, c.confirm);
    EXPECT_EQ(got.card_open_visible, c.card_open);
  }
}

}  // namespace
}  // namespace winpiruk
