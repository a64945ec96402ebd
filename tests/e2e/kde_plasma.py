"""A KDE Plasma 5.27 desktop, headless: KWin as the Wayland compositor with its X server for X
clients, kded5 holding the StatusNotifierWatcher, and plasmashell with its panel and system
tray. The program runs as an X client on KWin's X display, as X programs do in a Plasma
Wayland session.

Input goes through KWin itself (its fake input protocol, spoken by the kwin_fake_input
helper), so that Plasma's own panel sees real pointer moves and clicks. Plasma draws its tray
and menus as Wayland surfaces, which no X request sees: they are found on KWin's screenshots.

Where the program's icon stands: Plasma's scripting (org.kde.PlasmaShell.evaluateScript)
tells the system tray's box inside the bottom panel; the icon is where that box, captured
through org.kde.KWin.ScreenShot2, differs from the same part of the screen as it was before
the program started (the tray puts application items first and grows to the left for them).
A menu Plasma opens for the icon is found the same way, as the part of the screen above the
panel that changed.
"""

import json
import os
import re
import secrets
import shutil
import socket
import struct
import subprocess
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib

from desktop import Desktop
from process_groups import kill_group
from waiting import DEFAULT_TIMEOUT, wait_until
from x_session import Geometry

from Xlib import X, display as xdisplay

SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 800
# Plasma's start, its first one in a fresh home, takes seconds more than a window manager's.
PLASMA_TIMEOUT = 60.0
WAYLAND_SOCKET = "wayland-quillpad"
# X displays tried for KWin's X server, clear of those that Xvfb takes from :0 up.
X_DISPLAYS = range(70, 100)
# Linux input codes of the buttons and keys the cases use.
BUTTONS = {1: 272, 2: 274, 3: 273}
KEYS = {
    "ctrl": 29, "shift": 42, "alt": 56, "Escape": 1, "Return": 28, "End": 107,
    **{letter: code for row, first in (("qwertyuiop", 16), ("asdfghjkl", 30), ("zxcvbnm", 44))
       for code, letter in enumerate(row, first)},
}
# Pixels of the screen that differ by at most this much in every channel are the same.
SAME_COLOUR = 24
# Columns of the tray between two items' drawings, at the least.
ITEM_GAP = 3
# Plasma draws a panel's tray icons at 16 pixels or more.
SMALLEST_ICON = 12
PLASMA_SCRIPT = ("org.kde.plasmashell", "/PlasmaShell", "org.kde.PlasmaShell.evaluateScript")
# What reports the system tray's box on the panel: its geometry within the bottom panel.
TRAY_BOX_SCRIPT = """
var found = [];
panels().forEach(function (panel) {
    panel.widgets("org.kde.plasma.systemtray").forEach(function (tray) {
        found.push({location: panel.location, height: panel.height, screen: panel.screen,
                    tray: tray.geometry});
    });
});
print(JSON.stringify(found));
"""
# The side of the square of a window compared with what KWin shows of it.
SHOWN_PATCH = 32
# How far above the panel a menu for a tray icon may reach.
MENU_ROOM = 300
# Longer than Plasma's double-click interval (400 ms by default), so a lone click has settled.
CLICK_SETTLE = 0.8


def fake_input_path():
    """The fake input helper, as handed over by ctest."""
    path = os.environ.get("QUILLPAD_KWIN_FAKE_INPUT")
    if not path or not os.access(path, os.X_OK):
        raise RuntimeError("set QUILLPAD_KWIN_FAKE_INPUT to the kwin_fake_input executable")
    return path


class Picture:
    """A rectangle of the screen as KWin shows it: rows of (r, g, b)."""

    def __init__(self, box, rows):
        self.box = box
        self.rows = rows

    def changed_box(self, before, within=None):
        """The bounding box, in screen pixels, of what differs from an earlier picture of the
        same rectangle, or within a part of it; None when nothing does."""
        return _bounding_box(self._changed_pixels(before, within))

    def first_changed_item(self, before, within):
        """The box of the leftmost thing that changed within a part of the rectangle: the
        changed columns up to the first gap of unchanged ones."""
        changed = self._changed_pixels(before, within)
        columns = sorted({x for x, _ in changed})
        if not columns:
            return None
        last = columns[0]
        for column in columns[1:]:
            if column - last > ITEM_GAP:
                break
            last = column
        return _bounding_box([(x, y) for x, y in changed if x <= last])

    def _changed_pixels(self, before, within):
        within = within or self.box
        changed = []
        for y in range(max(within.y, self.box.y),
                       min(within.y + within.height, self.box.y + self.box.height)):
            row, old_row = self.rows[y - self.box.y], before.rows[y - self.box.y]
            for x in range(max(within.x, self.box.x),
                           min(within.x + within.width, self.box.x + self.box.width)):
                pixel, old = row[x - self.box.x], old_row[x - self.box.x]
                if max(abs(a - b) for a, b in zip(pixel, old)) > SAME_COLOUR:
                    changed.append((x, y))
        return changed


