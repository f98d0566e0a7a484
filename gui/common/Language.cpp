#include "gui/common/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <memory>

#include "state/Translation.h"

namespace winpiruk::gui {
namespace {

const QString kLanguageKey = QStringLiteral("Window/Language");

// The program's English, built into its resources.
const QString kEnglishTranslation = QStringLiteral(":/i18n/winpiruk_en.qm");

Language current_language = Language::Japanese;
std::unique_ptr<QTranslator> installed;

std::string TranslateForCore(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}

std::unique_ptr<QTranslator> LoadTranslator(Language language) {
  auto translator = std::make_unique<QTranslator>();
  const bool loaded =
      language == Language::English
          ? translator->load(kEnglishTranslation)
          // The standard buttons read はい / いいえ / キャンセル.
          : translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return loaded ? std::move(translator) : nullptr;
}

}  // namespace

Language CurrentLanguage() { return current_language; }

QString LanguageCode(Language language) {
  return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

std::optional<Language> StoredLanguage(const QString& options_file) {
  const QSettings file(options_file, QSettings::IniFormat);
  const QString code = file.value(kLanguageKey).toString().trimmed().toLower();
  if (code == LanguageCode(Language::Japanese)) return Language::Japanese;
  if (code == LanguageCode(Language::English)) return Language::English;
  return std::nullopt;
}

Language ChosenLanguage(const QString& options_file, const QLocale& locale) {
  if (const std::optional<Language> stored = StoredLanguage(options_file)) return *stored;
  return locale.language() == QLocale::Japanese ? Language::Japanese : Language::English;
}

bool StoreLanguage(const QString& options_file, Language language) {
  QSettings file(options_file, QSettings::IniFormat);
  file.setValue(kLanguageKey, LanguageCode(language));
  file.sync();
  return file.status() != QSettings::AccessError;
}

void InstallLanguage(Language language) {
  if (installed) QCoreApplication::removeTranslator(installed.get());
  installed = LoadTranslator(language);
  if (installed) QCoreApplication::installTranslator(installed.get());
  current_language = language;
  SetTranslationHook(&TranslateForCore);
}

}  // namespace winpiruk::gui
