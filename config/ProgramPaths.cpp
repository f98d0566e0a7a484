#include "config/ProgramPaths.h"

#include <cstdlib>
#include <filesystem>

namespace winpiruk {
namespace {

std::string UserFolder(const char* variable, const char* fallback_under_home) {
  const char* value = std::getenv(variable);
  // Relative values are invalid by the XDG rules and are ignored.
  if (value != nullptr && value[0] == '/') return std::string(value) + "/winpiruk";
  const char* home = std::getenv("HOME");
  const std::string base = home != nullptr && home[0] != '\0' ? home : ".";
  return base + "/" + fallback_under_home + "/winpiruk";
}

}  // namespace

ProgramPaths LocateProgramPaths(const std::string& executable_directory) {
  std::error_code ec;
  std::filesystem::path share = std::filesystem::path(executable_directory) / ".." / "share" / "winpiruk";
  std::filesystem::path normal = std::filesystem::weakly_canonical(share, ec);
  if (ec) normal = share.lexically_normal();
  std::string program = normal.string();
  while (program.size() > 1 && program.back() == '/') program.pop_back();
  return ProgramPaths{program, UserFolder("XDG_CONFIG_HOME", ".config"),
                      UserFolder("XDG_DATA_HOME", ".local/share")};
}

}  // namespace winpiruk
