#pragma once

#include <functional>

#include "core/window_events.h"
#include "frontends/qt/qt_desktop.h"

namespace quillpad::qt {

// Where every handler is called from: a failure ends that handler only, is reported to the
// user, and the program goes on; once the process has ended no handler runs again.
class EventBoundary {
 public:
  explicit EventBoundary(const QtDesktop& desktop) : desktop_(desktop) {}

  void Run(const std::function<void()>& handler) const;

  // For a handler called from inside the desktop's own request, which waits for the answer:
  // a failure is told once that request has been answered.
  void RunReportingLater(const std::function<void()>& handler) const;

  // For a handler run while the process exits under the program (the display gone), when
  // nothing can be shown any more: a failure is told on the error stream.
  void RunAtExit(const std::function<void()>& handler) const;

  // Run, RunReportingLater and RunAtExit, in the form the core's tables of events take.
  HandlerRunner Runner() const {
    return [this](const std::function<void()>& handler) { Run(handler); };
  }
  HandlerRunner RunnerReportingLater() const {
    return [this](const std::function<void()>& handler) { RunReportingLater(handler); };
  }
  HandlerRunner RunnerAtExit() const {
    return [this](const std::function<void()>& handler) { RunAtExit(handler); };
  }

 private:
  const QtDesktop& desktop_;
};

}  // namespace quillpad::qt
