#include "core/life_cycle.h"

#include <string>

#include "core/errors.h"

namespace quillpad {

void UnloadAllWindows(Desktop& desktop) {
  for (int index = desktop.LoadedWindowCount() - 1; index >= 0; --index) {
    desktop.UnloadWindow(index);
  }
}

void SaveAndExit(Window& main_window, Desktop& desktop, const FieldBoxes& boxes) {
  try {
    SaveProfile(main_window, desktop, boxes);
  } catch (const PlatformError& failure) {
    main_window.Show();
    throw PlatformError(std::string(failure.what()) +
                        "\n\nQuillpad продолжает работу, все поля в окне остались как были. "
                        "Устраните причину и выйдите ещё раз.");
  }
  UnloadAllWindows(desktop);
  desktop.EndProcess();
}

}  // namespace quillpad
