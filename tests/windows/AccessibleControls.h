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
#include <initializer_list>

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

// Every nameless control of `windows`, each as "window: object/class";
// empty when every one has a name.
inline QString NamelessControlsOf(std::initializer_list<QWidget*> windows) {
  QStringList found;
  for (QWidget* window : windows) {
    for (const QString& control : NamelessControls(*window)) found << window->objectName() + QStringLiteral(": ") + control;
  }
  return found.join(QStringLiteral(", "));
}

// A control and what a screen reader should read for it; a null
// description is not checked.
struct SpokenControl {
  QWidget* window;
  const char* control;
  QString name;
  QString description;
};

// The controls read otherwise than `expected` says, with what is read;
// empty when each reads as expected.
inline QString MisreadControls(std::initializer_list<SpokenControl> expected) {
  QStringList misread;
  for (const SpokenControl& spoken : expected) {
    QWidget* control = spoken.window->findChild<QWidget*>(QString::fromLatin1(spoken.control));
    const QString name = control == nullptr ? QStringLiteral("(missing)") : AccessibleName(control);
    const QString description = control == nullptr ? QString() : AccessibleDescription(control);
    if (name != spoken.name || (!spoken.description.isNull() && description != spoken.description)) {
      misread << QString::fromLatin1(spoken.control) + QStringLiteral(" reads \"") + name + QStringLiteral("\" / \"") +
                     description + QLatin1Char('"');
    }
  }
  return misread.join(QStringLiteral(", "));
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
