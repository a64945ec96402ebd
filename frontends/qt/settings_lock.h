#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <optional>

namespace quillpad::qt {

// Who wrote a lock file, as the toolkit's lock files record it: the process, its program,
// and the machine (by name, by id, and which boot of it).
struct LockOwner {
  qint64 pid = 0;
  QString program;
  QString host_name;
  QByteArray host_id;
  QByteArray boot_id;
};

// This machine, in the same terms.
struct Machine {
  QString host_name;
  QByteArray host_id;
  QByteArray boot_id;

  static Machine This();
};

// The owner recorded in a lock file's contents; nothing when they do not name one.
std::optional<LockOwner> ParseLockFile(const QByteArray& contents);

// Whether the owner ran on this machine.
bool SameMachine(const LockOwner& owner, const Machine& here);

// A lock is proven stale only when its owner ran on this machine and is gone: the process no
// longer exists, or the machine has started again since. Anything else may be a copy that
// is saving right now, here or on another machine sharing the folder.
bool ProvenStale(const LockOwner& owner, const Machine& here, bool process_exists);

// Why a lock file that stays in the way is there, in words for the user.
QString WhyLockIsHeld(const QString& lock_path, const std::optional<LockOwner>& owner,
                      const Machine& here);

// Makes the settings file's lock free for the store to take, before it tries: waits at most
// `patience` for a holder to let go and removes a lock proven stale. Returns why the lock
// cannot be taken, when it cannot; nothing when it is free, or when the folder itself is
// the problem (the write then fails and says so). The store takes the lock itself an
// instant later; a lock that appears in between is a running copy's, for its own save.
std::optional<QString> FreeSettingsLock(const QString& lock_path,
                                        std::chrono::milliseconds patience);

}  // namespace quillpad::qt
