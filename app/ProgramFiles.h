#pragma once
// The program's own files that it cannot start without: every picture a
// table can ask for, the effect sounds of the default settings and the help
// page, all in its share folder. `winpiruk --check-files` lists what is
// missing, so an installation can be checked without opening a window.
#include <string>
#include <vector>

#include "config/ProgramPaths.h"

namespace winpiruk {

// Every file the program may read from `paths.program_directory`.
std::vector<std::string> ProgramFiles(const ProgramPaths& paths);

// Those of ProgramFiles that cannot be opened for reading.
std::vector<std::string> MissingProgramFiles(const ProgramPaths& paths);

}  // namespace winpiruk
