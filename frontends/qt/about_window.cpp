#include "frontends/qt/about_window.h"

#include "about/form2_events.h"

namespace quillpad::qt {

AboutWindow::AboutWindow(QtDesktop& desktop, const EventBoundary& boundary)
    : FormWindow({kForm2Window, kForm2Controls, {}, {}},
                 desktop.notification_icons().IconHandle(kForm2Window.icon)),
      form_(*this, desktop) {
  SetEvents(Form2Events(form_, boundary.Runner(),
                        [this, &desktop] { desktop.UnloadWindow(desktop.IndexOf(*this)); }));
  desktop.AddLoadedWindow(*this, [] {});
}

}  // namespace quillpad::qt
