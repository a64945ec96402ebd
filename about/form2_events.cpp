#include "about/form2_events.h"

#include <utility>

namespace quillpad {

WindowEvents Form2Events(Form2& form, HandlerRunner run, std::function<void()> unload) {
  return {
      .click = [&form, run](ControlId control) { run([&] { form.Control_Click(control); }); },
      .control_mouse_move =
          [&form, run](ControlId control) { run([&] { form.Control_MouseMove(control); }); },
      .mouse_move = [&form, run](float x,
                                 float y) { run([&] { form.Form_MouseMove(0, 0, x, y); }); },
      .close_requested = [run, unload = std::move(unload)] { run(unload); },
  };
}

}  // namespace quillpad
