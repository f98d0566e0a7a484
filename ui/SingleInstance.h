#pragma once
// One copy of the program per user: the start that claims a local socket
// name runs; any other asks it to raise its window and exits.
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
  // Whether this process holds the name, so that no other copy can be
  // saving beside it (a copy that runs without the name is not sure of it).
  bool HoldsName() const { return server_.isListening(); }

  static QString NameForCurrentUser();

 signals:
  void RaiseRequested();

 private:
  bool AskRunningCopyToRaise() const;

  QString name_;
  QLocalServer server_;
};

}  // namespace winpiruk
