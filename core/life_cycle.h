#pragma once

#include "core/desktop.h"
#include "core/profile_store.h"
#include "core/window.h"

namespace quillpad {

// Unloads every loaded window, the last loaded first; the main window, unloaded last,
// saves and ends the process from its own unload handler.
void UnloadAllWindows(Desktop& desktop);

// How a run ends, whichever way it ends: its fields are saved first, once.
class RunEnd {
 public:
  RunEnd(Window& main_window, Desktop& desktop, const FieldBoxes& boxes);

  // What the main window's unload does, whichever way out started it: save all 25 entries,
  // unload every window the last loaded first, end the process. When the profile cannot be
  // saved nothing ends: the main window is shown with every field as typed and the failure
  // goes on to be reported, so the user can mend the cause and leave again.
  void SaveAndExit();

  // The run is ending by something other than SaveAndExit: the event loop was ended from
  // outside (the session's end, the toolkit's own quit) or the process is ending under the
  // program (the display gone). Saves the 25 entries as SaveAndExit does, and only the
  // first time the run ends: never again after SaveAndExit or an earlier call has saved.
  // It asks nothing of the window but its fields and position, and does not touch the
  // window system otherwise; a failed save goes on to be reported.
  void Ended();

  // The desktop asks for the fields to be kept while the run goes on, as a session does
  // before it ends, which may yet be cancelled: the 25 entries are saved now. A later end
  // of the run saves again, with whatever has been typed since.
  void SaveNow();

  // Whether the run is on its way out: its last save has begun and has not failed.
  bool ending() const { return ending_; }

 private:
  Window& main_window_;
  Desktop& desktop_;
  const FieldBoxes& boxes_;
  bool saved_for_end_ = false;
  bool ending_ = false;
};

}  // namespace quillpad
