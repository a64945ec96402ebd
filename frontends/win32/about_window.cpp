#include "frontends/win32/about_window.h"

#include <memory>

namespace quillpad::win32 {

AboutWindow::AboutWindow(Win32Desktop& desktop, const EventBoundary& boundary)
    : FormWindow({kForm2Window, kForm2Controls, {}, {}}), form_(*this, desktop) {
  SetEvents({
      .click = [this, &boundary](
                   ControlId control) { boundary.Run([&] { form_.Control_Click(control); }); },
      .control_mouse_move =
          [this, &boundary](ControlId control) {
            boundary.Run([&] { form_.Control_MouseMove(control); });
          },
      .mouse_move = [this, &boundary](
                        float x,
                        float y) { boundary.Run([&] { form_.Form_MouseMove(0, 0, x, y); }); },
      .close_requested =
          [this, &desktop, &boundary] {
            boundary.Run([&] { desktop.UnloadWindow(desktop.IndexOf(*this)); });
          },
  });
}

FormWindow& LoadAboutWindow(Win32Desktop& desktop, const EventBoundary& boundary) {
  return desktop.AddLoadedWindow(std::make_unique<AboutWindow>(desktop, boundary), [] {});
}

}  // namespace quillpad::win32
