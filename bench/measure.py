"""Runs every program fresh, several rounds, and writes what was measured as JSON.

usage: measure.py OUT.json --quillpad BIN --floor BIN --handler-benchmark BIN [--rounds N]
"""

import argparse
import json
import os
import shutil
import subprocess
import time

from Xlib import X
from Xlib import display as xdisplay

import programs
from programs import PROFILE, BenchDesktop, cpu_ms, memory_kib
from xwatch import RAW_BUTTON_PRESS, RAW_BUTTON_RELEASE, Watcher

# The end-to-end tests' desktop, which programs puts on the path, knows the window's layout.
from desktop import (BOX_TOPS, COPY_BUTTON_LEFT, MAIN_WINDOW_TITLE, PAGE_BUTTONS,  # noqa: E402
                     PROGRAM_BOX_TOPS)

IDLE = 2.0  # seconds in the tray before memory is read
# A pointer that has just arrived makes buttons repaint as hovered; that is not the click's.
HOVER_SETTLE = 0.1
PAGE_SWITCHES = 4  # per round, alternately to page 2 and back to page 1


def ms(seconds):
    return round(seconds * 1000.0, 3)


class Round:
    """One program started fresh on its own desktop and watched from outside."""

    def __init__(self, program):
        self.program = program
        self.desktop = BenchDesktop()
        try:
            self.desktop.start()
            self.watcher = Watcher(xdisplay.Display(self.desktop.display_name))
        except BaseException:
            self.desktop.close()
            raise
        self.figures = {}
        self.clicking = self.clicking_args = None

    def close(self):
        self.watcher.x.close()
        self.desktop.close()

    def start_and_idle(self):
        self.watcher.forget()
        started = self.desktop.start_program(self.program)
        docked = self.watcher.wait_docked(self.desktop.panel())
        self.figures["startup_ms"] = ms(docked - started)
        self.figures["startup_cpu_ms"] = round(cpu_ms(self.desktop.app.pid), 3)
        time.sleep(IDLE)
        self.record_memory("idle")

    def record_memory(self, moment):
        rss, pss, processes = memory_kib(self.desktop.app.pid)
        self.figures[f"{moment}_rss_kib"] = rss
        self.figures[f"{moment}_pss_kib"] = pss
        self.figures["processes"] = processes

    def xdotool(self, *args):
        """Starts xdotool without waiting for it, so that events are timed as they come."""
        self.watcher.forget()
        self.clicking = subprocess.Popen(["xdotool", *map(str, args)],
                                         env=self.desktop.environment())
        self.clicking_args = args

    def clicked(self):
        if self.clicking.wait(timeout=10) != 0:
            raise RuntimeError(f"xdotool {self.clicking_args} failed")

    def click(self, x, y, settle=HOVER_SETTLE):
        """A real click with xdotool; returns when its release reached the X server."""
        self.desktop.move_to(x, y)
        time.sleep(settle)
        self.xdotool("click", 1)
        return self.watcher.wait(self.watcher.raw_button(RAW_BUTTON_RELEASE), what="the click")

    def show_from_tray(self, title):
        """Double-click the icon; how long until the window maps and until it is drawn. A
        window that does not exist before it is shown is watched from its mapping on."""
        watched = [w.id for w in self.desktop.windows_named(title)]
        for window_id in watched:
            self.watcher.watch_drawing(window_id)
        self.desktop.move_onto(self.desktop.tray_icon())
        time.sleep(HOVER_SETTLE)
        self.xdotool("click", "--repeat", 2, "--delay", 80, 1)
        second_press = self.watcher.wait(self.watcher.raw_button(RAW_BUTTON_PRESS), count=2,
                                         what="the double-click")
        mapped = self.watcher.wait(
            lambda e: e.type == X.MapNotify and self.desktop.window_name(e.window) == title,
            what="the window to map")
        window = next(e.window for t, e in self.watcher.events if t == mapped)
        if window.id not in watched:
            self.watcher.watch_drawing(window.id)
        drawn = self.watcher.quiet_after(mapped, self.watcher.drawn(window.id))
        self.clicked()
        self.figures["show_map_ms"] = ms(mapped - second_press)
        self.figures["show_drawn_ms"] = ms(drawn - second_press)
        return window

    def copy_every_field(self):
        """Click each field's "!" and read the clipboard as another program would."""
        readable, xclip_runs = [], []
        for page, boxes in ((1, BOX_TOPS), (2, PROGRAM_BOX_TOPS)):
            if page == 2:
                self.desktop.show_page(2)
            for box, top in boxes.items():
                self.watcher.clear_clipboard()
                clicked = self.click(*self.desktop.client_point(COPY_BUTTON_LEFT + 8, top + 8))
                self.watcher.wait(self.watcher.clipboard_owned(), what="the copy")
                arrived, text = self.watcher.read_clipboard()
                if text != PROFILE[box]:
                    raise AssertionError(f"the {box} button copied {text!r}")
                self.clicked()
                readable.append(ms(arrived - clicked))
                before = time.monotonic()
                if self.desktop.clipboard_text() != PROFILE[box]:
                    raise AssertionError(f"xclip -o did not read the {box} field")
                xclip_runs.append(ms(time.monotonic() - before))
        self.figures["copy_readable_ms"] = readable
        self.figures["xclip_read_ms"] = xclip_runs

    def switch_pages(self, window):
        """Click "2" and "1" in turn: how long until the window is drawn anew."""
        switches = []
        for number in range(PAGE_SWITCHES):
            page = 2 if number % 2 == 0 else 1
            left, top = PAGE_BUTTONS[page]
            clicked = self.click(*self.desktop.client_point(left + 16, top + 8))
            drawn = self.watcher.quiet_after(clicked, self.watcher.drawn(window.id))
            self.clicked()
            self.desktop.wait_page(page)
            switches.append(ms(drawn - clicked))
        self.figures["page_switch_ms"] = switches


