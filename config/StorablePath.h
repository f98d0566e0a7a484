#pragma once
// Paths the user chooses for the settings file (the card data folder, the
// background picture, the effect and music files): the file is CP932, one
// value a line, so a path holding a character it cannot give back would be
// read as another path after the next start.
#include <string>
#include <string_view>
#include <vector>

namespace winpiruk {

// The characters of the path that the settings file cannot give back
// unchanged: those CP932 does not hold as they are, and line ends. Each is
// listed once, in the order of its first appearance.
std::vector<std::string> UnstorablePathCharacters(std::string_view path);

bool PathIsStorable(std::string_view path);

// The message that refuses such a path: the path, the characters that
// cannot be stored (each with its code point), and that the setting keeps
// its value.
std::string UnstorablePathMessage(std::string_view path);

}  // namespace winpiruk
