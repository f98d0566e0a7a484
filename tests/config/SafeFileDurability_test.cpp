// What saving and removing ask of the disk, seen by standing in for two
// system calls: the folder is synced after a file is put in place or
// removed, so that the change survives a crash; a save that cannot give the
// new file the replaced file's owner fails and leaves the old file.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <fstream>
#include <string>

#include "config/SafeFile.h"
#include "support/TempDir.h"

namespace {

std::atomic<int> folder_syncs{0};
std::atomic<int> fchown_error{0};  // 0: the real call

template <typename Function>
Function Real(const char* name) {
  return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd) {
  static const auto real = Real<int (*)(int)>("fsync");
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) ++folder_syncs;
  return real(fd);
}

extern "C" int fchown(int fd, uid_t owner, gid_t group) noexcept {
  static const auto real = Real<int (*)(int, uid_t, gid_t)>("fchown");
  if (const int error = fchown_error.load()) {
    errno = error;
    return -1;
  }
  return real(fd, owner, group);
}

namespace winpiruk {
namespace {

TEST(SafeFileDurability, PuttingAFileInPlaceOrRemovingItSyncsItsFolder) {
  test::TempDir dir;
  const std::string path = dir.File("WinPiruk.ini");
  folder_syncs = 0;
  ASSERT_TRUE(WriteFileAtomically(path, "a"));
  EXPECT_GE(folder_syncs.load(), 1) << "saved";
  folder_syncs = 0;
  ASSERT_TRUE(RemoveFile(path));
  EXPECT_GE(folder_syncs.load(), 1) << "removed";
}

TEST(SafeFileDurability, AnOwnerThatCannotBeKeptFailsTheSaveUnlessItIsNotOursToGive) {
  struct Case {
    int error;
    bool saved;
  };
  for (const Case c : {Case{EIO, false}, Case{EPERM, true}}) {
    SCOPED_TRACE(c.error);
    test::TempDir dir;
    const std::string path = dir.File("WinPiruk.ini");
    std::ofstream(path, std::ios::binary) << "old";
    fchown_error = c.error;
    const bool saved = WriteFileAtomically(path, "new");
    fchown_error = 0;
    EXPECT_EQ(saved, c.saved);
    EXPECT_EQ(ReadWholeFile(path), c.saved ? "new" : "old");
  }
}

}  // namespace
}  // namespace winpiruk
