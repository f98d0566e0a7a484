#pragma once
// Reading whole files, and writing them so that a crash or a full disk never
// leaves half a file: a temporary file beside the target, flushed to disk,
// then renamed over it.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace winpiruk {

// Nothing when the file cannot be read or is not a regular file (a folder,
// a pipe, a device).
std::optional<std::string> ReadWholeFile(const std::string& path);

// The same for a file of at most `max_bytes` bytes: nothing for a larger one.
std::optional<std::string> ReadFileUpTo(const std::string& path, std::size_t max_bytes);

// False when anything fails; the old file is then untouched. A symbolic link
// stays a link: the file it names is replaced (or created, when its folder
// exists). The new file keeps the old one's permissions and owner.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

struct FileBytes {
  std::string path;
  std::string bytes;
};

// Writes several files that belong together: every temporary file is on
// disk before the first rename, and the renames follow the given order.
// When a temporary file cannot be written no file is replaced; when a rename
// fails, neither that file nor any after it is. False when anything fails.
bool WriteFilesTogether(std::span<const FileBytes> files);

// Moves a file out of the way to "<path>.<tag>", or "<path>.<tag>-2", "-3" …
// when that name is taken, so that a file kept aside is never replaced. The
// name it now has, or nothing when it could not be moved (it is then where
// it was).
std::optional<std::string> KeepAside(const std::string& path, const std::string& tag);

// Removes a file (a symbolic link itself, not what it names) and flushes its
// folder's list of names, so that the removal survives a power cut. True
// when no file is left there, also when there was none.
bool RemoveFile(const std::string& path);

// Creates the directory and its parents; true when it exists afterwards.
bool EnsureDirectory(const std::string& path);

// A regular file the program may read.
bool FileIsReadable(const std::string& path);

}  // namespace winpiruk
