#include "engine/KeptMatchValues.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

namespace winpiruk::kept {
namespace {

constexpr std::size_t kHexDigits = 16;
constexpr std::string_view kHexUpper = "0123456789ABCDEF";

// Bytes that would end the line, split a list or the name from its value,
// or be read as an escape.
bool NeedsEscape(unsigned char byte) {
  return byte < 0x20 || byte == 0x7F || byte == '%' || byte == ',' || byte == '=';
}

template <typename T>
std::string IntegerText(T value) {
  std::array<char, 24> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

// The number the whole text spells in `base`; nothing for anything more or less.
template <typename T>
std::optional<T> WholeNumber(std::string_view text, int base = 10) {
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A value read from `text` stands only when writing it gives `text` again:
// no leading zeros, no "+", no other spelling of the same value.
template <typename T>
bool TakeIfCanonical(std::string_view text, const std::optional<T>& read, T& value) {
  if (!read || ValueText(*read) != text) return false;
  value = *read;
  return true;
}

std::optional<std::string> Unescaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const std::optional<unsigned> byte = WholeNumber<unsigned>(text.substr(i + 1, 2), 16);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
    i += 2;
  }
  return out;
}

}  // namespace

std::string ValueText(int16_t value) { return IntegerText(value); }
std::string ValueText(int32_t value) { return IntegerText(value); }
std::string ValueText(bool value) { return value ? "1" : "0"; }

std::string ValueText(uint64_t value) {
  std::array<char, kHexDigits> buffer{};
  char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, 16).ptr;
  const std::string digits(buffer.data(), end);
  return std::string(kHexDigits - digits.size(), '0') + digits;
}

std::string ValueText(double value) {
  // The shortest text that reads back as the same double.
  std::array<char, 32> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

std::string ValueText(const std::string& value) {
  std::string text;
  text.reserve(value.size());
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (!NeedsEscape(byte)) {
      text += c;
      continue;
    }
    text += '%';
    text += kHexUpper[byte >> 4U];
    text += kHexUpper[byte & 15U];
  }
  return text;
}

bool ReadValue(std::string_view text, int16_t& value) {
  return TakeIfCanonical(text, WholeNumber<int16_t>(text), value);
}

bool ReadValue(std::string_view text, int32_t& value) {
  return TakeIfCanonical(text, WholeNumber<int32_t>(text), value);
}

bool ReadValue(std::string_view text, bool& value) {
  if (text != "0" && text != "1") return false;
  value = text == "1";
  return true;
}

bool ReadValue(std::string_view text, uint64_t& value) {
  return TakeIfCanonical(text, WholeNumber<uint64_t>(text, 16), value);
}

bool ReadValue(std::string_view text, double& value) {
  double number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(number)) return false;
  return TakeIfCanonical(text, std::optional<double>(number), value);
}

bool ReadValue(std::string_view text, std::string& value) {
  return TakeIfCanonical(text, Unescaped(text), value);
}

}  // namespace winpiruk::kept
