
#include <memory>

#include "frontends/win32/about_window.h"
#include "frontends/win32/event_boundary.h"
#include "frontends/win32/form_window.h"
#include "frontends/win32/win32_desktop.h"
#include "frontends/win32/win32_text.h"
#include "frontends/win32/windows_api.h"
#include "main_window/form1.h"
#include "main_window/form1_events.h"

using namespace quillpad;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  OleInitialize(nullptr);
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  win32::Win32Desktop desktop;
  const win32::EventBoundary boundary(desktop);
  std::unique_ptr<Form1> form1;
  win32::FormWindow& window =
      desktop.AddLoadedWindow(std::make_unique<win32::FormWindow>(WindowLayout{
                                  kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems}),
                              [&] { form1->Form_Unload(); });
  form1 = std::make_unique<Form1>(window, desktop);

  desktop.SetWindowFactory([&](std::string_view name) -> win32::FormWindow* {
    if (name == kForm2Window.name) return &win32::LoadAboutWindow(desktop, boundary);
    return nullptr;
  });
  const MainWindowEvents events = Form1Events(*form1, desktop, boundary.Runner());
  window.SetEvents(events.window);

  events.load();
  if (const Text problems = desktop.settings_read_problems(); !problems.empty()) {
    // Said once the icon is in the notification area, so the program is reachable meanwhile.
    MessageBoxW(nullptr, win32::Wide(problems).c_str(), L"Quillpad",
                MB_OK | MB_ICONWARNING | MB_TOPMOST | MB_SETFOREGROUND);
  }
  MSG message;
  // Once the process has ended no queued event is handled.
  while (!desktop.ended() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!desktop.TranslateKeys(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    desktop.ReleaseUnloaded();
  }
  OleUninitialize();
  return 0;
}
