#pragma once
// One table per desktop session: the start that claims the session's local
// socket name runs; any other start in that session asks it to raise its
// window and exits. A user logged in twice (or a test on its own X server)
// runs one table in each session. A plain socket in the abstract namespace:
// it leaves no file behind after a crash and needs no network library
// loaded at start-up.
#include <QObject>
#include <QString>
#include <memory>

class QSocketNotifier;

namespace winpiruk {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // `name` is the session's name; `user_name`, when given, is claimed as
  // well by the first copy of the user's sessions.
  explicit SingleInstance(QString name, QString user_name = {}, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this process is the first; otherwise the running copy has
  // been asked to raise its window.
  bool BecomePrimary();
  // Whether this process is the only copy of the user's, so that no other
  // copy can be saving beside it (a copy that runs without the user's name,
  // or beside a copy of another session, is not sure of it).
  bool HoldsName() const { return listener_ >= 0 && (user_name_.isEmpty() || user_claim_ >= 0); }

  static QString NameForCurrentUser();
  // The user's name and the display of the session: WAYLAND_DISPLAY, else
  // DISPLAY.
  static QString NameForCurrentSession();
  static QString SessionName(const QString& user_name, const QString& wayland_display, const QString& x_display);

 signals:
  void RaiseRequested();

 private:
  bool Listen();
  void AcceptPeers();
  bool AskRunningCopyToRaise() const;

  QString name_;
  QString user_name_;
  int listener_ = -1;
  int user_claim_ = -1;  // bound to the user's name, never asked
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace winpiruk
