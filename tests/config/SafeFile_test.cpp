#include "config/SafeFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "config/SettingsStore.h"
#include "config/TemporaryFile.h"
#include "support/Rows.h"
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
    SCOPED_TRACE(test::RowOf(cases, c));
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

TEST(RemoveLeftoverTemporaries, RemovesOnlyPlainFilesNamedAsTheFilesTemporaries) {
  test::TempDir dir;
  // Its own names, and those of earlier versions, which lacked the "~".
  const std::vector<std::string> leftovers = {"WinPiruk.ini.~a1B2c3", "WinPiruk.ini.~ZZZZZZ", "WinPiruk.ini.~000000",
                                              "WinPiruk.ini.a1B2c3", "WinPiruk.ini.x9y8z7"};
  const std::vector<std::string> kept = {
      "WinPiruk.ini",        "WinPiruk.ini.bak",      "WinPiruk.ini.a1B2c3d", "WinPiruk.ini.a1B2c",
      "WinPiruk.ini.a1-2c3", "WinPiruk.ini_a1B2c3",   "WPirukMn.dat.a1B2c3",  "xWinPiruk.ini.a1B2c3",
      "winpiruk.ini.a1B2c3", "WinPiruk.ini.a1B2c3.x", "notes.txt",            "WinPiruk.ini.~a1B2c",
      // Copies the user named: a word, a capitalised word, a number, all capitals.
      "WinPiruk.ini.backup", "WinPiruk.ini.Backup",   "WinPiruk.ini.200101",  "WinPiruk.ini.ZZZZZZ",
      // A damaged file kept aside.
      "WinPiruk.ini.damaged-2026-12-08", "WinPiruk.ini.damaged-2026-12-08-2",
  };
  for (const auto& name : leftovers) std::ofstream(dir.File(name)) << "part of a save";
  for (const auto& name : kept) std::ofstream(dir.File(name)) << "keep";
  // A folder and a link of the pattern are not the program's.
  fs::create_directory(dir.File("WinPiruk.ini.~F0ld3r"));
  fs::create_symlink("notes.txt", dir.File("WinPiruk.ini.~L1nk3d"));

  RemoveLeftoverTemporaries(dir.File("WinPiruk.ini"));
  std::vector<std::string> expected = kept;
  expected.insert(expected.end(), {"WinPiruk.ini.~F0ld3r", "WinPiruk.ini.~L1nk3d"});
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Listing(dir.path()), expected);
  EXPECT_EQ(ReadWholeFile(dir.File("notes.txt")), "keep");

  // A save of its own makes a name of the same pattern, and leaves none.
  std::string name;
  const int fd = CreateTemporaryBeside(dir.File("WinPiruk.ini"), 0600, name);
  ASSERT_GE(fd, 0);
  ::close(fd);
  EXPECT_TRUE(IsTemporaryNameOf(fs::path(name).filename().string(), "WinPiruk.ini"));
  RemoveLeftoverTemporaries(dir.File("WinPiruk.ini"));
  EXPECT_EQ(Listing(dir.path()), expected);
}

TEST(KeepAside, MovesTheFileToAFreeNameAndNeverReplacesOne) {
  test::TempDir dir;
  const std::string file = dir.File("WPirukMd.dat");
  for (const char* content : {"first", "second", "third"}) {
    std::ofstream(file) << content;
    ASSERT_TRUE(KeepAside(file, "damaged-2026-12-08").has_value());
    EXPECT_FALSE(fs::exists(file));
  }
  EXPECT_EQ(ReadWholeFile(file + ".damaged-2026-12-08"), "first");
  EXPECT_EQ(ReadWholeFile(file + ".damaged-2026-12-08-2"), "second");
  EXPECT_EQ(ReadWholeFile(file + ".damaged-2026-12-08-3"), "third");
  EXPECT_EQ(KeepAside(file, "damaged-2026-12-08"), std::nullopt);  // nothing left to move
}

TEST(ReadFileUpTo, TakesAFileOfExactlyTheLimitAndRefusesAByteMore) {
  test::TempDir dir;
  std::ofstream(dir.File("ten"), std::ios::binary) << "0123456789";
  EXPECT_EQ(ReadFileUpTo(dir.File("ten"), 10), "0123456789");
  EXPECT_EQ(ReadFileUpTo(dir.File("ten"), 11), "0123456789");
  EXPECT_EQ(ReadFileUpTo(dir.File("ten"), 9), std::nullopt);
}

// A program started with its standard input closed is given descriptor 0
// for the first file it opens: that one is closed after use like any other.
TEST(ReadFileUpTo, ClosesTheFileEvenOnDescriptorNaught) {
  test::TempDir dir;
  std::ofstream(dir.File("small"), std::ios::binary) << "abc";
  const int input = ::dup(0);
  ASSERT_GE(input, 0);
  ::close(0);
  const std::optional<std::string> read = ReadFileUpTo(dir.File("small"), 10);
  const bool left_open = ::fcntl(0, F_GETFD) != -1;
  ::dup2(input, 0);
  ::close(input);
  EXPECT_EQ(read, "abc");
  EXPECT_FALSE(left_open);
}

// The disk fills up under the write: a file may grow no further than
// `bytes` for one test, and writing past it fails instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : old_signal_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limited = old_;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, old_signal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*old_signal_)(int);
};

TEST(WriteFileAtomically, AWriteTheDiskCannotHoldFailsAndKeepsTheOldFile) {
  test::TempDir dir;
  const std::string file = dir.File("WinPiruk.ini");
  ASSERT_TRUE(WriteFileAtomically(file, "old settings"));
  {
    const FileSizeLimit full(64);
    EXPECT_FALSE(WriteFileAtomically(file, std::string(4096, 'x')));
  }
  EXPECT_EQ(ReadWholeFile(file), "old settings");
  // Nothing half-written is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);
}

TEST(ReadWholeFile, GivesTheBytesOfAFileAndNothingForAFolderOrNoFile) {
  test::TempDir dir;
  const std::string bytes("a\r\n\0\xff", 5);
  std::ofstream(dir.File("file"), std::ios::binary) << bytes;
  std::ofstream(dir.File("empty")) << "";
  fs::create_directory(dir.File("folder"));
  EXPECT_EQ(ReadWholeFile(dir.File("file")), bytes);
  EXPECT_EQ(ReadWholeFile(dir.File("empty")), "");
  EXPECT_EQ(ReadWholeFile(dir.File("folder")), std::nullopt);
  EXPECT_EQ(ReadWholeFile(dir.File("missing")), std::nullopt);
  Settings settings;
  EXPECT_FALSE(LoadSettingsFile(dir.File("folder"), settings));
}

}  // namespace
}  // namespace winpiruk
