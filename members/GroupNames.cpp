#include "members/GroupNames.h"

#include "members/MemberNames.h"
#include "state/RuleLimits.h"
#include "state/Translation.h"

namespace winpiruk {
namespace {

constexpr int kUserGroup = 1;
constexpr int kUserMember = 1;

std::string ReplaceCommas(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c == ',') {
      out += "\xEF\xBC\x8C";  // "，"
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

NameStyle MemberNameStyle(const GameState& state, int member) {
  const int group = InRangeOr(state.seating.CurrentGroup, 1, kGroups, 1);
  if (group == kUserGroup && member == kUserMember) return {kNameDarkCyan, true};
  if (member >= 1 && member <= kMembersPerGroup && state.members.MemberPoints[group][member] < 0) {
    return {kNameDarkRed, member == 1};
  }
  return {kNameBlack, true};
}

void ChooseGroup(GameState& state, int group) {
  state.seating.CurrentGroup = static_cast<int16_t>(InRangeOr(group, 1, kGroups, 1));
  for (int m = 1; m <= kMembersPerGroup; ++m) {
    state.seating.GroupMemberName[m] = state.members.MemberName[state.seating.CurrentGroup][m];
  }
}

void KeepGroupChoice(GameState& state, const PerMember<std::string>& names_at_open) {
  KeptGroupChoice& kept = state.seating.KeptGroup;
  kept.group = static_cast<int16_t>(InRangeOr(state.seating.CurrentGroup, 1, kGroups, 1));
  kept.stored_group = state.settings.MemberGroup;
  for (int g = 1; g <= kGroups; ++g) {
    for (int m = 1; m <= kMembersPerGroup; ++m) {
      const std::string& name = state.members.MemberName[g][m];
      if (name != names_at_open[g][m]) kept.names[g][m] = name;
    }
  }
}

void ForgetKeptGroupChoice(GameState& state, bool names_written, bool group_written) {
  KeptGroupChoice& kept = state.seating.KeptGroup;
  if (names_written) {
    for (auto& group : kept.names) group.fill(std::nullopt);
  }
  if (group_written) {
    kept.group = 0;
    kept.stored_group = 0;
  }
}

CleanedName CleanMemberName(std::string_view typed) {
  CleanedName cleaned;
  cleaned.name = FileSafeMemberName(typed);
  cleaned.comma_replaced = typed.find(',') != std::string_view::npos;
  // The same cleaning behind a letter keeps the leading blanks, so what
  // differs from it is the blanks and what differs from the typed text
  // (commas aside) is the characters dropped.
  const std::string blanks_kept = FileSafeMemberName("x" + std::string(typed)).substr(1);
  cleaned.blanks_dropped = blanks_kept != cleaned.name;
  cleaned.others_dropped = blanks_kept != ReplaceCommas(typed);
  return cleaned;
}

std::string CleaningNotice(const CleanedName& cleaned, CleaningTense tense) {
  if (!cleaned.Changed()) return {};
  std::string steps;
  auto add = [&steps](const std::string& step) {
    if (!steps.empty()) steps += Tr("GroupNames", "、");
    steps += step;
  };
  if (cleaned.comma_replaced) add(Tr("GroupNames", "「,」を「，」に置き換え"));
  if (cleaned.blanks_dropped && cleaned.others_dropped) {
    add(Tr("GroupNames", "先頭の空白と保存できない文字を取り除き"));
  } else if (cleaned.blanks_dropped) {
    add(Tr("GroupNames", "先頭の空白を取り除き"));
  } else if (cleaned.others_dropped) {
    add(Tr("GroupNames", "保存できない文字を取り除き"));
  }
  return Fill(tense == CleaningTense::Will ? Tr("GroupNames", "更新すると%1ます。") : Tr("GroupNames", "%1ました。"), {steps});
}

CleanedName StoreMemberName(GameState& state, int group, int member, std::string_view typed) {
  CleanedName cleaned = CleanMemberName(typed);
  if (group < 1 || group > kGroups || member < 1 || member > kMembersPerGroup) return cleaned;
  state.members.MemberName[group][member] = cleaned.name;
  if (group == state.seating.CurrentGroup) state.seating.GroupMemberName[member] = cleaned.name;
  return cleaned;
}

}  // namespace winpiruk
