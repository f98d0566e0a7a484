#include "config/ShiftJis.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace winpiruk {
namespace {

// One iconv descriptor per call keeps the functions reentrant; opening one
// costs a few microseconds, negligible beside the file I/O around it.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as possible; on an unconvertible sequence calls
  // `on_bad` with the input position, which appends a replacement to the
  // output and returns the number of input bytes to skip.
  template <typename OnBad>
  std::string Run(std::string_view in, OnBad on_bad) {
    std::string out;
    out.reserve(in.size() * 3 / 2 + 4);
    std::array<char, 4096> buffer{};
    auto* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    while (src_left > 0) {
      char* dst = buffer.data();
      size_t dst_left = buffer.size();
      const size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      out.append(buffer.data(), buffer.size() - dst_left);
      if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
        const size_t skip = on_bad(out, std::string_view(src, src_left));
        src += skip;
        src_left -= skip;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return out;
  }

 private:
  iconv_t cd_;
};

size_t Utf8SequenceLength(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest.front());
  size_t n = 1;
  if (lead >= 0xF0) n = 4;
  else if (lead >= 0xE0) n = 3;
  else if (lead >= 0xC0) n = 2;
  return n < rest.size() ? n : rest.size();
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  // CP932 holds ASCII as it is; most lines of the files are nothing else,
  // and they are converted one at a time.
  if (std::all_of(cp932.begin(), cp932.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    return std::string(cp932);
  }
  Converter conv("UTF-8", "CP932");
  if (!conv.ok()) return std::string(cp932);
  return conv.Run(cp932, [](std::string& out, std::string_view) {
    out += "\xEF\xBF\xBD";
    return size_t{1};
  });
}

std::string Utf8ToCp932(std::string_view utf8) {
  Converter conv("CP932", "UTF-8");
  if (!conv.ok()) return std::string(utf8);
  return conv.Run(utf8, [](std::string& out, std::string_view rest) {
    out += '?';
    return Utf8SequenceLength(rest);
  });
}

std::vector<std::string> CharactersLostInCp932(std::string_view utf8) {
  std::vector<std::string> lost;
  // Every character comes back as exactly one character, so the whole text
  // comes back unchanged exactly when each of its characters does.
  if (Cp932ToUtf8(Utf8ToCp932(utf8)) == utf8) return lost;
  for (size_t pos = 0; pos < utf8.size();) {
    const std::string character(utf8.substr(pos, Utf8SequenceLength(utf8.substr(pos))));
    pos += character.size();
    if (std::find(lost.begin(), lost.end(), character) != lost.end()) continue;
    if (Cp932ToUtf8(Utf8ToCp932(character)) != character) lost.push_back(character);
  }
  return lost;
}

bool FitsCp932(std::string_view utf8) { return Cp932ToUtf8(Utf8ToCp932(utf8)) == utf8; }

}  // namespace winpiruk
