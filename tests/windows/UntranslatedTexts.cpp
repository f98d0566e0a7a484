#include "UntranslatedTexts.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QWidget>
#include <algorithm>

namespace winpiruk::test {
namespace {

bool IsJapanese(char32_t c) {
  return (c >= 0x3001 && c <= 0x30FF) ||  // punctuation, brackets, hiragana, katakana
         (c >= 0x3400 && c <= 0x9FFF) ||  // kanji
         (c >= 0xFF61 && c <= 0xFF9F);    // half-width kana
}

class Collector {
 public:
  void Add(const QObject& where, const QString& text) {
    if (HasJapanese(text)) found_ << where.objectName() + QStringLiteral(": ") + text;
  }

  void AddWidget(const QWidget& w) {
    Add(w, w.windowTitle());
    Add(w, w.toolTip());
    Add(w, w.accessibleName());
    Add(w, w.accessibleDescription());
    if (const auto* label = qobject_cast<const QLabel*>(&w)) Add(w, label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) Add(w, button->text());
    if (const auto* group = qobject_cast<const QGroupBox*>(&w)) Add(w, group->title());
    if (const auto* edit = qobject_cast<const QLineEdit*>(&w)) Add(w, edit->placeholderText());
    if (const auto* tabs = qobject_cast<const QTabBar*>(&w)) {
      for (int i = 0; i < tabs->count(); ++i) {
        Add(w, tabs->tabText(i));
        Add(w, tabs->tabToolTip(i));
      }
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&w)) {
      for (int i = 0; i < combo->count(); ++i) Add(w, combo->itemText(i));
    }
    if (const auto* view = qobject_cast<const QAbstractItemView*>(&w); view && view->model()) {
      AddModel(w, *view->model(), QModelIndex());
    }
    // Menus and menu bars hold their items as actions.
    for (const QAction* action : w.actions()) {
      Add(*action, action->text());
      Add(*action, action->toolTip());
    }
  }

  QStringList found() const { return found_; }

 private:
  void AddModel(const QObject& where, const QAbstractItemModel& model, const QModelIndex& parent) {
    if (!parent.isValid()) {
      for (int c = 0; c < model.columnCount(); ++c) Add(where, model.headerData(c, Qt::Horizontal).toString());
    }
    for (int r = 0; r < model.rowCount(parent); ++r) {
      for (int c = 0; c < model.columnCount(parent); ++c) {
        const QModelIndex index = model.index(r, c, parent);
        Add(where, index.data(Qt::DisplayRole).toString());
        Add(where, index.data(Qt::ToolTipRole).toString());
        if (c == 0 && model.hasChildren(index)) AddModel(where, model, index);
      }
    }
  }

  QStringList found_;
};

}  // namespace

bool HasJapanese(const QString& text) {
  for (const char32_t c : text.toUcs4()) {
    if (IsJapanese(c)) return true;
  }
  return false;
}

QStringList UntranslatedTexts(const QWidget& window) {
  Collector collector;
  collector.AddWidget(window);
  for (const QWidget* child : window.findChildren<QWidget*>()) collector.AddWidget(*child);
  return collector.found();
}

QStringList WithoutData(const QStringList& found, const QStringList& data) {
  QStringList kept;
  for (const QString& entry : found) {
    const QString text = entry.mid(entry.indexOf(QStringLiteral(": ")) + 2);
    const bool shows_data =
        std::any_of(data.begin(), data.end(), [&text](const QString& d) { return !d.isEmpty() && text.contains(d); });
    if (!shows_data) kept << entry;
  }
  return kept;
}

}  // namespace winpiruk::test
