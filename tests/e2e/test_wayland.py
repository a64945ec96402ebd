"""A Wayland desktop (GNOME's compositor, headless, with its X server for X clients): the
program runs as an X client there, kept above others; told to run on Wayland itself, it
still starts and saves, and leaves the stored place alone, which Wayland never reports."""

import os
import subprocess
import unittest

from Xlib import display as xdisplay

from desktop import MAIN_WINDOW_TITLE, Desktop, binary_path, kill_group, wait_until
from pad_samples import sample
from xdnd_drag_source import drop_files

# The compositor's own start, and its X server's, take longer than Xvfb's.
COMPOSITOR_TIMEOUT = 60.0
STORED_PLACE = {"top": "2400", "left": "3000"}
# What the Wayland client library logs, with WAYLAND_DEBUG set, as the main window is titled.
WAYLAND_WINDOW_SHOWN = f'set_title("{MAIN_WINDOW_TITLE}")'


class WaylandDesktop(Desktop):
    """The compositor stands in for Xvfb and the window manager: its X display serves
    the X clients, and WAYLAND_DISPLAY names its own."""

    def __init__(self):
        super().__init__(tray=False)
        self.platform = None  # the toolkit's own choice
        self.xauthority = None
        self.compositor_log = os.path.join(self.root_dir, "compositor.log")

    def start(self):
        # Not nested in another display: the compositor owns the (virtual) screen.
        env = {key: value for key, value in self.environment().items()
               if key not in ("DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY")}
        with open(self.compositor_log, "ab") as log:
            self.window_manager = subprocess.Popen(
                ["dbus-run-session", "--", "mutter", "--wayland", "--headless",
                 "--virtual-monitor", "1280x800"],
                env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                start_new_session=True)
        wait_until(self._x_display_is_named, COMPOSITOR_TIMEOUT, what="the compositor")
        self.x = xdisplay.Display(self.display_name)
        return self

    def close(self):
        # The X server goes with the compositor: leave it before the compositor ends.
        kill_group(self.app)
        if self.x is not None:
            self.x.close()
            self.x = None
        super().close()

    def _x_display_is_named(self):
        with open(self.compositor_log, errors="replace") as f:
            return self.take_mutter_x_display(f.read())

    def environment(self):
        env = {key: value for key, value in super().environment().items() if value is not None}
        env.pop("QT_QPA_PLATFORM")
        if self.platform:
            env["QT_QPA_PLATFORM"] = self.platform
        # As a GNOME session tells its programs, which the toolkit takes for a choice of Wayland.
        env.update(WAYLAND_DISPLAY="wayland-0", XDG_SESSION_TYPE="wayland")
        if self.xauthority:
            env["XAUTHORITY"] = self.xauthority
        return env

    def launch_on_wayland(self):
        """Start the program as a Wayland client: nothing of it shows on the X display."""
        self.platform = "wayland"
        env = dict(self.environment(), WAYLAND_DEBUG="client")
        with open(self.app_log, "ab") as log:
            self.app = subprocess.Popen(
                ["dbus-run-session", "--", binary_path()], env=env,
                stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                start_new_session=True)


class Wayland(unittest.TestCase):

    def setUp(self):
        self.desktop = WaylandDesktop()
        self.addCleanup(self.desktop.close)
        self.addCleanup(os.environ.pop, "XAUTHORITY", None)
        self.desktop.start()

    def test_with_an_x_display_it_runs_as_an_x_client_kept_above_others(self):
        self.desktop.launch()
        window = self.desktop.wait_main_window_mapped(COMPOSITOR_TIMEOUT)
        wait_until(lambda: "_NET_WM_STATE_ABOVE" in self.desktop.net_wm_state(window),
                   COMPOSITOR_TIMEOUT, what="the main window to be kept above others")
        # A PAD file dropped by another X client: its question stands above the pinned window.
        path = sample("pad311").write(self.desktop.root_dir)
        outcome = drop_files(self.desktop.display_name, *self.desktop.box_point("company"),
                             [path], timeout=COMPOSITOR_TIMEOUT)
        self.assertTrue(outcome, outcome.message)
        question = self.desktop.wait_message_box()
        wait_until(lambda: self.desktop.stacked_above(question, window), COMPOSITOR_TIMEOUT,
                   what="the question to stand above the pinned window")

    def test_on_wayland_it_runs_and_saves_without_moving_the_stored_place(self):
        self.desktop.seed_settings(dict(STORED_PLACE, name="Ivan"))
        self.desktop.launch_on_wayland()
        wait_until(lambda: WAYLAND_WINDOW_SHOWN in self.desktop.app_output(),
                   COMPOSITOR_TIMEOUT, what="the main window to show on Wayland")
        self.assertFalse(self.desktop.windows_named(MAIN_WINDOW_TITLE),
                         "the program showed on the X display")
        self.desktop.request_termination()
        self.assertEqual(self.desktop.wait_for_exit(COMPOSITOR_TIMEOUT), 0,
                         self.desktop.app_output())
        settings = self.desktop.read_settings()
        self.assertEqual({key: settings.get(key) for key in STORED_PLACE}, STORED_PLACE)
        self.assertEqual(settings.get("name"), "Ivan")


if __name__ == "__main__":
    unittest.main()
