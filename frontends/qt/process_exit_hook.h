#pragma once

#include <functional>

namespace quillpad::qt {

// While it lives, an end of the process through exit() runs `on_exit` first. The toolkit
// ends the process that way when its display connection breaks (the X server gone, the
// window killed by xkill), from inside the event loop, with every object still in place
// but the display no longer usable: `on_exit` must not touch the display.
class ProcessExitHook {
 public:
  explicit ProcessExitHook(std::function<void()> on_exit);
  ~ProcessExitHook();

  ProcessExitHook(const ProcessExitHook&) = delete;
  ProcessExitHook& operator=(const ProcessExitHook&) = delete;

 private:
  std::function<void()> on_exit_;
};

}  // namespace quillpad::qt
