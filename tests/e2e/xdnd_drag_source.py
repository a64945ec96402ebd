"""A drag source for end-to-end tests: drops files (or text) on another X client's window
with a real XDND exchange, as a file manager does.

As a module:

    from xdnd_drag_source import drop_files
    outcome = drop_files(":5", x, y, ["/tmp/a/pad.xml"])
    assert outcome, outcome.message   # true when the target accepted and finished

As a command (exit status 0 when the target accepted the drop and finished it; otherwise
non-zero, and stderr says what went wrong):

    /usr/bin/python3 tests/e2e/xdnd_drag_source.py --display :N [--timeout S] X Y FILE...
    /usr/bin/python3 tests/e2e/xdnd_drag_source.py --display :N --text TEXT X Y

X and Y are root (screen) coordinates of a point inside the target window.

What it does: it opens its own connection, owns an unmapped source window and the
XdndSelection, finds the XdndAware window under the point (the nearest ancestor of the
deepest window there, or the client window inside a window manager's frame; through its
XdndProxy when it has one), and sends XdndEnter (the offered types, in XdndTypeList as
well when there are more than three), XdndPosition (the point, a server timestamp,
XdndActionCopy), waits for an accepting XdndStatus, sends XdndDrop, and then keeps
answering SelectionRequest for XdndSelection until XdndFinished arrives or time runs out.
Files are offered as text/uri-list ("file:///..." lines, percent-encoded, each ended by
CR LF) and as plain text (the paths, one a line); --text offers only plain text.

The target fetches the data only when it gets the drop, and a target may hold back
XdndFinished until its drop handler returns: when the drop makes the program ask a
question, run the drop in the background (a subprocess of the command, or the function
in a thread) and answer the question meanwhile.
"""

import argparse
import dataclasses
import os
import select
import sys
import time
import urllib.parse

from Xlib import X, Xatom, display as xdisplay, error as xerror
from Xlib.protocol import event as xevent

from waiting import DEFAULT_TIMEOUT

XDND_VERSION = 5
URI_LIST = "text/uri-list"
PLAIN_TEXT_TYPES = ("text/plain;charset=utf-8", "UTF8_STRING", "text/plain")
# A target that answers the first position with a refusal may still be looking at the
# offer (some fetch the data to decide); a few more positions give it that time.
POSITION_ATTEMPTS = 3
POSITION_RETRY_PAUSE = 0.2


@dataclasses.dataclass
class DropOutcome:
    """What became of a drop; true when the target accepted and finished it."""

    accepted: bool = False
    finished: bool = False
    message: str = ""
    target: int = 0  # the XdndAware window the drop went to
    requested: list = dataclasses.field(default_factory=list)  # types the target fetched

    def __bool__(self):
        return self.accepted and self.finished


def file_uri_list(paths):
    """text/uri-list for local files: one percent-encoded file:// URI a line, CR LF ended."""
    return "".join("file://" + urllib.parse.quote(os.path.abspath(p), safe="/") + "\r\n"
                   for p in paths).encode("utf-8")


def drop_files(display_name, x, y, paths, timeout=DEFAULT_TIMEOUT):
    """Drop the files on the window at root point (x, y) of the display."""
    offers = {URI_LIST: file_uri_list(paths)}
    plain = "\n".join(os.path.abspath(p) for p in paths).encode("utf-8")
    offers.update((t, plain) for t in PLAIN_TEXT_TYPES)
    return _drop(display_name, x, y, offers, timeout)


def drop_text(display_name, x, y, text, timeout=DEFAULT_TIMEOUT):
    """Drop plain text (no file) on the window at root point (x, y) of the display."""
    return _drop(display_name, x, y, {t: text.encode("utf-8") for t in PLAIN_TEXT_TYPES},
                 timeout)


def _drop(display_name, x, y, offers, timeout):
    source = _DragSource(display_name, offers)
    try:
        return source.drop(x, y, time.monotonic() + timeout)
    finally:
        source.close()


