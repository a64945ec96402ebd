#pragma once

#include <functional>
#include <vector>

#include "core/ids.h"
#include "core/text.h"

namespace quillpad {

// What a front end's window reports of its user's actions and of the desktop's messages to
// it; the front end runs each through its event boundary to the handlers.
struct WindowEvents {
  std::function<void(ControlId)> click = {};
  std::function<void(ControlId)> control_mouse_move = {};
  std::function<void(MenuItemId)> menu_item = {};
  // Over the window's own background only; on Windows the notification icon reports so too.
  std::function<void(float x_twips, float y_twips)> mouse_move = {};
  std::function<void()> close_requested = {};
  // The desktop's notification area was created anew, where the desktop says so.
  std::function<void()> notification_area_created = {};
  // Files dropped anywhere on the window, by their full paths; a window without this
  // accepts no dropped files.
  std::function<void(const std::vector<Text>& paths)> files_dropped = {};
  // The desktop session asks for the user's data to be kept before it ends, which it may yet
  // cancel; it waits for the answer.
  std::function<void()> session_save_requested = {};
  // The run ends other than by a way out: with the session, by the toolkit's own quit, or
  // with the display.
  std::function<void()> run_ended = {};
};

// Runs one handler the way the front end runs every handler (through its event boundary).
using HandlerRunner = std::function<void(const std::function<void()>& handler)>;

}  // namespace quillpad
