#include "main_window/pages.h"

#include "main_window/copy_button_names.h"

namespace quillpad {
namespace {

using enum Form1Control;

void SetPages(Window& window, bool author_shown) {
  for (Form1Control control : kAuthorPage) window.SetVisible(Id(control), author_shown);
  for (Form1Control control : kProgramPage) window.SetVisible(Id(control), !author_shown);
  NameSharedRowButtons(window, !author_shown);
}

}  // namespace

const std::array<Form1Control, 39> kAuthorPage = {
    Label1,   Label2,    Label3,    Label4,    Label5,    Label6,    Label7,    Label8,
    Label9,   Label10,   Label11,   Label12,   Label13,   Label14,   Label15,   Text1,
    Text2,    Text3,     Text4,     Text5,     Text6,     Text7,     Text8,     Text9,
    Text10,   Text11,    Text12,    Text13,    Text14,    Text16,    Command1,  Command2,
    Command3, Command10, Command11, Command12, Command13, Command14, Command15,
};

const std::array<Form1Control, 21> kProgramPage = {
    Combo1,    Command18, Command19, Text15,  Text17,  Label16, Label17,
    Label18,   Label19,   Label20,   Label21, Label22, Label23, Label24,
    Command20, Text18,    Text19,    Text20,  Text21,  Text22,  Text23,
};

void ShowAuthorPage(Window& window) {
  SetPages(window, true);
}

void ShowProgramPage(Window& window) {
  SetPages(window, false);
}

}  // namespace quillpad
