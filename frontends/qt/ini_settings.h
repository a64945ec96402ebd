#pragma once

#include <QString>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "core/profile_read.h"

namespace quillpad::qt {

// The per-user settings store: one INI file per application name under the user's
// configuration folder. Writes are staged and put on disk together, atomically, so that
// the file is always either the previous or the new complete profile.
//
// The store finds out how each saved profile reads and carries out the core's plan for it. A
// profile that cannot be read at all reads empty, and its new place is a dated file beside
// the configuration folder; one that reads, but not cleanly, loads what could be read, and its
// copy goes to a dated file beside it. A profile that something else changed while the run
// held it is copied as it was found, to a dated file beside it, before the save replaces it;
// the next start is told, through a note beside the profile.
class IniSettings {
 public:
  // <config folder>/<application>/<application>.ini
  static QString FilePath(const QString& application);

  QString Read(const QString& application, const QString& section, const QString& key,
               const QString& fallback);
  void Write(const QString& application, const QString& section, const QString& key,
             const QString& value);
  // Throws ProfileSaveFailure naming the file and the reason when it cannot be written.
  void Flush(const QString& application);

  // How the application's profile reads; a file store keeps no value apart.
  ProfileReadReport Report(const QString& application);

 private:
  struct Checked {
    ProfileReadOutcome outcome;
    // The file the run saves to, as the run read or last wrote it.
    ProfileStamp known;
    // Whether the copy of a damaged profile has been made.
    bool copied = false;
    std::vector<Text> kept_outside_changes = {};
  };

  // How the profile reads, found out once, when it is first read.
  Checked& Check(const QString& application);
  // Makes the copy the plan asks for before anything replaces the profile at path.
  void CopyFirst(Checked& checked, const ProfileSavePlan& plan, const QString& path);

  std::map<QString, Checked> checked_;
  std::map<QString, std::vector<std::pair<QString, QString>>> staged_;
};

}  // namespace quillpad::qt
