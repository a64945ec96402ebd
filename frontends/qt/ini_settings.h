#pragma once

#include <QString>
#include <QVariant>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace quillpad::qt {

// The per-user settings store: one INI file per application name under the user's
// configuration folder. Writes are staged and put on disk together, atomically, so that
// the file is always either the previous or the new complete profile.
//
// A saved profile that exists but cannot be read is never overwritten: the run starts
// empty, and its profile is saved in a new file beside the configuration folder instead.
class IniSettings {
 public:
  // <config folder>/<application>/<application>.ini
  static QString FilePath(const QString& application);

  QString Read(const QString& application, const QString& section, const QString& key,
               const QString& fallback);
  void Write(const QString& application, const QString& section, const QString& key,
             const QString& value);
  // Throws PlatformError naming the file and the reason when it cannot be written.
  void Flush(const QString& application);

  // What to tell the user about saved profiles that could not be read; empty when all
  // were read.
  QString ReadProblems() const;

 private:
  struct Unreadable {
    QString path;
    QString reason;
    QString save_path;
  };

  // Whether the profile could be read, found out once, when it is first read.
  const std::optional<Unreadable>& Checked(const QString& application);
  QString SavePath(const QString& application) const;

  std::map<QString, std::optional<Unreadable>> checked_;
  std::map<QString, std::vector<std::pair<QString, QString>>> staged_;
};

}  // namespace quillpad::qt
