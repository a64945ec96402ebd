#include "frontends/qt/ini_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "core/errors.h"

namespace quillpad::qt {
namespace {

QString Joined(const QString& section, const QString& key) {
  return section + u'/' + key;
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

}  // namespace

QString IniSettings::FilePath(const QString& application) {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return config + u'/' + application + u'/' + application + QStringLiteral(".ini");
}

QString IniSettings::Read(const QString& application, const QString& section, const QString& key,
                          const QString& fallback) const {
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
  const QString path = FilePath(application);
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSettings settings(path, QSettings::IniFormat);
  for (const auto& [key, value] : staged) settings.setValue(key, value);
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    const QString message = QStringLiteral("Не удалось записать профиль в файл «%1»: %2.")
                                .arg(path, WriteFailureReason(path));
    throw PlatformError(message.toStdString());
  }
}

}  // namespace quillpad::qt
