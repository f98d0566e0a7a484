#include "config/LineReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace winpiruk {
namespace {

constexpr size_t kReadPiece = 256 * 1024;

// Splits bytes fed to it in pieces into bounded lines.
class LineCutter {
 public:
  LineCutter(size_t limit, const LineHandler& on_line) : limit_(limit), on_line_(on_line) {}

  // False once the handler has ended the reading.
  bool Feed(std::string_view piece) {
    size_t pos = 0;
    if (after_cr_ && !piece.empty()) {
      if (piece[0] == '\n') pos = 1;
      after_cr_ = false;
    }
    // Both line ends are searched with memchr and each search is reused
    // until passed: a long line costs one fast scan, many short ones no
    // rescanning.
    size_t next_cr = Find(piece, pos, '\r');
    size_t next_lf = Find(piece, pos, '\n');
    while (pos < piece.size()) {
      if (next_cr < pos) next_cr = Find(piece, pos, '\r');
      if (next_lf < pos) next_lf = Find(piece, pos, '\n');
      const size_t end = std::min(next_cr, next_lf);
      Keep(piece.substr(pos, end - pos));
      if (end == piece.size()) return true;
      if (!Emit()) return false;
      pos = end + 1;
      if (piece[end] == '\r') {
        if (pos == piece.size()) after_cr_ = true;
        else if (piece[pos] == '\n') ++pos;
      }
    }
    return true;
  }

  // The last line when the bytes do not end with a line end.
  void Finish() {
    if (in_line_) Emit();
  }

 private:
  static size_t Find(std::string_view piece, size_t from, char c) {
    // memchr may not be given the null data of an empty view, even for no bytes.
    if (from >= piece.size()) return piece.size();
    const void* hit = std::memchr(piece.data() + from, c, piece.size() - from);
    return hit == nullptr ? piece.size() : static_cast<size_t>(static_cast<const char*>(hit) - piece.data());
  }

  void Keep(std::string_view part) {
    if (part.empty()) return;
    in_line_ = true;
    if (line_.size() < limit_) line_.append(part.substr(0, limit_ - line_.size()));
  }

  bool Emit() {
    const bool go_on = on_line_(line_);
    line_.clear();
    in_line_ = false;
    return go_on;
  }

  size_t limit_;
  const LineHandler& on_line_;
  std::string line_;
  bool in_line_ = false;
  bool after_cr_ = false;
};

class ReadOnlyFile {
 public:
  // Opening does not wait for a writer when the name is a pipe.
  explicit ReadOnlyFile(const std::string& path)
      : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)), open_error_(fd_ < 0 ? errno : 0) {}
  ~ReadOnlyFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  bool is_open() const { return fd_ >= 0; }
  bool missing() const { return open_error_ == ENOENT || open_error_ == ENOTDIR; }

  bool is_regular() const {
    struct stat st {};
    return fd_ >= 0 && ::fstat(fd_, &st) == 0 && S_ISREG(st.st_mode);
  }

  // Bytes read into the buffer; 0 at the end, negative on an error.
  ssize_t Read(std::vector<char>& buffer) {
    for (;;) {
      const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
      if (n >= 0 || errno != EINTR) return n;
    }
  }

 private:
  int fd_;
  int open_error_;
};

}  // namespace

void ForEachLine(std::string_view bytes, size_t limit, const LineHandler& on_line) {
  LineCutter cutter(limit, on_line);
  if (cutter.Feed(bytes)) cutter.Finish();
}

FileLinesRead ReadFileLines(const std::string& path, size_t limit, const LineHandler& on_line) {
  ReadOnlyFile file(path);
  if (file.missing()) return FileLinesRead::Missing;
  if (!file.is_regular()) return FileLinesRead::NotReadable;
  LineCutter cutter(limit, on_line);
  std::vector<char> buffer(kReadPiece);
  for (;;) {
    const ssize_t n = file.Read(buffer);
    if (n < 0) return FileLinesRead::NotReadable;
    if (n == 0) break;
    if (!cutter.Feed(std::string_view(buffer.data(), static_cast<size_t>(n)))) return FileLinesRead::Read;
  }
  cutter.Finish();
  return FileLinesRead::Read;
}

bool ForEachFileLine(const std::string& path, size_t limit, const LineHandler& on_line) {
  return ReadFileLines(path, limit, on_line) == FileLinesRead::Read;
}

std::string_view CutUtf8(std::string_view text, size_t max_bytes, size_t max_characters) {
  size_t end = 0;
  size_t characters = 0;
  while (end < text.size() && characters < max_characters) {
    size_t next = end + 1;
    while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
    if (next > max_bytes) break;
    end = next;
    ++characters;
  }
  return text.substr(0, end);
}

}  // namespace winpiruk
