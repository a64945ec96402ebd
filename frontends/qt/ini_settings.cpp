#include "frontends/qt/ini_settings.h"

#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "core/errors.h"
#include "frontends/qt/profile_file_check.h"

namespace quillpad::qt {
namespace {

QString Joined(const QString& section, const QString& key) {
  return section + u'/' + key;
}

QString ConfigFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// Why a file could not be written, as far as the file system tells.
QString WriteFailureReason(const QString& path) {
  const QFileInfo file(path);
  const QFileInfo folder(file.absolutePath());
  if (!folder.exists()) {
    return QStringLiteral("папку «%1» не удалось создать").arg(folder.filePath());
  }
  if (!folder.isDir()) {
    return QStringLiteral("на месте папки «%1» лежит файл").arg(folder.filePath());
  }
  if (!folder.isWritable()) {
    return QStringLiteral("папка «%1» закрыта для записи").arg(folder.filePath());
  }
  if (file.isDir()) return QStringLiteral("на месте файла лежит папка");
  if (file.exists() && !file.isWritable()) return QStringLiteral("файл закрыт для записи");
  return QStringLiteral("запись не удалась (возможно, диск заполнен)");
}

// A value that another program wrote with a bare comma reads as a list; it is still the
// one text the user typed.
QString AsText(const QVariant& value) {
  if (value.typeId() == QMetaType::QStringList)
    return value.toStringList().join(QStringLiteral(", "));
  return value.toString();
}

// Which file is at path: the store replaces the file whole, so a written file is a new one.
std::optional<std::pair<dev_t, ino_t>> FileIdentity(const QString& path) {
  struct stat status = {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) return std::nullopt;
  return std::pair{status.st_dev, status.st_ino};
}

// QSettings keeps the first problem it meets: a damaged line read before the write hides
// whether the write itself went through, and then only a new file on disk tells.
bool Written(const QSettings& settings, const std::optional<std::pair<dev_t, ino_t>>& before,
             const QString& path) {
  switch (settings.status()) {
    case QSettings::NoError:
      return true;
    case QSettings::FormatError: {
      const auto after = FileIdentity(path);
      return after.has_value() && after != before;
    }
    case QSettings::AccessError:
      return false;
  }
  return false;
}

}  // namespace

QString IniSettings::FilePath(const QString& application) {
  return ConfigFolder() + u'/' + application + u'/' + application + QStringLiteral(".ini");
}

const std::optional<IniSettings::Unreadable>& IniSettings::Checked(const QString& application) {
  auto found = checked_.find(application);
  if (found == checked_.end()) {
    const QString path = FilePath(application);
    std::optional<Unreadable> problem;
    if (auto reason = WhyProfileCannotBeRead(path)) {
      const QString stamp =
          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
      problem =
          Unreadable{path, *reason,
                     ConfigFolder() + u'/' + application + u'-' + stamp + QStringLiteral(".ini")};
    }
    found = checked_.emplace(application, std::move(problem)).first;
  }
  return found->second;
}

QString IniSettings::SavePath(const QString& application) const {
  const auto found = checked_.find(application);
  if (found != checked_.end() && found->second) return found->second->save_path;
  return FilePath(application);
}

QString IniSettings::Read(const QString& application, const QString& section, const QString& key,
                          const QString& fallback) {
  if (Checked(application)) return fallback;
  const QSettings settings(FilePath(application), QSettings::IniFormat);
  return AsText(settings.value(Joined(section, key), fallback));
}

void IniSettings::Write(const QString& application, const QString& section, const QString& key,
                        const QString& value) {
  staged_[application].emplace_back(Joined(section, key), value);
}

void IniSettings::Flush(const QString& application) {
  const auto staged = std::move(staged_[application]);
  staged_.erase(application);
  const QString path = SavePath(application);
  QDir().mkpath(QFileInfo(path).absolutePath());
  const auto before = FileIdentity(path);
  QSettings settings(path, QSettings::IniFormat);
  for (const auto& [key, value] : staged) settings.setValue(key, value);
  settings.sync();
  if (!Written(settings, before, path)) {
    const QString message = QStringLiteral("Не удалось записать профиль в файл «%1»: %2.")
                                .arg(path, WriteFailureReason(path));
    throw PlatformError(message.toStdString());
  }
}

QString IniSettings::ReadProblems() const {
  QStringList problems;
  for (const auto& [application, unreadable] : checked_) {
    if (!unreadable) continue;
    problems << QStringLiteral(
                    "Сохранённый профиль не удалось прочитать из файла «%1»: %2.\n\n"
                    "Quillpad начинает работу с пустым профилем и этот файл не изменит. "
                    "При выходе профиль будет записан в новый файл «%3».")
                    .arg(unreadable->path, unreadable->reason, unreadable->save_path);
  }
  return problems.join(QStringLiteral("\n\n"));
}

}  // namespace quillpad::qt
