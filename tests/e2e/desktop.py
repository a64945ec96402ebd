"""A throw-away X desktop (Xvfb + trayer) that runs Quillpad for one test.

Each Desktop owns its own display, tray, HOME and XDG_CONFIG_HOME, and tears
all of them down on close(), whatever state the test left them in. It can also run
under a window manager, with a StatusNotifierItem panel in place of trayer; those share
one D-Bus session with the program, as a desktop session does.

Desktop is made of what it drives, one module each: the X session and its input, the
tray, the program's windows, its process and its profile on disk. The names tests need
are all importable from here.
"""

import os
import shutil
import tempfile
import unittest

from Xlib import display as xdisplay

from process_groups import kill_group
from profile_files import SETTINGS_KEYS, ProfileFiles, big_text_scale
from program_process import APP_NAME, ProgramProcess, binary_path
from program_window import (ABOUT_TITLE, BOX_TOPS, CLIENT_HEIGHT, CLIENT_WIDTH,
                            COPY_BUTTON_LEFT, FIRST_RUN_CLIENT_ORIGIN, MAIN_WINDOW_TITLE,
                            NOT_COPIED, PAGE_BUTTONS, PROGRAM_BOX_TOPS, TWIPS_PER_PIXEL,
                            ProgramWindow)
from tray_host import SNI_PANEL, XEMBED_TRAY, TrayHost
from waiting import DEFAULT_TIMEOUT, holds_throughout, wait_until
from x_input import DOUBLE_CLICK_SETTLE, XInput
from x_session import XSession

__all__ = [
    "ABOUT_TITLE", "BOX_TOPS", "CLIENT_HEIGHT", "CLIENT_WIDTH", "COPY_BUTTON_LEFT",
    "DEFAULT_TIMEOUT", "DOUBLE_CLICK_SETTLE", "FIRST_RUN_CLIENT_ORIGIN", "MAIN_WINDOW_TITLE",
    "PAGE_BUTTONS", "PROGRAM_BOX_TOPS", "SETTINGS_KEYS", "SNI_PANEL", "TWIPS_PER_PIXEL",
    "XEMBED_TRAY", "Desktop", "DesktopTestCase", "big_text_scale", "binary_path",
    "holds_throughout", "kill_group", "start_shared", "wait_until",
]


class Desktop(ProgramProcess, ProgramWindow, TrayHost, XInput, XSession, ProfileFiles):
    """Xvfb, optionally trayer, fresh home folders and the program under test."""

    def __init__(self, tray=True, window_manager=None):
        """tray: True or XEMBED_TRAY for trayer, SNI_PANEL, or False for none."""
        self.tray = XEMBED_TRAY if tray is True else tray
        self.window_manager_name = window_manager
        self.root_dir = tempfile.mkdtemp(prefix="quillpad-e2e-")
        self.home = self._make_dir("home")
        self.config_home = self._make_dir("config")
        self.runtime_dir = self._make_dir("runtime", mode=0o700)
        self.stub_dir = self._make_dir("bin")
        self.xdg_open_log = os.path.join(self.root_dir, "xdg-open.log")
        self.app_log = os.path.join(self.root_dir, "program.log")
        self.app_name = APP_NAME
        self.xvfb = self.trayer = self.app = self.window_manager = self.bus = None
        self.bus_address = None
        self.other_copies = []
        self.program_path = None  # the program's own PATH when not the tests' one
        self.display_name = None
        self.x = None
        self._bound_chars = set()
        self._icons_seen = {}  # tray icon window id -> when it was first seen
        self._write_xdg_open_stub()

    # ---- life cycle -------------------------------------------------------

    def start(self):
        """Bring up the display and, unless told otherwise, the tray."""
        self._start_xvfb()
        self.x = xdisplay.Display(self.display_name)
        if self.window_manager_name or self.tray == SNI_PANEL:
            self._start_session_bus()
        if self.window_manager_name:
            self.start_window_manager(self.window_manager_name)
        if self.tray:
            self.start_tray()
        return self

    def close(self):
        """Tear everything down; safe to call in any state and more than once."""
        kill_group(self.app)
        for runner in self.other_copies:
            kill_group(runner)
        kill_group(self.trayer)
        kill_group(self.window_manager)
        kill_group(self.bus)
        if self.x is not None:
            self.x.close()
            self.x = None
        kill_group(self.xvfb)
        shutil.rmtree(self.root_dir, ignore_errors=True)

    def end_program(self):
        """End the program if it still runs and forget its profile, so that the next
        launch on this desktop is a first run."""
        kill_group(self.app)
        self.app = None
        shutil.rmtree(os.path.dirname(self.ini_path()), ignore_errors=True)
        if self.tray == SNI_PANEL and self.panel_menu() is not None:
            self.key("Escape")  # a menu left open by a failed case holds the pointer

    def environment(self):
        # Not the tests' own session manager either: the program would join that session.
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("DBUS_", "WAYLAND_", "QT_", "XDG_", "SESSION_MANAGER"))}
        env.update(
            DISPLAY=self.display_name, HOME=self.home, XDG_CONFIG_HOME=self.config_home,
            XDG_RUNTIME_DIR=self.runtime_dir, QT_QPA_PLATFORM="xcb", LANG="C.UTF-8",
            PATH=self.stub_dir + os.pathsep + os.environ.get("PATH", "/usr/bin:/bin"))
        if self.bus_address:
            env["DBUS_SESSION_BUS_ADDRESS"] = self.bus_address
        return env

    def _make_dir(self, name, mode=0o755):
        path = os.path.join(self.root_dir, name)
        os.mkdir(path, mode)
        return path


