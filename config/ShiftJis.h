#pragma once
// The program's files are in the Windows Japanese code page (CP932) with CR LF;
// inside the program every text is UTF-8. These two functions are the only
// place where the two meet.
#include <string>
#include <string_view>
#include <vector>

namespace winpiruk {

// Bytes that are not valid CP932 become U+FFFD; the conversion never fails.
std::string Cp932ToUtf8(std::string_view cp932);

// Characters that CP932 cannot hold become "?"; the conversion never fails.
std::string Utf8ToCp932(std::string_view utf8);

// The characters of the text that do not come back unchanged from a trip
// through CP932: those it lacks (stored as "?") and those it stores as
// another character ("¥" as a backslash, "〜" as "～"). Each is listed
// once, in the order of its first appearance.
std::vector<std::string> CharactersLostInCp932(std::string_view utf8);

// True when every character of the text survives a trip through CP932.
bool FitsCp932(std::string_view utf8);

}  // namespace winpiruk
