"""The three ways to end the program, each of which saves first."""

import unittest

from desktop import DesktopTestCase


class WaysOut(DesktopTestCase):

    def assert_saved_and_ended(self):
        self.assert_exits_cleanly()
        self.assert_all_keys_saved()
        self.assertEqual(self.desktop.tray_icons(), [], "an icon is left in the tray")

    def test_title_bar_close_saves_and_ends(self):
        window = self.launch_and_show()
        self.desktop.send_close_request(window)
        self.assert_saved_and_ended()

    def test_ctrl_e_saves_and_ends(self):
        self.launch_and_show()
        self.desktop.focus_main_window()
        self.desktop.key("ctrl+e")
        self.assert_saved_and_ended()

    def test_tray_menu_exit_saves_and_ends(self):
        self.desktop.launch()
        self.desktop.choose_tray_exit()
        self.assert_saved_and_ended()

    def test_tray_menu_holds_only_exit(self):
        self.desktop.launch()
        self.desktop.right_click_tray_icon()
        menu = self.desktop.wait_popup_menu()
        item_height = self.desktop.geometry(menu).height
        # One item of a Fusion-style menu is about 20 px high with its frame.
        self.assertLess(item_height, 40, "the menu holds more than one item")


if __name__ == "__main__":
    unittest.main()
