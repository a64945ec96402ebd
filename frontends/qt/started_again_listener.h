#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <functional>

#include "frontends/qt/local_socket.h"
#include "frontends/qt/start_activation.h"

namespace quillpad::qt {

// Where the copy that holds the profile hears later starts on it: each asks once, with its
// activation, and is told whether this copy came up for it (true) or is ending (false).
class StartedAgainListener : public QObject {
 public:
  using Handler = std::function<bool(const StartActivation& activation)>;

  // Takes over the socket's name: whatever a killed copy left there is stale, this copy
  // holding the profile's lock.
  StartedAgainListener(const QString& socket, Handler handler);
  // The name goes with the copy, as no later start can be answered there.
  ~StartedAgainListener() override;

 private:
  void Accept();

  QString name_;
  LocalSocket server_;
  QSocketNotifier waiting_{QSocketNotifier::Read};
  Handler handler_;
};

}  // namespace quillpad::qt
