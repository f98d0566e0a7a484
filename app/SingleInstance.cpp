#include "app/SingleInstance.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstddef>
#include <cstring>

namespace winpiruk {
namespace {

constexpr int kAnswerWithinMs = 500;
constexpr int kClaimAttempts = 20;
constexpr useconds_t kClaimRetryUs = 10000;

struct Address {
  sockaddr_un address{};
  socklen_t length = 0;
};

// The name in the abstract namespace (a leading zero byte, no file).
Address AddressOf(const QString& name) {
  Address result;
  result.address.sun_family = AF_UNIX;
  const QByteArray bytes = name.toUtf8().left(static_cast<int>(sizeof(result.address.sun_path)) - 1);
  std::memcpy(result.address.sun_path + 1, bytes.constData(), static_cast<size_t>(bytes.size()));
  result.length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + static_cast<size_t>(bytes.size()));
  return result;
}

int NewSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0); }

// Binds a socket to `name`; -1 when another process holds it.
int Claim(const QString& name) {
  const int fd = NewSocket();
  if (fd < 0) return -1;
  const Address address = AddressOf(name);
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address.address), address.length) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

SingleInstance::SingleInstance(QString name, QString user_name, QObject* parent)
    : QObject(parent), name_(std::move(name)), user_name_(std::move(user_name)) {}

SingleInstance::~SingleInstance() {
  notifier_.reset();
  if (listener_ >= 0) ::close(listener_);
  if (user_claim_ >= 0) ::close(user_claim_);
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
  // Only one process can bind the name, so claiming it is the test: two
  // copies started at the same moment cannot both win.
  // A name that is taken but refuses the call has a holder between binding
  // and listening, or one that is ending: ask again for a moment before
  // deciding, or two copies started together could both run.
  bool claimed = Listen();
  for (int attempt = 0; !claimed && attempt < kClaimAttempts; ++attempt) {
    if (AskRunningCopyToRaise()) return false;
    ::usleep(kClaimRetryUs);
    claimed = Listen();
  }
  // Still nobody answers: the game runs without the socket.
  if (!user_name_.isEmpty()) user_claim_ = Claim(user_name_);
  return true;
}

bool SingleInstance::Listen() {
  const int fd = NewSocket();
  if (fd < 0) return false;
  const Address address = AddressOf(name_);
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address.address), address.length) != 0 || ::listen(fd, 8) != 0) {
    ::close(fd);
    return false;
  }
  listener_ = fd;
  notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &SingleInstance::AcceptPeers);
  return true;
}

void SingleInstance::AcceptPeers() {
  int peer = -1;
  while ((peer = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
    auto* reader = new QSocketNotifier(peer, QSocketNotifier::Read, this);
    connect(reader, &QSocketNotifier::activated, this, [this, reader, peer] {
      char message[16] = {};
      const ssize_t got = ::recv(peer, message, sizeof(message) - 1, 0);
      if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
      if (got > 0 && std::strncmp(message, "raise", 5) == 0) emit RaiseRequested();
      reader->setEnabled(false);
      reader->deleteLater();
      ::close(peer);
    });
  }
}

bool SingleInstance::AskRunningCopyToRaise() const {
  const int fd = NewSocket();
  if (fd < 0) return false;
  const Address address = AddressOf(name_);
  bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address.address), address.length) == 0;
  if (!connected && errno == EAGAIN) {
    // The running copy's queue is full for the moment: wait for room.
    pollfd wait{fd, POLLOUT, 0};
    int error = 0;
    socklen_t size = sizeof(error);
    connected = ::poll(&wait, 1, kAnswerWithinMs) == 1 &&
                ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
  }
  if (connected) {
    static const char kRaise[] = "raise\n";
    pollfd wait{fd, POLLOUT, 0};
    if (::poll(&wait, 1, kAnswerWithinMs) == 1) ::send(fd, kRaise, sizeof(kRaise) - 1, MSG_NOSIGNAL);
  }
  ::close(fd);
  return connected;
}

}  // namespace winpiruk
