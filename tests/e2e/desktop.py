"""A throw-away X desktop (Xvfb + trayer) that runs Quillpad for one test.

Each Desktop owns its own display, tray, HOME and XDG_CONFIG_HOME, and tears
all of them down on close(), whatever state the test left them in. It can also run
under a window manager, with a StatusNotifierItem panel in place of trayer; those share
one D-Bus session with the program, as a desktop session does.
"""

import dataclasses
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

from Xlib import X, Xatom, error as xerror
from Xlib import display as xdisplay
from Xlib.protocol import event as xevent

from quillpad_ini import read_ini, write_ini

APP_NAME = "Quillpad"
MAIN_WINDOW_TITLE = "Quillpad v2"
SCREEN = "1280x1024x24"
# The window managers a test can run under, and how each is started on a bare display.
WINDOW_MANAGERS = {
    "openbox": ["openbox"],
    "xfwm4": ["xfwm4", "--compositor=off"],
}
# The tray hosts: trayer docks XEmbed icons; Xfce's panel with only its status tray plugin
# hosts StatusNotifierItems and shows their menus itself. The panel stands at the bottom,
# clear of the main window's first place, which a window manager keeps out of its way.
XEMBED_TRAY = "trayer"
SNI_PANEL = "xfce4-panel"
PANEL_CHANNEL = """<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=8;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="26"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
"""
# The panel runs each plugin in a process of its own, whose windows carry this class.
PANEL_PLUGIN_CLASS = "wrapper-2.0"
SNI_WATCHER = ("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
               "org.kde.StatusNotifierWatcher")
TRAYER_ARGS = ["--edge", "top", "--align", "right", "--widthtype", "pixel",
               "--width", "200", "--height", "24"]

# Client area of the main window, in pixels.
CLIENT_WIDTH = 326
CLIENT_HEIGHT = 447
FIRST_RUN_CLIENT_ORIGIN = (491, 68)
TWIPS_PER_PIXEL = 15

# Text boxes of both pages span client x 152..305 (named by their settings key); row
# tops in client pixels. Each box's "!" copy button sits at the right end of its row.
BOX_LEFT = 152
BOX_TOPS = {
    "name": 8, "lastname": 24, "midname": 40, "company": 80, "title": 128,
    "street1": 160, "streer2": 176, "city": 192, "state": 232, "county": 280,
    "zip": 312, "email": 352, "phone": 368, "fax": 384, "comments": 408,
}
PROGRAM_BOX_TOPS = {
    "prgname": 80, "prgvers": 96, "prgemail": 128, "prgdownl1": 160, "prgdownl2": 176,
    "prgwww": 192, "prgo": 232, "prgfullo": 248,
}
MULTI_LINE_BOXES = {"comments", "prgfullo"}
COPY_BUTTON_LEFT = 304
# Page buttons "1" and "2" (33x17) and the program page's drop-down and "Перейти!" button.
PAGE_BUTTONS = {1: (8, 424), 2: (40, 424)}
CATALOGUE_LIST = (24, 24, 145, 21)
GO_BUTTON = (184, 24, 105, 25)

# Client points (top-left of a small patch) inside controls of one page only, where the
# other page shows bare background. Page 1: the first name, county, zip, e-mail, fax and
# comments boxes; page 2: the drop-down, the version box and its "!", the full
# description box and its "!".
PAGE_MARKS = {
    1: [(280, 12), (280, 284), (280, 316), (280, 356), (280, 388), (240, 414)],
    2: [(100, 28), (280, 100), (307, 100), (240, 256), (307, 256)],
}
MARK_SIZE = 4
LIGHT = 180  # every channel at least this: a control's face, not red text

# What the clipboard holds before a "!" is pressed, so that a stale copy shows.
NOT_COPIED = "(nothing copied yet)"

ABOUT_TITLE = "About"
MESSAGE_BOX_TITLE = "Quillpad"

SETTINGS_SECTION = "Setting"
SETTINGS_KEYS = (
    "name midname lastname company title street1 streer2 city state county zip "
    "email phone fax comments top left prgvers prgfullo prgname prgemail "
    "prgdownl1 prgdownl2 prgwww prgo").split()

