#include "frontends/qt/profile_claim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <thread>

#include "frontends/qt/local_socket.h"

namespace quillpad::qt {
namespace {

using std::chrono::milliseconds;

// How long the running copy may take to answer, a message it shows included; a copy busy
// for longer is asked again.
constexpr int kAnswerWaitMs = 5000;
constexpr milliseconds kLockPoll{10};

}  // namespace

ClaimPlace ClaimPlace::ForProfile(const QString& profile_file) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  const QByteArray hash =
      QCryptographicHash::hash(QFile::encodeName(profile_file), QCryptographicHash::Sha256)
          .toHex()
          .left(16);
  const QString base =
      QDir(folder).filePath(QStringLiteral("Quillpad-") + QString::fromLatin1(hash));
  return {base + QStringLiteral(".lock"), base + QStringLiteral(".socket")};
}

LocalProfileClaim::LocalProfileClaim(ClaimPlace place, StartActivation activation)
    : place_(std::move(place)), activation_(std::move(activation)) {}

LocalProfileClaim::~LocalProfileClaim() {
  if (lock_ >= 0) ::close(lock_);
}

bool LocalProfileClaim::Take(milliseconds wait) {
  if (lock_ < 0) {
    // Not inherited by the programs the copy starts (a browser), which would hold it on.
    lock_ =
        ::open(QFile::encodeName(place_.lock_file).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  }
  // Without a runtime folder to meet in, each start runs on its own, as before.
  if (lock_ < 0) return true;
  const auto until = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (::flock(lock_, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK && errno != EINTR) return true;
    if (std::chrono::steady_clock::now() >= until) return false;
    std::this_thread::sleep_for(kLockPoll);
  }
}

HandOverAnswer LocalProfileClaim::HandOver() {
  const LocalSocket socket = LocalSocket::Connect(place_.socket, kAnswerWaitMs);
  if (!socket.valid() || !socket.Send(activation_.ToLine())) return HandOverAnswer::kNoAnswer;
  QByteArray answer;
  if (socket.Receive(answer) != LocalSocket::Received::kData) return HandOverAnswer::kNoAnswer;
  if (answer.front() == kTaken) return HandOverAnswer::kTaken;
  return answer.front() == kEnding ? HandOverAnswer::kEnding : HandOverAnswer::kNoAnswer;
}

}  // namespace quillpad::qt
