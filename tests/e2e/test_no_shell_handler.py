"""Opening an address with no handler for it: nothing crashes, nothing waits, the program
goes on."""

import os
import signal
import unittest

from desktop import DOUBLE_CLICK_SETTLE, DesktopTestCase, holds_throughout
from reliability import record

AREA = "No handler for addresses"
HELD = "no message, no crash, no wait; copying and exit still worked"
# The e-mail link's place in the About window (pixels), and its first catalogue entry.
EMAIL_LINK = (236, 20)
CATALOGUE_LIST = (24, 24, 145, 21)


class NoShellHandler(DesktopTestCase):

    def open_both_kinds(self):
        """Press "Перейти!" on the first catalogue entry, then the About window's e-mail."""
        self.desktop.seed_settings({"name": "Ann"})
        self.launch_and_show()
        self.desktop.show_page(2)
        self.desktop.open_catalogue_list()
        self.desktop.key("Home", "Return")
        self.desktop.wait_popup_closed()
        for _ in range(3):
            self.desktop.press_go()
        about = self.desktop.open_about()
        self.desktop.click_at(*self.desktop.about_point(about, *EMAIL_LINK))

    def assert_goes_on(self):
        self.assertTrue(holds_throughout(lambda: not self.desktop.message_boxes()
                                         and not self.desktop.app_exited(),
                                         DOUBLE_CLICK_SETTLE))
        self.desktop.show_page(1)
        self.assertEqual(self.desktop.copy_with_button("name"), "Ann")
        self.save_and_exit()

    def test_no_xdg_open_at_all(self):
        os.remove(os.path.join(self.desktop.stub_dir, "xdg-open"))
        self.desktop.remove_system_path()
        self.open_both_kinds()
        self.assert_goes_on()
        record(AREA, "no xdg-open on the PATH: a catalogue address, then the e-mail link", HELD)

    def test_handler_that_finds_no_browser(self):
        self.desktop.replace_xdg_open('echo "xdg-open: no method available" >&2; exit 3')
        self.open_both_kinds()
        self.assert_goes_on()
        record(AREA, "xdg-open that finds no browser or mail program (exit status 3)", HELD)

    def test_handler_that_never_returns(self):
        pids = os.path.join(self.desktop.root_dir, "handlers")
        self.desktop.replace_xdg_open(f"echo $$ >> '{pids}'; exec sleep 1000")
        self.addCleanup(self.end_handlers, pids)
        self.open_both_kinds()
        self.assert_goes_on()
        record(AREA, "a handler that never returns, started four times", HELD)


    def end_handlers(self, pids):
        """The handlers run on their own, detached from the program; end them here."""
        with open(pids) as f:
            for pid in f.read().split():
                try:
                    os.kill(int(pid), signal.SIGKILL)
                except ProcessLookupError:
                    pass


if __name__ == "__main__":
    unittest.main()
