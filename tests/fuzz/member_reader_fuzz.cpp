// Any bytes as the two member files: the first two bytes give the length of
// the names file (little-endian; 0xFFFF for a missing file), the names file
// follows and the data file is the rest. The
// reader must end with a full table whose files read back, as the
// program's own, to the same points, statistics and names, and which
// rewrites to the same bytes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "config/ShiftJis.h"
#include "scoring/MemberFiles.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace winpiruk;
  if (size < 2) return 0;
  const size_t length = data[0] | (static_cast<size_t>(data[1]) << 8);
  const std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
  const size_t cut = length == 0xFFFF ? 0 : std::min(length, rest.size());
  std::optional<std::string_view> names = rest.substr(0, cut);
  if (length == 0xFFFF) names.reset();
  const std::string_view data_file = rest.substr(cut);

  MemberTable first;
  DecodeMemberNames(names, first);
  DecodeMemberData(data_file, first);

  const std::string names_bytes = EncodeMemberNames(first);
  const std::string data_bytes = EncodeMemberData(first);
  Check(data_bytes.size() == 15 + 50 * 97);

  // What the program writes, it reads as its own.
  MemberTable second;
  Check(DecodeMemberNames(names_bytes, second) == MemberFileRead::Own);
  Check(DecodeMemberData(data_bytes, second) == MemberFileRead::Own);
  for (int g = 1; g <= kGroups; ++g) {
    for (int m = 1; m <= kMembersPerGroup; ++m) {
      Check(second.MemberPoints[g][m] == first.MemberPoints[g][m]);
      Check(second.MemberStats[g][m] == first.MemberStats[g][m]);
      // Bytes that were not CP932 come back as "?", everything else as read.
      Check(second.MemberName[g][m] == Cp932ToUtf8(Utf8ToCp932(first.MemberName[g][m])));
    }
  }
  // A one-digit parameter can come back changed only once (a negative
  // deduction after a non-negative boldness loses its sign); after that the
  // files are stable.
  MemberTable third;
  DecodeMemberNames(names_bytes, third);
  DecodeMemberData(EncodeMemberData(second), third);
  Check(EncodeMemberNames(second) == EncodeMemberNames(third));
  Check(EncodeMemberData(second) == EncodeMemberData(third));
  return 0;
}
