#pragma once

#include <cstdint>

#include "about/form2_definition.h"
#include "core/desktop.h"
#include "core/window.h"

namespace quillpad {

// The About window's behaviour: the two links light up under the pointer and open the
// maker's mail and web site. It holds no data and saves nothing.
class Form2 {
 public:
  Form2(Window& window, Desktop& desktop);

  // Opening from the main window's menu: the one About window, created when absent.
  static void Open(Desktop& desktop);

  void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
  void Control_MouseMove(ControlId control);
  void Control_Click(ControlId control);

  void Label2_MouseMove();
  void Label3_MouseMove();
  void Label2_Click();
  void Label3_Click();

 private:
  Window& window_;
  Desktop& desktop_;
};

// The new message to the maker, subject line included, exactly as the shell receives it.
Text MakerMailTarget();

}  // namespace quillpad
