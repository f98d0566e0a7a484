// Any bytes as a settings file: the reader must end with a record that the
// writer can write and whose file reads back without a bad value.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace winpiruk;
  Settings settings = DefaultSettings("/usr/share/winpiruk");
  ApplySettingsText(std::string_view(reinterpret_cast<const char*>(data), size), settings);
  const std::string written = EncodeSettingsFile(settings);
  Settings again = DefaultSettings("/usr/share/winpiruk");
  const SettingsReadResult reread = ApplySettingsText(written, again);
  if (reread.needs_rewrite) std::abort();
  return 0;
}
