#include "frontends/win32/event_boundary.h"

#include <string>
#include <utility>
#include <vector>

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

// Failures waiting to be told once the request they happened in has been answered.
std::vector<std::string>& Untold() {
  static std::vector<std::string> untold;
  return untold;
}

void CALLBACK TellUntold(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  for (const std::string& what : std::exchange(Untold(), {})) Report(what);
}

}  // namespace

void EventBoundary::Run(const std::function<void()>& handler) const {
  RunHandler(desktop_.ended(), handler, Report);
}

void EventBoundary::RunReportingLater(const std::function<void()>& handler) const {
  RunHandler(desktop_.ended(), handler, [](std::string_view what) {
    Untold().emplace_back(what);
    SetTimer(nullptr, 0, 0, TellUntold);
  });
}

}  // namespace quillpad::win32
