#include "frontends/win32/event_boundary.h"

#include <exception>

#include "core/errors.h"
#include "frontends/win32/win32_text.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {
namespace {

void Report(const char* what) {
  // The main window is pinned above the others; the message must not hide behind it.
  MessageBoxW(nullptr, WideFromUtf8(what).c_str(), L"Quillpad",
              MB_OK | MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND);
}

}  // namespace

void EventBoundary::Run(const std::function<void()>& handler) const {
  if (desktop_.ended()) return;
  try {
    handler();
  } catch (const ProcessEnded&) {
    // The process is ending; the message loop is already leaving.
  } catch (const std::exception& error) {
    Report(error.what());
  } catch (...) {
    Report("Внутренняя ошибка Quillpad.");
  }
}

}  // namespace quillpad::win32
