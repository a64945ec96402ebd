"""Quillpad.exe under Wine and openbox, started again: the running copy on the same registry key
comes up with the keyboard focus and the second process ends at once; starts at the same
moment leave one copy; a killed copy stops no start; a program of another name runs beside.

The cases share one Wine session; every case starts the program afresh."""

import os
import shutil
import signal
import subprocess
import time
import unittest

import pad_samples
from desktop import holds_throughout, start_shared, wait_until
from wine_desktop import WINE_TIMEOUT, WineDesktop
from xdnd_drag_source import drop_files

STORED = {"name": "Элинор", "company": "Прежняя фирма"}
# What a second start may take to end once the running copy has come up for it.
HAND_OVER_SECONDS = 1.0


class SecondStart(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.desktop = start_shared(cls, WineDesktop(window_manager="openbox"))

    def setUp(self):
        self.desktop.forget_profile()
        self.desktop.store_profile(STORED)
        self.addCleanup(self.desktop._end_wine)

    def start(self, exe=None):
        """A start as Explorer makes it, beside whatever already runs."""
        return subprocess.Popen([self.desktop.loader, exe or self.desktop.exe],
                                env=self.desktop.environment(), stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True)

    def show_and_type(self, text):
        self.desktop.double_click_tray_icon()
        self.desktop.wait_main_window_mapped(WINE_TIMEOUT)
        self.desktop.type_into("name", text)

    def assert_window_up_with_focus(self):
        window = self.desktop.wait_main_window_mapped(WINE_TIMEOUT)
        wait_until(lambda: self.desktop.active_window_id() == window.id,
                   what="the main window to be the active one")
        self.desktop.wait_tray_icon_gone(WINE_TIMEOUT)
        return window

    def leave(self, window):
        self.desktop.send_close_request(window)
        self.assertEqual(self.desktop.wait_for_exit(WINE_TIMEOUT), 0)
        return self.desktop.stored_text("name")

    def test_a_second_start_brings_up_the_copy_hidden_in_the_tray(self):
        self.desktop.launch()
        self.show_and_type("-A")
        self.desktop.focus_main_window()
        self.desktop.key("ctrl+d")
        wait_until(lambda: not self.desktop.main_window_mapped(), what="the window to hide")
        self.desktop.tray_icon()
        before = self.desktop.stored_texts()
        second = self.start()
        window = self.assert_window_up_with_focus()
        shown = time.monotonic()
        wait_until(lambda: second.poll() is not None, WINE_TIMEOUT, what="the second start to end")
        self.assertLess(time.monotonic() - shown, HAND_OVER_SECONDS)
        self.assertEqual(second.returncode, 0)
        self.assertEqual(self.desktop.tray_icons(), [])
        self.assertEqual(self.desktop.stored_texts(), before)
        self.assertEqual(self.leave(window), "Элинор-A")

    def test_a_second_start_while_a_message_is_up_leaves_the_focus_on_it(self):
        # Wine's X11 driver moves no X focus away from another program's window, so this
        # shows only that the message keeps the focus, not the window behind it.
        self.desktop.launch()
        self.desktop.double_click_tray_icon()
        window = self.desktop.wait_main_window_mapped(WINE_TIMEOUT)
        outcome = drop_files(self.desktop.display_name, *self.desktop.box_point("company"),
                             [pad_samples.sample("not_xml").write(self.desktop.root_dir)])
        self.assertTrue(outcome, outcome.message)
        message = wait_until(self.desktop.message_boxes, WINE_TIMEOUT, what="the message")[0]
        self.desktop.activate(message)
        second = self.start()
        wait_until(lambda: second.poll() is not None, WINE_TIMEOUT, what="the second start to end")
        self.assertEqual(second.returncode, 0)
        self.assertTrue(holds_throughout(
            lambda: self.desktop.active_window_id() == message.id
            and self.desktop.message_boxes() == [message], 1.0))
        self.assertEqual(self.desktop.tray_icons(), [])
        self.desktop.key("Return")
        wait_until(lambda: not self.desktop.message_boxes(), what="the message to close")
        self.assertEqual(self.leave(window), STORED["name"])

    def test_three_starts_at_once_leave_one_copy(self):
        runners = [self.start() for _ in range(3)]
        wait_until(lambda: sum(runner.poll() is None for runner in runners) == 1
                   and self.desktop.main_window_mapped(), WINE_TIMEOUT,
                   what="one copy to be left")
        self.assertEqual([runner.returncode for runner in runners if runner.poll() is not None],
                         [0, 0])
        self.desktop.app = next(runner for runner in runners if runner.poll() is None)
        window = self.assert_window_up_with_focus()
        self.assertTrue(holds_throughout(lambda: self.desktop.app.poll() is None, 1.0))
        self.assertEqual(self.leave(window), STORED["name"])

    def test_a_start_after_a_copy_was_killed_runs(self):
        self.desktop.launch()
        os.kill(self.desktop.app.pid, signal.SIGKILL)
        self.desktop.wait_for_exit(WINE_TIMEOUT)
        self.desktop.wait_tray_icon_gone(WINE_TIMEOUT)
        self.desktop.launch()
        self.show_and_type("-C")
        self.assertEqual(self.leave(self.desktop.main_window()), "Элинор-C")

    def test_a_program_of_another_name_runs_beside(self):
        self.desktop.launch()
        other = os.path.join(self.desktop.root_dir, "Other.exe")
        shutil.copy(self.desktop.exe, other)
        runner = self.start(other)
        self.addCleanup(lambda: runner.kill() or runner.wait())
        wait_until(lambda: len(self.desktop.tray_icons()) == 2, WINE_TIMEOUT,
                   what="both icons to dock")
        self.assertIsNone(runner.poll())
        self.assertIsNone(self.desktop.app.poll())


if __name__ == "__main__":
    unittest.main()
