"""A user with the keyboard alone, under a window manager: Tab and Shift+Tab reach every
"!" on both pages, Enter and Space press it, Alt with a letter changes no field, and F10
opens the menu.

One desktop for all the cases; every case starts the program afresh on the same profile.
"""

import unittest

from desktop import Desktop, DesktopTestCase, SETTINGS_KEYS, wait_until
from program_window import NOT_COPIED

PROFILE = {key: f"{key} value" for key in SETTINGS_KEYS if key not in ("top", "left")}
PROFILE["comments"] = "comments\nsecond line"
PROFILE["prgfullo"] = "full description\nsecond line"

# The author page's boxes and then its "!", in the window's tab order, from the first box.
AUTHOR_BOXES = ["name", "lastname", "midname", "company", "title", "street1", "streer2", "city",
                "state", "county", "zip", "email", "phone", "fax", "comments"]
AUTHOR_BUTTONS = AUTHOR_BOXES
# From the page button "2": the drop-down, "Перейти!", then the program's boxes and "!".
PROGRAM_STOPS_FROM_PAGE_BUTTON = [
    "catalogue", "go", "prgvers", "prgvers!", "prgfullo", "prgfullo!", "prgname", "prgemail",
    "prgdownl1", "prgdownl2", "prgwww", "prgo", "prgname!", "prgemail!", "prgdownl1!",
    "prgdownl2!", "prgwww!", "prgo!"]
# Alt with a typing key; Alt+Space and Alt+Tab are the window manager's.
ALT_KEYS = ["alt+m", "alt+shift+m", "alt+1", "alt+Return"]


class KeyboardOnly(DesktopTestCase):

    @classmethod
    def setUpClass(cls):
        cls.shared_desktop = Desktop(window_manager="openbox")
        cls.addClassCleanup(cls.shared_desktop.close)
        cls.shared_desktop.start()

    def setUp(self):
        self.desktop = self.shared_desktop
        self.addCleanup(self.desktop.end_program)
        self.desktop.seed_settings(PROFILE)
        window = self.launch_and_show()
        # The window manager gives the shown window the focus; the first box has it.
        wait_until(lambda: self.desktop.active_window_id() == window.id,
                   what="the window manager to activate the window")

    def tab(self, times=1):
        for _ in range(times):
            self.desktop.key("Tab")

    def assert_copies(self, field, key):
        self.desktop.put_on_clipboard(NOT_COPIED)
        self.desktop.key(key)
        copied = wait_until(self.desktop._copied_text, what=f"{key} to copy {field}")[0]
        self.assertEqual(copied.replace("\r\n", "\n"), PROFILE[field], f"{key} on {field}'s !")

    def assert_copies_with_enter_and_space(self, field):
        self.assert_copies(field, "Return")
        self.assert_copies(field, "space")

    def press_page_button_two(self, tabs):
        self.tab(tabs)
        self.desktop.key("space")
        self.desktop.wait_page(2)

    def test_tab_reaches_every_copy_button_of_the_author_page(self):
        self.tab(len(AUTHOR_BOXES))
        for field in AUTHOR_BUTTONS:
            self.assert_copies_with_enter_and_space(field)
            self.tab()
        # Shift+Tab walks back: from "1" to the comments box's "!".
        self.desktop.key("shift+Tab")
        self.assert_copies_with_enter_and_space("comments")

    def test_tab_reaches_every_copy_button_of_the_program_page(self):
        # From the first box past every other stop of the author page to "2".
        self.press_page_button_two(len(AUTHOR_BOXES) + len(AUTHOR_BUTTONS) + 1)
        for stop in PROGRAM_STOPS_FROM_PAGE_BUTTON:
            self.tab()
            if stop.endswith("!"):
                self.assert_copies_with_enter_and_space(stop[:-1])
        # Round again to the page buttons: Enter on "1" brings the author page back.
        self.tab()
        self.desktop.key("Return")
        self.desktop.wait_page(1)

    def test_shift_tab_walks_back_out_of_the_multi_line_boxes(self):
        self.tab(AUTHOR_BOXES.index("comments"))
        self.desktop.key("shift+Tab", "Tab", "Tab")
        self.assert_copies("name", "Return")
        self.press_page_button_two(len(AUTHOR_BUTTONS) + 1)
        self.tab(PROGRAM_STOPS_FROM_PAGE_BUTTON.index("prgfullo") + 1)
        self.desktop.key("shift+Tab")
        self.assert_copies("prgvers", "Return")

    def test_alt_with_a_letter_changes_no_field(self):
        for _ in AUTHOR_BOXES:
            self.desktop.key(*ALT_KEYS)
            self.tab()
        self.press_page_button_two(len(AUTHOR_BUTTONS) + 1)
        for stop in PROGRAM_STOPS_FROM_PAGE_BUTTON:
            self.tab()
            if stop.startswith("prg") and not stop.endswith("!"):
                self.desktop.key(*ALT_KEYS)
        self.desktop.key("ctrl+e")
        self.assert_exits_cleanly()
        saved = self.assert_all_keys_saved()
        self.assertEqual({key: saved[key].replace("\r\n", "\n") for key in PROFILE}, PROFILE)

    def test_f10_opens_the_menu(self):
        self.desktop.key("F10")
        self.desktop.wait_popup_menu()
        self.desktop.key("Escape")
        self.desktop.wait_popup_closed()


if __name__ == "__main__":
    unittest.main()
