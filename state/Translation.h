#pragma once
// The core's texts pass through one hook so that the windows can show them in
// the user's language while the core itself stays free of any toolkit. With no
// hook set every text is its Japanese source, byte for byte: the runner, the
// analyser and the tests see exactly that.
#include <initializer_list>
#include <string>
#include <string_view>

namespace winpiruk {

// Turns a source text of `context` into the shown text (UTF-8). It may be
// called from any thread.
using TranslationHook = std::string (*)(const char* context, const char* source);

// nullptr puts back the identity.
void SetTranslationHook(TranslationHook hook);

// The shown text for `source`; both are string literals so that the
// translation tools find them.
std::string Tr(const char* context, const char* source);

// Marks a source text that sits in a table for the translation tools; it is
// translated where it is shown, with Tr(context, text).
constexpr const char* TrNoop(const char* /*context*/, const char* source) { return source; }

// `pattern` with "%1".."%9" replaced by the values in order; any other "%"
// stays as it is. Translated patterns may put the values in another order.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace winpiruk
