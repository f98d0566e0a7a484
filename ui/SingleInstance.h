#pragma once
// One copy of the program per user: the start that claims a local socket
// name runs; any other asks it to raise its window and exits. A plain
// socket in the abstract namespace: it leaves no file behind after a crash
// and needs no network library loaded at start-up.
#include <QObject>
#include <QString>
#include <memory>

class QSocketNotifier;

namespace winpiruk {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(QString name, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this process is the first; otherwise the running copy has
  // been asked to raise its window.
  bool BecomePrimary();
  // Whether this process holds the name, so that no other copy can be
  // saving beside it (a copy that runs without the name is not sure of it).
  bool HoldsName() const { return listener_ >= 0; }

  static QString NameForCurrentUser();

 signals:
  void RaiseRequested();

 private:
  bool Listen();
  void AcceptPeers();
  bool AskRunningCopyToRaise() const;

  QString name_;
  int listener_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace winpiruk