class _DragSource:
    def __init__(self, display_name, offers):
        self.x = xdisplay.Display(display_name)
        self.root = self.x.screen().root
        self.offers = {self._atom(t): data for t, data in offers.items()}
        self.types = [self._atom(t) for t in offers]
        self.window = self.root.create_window(
            -10, -10, 1, 1, 0, X.CopyFromParent, X.InputOutput,
            override_redirect=True, event_mask=X.PropertyChangeMask)
        self.outcome = DropOutcome()

    def close(self):
        self.x.close()

    def _atom(self, name):
        return self.x.intern_atom(name)

    # ---- finding the target -------------------------------------------------

    def _windows_under(self, x, y):
        """The windows containing the root point, from the root's child down."""
        chain, current = [], self.root
        while True:
            child = current.translate_coords(self.root, x, y).child
            if not child:
                return chain
            chain.append(child)
            current = child

    def _xdnd_version(self, window):
        try:
            prop = window.get_full_property(self._atom("XdndAware"), X.AnyPropertyType)
        except xerror.XError:
            return None
        return int(prop.value[0]) if prop is not None and len(prop.value) else None

    def _client_inside(self, frame):
        """The window carrying WM_STATE in a window manager's frame, if any."""
        wm_state = self._atom("WM_STATE")
        pending = [frame]
        while pending:
            window = pending.pop(0)
            try:
                if window.get_full_property(wm_state, X.AnyPropertyType) is not None:
                    return window
                pending.extend(window.query_tree().children)
            except xerror.XError:
                continue
        return None

    def _proxy_of(self, window):
        """The XdndProxy window that speaks for window, when it is a proper one (its own
        XdndProxy names itself)."""
        atom = self._atom("XdndProxy")
        try:
            prop = window.get_full_property(atom, Xatom.WINDOW)
            if prop is None or not len(prop.value):
                return None
            proxy = self.x.create_resource_object("window", int(prop.value[0]))
            own = proxy.get_full_property(atom, Xatom.WINDOW)
        except xerror.XError:
            return None
        return proxy if own is not None and len(own.value) and own.value[0] == proxy.id else None

    def _find_target(self, x, y):
        """(target window, window to send to, version) or None."""
        chain = self._windows_under(x, y)
        candidates = list(reversed(chain))
        if chain:
            client = self._client_inside(chain[0])
            if client is not None and client.id not in {w.id for w in chain}:
                candidates.append(client)
        for window in candidates:
            proxy = self._proxy_of(window)
            version = self._xdnd_version(window)
            if version is None and proxy is not None:
                version = self._xdnd_version(proxy)
            if version is not None:
                return window, proxy or window, min(XDND_VERSION, version)
        return None

    # ---- the exchange -----------------------------------------------------------

    def _server_time(self):
        """A timestamp from the server (selection ownership must not use CurrentTime)."""
        self.window.change_property(self._atom("_XDND_SOURCE_TIME"), Xatom.STRING, 8, b"")
        self.x.flush()
        deadline = time.monotonic() + DEFAULT_TIMEOUT
        while True:
            event = self._next_event(deadline)
            if event is None:
                raise RuntimeError("the X server did not report a time")
            if event.type == X.PropertyNotify and event.window.id == self.window.id:
                return event.time

    def _send(self, target, send_to, name, data):
        message = xevent.ClientMessage(window=target, client_type=self._atom(name),
                                       data=(32, data))
        send_to.send_event(message, event_mask=0)
        self.x.flush()

    def drop(self, x, y, deadline):
        found = self._find_target(x, y)
        if found is None:
            self.outcome.message = f"no XdndAware window at ({x}, {y})"
            return self.outcome
        target, send_to, version = found
        self.outcome.target = target.id
        timestamp = self._server_time()
        self.window.change_property(self._atom("XdndTypeList"), Xatom.ATOM, 32, self.types)
        self.window.set_selection_owner(self._atom("XdndSelection"), timestamp)
        self.x.flush()
        many = len(self.types) > 3
        first = (self.types + [0, 0, 0])[:3]
        self._send(target, send_to, "XdndEnter",
                   [self.window.id, (version << 24) | int(many), *first])
        for attempt in range(POSITION_ATTEMPTS):
            if attempt:
                time.sleep(POSITION_RETRY_PAUSE)
            self._send(target, send_to, "XdndPosition",
                       [self.window.id, 0, (x << 16) | (y & 0xFFFF), timestamp,
                        self._atom("XdndActionCopy")])
            status = self._wait_message("XdndStatus", deadline)
            if status is None:
                self._send(target, send_to, "XdndLeave", [self.window.id, 0, 0, 0, 0])
                self.outcome.message = f"no XdndStatus from window {target.id:#x}"
                return self.outcome
            if status[1] & 1:
                self.outcome.accepted = True
                break
        if not self.outcome.accepted:
            self._send(target, send_to, "XdndLeave", [self.window.id, 0, 0, 0, 0])
            self.outcome.message = f"window {target.id:#x} refused the drag"
            return self.outcome
        self._send(target, send_to, "XdndDrop", [self.window.id, 0, timestamp, 0, 0])
        finished = self._wait_message("XdndFinished", deadline)
        if finished is None:
            self.outcome.message = f"no XdndFinished from window {target.id:#x}"
            return self.outcome
        # From version 5 the target says whether it took the data; before, finishing is all.
        self.outcome.finished = True
        if version >= 5 and not finished[1] & 1:
            self.outcome.accepted = False
            self.outcome.message = f"window {target.id:#x} finished without taking the drop"
        return self.outcome

    def _wait_message(self, name, deadline):
        """The data of the next client message `name` (only one drag is under way), serving
        the selection meanwhile; None at the deadline."""
        wanted = self._atom(name)
        while True:
            event = self._next_event(deadline)
            if event is None:
                return None
            if event.type == X.SelectionRequest:
                self._serve(event)
            elif event.type == X.ClientMessage and event.client_type == wanted:
                return event.data[1]

    def _next_event(self, deadline):
        while not self.x.pending_events():
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                return None
            select.select([self.x], [], [], min(remaining, 0.1))
        return self.x.next_event()

    def _serve(self, request):
        """Answer a request for the drag's data, as the XdndSelection owner."""
        prop = request.property or request.target  # obsolete requestors give no property
        targets = self._atom("TARGETS")
        ok = request.selection == self._atom("XdndSelection")
        try:
            if ok and request.target == targets:
                request.requestor.change_property(
                    prop, Xatom.ATOM, 32, [targets, *self.types])
            elif ok and request.target in self.offers:
                request.requestor.change_property(
                    prop, request.target, 8, self.offers[request.target])
                self.outcome.requested.append(self.x.get_atom_name(request.target))
            else:
                prop = X.NONE
        except xerror.XError:
            prop = X.NONE
        reply = xevent.SelectionNotify(time=request.time, requestor=request.requestor,
                                       selection=request.selection, target=request.target,
                                       property=prop)
        request.requestor.send_event(reply, event_mask=0)
        self.x.flush()


def main(argv=None):
    parser = argparse.ArgumentParser(
        description="Drop files (or text) on the X window at a root point with XDND.")
    parser.add_argument("--display", required=True, help="X display, such as :5")
    parser.add_argument("--timeout", type=float, default=DEFAULT_TIMEOUT,
                        help="seconds to wait for the target (default %(default)s)")
    parser.add_argument("--text", help="drop this text instead of files")
    parser.add_argument("x", type=int)
    parser.add_argument("y", type=int)
    parser.add_argument("files", nargs="*")
    args = parser.parse_args(argv)
    if (args.text is None) == (not args.files):
        parser.error("give either files or --text")
    try:
        if args.text is not None:
            outcome = drop_text(args.display, args.x, args.y, args.text, args.timeout)
        else:
            outcome = drop_files(args.display, args.x, args.y, args.files, args.timeout)
    except (xerror.DisplayError, xerror.XError, RuntimeError) as failure:
        print(f"xdnd_drag_source: {failure}", file=sys.stderr)
        return 2
    if not outcome:
        print(f"xdnd_drag_source: {outcome.message}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
