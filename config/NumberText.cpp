#include "config/NumberText.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <limits>

namespace winpiruk {
namespace {

bool IsSkippedBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Reads "&H..." or "&O..." after the ampersand and the letter.
double RadixPrefix(std::string_view text, size_t pos, unsigned radix) {
  unsigned long long value = 0;
  bool overflow = false;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (IsSkippedBlank(c)) continue;
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (radix == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (radix == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0 || digit >= static_cast<int>(radix)) break;
    if (value > (std::numeric_limits<unsigned long long>::max() >> 4)) overflow = true;
    value = value * radix + static_cast<unsigned>(digit);
  }
  if (overflow || value > 0xFFFFFFFFull) return std::numeric_limits<double>::infinity();
  if (value <= 0xFFFF) return static_cast<int16_t>(static_cast<uint16_t>(value));
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

}  // namespace

std::string NumberText(long long n) {
  std::string text = std::to_string(n);
  if (n >= 0) text.insert(text.begin(), ' ');
  return text;
}

double NumericPrefix(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && IsSkippedBlank(text[pos])) ++pos;
  if (pos + 1 < text.size() && text[pos] == '&') {
    const char kind = text[pos + 1];
    if (kind == 'H' || kind == 'h') return RadixPrefix(text, pos + 2, 16);
    if (kind == 'O' || kind == 'o') return RadixPrefix(text, pos + 2, 8);
    return 0;
  }
  // Collect the literal without its blanks, then let strtod read it.
  std::string literal;
  auto digits = [&](bool& any) {
    for (; pos < text.size(); ++pos) {
      const char c = text[pos];
      if (IsSkippedBlank(c)) continue;
      if (c < '0' || c > '9') break;
      literal += c;
      any = true;
    }
  };
  auto skip_blanks = [&] {
    while (pos < text.size() && IsSkippedBlank(text[pos])) ++pos;
  };
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) literal += text[pos++];
  bool any_digit = false;
  digits(any_digit);
  skip_blanks();
  if (pos < text.size() && text[pos] == '.') {
    literal += '.';
    ++pos;
    digits(any_digit);
  }
  if (!any_digit) return 0;
  skip_blanks();
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E' || text[pos] == 'd' || text[pos] == 'D')) {
    std::string exponent = "e";
    size_t after = pos + 1;
    while (after < text.size() && IsSkippedBlank(text[after])) ++after;
    if (after < text.size() && (text[after] == '+' || text[after] == '-')) exponent += text[after++];
    bool any_exponent_digit = false;
    pos = after;
    std::string saved = literal;
    literal += exponent;
    digits(any_exponent_digit);
    if (!any_exponent_digit) literal = saved;
  }
  // The decimal point is "." whatever locale the window system chose.
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return strtod_l(literal.c_str(), nullptr, c_locale);
}

std::optional<int16_t> RoundToInt16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);
  if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
  return static_cast<int16_t>(rounded);
}

std::optional<int32_t> RoundToInt32(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);
  if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
  return static_cast<int32_t>(rounded);
}

int16_t SaturateInt16(long long value) {
  if (value > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
  if (value < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
  return static_cast<int16_t>(value);
}

}  // namespace winpiruk
