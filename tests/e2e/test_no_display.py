"""Started where no desktop can be reached (a terminal on a headless machine, a typo in
DISPLAY), the program says so in one line and ends with status 1, leaving no core dump."""

import os
import subprocess
import tempfile
import unittest

from reliability import record

AREA = "No desktop"
HELD = "one line naming the display, status 1, no profile written"
BINARY = os.environ["QUILLPAD_BINARY"]
NEEDS = "Quillpad нужен графический рабочий стол"


class NoDisplay(unittest.TestCase):

    def start(self, **display):
        home = tempfile.TemporaryDirectory()
        self.addCleanup(home.cleanup)
        environment = {name: value for name, value in os.environ.items()
                       if name not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        environment.update(display, HOME=home.name, XDG_CONFIG_HOME=home.name,
                           XDG_RUNTIME_DIR=home.name)
        finished = subprocess.run([BINARY], env=environment, capture_output=True, text=True,
                                  timeout=30, cwd=home.name)
        self.assertEqual(finished.returncode, 1, finished.stderr)
        self.assertEqual(os.listdir(home.name), [])
        lines = finished.stderr.splitlines()
        self.assertEqual(len(lines), 1, finished.stderr)
        return lines[0]

    def test_an_x_display_that_does_not_answer(self):
        self.assertEqual(self.start(DISPLAY=":97"),
                         NEEDS + ": не удаётся подключиться к дисплею «:97».")
        record(AREA, "DISPLAY names a display no server answers", HELD)

    def test_a_wayland_display_that_does_not_answer(self):
        self.assertEqual(self.start(WAYLAND_DISPLAY="wayland-97"),
                         NEEDS + ": не удаётся подключиться к дисплею Wayland «wayland-97».")
        record(AREA, "WAYLAND_DISPLAY names a display no compositor answers", HELD)

    def test_no_display_at_all(self):
        self.assertEqual(self.start(),
                         NEEDS + ", а дисплей не задан: переменная DISPLAY пуста.")
        record(AREA, "neither DISPLAY nor WAYLAND_DISPLAY set", HELD)


if __name__ == "__main__":
    unittest.main()
