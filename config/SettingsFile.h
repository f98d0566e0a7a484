#pragma once
// The text form of the settings record: the lines "WinPiruk.ini" and the
// rule-set files hold, and the reading of them.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/Settings.h"

namespace winpiruk {

// A text value (a path) keeps at most this many bytes of UTF-8, the most a
// path may hold here (PATH_MAX); the rest of a longer line is not read.
inline constexpr size_t kSettingsTextBytes = 4096;
// What is kept of a line before it is read: the longest key with its "=",
// then the longest text value.
inline constexpr size_t kSettingsLineBytes = 64 + kSettingsTextBytes;

// The lines in file order (UTF-8, no line ends).
std::vector<std::string> SettingsLines(const Settings& settings);

// The lines as the file holds them: CP932, every line ended by CR LF.
std::string EncodeSettingsFile(const Settings& settings);

struct SettingsReadResult {
  // A value did not fit its field; that line was skipped and the file
  // should be written once from the record.
  bool needs_rewrite = false;
  bool card_kind_read = false;
  bool bgm_read = false;
};

// Applies every line of a settings file (raw bytes, any line ends) to the
// record, as described for the file: keys anywhere, the last one wins.
// Starts with an empty music list; never fails.
SettingsReadResult ApplySettingsText(std::string_view file_bytes, Settings& settings);

// The same, reading the file line by line; empty when it cannot be opened
// or read, and the record is then left as it was.
std::optional<SettingsReadResult> ApplySettingsFile(const std::string& path, Settings& settings);

}  // namespace winpiruk
