"""Quillpad.exe under Wine: a PAD file that another X client drops on a box of the shown
window (a real XDND drop, which Wine's X11 driver hands over as WM_DROPFILES) fills the
boxes once the question is answered "Yes", and leaving saves them; "No" changes nothing.

The cases of a class share one Wine session: each starts the program on the same display."""

import os
import unittest

import pad_samples
from desktop import SETTINGS_KEYS, wait_until
from wine_desktop import WINE_TIMEOUT, WineDesktop
from xdnd_drag_source import drop_files

SAMPLE = pad_samples.sample("pad311")
# What the profile holds before the drop: a box the file gives another value, and boxes
# the file has no counterpart for.
STORED = {"company": "Прежняя фирма", "midname": "Иванович", "comments": "Своё\r\nпримечание"}
# Stored by the program itself: where the window stands.
PLACE_KEYS = {"top", "left"}
READ_MESSAGE_BOX_BUTTONS = os.environ["QUILLPAD_READ_MESSAGE_BOX_BUTTONS"]
# What the program may take at its peak, a deeply nested file read included.
PEAK_MEMORY_LIMIT_KB = 100 * 1024


class PadDropOnOneDesktop(unittest.TestCase):
    """The case every desktop runs, and what the cases share."""

    window_manager = None

    @classmethod
    def setUpClass(cls):
        cls.desktop = WineDesktop(window_manager=cls.window_manager)
        cls.addClassCleanup(cls.desktop.close)
        cls.desktop.start()
        cls.pad_path = SAMPLE.write(cls.desktop.root_dir)

    def setUp(self):
        self.start_with_stored_profile()

    def start_with_stored_profile(self):
        self.desktop.forget_profile()
        self.desktop.store_profile(STORED)
        self.desktop.launch()
        self.desktop.double_click_tray_icon()
        self.window = self.desktop.wait_main_window_mapped(WINE_TIMEOUT)

    def drop_and_answer(self, key, path=None, captions=None):
        """Drop the PAD file on a box, then answer the question with a key; the question's
        buttons read `captions` where given."""
        x, y = self.desktop.box_point("company")
        outcome = drop_files(self.desktop.display_name, x, y, [path or self.pad_path])
        # Wine tells the drag source the drop is done before the program asks anything.
        self.assertTrue(outcome, outcome.message)
        question = wait_until(self.desktop.message_boxes, WINE_TIMEOUT, what="the question")[0]
        # Owned by the pinned window, the question stays above it.
        self.assertTrue(self.desktop.stacked_above(question, self.window))
        if captions is not None:
            answer = self.desktop.wine(READ_MESSAGE_BOX_BUTTONS, check=False)
            self.assertEqual(answer.stdout.decode("utf-8").split(), captions)
        self.desktop.activate(question)
        self.desktop.key(key)
        wait_until(lambda: not self.desktop.message_boxes(), what="the question to close")

    def leave(self):
        self.desktop.send_close_request(self.window)
        self.assertEqual(self.desktop.wait_for_exit(WINE_TIMEOUT), 0)
        stored = self.desktop.stored_texts()
        self.assertEqual(set(stored), set(SETTINGS_KEYS))
        return {key: value for key, value in stored.items() if key not in PLACE_KEYS}

    def test_yes_fills_the_boxes_and_leaving_saves_them(self):
        self.drop_and_answer("Return")  # "Yes" is the default button
        self.assertEqual(self.leave(), SAMPLE.expected_values(STORED))


class PadDrop(PadDropOnOneDesktop):

    def test_pad_4_0_and_windows_1251_files_fill_the_boxes_too(self):
        # Wine's own XML reader knows no windows-1251: the program reads such files anyway.
        for number, name in enumerate(("pad40", "windows1251")):
            with self.subTest(name):
                if number:
                    self.start_with_stored_profile()
                sample = pad_samples.sample(name)
                self.drop_and_answer("Return", sample.write(self.desktop.root_dir))
                self.assertEqual(self.leave(), sample.expected_values(STORED))

    def test_a_deeply_nested_file_is_refused_in_words_at_little_cost(self):
        self.desktop.type_into("name", "-A")
        self.drop_and_answer("Return", pad_samples.sample("deeply_nested").write(
            self.desktop.root_dir))
        with open(f"/proc/{self.desktop.app.pid}/status") as status:
            peak_kb = int(next(line for line in status if line.startswith("VmHWM:")).split()[1])
        self.assertLess(peak_kb, PEAK_MEMORY_LIMIT_KB)
        self.assertEqual(self.leave(), {key: STORED.get(key, "") for key in pad_samples.FIELD_KEYS}
                         | {"name": "-A"})

    def test_the_question_reads_da_and_net_and_escape_answers_net(self):
        # Whatever the system's language, and the profile stays as it was.
        self.drop_and_answer("Escape", captions=["Да", "Нет"])
        self.assertEqual(self.leave(),
                         {key: STORED.get(key, "") for key in pad_samples.FIELD_KEYS})


class PadDropUnderOpenbox(PadDropOnOneDesktop):
    """The window manager frames the window and stacks the question."""

    window_manager = "openbox"


del PadDropOnOneDesktop  # only its subclasses run

if __name__ == "__main__":
    unittest.main()