UNICODE_KEYSYM_BASE = 0x1000000
# Under valgrind or the sanitizers everything takes several times longer.
DEFAULT_TIMEOUT = 10.0 * float(os.environ.get("QUILLPAD_E2E_SLOWDOWN", "1"))
# Longer than the desktop's double-click interval (400 ms), so a lone click has settled.
DOUBLE_CLICK_SETTLE = 0.8
# A right-click within moments of the icon docking after a hide can open the menu and
# close it again at once while the program settles its focus; no person clicks so fast.
ICON_SETTLE = 0.5


def big_text_scale():
    """How much of the tests' huge texts to use. Under the sanitizers the toolkit's settings
    writer grows its buffer a character at a time, each growth a full copy, so a huge value
    takes minutes; there the same code is checked on smaller texts."""
    return float(os.environ.get("QUILLPAD_E2E_BIG_TEXT_SCALE", "1"))


def box_top(box):
    """Client y of a text box's top, on whichever page it is."""
    return BOX_TOPS[box] if box in BOX_TOPS else PROGRAM_BOX_TOPS[box]


def binary_path():
    """The program under test, as handed over by ctest."""
    path = os.environ.get("QUILLPAD_BINARY")
    if not path:
        raise RuntimeError("set QUILLPAD_BINARY to the Quillpad executable")
    if not os.access(path, os.X_OK):
        raise RuntimeError(f"QUILLPAD_BINARY={path} is not an executable file")
    return os.path.abspath(path)


