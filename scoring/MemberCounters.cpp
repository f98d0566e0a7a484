#include "scoring/MemberCounters.h"

#include "config/NumberText.h"

namespace winpiruk {

void AddToMemberStat(MemberTable& table, int group, int member, MemberStat stat, long long amount) {
  int16_t& counter = table.MemberStats[group][member][stat];
  counter = SaturateInt16(static_cast<long long>(counter) + amount);
}

}  // namespace winpiruk
