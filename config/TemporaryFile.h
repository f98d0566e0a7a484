#pragma once
// The temporary files a save writes beside the file it replaces: the file's
// own name, ".~" and six letters or digits ("WinPiruk.ini.~a1B2c3"), a name
// no user gives a copy of his own. Earlier versions wrote the same without
// the "~" ("WinPiruk.ini.a1B2c3").
#include <sys/types.h>

#include <string>
#include <string_view>

namespace winpiruk {

// Creates a new, empty temporary file beside `target`, open for writing,
// with `mode` as the umask leaves it. Returns the descriptor (or -1) and
// stores the file's name in `name`.
int CreateTemporaryBeside(const std::string& target, mode_t mode, std::string& name);

// Whether `candidate` is a name CreateTemporaryBeside gives for `file_name`,
// or one that an earlier version gave. An earlier name is told from a copy
// the user named ("WinPiruk.ini.backup", ".Backup", ".200101") by its
// generated look: its six characters mix capitals, small letters and digits.
bool IsTemporaryNameOf(std::string_view candidate, std::string_view file_name);

// Removes what saves of `path` interrupted by a crash or a kill left in its
// folder: plain files named as its temporary files, nothing else. Only for a
// process that knows no other copy of the program is saving there.
void RemoveLeftoverTemporaries(const std::string& path);

}  // namespace winpiruk
