#pragma once

#include "core/window_definition.h"

namespace quillpad {

// The keys the window gives a meaning of its own; every other key is a `kCharacter` where it
// would type one, `kOther` where not.
enum class Key { kEnter, kSpace, kTab, kF10, kCharacter, kOther };

struct KeyChord {
  Key key = Key::kOther;
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// What a key pressed in a window does, the same on every desktop.
enum class KeyEffect {
  // The focused control's own: typing, editing, moving in a list, the menus' shortcuts.
  kControlsOwn,
  kPressButton,
  kNextControl,
  kPreviousControl,
  kOpenMenuBar,
  // Taken by no command, so it reaches no control: the fields change only by typing.
  kKeptFromControls,
};

KeyEffect EffectOf(const KeyChord& chord, ControlKind focused);

}  // namespace quillpad
