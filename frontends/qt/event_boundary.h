#pragma once

#include <functional>

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

 private:
  const QtDesktop& desktop_;
};

}  // namespace quillpad::qt
