#include "frontends/qt/started_again_listener.h"

#include <QFile>
#include <utility>

#include "frontends/qt/profile_claim.h"

namespace quillpad::qt {
namespace {

// One later start's request: its line is read as it comes, then answered once.
class StartRequest : public QObject {
 public:
  StartRequest(LocalSocket socket, const StartedAgainListener::Handler& handler, QObject* parent)
      : QObject(parent),
        socket_(std::move(socket)),
        readable_(socket_.descriptor(), QSocketNotifier::Read, this),
        handler_(handler) {
    connect(&readable_, &QSocketNotifier::activated, this, &StartRequest::Read);
  }

 private:
  void Read() {
    const LocalSocket::Received received = socket_.Receive(line_);
    if (received == LocalSocket::Received::kNothingYet) return;
    const qsizetype end = line_.indexOf('\n');
    if (received == LocalSocket::Received::kData && end < 0) return;
    // Not read again, whatever the handler does meanwhile; gone once it has answered.
    readable_.setEnabled(false);
    deleteLater();
    if (end < 0) return;
    const bool taken = handler_(StartActivation::FromLine(line_.left(end + 1)));
    socket_.Send(QByteArray(1, taken ? LocalProfileClaim::kTaken : LocalProfileClaim::kEnding));
  }

  LocalSocket socket_;
  QSocketNotifier readable_;
  const StartedAgainListener::Handler& handler_;
  QByteArray line_;
};

}  // namespace

StartedAgainListener::StartedAgainListener(const QString& socket, Handler handler)
    : name_(socket), server_(LocalSocket::Listen(socket)), handler_(std::move(handler)) {
  if (!server_.valid()) return;
  waiting_.setSocket(server_.descriptor());
  waiting_.setEnabled(true);
  connect(&waiting_, &QSocketNotifier::activated, this, &StartedAgainListener::Accept);
}

StartedAgainListener::~StartedAgainListener() {
  if (server_.valid()) QFile::remove(name_);
}

void StartedAgainListener::Accept() {
  for (LocalSocket start = server_.Accept(); start.valid(); start = server_.Accept()) {
    new StartRequest(std::move(start), handler_, this);
  }
}

}  // namespace quillpad::qt
