#pragma once

#include <array>
#include <optional>

#include "core/desktop.h"
#include "core/window.h"
#include "main_window/form1_definition.h"

namespace quillpad {

// A "!" button and the box it copies. A button on a shared row also names the program's
// box lying on its author's box: it copies whichever of the two is on show.
struct CopyButton {
  Form1Control button;
  Form1Control box;
  std::optional<Form1Control> program_box;
};

extern const std::array<CopyButton, 17> kCopyButtons;

// The copy button behind `control`, or null.
const CopyButton* FindCopyButton(Form1Control control);

// Empties the clipboard, then reads the box (on a shared row, after testing whether the
// author's box is shown) and puts its text on the clipboard whole. A failure after the
// clearing leaves the clipboard empty.
void CopyField(Window& window, Desktop& desktop, const CopyButton& copy);

}  // namespace quillpad
