"""Quillpad.exe under Wine: leaving saves the whole profile in the registry."""

import unittest

from desktop import SETTINGS_KEYS, holds_throughout, wait_until
from wine_desktop import APPLICATION_KEY, SETTINGS_KEY, WINE_TIMEOUT, WineTestCase

STORED = {"name": "Пётр", "comments": "Строка с \"кавычками\" и \\ чертой", "prgo": "Quillpad"}


class WaysOut(WineTestCase):

    def test_tray_exit_removes_the_icon_ends_and_saves_all_25_values(self):
        self.desktop.store_profile(STORED)
        self.desktop.launch()
        self.desktop.tray_icon()
        self.desktop.right_click_tray_icon()
        menu = self.desktop.geometry(
            wait_until(self.desktop.popup_menu, WINE_TIMEOUT, what="the pop-up menu"))
        self.desktop.click_at(*menu.centre)
        self.assertEqual(self.desktop.wait_for_exit(WINE_TIMEOUT), 0)
        self.desktop.wait_tray_icon_gone()
        self.assertEqual(self.desktop.stored_profile(), {key: "REG_SZ" for key in SETTINGS_KEYS})
        for key, value in STORED.items():
            self.assertEqual(self.desktop.stored_text(key), value, key)

    def test_closing_the_window_saves_its_position(self):
        window = self.launch_and_show()
        self.desktop.send_close_request(window)
        self.assertEqual(self.desktop.wait_for_exit(WINE_TIMEOUT), 0)
        self.assertEqual(len(self.desktop.stored_profile()), 25)
        # The client area stands at 1020 twips; the window's frame and menu bar above it.
        self.assertLess(int(self.desktop.stored_text("top")), 1020)
        self.assertEqual(self.desktop.stored_text("name"), "")

    def test_a_place_off_every_screen_shows_wholly_on_it_and_is_saved_there(self):
        # Saved while a second monitor was attached.
        self.desktop.store_profile({"top": "-9000", "left": "30000"})
        window = self.launch_and_show()
        screen = self.desktop.x.screen()
        place = self.desktop.geometry(window)
        self.assertGreaterEqual(place.y, 0)
        self.assertLessEqual(place.x + place.width, screen.width_in_pixels)
        self.assertGreater(place.x, screen.width_in_pixels // 2)
        self.desktop.send_close_request(window)
        self.assertEqual(self.desktop.wait_for_exit(WINE_TIMEOUT), 0)
        self.assertGreaterEqual(int(self.desktop.stored_text("top")), 0)
        self.assertLessEqual(int(self.desktop.stored_text("left")) // 15 + place.width,
                             screen.width_in_pixels)

    def test_logging_off_saves_as_closing_does(self):
        self.desktop.store_profile(STORED)
        self.launch_and_show()
        self.desktop.wine("wineboot", "--end-session")
        self.assertEqual(self.desktop.wait_for_exit(WINE_TIMEOUT), 0)
        self.assertEqual(len(self.desktop.stored_profile()), 25)
        self.assertEqual(self.desktop.stored_text("comments"), STORED["comments"])

    def test_a_key_imported_while_waiting_is_kept_as_found_and_told_at_the_next_start(self):
        self.desktop.store_profile(STORED)
        self.desktop.launch()
        self.desktop.tray_icon()
        # `reg import` of a key exported on another computer, while the program waits.
        self.desktop.store_profile({"name": "From a backup", "fax": "555"})
        self.desktop.wine("wineboot", "--end-session")
        self.assertEqual(self.desktop.wait_for_exit(WINE_TIMEOUT), 0)
        self.assertEqual(self.desktop.stored_text("name"), STORED["name"])
        siblings = [line.strip() for line in self.desktop.wine(
            "reg", "query", APPLICATION_KEY.rsplit("\\", 1)[0]).stdout.decode(
                "utf-8", "replace").splitlines() if "\\Quillpad-" in line]
        self.assertEqual(len(siblings), 1, siblings)
        kept = self.desktop.wine("reg", "query", siblings[0] + "\\Setting").stdout.decode(
            "utf-8", "replace")
        self.assertIn("From a backup", kept)
        self.assertIn("555", kept)
        self.desktop.launch()
        box = wait_until(self.desktop.message_boxes, WINE_TIMEOUT, what="the message")[0]
        self.desktop.dismiss_message_box(box)
        self.assertTrue(holds_throughout(lambda: not self.desktop.message_boxes(), 1.0))
        self.desktop.wine("wineboot", "--end-session")
        self.assertEqual(self.desktop.wait_for_exit(WINE_TIMEOUT), 0)
        self.desktop.launch()
        self.assertTrue(holds_throughout(lambda: not self.desktop.message_boxes(), 2.0),
                        "the kept key was told again, or an ordinary run found a change")

    def test_values_of_other_kinds_are_told_at_start_and_kept_at_exit(self):
        self.desktop.store_profile(STORED)
        self.desktop.wine("reg", "add", SETTINGS_KEY, "/v", "zip", "/t", "REG_DWORD",
                          "/d", "42", "/f")
        self.desktop.wine("reg", "add", SETTINGS_KEY, "/v", "prgwww", "/t", "REG_EXPAND_SZ",
                          "/d", "%USERPROFILE%\\site", "/f")
        self.desktop.launch()
        box = wait_until(self.desktop.message_boxes, WINE_TIMEOUT, what="the message")[0]
        self.desktop.dismiss_message_box(box)
        self.desktop.right_click_tray_icon()
        menu = self.desktop.geometry(
            wait_until(self.desktop.popup_menu, WINE_TIMEOUT, what="the pop-up menu"))
        self.desktop.click_at(*menu.centre)
        self.assertEqual(self.desktop.wait_for_exit(WINE_TIMEOUT), 0)
        kinds = self.desktop.stored_profile()
        self.assertEqual(kinds["zip"], "REG_DWORD")
        self.assertEqual(kinds["prgwww"], "REG_EXPAND_SZ")
        listing = self.desktop.wine("reg", "query", SETTINGS_KEY, "/v", "prgwww").stdout
        self.assertIn("%USERPROFILE%\\site", listing.decode("utf-8", "replace"))
        self.assertEqual(self.desktop.stored_text("name"), STORED["name"])

    def test_a_long_text_without_spaces_shows_at_once_and_is_saved_whole(self):
        data_address = "data:image/png;base64," + "iVBORw0KGgoAAAANSUhEUgAA" * 4200
        self.desktop.store_profile({"comments": data_address, "prgfullo": data_address})
        window = self.launch_and_show()
        self.desktop.send_close_request(window)
        self.assertEqual(self.desktop.wait_for_exit(WINE_TIMEOUT), 0)
        self.assertEqual(self.desktop.stored_text("comments"), data_address)
        self.assertEqual(self.desktop.stored_text("prgfullo"), data_address)


if __name__ == "__main__":
    unittest.main()
