#include "config/TemporaryFile.h"

#include <fcntl.h>

#include <cerrno>
#include <random>
#include <string_view>

namespace winpiruk {
namespace {

// The letters the C library's mkstemp uses: names written by earlier
// versions of the program look the same.
constexpr std::string_view kNameLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr size_t kSuffixLength = 6;
constexpr int kAttempts = 100;

std::string RandomSuffix() {
  static thread_local std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, kNameLetters.size() - 1);
  std::string suffix(kSuffixLength, ' ');
  for (char& c : suffix) c = kNameLetters[pick(generator)];
  return suffix;
}

}  // namespace

int CreateTemporaryBeside(const std::string& target, mode_t mode, std::string& name) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    name = target + "." + RandomSuffix();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace winpiruk
