#include "frontends/win32/about_window.h"

#include <memory>

#include "about/form2_events.h"

namespace quillpad::win32 {

AboutWindow::AboutWindow(Win32Desktop& desktop, const EventBoundary& boundary)
    : FormWindow({kForm2Window, kForm2Controls, {}, {}}), form_(*this, desktop) {
  SetEvents(Form2Events(form_, boundary.Runner(),
                        [this, &desktop] { desktop.UnloadWindow(desktop.IndexOf(*this)); }));
}

FormWindow& LoadAboutWindow(Win32Desktop& desktop, const EventBoundary& boundary) {
  return desktop.AddLoadedWindow(std::make_unique<AboutWindow>(desktop, boundary), [] {});
}

}  // namespace quillpad::win32
