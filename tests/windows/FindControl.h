#pragma once
// Windows keep their controls private: a test finds one by its object name.
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace winpiruk::test {

// The control of type T named `name` inside `window`; a missing one ends the
// suite at once, naming it.
template <typename T>
T* Control(const QObject& window, const char* name) {
  T* found = window.findChild<T*>(QString::fromLatin1(name));
  if (found == nullptr) qFatal("no %s named %s", T::staticMetaObject.className(), name);
  return found;
}

}  // namespace winpiruk::test
