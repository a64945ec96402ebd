"""The Linux end-to-end harness (Xvfb, trayer, xdotool, xclip, a stand-in xdg-open),
running Quillpad.exe under Wine instead of the Qt build.

Every test shares the Wine prefix that the test run made afresh; each starts with no
profile in its registry and ends every Wine process of the prefix, so that the next
test's program meets a new X display.
"""

import os
import re
import subprocess
import time
import unittest

from desktop import DEFAULT_TIMEOUT, MAIN_WINDOW_TITLE, Desktop, wait_until

SETTINGS_KEY = r"HKCU\Software\VB and VBA Program Settings\Quillpad\Setting"
APPLICATION_KEY = r"HKCU\Software\VB and VBA Program Settings\Quillpad"
# Wine's own start-up and shell take longer than a native program's.
WINE_TIMEOUT = 60.0


def _unescaped(exported):
    """A name or text as an export writes it: backslash escapes for the quote, the
    backslash and the two line-break characters."""
    return re.sub(r"\\(.)", lambda m: {"r": "\r", "n": "\n"}.get(m[1], m[1]), exported)


def _required(name):
    value = os.environ.get(name)
    if not value:
        raise RuntimeError(f"set {name}")
    return value


class WineDesktop(Desktop):
    """A Desktop whose program is a Windows executable started by the Wine loader."""

    def __init__(self, tray=True, window_manager=None):
        super().__init__(tray=tray, window_manager=window_manager)
        self.loader = _required("QUILLPAD_WINE")
        self.prefix = _required("WINEPREFIX")
        self.exe = _required("QUILLPAD_EXE")
        self.app_name = "quillpad.exe"  # the X class Wine gives the program's windows

    def environment(self):
        env = super().environment()
        env.update(WINEPREFIX=self.prefix, WINEDEBUG="-all", WINELOADER=self.loader)
        return env

    def close(self):
        super().close()
        self._end_wine()

    def _end_wine(self):
        """End every Wine process of the prefix: the program, its shell and services."""
        server = os.path.join(os.path.dirname(self.loader), "wineserver")
        subprocess.run([server, "-k"], env=self.environment(), stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=DEFAULT_TIMEOUT)
        subprocess.run([server, "-w"], env=self.environment(), stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=DEFAULT_TIMEOUT)

    def launch(self, binary=None):
        with open(self.app_log, "ab") as log:
            self.app = subprocess.Popen(
                [self.loader, self.exe], env=self.environment(), stdin=subprocess.DEVNULL,
                stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        wait_until(self._program_is_up, WINE_TIMEOUT,
                   what="the program to dock or show its window")

    def wine(self, *args, check=True):
        return subprocess.run([self.loader, *args], env=self.environment(), check=check,
                              capture_output=True, timeout=WINE_TIMEOUT)

    # ---- the registry -----------------------------------------------------

    def set_dots_per_inch(self, dots):
        """The screen scale Windows programs see, from the next start on."""
        self.wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                  "/t", "REG_DWORD", "/d", str(dots), "/f")

    def forget_profile(self):
        self.wine("reg", "delete", APPLICATION_KEY, "/f", check=False)

    def store_profile(self, values):
        """Put values in the program's registry key before it starts."""
        section = SETTINGS_KEY.replace("HKCU", "HKEY_CURRENT_USER")
        lines = ["Windows Registry Editor Version 5.00", "", f"[{section}]"]
        for key, value in values.items():
            escaped = (value.replace("\\", "\\\\").replace('"', '\\"')
                       .replace("\r", "\\r").replace("\n", "\\n"))
            lines.append(f'"{key}"="{escaped}"')
        path = os.path.join(self.root_dir, "profile.reg")
        with open(path, "w", encoding="utf-16") as f:
            f.write("\r\n".join(lines) + "\r\n")
        self.wine("reg", "import", path)

    def stored_profile(self):
        """The program's values as `wine reg query` lists them: name -> type."""
        listing = self.wine("reg", "query", SETTINGS_KEY, check=False)
        values = {}
        for line in listing.stdout.decode("utf-8", "replace").splitlines():
            fields = line.split()
            if len(fields) >= 2 and fields[1].startswith("REG_"):
                values[fields[0]] = fields[1]
        return values

    def stored_text(self, key):
        """One stored value exactly, character for character (an export keeps UTF-16)."""
        return self.stored_texts().get(key)

    def stored_texts(self):
        """Every stored text value by name, read back from one export of the registry."""
        path = os.path.join(self.root_dir, "export.reg")
        self.wine("reg", "export", SETTINGS_KEY, path, "/y")
        with open(path, encoding="utf-16", newline="") as f:
            lines = f.read().split("\r\n")
        texts = {}
        for line in lines:
            found = re.fullmatch(r'"((?:[^"\\]|\\.)*)"="(.*)"', line)
            if found:
                texts[_unescaped(found[1])] = _unescaped(found[2])
        return texts

    # ---- the tray ---------------------------------------------------------

    def tray_icons(self):
        """Mapped windows docked in trayer's panel: Wine's shell docks them for programs."""
        panel = self.panel()
        icons = [w for w in self._descendants(panel)
                 if "explorer.exe" in (self.window_class(w) or ()) and self.is_mapped(w)
                 ] if panel else []
        now = time.monotonic()
        self._icons_seen = {w.id: self._icons_seen.get(w.id, now) for w in icons}
        return icons

    def tool_tip(self):
        """A mapped tool tip of Wine's shell, outside the panel."""
        for window in self.top_level_windows():
            geometry = self.geometry(window)
            if ("explorer.exe" in (self.window_class(window) or ()) and self.is_mapped(window)
                    and self.window_name(window) in (None, "") and geometry.height > 8
                    and geometry.height < 60 and geometry.y > 20):
                return window
        return None

    def popup_menu(self):
        for window in self.top_level_windows():
            wm_class = self.window_class(window)
            if (wm_class and self.app_name in wm_class and self.is_mapped(window)
                    and self.window_name(window) != MAIN_WINDOW_TITLE
                    and self.geometry(window).width > 1):
                return window
        return None


class WineTestCase(unittest.TestCase):
    """Each test gets a started WineDesktop (self.desktop) with no profile stored."""

    def setUp(self):
        self.desktop = WineDesktop()
        self.addCleanup(self.desktop.close)
        self.desktop.start()
        self.desktop.forget_profile()

    def launch_and_show(self):
        self.desktop.launch()
        self.desktop.double_click_tray_icon()
        return self.desktop.wait_main_window_mapped(WINE_TIMEOUT)
