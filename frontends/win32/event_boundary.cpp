#include "frontends/win32/event_boundary.h"

#include "core/handler_boundary.h"
#include "frontends/win32/win32_text.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {
namespace {

void Report(std::string_view what) {
  // The main window is pinned above the others; the message must not hide behind it.
  MessageBoxW(nullptr, WideFromUtf8(what).c_str(), L"Quillpad",
              MB_OK | MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND);
}

}  // namespace

void EventBoundary::Run(const std::function<void()>& handler) const {
  RunHandler(desktop_.ended(), handler, Report);
}

}  // namespace quillpad::win32
