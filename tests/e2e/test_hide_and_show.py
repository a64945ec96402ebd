"""Hiding the window into the tray with Ctrl+D and bringing it back."""

import unittest

from desktop import DOUBLE_CLICK_SETTLE, DesktopTestCase, holds_throughout


class HideAndShow(DesktopTestCase):

    def assert_one_icon(self):
        self.assertTrue(holds_throughout(lambda: len(self.desktop.tray_icons()) == 1,
                                         DOUBLE_CLICK_SETTLE), "not exactly one tray icon")

    def test_ctrl_d_hides_window_and_docks_one_icon(self):
        self.launch_and_show()
        self.hide_into_tray()
        self.assert_one_icon()

    def test_window_comes_back_in_place_with_text(self):
        window = self.launch_and_show()
        place = self.desktop.geometry(window)
        self.desktop.type_into("company", "Hidden & back")
        self.hide_into_tray()
        window = self.desktop.show_from_tray()
        self.desktop.wait_tray_icon_gone()
        self.assertEqual(self.desktop.geometry(window), place)
        self.save_and_exit()
        self.assertEqual(self.assert_all_keys_saved()["company"], "Hidden & back")

    def test_repeated_hiding_never_docks_a_second_icon(self):
        self.launch_and_show()
        for _ in range(3):
            self.hide_into_tray()
            self.desktop.show_from_tray()
        self.hide_into_tray()
        self.assert_one_icon()


if __name__ == "__main__":
    unittest.main()