def _bounding_box(points):
    if not points:
        return None
    xs = [x for x, _ in points]
    ys = [y for _, y in points]
    return Geometry(min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)


class KWinFakeInput:
    """The pointer and keyboard, driven through KWin (self.fake_input is the helper)."""

    def _start_fake_input(self):
        self.fake_input = subprocess.Popen(
            [fake_input_path()], env=self.environment(), stdin=subprocess.PIPE,
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, bufsize=1,
            start_new_session=True)
        if self.fake_input.stdout.readline().strip() != "ready":
            raise RuntimeError("KWin does not take fake input")

    def _send_input(self, *requests):
        """Send requests to KWin and wait until it has taken them."""
        self.fake_input.stdin.write("".join(f"{r}\n" for r in requests) + "sync\n")
        self.fake_input.stdin.flush()
        if self.fake_input.stdout.readline().strip() != "done":
            raise RuntimeError("the fake input helper ended")

    def move_to(self, x, y):
        self._send_input(f"move {x} {y}")

    def move_onto(self, window):
        box = window if isinstance(window, Geometry) else self.geometry(window)
        self.move_to(*box.centre)

    def click_at(self, x, y, button=1):
        code = BUTTONS[button]
        self._send_input(f"move {x} {y}", f"button {code} 1", f"button {code} 0")

    def drag(self, start, by, steps=10):
        """Press the left button at a point, move the pointer by an offset in steps, as a hand
        does, and let go."""
        left = BUTTONS[1]
        self._send_input(f"move {start[0]} {start[1]}", f"button {left} 1")
        for step in range(1, steps + 1):
            time.sleep(0.02)
            self.move_to(start[0] + by[0] * step // steps, start[1] + by[1] * step // steps)
        self._send_input(f"button {left} 0")

    def double_click_at(self, x, y):
        self.click_at(x, y)
        time.sleep(0.08)  # a person's double-click: well within the double-click interval
        self.click_at(x, y)

    def key(self, *keys):
        """Press key combinations such as "ctrl+d" or "Escape", one after another."""
        for combination in keys:
            codes = [KEYS[name if name in KEYS else name.lower()]
                     for name in combination.split("+")]
            self._send_input(*[f"key {code} 1" for code in codes],
                             *[f"key {code} 0" for code in reversed(codes)])


class PlasmaDesktop(KWinFakeInput, Desktop):
    """KWin, kded5 and plasmashell on a fresh home, sharing one D-Bus session with the program,
    and the tray's icon and menu as Plasma draws them."""

    def __init__(self):
        super().__init__(tray=False)
        self.data_home = self._make_dir("data")
        self.cache_home = self._make_dir("cache")
        self.kwin_path = os.path.join(self._make_dir("kwin"), "kwin_wayland")
        self.xauthority = os.path.join(self.root_dir, "xauthority")
        self.log_path = os.path.join(self.root_dir, "plasma.log")
        self.kded = self.plasmashell = self.fake_input = None
        self.display_number = None
        self.x_sockets = []
        self.screenshot_bus = None
        self.panel_before = None  # the panel's right part before the program started
        self.above_panel_before = None

    # ---- life cycle -------------------------------------------------------

    def start(self):
        self._start_session_bus()
        self._start_kwin()
        self.x = xdisplay.Display(self.display_name)
        self._start_fake_input()
        self.screenshot_bus = Gio.DBusConnection.new_for_address_sync(
            self.bus_address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        # Bus-activated services (KDE's activity manager among them) start with these.
        subprocess.run(["dbus-update-activation-environment", "WAYLAND_DISPLAY", "DISPLAY",
                        "XAUTHORITY", "QT_QPA_PLATFORM", "HOME", "XDG_CONFIG_HOME",
                        "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"],
                       env=self.plasma_environment(), check=True, timeout=DEFAULT_TIMEOUT)
        self.kded = self._start_plasma_part(["kded5"])
        # A Plasma session loads the watcher with kded's other start-up modules; outside one,
        # kded loads only what it is asked for.
        wait_until(lambda: self._dbus_send("org.kde.kded5", "/kded", "org.kde.kded5.loadModule",
                                           "string:statusnotifierwatcher"),
                   PLASMA_TIMEOUT, what="kded to load the StatusNotifierWatcher")
        self.plasmashell = self._start_plasma_part(["plasmashell", "--no-respawn"])
        wait_until(self._tray_is_shown, PLASMA_TIMEOUT, what="Plasma's panel and system tray")
        self.panel_before = wait_until(self._steady_panel, PLASMA_TIMEOUT,
                                       what="Plasma's panel to be drawn")
        return self

    def close(self):
        kill_group(self.app)
        self.app = None
        for process in (self.fake_input, self.plasmashell, self.kded):
            kill_group(process)
        if self.x is not None:
            self.x.close()
            self.x = None
        if self.screenshot_bus is not None:
            self.screenshot_bus.close_sync(None)
            self.screenshot_bus = None
        kill_group(self.window_manager)  # KWin, and its X server with it
        for sock in self.x_sockets:
            sock.close()
        if self.display_number is not None:
            for path in (f"/tmp/.X{self.display_number}-lock",
                         f"/tmp/.X11-unix/X{self.display_number}"):
                try:
                    os.unlink(path)
                except FileNotFoundError:
                    pass
        super().close()

    def end_program(self):
        """End the program if it still runs and forget its profile; close a menu it left."""
        kill_group(self.app)
        self.app = None
        shutil.rmtree(os.path.dirname(self.ini_path()), ignore_errors=True)
        if self.plasma_menu() is not None:
            self.key("Escape")  # a menu left open by a failed case holds the pointer
            wait_until(lambda: self.plasma_menu() is None, what="Plasma's menu to close")
        self.above_panel_before = None
        wait_until(lambda: not self.sni_items(), what="the icon to leave the tray")

    def environment(self):
        env = super().environment()
        env.update(XDG_DATA_HOME=self.data_home, XDG_CACHE_HOME=self.cache_home,
                   XAUTHORITY=self.xauthority)
        if self.display_name is None:
            del env["DISPLAY"]
        else:
            env["WAYLAND_DISPLAY"] = WAYLAND_SOCKET  # as a Plasma session tells its programs
        return env

    def plasma_environment(self):
        """Plasma's own programs are Wayland clients."""
        return dict(self.environment(), QT_QPA_PLATFORM="wayland")

    def _start_plasma_part(self, command, env=None):
        with open(self.log_path, "ab") as log:
            return subprocess.Popen(
                command, env=env or self.plasma_environment(), stdin=subprocess.DEVNULL,
                stdout=log, stderr=subprocess.STDOUT, start_new_session=True)

    def _start_kwin(self):
        # The packaged binary carries a file capability that a container may refuse to run;
        # a copy runs without it. It keeps its name, by which KWin finds its own plugins.
        shutil.copy(shutil.which("kwin_wayland"), self.kwin_path)
        self._listen_on_x_display()
        x_fds = [sock.fileno() for sock in self.x_sockets]
        command = [self.kwin_path, "--virtual", "--width", str(SCREEN_WIDTH),
                   "--height", str(SCREEN_HEIGHT), "--socket", WAYLAND_SOCKET,
                   "--no-lockscreen", "--xwayland",
                   *[arg for fd in x_fds for arg in ("--xwayland-fd", str(fd))],
                   "--xwayland-display", f":{self.display_number}",
                   "--xwayland-xauthority", self.xauthority]
        env = dict(self.environment(), KWIN_WAYLAND_NO_PERMISSION_CHECKS="1",
                   KWIN_SCREENSHOT_NO_PERMISSION_CHECKS="1")
        env.pop("WAYLAND_DISPLAY", None)
        with open(self.log_path, "ab") as log:
            self.window_manager = subprocess.Popen(
                command, env=env, pass_fds=x_fds, stdin=subprocess.DEVNULL, stdout=log,
                stderr=subprocess.STDOUT, start_new_session=True)
        self.display_name = f":{self.display_number}"
        os.environ["XAUTHORITY"] = self.xauthority  # for this process's own X connection
        wait_until(self._x_server_answers, PLASMA_TIMEOUT, what="KWin's X server")

    def _listen_on_x_display(self):
        """Take a free X display as kwin_wayland_wrapper does: its lock file, its sockets (a
        path and an abstract one) and an authority file with a fresh cookie, all handed to
        KWin, which starts its X server on them."""
        os.makedirs("/tmp/.X11-unix", exist_ok=True)
        os.chmod("/tmp/.X11-unix", 0o1777)
        for number in X_DISPLAYS:
            try:
                lock = os.open(f"/tmp/.X{number}-lock", os.O_WRONLY | os.O_CREAT | os.O_EXCL,
                               0o444)
            except FileExistsError:
                continue
            path = f"/tmp/.X11-unix/X{number}"
            try:
                sockets = []
                for address in (path, "\0" + path):
                    sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
                    sockets.append(sock)
                    sock.bind(address)
                    sock.listen(16)
            except OSError:
                for sock in sockets:
                    sock.close()
                os.close(lock)
                os.unlink(f"/tmp/.X{number}-lock")
                continue
            os.write(lock, b"%10d\n" % os.getpid())
            os.close(lock)
            self.display_number = number
            self.x_sockets = sockets
            self._write_xauthority(number)
            return
        raise RuntimeError("no free X display for KWin's X server")

    def _write_xauthority(self, number):
        def counted(data):
            return struct.pack(">H", len(data)) + data

        family_local = 256
        with open(self.xauthority, "wb") as f:
            f.write(struct.pack(">H", family_local) + counted(socket.gethostname().encode())
                    + counted(str(number).encode()) + counted(b"MIT-MAGIC-COOKIE-1")
                    + counted(secrets.token_bytes(16)))

    def _x_server_answers(self):
        if self.window_manager.poll() is not None:
            raise AssertionError(f"KWin ended at start:\n{self.plasma_log()}")
        return subprocess.run(["xdpyinfo"], env=self.environment(), stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=DEFAULT_TIMEOUT).returncode == 0

    def plasma_log(self):
        with open(self.log_path, errors="replace") as f:
            return f.read()[-4000:]

    def _dbus_send(self, destination, path, method, *args):
        """Call a method on the session bus; its reply's text, or None when it failed."""
        result = subprocess.run(
            ["dbus-send", f"--bus={self.bus_address}", "--print-reply",
             f"--dest={destination}", path, method, *args],
            capture_output=True, text=True, timeout=DEFAULT_TIMEOUT)
        return result.stdout if result.returncode == 0 else None

    # ---- Plasma's panel and tray ------------------------------------------

    def tray_box(self):
        """The system tray's box on the screen, from Plasma's scripting; None before Plasma
        has made its panel. Plasma's first layout has one panel, along the screen's bottom
        edge and as wide as the screen, which scripting tells the tray's place within."""
        if self.plasmashell.poll() is not None:
            raise AssertionError(f"plasmashell ended:\n{self.plasma_log()}")
        reply = self._dbus_send(*PLASMA_SCRIPT, "string:" + TRAY_BOX_SCRIPT)
        found = re.search(r'string "(.*)"\s*$', reply or "", re.S)
        trays = json.loads(found.group(1).replace('\\"', '"')) if found else []
        if len(trays) != 1 or trays[0]["location"] != "bottom":
            return None
        tray = trays[0]["tray"]
        if tray["width"] <= 0:
            return None
        panel_top = SCREEN_HEIGHT - trays[0]["height"]
        return Geometry(int(tray["x"]), panel_top + int(tray["y"]), int(tray["width"]),
                        int(tray["height"]))

    def _tray_is_shown(self):
        watcher = self._dbus_send("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                                  "org.freedesktop.DBus.Properties.Get",
                                  "string:org.kde.StatusNotifierWatcher",
                                  "string:IsStatusNotifierHostRegistered")
        return watcher is not None and "true" in watcher and self.tray_box() is not None

    def _panel_strip(self):
        """The panel's right half, where the tray stands."""
        tray = self.tray_box()
        return Geometry(SCREEN_WIDTH // 2, tray.y, SCREEN_WIDTH // 2, tray.height)

    def _steady_panel(self):
        """The panel strip once two captures a moment apart agree."""
        first = self.capture(self._panel_strip())
        time.sleep(0.2)
        second = self.capture(first.box)
        return second if second.changed_box(first) is None else None

    def capture(self, box):
        """A Picture of a rectangle of the screen, as KWin composes it."""
        raw_path = os.path.join(self.root_dir, "capture.raw")
        fd = os.open(raw_path, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o600)
        fds = Gio.UnixFDList.new()
        fds.append(fd)
        os.close(fd)
        # KWin answers once it has the frame, then writes the pixels to the file handed over.
        result, _ = self.screenshot_bus.call_with_unix_fd_list_sync(
            "org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2",
            "CaptureArea", GLib.Variant("(iiuua{sv}h)",
                                        (box.x, box.y, box.width, box.height, {}, 0)),
            GLib.VariantType("(a{sv})"), Gio.DBusCallFlags.NONE,
            int(DEFAULT_TIMEOUT * 1000), fds, None)
        info = result.unpack()[0]
        width, height, stride = info["width"], info["height"], info["stride"]
        wait_until(lambda: os.path.getsize(raw_path) >= stride * height,
                   what="KWin to write the screenshot")
        with open(raw_path, "rb") as f:
            data = f.read()
        # Premultiplied ARGB32 in the machine's byte order: blue, green, red, alpha.
        rows = [[(data[row * stride + 4 * col + 2], data[row * stride + 4 * col + 1],
                  data[row * stride + 4 * col]) for col in range(width)]
                for row in range(height)]
        return Picture(box, rows)

    # ---- the icon ---------------------------------------------------------

    def tray_icons(self):
        """The icon's box while the program's item is registered and Plasma draws it: the
        part of the tray that changed since before the program started."""
        if not self.sni_items():
            return []
        tray = self.tray_box()
        if tray is None:
            return []
        # The tray may also redraw its other items as it grows: the program's is the first.
        # It fades in as the tray grows, so its box counts once two captures agree on it.
        icon = self._first_tray_item(tray)
        if icon is None or min(icon.width, icon.height) < SMALLEST_ICON:
            return []
        time.sleep(0.1)
        return [icon] if self._first_tray_item(tray) == icon else []

    def _first_tray_item(self, tray):
        picture = self.capture(self.panel_before.box)
        return picture.first_changed_item(self.panel_before, tray)

    def tray_icon(self):
        return wait_until(self.tray_icons, what="the tray icon")[0]

    def click_tray_icon(self):
        self.click_at(*self.tray_icon().centre)

    def double_click_tray_icon(self):
        self.double_click_at(*self.tray_icon().centre)

    def right_click_tray_icon(self):
        icon = self.tray_icon()
        self.click_at(*icon.centre, button=3)

    def show_from_tray(self):
        self.double_click_tray_icon()
        window = self.wait_main_window_mapped()
        self.wait_shown(window)
        return window

    # ---- windows as KWin shows them ---------------------------------------

    def wait_shown(self, window, corner=(0, 0)):
        """Wait until KWin shows an X window as it is drawn, judged by a small square of it
        whose top-left corner is given in the window's pixels. KWin puts a newly mapped window
        on the screen only once its Wayland surface comes, and a click there before that goes
        to what was under it."""
        wait_until(lambda: self._shown_as_drawn(window, *corner), what="KWin to show the window")

    def _shown_as_drawn(self, window, x, y):
        place = self.geometry(window)
        size = min(SHOWN_PATCH, place.width - x, place.height - y)
        image = window.get_image(x, y, size, size, X.ZPixmap, 0xFFFFFFFF)
        stride = len(image.data) // size
        drawn = [[tuple(image.data[row * stride + 4 * col + 2 - i] for i in range(3))
                  for col in range(size)] for row in range(size)]
        shown = self.capture(Geometry(place.x + x, place.y + y, size, size))
        return shown.changed_box(Picture(shown.box, drawn)) is None

    # ---- the icon's menu --------------------------------------------------

    def _above_panel(self):
        """Where Plasma opens a menu for a tray icon: over the screen's right half, above the
        panel."""
        top = self.panel_before.box.y - MENU_ROOM
        return Geometry(SCREEN_WIDTH // 2, top, SCREEN_WIDTH // 2, MENU_ROOM)

    def remember_above_panel(self):
        """Capture the screen above the tray, to tell a menu that Plasma opens there."""
        self.above_panel_before = self.capture(self._above_panel())

    def plasma_menu(self):
        """The box of a menu Plasma shows above the panel: what changed there since
        remember_above_panel(); None while nothing did."""
        if self.above_panel_before is None:
            return None
        return self.capture(self._above_panel()).changed_box(self.above_panel_before)

    def icon_menu(self):
        return self.plasma_menu()

    def _settled_menu(self):
        first = self.plasma_menu()
        time.sleep(0.15)
        return first if first is not None and self.plasma_menu() == first else None

    def wait_icon_menu(self):
        """The menu's box once it has stopped changing (Plasma fades it in)."""
        return wait_until(self._settled_menu, what="Plasma's menu for the icon to open")

    def choose_tray_exit(self):
        """Right-click the icon and pick the menu's only item, "Выход"."""
        self.remember_above_panel()
        self.right_click_tray_icon()
        self.click_at(*self.wait_icon_menu().centre)
