#include "config/StorablePath.h"

#include <algorithm>

#include "config/ShiftJis.h"

namespace winpiruk {
namespace {

bool IsLineEnd(std::string_view character) { return character == "\r" || character == "\n"; }

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
    named += "「" + (IsLineEnd(character) ? std::string("改行") : character) + "」";
  }
  return "「 " + std::string(path) + " 」\n\n" + "このパスには、設定ファイルに保存できない文字があります: " + named +
         "\n\n設定は変更されていません。これらの文字を含まない場所を選んでください。";
}

}  // namespace winpiruk
