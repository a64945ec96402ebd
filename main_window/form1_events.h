#pragma once

#include <cstdint>
#include <functional>

#include "core/desktop.h"
#include "core/window_events.h"
#include "main_window/form1.h"

namespace quillpad {

// Every event the main window hears, from its own controls and menus, from the notification
// icon and from the desktop session, each leading to its Form1 handler.
struct MainWindowEvents {
  // A close request unloads the main window, which ends the run as every way out does.
  WindowEvents window;
  // The toolkit's own report of the icon's use, with the time it came (milliseconds on any
  // steady clock) and the desktop's double-click interval.
  std::function<void(TrayActivation, std::int64_t time_ms, std::int64_t double_click_interval_ms)>
      tray_activated;
  // The notification area went away (false) or came back (true).
  std::function<void(bool present)> notification_area_changed;
  // Another start on this profile, with whether a message of this run is open; a handler
  // that fails answers that the run is ending, so that the other start asks again.
  std::function<StartedAgainAnswer(bool message_open)> started_again;
  std::function<void()> load;
};

// Which of the main window's handlers each event reaches; every one runs through `run`.
MainWindowEvents Form1Events(Form1& form, Desktop& desktop, const HandlerRunner& run);

}  // namespace quillpad
