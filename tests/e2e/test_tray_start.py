"""Starting in the tray, and which clicks on the icon bring the window out."""

import unittest

from desktop import (CLIENT_HEIGHT, CLIENT_WIDTH, DOUBLE_CLICK_SETTLE,
                     FIRST_RUN_CLIENT_ORIGIN, DesktopTestCase, holds_throughout)


class StartInTray(DesktopTestCase):

    def test_first_start_docks_one_icon_and_shows_no_window(self):
        self.desktop.launch()
        icon = self.desktop.tray_icon()
        geometry = self.desktop.geometry(icon)
        self.assertEqual((geometry.width, geometry.height), (22, 22))
        self.assertTrue(holds_throughout(lambda: len(self.desktop.tray_icons()) == 1,
                                         DOUBLE_CLICK_SETTLE), "not exactly one tray icon")
        self.assertIsNotNone(self.desktop.main_window(), "the main window was not created")
        self.assertFalse(self.desktop.main_window_mapped())

    def test_double_click_shows_pinned_window_in_place_and_removes_icon(self):
        self.desktop.launch()
        window = self.desktop.show_from_tray()
        self.assertIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(window))
        geometry = self.desktop.geometry(window)
        self.assertEqual(self.desktop.client_origin(window), FIRST_RUN_CLIENT_ORIGIN)
        self.assertEqual(geometry.width, CLIENT_WIDTH)
        menu_bar_height = geometry.height - CLIENT_HEIGHT
        self.assertTrue(10 <= menu_bar_height <= 40, f"menu bar {menu_bar_height} px high")
        self.desktop.wait_tray_icon_gone()

    def test_single_click_leaves_window_hidden(self):
        self.desktop.launch()
        self.desktop.move_onto(self.desktop.tray_icon())
        self.desktop.xdotool("click", 1)
        self.assert_stays_hidden()
        self.assertEqual(len(self.desktop.tray_icons()), 1)

    def test_right_press_alone_does_nothing(self):
        self.desktop.launch()
        self.desktop.move_onto(self.desktop.tray_icon())
        self.desktop.xdotool("mousedown", 3)
        try:
            self.assert_stays_hidden()
            self.assertIsNone(self.desktop.popup_menu(), "a menu opened on the press")
        finally:
            self.desktop.xdotool("mouseup", 3)

    def test_mouse_moves_over_icon_leave_window_hidden(self):
        self.desktop.launch()
        icon = self.desktop.geometry(self.desktop.tray_icon())
        for dx, dy in ((2, 2), (11, 11), (20, 5), (5, 20), (11, 3)):
            self.desktop.move_to(icon.x + dx, icon.y + dy)
        self.assert_stays_hidden()
        self.assertEqual(len(self.desktop.tray_icons()), 1)


class StartWithoutTray(DesktopTestCase):

    tray = False

    def test_window_shows_at_start(self):
        self.desktop.launch()
        window = self.desktop.wait_main_window_mapped()
        self.assertIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(window))
        self.assertEqual(self.desktop.client_origin(window), FIRST_RUN_CLIENT_ORIGIN)

    def test_hide_docks_the_icon_once_a_tray_has_appeared(self):
        # Started at login before the panel is up: once it is, "Скрыть" puts it there.
        self.desktop.launch()
        self.desktop.wait_main_window_mapped()
        self.desktop.start_tray()
        self.hide_into_tray()
        self.desktop.show_from_tray()


if __name__ == "__main__":
    unittest.main()
