"""On GNOME Shell 43, headless, with real input through the compositor: with the AppIndicator
extension the icon docks in the top bar, a double-click on it brings the window back, the
window keeps its place from run to run and stays above others; without the extension
(Debian's default) there is no notification area, and "Скрыть" minimises the window.

Each class is one GNOME session, started once for all its cases; every case starts the
program afresh on an empty profile.
"""

import os
import re
import subprocess
import unittest

from Xlib import X

from desktop import (DOUBLE_CLICK_SETTLE, TWIPS_PER_PIXEL, DesktopTestCase, holds_throughout,
                     wait_until)
from gnome_shell import SCREEN_SIZE, GnomeShellDesktop

# How the extension's StatusNotifierWatcher names an item: the program's bus name and path.
GNOME_ITEM_NAME = re.compile(r":1\.\d+@/StatusNotifierItem")
# Where the user drags the window in the first run, by its title bar.
MOVED_BY = (105, 215)
RUNS = 3
# The close button's middle, left of the frame's right edge, in GNOME 43's default theme.
CLOSE_BUTTON_FROM_RIGHT = 19


class OnGnomeShell(DesktopTestCase):
    """One GNOME session for the class's cases."""

    appindicator = True

    @classmethod
    def setUpClass(cls):
        cls.shared_desktop = GnomeShellDesktop(appindicator=cls.appindicator)
        cls.addClassCleanup(cls.shared_desktop.close)
        cls.shared_desktop.start()

    def setUp(self):
        self.desktop = self.shared_desktop
        self.addCleanup(self.desktop.end_program)

    # ---- helpers ----------------------------------------------------------

    def places(self, window):
        """The frame's top-left corner and the client area's, in screen pixels, as X has
        them."""
        frame = self.desktop.geometry(self.desktop.frame_of(window))
        return (frame.x, frame.y), self.desktop.client_origin(window)

    def assert_saved_at(self, corner, message=None):
        """All keys are saved, the place as the frame's outer corner in twips."""
        saved = self.assert_all_keys_saved()
        self.assertEqual((saved["left"], saved["top"]),
                         tuple(str(value * TWIPS_PER_PIXEL) for value in corner), message)

    def close_with_title_bar_button(self, window):
        """A real click on the close button that the window manager draws."""
        self.desktop.click_at(*self.desktop.title_bar_point(
            window, from_right=CLOSE_BUTTON_FROM_RIGHT))

    def open_normal_window(self, over):
        """Another X client's ordinary window, mapped over the given one."""
        place = self.desktop.geometry(over)
        other = self.desktop.x.screen().root.create_window(
            place.x + 40, place.y + 40, 300, 200, 0, X.CopyFromParent,
            background_pixel=self.desktop.x.screen().white_pixel)
        other.set_wm_name("Another program")
        other.set_wm_class("another", "Another")
        other.map()
        self.desktop.x.flush()
        self.addCleanup(lambda: (other.destroy(), self.desktop.x.flush()))
        wait_until(lambda: self.desktop.is_mapped(other), what="the other window to show")
        return other


