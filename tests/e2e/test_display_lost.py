"""The display goes away under the program: the X server of a plain startx session ends
before any signal comes, or xkill cuts the program's connection. The toolkit then ends the
process at once; the fields typed since the start are saved on the way out all the same."""

import signal
import subprocess
import unittest

from desktop import DesktopTestCase, kill_group
from reliability import record

AREA = "Display gone"
HELD = "every field typed was saved as the process ended"


class DisplayLost(DesktopTestCase):

    def fill_in(self):
        self.desktop.launch()
        self.desktop.show_from_tray()
        self.desktop.type_into("name", "Kept")
        self.desktop.type_into("comments", "two\nlines")

    def assert_saved_on_the_way_out(self):
        self.desktop.wait_for_exit()
        self.assertIn("X11 connection broke", self.desktop.app_output())
        saved = self.assert_all_keys_saved()
        self.assertEqual(saved["name"], "Kept")
        self.assertEqual(saved["comments"].splitlines(), ["two", "lines"])

    def test_x_server_ends_with_the_window_in_the_tray(self):
        self.fill_in()
        self.hide_into_tray()
        self.desktop.x.close()
        self.desktop.x = None
        self.desktop.xvfb.send_signal(signal.SIGTERM)
        self.assert_saved_on_the_way_out()
        kill_group(self.desktop.trayer)
        record(AREA, "the X server ended under the program, its window in the tray", HELD)

    def test_xkill_on_the_window(self):
        self.fill_in()
        window = self.desktop.main_window()
        subprocess.run(["xkill", "-display", self.desktop.display_name, "-id", str(window.id)],
                       check=True, capture_output=True)
        self.assert_saved_on_the_way_out()
        record(AREA, "xkill on the program's window", HELD)


if __name__ == "__main__":
    unittest.main()
