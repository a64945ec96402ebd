"""KDE Plasma 5.27 on Wayland, with the program as an X client: its icon in Plasma's system
tray, restored by a real click there, the exported menu's "Выход", the window pinned above
others and above its About window, and its place kept from run to run.

One Plasma session serves all the cases; every case starts the program afresh on an empty
profile. All input is real, sent through KWin as a person's pointer gives it.
"""

import re
import unittest

from Xlib import X

from desktop import (CLIENT_HEIGHT, FIRST_RUN_CLIENT_ORIGIN, TWIPS_PER_PIXEL, DesktopTestCase,
                     holds_throughout, wait_until)
from kde_plasma import CLICK_SETTLE, PlasmaDesktop

# Where the user drags the window's title bar by, in the first run.
DRAGGED_BY = (105, 179)
RUNS = 3
# The main window's menu "Меню" and its items, top to bottom.
MENU_ITEMS = ("Скрыть", "О программе", "Выход")
# KDE's watcher names an item by its owner's unique bus name and the item's path.
KDE_ITEM_NAME = re.compile(r":1\.\d+/StatusNotifierItem")
# Another program's window, and how much of its right part stands clear of the main window.
OTHER_SIZE = (400, 250)
CLEAR_PART = 40
# A menu of one item, as Plasma draws it, is lower than this.
ONE_ITEM_MENU_HEIGHT = 40
# Breeze's close button: its centre's distance from the frame's top-right corner.
CLOSE_BUTTON_FROM_CORNER = (18, 18)


