#pragma once

#include <array>

#include "core/text.h"
#include "core/window.h"
#include "main_window/form1_definition.h"

namespace quillpad {

// A "!" button's caption says nothing to a screen reader's user, so each is named after the
// field it copies, in the words of the label on its row. The window is built showing the
// authors' page, whose names are the buttons' own in the window's definition; a button on a
// shared row copies a program's box while the program's page is in force, and is then named
// after that box's label.
struct ProgramPageName {
  Form1Control button;
  TextView name;
};

extern const std::array<ProgramPageName, 6> kProgramPageNames;

// What a screen reader calls a "!" button while the given page is in force.
TextView CopyButtonName(Form1Control button, bool program_page);

// Names each shared-row button after what a click copies on the page now in force.
void NameSharedRowButtons(Window& window, bool program_page);

}  // namespace quillpad
