#include "config/SafeFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "support/TempDir.h"

namespace winpiruk {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return 0;
  return st.st_mode & 07777;
}

// Sets the process's umask for one test and puts the old one back.
class Umask {
 public:
  explicit Umask(mode_t mask) : old_(::umask(mask)) {}
  ~Umask() { ::umask(old_); }
  Umask(const Umask&) = delete;
  Umask& operator=(const Umask&) = delete;

 private:
  mode_t old_;
};

TEST(WriteFileAtomically, KeepsTheReplacedFilesPermissionsAndGivesANewFileTheUsersDefault) {
  struct Case {
    std::optional<mode_t> existing;  // nothing: no file yet
    mode_t umask;
    mode_t expected;
  };
  const Case cases[] = {
      {0600, 022, 0600}, {0640, 022, 0640}, {0644, 077, 0644}, {0400, 022, 0400},
      {std::nullopt, 022, 0644}, {std::nullopt, 077, 0600}, {std::nullopt, 027, 0640},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    const std::string path = dir.File("WinPiruk.ini");
    if (c.existing) {
      std::ofstream(path) << "old";
      ASSERT_EQ(::chmod(path.c_str(), *c.existing), 0);
    }
    {
      const Umask mask(c.umask);
      ASSERT_TRUE(WriteFileAtomically(path, "new"));
    }
    EXPECT_EQ(ModeOf(path), c.expected) << std::oct << c.existing.value_or(0) << " umask " << c.umask;
    EXPECT_EQ(ReadWholeFile(path), "new");
  }
}

}  // namespace
}  // namespace winpiruk
