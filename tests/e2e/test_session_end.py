"""The desktop session ends the program through its XSMP session manager (xsm, the
reference one), as KDE Plasma on X11, Xfce, LXQt and MATE do at log-out: the fields are
saved whether the window is on show or waits in the tray. A save the manager asks for while
the session goes on (its checkpoint) leaves the program running."""

import os
import signal
import subprocess
import unittest

from desktop import Desktop, DesktopTestCase, kill_group, wait_until
from reliability import record

AREA = "End of the session"


class SessionDesktop(Desktop):
    """A desktop whose session is run by xsm; the program is one of its clients."""

    def __init__(self):
        super().__init__()
        self.session_manager = None
        self.session_manager_address = None

    def environment(self):
        env = super().environment()
        if self.session_manager_address:
            env["SESSION_MANAGER"] = self.session_manager_address
        return env

    def start_session_manager(self):
        # xsm starts the commands of ~/.xsmstartup with its address in SESSION_MANAGER;
        # the one command here hands the address over to the test.
        address_file = os.path.join(self.root_dir, "session-manager")
        with open(os.path.join(self.home, ".xsmstartup"), "w") as f:
            f.write(f'sh -c "echo $SESSION_MANAGER > {address_file}"\n')
        self.session_manager = subprocess.Popen(
            ["xsm"], env=self.environment(), stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)

        def address():
            if self.session_manager.poll() is not None:
                raise AssertionError("xsm ended at start")
            if not os.path.exists(address_file):
                return None
            with open(address_file) as f:
                return f.read().strip()

        self.session_manager_address = wait_until(address, what="xsm to start its session")

    def end_session(self):
        """What the desktop does at log-out when it is told to end (SIGTERM to xsm)."""
        self.session_manager.send_signal(signal.SIGTERM)

    def close(self):
        kill_group(self.session_manager)
        super().close()


class SessionEnd(DesktopTestCase):

    def setUp(self):
        self.desktop = SessionDesktop()
        self.addCleanup(self.desktop.close)
        self.desktop.start()
        self.desktop.start_session_manager()

    def fill_in(self):
        self.desktop.launch()
        self.desktop.show_from_tray()
        self.fill_in_shown()

    def fill_in_shown(self):
        self.desktop.type_into("name", "Kept")
        self.desktop.type_into("comments", "two\nlines")

    def assert_saved(self):
        saved = self.assert_all_keys_saved()
        self.assertEqual(saved["name"], "Kept")
        self.assertEqual(saved["comments"].splitlines(), ["two", "lines"])

    def test_session_end_with_the_window_in_the_tray(self):
        # xsm takes a new client in with a checkpoint: asked to save, the program keeps
        # running with the profile written whole.
        self.desktop.seed_settings({"city": "Stored"})
        self.desktop.launch()
        wait_until(lambda: len(self.desktop.read_settings()) == 25,
                   what="the checkpoint's save")
        self.assertFalse(self.desktop.app_exited(), "a checkpoint ended the program")
        self.assertEqual(self.desktop.read_settings()["city"], "Stored")
        record(AREA, "a checkpoint of the session manager (xsm) while the program ran",
               "the profile saved whole; the program kept running")
        self.desktop.show_from_tray()
        self.fill_in_shown()
        self.hide_into_tray()
        self.desktop.end_session()
        self.assert_exits_cleanly()
        self.assert_saved()
        record(AREA, "the session manager (xsm) ended the session while the window waited "
               "in the tray", "every field saved; the program ended")

    def test_session_end_with_the_window_on_show(self):
        self.fill_in()
        self.desktop.end_session()
        self.assert_exits_cleanly()
        self.assert_saved()
        record(AREA, "the session manager (xsm) ended the session while the window was on "
               "show", "every field saved; the program ended")


if __name__ == "__main__":
    unittest.main()
