#include "main_window/copy_buttons.h"

#include <algorithm>

namespace quillpad {

using enum Form1Control;

const std::array<CopyButton, 17> kCopyButtons = {{
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
}};

const CopyButton* FindCopyButton(Form1Control control) {
  const auto found = std::find_if(kCopyButtons.begin(), kCopyButtons.end(),
                                  [&](const CopyButton& copy) { return copy.button == control; });
  return found == kCopyButtons.end() ? nullptr : &*found;
}

void CopyField(Window& window, Desktop& desktop, const CopyButton& copy) {
  desktop.ClearClipboard();
  Form1Control source = copy.box;
  if (copy.program_box && window.Visible(Id(copy.box)) != kVbTrue) source = *copy.program_box;
  desktop.SetClipboardText(window.GetText(Id(source)));
}

}  // namespace quillpad
