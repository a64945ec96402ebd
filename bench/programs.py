"""The programs measured side by side, each started fresh on a throw-away desktop with a
profile of its own that makes it wait in the tray."""

import dataclasses
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from desktop import BOX_TOPS, PROGRAM_BOX_TOPS, Desktop, kill_group  # noqa: E402

# One distinct value per field, so that a copy of the wrong field shows.
PROFILE = {box: f"{box} value {number}" for number, box in
           enumerate([*BOX_TOPS, *PROGRAM_BOX_TOPS], start=1)}

KEEPASSXC_INI = """[General]
ConfigVersion=2
UpdateCheckMessageShown=true

[GUI]
CheckForUpdates=false
ShowTrayIcon=true
MinimizeToTray=true
MinimizeOnStartup=true
"""


@dataclasses.dataclass(frozen=True)
class Program:
    name: str
    argv: list
    prepare: object = None  # writes the fresh profile into a desktop

    @property
    def process_name(self):
        return os.path.basename(self.argv[0])


def quillpad(binary):
    return Program("Quillpad", [binary], lambda desktop: desktop.seed_settings(PROFILE))


def floor(binary):
    return Program("floor", [binary])


def floor_with_text_box(binary):
    return Program("floor + text box", [binary, "--text-box"])


def keepassxc():
    def prepare(desktop):
        folder = os.path.join(desktop.config_home, "keepassxc")
        os.makedirs(folder)
        with open(os.path.join(folder, "keepassxc.ini"), "w") as f:
            f.write(KEEPASSXC_INI)
    return Program("KeePassXC", ["keepassxc"], prepare)


def copyq():
    return Program("CopyQ", ["copyq"])


class BenchDesktop(Desktop):
    """The tests' desktop with one D-Bus session shared by whatever runs on it, so that no
    program pays for starting a bus of its own."""

    def __init__(self):
        super().__init__(tray=True)
        self.bus = None
        self.bus_address = None

    def start(self):
        self.bus = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            stdout=subprocess.PIPE, stdin=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        self.bus_address = self.bus.stdout.readline().decode().strip()
        return super().start()

    def close(self):
        super().close()
        kill_group(self.bus)

    def environment(self):
        env = super().environment()
        if self.bus_address:
            env["DBUS_SESSION_BUS_ADDRESS"] = self.bus_address
        return env

    def start_program(self, program):
        """Starts the program at once and returns it with the moment of its start."""
        if program.prepare:
            program.prepare(self)
        self.app_name = program.process_name
        log = open(self.app_log, "ab")
        started = time.monotonic()
        self.app = subprocess.Popen(program.argv, env=self.environment(),
                                    stdin=subprocess.DEVNULL, stdout=log,
                                    stderr=subprocess.STDOUT, start_new_session=True)
        log.close()
        return started


def process_tree(pid):
    """The process and every process it started."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                parent = int(f.read().rsplit(")", 1)[1].split()[1])
        except (OSError, IndexError, ValueError):
            continue
        children.setdefault(parent, []).append(int(entry))
    tree, waiting = [], [pid]
    while waiting:
        current = waiting.pop()
        tree.append(current)
        waiting.extend(children.get(current, []))
    return tree


def cpu_ms(pid):
    """Time the process tree has spent on a processor so far, in ms: unlike the time on the
    clock, it hardly moves when other work shares the machine."""
    total = 0
    for member in process_tree(pid):
        for task in os.listdir(f"/proc/{member}/task"):
            with open(f"/proc/{member}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
    return total / 1e6


def memory_kib(pid):
    """Resident and proportional set size, summed over the process tree, in KiB, and the
    number of processes."""
    totals = {"Rss": 0, "Pss": 0}
    tree = process_tree(pid)
    for member in tree:
        with open(f"/proc/{member}/smaps_rollup") as f:
            for line in f:
                field, _, value = line.partition(":")
                if field in totals:
                    totals[field] += int(value.split()[0])
    return totals["Rss"], totals["Pss"], len(tree)
