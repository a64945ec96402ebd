"""A kill at any moment of a save leaves either the old or the new profile, whole.

Each round starts the program on one profile, puts another on disk behind its back,
asks it to end (it saves) and kills it at a random moment of that save. A watcher reads
the file all the while; every state it sees must be one of the two profiles, complete."""

import hashlib
import os
import random
import signal
import threading
import time
import unittest

from desktop import SETTINGS_KEYS, DesktopTestCase, big_text_scale, wait_until
from quillpad_ini import read_ini
from reliability import record

ROUNDS_SECONDS = float(os.environ.get("QUILLPAD_KILL_LOOP_SECONDS", "60"))
FIELDS = [key for key in SETTINGS_KEYS if key not in ("top", "left")]
# Large enough that writing the file takes a while, so that kills land inside it.
BULK = "строка текста\r\n" * int(20000 * big_text_scale())


def profile(tag):
    values = {key: f"{tag}-{key}" for key in FIELDS}
    values["comments"] = tag + BULK
    return values


class FileWatcher(threading.Thread):
    """Reads the file as fast as it can and keeps every distinct content it saw."""

    def __init__(self, path):
        super().__init__(daemon=True)
        self.path = path
        self.seen = {}
        self.stop = threading.Event()

    def run(self):
        while not self.stop.is_set():
            try:
                with open(self.path, "rb") as f:
                    data = f.read()
            except OSError:
                data = None  # between rounds the test itself replaces the file
            if data is not None:
                self.seen.setdefault(hashlib.sha1(data).digest(), data)


class KillDuringSave(DesktopTestCase):

    def fields_of(self, data, path):
        with open(path, "wb") as f:
            f.write(data)
        values = read_ini(path).get("Setting", {})
        return {key: values.get(key) for key in FIELDS}

    def test_kill_at_random_moments_of_the_save(self):
        path = self.desktop.ini_path()
        generator = random.Random(7)
        loaded, behind = profile("loaded"), profile("behind")
        rounds = killed = 0
        outcomes = {"old": 0, "new": 0}
        # Kills spread over the whole save and a little past its end, however long this
        # build takes to save; the first round, left to finish, measures that.
        max_kill_delay = None
        deadline = time.monotonic() + ROUNDS_SECONDS
        while time.monotonic() < deadline or rounds < 5:
            self.desktop.seed_settings(loaded)
            self.desktop.launch()
            self.desktop.wait_idle()
            self.desktop.seed_settings(behind)
            watcher = FileWatcher(path)
            watcher.start()
            asked = time.monotonic()
            self.desktop.request_termination()
            if max_kill_delay is None:
                wait_until(self.desktop.app_exited, interval=0.001, what="the program to end")
                max_kill_delay = 1.5 * (time.monotonic() - asked)
            else:
                time.sleep(generator.uniform(0, max_kill_delay))
                try:
                    self.desktop.request_termination(signal.SIGKILL)
                    killed += 1
                except (AssertionError, OSError):
                    pass  # the save and exit finished first
            wait_until(self.desktop.app_exited, what="the program to end")
            watcher.stop.set()
            watcher.join()
            self.check_states(watcher.seen.values(), loaded, behind)
            final = self.fields_of(self.desktop.ini_bytes(), path + ".check")
            outcomes["new" if final == loaded else "old"] += 1
            rounds += 1
        self.assertGreater(killed, 0, "no kill landed before the program ended")
        self.assertGreater(outcomes["new"], 0, "no save ever finished")
        record("Kill during save",
               f"SIGKILL at a random moment 0-{max_kill_delay * 1000:.0f} ms into the save of a {len(BULK) // 1024} KB "
               f"profile; {killed} of {rounds} rounds killed",
               "every file state seen was the old or the new profile, whole "
               f"(ended on the new one {outcomes['new']} times, on the old {outcomes['old']})",
               rounds)

    def check_states(self, states, loaded, behind):
        scratch = os.path.join(self.desktop.root_dir, "state.ini")
        for data in states:
            fields = self.fields_of(data, scratch)
            self.assertIn(fields, (loaded, behind),
                          f"a file state that is neither profile: {data[:200]!r}")


if __name__ == "__main__":
    unittest.main()
