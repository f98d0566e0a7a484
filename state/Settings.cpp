#include "state/Settings.h"

namespace winpiruk {

Settings DefaultSettings(const std::string& program_directory) {
  Settings s;
  s.PirukSound = program_directory + "/WP_PRK.WAV";
  s.PirukGaeshiSound = program_directory + "/WP_PRKG.WAV";
  s.InitialSound = program_directory + "/WP_INTL.WAV";
  s.CardOverSound = program_directory + "/WP_TENOV.WAV";
  s.NoGameSound = program_directory + "/WP_NAGAR.WAV";
  s.GameOverSound = program_directory + "/WP_GOVER.WAV";
  s.CardOperateSound = program_directory + "/WP_CARD.WAV";
  return s;
}

std::string DataFilePath(const Settings& settings, const std::string& name) {
  const std::string& dir = settings.DataFileDirectory;
  if (!dir.empty() && dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

}  // namespace winpiruk
