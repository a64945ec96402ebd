"""Where the window appears: its stored top/left (twips) and what is saved back."""

import unittest

from desktop import (CLIENT_HEIGHT, FIRST_RUN_CLIENT_ORIGIN, TWIPS_PER_PIXEL,
                     DesktopTestCase)


class WindowPlace(DesktopTestCase):

    def show_with_stored_place(self, **place):
        self.desktop.seed_settings(place)
        return self.launch_and_show()

    def first_run_outer_place(self, window):
        menu_bar_height = self.desktop.geometry(window).height - CLIENT_HEIGHT
        x, y = FIRST_RUN_CLIENT_ORIGIN
        return x, y - menu_bar_height

    def saved_after_exit(self):
        self.save_and_exit()
        return self.assert_all_keys_saved()

    def test_stored_place_is_applied(self):
        window = self.show_with_stored_place(top="1500", left="3000")
        self.assert_window_at(window, 200, 100)

    def test_place_partly_off_screen_is_kept(self):
        window = self.show_with_stored_place(top="-120", left="16500")
        self.assert_window_at(window, 16500 // TWIPS_PER_PIXEL, -120 // TWIPS_PER_PIXEL)

    def test_place_off_every_screen_comes_wholly_onto_it_and_is_saved_there(self):
        window = self.show_with_stored_place(top="-9000", left="30000")
        screen = self.desktop.x.screen()
        place = self.desktop.geometry(window)
        self.assert_window_at(window, screen.width_in_pixels - place.width, 0)
        saved = self.saved_after_exit()
        self.assertEqual((saved["top"], saved["left"]),
                         ("0", str((screen.width_in_pixels - place.width) * TWIPS_PER_PIXEL)))

    def test_unreadable_place_keeps_initial_place(self):
        window = self.show_with_stored_place(top="abc")
        self.assert_window_at(window, *self.first_run_outer_place(window))

    def test_place_is_saved_in_twips(self):
        self.show_with_stored_place(top="1500", left="3000")
        saved = self.saved_after_exit()
        self.assertEqual((saved["top"], saved["left"]), ("1500", "3000"))

    def test_first_run_place_is_saved_in_twips(self):
        window = self.launch_and_show()
        x, y = self.first_run_outer_place(window)
        saved = self.saved_after_exit()
        self.assertEqual((saved["top"], saved["left"]),
                         (str(y * TWIPS_PER_PIXEL), str(x * TWIPS_PER_PIXEL)))


if __name__ == "__main__":
    unittest.main()
