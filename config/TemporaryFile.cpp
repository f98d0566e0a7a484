#include "config/TemporaryFile.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <random>
#include <vector>

namespace winpiruk {
namespace {

// The letters the C library's mkstemp uses: names written by earlier
// versions of the program look the same.
constexpr std::string_view kNameLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr size_t kSuffixLength = 6;
constexpr std::string_view kMark = ".~";
constexpr int kAttempts = 100;

std::string RandomSuffix() {
  static thread_local std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, kNameLetters.size() - 1);
  std::string suffix(kSuffixLength, ' ');
  for (char& c : suffix) c = kNameLetters[pick(generator)];
  return suffix;
}

bool IsSuffix(std::string_view text) {
  return text.size() == kSuffixLength && text.find_first_not_of(kNameLetters) == std::string_view::npos;
}

// A word, a capitalised word or a number is a name somebody chose.
bool LooksGenerated(std::string_view suffix) {
  const auto count = [suffix](char first, char last) {
    return std::count_if(suffix.begin(), suffix.end(), [=](char c) { return c >= first && c <= last; });
  };
  const auto capitals = count('A', 'Z');
  const auto small = count('a', 'z');
  const auto digits = count('0', '9');
  const int kinds = (capitals > 0) + (small > 0) + (digits > 0);
  const bool capitalised_word = capitals == 1 && suffix.front() >= 'A' && suffix.front() <= 'Z' && digits == 0;
  return kinds >= 2 && !capitalised_word;
}

}  // namespace

int CreateTemporaryBeside(const std::string& target, mode_t mode, std::string& name) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    name = target + std::string(kMark) + RandomSuffix();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool IsTemporaryNameOf(std::string_view candidate, std::string_view file_name) {
  if (!candidate.starts_with(file_name)) return false;
  const std::string_view rest = candidate.substr(file_name.size());
  if (rest.starts_with(kMark)) return IsSuffix(rest.substr(kMark.size()));
  return rest.starts_with('.') && IsSuffix(rest.substr(1)) && LooksGenerated(rest.substr(1));
}

void RemoveLeftoverTemporaries(const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path file(path);
  const std::string file_name = file.filename().string();
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  std::vector<fs::path> leftovers;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code kind;
    if (IsTemporaryNameOf(it->path().filename().string(), file_name) && it->is_regular_file(kind) &&
        !it->is_symlink(kind)) {
      leftovers.push_back(it->path());
    }
  }
  for (const fs::path& leftover : leftovers) fs::remove(leftover, ec);
}

}  // namespace winpiruk
