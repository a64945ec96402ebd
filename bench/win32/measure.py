"""Quillpad.exe beside a bare Win32 tray program, both under Wine, in one run: start-up to
the icon docked, and memory after 2 s idle in the tray. Prints a Markdown table.

usage: measure.py --quillpad EXE --bare EXE [--rounds N] [--out FILE]
       (WINEPREFIX, QUILLPAD_WINE set; the table also goes to FILE when given)

Each program starts fresh, rounds interleaved, on its own Xvfb display with trayer, its Wine
prefix's server and shell already running (started by a first program that is then ended),
so that neither pays for Wine's own start. Memory is the program's own process only: the
Wine server and the shell that docks the icon serve every Windows program alike.
"""

import argparse
import os
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(HERE, ".."), os.path.join(HERE, "..", "..", "tests", "e2e"),
                os.path.join(HERE, "..", "..", "tests", "e2e_win32")]

from Xlib import display as xdisplay  # noqa: E402

from programs import cpu_ms, memory_kib  # noqa: E402
from wine_desktop import WineDesktop  # noqa: E402
from xwatch import Watcher  # noqa: E402

IDLE = 2.0


def one_round(exe):
    desktop = WineDesktop()
    desktop.start()
    try:
        desktop.exe = exe
        desktop.launch()  # brings up the prefix's server and shell on this display
        desktop.end_program()
        watcher = Watcher(xdisplay.Display(desktop.display_name))
        started = time.monotonic()
        desktop.app = subprocess.Popen([desktop.loader, exe], env=desktop.environment(),
                                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL, start_new_session=True)
        docked = watcher.wait_docked(desktop.panel())
        figures = {"startup_ms": (docked - started) * 1000.0,
                   "startup_cpu_ms": cpu_ms(desktop.app.pid)}
        time.sleep(IDLE)
        figures["rss_kib"], figures["pss_kib"], _ = memory_kib(desktop.app.pid)
        watcher.x.close()
        return figures
    finally:
        desktop.close()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--quillpad", required=True)
    parser.add_argument("--bare", required=True)
    parser.add_argument("--rounds", type=int, default=7)
    parser.add_argument("--out")
    args = parser.parse_args()
    programs = {"Quillpad.exe": args.quillpad, "bare tray program": args.bare}
    results = {name: [] for name in programs}
    for _ in range(args.rounds):
        for name, exe in programs.items():
            results[name].append(one_round(exe))
    medians = {name: {key: statistics.median(r[key] for r in rounds) for key in rounds[0]}
               for name, rounds in results.items()}
    bare = medians["bare tray program"]
    lines = [f"Medians of {args.rounds} interleaved rounds, load average "
             f"{os.getloadavg()[0]:.1f} at the end.", "",
             "| Program | Start-up to docked, ms | Processor ms | Idle RSS, MiB | Idle PSS, MiB |",
             "|---|---|---|---|---|"]
    for name, m in medians.items():
        lines.append(
            f"| {name} | {m['startup_ms']:.0f} ({m['startup_ms'] / bare['startup_ms']:.2f} ×) "
            f"| {m['startup_cpu_ms']:.1f} ({m['startup_cpu_ms'] / bare['startup_cpu_ms']:.2f} ×) "
            f"| {m['rss_kib'] / 1024:.2f} ({m['rss_kib'] / bare['rss_kib']:.2f} ×) "
            f"| {m['pss_kib'] / 1024:.2f} ({m['pss_kib'] / bare['pss_kib']:.2f} ×) |")
    table = "\n".join(lines) + "\n"
    print(table, end="")
    if args.out:
        with open(args.out, "w") as f:
            f.write(table)


if __name__ == "__main__":
    main()
