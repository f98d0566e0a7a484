#include "state/Translation.h"

#include <atomic>

namespace winpiruk {
namespace {

std::atomic<TranslationHook> hook_in_use{nullptr};

}  // namespace

void SetTranslationHook(TranslationHook hook) { hook_in_use.store(hook); }

std::string Tr(const char* context, const char* source) {
  const TranslationHook hook = hook_in_use.load();
  return hook == nullptr ? std::string(source) : hook(context, source);
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
  const std::string_view* given = values.begin();
  std::string filled;
  filled.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                        pattern[i + 1] <= '9';
    const std::size_t index = marker ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
    if (index < values.size()) {
      filled += given[index];
      ++i;
    } else {
      filled += pattern[i];
    }
  }
  return filled;
}

}  // namespace winpiruk
