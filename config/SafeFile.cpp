#include "config/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <utility>
#include <vector>

#include "config/TemporaryFile.h"

namespace winpiruk {
namespace {

// Owns a file descriptor; closes it on every path out.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// The replaced file's owner (where the user may give it) and permissions go
// to the new file, so that a save never widens who may read it.
bool KeepOwnerAndMode(int fd, const struct stat& old) {
  if (::fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM) return false;
  return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// The file a save to `path` replaces: `path` itself, or the end of its chain
// of symbolic links, which need not exist yet. Saving there keeps the links
// (settings kept in a synced folder, say). Nothing for a loop of links.
std::optional<std::string> WriteTarget(const std::string& path) {
  namespace fs = std::filesystem;
  constexpr int kMaxLinks = 40;  // as the kernel allows when it follows links
  fs::path current = path;
  for (int links = 0; links <= kMaxLinks; ++links) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(current, ec))) return current.string();
    const fs::path next = fs::read_symlink(current, ec);
    if (ec) return std::nullopt;
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return std::nullopt;
}

// Flushes a folder's list of names, so that a rename in it survives a power
// cut. Some file systems cannot; the rename itself has succeeded then.
void SyncFolderOf(const std::string& path) {
  const std::string folder = std::filesystem::path(path).parent_path().string();
  Fd fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}

// Bytes on disk beside the file they will replace, waiting to be put in
// place; removed when they never are.
class StagedFile {
 public:
  static std::optional<StagedFile> Stage(const std::string& path, std::string_view bytes);

  StagedFile(StagedFile&& other) noexcept
      : temporary_(std::exchange(other.temporary_, std::string())), target_(std::move(other.target_)) {}
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;
  StagedFile& operator=(StagedFile&&) = delete;
  ~StagedFile() {
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
  }

  // Renames the bytes over the file; false leaves the old file as it was.
  bool Commit() {
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return false;
    temporary_.clear();
    SyncFolderOf(target_);
    return true;
  }

 private:
  StagedFile(std::string temporary, std::string target)
      : temporary_(std::move(temporary)), target_(std::move(target)) {}

  std::string temporary_;
  std::string target_;
};

std::optional<StagedFile> StagedFile::Stage(const std::string& path, std::string_view bytes) {
  std::optional<std::string> target = WriteTarget(path);
  if (!target) return std::nullopt;
  struct stat old {};
  const bool replaces = ::stat(target->c_str(), &old) == 0;
  // A new file gets the user's default permissions (the umask applied to
  // 0666); a replacement starts private and then takes the old file's.
  std::string temp;
  Fd fd(CreateTemporaryBeside(*target, replaces ? 0600 : 0666, temp));
  if (fd.get() < 0) return std::nullopt;
  StagedFile staged(std::move(temp), std::move(*target));
  const bool written = (!replaces || KeepOwnerAndMode(fd.get(), old)) && WriteAll(fd.get(), bytes) &&
                       ::fsync(fd.get()) == 0;
  if (!fd.Close() || !written) return std::nullopt;
  return staged;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  return ReadFileUpTo(path, std::numeric_limits<std::size_t>::max());
}

std::optional<std::string> ReadFileUpTo(const std::string& path, std::size_t max_bytes) {
  // A pipe must not hold the open; a folder opens like a file here but holds
  // no file's bytes, and a device may never end.
  Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat st {};
  if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  std::string bytes;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) return bytes;
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    // The file may grow while it is read: the bytes read decide, not its size.
    if (static_cast<size_t>(n) > max_bytes - bytes.size()) return std::nullopt;
    bytes.append(buffer, static_cast<size_t>(n));
  }
}

bool RemoveFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0) return errno == ENOENT;
  SyncFolderOf(path);
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const FileBytes file{path, std::string(bytes)};
  return WriteFilesTogether({&file, 1});
}

bool WriteFilesTogether(std::span<const FileBytes> files) {
  std::vector<StagedFile> staged;
  staged.reserve(files.size());
  for (const FileBytes& file : files) {
    std::optional<StagedFile> next = StagedFile::Stage(file.path, file.bytes);
    if (!next) return false;  // the ones staged so far are removed unused
    staged.push_back(std::move(*next));
  }
  // After a failed rename the later files keep their old content too.
  for (StagedFile& file : staged) {
    if (!file.Commit()) return false;
  }
  return true;
}

bool EnsureDirectory(const std::string& path) {
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  return std::filesystem::is_directory(path, ec);
}

namespace {

// rename() without replacing an existing target; a file system that cannot
// do it in one step gets a link and an unlink, which never replace either.
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
  if (::link(from.c_str(), to.c_str()) != 0) return -1;
  return ::unlink(from.c_str());
}

}  // namespace

std::optional<std::string> KeepAside(const std::string& path, const std::string& tag) {
  constexpr int kTries = 1000;
  for (int n = 1; n <= kTries; ++n) {
    std::string target = path + "." + tag;
    if (n > 1) target += "-" + std::to_string(n);
    if (RenameNoReplace(path, target) == 0) return target;
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

bool FileIsReadable(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  return ::access(path.c_str(), R_OK) == 0;
}

}  // namespace winpiruk
