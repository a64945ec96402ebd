"""The keyboard alone, in the Linux build under openbox (keyboard_cases.py); F10 opens the
menu, as on GNOME and most desktops. One desktop for all the cases; every case starts the
program afresh on the same profile."""

import unittest

from desktop import Desktop, DesktopTestCase
from keyboard_cases import KeyboardCases


class KeyboardOnly(KeyboardCases, DesktopTestCase):

    @classmethod
    def setUpClass(cls):
        cls.shared_desktop = Desktop(window_manager="openbox")
        cls.addClassCleanup(cls.shared_desktop.close)
        cls.shared_desktop.start()

    def setUp(self):
        self.desktop = self.shared_desktop
        self.addCleanup(self.desktop.end_program)
        self.start_on_the_profile()

    def start_program(self, profile):
        self.desktop.seed_settings(profile)
        return self.launch_and_show()

    def saved_profile(self):
        return self.assert_all_keys_saved()


if __name__ == "__main__":
    unittest.main()
