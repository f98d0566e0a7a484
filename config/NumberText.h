#pragma once
// How numbers become text and text becomes numbers in every file and label
// of the program.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace winpiruk {

// " 8" for eight, "-12" for minus twelve: one blank stands where the sign of
// a negative number would.
std::string NumberText(long long n);

// The numeric prefix of a text, read like a decimal literal: blanks, tabs and
// line feeds are skipped wherever they occur, then an optional sign, digits,
// an optional fraction and exponent; "&H" and "&O" start hexadecimal and
// octal numbers (16-bit when they fit, else 32-bit, two's complement). No
// digits gives 0. A value too large for a double comes back as infinity.
double NumericPrefix(std::string_view text);

// Rounds halves to even; empty when the result does not fit.
std::optional<int16_t> RoundToInt16(double value);
std::optional<int32_t> RoundToInt32(double value);

// Saturating conversion for counters and scores: never wraps.
int16_t SaturateInt16(long long value);

}  // namespace winpiruk
