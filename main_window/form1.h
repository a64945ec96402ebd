#pragma once

#include <cstdint>
#include <vector>

#include "core/desktop.h"
#include "core/life_cycle.h"
#include "core/one_copy.h"
#include "core/place_keeping_window.h"
#include "core/window.h"
#include "main_window/form1_definition.h"
#include "tray/activation_pairing.h"
#include "tray/tray_icon.h"

namespace quillpad {

// The main window's behaviour: one handler per user event, named after the control and
// the event. The front end builds the window from kForm1Controls and calls these.
class Form1 {
 public:
  Form1(Window& window, Desktop& desktop);

  // Startup: pinned, hidden, in the notification area, the profile loaded, the author's
  // details on show. Where the icon cannot be added the window is shown instead.
  void Form_Load();

  // Every way out ends here: save, unload every window, end the process.
  void Form_Unload();

  // The run ended other than through Form_Unload (the session's end, the toolkit's own
  // quit, the display gone): the fields are saved as Form_Unload saves them, once.
  void Run_Ended();

  // The desktop session asks for the fields to be kept before it ends, which it may yet
  // cancel: they are saved now and the run goes on.
  void Session_SaveRequested();

  // A mouse move over the window, which is also how the notification icon reports.
  void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);

  // A click on a control: the seventeen "!" copy their field, "1" and "2" switch pages,
  // "Перейти!" opens the chosen catalogue; the rest have no click of their own.
  void Control_Click(ControlId control);
  void Command16_Click();
  void Command17_Click();
  void Command18_Click();

  // Files dropped on the window: one PAD file fills the boxes it has values for, once the
  // user agrees.
  void Form_OLEDragDrop(const std::vector<Text>& paths);

  void MenuItem_Click(MenuItemId item);
  void cr_Click();
  void or_Click();
  void vrr_Click();
  void ex_Click();

  // The desktop's notification area was created anew and no longer holds the icon.
  void NotificationArea_Created();
  // The desktop's notification area went away, and the icon with it.
  void NotificationArea_Gone();

  // The program was started again on this profile and hands the user over to this run: the
  // window comes up as a double-click on the icon brings it, unless a message is open, which
  // the user must answer first, or the run is already ending.
  StartedAgainAnswer Form_StartedAgain(bool message_open);

  // The toolkit's own report of the notification icon's use, turned into the mouse move
  // that the shell would have sent.
  void TrayIcon_Activated(TrayActivation activation, std::int64_t time_ms,
                          std::int64_t double_click_interval_ms);

 private:
  PlaceKeepingWindow window_;
  Desktop& desktop_;
  TrayIcon tray_icon_;
  ActivationPairing activation_pairing_;
  RunEnd run_end_;
};

}  // namespace quillpad
