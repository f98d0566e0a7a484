#pragma once
// What a member name may hold. The names file keeps a name as one field of
// a CP932 line: a comma would end it early, leading blanks would be dropped
// and a line break would split the record, and a character CP932 lacks (or
// maps to another, such as "¥" to "\") would come back changed. The name
// editors store only names that read back as they were typed.
#include <string>
#include <string_view>

namespace winpiruk {

// True when the name (UTF-8) reads back from the names file unchanged.
bool MemberNameFitsFile(std::string_view name);

// The name an editor stores for what the user typed: each "," becomes the
// full-width "，" (the nearest character the file keeps), control characters
// and characters without an exact CP932 form are dropped, then leading
// blanks are dropped. The result always fits the file.
std::string FileSafeMemberName(std::string_view name);

}  // namespace winpiruk
