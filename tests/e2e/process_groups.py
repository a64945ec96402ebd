"""Ending what a test started: each helper process runs in a session of its own, so that
all it starts in turn ends with it."""

import os
import signal
import subprocess


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
