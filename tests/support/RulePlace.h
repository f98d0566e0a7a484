#pragma once
// A scratch program folder with default rules, for the windows that edit or
// analyse them: one card picture stands in for the card data.
#include <fstream>

#include "config/ProgramPaths.h"
#include "config/SafeFile.h"
#include "state/GameState.h"
#include "state/Settings.h"
#include "support/TempDir.h"

namespace winpiruk::test {

struct RulePlace {
  TempDir root;
  ProgramPaths paths{root.File("share"), root.File("config"), root.File("data")};
  GameState state;
  RulePlace() {
    EnsureDirectory(paths.program_directory);
    std::ofstream(paths.program_directory + "/HeartA.bmp") << "BM";
    state.settings = DefaultSettings(paths.program_directory);
    state.settings.DataFileDirectory = paths.program_directory;
  }
};

}  // namespace winpiruk::test
