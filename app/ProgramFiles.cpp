#include "app/ProgramFiles.h"

#include <algorithm>
#include <fstream>

#include "config/SoundSettings.h"
#include "presentation/OwnMusic.h"
#include "presentation/PictureNames.h"
#include "state/Settings.h"

namespace winpiruk {

std::vector<std::string> ProgramFiles(const ProgramPaths& paths) {
  Settings defaults = DefaultSettings(paths.program_directory);
  defaults.DataFileDirectory = paths.program_directory;
  std::vector<std::string> files;
  for (const std::string& name : TablePictureFiles()) files.push_back(DataFilePath(defaults, name));
  for (int event = 0; event < kSoundEvents; ++event) {
    const std::string& effect = EffectFile(defaults, static_cast<SoundEvent>(event));
    if (!effect.empty()) files.push_back(effect);
  }
  for (const std::string& piece : OwnPiecePaths(paths.program_directory)) files.push_back(piece);
  files.push_back(paths.program_directory + "/help/index.html");
  return files;
}

std::vector<std::string> MissingProgramFiles(const ProgramPaths& paths) {
  std::vector<std::string> missing;
  for (const std::string& file : ProgramFiles(paths)) {
    if (!std::ifstream(file, std::ios::binary).good()) missing.push_back(file);
  }
  return missing;
}

}  // namespace winpiruk
