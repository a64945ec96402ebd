#pragma once

#include <functional>

#include "about/form2.h"
#include "core/window_events.h"

namespace quillpad {

// Which of the About window's handlers each of its events reaches; a close request unloads
// the window with `unload`.
WindowEvents Form2Events(Form2& form, HandlerRunner run, std::function<void()> unload);

}  // namespace quillpad