class KdePlasma(DesktopTestCase):

    @classmethod
    def setUpClass(cls):
        cls.shared_desktop = PlasmaDesktop()
        cls.addClassCleanup(cls.shared_desktop.close)
        cls.shared_desktop.start()

    def setUp(self):
        self.desktop = self.shared_desktop
        self.addCleanup(self.desktop.end_program)

    # ---- helpers ----------------------------------------------------------

    def choose_from_menu(self, window, item):
        """Open the menu bar's "Меню" with a click, then click one of its items."""
        place = self.desktop.geometry(window)
        menu_bar_height = place.height - CLIENT_HEIGHT
        self.desktop.click_at(place.x + 20, place.y + menu_bar_height // 2)
        menu = self.desktop.geometry(self.desktop.wait_popup_menu())
        row = menu.height // len(MENU_ITEMS)
        self.desktop.click_at(menu.x + menu.width // 2,
                              menu.y + row * MENU_ITEMS.index(item) + row // 2)

    def hide_with_menu(self, window):
        self.choose_from_menu(window, "Скрыть")
        wait_until(lambda: not self.desktop.main_window_mapped(), what="the window to hide")
        self.desktop.tray_icon()

    def drag_title_bar(self, window, by):
        """Press on the title bar, move the pointer and let go."""
        (frame_x, frame_y), _ = self.desktop.outer_and_client(window)
        self.desktop.drag((frame_x + 60, frame_y + 12), by)

    def open_window_beside(self, window):
        """Another program's ordinary window, placed where it overlaps the main window's
        right part, with its own right part clear of it."""
        place = self.desktop.geometry(self.desktop.frame_of(window))
        other = self.desktop.x.screen().root.create_window(
            place.x + 200, place.y + 60, *OTHER_SIZE, 0, X.CopyFromParent,
            background_pixel=self.desktop.x.screen().white_pixel)
        other.set_wm_name("Another program")
        other.set_wm_class("another", "Another")
        # Asked for by the user: the window manager keeps it there.
        other.set_wm_normal_hints(flags=1, x=place.x + 200, y=place.y + 60)  # USPosition
        other.map()
        self.desktop.x.flush()
        self.addCleanup(lambda: (other.destroy(), self.desktop.x.flush()))
        wait_until(lambda: self.desktop.is_mapped(other)
                   and self.desktop.frame_of(other).id != other.id,
                   what="KWin to frame the other window")
        # Its right part, clear of the main window that stays above it.
        self.desktop.wait_shown(other, corner=(OTHER_SIZE[0] - CLEAR_PART, CLEAR_PART))
        return other

    def assert_saved_and_ended(self):
        self.assert_exits_cleanly()
        self.assert_all_keys_saved()
        wait_until(lambda: not self.desktop.sni_items(), what="the icon to leave the tray")

    def assert_saved_place(self, corner, what=""):
        saved = self.assert_all_keys_saved()
        left, top = corner
        self.assertEqual((saved["left"], saved["top"]),
                         (str(left * TWIPS_PER_PIXEL), str(top * TWIPS_PER_PIXEL)), what)

    # ---- the tray icon ----------------------------------------------------

    def test_icon_docks_with_the_status_notifier_watcher(self):
        self.desktop.launch()
        items = wait_until(self.desktop.sni_items, what="the item to register")
        self.assertEqual(len(items), 1, items)
        self.assertRegex(items[0], KDE_ITEM_NAME)
        icon = self.desktop.tray_icon()
        tray = self.desktop.tray_box()
        self.assertTrue(tray.x <= icon.x and icon.x + icon.width <= tray.x + tray.width,
                        (icon, tray))
        self.assertFalse(self.desktop.main_window_mapped())

    def test_double_click_on_the_icon_restores_the_window_pinned(self):
        self.desktop.launch()
        window = self.desktop.show_from_tray()
        self.assertIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(window))
        self.assertEqual(self.desktop.client_origin(window), FIRST_RUN_CLIENT_ORIGIN)
        wait_until(lambda: not self.desktop.sni_items(), what="the icon to leave the tray")
        # Plasma reports the double-click as two activations: the second leaves it shown.
        self.assertTrue(holds_throughout(self.desktop.main_window_mapped, CLICK_SETTLE),
                        "the window went back into the tray")

    def test_one_click_on_the_icon_restores_the_window(self):
        # Plasma activates an item on every left click, and never reports a double-click.
        self.desktop.launch()
        self.desktop.click_tray_icon()
        window = self.desktop.wait_main_window_mapped()
        self.assertIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(window))
        wait_until(lambda: not self.desktop.sni_items(), what="the icon to leave the tray")
        self.assertTrue(holds_throughout(self.desktop.main_window_mapped, CLICK_SETTLE),
                        "the window went back into the tray")

    def test_exported_menu_offers_only_exit_which_saves_and_ends(self):
        self.desktop.launch()
        self.desktop.remember_above_panel()
        self.desktop.right_click_tray_icon()
        menu = self.desktop.wait_icon_menu()
        # Plasma shows the item's exported menu itself, adding nothing of its own.
        self.assertLess(menu.height, ONE_ITEM_MENU_HEIGHT, "the menu is not the one-item menu")
        self.desktop.click_at(*menu.centre)
        self.assert_saved_and_ended()

    # ---- the window among others ------------------------------------------

    def test_stays_above_a_normal_window_activated_later(self):
        window = self.launch_and_show()
        other = self.open_window_beside(window)
        other_place = self.desktop.geometry(other)
        self.desktop.click_at(other_place.x + other_place.width - CLEAR_PART // 2,
                              other_place.y + CLEAR_PART * 2)
        wait_until(lambda: self.desktop.active_window_id() == other.id,
                   what="KWin to activate the other window")
        self.assertIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(window))
        self.assertTrue(holds_throughout(lambda: self.desktop.stacked_above(window, other), 1.0),
                        "the activated window came in front of the main window")

    def test_about_window_stays_behind_the_main_window(self):
        window = self.launch_and_show()
        self.choose_from_menu(window, "О программе")
        about = self.desktop.wait_about_window()
        self.assertTrue(holds_throughout(lambda: self.desktop.stacked_above(window, about), 1.0),
                        "the About window came in front of the main window")

    # ---- where the window stands ------------------------------------------

    def test_hidden_and_ended_from_the_tray_reopens_in_place_three_runs_in_a_row(self):
        window = self.launch_and_show()
        first_run = self.desktop.outer_and_client(window)
        self.drag_title_bar(window, DRAGGED_BY)
        moved = wait_until(lambda: (lambda place: place if place != first_run else None)(
            self.desktop.outer_and_client(window)), what="the window to move")
        for run in range(1, RUNS + 1):
            if run > 1:
                window = self.launch_and_show()
            self.assertEqual(self.desktop.outer_and_client(window), moved, f"run {run}")
            self.hide_with_menu(window)
            self.desktop.choose_tray_exit()
            self.assert_saved_and_ended()
            self.assert_saved_place(moved[0], f"run {run}")

    def test_first_place_kept_through_hide_and_tray_exit(self):
        # Never moved: nothing but the first show tells the program where its frame is.
        window = self.launch_and_show()
        first = self.desktop.outer_and_client(window)
        self.hide_with_menu(window)
        self.desktop.choose_tray_exit()
        self.assert_saved_and_ended()
        self.assert_saved_place(first[0])
        window = self.launch_and_show()
        self.assertEqual(self.desktop.outer_and_client(window), first)

    def test_title_bar_close_saves_where_the_frame_stands(self):
        window = self.launch_and_show()
        (frame_x, frame_y), _ = self.desktop.outer_and_client(window)
        frame = self.desktop.geometry(self.desktop.frame_of(window))
        across, down = CLOSE_BUTTON_FROM_CORNER
        self.desktop.click_at(frame.x + frame.width - across, frame.y + down)
        self.assert_saved_and_ended()
        self.assert_saved_place((frame_x, frame_y))


if __name__ == "__main__":
    unittest.main()
