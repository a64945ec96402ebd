#pragma once

#include "core/desktop.h"
#include "core/profile_store.h"
#include "core/window.h"

namespace quillpad {

// Unloads every loaded window, the last loaded first; the main window, unloaded last,
// saves and ends the process from its own unload handler.
void UnloadAllWindows(Desktop& desktop);

// What the main window's unload does, whichever way out started it: save all 25 entries,
// unload every window the last loaded first, end the process. When the profile cannot be
// saved nothing ends: the main window is shown with every field as typed and the failure
// goes on to be reported, so the user can mend the cause and leave again.
void SaveAndExit(Window& main_window, Desktop& desktop, const FieldBoxes& boxes);

}  // namespace quillpad
