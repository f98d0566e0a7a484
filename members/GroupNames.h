#pragma once
// The group window's rules: which group plays, how each member's name is
// drawn, and storing an edited name so that the names file keeps it.
#include <string>
#include <string_view>

#include "state/GameState.h"

namespace winpiruk {

// Palette colours of the member names.
enum NameColour : int {
  kNameBlack = 0,
  kNameDarkCyan = 3,  // the user, in group 1
  kNameDarkRed = 4,   // a member in debt
};

struct NameStyle {
  NameColour colour = kNameBlack;
  bool bold = true;
};

// How member `member` of the current group is drawn: the user (member 1 of
// group 1) in dark cyan and bold; a member with negative points in dark red
// and not bold, except member 1, which is always bold; everyone else black
// and bold.
NameStyle MemberNameStyle(const GameState& state, int member);

// Makes `group` (1..5; anything else counts as 1) the current group and
// copies its ten names into `GroupMemberName`.
void ChooseGroup(GameState& state, int group);

// The group window closed by its frame: keeps its group and the names that
// differ from `names_at_open` for the rest of the run (`KeptGroup`), added to
// what an earlier close kept.
void KeepGroupChoice(GameState& state, const PerMember<std::string>& names_at_open);

// The group window's OK has stored the names (`names_written`) and the group
// (`group_written`): what it stored need not be kept any more.
void ForgetKeptGroupChoice(GameState& state, bool names_written, bool group_written);

// What an editor's text becomes in the names file.
struct CleanedName {
  std::string name;               // what is stored
  bool comma_replaced = false;    // "," became "，"
  bool blanks_dropped = false;    // leading blanks removed
  bool others_dropped = false;    // control characters and characters CP932 lacks removed
  bool Changed() const { return comma_replaced || blanks_dropped || others_dropped; }
};

CleanedName CleanMemberName(std::string_view typed);

// One sentence on what cleaning does to the text: "will" before storing
// ("更新すると…ます。"), "did" after it ("…ました。"). Empty when the text is
// kept as typed.
enum class CleaningTense { Will, Did };
std::string CleaningNotice(const CleanedName& cleaned, CleaningTense tense);

// Stores the cleaned text as the name of `member` (1..10) of `group`
// (1..5) and, when that is the current group, in `GroupMemberName`.
// Out-of-range indexes change nothing.
CleanedName StoreMemberName(GameState& state, int group, int member, std::string_view typed);

}  // namespace winpiruk
