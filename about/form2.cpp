#include "about/form2.h"

namespace quillpad {

Form2::Form2(Window& window, Desktop& desktop) : window_(window), desktop_(desktop) {}

void Form2::Open(Desktop& desktop) {
  Window* about = desktop.FindLoadedWindow(kForm2Window.name);
  if (about == nullptr) about = &desktop.LoadWindow(kForm2Window.name);
  about->Show();
}

void Form2::Form_MouseMove(std::int16_t, std::int16_t, float, float) {
  window_.SetTextColour(Id(Form2Control::Label2), system_colour::kHighlightText);
  window_.SetTextColour(Id(Form2Control::Label3), system_colour::kHighlightText);
}

void Form2::Control_MouseMove(ControlId control) {
  switch (EnumOf<Form2Control>(control)) {
    case Form2Control::Label2:
      Label2_MouseMove();
      break;
    case Form2Control::Label3:
      Label3_MouseMove();
      break;
    case Form2Control::Label1:
      break;
  }
}

void Form2::Control_Click(ControlId control) {
  switch (EnumOf<Form2Control>(control)) {
    case Form2Control::Label2:
      Label2_Click();
      break;
    case Form2Control::Label3:
      Label3_Click();
      break;
    case Form2Control::Label1:
      break;
  }
}

void Form2::Label2_MouseMove() {
  window_.SetTextColour(Id(Form2Control::Label2), kPureRed);
}

void Form2::Label3_MouseMove() {
  window_.SetTextColour(Id(Form2Control::Label3), kPureRed);
}

void Form2::Label2_Click() {
  desktop_.ShellOpen(window_.Handle(), MakerMailTarget());
}

void Form2::Label3_Click() {
  desktop_.ShellOpen(0, Text(kMakerWeb));
}

Text MakerMailTarget() {
  return u"mailto:" + Text(kMakerEmail) + u"?subject=Quillpad v.1";
}

}  // namespace quillpad
