#pragma once
// The values of the kept match file as text: numbers in decimal, flags as 0
// and 1, the random state as sixteen hexadecimal digits, texts with the
// bytes that would break a line or a list escaped as %XX, arrays as their
// values between commas. A value reads back only from exactly the text
// written for it, so that a file changed by damage is never read as another
// value.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace winpiruk::kept {

std::string ValueText(int16_t value);
std::string ValueText(int32_t value);
std::string ValueText(bool value);
std::string ValueText(uint64_t value);
std::string ValueText(double value);
std::string ValueText(const std::string& value);

// Each false when the text is not one ValueText writes; the value is then
// left as it was.
bool ReadValue(std::string_view text, int16_t& value);
bool ReadValue(std::string_view text, int32_t& value);
bool ReadValue(std::string_view text, bool& value);
bool ReadValue(std::string_view text, uint64_t& value);
bool ReadValue(std::string_view text, double& value);
bool ReadValue(std::string_view text, std::string& value);

// An enumeration as its number; whether it names one of its values is for
// the checks of the match to say.
template <typename E>
  requires std::is_enum_v<E>
std::string ValueText(E value) {
  return ValueText(static_cast<std::underlying_type_t<E>>(value));
}

template <typename E>
  requires std::is_enum_v<E>
bool ReadValue(std::string_view text, E& value) {
  std::underlying_type_t<E> number{};
  if (!ReadValue(text, number)) return false;
  value = static_cast<E>(number);
  return true;
}

template <typename T, std::size_t N>
std::string ValueText(const std::array<T, N>& values) {
  std::string text;
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) text += ',';
    text += ValueText(values[i]);
  }
  return text;
}

// Exactly N values; an escaped text holds no comma of its own.
template <typename T, std::size_t N>
bool ReadValue(std::string_view text, std::array<T, N>& values) {
  std::array<T, N> read{};
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t comma = text.find(',');
    const bool last = i + 1 == N;
    if (last != (comma == std::string_view::npos)) return false;
    if (!ReadValue(text.substr(0, comma), read[i])) return false;
    text.remove_prefix(last ? text.size() : comma + 1);
  }
  values = read;
  return true;
}

}  // namespace winpiruk::kept
