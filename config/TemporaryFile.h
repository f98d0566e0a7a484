#pragma once
// The temporary files a save writes beside the file it replaces: the file's
// own name, a dot and six letters or digits ("WinPiruk.ini.a1B2c3").
#include <sys/types.h>

#include <string>

namespace winpiruk {

// Creates a new, empty temporary file beside `target`, open for writing,
// with `mode` as the umask leaves it. Returns the descriptor (or -1) and
// stores the file's name in `name`.
int CreateTemporaryBeside(const std::string& target, mode_t mode, std::string& name);

}  // namespace winpiruk
