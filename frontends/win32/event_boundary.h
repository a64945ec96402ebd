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

  // Run, in the form the core's tables of events take.
  HandlerRunner Runner() const {
    return [this](const std::function<void()>& handler) { Run(handler); };
  }

 private:
  const Win32Desktop& desktop_;
};

}  // namespace quillpad::win32
