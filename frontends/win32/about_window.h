#pragma once

#include "about/form2.h"
#include "frontends/win32/event_boundary.h"
#include "frontends/win32/form_window.h"
#include "frontends/win32/win32_desktop.h"

namespace quillpad::win32 {

// The About window: built from its definition, loaded among the program's windows, its
// events handed to its handlers. It goes when unloaded.
class AboutWindow : public FormWindow {
 public:
  AboutWindow(Win32Desktop& desktop, const EventBoundary& boundary);

 private:
  Form2 form_;
};

// Creates the About window and adds it to the loaded windows.
FormWindow& LoadAboutWindow(Win32Desktop& desktop, const EventBoundary& boundary);

}  // namespace quillpad::win32
