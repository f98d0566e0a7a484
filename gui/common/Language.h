#pragma once
// The language the program speaks: Japanese, its own, or English. The choice
// is kept in the options file ("Window/Language" = "ja" or "en"); without one
// the desktop's locale decides, Japanese only for a Japanese locale. It takes
// effect at start-up, when the program installs its translation.
#include <QLocale>
#include <QString>
#include <optional>

namespace winpiruk::gui {

enum class Language { Japanese, English };

// The language installed last; Japanese before any.
Language CurrentLanguage();

// "ja" or "en", as the options file keeps it.
QString LanguageCode(Language language);

// The language kept in the options file at `options_file`, if any.
std::optional<Language> StoredLanguage(const QString& options_file);

// The kept choice, or else the one `locale` suggests.
Language ChosenLanguage(const QString& options_file, const QLocale& locale = QLocale::system());

// Keeps `language` in the options file, leaving its other lines alone; false
// when the file could not be written.
bool StoreLanguage(const QString& options_file, Language language);

// Installs the translations for `language`: the program's own English, or
// for Japanese the toolkit's Japanese standard buttons. Also points the
// core's texts at them. Replaces whatever was installed before.
void InstallLanguage(Language language);

}  // namespace winpiruk::gui
