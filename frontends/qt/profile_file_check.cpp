#include "frontends/qt/profile_file_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>

#include "frontends/qt/qt_text.h"

namespace quillpad::qt {
namespace {

StoreFailure ReasonFor(int error, const QString& path) {
  switch (error) {
    case EACCES:
    case EPERM:
      return {StoreProblem::kNoReadPermission};
    case ENOTDIR: {
      const QString file = FileInPlaceOfFolder(path);
      return {StoreProblem::kFileInPlaceOfFolder,
              FromQString(file.isEmpty() ? QFileInfo(path).absolutePath() : file)};
    }
    case ELOOP:
      return {StoreProblem::kLinkLoop};
    default:
      return {
          StoreProblem::kSystem, {}, {}, FromQString(QString::fromLocal8Bit(std::strerror(error)))};
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

// The lines of an INI file, section by section, each section's lines sorted; blank lines
// are left out. The store orders its entries as it likes, so order alone tells nothing.
std::map<QByteArray, QList<QByteArray>> Entries(const QByteArray& contents) {
  std::map<QByteArray, QList<QByteArray>> sections;
  QByteArray section;
  for (const QByteArray& line : contents.split('\n')) {
    if (line.isEmpty()) continue;
    if (line.startsWith('[')) {
      section = line;
      sections[section];
      continue;
    }
    sections[section].append(line);
  }
  for (auto& [name, lines] : sections) std::sort(lines.begin(), lines.end());
  return sections;
}

// A private folder for the check's two files: in the session's runtime folder, which lives in
// memory, where there is one, so that the check at start costs no writes to disk.
std::unique_ptr<QTemporaryDir> ScratchFolder() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (QDir::isAbsolutePath(runtime)) {
    auto folder = std::make_unique<QTemporaryDir>(runtime + QStringLiteral("/quillpad-XXXXXX"));
    if (folder->isValid()) return folder;
  }
  return std::make_unique<QTemporaryDir>();
}

}  // namespace

QString FileInPlaceOfFolder(const QString& path) {
  QStringList folders;
  for (QString folder = QFileInfo(path).absolutePath(); !QFileInfo(folder).isRoot();
       folder = QFileInfo(folder).absolutePath()) {
    folders.prepend(folder);
  }
  for (const QString& folder : folders) {
    const QFileInfo found(folder);
    if (!found.exists()) return {};
    if (!found.isDir()) return folder;
  }
  return {};
}

std::optional<StoreFailure> WhyProfileCannotBeRead(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  const Descriptor file(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) {
    if (errno == ENOENT) return std::nullopt;
    return ReasonFor(errno, path);
  }
  struct stat status = {};
  if (::fstat(file.get(), &status) != 0) return ReasonFor(errno, path);
  if (S_ISDIR(status.st_mode)) return StoreFailure{StoreProblem::kFolderInPlaceOfFile};
  if (!S_ISREG(status.st_mode)) return StoreFailure{StoreProblem::kNotARegularFile};
  if (const auto error = ReadError(file.get())) return ReasonFor(*error, path);
  return std::nullopt;
}

QString StoredText(const QVariant& value) {
  if (value.typeId() == QMetaType::QStringList)
    return value.toStringList().join(QStringLiteral(", "));
  return value.toString();
}

bool ReadsBackCleanly(const QByteArray& contents) {
  // When it cannot be told, the file counts as not clean: a copy too many costs less than
  // a profile lost.
  const auto scratch = ScratchFolder();
  if (!scratch->isValid()) return false;
  const QString original = scratch->filePath(QStringLiteral("original.ini"));
  const QString rewritten = scratch->filePath(QStringLiteral("rewritten.ini"));
  QFile copy(original);
  if (!copy.open(QIODevice::WriteOnly) || copy.write(contents) != contents.size()) return false;
  copy.close();
  {
    const QSettings read(original, QSettings::IniFormat);
    QSettings written(rewritten, QSettings::IniFormat);
    for (const QString& key : read.allKeys()) {
      // A line with nothing before its '=' names no key the store could write back.
      if (!key.isEmpty()) written.setValue(key, StoredText(read.value(key)));
    }
    written.sync();
    if (written.status() != QSettings::NoError) return false;
  }
  QFile result(rewritten);
  const QByteArray rewritten_contents =
      result.open(QIODevice::ReadOnly) ? result.readAll() : QByteArray();
  return Entries(contents) == Entries(rewritten_contents);
}

}  // namespace quillpad::qt
