#include "members/MemberNames.h"

#include <algorithm>

#include "config/ShiftJis.h"
#include "scoring/MemberFiles.h"

namespace winpiruk {
namespace {

size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

bool SurvivesCp932(std::string_view character) {
  return Cp932ToUtf8(Utf8ToCp932(character)) == character;
}

}  // namespace

bool MemberNameFitsFile(std::string_view name) {
  if (name.find_first_of("\r\n") != std::string_view::npos) return false;
  return MemberField(name) == name && SurvivesCp932(name);
}

std::string FileSafeMemberName(std::string_view name) {
  std::string kept;
  kept.reserve(name.size());
  size_t pos = 0;
  while (pos < name.size()) {
    const auto lead = static_cast<unsigned char>(name[pos]);
    const size_t length = std::min(Utf8Length(lead), name.size() - pos);
    const std::string_view character = name.substr(pos, length);
    pos += length;
    if (character == ",") {
      kept += "\xEF\xBC\x8C";  // "，"
    } else if (length == 1 && (lead < 0x20 || lead == 0x7F)) {
      continue;
    } else if (SurvivesCp932(character)) {
      kept += character;
    }
  }
  const size_t first = kept.find_first_not_of(" \t");
  return first == std::string::npos ? std::string() : kept.substr(first);
}

}  // namespace winpiruk
