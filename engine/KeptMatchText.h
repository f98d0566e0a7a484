#pragma once
// The kept match file's text read back into a match: its header, its
// fields and its checksum, before any check of what the values mean.
#include <string_view>

#include "engine/KeptMatch.h"

namespace winpiruk::kept {

// The match the text holds, or why it holds none: OtherVersion for the
// header of another version, Damaged for anything but a whole file as
// KeptMatchText writes it.
KeptMatchReading ParseKeptMatchText(std::string_view text);

// FNV-1a, 64 bits: what the last line of the file holds of all before it.
uint64_t TextChecksum(std::string_view text);

}  // namespace winpiruk::kept
