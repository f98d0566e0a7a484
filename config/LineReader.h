#pragma once
// Reading text files line by line with a bound on each line: a line longer
// than its reader can use is cut, and the rest of it is passed over without
// being kept, so a file of any size costs no more memory than one cut line.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace winpiruk {

// Called with each line, without its end (CR, LF or CR LF), cut to the
// limit; returning false ends the reading.
using LineHandler = std::function<bool(std::string_view line)>;

void ForEachLine(std::string_view bytes, size_t limit, const LineHandler& on_line);

enum class FileLinesRead {
  Read,
  Missing,      // no file by that name
  NotReadable,  // there, but not a regular file, or it could not be opened or read
};

// The same over a file, read piece by piece. Only a regular file is read: a
// pipe or a device would hold the reader forever. The lines before a read
// error have been handled by then.
FileLinesRead ReadFileLines(const std::string& path, size_t limit, const LineHandler& on_line);

// True when ReadFileLines read the file.
bool ForEachFileLine(const std::string& path, size_t limit, const LineHandler& on_line);

// The longest start of a UTF-8 text that holds at most `max_bytes` bytes and
// `max_characters` characters and ends on a character boundary.
std::string_view CutUtf8(std::string_view text, size_t max_bytes, size_t max_characters = std::string_view::npos);

}  // namespace winpiruk