def wait_until(predicate, timeout=DEFAULT_TIMEOUT, interval=0.05, what="condition"):
    """Poll predicate until it returns a truthy value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


def holds_throughout(predicate, duration, interval=0.05):
    """True when predicate stays truthy for the whole duration (for 'nothing happens')."""
    deadline = time.monotonic() + duration
    while time.monotonic() < deadline:
        if not predicate():
            return False
        time.sleep(interval)
    return bool(predicate())


def kill_group(process, grace=3.0):
    """End a process started in its own session, and all it started (dbus-daemon too)."""
    if process is None:
        return
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            return  # the whole group is gone already
        try:
            process.wait(timeout=grace)
        except subprocess.TimeoutExpired:
            continue
        if not _group_alive(process.pid):
            return


def _group_alive(pgid):
    try:
        os.killpg(pgid, 0)
        return True
    except ProcessLookupError:
        return False


@dataclasses.dataclass(frozen=True)
class Geometry:
    """Position (screen pixels) and size of an X window."""

    x: int
    y: int
    width: int
    height: int

    @property
    def centre(self):
        return self.x + self.width // 2, self.y + self.height // 2


class Desktop:
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

    def launch(self, binary=None, obey_file_permissions=False, wrapper=()):
        """Start the program (under its own D-Bus session, or the desktop's) and wait until
        it is up.

        With obey_file_permissions, file modes bind the program even when the tests run
        as root, as they bind every ordinary user. A wrapper (valgrind) runs the program."""
        binary = binary or binary_path()
        self.app_name = os.path.basename(binary)
        command = [*self._session_runner(), *wrapper, binary]
        env = self.environment()
        if self.program_path is not None:
            env["PATH"] = self.program_path
        if obey_file_permissions and os.geteuid() == 0:
            command = ["setpriv", "--bounding-set=-dac_override,-dac_read_search", *command]
        with open(self.app_log, "ab") as log:
            self.app = subprocess.Popen(
                command, env=env,
                stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                start_new_session=True)
        wait_until(self._program_is_up, what="the program to dock or show its window")

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

    def _session_runner(self):
        """A D-Bus session of the program's own, unless the desktop shares one."""
        return [] if self.bus_address else ["dbus-run-session", "--"]

    def _start_session_bus(self):
        read_end, write_end = os.pipe()
        self.bus = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", f"--print-address={write_end}"],
            pass_fds=(write_end,), env=self.environment(), stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            self.bus_address = pipe.readline().strip()
        if not self.bus_address:
            raise RuntimeError("dbus-daemon did not report its address")

    def _make_dir(self, name, mode=0o755):
        path = os.path.join(self.root_dir, name)
        os.mkdir(path, mode)
        return path

    def replace_xdg_open(self, script):
        """Put a shell script of the test's own in place of the recording xdg-open."""
        stub = os.path.join(self.stub_dir, "xdg-open")
        with open(stub, "w") as f:
            f.write("#!/bin/sh\n" + script + "\n")
        os.chmod(stub, 0o755)

    def remove_system_path(self, keep=("dbus-run-session", "dbus-daemon")):
        """Leave the program a PATH of one folder holding only the commands kept (links
        to the system's); the tests' own tools keep theirs."""
        folder = self._make_dir("program-bin")
        for command in keep:
            found = shutil.which(command)
            if found:
                os.symlink(found, os.path.join(folder, command))
        self.program_path = folder

    def _write_xdg_open_stub(self):
        # Records what the program asks the desktop to open instead of opening it: the
        # argument count, then each argument, each ended by a unit separator, in one
        # append so that calls running at once do not mix.
        stub = os.path.join(self.stub_dir, "xdg-open")
        with open(stub, "w") as f:
            f.write(f"#!/bin/sh\nprintf '%s\\037' \"$#\" \"$@\" >> '{self.xdg_open_log}'\n")
        os.chmod(stub, 0o755)

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN,
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()  # Xvfb writes it once it accepts clients.
        if not number:
            raise RuntimeError("Xvfb did not report a display")
        self.display_name = ":" + number

    def start_window_manager(self, name):
        """Start a window manager and wait until it manages the screen."""
        self.window_manager = subprocess.Popen(
            WINDOW_MANAGERS[name], env=self.environment(), stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        wait_until(self._window_manager_is_ready, what=f"{name} to manage the screen")

    def _window_manager_is_ready(self):
        if self.window_manager.poll() is not None:
            raise AssertionError("the window manager ended at start")
        check = self.x.screen().root.get_full_property(
            self.atom("_NET_SUPPORTING_WM_CHECK"), X.AnyPropertyType)
        return check is not None and len(check.value) > 0

    def start_tray(self):
        if self.tray == SNI_PANEL:
            self._start_sni_panel()
            return
        self.trayer = subprocess.Popen(
            ["trayer", *TRAYER_ARGS], env=self.environment(), stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        wait_until(self._tray_is_ready, what="trayer to own the tray selection")

    def stop_tray(self):
        """The panel goes away, as when it crashes."""
        kill_group(self.trayer)
        self.trayer = None

    def _start_sni_panel(self):
        channels = os.path.join(self.config_home, "xfce4", "xfconf", "xfce-perchannel-xml")
        os.makedirs(channels, exist_ok=True)
        with open(os.path.join(channels, "xfce4-panel.xml"), "w") as f:
            f.write(PANEL_CHANNEL)
        self.trayer = subprocess.Popen(
            ["xfce4-panel", "--disable-wm-check"], env=self.environment(),
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        wait_until(self._sni_panel_is_ready, what="the panel to host StatusNotifierItems")

    def _sni_panel_is_ready(self):
        if self.trayer.poll() is not None:
            raise AssertionError("the panel ended at start")
        return self.sni_items() is not None and self._panel_plugin_window() is not None

    def _tray_is_ready(self):
        owner = self.x.get_selection_owner(self.atom("_NET_SYSTEM_TRAY_S0"))
        return owner != X.NONE and self.panel() is not None

    def sni_items(self):
        """The items registered with the panel's StatusNotifierWatcher; None while there
        is no watcher."""
        service, path, interface = SNI_WATCHER
        result = subprocess.run(
            ["dbus-send", f"--bus={self.bus_address}", "--print-reply",
             f"--dest={service}", path, "org.freedesktop.DBus.Properties.Get",
             f"string:{interface}", "string:RegisteredStatusNotifierItems"],
            capture_output=True, text=True, timeout=DEFAULT_TIMEOUT)
        if result.returncode != 0:
            return None
        return re.findall(r'string "([^"]*)"', result.stdout)

    def _panel_plugin_window(self):
        """The status tray plugin's window inside the panel, where it draws its icons."""
        panel = self.panel()
        for window in self._descendants(panel) if panel else []:
            wm_class = self.window_class(window)
            if wm_class and PANEL_PLUGIN_CLASS in wm_class and self.is_mapped(window):
                return window
        return None

    def _program_is_up(self):
        if self.app.poll() is not None:
            raise AssertionError(f"the program ended at start:\n{self.app_output()}")
        return self.tray_icons() or self.main_window_mapped()

    def xdg_open_calls(self):
        """The argument lists the program passed to xdg-open, oldest first."""
        if not os.path.exists(self.xdg_open_log):
            return []
        with open(self.xdg_open_log, encoding="utf-8") as f:
            fields = f.read().split("\037")[:-1]
        calls = []
        while fields:
            count = int(fields[0])
            if len(fields) <= count:
                break  # a call still being written
            calls.append(fields[1:count + 1])
            fields = fields[count + 1:]
        return calls

    def opened_targets(self):
        """What the program asked the desktop to open, oldest first; xdg-open takes exactly
        one file or address, so a call with any other number of arguments fails."""
        calls = self.xdg_open_calls()
        for call in calls:
            if len(call) != 1:
                raise AssertionError(f"xdg-open was given {len(call)} arguments: {call}")
        return [call[0] for call in calls]

    def wait_opened(self, count):
        """The opened targets once xdg-open has been called at least count times."""
        wait_until(lambda: len(self.xdg_open_calls()) >= count,
                   what=f"{count} call(s) of xdg-open")
        return self.opened_targets()

    def app_output(self):
        with open(self.app_log, errors="replace") as f:
            return f.read()

    # ---- the process ------------------------------------------------------

    def app_exited(self):
        return self.app.poll() is not None

    def program_pid(self, runner=None):
        """The program's own process; the D-Bus session runner started it."""
        def children(pid):
            with open(f"/proc/{pid}/task/{pid}/children") as f:
                return [int(child) for child in f.read().split()]

        def name(pid):
            with open(f"/proc/{pid}/comm") as f:
                return f.read().strip()

        runner = runner or self.app
        if name(runner.pid) == self.app_name[:15]:
            return runner.pid  # started straight on the desktop's session bus
        found = [pid for pid in children(runner.pid) if name(pid) == self.app_name[:15]]
        if not found:
            raise AssertionError("the program's process is not running")
        return found[0]

    def request_termination(self, sig=signal.SIGTERM, runner=None):
        """What the session sends at log-off (SIGTERM), or a kill that cannot be caught."""
        os.kill(self.program_pid(runner), sig)

    def wait_idle(self, quiet=0.2, runner=None):
        """Wait until the program has used no processor time for a while: done with its
        start (its icon docks before it reads the profile), so that what the test does
        next is all it is busy with."""
        ticks = os.sysconf("SC_CLK_TCK")
        pid = self.program_pid(runner)

        def cpu_time():
            with open(f"/proc/{pid}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            return int(fields[11]) + int(fields[12])  # utime + stime

        def quiet_now():
            before = cpu_time()
            time.sleep(quiet)
            return cpu_time() - before < quiet * ticks / 10

        wait_until(quiet_now, what="the program to be idle")

    def launch_another_copy(self):
        """A second copy of the program beside the first, on the same profile."""
        with open(self.app_log, "ab") as log:
            runner = subprocess.Popen(
                [*self._session_runner(), binary_path()], env=self.environment(),
                stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                start_new_session=True)
        self.other_copies.append(runner)
        return runner

    def wait_for_exit(self, timeout=DEFAULT_TIMEOUT):
        wait_until(self.app_exited, timeout, what="the program to end")
        return self.app.returncode

    # ---- X windows --------------------------------------------------------

    def atom(self, name):
        return self.x.intern_atom(name)

    def top_level_windows(self):
        """The root's children and, under a window manager, the client windows inside
        the frames it made (those carrying WM_STATE)."""
        children = self.x.screen().root.query_tree().children
        if self.window_manager is None:
            return children
        wm_state = self.atom("WM_STATE")
        found = list(children)
        for frame in children:
            for window in self._descendants(frame):
                try:
                    if window.get_full_property(wm_state, X.AnyPropertyType) is not None:
                        found.append(window)
                except xerror.XError:
                    pass
        return found

    def window_name(self, window):
        try:
            utf8 = window.get_full_property(self.atom("_NET_WM_NAME"), self.atom("UTF8_STRING"))
            if utf8 is not None:
                return utf8.value.decode("utf-8", "replace")
            name = window.get_wm_name()
            return name.decode("latin-1") if isinstance(name, bytes) else name
        except xerror.XError:
            return None

    def window_class(self, window):
        try:
            return window.get_wm_class()
        except xerror.XError:
            return None

    def is_mapped(self, window):
        try:
            return window.get_attributes().map_state == X.IsViewable
        except xerror.XError:
            return False

    def geometry(self, window):
        """Outer position in screen pixels and size of the X window."""
        size = window.get_geometry()
        origin = window.translate_coords(self.x.screen().root, 0, 0)
        return Geometry(-origin.x, -origin.y, size.width, size.height)

    def windows_named(self, name):
        return [w for w in self.top_level_windows() if self.window_name(w) == name]

    def mapped_windows_named(self, name):
        return [w for w in self.windows_named(name) if self.is_mapped(w)]

    def main_window(self):
        """The main window; Qt may recreate it, so look it up afresh each time."""
        windows = self.windows_named(MAIN_WINDOW_TITLE)
        mapped = [w for w in windows if self.is_mapped(w)]
        return (mapped or windows or [None])[0]

    def main_window_mapped(self):
        return bool(self.mapped_windows_named(MAIN_WINDOW_TITLE))

    def wait_main_window_mapped(self, timeout=DEFAULT_TIMEOUT):
        wait_until(self.main_window_mapped, timeout, what="the main window to show")
        return self.main_window()

    def net_wm_state(self, window):
        prop = window.get_full_property(self.atom("_NET_WM_STATE"), Xatom.ATOM)
        return {self.x.get_atom_name(a) for a in (prop.value if prop else [])}

    def client_origin(self, window):
        """Screen pixel of the client area's top-left: the menu bar sits above it."""
        outer = self.geometry(window)
        return outer.x, outer.y + outer.height - CLIENT_HEIGHT

    def send_close_request(self, window):
        """What a window manager sends when the title bar's close button is pressed."""
        message = xevent.ClientMessage(
            window=window, client_type=self.atom("WM_PROTOCOLS"),
            data=(32, [self.atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=0)
        self.x.flush()

    def screenshot(self, window, path):
        """Save the window as PNG once it shows more than a blank background."""
        wait_until(lambda: self._capture(window, path) > 2, what="the window to be painted")

    def _capture(self, window, path):
        subprocess.run(["import", "-window", str(window.id), path],
                       env=self.environment(), check=True, timeout=DEFAULT_TIMEOUT)
        colours = subprocess.run(["identify", "-format", "%k", path], check=True,
                                 capture_output=True, text=True, timeout=DEFAULT_TIMEOUT)
        return int(colours.stdout)

    def screen_pixels(self, x, y, width, height):
        """Rows of (r, g, b) that the screen shows in the rectangle, windows as stacked.

        Xvfb's 24-bit screen keeps a pixel in 4 bytes, blue first."""
        image = self.x.screen().root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
        stride = len(image.data) // height
        return [[tuple(image.data[row * stride + 4 * col + 2 - i] for i in range(3))
                 for col in range(width)] for row in range(height)]

    def stacked_above(self, upper, lower):
        """Whether the server stacks window upper above window lower (their frames, under
        a window manager)."""
        ids = [w.id for w in self.x.screen().root.query_tree().children]  # bottom to top
        return ids.index(self.frame_of(upper).id) > ids.index(self.frame_of(lower).id)

    def frame_of(self, window):
        """The root's child that holds the window: the frame a window manager made for it,
        or the window itself."""
        root = self.x.screen().root
        while True:
            parent = window.query_tree().parent
            if parent.id == root.id:
                return window
            window = parent

    def close_from_title_bar(self, window):
        """What the title bar's close button does: the window manager is asked to close
        the window, and it sends the window its delete request."""
        message = xevent.ClientMessage(
            window=window, client_type=self.atom("_NET_CLOSE_WINDOW"),
            data=(32, [X.CurrentTime, 2, 0, 0, 0]))
        self.x.screen().root.send_event(
            message, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.x.flush()

    # ---- the clipboard ----------------------------------------------------

    def clipboard_text(self):
        """The clipboard's text as another program pastes it; None when it offers none."""
        result = subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                                env=self.environment(), capture_output=True,
                                timeout=DEFAULT_TIMEOUT)
        return result.stdout.decode("utf-8", "replace") if result.returncode == 0 else None

    def put_on_clipboard(self, text):
        """Have another program own the clipboard with text (xclip stays until it loses it)."""
        subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text.encode("utf-8"),
                       env=self.environment(), stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=True, timeout=DEFAULT_TIMEOUT)
        wait_until(lambda: self.clipboard_text() == text, what="the clipboard to hold the text")

    # ---- the tray ---------------------------------------------------------

    def panel(self):
        if self.tray == SNI_PANEL:
            found = self.mapped_windows_named(SNI_PANEL)  # not its hidden leader window
        else:
            found = self.windows_named("panel")
        return found[0] if found else None

    def tray_icons(self):
        """Mapped windows docked in trayer's panel that carry the program's name; on the
        StatusNotifierItem panel, the plugin's window while the program's item is there
        (the panel's only item)."""
        if self.tray == SNI_PANEL:
            plugin = self._panel_plugin_window()
            return [plugin] if plugin is not None and self.sni_items() else []
        panel = self.panel()
        icons = [w for w in self._descendants(panel) if self.window_name(w) == self.app_name
                 and self.is_mapped(w)] if panel else []
        now = time.monotonic()
        self._icons_seen = {w.id: self._icons_seen.get(w.id, now) for w in icons}
        return icons

    def tray_icon(self):
        icons = wait_until(self.tray_icons, what="the tray icon")
        return icons[0]

    def wait_tray_icon_gone(self, timeout=DEFAULT_TIMEOUT):
        wait_until(lambda: not self.tray_icons(), timeout, what="the tray icon to go")

    def _descendants(self, window):
        try:
            children = window.query_tree().children
        except xerror.XError:
            return []
        found = list(children)
        for child in children:
            found.extend(self._descendants(child))
        return found

    def panel_menu(self):
        """A menu the StatusNotifierItem panel shows: a mapped top-level window of its
        plugin's process."""
        for window in self.top_level_windows():
            wm_class = self.window_class(window)
            if wm_class and PANEL_PLUGIN_CLASS in wm_class and self._is_mapped_pop_up(window):
                return window
        return None

    def _is_mapped_pop_up(self, window):
        try:
            attributes = window.get_attributes()
        except xerror.XError:
            return False  # gone meanwhile
        return attributes.map_state == X.IsViewable and attributes.override_redirect

    def icon_menu(self):
        """The menu a right-click on the icon opens: the program's own pop-up, or on the
        StatusNotifierItem panel the one the panel shows for the item."""
        return self.panel_menu() if self.tray == SNI_PANEL else self.popup_menu()

    def wait_icon_menu(self):
        return wait_until(self.icon_menu, what="the icon's menu to open")

    def popup_menu(self):
        """A mapped pop-up of the program (menu or drop-down list): a top-level window
        that is neither its main window nor its About window."""
        for window in self.top_level_windows():
            wm_class = self.window_class(window)
            if (wm_class and self.app_name in wm_class and self.is_mapped(window)
                    and self.window_name(window) not in (MAIN_WINDOW_TITLE, ABOUT_TITLE)):
                return window
        return None

    # ---- input ------------------------------------------------------------

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.environment(), check=True,
                       timeout=DEFAULT_TIMEOUT)

    def move_to(self, x, y):
        # No --sync: it waits forever when the pointer is already there.
        self.xdotool("mousemove", x, y)

    def move_onto(self, window):
        self.move_to(*self.geometry(window).centre)

    def click_at(self, x, y, button=1):
        self.move_to(x, y)
        self.xdotool("click", button)

    def double_click_tray_icon(self):
        self.move_onto(self.tray_icon())
        self.xdotool("click", "--repeat", 2, "--delay", 80, 1)

    def right_click_tray_icon(self):
        icon = self.tray_icon()
        self._let_icon_settle(icon)
        self.move_onto(icon)
        self.xdotool("click", 3)

    def _let_icon_settle(self, icon):
        first_seen = self._icons_seen.get(icon.id, time.monotonic())
        time.sleep(max(0.0, first_seen + ICON_SETTLE - time.monotonic()))

    def show_from_tray(self):
        self.double_click_tray_icon()
        return self.wait_main_window_mapped()

    def choose_tray_exit(self):
        """Right-click the icon and pick the pop-up menu's only item, "Выход"."""
        self.right_click_tray_icon()
        self.click_at(*self.geometry(self.wait_icon_menu()).centre)

    def wait_popup_menu(self):
        return wait_until(self.popup_menu, what="a pop-up menu or list to open")

    def wait_popup_closed(self):
        wait_until(lambda: self.popup_menu() is None, what="the pop-up to close")

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def client_point(self, x, y):
        """The screen point of a pixel of the main window's client area."""
        client_x, client_y = self.client_origin(self.main_window())
        return client_x + x, client_y + y

    def click_client(self, x, y):
        self.click_at(*self.client_point(x, y))

    def box_point(self, box):
        """A screen point inside a text box of either page, near its left end."""
        return self.client_point(BOX_LEFT + 10, box_top(box) + 8)

    def click_box(self, box):
        self.click_at(*self.box_point(box))

    def type_into(self, box, text):
        """Append text to a box: clicking gives it the keyboard focus without a WM."""
        self._bind_keys_for(text)
        self.click_box(box)
        self.key("ctrl+End" if box in MULTI_LINE_BOXES else "End")
        for number, line in enumerate(text.split("\n")):
            if number:
                self.key("Return")
            if line:
                self.xdotool("type", "--delay", 15, "--", line)

    def _bind_keys_for(self, text):
        """Bind characters missing from the keymap (non-ASCII) to spare keycodes for good.

        xdotool would bind them only while typing and unbind them at once; a busy
        program then reads the restored keymap and loses characters."""
        missing = sorted({c for c in text if not c.isascii()} - self._bound_chars)
        for char in missing:
            lower, upper = char.lower(), char.upper()
            if len(lower) != 1 or len(upper) != 1:
                lower = upper = char
            keycode = self._spare_keycode()
            keysyms = [UNICODE_KEYSYM_BASE + ord(lower), UNICODE_KEYSYM_BASE + ord(upper)]
            width = len(self.x.get_keyboard_mapping(keycode, 1)[0])
            self.x.change_keyboard_mapping(keycode, [keysyms + [X.NoSymbol] * (width - 2)])
            self._bound_chars.update((lower, upper))
        self.x.sync()

    def _spare_keycode(self):
        first = self.x.display.info.min_keycode
        rows = self.x.get_keyboard_mapping(first, self.x.display.info.max_keycode - first + 1)
        spare = [first + i for i, keysyms in enumerate(rows) if not any(keysyms)]
        if not spare:
            raise RuntimeError("no spare keycode left to bind a character to")
        return spare[0]

    def focus_main_window(self):
        """Give the main window the keyboard focus by clicking a box (no WM does it)."""
        self.click_box("name")
        self._wait_focus_on(self.main_window())

    def activate(self, window):
        """Give a window the keyboard focus the way a window manager would."""
        self.xdotool("windowfocus", window.id)
        self._wait_focus_on(window)

    def _wait_focus_on(self, window):
        wait_until(lambda: self._focused_window_id() == window.id,
                   what=f"window {window.id:#x} to have the keyboard focus")

    def active_window_id(self):
        """The window the window manager has made the active one."""
        active = self.x.screen().root.get_full_property(
            self.atom("_NET_ACTIVE_WINDOW"), X.AnyPropertyType)
        return active.value[0] if active is not None and len(active.value) else None

    def _focused_window_id(self):
        focus = self.x.get_input_focus().focus
        return getattr(focus, "id", None)

    # ---- the pages, their "!" buttons and the catalogue -------------------

    def click_copy_button(self, box):
        """Press the "!" on the box's row; which page is shown decides what it copies."""
        self.click_client(COPY_BUTTON_LEFT + 8, box_top(box) + 8)

    def copy_with_button(self, box):
        """Press the box's "!" and return the text another program then pastes.

        Another program owns the clipboard first, so that a stale copy is told apart."""
        self.put_on_clipboard(NOT_COPIED)
        self.click_copy_button(box)
        copied = wait_until(self._copied_text, what=f"the {box} box's copy")
        return copied[0]

    def _copied_text(self):
        # Between clearing and filling the clipboard it can have no owner for a moment.
        text = self.clipboard_text()
        return None if text in (None, NOT_COPIED) else [text]

    def press_page_button(self, number):
        """Press the page button "1" (author) or "2" (program)."""
        left, top = PAGE_BUTTONS[number]
        self.click_client(left + 16, top + 8)

    def show_page(self, number):
        """Press the page's button and wait until the page is drawn."""
        self.press_page_button(number)
        self.wait_page(number)

    def page_shown(self):
        """1 or 2 when exactly that page's controls are drawn, else None."""
        lit = {page: [self._control_drawn_at(*mark) for mark in marks]
               for page, marks in PAGE_MARKS.items()}
        shown = [page for page, drawn in lit.items() if all(drawn)]
        hidden = [page for page, drawn in lit.items() if not any(drawn)]
        return shown[0] if len(shown) == 1 and len(hidden) == 1 else None

    def wait_page(self, number):
        wait_until(lambda: self.page_shown() == number, what=f"page {number} to show")

    def _control_drawn_at(self, x, y):
        # Boxes, buttons and the drop-down are light; labels are red on the black window.
        patch = self.screen_pixels(*self.client_point(x, y), MARK_SIZE, MARK_SIZE)
        return any(min(pixel) >= LIGHT for row in patch for pixel in row)

    def open_catalogue_list(self):
        """Click the program page's drop-down; returns its pop-up list."""
        left, top, width, height = CATALOGUE_LIST
        self.click_client(left + width // 2, top + height // 2)
        return self.wait_popup_menu()

    def press_go(self):
        """Press "Перейти!", which hands the drop-down's text to the desktop."""
        left, top, width, height = GO_BUTTON
        self.click_client(left + width // 2, top + height // 2)

    # ---- messages ---------------------------------------------------------

    def message_boxes(self):
        return self.mapped_windows_named(MESSAGE_BOX_TITLE)

    def wait_message_box(self):
        return wait_until(self.message_boxes, what="the message box")[0]

    def dismiss_message_box(self, box):
        """Press Enter in the message box, as its OK button has the focus."""
        self.activate(box)
        self.key("Return")
        wait_until(lambda: not self.message_boxes(), what="the message box to close")

    # ---- the About window -------------------------------------------------

    def about_window(self):
        found = self.mapped_windows_named(ABOUT_TITLE)
        return found[0] if found else None

    def open_about(self):
        """Ctrl+A in the main window (a text box has the focus); returns the About window."""
        self.focus_main_window()
        self.key("ctrl+a")
        return self.wait_about_window()

    def wait_about_window(self):
        return wait_until(self.about_window, what="the About window to show")

    def about_point(self, about, x, y):
        """Screen point of an About window pixel: with no window manager the X window is
        its client area."""
        place = self.geometry(about)
        return place.x + x, place.y + y

    # ---- settings on disk -------------------------------------------------

    def ini_path(self, app_name=None):
        name = app_name or self.app_name
        return os.path.join(self.config_home, name, f"{name}.ini")

    def read_settings(self, app_name=None):
        """The program's [Setting] values as text, parsed the way QSettings reads them."""
        return read_ini(self.ini_path(app_name)).get(SETTINGS_SECTION, {})

    def seed_settings(self, values, app_name=None):
        path = self.ini_path(app_name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        write_ini(path, {SETTINGS_SECTION: values})

    def ini_bytes(self, app_name=None):
        with open(self.ini_path(app_name), "rb") as f:
            return f.read()


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