def run_round(program, use):
    current = Round(program)
    try:
        current.start_and_idle()
        if use:
            use(current)
        return current.figures
    finally:
        current.close()


def use_quillpad(current):
    window = current.show_from_tray(MAIN_WINDOW_TITLE)
    current.switch_pages(window)
    current.copy_every_field()
    time.sleep(1.0)
    current.record_memory("used")


def use_floor(current):
    current.show_from_tray("Floor")
    time.sleep(1.0)
    current.record_memory("used")


def copy_handler(binary):
    """The copy handler's own time, run on a display of its own; nanoseconds by benchmark."""
    desktop = BenchDesktop().start()
    try:
        result = subprocess.run(
            [binary, "--benchmark_format=json", "--benchmark_repetitions=5",
             "--benchmark_min_time=0.2",
             "--benchmark_report_aggregates_only=true"],
            env=desktop.environment(), capture_output=True, check=True, timeout=300)
    finally:
        desktop.close()
    report = json.loads(result.stdout)
    return {b["run_name"]: {"median_ns": b["real_time"]} for b in report["benchmarks"]
            if b.get("aggregate_name") == "median"}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("--quillpad", required=True)
    parser.add_argument("--floor", required=True)
    parser.add_argument("--handler-benchmark", required=True)
    parser.add_argument("--rounds", type=int, default=7)
    args = parser.parse_args()

    contenders = [(programs.floor(args.floor), use_floor),
                  (programs.floor_with_text_box(args.floor), None),
                  (programs.quillpad(args.quillpad), use_quillpad)]
    contenders += [(peer, None) for peer, command in
                   ((programs.keepassxc(), "keepassxc"), (programs.copyq(), "copyq"))
                   if shutil.which(command)]
    results = {"date": time.strftime("%Y-%m-%d %H:%M UTC", time.gmtime()), "rounds": {},
               "load_before": os.getloadavg()[0]}
    for number in range(args.rounds):
        # Interleaved, so that what else the machine does falls on every program alike.
        for program, use in contenders:
            figures = run_round(program, use)
            results["rounds"].setdefault(program.name, []).append(figures)
            print(f"round {number + 1}/{args.rounds} {program.name}: "
                  f"start-up {figures['startup_ms']:.1f} ms, "
                  f"idle RSS {figures['idle_rss_kib'] / 1024:.1f} MiB", flush=True)
    results["load_after"] = os.getloadavg()[0]
    results["copy_handler"] = copy_handler(args.handler_benchmark)
    with open(args.out, "w") as f:
        json.dump(results, f, indent=1)


if __name__ == "__main__":
    main()
