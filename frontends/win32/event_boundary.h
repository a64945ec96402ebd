#pragma once

#include <functional>

#include "core/window_events.h"
#include "frontends/win32/win32_desktop.h"

namespace quillpad::win32 {

// Where every handler is called from, with failures reported in a message box. No exception
// ever leaves it, so none crosses the system's window procedures.
class EventBoundary {
 public:
  explicit EventBoundary(const Win32Desktop& desktop) : desktop_(desktop) {}

  void Run(const std::function<void()>& handler) const;

  // For a handler called from inside the desktop's own request, which waits for the answer:
  // a failure is told once that request has been answered.
  void RunReportingLater(const std::function<void()>& handler) const;

  // Run and RunReportingLater, in the form the core's tables of events take.
  HandlerRunner Runner() const {
    return [this](const std::function<void()>& handler) { Run(handler); };
  }
  HandlerRunner RunnerReportingLater() const {
    return [this](const std::function<void()>& handler) { RunReportingLater(handler); };
  }

 private:
  const Win32Desktop& desktop_;
};

}  // namespace quillpad::win32
