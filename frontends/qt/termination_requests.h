#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>

namespace quillpad::qt {

// A polite request to end (SIGTERM when the session ends, SIGHUP, Ctrl+C in a terminal)
// is taken like closing the main window, so that the profile is saved as at log-off on
// Windows. Only a kill that cannot be caught loses the edits of the run. `on_request` must not
// throw.
class TerminationRequests : public QObject {
  Q_OBJECT

 public:
  explicit TerminationRequests(std::function<void()> on_request);
  ~TerminationRequests() override;

  TerminationRequests(const TerminationRequests&) = delete;
  TerminationRequests& operator=(const TerminationRequests&) = delete;

 private:
  void Drain();

  std::function<void()> on_request_;
  QSocketNotifier* notifier_ = nullptr;
  bool answering_ = false;
};

}  // namespace quillpad::qt
