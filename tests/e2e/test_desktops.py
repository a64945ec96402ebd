"""What a window manager or a StatusNotifierItem panel can change: where the window stands
from run to run, its pinning above other windows, the tray icon's clicks and menu, and the
panel going away and coming back.

Each class is one desktop, started once for all its cases; every case starts the program
afresh on an empty profile.
"""

import unittest

from desktop import (FIRST_RUN_CLIENT_ORIGIN, SNI_PANEL, TWIPS_PER_PIXEL, XEMBED_TRAY,
                     Desktop, DesktopTestCase, holds_throughout, wait_until)

# Where the user drags the window to in the first run, in screen pixels.
MOVED_TO = (596, 247)
# A menu of one item is far lower than the panel's own menu of five.
ONE_ITEM_MENU_HEIGHT = 60
RUNS = 3


class OnOneDesktop(DesktopTestCase):
    """The cases, run by each subclass on its own desktop."""

    window_manager = None

    @classmethod
    def setUpClass(cls):
        cls.shared_desktop = Desktop(tray=cls.tray, window_manager=cls.window_manager)
        cls.addClassCleanup(cls.shared_desktop.close)
        cls.shared_desktop.start()

    def setUp(self):
        self.desktop = self.shared_desktop
        self.addCleanup(self.desktop.end_program)

    # ---- helpers ----------------------------------------------------------

    def open_normal_window(self, over):
        """Another program's ordinary window, mapped over the given one."""
        place = self.desktop.geometry(over)
        other = self.desktop.open_other_window(place.x + 40, place.y + 40)
        self.addCleanup(other.destroy)
        return other

    def activate_with_window_manager(self, window):
        self.desktop.xdotool("windowactivate", window.id)
        wait_until(lambda: self.desktop.active_window_id() == window.id,
                   what="the window manager to activate the other window")

    def assert_saved_and_ended(self):
        self.assert_exits_cleanly()
        self.assert_all_keys_saved()
        self.desktop.wait_tray_icon_gone()

    # ---- where the window stands ------------------------------------------

    def test_reopens_exactly_where_left_three_runs_in_a_row(self):
        window = self.launch_and_show()
        self.assertEqual(self.desktop.client_origin(window), FIRST_RUN_CLIENT_ORIGIN)
        self.desktop.xdotool("windowmove", window.id, *MOVED_TO)
        first = wait_until(
            lambda: (lambda place: place if place[1] != FIRST_RUN_CLIENT_ORIGIN else None)(
                self.desktop.outer_and_client(window)), what="the window to move")
        for run in range(1, RUNS + 1):
            if run > 1:
                window = self.launch_and_show()
            self.assertEqual(self.desktop.outer_and_client(window), first, f"run {run}")
            self.save_and_exit()
            saved = self.assert_all_keys_saved()
            (left, top), _ = first
            self.assertEqual((saved["left"], saved["top"]),
                             (str(left * TWIPS_PER_PIXEL), str(top * TWIPS_PER_PIXEL)),
                             f"run {run}")

    def test_stays_above_a_normal_window_activated_later(self):
        window = self.launch_and_show()
        other = self.open_normal_window(over=window)
        self.activate_with_window_manager(other)
        self.assertIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(window))
        self.assertTrue(holds_throughout(lambda: self.desktop.stacked_above(window, other), 1.0),
                        "the activated window came in front of the main window")

    def test_about_window_stays_behind_the_main_window(self):
        window = self.launch_and_show()
        about = self.desktop.open_about()
        self.assertTrue(holds_throughout(lambda: self.desktop.stacked_above(window, about), 1.0),
                        "the About window came in front of the main window")

    def test_title_bar_close_saves_and_ends(self):
        window = self.launch_and_show()
        self.desktop.close_from_title_bar(window)
        self.assert_saved_and_ended()

    # ---- the tray icon ----------------------------------------------------

    def test_the_gesture_the_tray_takes_shows_the_window(self):
        """A panel that shows the icon itself decides which gesture activates it (one
        click here); where the program reads the icon's mouse, a double-click does."""
        self.desktop.launch()
        self.desktop.move_onto(self.desktop.tray_icon())
        self.desktop.xdotool("click", 1)
        if self.tray == SNI_PANEL:
            window = self.desktop.wait_main_window_mapped()
        else:
            self.assert_stays_hidden()
            window = self.desktop.show_from_tray()
        self.assertIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(window))
        self.desktop.wait_tray_icon_gone()

    def test_window_shows_while_the_panel_is_gone_and_goes_back_when_it_returns(self):
        self.desktop.launch()
        self.desktop.tray_icon()
        self.addCleanup(lambda: self.desktop.trayer or self.desktop.start_tray())
        self.desktop.stop_tray()
        self.desktop.wait_main_window_mapped()
        self.desktop.start_tray()
        wait_until(lambda: not self.desktop.main_window_mapped(),
                   what="the window to go back into the returned panel")
        self.desktop.show_from_tray()
        self.desktop.wait_tray_icon_gone()

    def test_right_click_offers_only_exit_which_saves_and_ends(self):
        self.desktop.launch()
        self.desktop.right_click_tray_icon()
        menu = self.desktop.wait_icon_menu()
        self.assertLess(self.desktop.geometry(menu).height, ONE_ITEM_MENU_HEIGHT,
                        "the menu is not the program's one-item menu")
        self.desktop.click_at(*self.desktop.geometry(menu).centre)
        self.assert_saved_and_ended()


class OpenboxWithStatusNotifierPanel(OnOneDesktop):
    window_manager = "openbox"
    tray = SNI_PANEL


class OpenboxWithXEmbedTray(OnOneDesktop):
    window_manager = "openbox"
    tray = XEMBED_TRAY


class Xfwm4WithStatusNotifierPanel(OnOneDesktop):
    window_manager = "xfwm4"
    tray = SNI_PANEL


class Xfwm4WithXEmbedTray(OnOneDesktop):
    window_manager = "xfwm4"
    tray = XEMBED_TRAY


del OnOneDesktop  # only its subclasses run

if __name__ == "__main__":
    unittest.main()
