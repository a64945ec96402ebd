#include "main_window/copy_buttons.h"

#include <algorithm>

namespace quillpad {

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
