// Any bytes as a settings file: the record the reader ends with must be
// written so that it reads back without a bad value as the same record (its
// texts as CP932 keeps them, its music list without the empty entries the
// writer leaves out), and rewrites to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/SettingsFile.h"
#include "config/ShiftJis.h"

namespace {

using namespace winpiruk;

void Check(bool ok) {
  if (!ok) std::abort();
}

std::string ThroughCp932(const std::string& text) { return Cp932ToUtf8(Utf8ToCp932(text)); }

// The record as its file can hold it.
Settings AsWritten(Settings s) {
  for (std::string* t : {&s.DataFileDirectory, &s.GameWallPaper, &s.PirukSound, &s.PirukGaeshiSound,
                         &s.InitialSound, &s.CardOverSound, &s.NoGameSound, &s.GameOverSound, &s.CardOperateSound}) {
    *t = ThroughCp932(*t);
  }
  Settings kept_music = s;
  kept_music.BgmList = {};
  kept_music.BgmCount = 0;
  for (int slot = 1; slot <= s.BgmCount; ++slot) {
    if (s.BgmList[slot].find_first_not_of(' ') == std::string::npos) continue;
    kept_music.BgmList[++kept_music.BgmCount] = ThroughCp932(s.BgmList[slot]);
  }
  return kept_music;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Settings first = DefaultSettings("/usr/share/winpiruk");
  ApplySettingsText(std::string_view(reinterpret_cast<const char*>(data), size), first);
  const std::string written = EncodeSettingsFile(first);
  Settings again = DefaultSettings("/elsewhere");
  Check(!ApplySettingsText(written, again).needs_rewrite);
  Check(again == AsWritten(first));
  Check(EncodeSettingsFile(again) == written);
  return 0;
}
