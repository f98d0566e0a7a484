#include "members/GroupNames.h"

#include <gtest/gtest.h>

#include "members/MemberNames.h"
#include "scoring/MemberFiles.h"
#include "support/Rows.h"

namespace winpiruk {
namespace {

TEST(GroupNames, NameColoursByGroupAndPoints) {
  struct Case {
    int group;
    int member;
    int16_t points;
    NameColour colour;
    bool bold;
  } const cases[] = {
      {1, 1, 1000, kNameDarkCyan, true},  // the user
      {1, 1, -30, kNameDarkCyan, true},   // the user stays cyan in debt
      {1, 2, -1, kNameDarkRed, false},
      {1, 2, 0, kNameBlack, true},
      {2, 1, 500, kNameBlack, true},
      {2, 1, -5, kNameDarkRed, true},  // member 1 is always bold
      {5, 10, -1000, kNameDarkRed, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    GameState state;
    state.seating.CurrentGroup = static_cast<int16_t>(c.group);
    state.members.MemberPoints[c.group][c.member] = c.points;
    const NameStyle style = MemberNameStyle(state, c.member);
    EXPECT_EQ(style.colour, c.colour) << c.group << "/" << c.member << " " << c.points;
    EXPECT_EQ(style.bold, c.bold) << c.group << "/" << c.member << " " << c.points;
  }
}

TEST(GroupNames, ChoosingAGroupCopiesItsNames) {
  GameState state;
  for (int g = 1; g <= kGroups; ++g) {
    for (int m = 1; m <= kMembersPerGroup; ++m) state.members.MemberName[g][m] = std::to_string(g * 100 + m);
  }
  ChooseGroup(state, 4);
  EXPECT_EQ(state.seating.CurrentGroup, 4);
  EXPECT_EQ(state.seating.GroupMemberName[1], "401");
  EXPECT_EQ(state.seating.GroupMemberName[10], "410");
  ChooseGroup(state, 9);  // out of range counts as group 1
  EXPECT_EQ(state.seating.CurrentGroup, 1);
  EXPECT_EQ(state.seating.GroupMemberName[7], "107");
  for (const auto& [asked, chosen] : std::vector<std::pair<int, int>>{{0, 1}, {-3, 1}, {5, 5}, {6, 1}, {1, 1}}) {
    ChooseGroup(state, asked);
    EXPECT_EQ(state.seating.CurrentGroup, chosen) << asked;
    EXPECT_EQ(state.seating.GroupMemberName[10], std::to_string(chosen * 100 + 10)) << asked;
  }
}

TEST(GroupNames, CleaningSaysWhatChanged) {
  struct Case {
    std::string typed;
    std::string stored;
    bool comma, blanks, others;
    std::string did;
  } const cases[] = {
      {"太郎", "太郎", false, false, false, ""},
      {"", "", false, false, false, ""},
      {"山田,花子", "山田，花子", true, false, false, "「,」を「，」に置き換えました。"},
      {"  花子", "花子", false, true, false, "先頭の空白を取り除きました。"},
      {"😀ok", "ok", false, false, true, "保存できない文字を取り除きました。"},
      {" 😀,a", "，a", true, true, true, "「,」を「，」に置き換え、先頭の空白と保存できない文字を取り除きました。"},
      {"😀 a", "a", false, true, true, "先頭の空白と保存できない文字を取り除きました。"},
      {"a\tb", "ab", false, false, true, "保存できない文字を取り除きました。"},
      {"a\x7F" "b", "ab", false, false, true, "保存できない文字を取り除きました。"},
      {"a b ", "a b ", false, false, false, ""},  // inner and trailing blanks are kept
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    const CleanedName cleaned = CleanMemberName(c.typed);
    EXPECT_EQ(cleaned.name, c.stored) << c.typed;
    EXPECT_EQ(cleaned.name, FileSafeMemberName(c.typed)) << c.typed;
    EXPECT_EQ(cleaned.comma_replaced, c.comma) << c.typed;
    EXPECT_EQ(cleaned.blanks_dropped, c.blanks) << c.typed;
    EXPECT_EQ(cleaned.others_dropped, c.others) << c.typed;
    EXPECT_EQ(CleaningNotice(cleaned, CleaningTense::Did), c.did) << c.typed;
  }
  EXPECT_EQ(CleaningNotice(CleanMemberName(",x"), CleaningTense::Will), "更新すると「,」を「，」に置き換えます。");
}

TEST(GroupNames, AKeptChoiceIsForgottenForWhatWasWritten) {
  for (const bool names_written : {false, true}) {
    for (const bool group_written : {false, true}) {
      GameState state;
      state.seating.KeptGroup.group = 3;
      state.seating.KeptGroup.stored_group = 2;
      state.seating.KeptGroup.names[3][4] = "kept";
      ForgetKeptGroupChoice(state, names_written, group_written);
      const KeptGroupChoice& kept = state.seating.KeptGroup;
      EXPECT_EQ(kept.group, group_written ? 0 : 3) << names_written << group_written;
      EXPECT_EQ(kept.stored_group, group_written ? 0 : 2) << names_written << group_written;
      EXPECT_EQ(kept.names[3][4].has_value(), !names_written) << names_written << group_written;
    }
  }
}

// The group window closed by its frame: its group plays the next game, and
// its renamed members keep their names, until a group is stored.
TEST(GroupNames, AChoiceKeptOnCloseIsTheGroupOfTheNextGame) {
  GameState state;
  state.settings.MemberGroup = 2;
  PerMember<std::string> at_open = state.members.MemberName;
  ChooseGroup(state, 4);
  state.members.MemberName[4][3] = "renamed";
  KeepGroupChoice(state, at_open);
  EXPECT_EQ(GroupToPlay(state), 4);
  EXPECT_EQ(state.seating.KeptGroup.names[4][3], "renamed");
  EXPECT_FALSE(state.seating.KeptGroup.names[4][2].has_value());
  state.settings.MemberGroup = 5;  // stored since
  EXPECT_EQ(GroupToPlay(state), 5);
}

TEST(GroupNames, StoringANameKeepsWhatTheFileCanHold) {
  GameState state;
  ChooseGroup(state, 2);
  EXPECT_EQ(StoreMemberName(state, 2, 3, " 鈴木,一郎😀").name, "鈴木，一郎");
  EXPECT_EQ(state.members.MemberName[2][3], "鈴木，一郎");
  EXPECT_EQ(state.seating.GroupMemberName[3], "鈴木，一郎");
  EXPECT_TRUE(MemberNameFitsFile(state.members.MemberName[2][3]));

  StoreMemberName(state, 4, 3, "Other");  // another group: the shown names stay
  EXPECT_EQ(state.members.MemberName[4][3], "Other");
  EXPECT_EQ(state.seating.GroupMemberName[3], "鈴木，一郎");

  StoreMemberName(state, 2, 5, "");  // an empty name may be stored
  EXPECT_EQ(state.members.MemberName[2][5], "");
  StoreMemberName(state, 5, 10, "Last");  // the last member of the last group
  EXPECT_EQ(state.members.MemberName[5][10], "Last");

  const MemberTable before = state.members;
  StoreMemberName(state, 0, 3, "x");
  StoreMemberName(state, 2, 11, "x");
  StoreMemberName(state, 6, 1, "x");
  EXPECT_EQ(state.members.MemberName, before.MemberName);
}

}  // namespace
}  // namespace winpiruk
