"""The X session a test runs on: Xvfb, a window manager, a D-Bus session, and the X
requests that find windows, read their places, ask them to close, capture the screen and
use the clipboard."""

import dataclasses
import glob
import os
import re
import subprocess

from Xlib import X, Xatom, error as xerror
from Xlib.protocol import event as xevent

from waiting import DEFAULT_TIMEOUT, wait_until

SCREEN = "1280x1024x24"
# The window managers a test can run under, and how each is started on a bare display.
WINDOW_MANAGERS = {
    "openbox": ["openbox"],
    "xfwm4": ["xfwm4", "--compositor=off"],
}


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


class XSession:
    """The display (self.x, opened on self.display_name), its window manager and session
    bus; the composing class provides environment() and the fields it starts them into."""

    def take_mutter_x_display(self, compositor_log):
        """The X display that mutter's log names, with its authority file in the runtime
        folder; False until both are there."""
        found = re.search(r"Using public X11 display (:\d+)", compositor_log)
        authority = glob.glob(os.path.join(self.runtime_dir, ".mutter-Xwaylandauth.*"))
        if not found or not authority:
            return False
        self.display_name = found.group(1)
        self.xauthority = authority[0]
        os.environ["XAUTHORITY"] = self.xauthority  # for this process's own X connection
        return True

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

    def _descendants(self, window):
        try:
            children = window.query_tree().children
        except xerror.XError:
            return []
        found = list(children)
        for child in children:
            found.extend(self._descendants(child))
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

    def net_wm_state(self, window):
        prop = window.get_full_property(self.atom("_NET_WM_STATE"), Xatom.ATOM)
        return {self.x.get_atom_name(a) for a in (prop.value if prop else [])}

    def open_other_window(self, x, y):
        """Another program's ordinary window at a screen point, shown; its caller destroys it."""
        screen = self.x.screen()
        other = screen.root.create_window(x, y, 300, 200, 0, X.CopyFromParent,
                                          background_pixel=screen.white_pixel)
        other.set_wm_name("Another program")
        other.set_wm_class("another", "Another")
        other.map()
        self.x.flush()
        wait_until(lambda: self.is_mapped(other), what="the other window to show")
        return other

    def send_close_request(self, window):
        """What a window manager sends when the title bar's close button is pressed."""
        message = xevent.ClientMessage(
            window=window, client_type=self.atom("WM_PROTOCOLS"),
            data=(32, [self.atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=0)
        self.x.flush()

    def close_from_title_bar(self, window):
        """What the title bar's close button does: the window manager is asked to close
        the window, and it sends the window its delete request."""
        message = xevent.ClientMessage(
            window=window, client_type=self.atom("_NET_CLOSE_WINDOW"),
            data=(32, [X.CurrentTime, 2, 0, 0, 0]))
        self.x.screen().root.send_event(
            message, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.x.flush()

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

    # ---- the screen -------------------------------------------------------

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

    # ---- the clipboard ----------------------------------------------------

    def clipboard_text(self):
        """The clipboard's text as another program pastes it; None when it offers none.

        A request the owner never answers (seen under Wine, once in several runs, as the
        program took the clipboard anew) leaves xclip waiting for good: such a read counts
        as no text, so that a wait for the text asks again."""
        try:
            result = subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                                    env=self.environment(), capture_output=True,
                                    timeout=DEFAULT_TIMEOUT / 2)
        except subprocess.TimeoutExpired:
            return None
        return result.stdout.decode("utf-8", "replace") if result.returncode == 0 else None

    def put_on_clipboard(self, text):
        """Have another program own the clipboard with text (xclip stays until it loses it)."""
        subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text.encode("utf-8"),
                       env=self.environment(), stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=True, timeout=DEFAULT_TIMEOUT)
        wait_until(lambda: self.clipboard_text() == text, what="the clipboard to hold the text")
