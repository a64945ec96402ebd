#include "frontends/qt/local_socket.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#include <utility>

namespace quillpad::qt {
namespace {

// False for a name too long for a socket's address.
bool AddressOf(const QString& name, sockaddr_un& address) {
  const QByteArray path = QFile::encodeName(name);
  address = {};
  address.sun_family = AF_UNIX;
  if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof(address.sun_path)) {
    return false;
  }
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  return true;
}

const sockaddr* Generic(const sockaddr_un& address) {
  return reinterpret_cast<const sockaddr*>(&address);
}

}  // namespace

LocalSocket::~LocalSocket() {
  if (valid()) ::close(descriptor_);
}

LocalSocket::LocalSocket(LocalSocket&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

LocalSocket& LocalSocket::operator=(LocalSocket&& other) noexcept {
  std::swap(descriptor_, other.descriptor_);
  return *this;
}

LocalSocket LocalSocket::Connect(const QString& name, int wait_ms) {
  sockaddr_un address;
  if (!AddressOf(name, address)) return {};
  LocalSocket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!socket.valid()) return {};
  const timeval wait{wait_ms / 1000, (wait_ms % 1000) * 1000};
  ::setsockopt(socket.descriptor_, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
  ::setsockopt(socket.descriptor_, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  if (::connect(socket.descriptor_, Generic(address), sizeof address) != 0) return {};
  return socket;
}

LocalSocket LocalSocket::Listen(const QString& name) {
  sockaddr_un address;
  if (!AddressOf(name, address)) return {};
  LocalSocket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (!socket.valid()) return {};
  ::unlink(address.sun_path);
  if (::bind(socket.descriptor_, Generic(address), sizeof address) != 0 ||
      ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 ||
      ::listen(socket.descriptor_, SOMAXCONN) != 0) {
    return {};
  }
  return socket;
}

LocalSocket LocalSocket::Accept() const {
  int accepted;
  do {
    accepted = ::accept4(descriptor_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
  } while (accepted < 0 && errno == EINTR);
  return LocalSocket(accepted);
}

bool LocalSocket::Send(const QByteArray& bytes) const {
  qsizetype sent = 0;
  while (sent < bytes.size()) {
    const ssize_t now = ::send(descriptor_, bytes.constData() + sent,
                               static_cast<std::size_t>(bytes.size() - sent), MSG_NOSIGNAL);
    if (now < 0 && errno == EINTR) continue;
    if (now <= 0) return false;
    sent += now;
  }
  return true;
}

LocalSocket::Received LocalSocket::Receive(QByteArray& into) const {
  char buffer[512];
  ssize_t now;
  do {
    now = ::recv(descriptor_, buffer, sizeof buffer, 0);
  } while (now < 0 && errno == EINTR);
  if (now > 0) {
    into.append(buffer, now);
    return Received::kData;
  }
  if (now < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return Received::kNothingYet;
  return Received::kEnded;
}

}  // namespace quillpad::qt
