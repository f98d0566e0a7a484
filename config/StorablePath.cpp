#include "config/StorablePath.h"

#include <algorithm>
#include <cstdio>

#include "config/ShiftJis.h"
#include "state/Translation.h"

namespace winpiruk {
namespace {

bool IsLineEnd(std::string_view character) { return character == "\r" || character == "\n"; }

// "U+D55C" for one UTF-8 character: the name still says which character
// it is where no font on the machine can draw it.
std::string CodePointName(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character.front());
  const size_t extra = character.size() - 1;
  char32_t code = extra == 0 ? lead : lead & (0x3Fu >> extra);
  for (size_t i = 1; i < character.size(); ++i) code = (code << 6) | (static_cast<unsigned char>(character[i]) & 0x3F);
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
  return name;
}

std::string Named(const std::string& character) {
  if (IsLineEnd(character)) return Tr("StorablePath", "「改行」");
  // A no-break space keeps the character and its name on one line.
  return "「" + character + "\u00A0" + CodePointName(character) + "」";
}

}  // namespace

std::vector<std::string> UnstorablePathCharacters(std::string_view path) {
  std::vector<std::string> found;
  // A line end would split the value and start a line of its own.
  for (const char end : {'\r', '\n'}) {
    if (path.find(end) != std::string_view::npos) found.emplace_back(1, end);
  }
  const std::vector<std::string> lost = CharactersLostInCp932(path);
  found.insert(found.end(), lost.begin(), lost.end());
  // Back into the order of the path.
  std::stable_sort(found.begin(), found.end(), [path](const std::string& a, const std::string& b) {
    return path.find(a) < path.find(b);
  });
  return found;
}

bool PathIsStorable(std::string_view path) {
  return path.find_first_of("\r\n") == std::string_view::npos && FitsCp932(path);
}

std::string UnstorablePathMessage(std::string_view path) {
  std::string named;
  for (const std::string& character : UnstorablePathCharacters(path)) {
    if (!named.empty()) named += ' ';
    named += Named(character);
  }
  return Fill(Tr("StorablePath", "「 %1 」\n\nこのパスには、設定ファイルに保存できない文字があります: %2"
                             "\n\n設定は変更されていません。これらの文字を含まない場所を選んでください。"),
              {path, named});
}

}  // namespace winpiruk
