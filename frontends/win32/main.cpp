
#include <memory>

#include "core/controls_when_shown.h"
#include "frontends/win32/about_window.h"
#include "frontends/win32/event_boundary.h"
#include "frontends/win32/form_window.h"
#include "frontends/win32/profile_claim.h"
#include "frontends/win32/win32_desktop.h"
#include "frontends/win32/win32_text.h"
#include "frontends/win32/windows_api.h"
#include "main_window/form1.h"
#include "main_window/form1_events.h"

using namespace quillpad;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Held until the process ends; a start that finds the profile held leaves it untouched.
  const std::wstring program_name = win32::Win32Desktop::ProgramName();
  win32::MutexProfileClaim claim(program_name);
  if (DecideStart(claim) == StartDecision::kLeave) return 0;

  win32::Win32Desktop desktop;
  const win32::EventBoundary boundary(desktop);
  std::unique_ptr<Form1> form1;
  win32::FormWindow& window = desktop.AddLoadedWindow(
      std::make_unique<win32::FormWindow>(
          WindowLayout{kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems},
          win32::FormWindow::Controls::kLater),
      [&] { form1->Form_Unload(); });
  // A run spent in the notification area never makes the window's controls.
  ControlsWhenShown form1_window(window, kForm1Controls, [&] { window.MakeControls(); });
  form1 = std::make_unique<Form1>(form1_window, desktop);

  desktop.SetWindowFactory([&](std::string_view name) -> win32::FormWindow* {
    if (name == kForm2Window.name) return &win32::LoadAboutWindow(desktop, boundary);
    return nullptr;
  });
  MainWindowEvents events = Form1Events(*form1, desktop, boundary.Runner());
  // The session waits for the answer to its request, so a failure is told once it has one.
  events.window.session_save_requested =
      Form1Events(*form1, desktop, boundary.RunnerReportingLater()).window.session_save_requested;
  window.SetEvents(events.window);

  events.load();
  // Answered once loaded: the icon's own calls let other programs' messages in, and a start
  // asking meanwhile waits for the running copy to be ready.
  window.SetAnswer(win32::MutexProfileClaim::StartedAgainMessage(program_name), [&] {
    const HWND message = win32::OpenMessageBox();
    switch (events.started_again(message != nullptr)) {
      case StartedAgainAnswer::kWindowUp:
        win32::BringToFront(window.hwnd());
        return win32::MutexProfileClaim::kTaken;
      case StartedAgainAnswer::kMessageUp:
        win32::BringToFront(message);
        return win32::MutexProfileClaim::kTaken;
      case StartedAgainAnswer::kEnding:
        break;
    }
    return win32::MutexProfileClaim::kEnding;
  });
  MSG message;
  // Once the process has ended no queued event is handled.
  while (!desktop.ended() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!desktop.TranslateKeys(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    desktop.ReleaseUnloaded();
  }
  return 0;
}