def start_shared(test_class, desktop):
    """Start a desktop that the cases of a class share; it is closed after the last."""
    test_class.addClassCleanup(desktop.close)
    return desktop.start()


class DesktopTestCase(unittest.TestCase):
    """Gives each test a started Desktop (self.desktop) that is closed afterwards."""

    tray = True

    def setUp(self):
        self.desktop = Desktop(tray=self.tray)
        self.addCleanup(self.desktop.close)
        self.desktop.start()

    def launch_and_show(self, binary=None):
        """Start the program and bring its window out of the tray."""
        self.desktop.launch(binary)
        return self.desktop.show_from_tray()

    def hide_into_tray(self):
        """Ctrl+D in the main window: it hides and the icon docks."""
        self.desktop.focus_main_window()
        self.desktop.key("ctrl+d")
        wait_until(lambda: not self.desktop.main_window_mapped(), what="the window to hide")
        self.desktop.tray_icon()

    def save_and_exit(self):
        """Ctrl+E in the main window: the program saves and ends cleanly."""
        self.desktop.focus_main_window()
        self.desktop.key("ctrl+e")
        self.assert_exits_cleanly()

    def assert_window_at(self, window, x, y):
        geometry = self.desktop.geometry(window)
        self.assertEqual((geometry.x, geometry.y), (x, y), geometry)

    def assert_stays_hidden(self, duration=DOUBLE_CLICK_SETTLE):
        self.assertTrue(holds_throughout(lambda: not self.desktop.main_window_mapped(), duration),
                        "the main window was shown")

    def assert_exits_cleanly(self):
        self.assertEqual(self.desktop.wait_for_exit(), 0, self.desktop.app_output())

    def assert_copy_nothing(self, boxes):
        """Press where the boxes' "!" would be: the clipboard keeps another program's text."""
        self.desktop.put_on_clipboard(NOT_COPIED)
        for box in boxes:
            self.desktop.click_copy_button(box)
        self.assertTrue(holds_throughout(lambda: self.desktop.clipboard_text() == NOT_COPIED,
                                         DOUBLE_CLICK_SETTLE), f'a hidden "!" of {boxes} copied')

    def assert_all_keys_saved(self, app_name=None):
        """All 25 keys are in the file; returns the parsed values."""
        settings = self.desktop.read_settings(app_name)
        self.assertEqual(sorted(settings), sorted(SETTINGS_KEYS))
        return settings
