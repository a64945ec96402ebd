"""Input as a person gives it, through xdotool: pointer moves, clicks and keys, spare keys
for the characters the keymap lacks, and the keyboard focus."""

import subprocess

from Xlib import X

from waiting import DEFAULT_TIMEOUT, wait_until

UNICODE_KEYSYM_BASE = 0x1000000
# Longer than the desktop's double-click interval (400 ms), so a lone click has settled.
DOUBLE_CLICK_SETTLE = 0.8


class XInput:
    """Drives the pointer and keyboard of the display (self.x, self.environment())."""

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.environment(), check=True,
                       timeout=DEFAULT_TIMEOUT)

    def move_to(self, x, y):
        # No --sync: it waits forever when the pointer is already there.
        self.xdotool("mousemove", x, y)

    def move_onto(self, window):
        self.move_to(*self.geometry(window).centre)

    def click_at(self, x, y, button=1):
        self.move_to(x, y)
        self.xdotool("click", button)

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def _bind_keys_for(self, text):
        """Bind characters missing from the keymap (non-ASCII) to spare keycodes for good.

        xdotool would bind them only while typing and unbind them at once; a busy
        program then reads the restored keymap and loses characters."""
        missing = sorted({c for c in text if not c.isascii()} - self._bound_chars)
        for char in missing:
            lower, upper = char.lower(), char.upper()
            if len(lower) != 1 or len(upper) != 1:
                lower = upper = char
            keycode = self._spare_keycode()
            keysyms = [UNICODE_KEYSYM_BASE + ord(lower), UNICODE_KEYSYM_BASE + ord(upper)]
            width = len(self.x.get_keyboard_mapping(keycode, 1)[0])
            self.x.change_keyboard_mapping(keycode, [keysyms + [X.NoSymbol] * (width - 2)])
            self._bound_chars.update((lower, upper))
        self.x.sync()

    def _spare_keycode(self):
        first = self.x.display.info.min_keycode
        rows = self.x.get_keyboard_mapping(first, self.x.display.info.max_keycode - first + 1)
        spare = [first + i for i, keysyms in enumerate(rows) if not any(keysyms)]
        if not spare:
            raise RuntimeError("no spare keycode left to bind a character to")
        return spare[0]

    # ---- the keyboard focus -----------------------------------------------

    def activate(self, window):
        """Give a window the keyboard focus the way a window manager would."""
        self.xdotool("windowfocus", window.id)
        self.wait_focus_on(window)

    def wait_focus_on(self, window):
        wait_until(lambda: self._focused_window_id() == window.id,
                   what=f"window {window.id:#x} to have the keyboard focus")

    def active_window_id(self):
        """The window the window manager has made the active one."""
        active = self.x.screen().root.get_full_property(
            self.atom("_NET_ACTIVE_WINDOW"), X.AnyPropertyType)
        return active.value[0] if active is not None and len(active.value) else None

    def _focused_window_id(self):
        focus = self.x.get_input_focus().focus
        return getattr(focus, "id", None)
