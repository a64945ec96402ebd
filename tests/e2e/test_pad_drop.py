"""A PAD file dropped on the main window by another program fills the boxes once the user
agrees, and a way out stores them as it stores typed text; "Нет" changes nothing.

Each class is one desktop, started once for its cases; every case starts the program afresh.
"""

import unittest

from desktop import Desktop, DesktopTestCase, wait_until
from pad_samples import FIELD_KEYS, sample
from xdnd_drag_source import drop_files, drop_text

# A profile already in use: some boxes the file fills hold other text, and the boxes it
# never touches hold text too. Stored at a place of its own, which the program keeps.
STORED = {
    "name": "Элинор", "midname": "Б.", "company": "Old Company", "title": "Автор",
    "comments": "Первая строка\r\nвторая", "prgname": "OldNotes",
    "top": "1500", "left": "3000",
}


class PadDropOnOneDesktop(DesktopTestCase):
    """The cases, run by each subclass on its own desktop."""

    window_manager = None

    @classmethod
    def setUpClass(cls):
        cls.shared_desktop = Desktop(window_manager=cls.window_manager)
        cls.addClassCleanup(cls.shared_desktop.close)
        cls.shared_desktop.start()

    def setUp(self):
        self.desktop = self.shared_desktop
        self.addCleanup(self.desktop.end_program)
        self.pad = sample("pad311")
        self.desktop.seed_settings(STORED)
        self.launch_and_show()

    def drop_pad_file_on(self, point):
        """Drop the PAD file at the screen point; the source hears the drop has ended before
        the question is answered. Returns the question's box."""
        path = self.pad.write(self.desktop.root_dir)
        outcome = drop_files(self.desktop.display_name, *point, [path])
        self.assertTrue(outcome, outcome.message)
        box = self.desktop.wait_message_box()
        wait_until(lambda: self.desktop.stacked_above(box, self.desktop.main_window()),
                   what="the question to stand above the pinned window")
        return box

    def answer(self, box, keys):
        self.desktop.activate(box)
        self.desktop.key(*keys)
        wait_until(lambda: not self.desktop.message_boxes(), what="the question to close")

    def stored_values(self):
        saved = self.assert_all_keys_saved()
        return {key: saved[key] for key in (*FIELD_KEYS, "top", "left")}

    def assert_stored(self, fields):
        self.assertEqual(self.stored_values(),
                         dict(fields, top=STORED["top"], left=STORED["left"]))

    def assert_yes_fills_the_boxes_and_closing_stores_them(self, point):
        box = self.drop_pad_file_on(point)
        self.answer(box, ["Return"])  # "Да" is the preset answer
        self.desktop.send_close_request(self.desktop.main_window())
        self.assert_exits_cleanly()
        self.assert_stored(self.pad.expected_values(STORED))


class PadDrop(PadDropOnOneDesktop):

    def test_yes_fills_the_boxes_and_closing_stores_them(self):
        self.assert_yes_fills_the_boxes_and_closing_stores_them(self.desktop.box_point("company"))

    def test_files_of_every_kind_authors_keep_fill_the_boxes(self):
        for name in ("pad311_crlf", "pad40", "windows1251", "latin1", "utf16le_bom",
                     "pad311_german"):
            with self.subTest(name):
                self.pad = sample(name)
                self.assert_yes_fills_the_boxes_and_closing_stores_them(
                    self.desktop.box_point("city"))
                self.desktop.end_program()
                self.desktop.seed_settings(STORED)
                self.launch_and_show()

    def test_no_changes_nothing_and_ctrl_e_stores_the_profile_as_it_was(self):
        box = self.drop_pad_file_on(self.desktop.client_point(136, 300))  # the background
        self.answer(box, ["Tab", "space"])  # from "Да" to "Нет", and press it
        self.save_and_exit()
        self.assert_stored({key: STORED.get(key, "") for key in FIELD_KEYS})


    def test_text_dropped_on_a_box_goes_into_it_as_before(self):
        outcome = drop_text(self.desktop.display_name, *self.desktop.box_point("city"),
                            "Springfield")
        self.assertTrue(outcome, outcome.message)
        self.save_and_exit()
        self.assertFalse(self.desktop.message_boxes())
        self.assertEqual(self.stored_values()["city"], "Springfield")


class PadDropUnderOpenbox(PadDropOnOneDesktop):
    """The window manager frames the window: the drop goes to the client inside the frame."""

    window_manager = "openbox"

    def test_yes_fills_the_boxes_and_closing_stores_them(self):
        self.assert_yes_fills_the_boxes_and_closing_stores_them(
            self.desktop.box_point("comments"))


del PadDropOnOneDesktop  # only its subclasses run

if __name__ == "__main__":
    unittest.main()
