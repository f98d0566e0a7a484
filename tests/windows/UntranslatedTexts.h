#pragma once
// Every text a window shows that is still written in Japanese, for the
// suites that check a window in English.
#include <QString>
#include <QStringList>

class QWidget;

namespace winpiruk::test {

// True when `text` holds kana (full or half width), kanji or Japanese
// punctuation.
bool HasJapanese(const QString& text);

// The visible texts of `window` and everything in it that hold Japanese:
// titles, labels, buttons, group boxes, tabs, menus and their items, tool
// tips, combo items, the items and headers of lists, tables and trees, and
// the names and descriptions a screen reader speaks. Each entry reads
// "objectName: text".
QStringList UntranslatedTexts(const QWidget& window);

// `found` without the entries that show one of `data` (member names read
// from files and the like, which are never translated).
QStringList WithoutData(const QStringList& found, const QStringList& data);

}  // namespace winpiruk::test
