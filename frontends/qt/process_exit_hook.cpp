#include "frontends/qt/process_exit_hook.h"

#include <cstdlib>
#include <utility>

namespace quillpad::qt {
namespace {

std::function<void()>* g_on_exit = nullptr;

void RunOnExit() {
  if (g_on_exit == nullptr) return;
  const std::function<void()> on_exit = std::move(*g_on_exit);
  g_on_exit = nullptr;
  on_exit();
}

}  // namespace

ProcessExitHook::ProcessExitHook(std::function<void()> on_exit) : on_exit_(std::move(on_exit)) {
  // Registered once the toolkit is up, so that it runs before the toolkit's own clean-up.
  static const bool registered = std::atexit(RunOnExit) == 0;
  if (registered) g_on_exit = &on_exit_;
}

ProcessExitHook::~ProcessExitHook() {
  g_on_exit = nullptr;
}

}  // namespace quillpad::qt
