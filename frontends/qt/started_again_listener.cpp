#include "frontends/qt/started_again_listener.h"

#include <QLocalSocket>

#include "frontends/qt/profile_claim.h"

namespace quillpad::qt {

StartedAgainListener::StartedAgainListener(const QString& socket, Handler handler)
    : handler_(std::move(handler)) {
  QLocalServer::removeServer(socket);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.listen(socket);
  connect(&server_, &QLocalServer::newConnection, this, &StartedAgainListener::Accept);
}

void StartedAgainListener::Accept() {
  while (QLocalSocket* start = server_.nextPendingConnection()) {
    connect(start, &QLocalSocket::disconnected, start, &QObject::deleteLater);
    connect(start, &QLocalSocket::readyRead, this, [this, start] {
      if (!start->canReadLine()) return;
      const StartActivation activation = StartActivation::FromLine(start->readLine());
      const bool taken = handler_(activation);
      start->putChar(taken ? LocalProfileClaim::kTaken : LocalProfileClaim::kEnding);
      start->disconnectFromServer();
    });
  }
}

}  // namespace quillpad::qt
