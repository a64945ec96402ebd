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

inline constexpr std::array kCopyButtons = [] {
  using enum Form1Control;
  return std::to_array<CopyButton>({
      {Command1, Text4, std::nullopt},
      {Command2, Text1, std::nullopt},
      {Command3, Text2, std::nullopt},
      {Command4, Text3, Text18},
      {Command5, Text5, Text19},
      {Command6, Text6, Text20},
      {Command7, Text7, Text21},
      {Command8, Text8, Text22},
      {Command9, Text9, Text23},
      {Command10, Text10, std::nullopt},
      {Command11, Text11, std::nullopt},
      {Command12, Text12, std::nullopt},
      {Command13, Text13, std::nullopt},
      {Command14, Text14, std::nullopt},
      {Command15, Text16, std::nullopt},
      {Command19, Text15, std::nullopt},
      {Command20, Text17, std::nullopt},
  });
}();

// The copy button behind `control`, or null.
const CopyButton* FindCopyButton(Form1Control control);

// Empties the clipboard, then reads the box (on a shared row, after testing whether the
// author's box is shown) and puts its text on the clipboard whole. A failure after the
// clearing leaves the clipboard empty.
void CopyField(Window& window, Desktop& desktop, const CopyButton& copy);

}  // namespace quillpad
