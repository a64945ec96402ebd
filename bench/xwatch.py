"""Watching a program from outside, through the X server only: when its icon docks in the
tray, when a window maps or is drawn, when a click reaches the server, and when the clipboard
can be read. Every moment is the monotonic clock of this process when the event arrived."""

import select
import time

from Xlib import X
from Xlib.ext import damage, xfixes, xinput
from Xlib.protocol import request

RAW_BUTTON_PRESS = xinput.RawButtonPress
RAW_BUTTON_RELEASE = xinput.RawButtonRelease
# A frame is done when the window has had no drawing for this long.
FRAME_QUIET = 0.03


class Watcher:
    """One X connection that keeps every event it sees with the moment it arrived."""

    def __init__(self, x):
        self.x = x
        self.root = x.screen().root
        self.events = []  # (arrival, event), oldest first
        x.xfixes_query_version()
        x.damage_query_version()
        # From version 2.1 on, raw button events come also while a program holds the pointer
        # grab that every press starts; the release of a click is one of those.
        xinput.XIQueryVersion(display=x.display, opcode=x.display.get_extension_major(
            xinput.extname), major_version=2, minor_version=2)
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.root.xinput_select_events(
            [(xinput.AllMasterDevices, xinput.RawButtonPressMask | xinput.RawButtonReleaseMask)])
        self.clipboard = x.intern_atom("CLIPBOARD")
        self.utf8 = x.intern_atom("UTF8_STRING")
        self.paste_property = x.intern_atom("QUILLPAD_BENCH_PASTE")
        self.reader = self.root.create_window(0, 0, 1, 1, 0, X.CopyFromParent,
                                              event_mask=X.PropertyChangeMask)
        x.xfixes_select_selection_input(self.root, self.clipboard,
                                                xfixes.XFixesSetSelectionOwnerNotifyMask)
        x.sync()
        self.forget()

    # ---- the event log ----------------------------------------------------

    def forget(self):
        """Read what is pending and start a fresh log from now."""
        self._pump(0)
        self.events = []

    def _pump(self, timeout):
        """Read events for at most timeout seconds; True when any arrived."""
        got = False
        if not self.x.pending_events():
            readable, _, _ = select.select([self.x.fileno()], [], [], max(0.0, timeout))
            if not readable:
                return False
        while True:
            count = self.x.pending_events()
            if not count:
                return got
            for _ in range(count):
                event = self.x.next_event()
                self.events.append((time.monotonic(), event))
                got = True

    def wait(self, matches, timeout=10.0, what="an event", count=1):
        """The arrival time of the count-th logged event that matches; waits for it."""
        deadline = time.monotonic() + timeout
        seen = 0
        while True:
            for arrival, event in self.events[seen:]:
                if matches(event):
                    count -= 1
                    if count == 0:
                        return arrival
            seen = len(self.events)
            left = deadline - time.monotonic()
            if left <= 0:
                raise TimeoutError(f"no {what} within {timeout:.0f} s")
            self._pump(left)

    def quiet_after(self, start, matches, quiet=FRAME_QUIET, timeout=2.0):
        """The arrival of the last matching event after start once quiet has passed with none."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            last = max((t for t, e in self.events if t >= start and matches(e)), default=None)
            if last is not None and time.monotonic() - last >= quiet:
                return last
            self._pump(quiet / 3)
        raise TimeoutError("the drawing did not settle")

    # ---- clicks -----------------------------------------------------------

    def raw_button(self, kind):
        return lambda e: getattr(e, "evtype", None) == kind

    # ---- the tray ---------------------------------------------------------

    def _inside(self, window, ancestor):
        while window.id != self.root.id:
            if window.id == ancestor.id:
                return True
            window = window.query_tree().parent
        return False

    def wait_docked(self, panel, timeout=20.0):
        """When a window reparented into the tray's panel is mapped there: the docked icon."""
        deadline = time.monotonic() + timeout
        seen = 0
        candidates = set()
        while True:
            for arrival, event in self.events[seen:]:
                if event.type == X.ReparentNotify and event.parent.id != self.root.id:
                    if self._inside(event.parent, panel):
                        candidates.add(event.window.id)
                        event.window.change_attributes(event_mask=X.StructureNotifyMask)
                        if event.window.get_attributes().map_state != X.IsUnmapped:
                            return time.monotonic()
                elif event.type == X.MapNotify and event.window.id in candidates:
                    return arrival
            seen = len(self.events)
            left = deadline - time.monotonic()
            if left <= 0:
                raise TimeoutError("no icon docked in the tray")
            self._pump(left)

    # ---- windows ----------------------------------------------------------

    def watch_drawing(self, window_id):
        """Report every change to the window's pixels from now on."""
        window = self.x.create_resource_object("window", window_id)
        window.damage_create(damage.DamageReportRawRectangles)
        self.x.sync()

    def drawn(self, window_id):
        return lambda e: type(e).__name__ == "DamageNotify" and e.drawable.id == window_id

    # ---- the clipboard ----------------------------------------------------

    def clear_clipboard(self):
        """Leave the clipboard without owner, so that only a new copy can be read."""
        request.SetSelectionOwner(display=self.x.display, window=X.NONE,
                                  selection=self.clipboard, time=X.CurrentTime)
        self.x.sync()

    def clipboard_owned(self):
        return lambda e: (type(e).__name__ == "SetSelectionOwnerNotify"
                          and e.selection == self.clipboard
                          and getattr(e.owner, "id", e.owner) != X.NONE)

    def read_clipboard(self, timeout=5.0):
        """Paste as another program does: ask the owner for UTF-8 text and wait for it.
        Returns the arrival time of the text and the text (None when there was none)."""
        self.reader.convert_selection(self.clipboard, self.utf8, self.paste_property,
                                      X.CurrentTime)
        self.x.flush()
        start = len(self.events)
        arrival = self.wait(lambda e: e.type == X.SelectionNotify, timeout, "clipboard answer")
        answer = next(e for t, e in self.events[start:] if e.type == X.SelectionNotify)
        if answer.property == X.NONE:
            return arrival, None
        value = self.reader.get_full_property(self.paste_property, X.AnyPropertyType)
        self.reader.delete_property(self.paste_property)
        return arrival, value.value.decode("utf-8") if value is not None else None
