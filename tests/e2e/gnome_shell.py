"""GNOME Shell 43 as a whole desktop session, headless: the shell is the compositor and the
window manager, its top bar hosts StatusNotifierItems through the AppIndicator extension
(when enabled), and the program runs as an X client on its XWayland display.

The session has what the shell needs and nothing it does not: a private, empty system bus
(the shell's login-manager code dies without one), a session bus of the session's own that
the program shares, fresh home folders, and settings written before the shell starts.
A tiny extension of the tests' own puts the shell in unsafe mode, which lets the tests ask
it where its top-bar items and menus stand (org.gnome.Shell.Eval) and take screenshots.

Input is real: pointer motion, buttons and keys go in through the compositor's remote
desktop interface, one session kept for the desktop's whole life (it ends with its D-Bus
connection), as a person's hand on the mouse.
"""

import json
import os
import subprocess
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402
from Xlib import X, XK, display as xdisplay, error as xerror  # noqa: E402
from Xlib.protocol import event as xevent  # noqa: E402

from desktop import Desktop, kill_group  # noqa: E402
from program_process import wait_process_idle  # noqa: E402
from waiting import DEFAULT_TIMEOUT, wait_until  # noqa: E402
from x_session import Geometry  # noqa: E402

SCREEN_SIZE = (1280, 800)
# The shell's start (its X server's with it) takes longer than Xvfb's.
SHELL_TIMEOUT = 3 * DEFAULT_TIMEOUT
APPINDICATOR_EXTENSION = "ubuntu-appindicators@ubuntu.com"
UNSAFE_MODE_EXTENSION = "unsafe-mode@quillpad.tests"
UNSAFE_MODE_FILES = {
    "metadata.json": json.dumps({
        "uuid": UNSAFE_MODE_EXTENSION, "name": "Unsafe mode for Quillpad's tests",
        "description": "Lets the tests ask the shell where its items stand.",
        "shell-version": ["43"]}),
    "extension.js": """function init() {
    return {
        enable() { global.context.unsafe_mode = true; },
        disable() { global.context.unsafe_mode = false; },
    };
}
""",
}
# An empty system bus that lets anyone in: nothing on it answers, which the shell survives.
SYSTEM_BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path={socket}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
  </policy>
