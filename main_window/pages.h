#pragma once

#include <array>

#include "core/window.h"
#include "main_window/form1_definition.h"

namespace quillpad {

// The author's details and the program's details share the window's area; a page is the
// set of controls shown together, listed in the order a switch sets them. There is no page
// variable: the controls' own visibility is the page in force.
extern const std::array<Form1Control, 39> kAuthorPage;
extern const std::array<Form1Control, 21> kProgramPage;

// Both switches set all 60 controls, author set first, to opposite values; neither reads
// the current state. A failure part-way leaves the controls already set as they are.
void ShowAuthorPage(Window& window);
void ShowProgramPage(Window& window);

}  // namespace quillpad
