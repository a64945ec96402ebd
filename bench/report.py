"""Turns measure.py's JSON into bench/RESULTS.md and the chart beside it.

usage: report.py RESULTS.json RESULTS.md CHART.png FINDINGS.md
"""

import json
import os
import platform
import statistics
import subprocess
import sys
import tempfile

PEERS = ("KeePassXC", "CopyQ")
TEXT_FLOOR = "floor + text box"
ORDER = ("Quillpad", "floor", TEXT_FLOOR, *PEERS)

# The targets: Quillpad's figure over the reference's must stay at or below these.
STARTUP_OVER_FLOOR = 1.15
STARTUP_OVER_FASTER_PEER = 0.9
RSS_OVER_FLOOR = 1.15
RSS_OVER_LIGHTER_PEER = 0.75
COPY_READABLE_MS = 5.0
HANDLER_MS = 1.0


class Figure:
    """Median and range of a list of measurements."""

    def __init__(self, values):
        self.values = sorted(values)
        self.median = statistics.median(self.values)
        self.low, self.high = self.values[0], self.values[-1]

    def text(self, digits=1):
        return f"{self.median:.{digits}f} ({self.low:.{digits}f}–{self.high:.{digits}f})"


def figure(rounds, key, scale=1.0):
    values = []
    for one in rounds:
        value = one.get(key)
        if value is None:
            continue
        values.extend(v * scale for v in (value if isinstance(value, list) else [value]))
    return Figure(values) if values else None


def mib(rounds, key):
    return figure(rounds, key, 1 / 1024)


def package_version(name):
    result = subprocess.run(["dpkg-query", "-W", "-f=${Version}", name], capture_output=True,
                            text=True)
    return result.stdout or "not installed"


def machine():
    with open("/proc/cpuinfo") as f:
        model = next((line.split(":", 1)[1].strip() for line in f
                      if line.startswith("model name")), platform.processor())
    with open("/proc/meminfo") as f:
        total = int(f.readline().split()[1]) // (1024 * 1024)
    with open("/etc/debian_version") as f:
        debian = f.read().strip()
    return (f"{model}, {os.cpu_count()} cores, {total} GiB; Linux {platform.release()}; "
            f"Debian {debian}; Qt {package_version('libqt6core6')}; "
            f"KeePassXC {package_version('keepassxc')}; CopyQ {package_version('copyq')}")


def ratio(numerator, denominator):
    return numerator.median / denominator.median if numerator and denominator else None


def verdict(value, limit):
    if value is None:
        return "not measured"
    return f"{value:.2f} — {'holds' if value <= limit else 'does not hold'}"


