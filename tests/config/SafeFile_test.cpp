#include "config/SafeFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

// Names in a folder, to see that a save leaves no temporary file behind.
std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(WriteFileAtomically, SavesThroughASymbolicLinkAndKeepsTheLink) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> links;  // link in the test folder -> what it names
    std::string target;                                      // the file that must get the bytes; empty: none
  };
  const Case cases[] = {
      {"absolute", {{"config/WinPiruk.ini", "@/synced/WinPiruk.ini"}}, "synced/WinPiruk.ini"},
      {"relative", {{"config/WinPiruk.ini", "../synced/WinPiruk.ini"}}, "synced/WinPiruk.ini"},
      {"chain",
       {{"config/WinPiruk.ini", "middle"}, {"config/middle", "../synced/real.ini"}},
       "synced/real.ini"},
      {"dangling into a folder", {{"config/WinPiruk.ini", "../synced/new.ini"}}, "synced/new.ini"},
      {"dangling into no folder", {{"config/WinPiruk.ini", "../gone/new.ini"}}, ""},
      {"loop", {{"config/WinPiruk.ini", "other"}, {"config/other", "WinPiruk.ini"}}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    fs::create_directories(dir.File("config"));
    fs::create_directories(dir.File("synced"));
    std::ofstream(dir.File("synced/WinPiruk.ini")) << "old";
    std::ofstream(dir.File("synced/real.ini")) << "old";
    for (const auto& [link, names] : c.links) {
      fs::create_symlink(names[0] == '@' ? dir.path() + names.substr(1) : names, dir.File(link));
    }
    const std::vector<std::string> config_before = Listing(dir.File("config"));
    const std::string path = dir.File("config/WinPiruk.ini");

    EXPECT_EQ(WriteFileAtomically(path, "new"), !c.target.empty());
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(path)));
    EXPECT_EQ(Listing(dir.File("config")), config_before);
    if (!c.target.empty()) {
      EXPECT_EQ(ReadWholeFile(dir.File(c.target)), "new");
    }
    if (c.target != "synced/WinPiruk.ini") {
      EXPECT_EQ(ReadWholeFile(dir.File("synced/WinPiruk.ini")), "old");
    }
    std::vector<std::string> synced = {"WinPiruk.ini", "real.ini"};
    if (c.target == "synced/new.ini") synced.push_back("new.ini");
    std::sort(synced.begin(), synced.end());
    EXPECT_EQ(Listing(dir.File("synced")), synced);
    EXPECT_FALSE(fs::exists(dir.File("gone")));
  }
}

}  // namespace
}  // namespace winpiruk