class WithTheAppIndicatorExtension(OnGnomeShell):

    def launch_docked(self):
        """Start the program: it docks its icon in the top bar and settles. The icon of a
        copy that ended just before is gone first, so the clicks find the new one."""
        self.desktop.wait_tray_icon_gone()
        self.desktop.launch()
        wait_until(lambda: len(self.desktop.tray_icons()) == 1, what="one icon in the top bar")
        self.desktop.wait_idle()

    def show_from_tray(self):
        """A double-click on the icon: the window shows and the icon goes."""
        self.desktop.double_click_tray_icon()
        window = self.desktop.wait_main_window_mapped()
        self.desktop.wait_tray_icon_gone()
        return window

    def hide_with_window_menu(self):
        """"Скрыть" from the window's "Меню": the window goes and the icon docks."""
        self.desktop.wait_idle()
        self.desktop.choose_from_window_menu("Скрыть")
        wait_until(lambda: not self.desktop.main_window_mapped(), what="the window to hide")
        self.desktop.tray_icon()

    def test_icon_docks_in_the_top_bar(self):
        self.launch_docked()
        icon = self.desktop.tray_icon()
        items = self.desktop.sni_items()
        self.assertEqual(len(items), 1, items)
        self.assertRegex(items[0], GNOME_ITEM_NAME)
        self.assertEqual(self.desktop.bus_name_pid(items[0].split("@")[0]),
                         self.desktop.program_pid(), "the item is not the program's")
        bar_height = self.desktop.evaluate("Main.panel.height")
        self.assertEqual((icon.y, icon.height), (0, bar_height), icon)
        self.assertGreater(icon.x, SCREEN_SIZE[0] // 2, "not among the status icons")
        picture = os.path.join(self.desktop.root_dir, "icon.png")
        wait_until(lambda: self.desktop.screenshot_area(icon, picture)
                   and colour_count(picture) > 2, what="the icon to be drawn")
        self.assertFalse(self.desktop.main_window_mapped())

    def test_double_click_restores_the_window_and_a_single_click_does_not(self):
        self.launch_docked()
        self.desktop.click_tray_icon()
        self.assert_stays_hidden(DOUBLE_CLICK_SETTLE)
        # The shell opens the icon's menu instead: at once for an item it has never
        # activated, as here, and after its double-click time for one it has.
        self.desktop.wait_icon_menu()
        self.desktop.close_icon_menu()
        window = self.show_from_tray()
        self.assertIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(window))

    def test_stays_above_a_window_activated_later(self):
        self.launch_docked()
        window = self.show_from_tray()
        other = self.open_normal_window(over=window)
        self.desktop.ask_to_activate(other)
        wait_until(lambda: self.desktop.active_window_id() == other.id,
                   what="the window manager to activate the other window")
        self.assertIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(window))
        self.assertTrue(holds_throughout(lambda: self.desktop.stacked_above(window, other), 1.0),
                        "the activated window came in front of the main window")

    def test_after_hiding_and_leaving_from_the_tray_comes_back_where_left(self):
        self.launch_docked()
        window = self.show_from_tray()
        frame, client = self.places(window)
        moved = tuple(tuple(a + b for a, b in zip(corner, MOVED_BY)) for corner in (frame, client))
        self.desktop.wait_idle()
        self.desktop.drag(self.desktop.title_bar_point(window), MOVED_BY)
        first = wait_until(lambda: self.places(window) == moved and moved,
                           what="the window to move by the drag")
        corner = self.desktop.outer_corner(window)
        for run in range(1, RUNS + 1):
            if run > 1:
                self.launch_docked()
                window = self.show_from_tray()
            self.assertEqual(self.places(window), first, f"run {run}: frame, client")
            self.hide_with_window_menu()
            self.desktop.choose_tray_exit()
            self.assert_exits_cleanly()
            self.assert_saved_at(corner, f"run {run}")

    def test_title_bar_close_saves_and_ends(self):
        self.launch_docked()
        window = self.show_from_tray()
        self.desktop.wait_idle()
        self.close_with_title_bar_button(window)
        self.assert_exits_cleanly()
        self.assert_all_keys_saved()
        self.desktop.wait_tray_icon_gone()


class WithoutANotificationArea(OnGnomeShell):
    """Debian's GNOME: no extension hosts StatusNotifierItems."""

    appindicator = False

    def test_hide_minimises_and_the_window_list_brings_it_back(self):
        self.desktop.launch()
        window = self.desktop.wait_main_window_mapped()
        self.assertIsNone(self.desktop.sni_items(), "a StatusNotifierWatcher runs")
        self.assertIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(window))
        corner = self.desktop.outer_corner(window)
        self.desktop.wait_idle()
        self.desktop.choose_from_window_menu("Скрыть")
        wait_until(lambda: self.desktop.is_minimised(window), what="the window to minimise")
        self.desktop.ask_to_activate(window)
        window = self.desktop.wait_main_window_mapped()
        wait_until(lambda: self.desktop.active_window_id() == window.id,
                   what="the window to be the active one")
        self.assertEqual(self.desktop.outer_corner(window), corner)
        self.desktop.wait_idle()
        self.desktop.choose_from_window_menu("Выход")
        self.assert_exits_cleanly()
        self.assert_saved_at(corner)

    def test_title_bar_close_saves_and_ends(self):
        self.desktop.launch()
        window = self.desktop.wait_main_window_mapped()
        corner = self.desktop.outer_corner(window)
        self.desktop.wait_idle()
        self.close_with_title_bar_button(window)
        self.assert_exits_cleanly()
        self.assert_saved_at(corner)


def colour_count(picture):
    """How many colours a PNG file shows."""
    result = subprocess.run(["identify", "-format", "%k", picture], check=True,
                            capture_output=True, text=True, timeout=10)
    return int(result.stdout)


del OnGnomeShell  # only its subclasses run

if __name__ == "__main__":
    unittest.main()
