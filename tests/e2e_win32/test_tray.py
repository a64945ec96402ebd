"""Quillpad.exe under Wine: it waits in the tray and a double-click brings the window out."""

import unittest

from desktop import DOUBLE_CLICK_SETTLE, FIRST_RUN_CLIENT_ORIGIN, holds_throughout, wait_until
from wine_desktop import WINE_TIMEOUT, WineTestCase


class Tray(WineTestCase):

    def test_starts_with_one_icon_that_has_a_tip_and_no_window(self):
        self.desktop.launch()
        icon = self.desktop.tray_icon()
        self.assertTrue(holds_throughout(lambda: len(self.desktop.tray_icons()) == 1,
                                         DOUBLE_CLICK_SETTLE), "not exactly one tray icon")
        self.assertFalse(self.desktop.main_window_mapped())
        self.desktop.move_onto(icon)
        self.desktop.move_to(*[c + 1 for c in self.desktop.geometry(icon).centre])
        tip = wait_until(self.desktop.tool_tip, WINE_TIMEOUT, what="the icon's tool tip")
        # "Quillpad" alone: the spaces after the NUL that ends it are never shown.
        self.assertLess(self.desktop.geometry(tip).width, 80)

    def test_double_click_shows_the_window_in_place_and_removes_the_icon(self):
        window = self.launch_and_show()
        self.assertEqual(self.desktop.client_origin(window), FIRST_RUN_CLIENT_ORIGIN)
        self.desktop.wait_tray_icon_gone(WINE_TIMEOUT)

    def test_moves_over_the_shown_window_neither_hide_nor_open_the_menu(self):
        self.assert_moves_change_nothing(self.launch_and_show())

    def test_nor_on_a_screen_scaled_so_the_window_is_wider_than_the_event_codes(self):
        self.desktop.set_dots_per_inch(192)
        self.addCleanup(self.desktop.set_dots_per_inch, 96)
        self.desktop.store_profile({"left": "0", "top": "0"})  # all of it on the screen
        window = self.launch_and_show()
        self.assertGreater(self.desktop.geometry(window).width, 517)
        self.assert_moves_change_nothing(window)

    def assert_moves_change_nothing(self, window):
        geometry = self.desktop.geometry(window)
        # Across the window's bottom margin, and over the columns of the icon's events
        # (515 double-click, 517 right button) wherever the window reaches them.
        columns = sorted(set(range(0, geometry.width, 7)) | {515, 516, 517})
        for x in (x for x in columns if x < geometry.width):
            self.desktop.move_to(geometry.x + x, geometry.y + geometry.height - 3)
        self.assertTrue(holds_throughout(self.desktop.main_window_mapped, DOUBLE_CLICK_SETTLE))
        self.assertIsNone(self.desktop.popup_menu())
        self.assertEqual(self.desktop.tray_icons(), [])


if __name__ == "__main__":
    unittest.main()