</busconfig>
"""
SHELL = ("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell")
REMOTE_DESKTOP = ("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop",
                  "org.gnome.Mutter.RemoteDesktop")
REMOTE_DESKTOP_SESSION = "org.gnome.Mutter.RemoteDesktop.Session"
# Linux input event codes of the X buttons 1, 2 and 3.
BUTTON_CODES = {1: 0x110, 2: 0x112, 3: 0x111}
KEY_NAMES = {"ctrl": "Control_L", "shift": "Shift_L", "alt": "Alt_L", "super": "Super_L"}
# How long a finger holds a button down, and the gap between the two clicks of a
# double-click: both together well inside the desktop's 400 ms. A press let go at once
# (in the same compositor dispatch) opens the toolkit's menus and closes them again.
CLICK_HOLD = 0.05
DOUBLE_CLICK_GAP = 0.08
# JavaScript run in the shell: the top bar's StatusNotifierItem icons and their menus.
ICONS_JS = """Object.entries(Main.panel.statusArea)
    .filter(([key, item]) => key.startsWith('appindicator-') && item.visible && item.mapped)
    .map(([key, item]) => {
        const [x, y] = item.get_transformed_position();
        const [width, height] = item.get_transformed_size();
        const entries = item.menu.isOpen ? item.menu._getMenuItems()
            .filter(entry => entry.visible && entry.mapped)
            .map(entry => {
                const [ex, ey] = entry.get_transformed_position();
                const [ew, eh] = entry.get_transformed_size();
                return [entry.label ? entry.label.text : '', ex, ey, ew, eh];
            }) : null;
        return {key, place: [x, y, width, height], menu: entries};
    })"""
NET_WM_STATE_HIDDEN = "_NET_WM_STATE_HIDDEN"
ICONIC_STATE = 3  # WM_STATE of a minimised window
# _NET_ACTIVE_WINDOW's source indication of a pager or task list: the overview's window
# list and Alt+Tab ask for a window as the user's own choice.
SOURCE_PAGER = 2


def _rect(values):
    x, y, width, height = (round(v) for v in values)
    return Geometry(x, y, width, height)


class RemoteDesktopInput:
    """One remote desktop session of the compositor: pointer, buttons and keys as a
    person gives them. The session lives as long as this D-Bus connection."""

    def __init__(self, connection):
        self.connection = connection
        self.path = None

    def start(self):
        service, path, interface = REMOTE_DESKTOP
        self.path = self._call(path, interface, "CreateSession").unpack()[0]
        self._session("Start")
        return self

    def stop(self):
        if self.path is not None:
            try:
                self._session("Stop")
            except GLib.Error:
                pass  # ended with the shell
            self.path = None

    def _call(self, path, interface, method, args=None):
        return self.connection.call_sync(REMOTE_DESKTOP[0], path, interface, method, args,
                                         None, Gio.DBusCallFlags.NONE, 5000, None)

    def _session(self, method, signature=None, *args):
        variant = GLib.Variant(f"({signature})", args) if signature else None
        return self._call(self.path, REMOTE_DESKTOP_SESSION, method, variant)

    def move_by(self, dx, dy):
        # Without a screencast stream only relative motion is offered; it is not accelerated.
        self._session("NotifyPointerMotionRelative", "dd", float(dx), float(dy))

    def button(self, number, pressed, queued=False):
        """Press or let go; queued, without waiting for the compositor to take it."""
        if not queued:
            self._session("NotifyPointerButton", "ib", BUTTON_CODES[number], pressed)
            return
        self.connection.call(REMOTE_DESKTOP[0], self.path, REMOTE_DESKTOP_SESSION,
                             "NotifyPointerButton",
                             GLib.Variant("(ib)", (BUTTON_CODES[number], pressed)),
                             None, Gio.DBusCallFlags.NONE, 5000, None, None)
        self.connection.flush_sync(None)

    def click(self, number=1, times=1, queued=False):
        """Clicks as a finger gives them. Queued, they reach a busy shell all together:
        it stamps each when it takes it, and a menu it opens on the first press would
        otherwise make the second press too late to make a double-click."""
        for time_number in range(times):
            if time_number:
                time.sleep(DOUBLE_CLICK_GAP)
            self.button(number, True, queued)
            time.sleep(CLICK_HOLD)
            self.button(number, False, queued)

    def keysym(self, keysym, pressed):
        self._session("NotifyKeyboardKeysym", "ub", keysym, pressed)


class GnomeShellDesktop(Desktop):
    """The shell stands in for Xvfb, the window manager and (with the AppIndicator
    extension) the tray; its XWayland display serves the program."""

    def __init__(self, appindicator=True):
        super().__init__(tray=False)
        self.appindicator = appindicator
        self.data_home = self._make_dir("data")
        self.shell_log = os.path.join(self.root_dir, "shell.log")
        self.system_bus_socket = os.path.join(self.root_dir, "system_bus")
        self.system_bus = self.connection = self.input = None
        self.xauthority = None

    # ---- life cycle -------------------------------------------------------

    def start(self):
        self._make_x11_socket_folder()
        self._start_system_bus()
        self._start_session_bus()
        self._configure_shell()
        env = {key: value for key, value in self.environment().items()
               if key not in ("DISPLAY", "XAUTHORITY", "QT_QPA_PLATFORM")}
        with open(self.shell_log, "ab") as log:
            self.window_manager = subprocess.Popen(
                ["gnome-shell", "--headless", "--wayland", "--virtual-monitor",
                 "x".join(map(str, SCREEN_SIZE)), "--sm-disable"],
                env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                start_new_session=True)
        wait_until(self._x_display_is_named, SHELL_TIMEOUT, what="the shell's X display")
        self.x = xdisplay.Display(self.display_name)
        self.connection = Gio.DBusConnection.new_for_address_sync(
            self.bus_address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        wait_until(self._shell_is_ready, SHELL_TIMEOUT, what="the shell to finish starting")
        # The session starts in the overview; the user leaves it for the desktop.
        self.evaluate("Main.overview.hide()")
        wait_until(lambda: not self.evaluate("Main.overview.visible || "
                                             "Main.overview.animationInProgress"),
                   what="the overview to close")
        self.input = RemoteDesktopInput(self.connection).start()
        # The compositor makes its virtual keyboard, and gives the X server its keymap, on
        # the first key: a harmless one now, so that no program loses a chord to the change.
        self.key("shift")
        # The pointer rests in the middle of the screen, clear of the top-left hot corner.
        self.move_to(SCREEN_SIZE[0] // 2, SCREEN_SIZE[1] // 2, over_x_window=False)
        if self.appindicator:
            wait_until(lambda: self.sni_items() is not None, SHELL_TIMEOUT,
                       what="the extension's StatusNotifierWatcher")
        return self

    def close(self):
        # The X server goes with the shell: leave it before the shell ends.
        kill_group(self.app)
        if self.input is not None:
            self.input.stop()
            self.input = None
        if self.connection is not None:
            self.connection.close_sync(None)
            self.connection = None
        if self.x is not None:
            self.x.close()
            self.x = None
        super().close()
        kill_group(self.system_bus)
        if os.environ.get("XAUTHORITY") == self.xauthority:
            os.environ.pop("XAUTHORITY", None)

    def end_program(self):
        """As Desktop's; a shell menu that a failed case left open is closed, and the
        watcher has dropped the program's item before the next case starts."""
        super().end_program()
        if self.evaluate("!!Main.panel.menuManager.activeMenu"):
            self.key("Escape")
            wait_until(lambda: self.evaluate("!Main.panel.menuManager.activeMenu"),
                       what="the shell's menu to close")
        if self.appindicator:
            wait_until(lambda: not self.sni_items(), what="the watcher to drop the item")
            self.wait_tray_icon_gone()

    def _make_x11_socket_folder(self):
        # mutter aborts when the X sockets' folder is missing or not world-writable.
        folder = "/tmp/.X11-unix"
        if not os.path.isdir(folder):
            os.makedirs(folder, exist_ok=True)
            os.chmod(folder, 0o1777)

    def _start_system_bus(self):
        config = os.path.join(self.root_dir, "system-bus.conf")
        with open(config, "w") as f:
            f.write(SYSTEM_BUS_CONFIG.format(socket=self.system_bus_socket))
        read_end, write_end = os.pipe()
        self.system_bus = subprocess.Popen(
            ["dbus-daemon", f"--config-file={config}", "--nofork",
             f"--print-address={write_end}"],
            pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            if not pipe.readline().strip():
                raise RuntimeError("the system bus did not report its address")

    def _configure_shell(self):
        """The user's extensions (the tests' own, and the AppIndicator one if asked for),
        no banners (one about running as root would cover windows) and no animations."""
        folder = os.path.join(self.data_home, "gnome-shell", "extensions", UNSAFE_MODE_EXTENSION)
        os.makedirs(folder)
        for name, text in UNSAFE_MODE_FILES.items():
            with open(os.path.join(folder, name), "w") as f:
                f.write(text)
        extensions = [UNSAFE_MODE_EXTENSION] + ([APPINDICATOR_EXTENSION] if self.appindicator
                                                else [])
        for schema, key, value in (
                ("org.gnome.shell", "enabled-extensions", repr(extensions)),
                ("org.gnome.shell", "disable-user-extensions", "false"),
                ("org.gnome.desktop.notifications", "show-banners", "false"),
                # Drawn without a GPU, an animated menu keeps the shell from reading the
                # second click of a double-click in time.
                ("org.gnome.desktop.interface", "enable-animations", "false")):
            subprocess.run(["gsettings", "set", schema, key, value], env=self.environment(),
                           check=True, timeout=DEFAULT_TIMEOUT)

    def _x_display_is_named(self):
        if self.window_manager.poll() is not None:
            raise AssertionError(f"the shell ended at start:\n{self.shell_output()}")
        return self.take_mutter_x_display(self.shell_output())

    def _shell_is_ready(self):
        if self.window_manager.poll() is not None:
            raise AssertionError(f"the shell ended at start:\n{self.shell_output()}")
        try:
            return self.evaluate("global.context.unsafe_mode && !Main.layoutManager._startingUp")
        except (GLib.Error, AssertionError):
            return False  # not on the bus yet, or not yet in unsafe mode

    def shell_output(self):
        with open(self.shell_log, errors="replace") as f:
            return f.read()

    def environment(self):
        env = {key: value for key, value in super().environment().items() if value is not None}
        # What a GNOME session tells its programs; the program stays an X client.
        env.update(XDG_DATA_HOME=self.data_home, XDG_CURRENT_DESKTOP="GNOME",
                   XDG_SESSION_TYPE="wayland",
                   DBUS_SYSTEM_BUS_ADDRESS=f"unix:path={self.system_bus_socket}")
        if self.xauthority:
            env["XAUTHORITY"] = self.xauthority
        return env

    # ---- the shell --------------------------------------------------------

    def evaluate(self, script):
        """The value of a JavaScript expression evaluated in the shell."""
        service, path, interface = SHELL
        succeeded, result = self.connection.call_sync(
            service, path, interface, "Eval", GLib.Variant("(s)", (script,)), None,
            Gio.DBusCallFlags.NONE, 5000, None).unpack()
        if not succeeded:
            raise AssertionError(f"the shell could not evaluate {script!r}: {result}")
        return json.loads(result) if result else None

    def screenshot_area(self, area, path):
        """Save what the screen shows in the rectangle as PNG (the shell draws it)."""
        succeeded, written = self.connection.call_sync(
            SHELL[0], "/org/gnome/Shell/Screenshot", "org.gnome.Shell.Screenshot",
            "ScreenshotArea", GLib.Variant("(iiiibs)", (area.x, area.y, area.width,
                                                        area.height, False, path)),
            None, Gio.DBusCallFlags.NONE, 5000, None).unpack()
        if not succeeded:
            raise AssertionError("the shell took no screenshot")
        return written

    def bus_name_pid(self, name):
        """The process that owns a name on the session bus."""
        return self.connection.call_sync(
            "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "GetConnectionUnixProcessID", GLib.Variant("(s)", (name,)), None,
            Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]

    def pointer(self):
        x, y, _ = self.evaluate("global.get_pointer()")
        return x, y

    # ---- input, through the compositor ------------------------------------

    def move_to(self, x, y, over_x_window=True):
        """Move the pointer to the screen point; the shell reports where it went. Over an
        X window, the X server learns of the move a little later, and a button pressed
        before it has would land where the pointer was."""
        here = self.pointer()
        if here != (x, y):
            # The compositor's input thread moves it a moment after the call returns.
            self.input.move_by(x - here[0], y - here[1])
            wait_until(lambda: self.pointer() == (x, y), what=f"the pointer to reach {(x, y)}")
        if over_x_window:
            wait_until(lambda: self._x_pointer() == (x, y), what="the X server to see the move")

    def _x_pointer(self):
        pointer = self.x.screen().root.query_pointer()
        return pointer.root_x, pointer.root_y

    def move_onto(self, window):
        self.move_to(*self.geometry(window).centre)

    def click_at(self, x, y, button=1, over_x_window=True):
        self.move_to(x, y, over_x_window)
        self.input.click(button)

    def drag(self, start, by):
        """Press at the start point, move by (dx, dy), and let go."""
        self.move_to(*start)
        self.input.button(1, True)
        try:
            # In steps, as a hand moves: the window manager starts a move past a threshold.
            steps = 8
            for _ in range(steps):
                self.input.move_by(by[0] / steps, by[1] / steps)
                time.sleep(0.02)
            # The window manager holds the pointer meanwhile: the X server sees no move.
            self.move_to(start[0] + by[0], start[1] + by[1], over_x_window=False)
        finally:
            self.input.button(1, False)

    def key(self, *keys):
        """Keys in xdotool's notation ("ctrl+d", "Escape"), each a chord pressed in order
        and let go in reverse."""
        for chord in keys:
            keysyms = [self._keysym(name) for name in chord.split("+")]
            for keysym in keysyms:
                self.input.keysym(keysym, True)
            for keysym in reversed(keysyms):
                self.input.keysym(keysym, False)

    @staticmethod
    def _keysym(name):
        keysym = XK.string_to_keysym(KEY_NAMES.get(name.lower(), name))
        if keysym == X.NoSymbol:
            raise ValueError(f"no key is named {name!r}")
        return keysym

    # ---- the top bar's icon and its menu ----------------------------------

    def top_bar_items(self):
        return self.evaluate(ICONS_JS) or []

    def tray_icons(self):
        """Where the top bar shows the program's StatusNotifierItem (the session's only one)."""
        # While the bar lays a new icon out, its place is not a number yet.
        return [_rect(item["place"]) for item in self.top_bar_items()
                if None not in item["place"]]

    def wait_shell_idle(self):
        """Wait until the shell is done with what it was busy with (laying out a new icon,
        loading its menu). Drawing without a GPU, a busy shell reads a click late, and the
        second click of a double-click too late to pair; a person pauses as long."""
        wait_process_idle(self.window_manager.pid, what="the shell to be idle")

    def double_click_tray_icon(self):
        self.wait_shell_idle()
        self.move_to(*self.tray_icon().centre, over_x_window=False)
        self.input.click(times=2, queued=True)
        self.pointer()  # the shell has taken the clicks

    def click_tray_icon(self):
        self.wait_shell_idle()
        self.click_at(*self.tray_icon().centre, over_x_window=False)

    def icon_menu(self):
        """The entries of the icon's menu, label -> place, while the shell shows it."""
        for item in self.top_bar_items():
            if item["menu"]:
                return {label: _rect(place) for label, *place in item["menu"]}
        return None

    def wait_icon_menu(self):
        return wait_until(self.icon_menu, what="the icon's menu to open")

    def choose_tray_exit(self):
        """Click the icon, wait for the shell to open its menu, and pick "Выход"."""
        self.click_tray_icon()
        entries = self.wait_icon_menu()
        self.click_at(*entries["Выход"].centre, over_x_window=False)

    def close_icon_menu(self):
        self.key("Escape")
        wait_until(lambda: self.icon_menu() is None, what="the icon's menu to close")

    # ---- windows, as the window manager sees them -------------------------

    def wm_state(self, window):
        """The ICCCM state the window manager gives a client (1 normal, 3 minimised)."""
        try:
            prop = window.get_full_property(self.atom("WM_STATE"), self.atom("WM_STATE"))
        except xerror.XError:
            return None
        return prop.value[0] if prop is not None and len(prop.value) else None

    def is_minimised(self, window):
        return (self.wm_state(window) == ICONIC_STATE
                and NET_WM_STATE_HIDDEN in self.net_wm_state(window))

    def ask_to_activate(self, window):
        """What the overview's window list and Alt+Tab do: ask the window manager to make
        the window the active one (unminimising it)."""
        message = xevent.ClientMessage(
            window=window, client_type=self.atom("_NET_ACTIVE_WINDOW"),
            data=(32, [SOURCE_PAGER, X.CurrentTime, 0, 0, 0]))
        self.x.screen().root.send_event(
            message, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.x.flush()

    def outer_corner(self, window):
        """The top-left corner of the window's frame as the window manager reports it
        (_NET_FRAME_EXTENTS), where the program reads its place."""
        place = self.geometry(window)
        left, _, top, _ = self.frame_extents(window)
        return place.x - left, place.y - top

    def title_bar_point(self, window, from_right=None):
        """A point on the title bar's middle line: its centre, or that many pixels left of
        the frame's right edge (where its buttons are)."""
        place = self.geometry(window)
        left, right, top, _ = self.frame_extents(window)
        x = place.x + place.width // 2 if from_right is None else (
            place.x + place.width + right - from_right)
        return x, place.y - top // 2

    def frame_extents(self, window):
        """(left, right, top, bottom) that the window manager's frame adds around the client."""
        prop = window.get_full_property(self.atom("_NET_FRAME_EXTENTS"), X.AnyPropertyType)
        return tuple(prop.value) if prop is not None else None
