#pragma once

#include "about/form2.h"
#include "frontends/qt/event_boundary.h"
#include "frontends/qt/form_window.h"
#include "frontends/qt/qt_desktop.h"

namespace quillpad::qt {

// The About window: built from its definition, loaded among the program's windows, its
// events handed to its handlers. It goes when unloaded.
class AboutWindow : public FormWindow {
 public:
  AboutWindow(QtDesktop& desktop, const EventBoundary& boundary);

 private:
  Form2 form_;
};

}  // namespace quillpad::qt
