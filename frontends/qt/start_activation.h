#pragma once

#include <QByteArray>
#include <QWidget>

namespace quillpad::qt {

// What the desktop gave a start of the program to bring a window to the front with: a
// Wayland desktop's activation token, an X desktop's startup notification id. A start that
// hands over to the running copy passes them on, so that the desktop lets that copy come
// forward as it would have let this start.
struct StartActivation {
  QByteArray xdg_activation_token;
  QByteArray desktop_startup_id;

  // Read from this process's environment, as the launcher set it.
  static StartActivation OfThisProcess();

  // One line, as it goes from one process to the other, and back.
  QByteArray ToLine() const;
  static StartActivation FromLine(const QByteArray& line);
};

// Brings a window of this program to the front with the keyboard focus, on the strength of
// another start's activation; a minimised window comes back first.
void BringToFront(QWidget& window, const StartActivation& activation);

}  // namespace quillpad::qt
