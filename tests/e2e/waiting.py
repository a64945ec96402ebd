"""Waiting on a desktop that changes by itself: poll until something holds, or make sure
that it keeps holding."""

import os
import time

# Under valgrind or the sanitizers everything takes several times longer.
DEFAULT_TIMEOUT = 10.0 * float(os.environ.get("QUILLPAD_E2E_SLOWDOWN", "1"))


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
