#include "main_window/pages.h"

#include "main_window/copy_button_names.h"

namespace quillpad {
namespace {

void SetPages(Window& window, bool author_shown) {
  for (Form1Control control : kAuthorPage) window.SetVisible(Id(control), author_shown);
  for (Form1Control control : kProgramPage) window.SetVisible(Id(control), !author_shown);
  NameSharedRowButtons(window, !author_shown);
}

}  // namespace

void ShowAuthorPage(Window& window) {
  SetPages(window, true);
}

void ShowProgramPage(Window& window) {
  SetPages(window, false);
}

}  // namespace quillpad
