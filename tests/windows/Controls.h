#pragma once
// A window's controls found by their object names, as a user finds them by
// sight, rather than through members the window keeps to itself.
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace winpiruk::test {

// The control of type T named `name` anywhere inside `window`. A missing
// one ends the test run at once, naming it, rather than crashing later.
template <typename T>
T* Control(const QObject& window, const QString& name) {
  T* found = window.findChild<T*>(name);
  if (found == nullptr) {
    qFatal("%s has no %s named %s", qPrintable(window.objectName()), T::staticMetaObject.className(),
           qPrintable(name));
  }
  return found;
}

template <typename T>
T* Control(const QObject* window, const QString& name) {
  return Control<T>(*window, name);
}

}  // namespace winpiruk::test
