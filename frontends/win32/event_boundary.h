#pragma once

#include <functional>

#include "frontends/win32/win32_desktop.h"

namespace quillpad::win32 {

// Where every handler is called from, with failures reported in a message box. No exception
// ever leaves it, so none crosses the system's window procedures.
class EventBoundary {
 public:
  explicit EventBoundary(const Win32Desktop& desktop) : desktop_(desktop) {}

  void Run(const std::function<void()>& handler) const;

 private:
  const Win32Desktop& desktop_;
};

}  // namespace quillpad::win32
