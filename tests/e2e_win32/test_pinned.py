"""Quillpad.exe under Wine and a window manager (openbox, xfwm4): the main window stays
above every other window, the About window included, and comes back where it was left."""

import unittest

from Xlib import X, Xatom
from Xlib.protocol import event as xevent

from desktop import CLIENT_HEIGHT, wait_until
from wine_desktop import WINE_TIMEOUT, WineDesktop

OTHER_TITLE = "Another program"


class Pinned(unittest.TestCase):
    window_manager = None  # each subclass names one

    def setUp(self):
        self.desktop = WineDesktop(window_manager=self.window_manager)
        self.addCleanup(self.desktop.close)
        self.desktop.start()
        self.desktop.forget_profile()

    # ---- what the window manager says -------------------------------------

    def client_stacking(self):
        """Ids of the managed windows, bottom to top, as the window manager stacks them."""
        root = self.desktop.x.screen().root
        listed = root.get_full_property(self.desktop.atom("_NET_CLIENT_LIST_STACKING"),
                                        Xatom.WINDOW)
        return list(listed.value) if listed else []

    def above(self, upper, lower):
        stacking = self.client_stacking()
        return (upper.id in stacking and lower.id in stacking
                and stacking.index(upper.id) > stacking.index(lower.id))

    def active_window_id(self):
        root = self.desktop.x.screen().root
        active = root.get_full_property(self.desktop.atom("_NET_ACTIVE_WINDOW"), Xatom.WINDOW)
        return active.value[0] if active and len(active.value) else None

    def assert_pinned(self, window):
        wait_until(lambda: "_NET_WM_STATE_ABOVE" in self.desktop.net_wm_state(window),
                   WINE_TIMEOUT, what="the main window to be kept above others")

    # ---- other windows -----------------------------------------------------

    def open_other_window(self, over):
        """A plain window of another program, placed over `over` and activated."""
        x = self.desktop.x
        place = self.desktop.geometry(over)
        other = x.screen().root.create_window(
            place.x, place.y, place.width, place.height, 0, x.screen().root_depth,
            X.InputOutput, X.CopyFromParent, background_pixel=x.screen().white_pixel)
        other.set_wm_name(OTHER_TITLE)
        other.set_wm_class("other", "Other")
        other.set_wm_normal_hints(flags=1, x=place.x, y=place.y)  # USPosition
        other.map()
        x.flush()
        wait_until(lambda: other.id in self.client_stacking(), what="the other window")
        self.activate(other)
        return other

    def activate(self, window):
        """Ask the window manager to activate a window, as a task bar does."""
        message = xevent.ClientMessage(
            window=window, client_type=self.desktop.atom("_NET_ACTIVE_WINDOW"),
            data=(32, [2, X.CurrentTime, 0, 0, 0]))
        root = self.desktop.x.screen().root
        root.send_event(message, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.desktop.x.flush()
        wait_until(lambda: self.active_window_id() == window.id,
                   what=f"window {window.id:#x} to be active")

    def choose_from_menu(self, window, item):
        """Click item 0, 1 or 2 ("Скрыть", "О программе", "Выход") of the menu "Меню"."""
        place = self.desktop.geometry(window)
        self.desktop.click_at(place.x + 20, place.y + (place.height - CLIENT_HEIGHT) // 2)
        menu = self.desktop.geometry(
            wait_until(self.desktop.popup_menu, WINE_TIMEOUT, what="the menu"))
        self.desktop.click_at(menu.x + menu.width // 2, menu.y + menu.height * (2 * item + 1) // 6)

    def open_about(self, window):
        self.choose_from_menu(window, item=1)
        return wait_until(self.desktop.about_window, WINE_TIMEOUT, what="the About window")

    def show(self):
        self.desktop.launch()
        self.desktop.double_click_tray_icon()
        return self.desktop.wait_main_window_mapped(WINE_TIMEOUT)

    def stored_place(self):
        return self.desktop.stored_text("top"), self.desktop.stored_text("left")

    # ---- the cases -----------------------------------------------------------

    def test_the_main_window_stays_above_a_window_activated_later_and_the_about_window(self):
        window = self.show()
        self.assert_pinned(window)
        other = self.open_other_window(over=window)
        self.assertTrue(self.above(window, other), "the other window covers the main one")
        self.assert_pinned(window)

        about = self.open_about(window)
        self.activate(about)
        self.assertTrue(self.above(window, about), "the About window covers the main one")
        self.assertTrue(self.above(window, other))
        self.assertNotIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(about))

        # Hidden with "Скрыть" and shown again from the tray, it is still pinned.
        self.choose_from_menu(window, item=0)
        wait_until(lambda: not self.desktop.main_window_mapped(), WINE_TIMEOUT,
                   what="the main window to hide")
        self.desktop.double_click_tray_icon()
        window = self.desktop.wait_main_window_mapped(WINE_TIMEOUT)
        self.assert_pinned(window)
        self.activate(other)
        self.assertTrue(self.above(window, other), "shown again, the main window is covered")

        self.desktop.send_close_request(window)
        self.assertEqual(self.desktop.wait_for_exit(WINE_TIMEOUT), 0)

    def test_three_runs_in_a_row_reopen_the_window_where_it_was(self):
        # First run: shown at its first place, closed with the title bar's button.
        window = self.show()
        first_place = self.desktop.geometry(window)
        self.desktop.send_close_request(window)
        self.assertEqual(self.desktop.wait_for_exit(WINE_TIMEOUT), 0)
        stored = self.stored_place()
        self.assertNotIn(None, stored)

        # Second run: it opens where the first left it, still pinned, and saves the same.
        window = self.show()
        self.assert_pinned(window)
        self.assertEqual(self.desktop.geometry(window), first_place)
        self.desktop.send_close_request(window)
        self.assertEqual(self.desktop.wait_for_exit(WINE_TIMEOUT), 0)
        self.assertEqual(self.stored_place(), stored)

        # Third run: left from the tray without showing the window; nothing moves.
        self.desktop.launch()
        self.desktop.right_click_tray_icon()
        menu = wait_until(self.desktop.popup_menu, WINE_TIMEOUT, what="the pop-up menu")
        self.desktop.click_at(*self.desktop.geometry(menu).centre)
        self.assertEqual(self.desktop.wait_for_exit(WINE_TIMEOUT), 0)
        self.desktop.wait_tray_icon_gone(WINE_TIMEOUT)
        self.assertEqual(self.stored_place(), stored)


class PinnedUnderOpenbox(Pinned):
    window_manager = "openbox"


class PinnedUnderXfwm4(Pinned):
    window_manager = "xfwm4"


del Pinned  # only its subclasses run


if __name__ == "__main__":
    unittest.main()
