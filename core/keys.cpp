#include "core/keys.h"

namespace quillpad {

KeyEffect EffectOf(const KeyChord& chord, ControlKind focused) {
  // Ctrl with Alt is how Windows reports AltGr, which types a layout's further letters.
  if (chord.alt && !chord.ctrl) {
    const bool types = chord.key == Key::kCharacter || chord.key == Key::kSpace ||
                       chord.key == Key::kEnter || chord.key == Key::kTab;
    return types ? KeyEffect::kKeptFromControls : KeyEffect::kControlsOwn;
  }
  if (chord.ctrl) return KeyEffect::kControlsOwn;
  switch (chord.key) {
    case Key::kTab:
      // From the multi-line boxes too: a tab character has no place in any field.
      return chord.shift ? KeyEffect::kPreviousControl : KeyEffect::kNextControl;
    case Key::kEnter:
    case Key::kSpace:
      return focused == ControlKind::kButton ? KeyEffect::kPressButton : KeyEffect::kControlsOwn;
    case Key::kF10:
      return chord.shift ? KeyEffect::kControlsOwn : KeyEffect::kOpenMenuBar;
    default:
      return KeyEffect::kControlsOwn;
  }
}

}  // namespace quillpad
