#pragma once
// Reading whole files, and writing them so that a crash or a full disk never
// leaves half a file: a temporary file beside the target, flushed to disk,
// then renamed over it.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace winpiruk {

// Nothing when the file cannot be read or is a folder.
std::optional<std::string> ReadWholeFile(const std::string& path);

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

// Creates the directory and its parents; true when it exists afterwards.
bool EnsureDirectory(const std::string& path);

bool FileIsReadable(const std::string& path);

}  // namespace winpiruk
