#include "frontends/qt/key_chord.h"

namespace quillpad::qt {
namespace {

Key KeyOf(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::kEnter;
    case Qt::Key_Space:
      return Key::kSpace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return Key::kTab;
    case Qt::Key_F10:
      return Key::kF10;
    default:
      return !event.text().isEmpty() && event.text().front().isPrint() ? Key::kCharacter
                                                                       : Key::kOther;
  }
}

}  // namespace

KeyChord ChordOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return {.key = KeyOf(event),
          .shift = modifiers.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab,
          .ctrl = modifiers.testFlag(Qt::ControlModifier),
          .alt = modifiers.testFlag(Qt::AltModifier)};
}

}  // namespace quillpad::qt
