#pragma once

#include <QString>
#include <QVariant>
#include <map>
#include <utility>
#include <vector>

namespace quillpad::qt {

// The per-user settings store: one INI file per application name under the user's
// configuration folder. Writes are staged and put on disk together, atomically, so that
// the file is always either the previous or the new complete profile.
class IniSettings {
 public:
  // <config folder>/<application>/<application>.ini
  static QString FilePath(const QString& application);

  QString Read(const QString& application, const QString& section, const QString& key,
               const QString& fallback) const;
  void Write(const QString& application, const QString& section, const QString& key,
             const QString& value);
  // Throws PlatformError naming the file and the reason when it cannot be written.
  void Flush(const QString& application);

 private:
  std::map<QString, std::vector<std::pair<QString, QString>>> staged_;
};

}  // namespace quillpad::qt
