#include "ui/SingleInstance.h"

#include <unistd.h>

#include <QLocalSocket>

namespace winpiruk {

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), name_(std::move(name)) {
  // The abstract namespace leaves no socket file behind after a crash.
  server_.setSocketOptions(QLocalServer::AbstractNamespaceOption);
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

bool SingleInstance::BecomePrimary() {
  QLocalSocket probe;
  probe.setServerName(name_);
  probe.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
  probe.connectToServer();
  if (probe.waitForConnected(500)) {
    probe.write("raise\n");
    probe.waitForBytesWritten(500);
    probe.disconnectFromServer();
    return false;
  }
  return server_.listen(name_) || true;  // without the socket the game still runs
}

}  // namespace winpiruk
