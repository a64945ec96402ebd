"""Other programs holding or taking the clipboard do not stop a copy."""

import signal
import subprocess
import unittest

from desktop import DEFAULT_TIMEOUT, DesktopTestCase, holds_throughout, wait_until
from reliability import record

AREA = "Clipboard"


class ClipboardTaken(DesktopTestCase):

    def take_clipboard(self, text):
        """Another program takes the clipboard now, with the server's current time."""
        subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text.encode(),
                       env=self.desktop.environment(), stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=True, timeout=DEFAULT_TIMEOUT)

    def test_clipboard_taken_between_click_and_copy(self):
        self.desktop.seed_settings({"name": "Ann"})
        self.launch_and_show()
        # Frozen, the program receives the click only after another program has taken
        # the clipboard; the copy still comes later, so it wins.
        self.desktop.put_on_clipboard("before")
        self.desktop.request_termination(signal.SIGSTOP)
        self.desktop.click_copy_button("name")
        self.desktop.put_on_clipboard("theirs")
        self.desktop.request_termination(signal.SIGCONT)
        wait_until(lambda: self.desktop.clipboard_text() == "Ann", what="the copy")
        self.assertFalse(self.desktop.message_boxes())
        self.assertEqual(self.desktop.copy_with_button("name"), "Ann")
        record(AREA, "another program took the clipboard between the click and the copy",
               "the copy, coming later, took it over")

    def test_clipboard_held_by_another_program(self):
        self.desktop.seed_settings({"name": "Ann", "email": "ann@example.org"})
        self.launch_and_show()
        for box, text in (("name", "Ann"), ("email", "ann@example.org")):
            self.take_clipboard("held elsewhere")
            self.assertEqual(self.desktop.copy_with_button(box), text)
        self.assertTrue(holds_throughout(lambda: not self.desktop.message_boxes(), 0.3))
        record(AREA, "another program holding the clipboard at the click",
               "the copy took the clipboard over", 2)


if __name__ == "__main__":
    unittest.main()
