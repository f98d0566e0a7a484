#include "ui/SingleInstance.h"

#include <unistd.h>

#include <QLocalSocket>

namespace winpiruk {

SingleInstance::SingleInstance(QString name, QString user_name, QObject* parent)
    : QObject(parent), name_(std::move(name)), user_name_(std::move(user_name)) {
  // The abstract namespace leaves no socket file behind after a crash.
  server_.setSocketOptions(QLocalServer::AbstractNamespaceOption);
  user_claim_.setSocketOptions(QLocalServer::AbstractNamespaceOption);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* peer = server_.nextPendingConnection()) {
      connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
        if (peer->readAll().startsWith("raise")) emit RaiseRequested();
        peer->disconnectFromServer();
      });
      connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
    }
  });
}

QString SingleInstance::NameForCurrentUser() {
  return QStringLiteral("winpiruk-%1").arg(static_cast<qulonglong>(::getuid()));
}

QString SingleInstance::NameForCurrentSession() {
  return SessionName(NameForCurrentUser(), qEnvironmentVariable("WAYLAND_DISPLAY"), qEnvironmentVariable("DISPLAY"));
}

QString SingleInstance::SessionName(const QString& user_name, const QString& wayland_display,
                                    const QString& x_display) {
  const QString display = !wayland_display.isEmpty() ? wayland_display : x_display;
  // A display may be a path ("/run/user/1000/wayland-0"); keep the name one
  // plain word, whatever the variable holds.
  QString word;
  for (const QChar c : display) word += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QChar(u'_');
  return user_name + QStringLiteral("-") + (word.isEmpty() ? QStringLiteral("nodisplay") : word);
}

bool SingleInstance::BecomePrimary() {
  // Only one process can listen on the name, so claiming it is the test:
  // two copies started at the same moment cannot both win.
  if (!server_.listen(name_)) {
    if (AskRunningCopyToRaise()) return false;
    // Nobody answers on the name: its holder was just ending. The game runs,
    // with the socket when the name is free by now, else without it.
    server_.listen(name_);
  }
  if (!user_name_.isEmpty()) user_claim_.listen(user_name_);
  return true;
}

bool SingleInstance::AskRunningCopyToRaise() const {
  QLocalSocket running;
  running.setServerName(name_);
  running.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
  running.connectToServer();
  if (!running.waitForConnected(500)) return false;
  running.write("raise\n");
  running.waitForBytesWritten(500);
  running.disconnectFromServer();
  return true;
}

}  // namespace winpiruk
