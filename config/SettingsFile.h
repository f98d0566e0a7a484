#pragma once
// The text form of the settings record: the lines "WinPiruk.ini" and the
// rule-set files hold, and the reading of them.
#include <string>
#include <string_view>
#include <vector>

#include "config/Settings.h"

namespace winpiruk {

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

}  // namespace winpiruk
