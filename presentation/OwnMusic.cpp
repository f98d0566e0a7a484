#include "presentation/OwnMusic.h"

namespace winpiruk {

std::vector<std::string> OwnPiecePaths(const std::string& program_directory) {
  std::vector<std::string> paths;
  for (const char* file : kOwnPieceFiles) paths.push_back(program_directory + "/" + file);
  return paths;
}

}  // namespace winpiruk
