#include "app/ProgramFiles.h"

#include <algorithm>
#include <fstream>

#include "config/SoundSettings.h"
#include "presentation/OwnMusic.h"
#include "presentation/PictureNames.h"
#include "state/Settings.h"

namespace winpiruk {
namespace {

std::vector<std::string> PictureFiles() {
  std::vector<std::string> names;
  for (int code = 1; code <= 52; ++code) {
    names.push_back(CardFaceFile(code));
    names.push_back(BannerCardFaceFile(code));
  }
  for (int kind = 0; kind < kCardBackKinds; ++kind) {
    for (auto orientation : {BackOrientation::Upright, BackOrientation::UpsideDown, BackOrientation::Left,
                             BackOrientation::Right}) {
      names.push_back(CardBackFile(kind, orientation));
    }
  }
  for (int direction : {1, -1}) {
    for (int seat = 0; seat < 4; ++seat) names.push_back(ArrowFile(seat, direction));
  }
  for (bool counter_call : {false, true}) {
    for (int seat = 0; seat < 4; ++seat) {
      names.push_back(BannerFile(counter_call, seat, false));
      names.push_back(BannerFile(counter_call, seat, true));
    }
  }
  return names;
}

}  // namespace

std::vector<std::string> ProgramFiles(const ProgramPaths& paths) {
  Settings defaults = DefaultSettings(paths.program_directory);
  defaults.DataFileDirectory = paths.program_directory;
  std::vector<std::string> files;
  for (const std::string& name : PictureFiles()) {
    // The banners of two seats share their pictures: list each once.
    const std::string path = DataFilePath(defaults, name);
    if (std::find(files.begin(), files.end(), path) == files.end()) files.push_back(path);
  }
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
