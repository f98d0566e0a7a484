#pragma once
// What a screen reader and a keyboard-only user find in a window: the
// accessible names of its controls and the order Tab visits them in.
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace winpiruk::test {

// What assistive technology reads for `widget`: its name or its description.
inline QString AccessibleText(QWidget* widget, QAccessible::Text text) {
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
  return spoken == nullptr ? QString() : spoken->text(text);
}

inline QString AccessibleName(QWidget* widget) { return AccessibleText(widget, QAccessible::Name); }
inline QString AccessibleDescription(QWidget* widget) { return AccessibleText(widget, QAccessible::Description); }

// The label a screen reader reads before `widget`, which on Linux is how a
// combo box, named by its value, is told apart.
inline QString LabelledBy(QWidget* widget) {
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
  if (spoken == nullptr) return QString();
  for (const auto& [label, relation] : spoken->relations(QAccessible::Label)) return label->text(QAccessible::Name);
  return QString();
}

// The controls of `window` that Tab can reach, as the window shows them.
// The editor inside a spin box or a combo box belongs to its box.
inline QList<QWidget*> FocusableControls(const QWidget& window) {
  QList<QWidget*> found;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(&window)) continue;
    QWidget* parent = widget->parentWidget();
    if (qobject_cast<QAbstractSpinBox*>(parent) || qobject_cast<QComboBox*>(parent)) continue;
    found << widget;
  }
  return found;
}

// Each focusable control of `window` that a screen reader would read with no
// name, by object name and class: empty when every one has a name.
inline QStringList NamelessControls(const QWidget& window) {
  QStringList nameless;
  for (QWidget* widget : FocusableControls(window)) {
    if (AccessibleName(widget).trimmed().isEmpty()) {
      nameless << widget->objectName() + QLatin1Char('/') + QLatin1String(widget->metaObject()->className());
    }
  }
  return nameless;
}

// The object names of the controls Tab visits in the shown, active
// `window`, from `first` on, `count` of them.
inline QStringList TabOrder(QWidget* first, int count) {
  first->setFocus(Qt::TabFocusReason);
  QStringList visited;
  for (int i = 0; i < count; ++i) {
    QWidget* focused = QApplication::focusWidget();
    visited << (focused == nullptr ? QString() : focused->objectName());
    if (focused == nullptr) break;
    QTest::keyClick(focused, Qt::Key_Tab);
  }
  return visited;
}

}  // namespace winpiruk::test
