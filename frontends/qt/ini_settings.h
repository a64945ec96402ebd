#pragma once

#include <QString>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace quillpad::qt {

// The per-user settings store: one INI file per application name under the user's
// configuration folder. Writes are staged and put on disk together, atomically, so that
// the file is always either the previous or the new complete profile.
//
// A saved profile that is not read back whole is never replaced without a trace. One that
// cannot be read at all is left as it is: the run starts empty and saves in a new file beside
// the configuration folder. One that reads, but not cleanly, loads what could be read and is
// copied as it was to a dated file beside it before the first save replaces it.
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

  // What to tell the user about saved profiles that were not read back whole; empty when
  // all were.
  QString ReadProblems() const;

 private:
  // A saved profile that was not read back whole, and where its trace is kept.
  struct Trouble {
    QString path;
    // Why it cannot be read at all; empty when it reads, though not cleanly.
    QString unreadable_because;
    // Unreadable: where this run saves instead. Not clean: where the file as it was is
    // copied before the first save replaces it.
    QString kept_path;
    bool kept = false;
  };

  // What the profile holds, found out once, when it is first read.
  const std::optional<Trouble>& Checked(const QString& application);
  QString SavePath(const QString& application) const;
  // Copies a profile that did not read back cleanly before anything replaces it.
  void KeepAsItWas(const QString& application);

  std::map<QString, std::optional<Trouble>> checked_;
  std::map<QString, std::vector<std::pair<QString, QString>>> staged_;
};

}  // namespace quillpad::qt
