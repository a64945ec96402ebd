#include "frontends/win32/key_chord.h"

namespace quillpad::win32 {
namespace {

bool Held(int virtual_key) {
  return GetKeyState(virtual_key) < 0;
}

Key KeyOf(WPARAM virtual_key) {
  switch (virtual_key) {
    case VK_RETURN:
      return Key::kEnter;
    case VK_SPACE:
      return Key::kSpace;
    case VK_TAB:
      return Key::kTab;
    case VK_F10:
      return Key::kF10;
    default:
      return MapVirtualKeyW(static_cast<UINT>(virtual_key), MAPVK_VK_TO_CHAR) != 0 ? Key::kCharacter
                                                                                   : Key::kOther;
  }
}

}  // namespace

std::optional<KeyChord> ChordOf(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return std::nullopt;
  return KeyChord{.key = KeyOf(message.wParam),
                  .shift = Held(VK_SHIFT),
                  .ctrl = Held(VK_CONTROL),
                  .alt = Held(VK_MENU)};
}

}  // namespace quillpad::win32
