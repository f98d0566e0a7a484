#pragma once
// One copy of the program per user: the first start listens on a local
// socket; a second start asks it to raise its window and exits.
#include <QLocalServer>
#include <QObject>
#include <QString>

namespace winpiruk {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(QString name, QObject* parent = nullptr);

  // True when this process is the first; otherwise the running copy has
  // been asked to raise its window.
  bool BecomePrimary();

  static QString NameForCurrentUser();

 signals:
  void RaiseRequested();

 private:
  QString name_;
  QLocalServer server_;
};

}  // namespace winpiruk
