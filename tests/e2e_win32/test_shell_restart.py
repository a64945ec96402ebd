"""Quillpad.exe under Wine: when the shell comes back after a restart, a hidden Quillpad puts
its icon back, so that it stays reachable; a shown one adds none."""

import os
import unittest

from desktop import DOUBLE_CLICK_SETTLE, holds_throughout
from wine_desktop import WINE_TIMEOUT, WineTestCase

SHELL = os.environ["QUILLPAD_SHELL_RESTART"]


class ShellRestart(WineTestCase):

    def test_a_hidden_window_puts_its_icon_back(self):
        self.desktop.launch()
        self.desktop.tray_icon()
        self.desktop.wine(SHELL, "forget")
        self.desktop.wait_tray_icon_gone(WINE_TIMEOUT)
        self.desktop.wine(SHELL, "announce")
        self.desktop.tray_icon()
        self.assertTrue(holds_throughout(lambda: len(self.desktop.tray_icons()) == 1,
                                         DOUBLE_CLICK_SETTLE), "not exactly one tray icon")
        self.desktop.double_click_tray_icon()
        self.desktop.wait_main_window_mapped(WINE_TIMEOUT)

    def test_a_shown_window_adds_no_icon(self):
        self.launch_and_show()
        self.desktop.wait_tray_icon_gone(WINE_TIMEOUT)
        self.desktop.wine(SHELL, "announce")
        self.assertTrue(holds_throughout(lambda: not self.desktop.tray_icons(),
                                         DOUBLE_CLICK_SETTLE), "an icon came back")


if __name__ == "__main__":
    unittest.main()
