#include "frontends/qt/settings_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QList>
#include <QLockFile>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace quillpad::qt {
namespace {

// A lock file records five short lines; anything longer is not one.
constexpr qsizetype kLockFileLimit = 4096;
constexpr unsigned long kPollMilliseconds = 50;

bool ProcessExists(qint64 pid) {
  if (pid <= 0 || pid != static_cast<pid_t>(pid)) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

// The contents of a regular lock file; nothing when it cannot be read. A lock in another
// user's folder may be anything: nothing here waits on it or follows a link from it.
std::optional<QByteArray> ReadLockFile(const QByteArray& native) {
  const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  QByteArray contents(kLockFileLimit, Qt::Uninitialized);
  struct stat status = {};
  ssize_t count = -1;
  if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
    do {
      count = ::read(fd, contents.data(), static_cast<size_t>(contents.size()));
    } while (count < 0 && errno == EINTR);
  }
  ::close(fd);
  if (count < 0) return std::nullopt;
  contents.truncate(count);
  return contents;
}

QString RemovalFailure(const QString& lock_path, int error) {
  const QString why = error == EACCES || error == EPERM || error == EROFS
                          ? QStringLiteral("нет прав на запись в его папку")
                          : QString::fromLocal8Bit(std::strerror(error));
  return QStringLiteral("устаревший файл блокировки «%1» не удалось удалить: %2")
      .arg(lock_path, why);
}

enum class Removal { kRemoved, kLeft };

// Removes a stale lock unless it changed since it was judged: two copies that judge it at
// once must not remove the fresh lock the first of them then takes.
std::optional<QString> RemoveStaleLock(const QString& lock_path, const QByteArray& judged,
                                       Removal& result) {
  result = Removal::kLeft;
  QLockFile guard(lock_path + QStringLiteral(".rmlock"));
  if (!guard.tryLock(0)) return std::nullopt;
  const QByteArray native = QFile::encodeName(lock_path);
  if (ReadLockFile(native) != judged) return std::nullopt;
  if (::unlink(native.constData()) != 0 && errno != ENOENT) return RemovalFailure(lock_path, errno);
  result = Removal::kRemoved;
  return std::nullopt;
}

}  // namespace

Machine Machine::This() {
  return {QSysInfo::machineHostName(), QSysInfo::machineUniqueId(), QSysInfo::bootUniqueId()};
}

std::optional<LockOwner> ParseLockFile(const QByteArray& contents) {
  if (!contents.endsWith('\n')) return std::nullopt;
  const QList<QByteArray> lines = contents.first(contents.size() - 1).split('\n');
  bool number = false;
  const qint64 pid = lines.value(0).toLongLong(&number);
  if (!number || pid <= 0) return std::nullopt;
  return LockOwner{pid, QString::fromUtf8(lines.value(1)), QString::fromUtf8(lines.value(2)),
                   lines.value(3), lines.value(4)};
}

bool SameMachine(const LockOwner& owner, const Machine& here) {
  if (!owner.host_id.isEmpty() && !here.host_id.isEmpty()) return owner.host_id == here.host_id;
  return owner.host_name.isEmpty() || owner.host_name == here.host_name;
}

bool ProvenStale(const LockOwner& owner, const Machine& here, bool process_exists) {
  if (!SameMachine(owner, here)) return false;
  if (!owner.boot_id.isEmpty() && !here.boot_id.isEmpty() && owner.boot_id != here.boot_id)
    return true;
  return !process_exists;
}

QString WhyLockIsHeld(const QString& lock_path, const std::optional<LockOwner>& owner,
                      const Machine& here) {
  if (!owner) {
    return QStringLiteral(
               "его файл блокировки «%1» оставлен неизвестно кем; если другие копии Quillpad не "
               "работают, удалите этот файл")
        .arg(lock_path);
  }
  if (!SameMachine(*owner, here)) {
    return QStringLiteral(
               "его файл блокировки «%1» держит программа на другом компьютере («%2»); если она "
               "там не работает, удалите этот файл")
        .arg(lock_path, owner->host_name);
  }
  const QString process = owner->program.isEmpty()
                              ? QString::number(owner->pid)
                              : QStringLiteral("%1 (%2)").arg(owner->pid).arg(owner->program);
  return QStringLiteral("его файл блокировки «%1» держит работающий процесс %2")
      .arg(lock_path, process);
}

std::optional<QString> FreeSettingsLock(const QString& lock_path,
                                        std::chrono::milliseconds patience) {
  const QByteArray native = QFile::encodeName(lock_path);
  const Machine here = Machine::This();
  const QDeadlineTimer deadline(patience);
  for (;;) {
    struct stat status = {};
    if (::lstat(native.constData(), &status) != 0) return std::nullopt;
    if (S_ISDIR(status.st_mode)) {
      return QStringLiteral("на месте его файла блокировки «%1» лежит папка").arg(lock_path);
    }
    if (!S_ISREG(status.st_mode)) {
      return QStringLiteral("на месте его файла блокировки «%1» лежит не обычный файл")
          .arg(lock_path);
    }
    const auto contents = ReadLockFile(native);
    const auto owner = contents ? ParseLockFile(*contents) : std::nullopt;
    const bool stale = owner && ProvenStale(*owner, here, ProcessExists(owner->pid));
    if (stale) {
      Removal removal = Removal::kLeft;
      if (auto failure = RemoveStaleLock(lock_path, *contents, removal)) return failure;
      if (removal == Removal::kRemoved) continue;
    }
    if (deadline.hasExpired()) {
      if (!stale) return WhyLockIsHeld(lock_path, owner, here);
      return QStringLiteral(
                 "его устаревший файл блокировки «%1» не удалось удалить: мешает файл «%1.rmlock»")
          .arg(lock_path);
    }
    QThread::msleep(kPollMilliseconds);
  }
}

}  // namespace quillpad::qt
