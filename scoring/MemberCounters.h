#pragma once
// Adding to a member's counters. Totals such as `PointsWon` grow over years
// of play; they are summed wide and stored saturated, so a counter that
// reaches the 16-bit limit stays there instead of wrapping to a negative.
#include "state/MemberTable.h"

namespace winpiruk {

void AddToMemberStat(MemberTable& table, int group, int member, MemberStat stat, long long amount);

}  // namespace winpiruk
