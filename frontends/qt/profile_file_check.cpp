#include "frontends/qt/profile_file_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace quillpad::qt {
namespace {

QString ReasonFor(int error, const QString& path) {
  switch (error) {
    case EACCES:
    case EPERM:
      return QStringLiteral("нет прав на чтение");
    case ENOTDIR:
      return QStringLiteral("на месте папки «%1» лежит файл").arg(QFileInfo(path).absolutePath());
    case ELOOP:
      return QStringLiteral("символические ссылки на него замкнуты в круг");
    default:
      return QString::fromLocal8Bit(std::strerror(error));
  }
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// Reads the whole file, as loading will, so that an I/O error shows now.
std::optional<int> ReadError(int fd) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count == 0) return std::nullopt;
    if (count < 0 && errno != EINTR) return errno;
  }
}

}  // namespace

std::optional<QString> WhyProfileCannotBeRead(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  const Descriptor file(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) {
    if (errno == ENOENT) return std::nullopt;
    return ReasonFor(errno, path);
  }
  struct stat status = {};
  if (::fstat(file.get(), &status) != 0) return ReasonFor(errno, path);
  if (S_ISDIR(status.st_mode)) return QStringLiteral("на месте файла лежит папка");
  if (!S_ISREG(status.st_mode)) return QStringLiteral("это не обычный файл");
  if (const auto error = ReadError(file.get())) return ReasonFor(*error, path);
  return std::nullopt;
}

}  // namespace quillpad::qt
