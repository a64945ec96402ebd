#include "frontends/qt/ini_settings.h"

#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <chrono>

#include "core/errors.h"
#include "frontends/qt/config_folder.h"
#include "frontends/qt/profile_file_check.h"
#include "frontends/qt/profile_file_stamp.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/settings_lock.h"

namespace quillpad::qt {
namespace {

// How long an exit waits for another copy that is saving the same profile right now.
constexpr std::chrono::milliseconds kLockPatience{2000};
// Links followed when looking for the file a profile link leads to.
constexpr int kLinkLimit = 40;

QString Joined(const QString& section, const QString& key) {
  return section + u'/' + key;
}

// Where a file that must stand beside the configuration folder goes: into that folder when
// it is one, else into the nearest folder above the file that stands in its place.
QString BesideFolder() {
  const QString config = ConfigFolder();
  const QString file = FileInPlaceOfFolder(config + QStringLiteral("/x"));
  return file.isEmpty() ? config : QFileInfo(file).absolutePath();
}

QString ProfileFileIn(const QString& folder, const Text& name) {
  return folder + u'/' + ToQString(name) + QStringLiteral(".ini");
}

// A new file name in folder, dated now, that no file has yet.
QString DatedPath(const QString& folder, const QString& application) {
  const QDateTime now = QDateTime::currentDateTime();
  const LocalTime time{now.date().year(), now.date().month(),  now.date().day(),
                       now.time().hour(), now.time().minute(), now.time().second()};
  return ProfileFileIn(folder,
                       DatedProfileName(FromQString(application), time, [&](const Text& name) {
                         return QFileInfo::exists(ProfileFileIn(folder, name));
                       }));
}

// The file that a chain of symbolic links at path ends in.
QString LinkEnd(const QString& path) {
  QFileInfo file(path);
  for (int step = 0; step < kLinkLimit && file.isSymLink(); ++step)
    file.setFile(file.symLinkTarget());
  return file.filePath();
}

// Why a file could not be written, as far as the file system tells.
StoreFailure WriteFailureReason(const QString& path) {
  const QString target = LinkEnd(path);
  const QFileInfo file(target);
  const QFileInfo folder(file.absolutePath());
  if (target != path && !folder.exists()) {
    return {StoreProblem::kLinkIntoMissingFolder, FromQString(target),
            FromQString(folder.filePath())};
  }
  if (const QString blocker = FileInPlaceOfFolder(target); !blocker.isEmpty()) {
    return {StoreProblem::kFileInPlaceOfFolder, FromQString(blocker)};
  }
  if (!folder.exists()) return {StoreProblem::kFolderNotMade, FromQString(folder.filePath())};
  if (!folder.isWritable()) {
    return {StoreProblem::kFolderNotWritable, FromQString(folder.filePath())};
  }
  if (file.isDir()) return {StoreProblem::kFolderInPlaceOfFile};
  if (file.exists() && !file.isWritable()) return {StoreProblem::kFileNotWritable};
  return {StoreProblem::kWriteFailed};
}

[[noreturn]] void FailToWrite(const QString& path, const StoreFailure& reason) {
  throw ProfileSaveFailure(ProfileHolder::kFile, FromQString(path), reason);
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

// Whether the profile at path, readable, reads back cleanly.
bool FileReadsBackCleanly(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && ReadsBackCleanly(file.readAll());
}

ProfileReadOutcome WholeProfileAt(const QString& path) {
  return {ProfileRead::kWhole, ProfileHolder::kFile, FromQString(path), {}, {}};
}

// Beside the profile: where a run notes the changed profiles it kept, for the next start.
QString NotePath(const QString& application) {
  return IniSettings::FilePath(application) + QStringLiteral(".kept");
}

QString SaveTarget(const ProfileReadOutcome& outcome) {
  return ToQString(PlanProfileSave(outcome).target);
}

}  // namespace

QString IniSettings::FilePath(const QString& application) {
  return ConfigFolder() + u'/' + application + u'/' + application + QStringLiteral(".ini");
}

IniSettings::Checked& IniSettings::Check(const QString& application) {
  auto found = checked_.find(application);
  if (found == checked_.end()) {
    const QString path = FilePath(application);
    ProfileReadOutcome outcome = WholeProfileAt(path);
    if (auto reason = WhyProfileCannotBeRead(path)) {
      outcome.read = ProfileRead::kUnreadable;
      outcome.reason = *reason;
      outcome.beside = FromQString(DatedPath(BesideFolder(), application));
    } else if (QFileInfo::exists(path) && !FileReadsBackCleanly(path)) {
      outcome.read = ProfileRead::kDamaged;
      outcome.beside = FromQString(DatedPath(QFileInfo(path).absolutePath(), application));
    }
    const ProfileStamp known = StampOfFile(SaveTarget(outcome));
    found = checked_
                .emplace(application, Checked{std::move(outcome), known, false,
                                              TakeKeptPlaces(NotePath(application))})
                .first;
  }
  return found->second;
}

QString IniSettings::Read(const QString& application, const QString& section, const QString& key,
                          const QString& fallback) {
  if (Check(application).outcome.read == ProfileRead::kUnreadable) return fallback;
  const QSettings settings(FilePath(application), QSettings::IniFormat);
  return StoredText(settings.value(Joined(section, key), fallback));
}

void IniSettings::Write(const QString& application, const QString& section, const QString& key,
                        const QString& value) {
  staged_[application].emplace_back(Joined(section, key), value);
}

void IniSettings::CopyFirst(Checked& checked, const ProfileSavePlan& plan, const QString& path) {
  if (plan.copy_first_to.empty() || (checked.copied && !plan.keeps_outside_change)) return;
  if (QFileInfo::exists(path)) {
    const QString copy = ToQString(plan.copy_first_to);
    QFile original(path);
    if (!original.copy(copy)) {
      FailToWrite(
          path,
          {StoreProblem::kCopyFailed, plan.copy_first_to, {}, FromQString(original.errorString())});
    }
  }
  checked.copied = true;
}

void IniSettings::Flush(const QString& application) {
  const auto staged = std::move(staged_[application]);
  staged_.erase(application);
  // A profile this run never read holds nothing the run could lose: it is saved in its place.
  auto found = checked_.find(application);
  if (found == checked_.end()) {
    const QString place = FilePath(application);
    found = checked_.emplace(application, Checked{WholeProfileAt(place), StampOfFile(place)}).first;
  }
  Checked& checked = found->second;
  const QString path = SaveTarget(checked.outcome);
  QDir().mkpath(QFileInfo(path).absolutePath());
  // The store would wait on its lock for as long as the lock stays: a lock left by another
  // user's run or by another machine would hold the exit for good.
  if (auto held = FreeSettingsLock(path + QStringLiteral(".lock"), kLockPatience))
    FailToWrite(path, {StoreProblem::kLockHeld, {}, {}, FromQString(*held)});
  const ProfileSavePlan plan = PlanProfileSave(
      checked.outcome, checked.known, StampOfFile(path),
      [&] { return FromQString(DatedPath(QFileInfo(path).absolutePath(), application)); });
  CopyFirst(checked, plan, path);
  const auto before = FileIdentity(path);
  QSettings settings(path, QSettings::IniFormat);
  for (const auto& [key, value] : staged) settings.setValue(key, value);
  settings.sync();
  if (!Written(settings, before, path)) FailToWrite(path, WriteFailureReason(path));
  checked.known = StampOfFile(path);
  if (plan.keeps_outside_change) NoteKeptPlace(NotePath(application), plan.copy_first_to);
}

ProfileReadReport IniSettings::Report(const QString& application) {
  const Checked& checked = Check(application);
  return {checked.outcome, {}, checked.kept_outside_changes};
}

}  // namespace quillpad::qt
