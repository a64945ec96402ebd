#include "core/life_cycle.h"

#include <string>

#include "core/errors.h"

namespace quillpad {

void UnloadAllWindows(Desktop& desktop) {
  for (int index = desktop.LoadedWindowCount() - 1; index >= 0; --index) {
    desktop.UnloadWindow(index);
  }
}

RunEnd::RunEnd(Window& main_window, Desktop& desktop, const FieldBoxes& boxes)
    : main_window_(main_window), desktop_(desktop), boxes_(boxes) {}

void RunEnd::SaveAndExit() {
  ending_ = true;
  try {
    SaveProfile(main_window_, desktop_, boxes_);
  } catch (const PlatformError& failure) {
    ending_ = false;
    main_window_.Show();
    throw PlatformError(std::string(failure.what()) +
                        "\n\nQuillpad продолжает работу, все поля в окне остались как были. "
                        "Устраните причину и выйдите ещё раз.");
  }
  saved_for_end_ = true;
  UnloadAllWindows(desktop_);
  desktop_.EndProcess();
}

void RunEnd::Ended() {
  ending_ = true;
  if (saved_for_end_) return;
  SaveProfile(main_window_, desktop_, boxes_);
  saved_for_end_ = true;
}

void RunEnd::SaveNow() {
  SaveProfile(main_window_, desktop_, boxes_);
}

}  // namespace quillpad
