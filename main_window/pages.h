#pragma once

#include <array>

#include "core/window.h"
#include "main_window/form1_definition.h"

namespace quillpad {

// The author's details and the program's details share the window's area; a page is the
// set of controls shown together, listed in the order a switch sets them. There is no page
// variable: the controls' own visibility is the page in force.
inline constexpr std::array kAuthorPage = [] {
  using enum Form1Control;
  return std::array{
      Label1,   Label2,    Label3,    Label4,    Label5,    Label6,    Label7,    Label8,
      Label9,   Label10,   Label11,   Label12,   Label13,   Label14,   Label15,   Text1,
      Text2,    Text3,     Text4,     Text5,     Text6,     Text7,     Text8,     Text9,
      Text10,   Text11,    Text12,    Text13,    Text14,    Text16,    Command1,  Command2,
      Command3, Command10, Command11, Command12, Command13, Command14, Command15,
  };
}();

inline constexpr std::array kProgramPage = [] {
  using enum Form1Control;
  return std::array{
      Combo1,    Command18, Command19, Text15,  Text17,  Label16, Label17,
      Label18,   Label19,   Label20,   Label21, Label22, Label23, Label24,
      Command20, Text18,    Text19,    Text20,  Text21,  Text22,  Text23,
  };
}();

// Both switches set all 60 controls, author set first, to opposite values; neither reads
// the current state. A failure part-way leaves the controls already set as they are.
void ShowAuthorPage(Window& window);
void ShowProgramPage(Window& window);

}  // namespace quillpad
