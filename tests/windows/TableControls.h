#pragma once
// The table's controls found by their objectNames, for the window tests.
#include <QAction>
#include <QMenu>
#include <QObject>
#include <QTimer>

namespace winpiruk::test {

template <typename T>
T* Named(const QObject& window, const char* name) {
  T* child = window.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qFatal("the table has no %s", name);
  return child;
}
inline QAction* Action(const QObject& window, const char* name) { return Named<QAction>(window, name); }
inline QMenu* Menu(const QObject& window, const char* name) { return Named<QMenu>(window, name); }
inline QTimer* TimeLimit(const QObject& window) { return Named<QTimer>(window, "timeLimitTimer"); }

}  // namespace winpiruk::test
