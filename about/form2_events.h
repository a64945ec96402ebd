#pragma once

#include <functional>

#include "about/form2.h"
#include "core/window_events.h"

namespace quillpad {

// Runs one handler the way the front end runs every handler (through its event boundary).
using HandlerRunner = std::function<void(const std::function<void()>& handler)>;

// Which of the About window's handlers each of its events reaches; a close request unloads
// the window with `unload`.
WindowEvents Form2Events(Form2& form, HandlerRunner run, std::function<void()> unload);

}  // namespace quillpad