def tables(results):
    rounds = results["rounds"]
    present = [name for name in ORDER if name in rounds]
    lines = ["## Start-up and memory", "",
             "Median (min–max) over the rounds. Memory is summed over the program's processes.",
             "", "| Program | Start-up to docked icon, ms | Processor time to docked, ms "
             "| Idle RSS, MiB | Idle PSS, MiB | After use RSS, MiB | After use PSS, MiB "
             "| Processes |",
             "|---|---|---|---|---|---|---|---|"]
    for name in present:
        one = rounds[name]
        cells = [figure(one, "startup_ms"), figure(one, "startup_cpu_ms"),
                 mib(one, "idle_rss_kib"), mib(one, "idle_pss_kib"),
                 mib(one, "used_rss_kib"), mib(one, "used_pss_kib")]
        lines.append(f"| {name} | " + " | ".join(c.text() if c else "–" for c in cells)
                     + f" | {one[0]['processes']} |")

    quill = rounds["Quillpad"]
    lines += ["", "## Ratios (Quillpad's median over the other's)", "",
              "| Over | Start-up | Processor time to docked | Idle RSS | Idle PSS |",
              "|---|---|---|---|---|"]
    for name in present[1:]:
        cells = [ratio(figure(quill, key), figure(rounds[name], key))
                 for key in ("startup_ms", "startup_cpu_ms", "idle_rss_kib", "idle_pss_kib")]
        lines.append(f"| {name} | " + " | ".join(f"{c:.2f}" for c in cells) + " |")

    handler = results["copy_handler"]
    lines += ["", "## Quillpad's latencies", "",
              "| What | ms, median (min–max) |", "|---|---|"]
    latencies = [
        ("Click on \"!\" to the text readable by another client", "copy_readable_ms"),
        ("One `xclip -o` run reading it (process start included)", "xclip_read_ms"),
        ("Click on \"1\"/\"2\" to the page drawn", "page_switch_ms"),
        ("Double-click on the icon to the window mapped", "show_map_ms"),
        ("Double-click on the icon to the window drawn", "show_drawn_ms"),
    ]
    for caption, key in latencies:
        found = figure(quill, key)
        lines.append(f"| {caption} | {found.text(2) if found else '–'} |")
    floor_show = figure(rounds.get("floor", []), "show_map_ms")
    if floor_show:
        lines.append(f"| Floor: double-click on the icon to the window mapped "
                     f"| {floor_show.text(2)} |")
    for name, caption in (("BM_CopyHandler", "Copy handler in the process (core to clipboard)"),
                          ("BM_CopyButtonClick", "Button click signal to text on the clipboard")):
        if name in handler:
            lines.append(f"| {caption} | {handler[name]['median_ns'] / 1e6:.4f} (median of 5 "
                         "benchmark runs) |")

    faster_peer = min((figure(rounds[p], "startup_ms") for p in PEERS if p in rounds),
                      key=lambda f: f.median, default=None)
    lighter_peer = min((mib(rounds[p], "idle_rss_kib") for p in PEERS if p in rounds),
                       key=lambda f: f.median, default=None)
    startup, rss = figure(quill, "startup_ms"), mib(quill, "idle_rss_kib")
    handler_ms = handler.get("BM_CopyButtonClick", {}).get("median_ns", 0) / 1e6
    targets = [
        ("Start-up over the floor", ratio(startup, figure(rounds["floor"], "startup_ms")),
         STARTUP_OVER_FLOOR, "≤"),
        ("Start-up over the floor, in processor time",
         ratio(figure(quill, "startup_cpu_ms"), figure(rounds["floor"], "startup_cpu_ms")),
         STARTUP_OVER_FLOOR, "≤"),
        ("Start-up over the faster peer", ratio(startup, faster_peer),
         STARTUP_OVER_FASTER_PEER, "≤"),
        ("Idle RSS over the floor", ratio(rss, mib(rounds["floor"], "idle_rss_kib")),
         RSS_OVER_FLOOR, "≤"),
        ("Idle RSS over the lighter peer", ratio(rss, lighter_peer), RSS_OVER_LIGHTER_PEER, "≤"),
        ("Copy readable by another process, median ms",
         figure(quill, "copy_readable_ms").median, COPY_READABLE_MS, "≤"),
        ("Copy handler, ms", handler_ms, HANDLER_MS, "well under"),
    ]
    lines += ["", "## Targets", "", "| Target | Measured | Limit |", "|---|---|---|"]
    lines += [f"| {caption} | {verdict(value, limit)} | {relation} {limit} |"
              for caption, value, limit, relation in targets]
    return lines


def chart(results, path):
    rounds = results["rounds"]
    present = [name for name in ORDER if name in rounds]
    with tempfile.TemporaryDirectory() as folder:
        data = os.path.join(folder, "figures.dat")
        with open(data, "w") as f:
            for name in present:
                one = rounds[name]
                columns = [figure(one, "startup_ms"), figure(one, "startup_cpu_ms"),
                           mib(one, "idle_rss_kib"), mib(one, "idle_pss_kib")]
                f.write(f'"{name}" ' + " ".join(f"{c.median} {c.low} {c.high}" for c in columns)
                        + "\n")
        script = f"""
set terminal pngcairo size 1000,420 font "Liberation Sans,10"
set output "{path}"
set multiplot layout 1,2
set style data histograms
set style histogram errorbars gap 1 lw 1
set style fill solid 0.7 border -1
set yrange [0:*]
set grid ytics
set key top left
set xtics rotate by -25
set title "Start-up to docked icon (ms, median, min–max)"
plot "{data}" using 2:3:4:xtic(1) title "on the clock" lc rgb "#3b6ea5", \\
     "" using 5:6:7 title "on a processor" lc rgb "#7fa7d0"
set title "Idle in the tray (MiB, median, min–max)"
plot "{data}" using 8:9:10:xtic(1) title "RSS" lc rgb "#3b6ea5", \\
     "" using 11:12:13 title "PSS" lc rgb "#e0a030"
unset multiplot
"""
        subprocess.run(["gnuplot"], input=script, text=True, check=True)


def main():
    source, results_md, chart_png, findings_md = sys.argv[1:5]
    with open(source) as f:
        results = json.load(f)
    chart(results, chart_png)
    rounds = len(results["rounds"]["Quillpad"])
    lines = ["# Quillpad benchmark results", "",
             f"Written by `bench/run` on {results['date']}, {rounds} rounds.", "",
             f"Machine: {machine()}. Load average (1 min) when the rounds began and ended: "
             f"{results['load_before']:.1f} and {results['load_after']:.1f}; with more than "
             "one program running per core the times on the clock spread widely.", "",
             f"![Start-up and idle memory]({os.path.basename(chart_png)})", ""]
    lines += tables(results)
    with open(findings_md) as f:
        lines += ["", f.read().rstrip()]
    with open(results_md, "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
