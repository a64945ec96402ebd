#include "frontends/qt/about_window.h"

namespace quillpad::qt {

AboutWindow::AboutWindow(QtDesktop& desktop, const EventBoundary& boundary)
    : FormWindow({kForm2Window, kForm2Controls, {}, {}},
                 desktop.notification_icons().IconHandle(kForm2Window.icon)),
      form_(*this, desktop) {
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
  desktop.AddLoadedWindow(*this, [] {});
}

}  // namespace quillpad::qt
