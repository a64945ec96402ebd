#pragma once

#include <array>

#include "core/desktop.h"
#include "core/profile_entries.h"
#include "core/window.h"

namespace quillpad {

// The text box that shows each profile field, indexed by ProfileField.
using FieldBoxes = std::array<ControlId, kProfileFieldCount>;

// Reads the 25 entries in store order into the window: each field into its box (missing:
// empty), and the stored position, where it reads as one. The position is the window's
// outer corner, stored and applied alike, so that a window reopens exactly where it was
// left; with none stored the window is left where its definition places its client area.
void LoadProfile(Window& window, Desktop& desktop, const FieldBoxes& boxes);

// Tells the user, once, about a saved profile that was not read whole and about the values
// kept as stored; says nothing when all read.
void TellHowProfileRead(Desktop& desktop);

// Writes all 25 entries in store order from the window, every time, and puts them on disk; a
// stored value that could not be read as text is left as it is while its entry still holds
// what the run took in its place.
// Where the window's place is not known, the stored place (or, at first, the one the window
// was given) is written back unchanged.
void SaveProfile(Window& window, Desktop& desktop, const FieldBoxes& boxes);

}  // namespace quillpad
