#pragma once
// The fields of a kept match as the file names them: every part of the
// table and the match, the seats, the random state and the rules, each
// with its writer and its reader.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/KeptMatch.h"

namespace winpiruk::kept {

struct KeptField {
  std::string name;
  std::function<std::string(const KeptMatch&)> write;
  // False when the text is not a value of the field; the match is then
  // left as it was.
  std::function<bool(std::string_view, KeptMatch&)> read;
};

// In the order the file holds them; every name once.
const std::vector<KeptField>& KeptFields();

}  // namespace winpiruk::kept
