"""Draw the README's picture of where Quillpad's data goes, as docs/data-flow.svg.

The profile is read into the window when the program starts and written back when it
ends; from the window a field goes to the clipboard and a catalogue address to the
browser, where the user pastes the field into the catalogue's form. Only the standard
library is used and the output is byte-identical on every run. Rerun with:

    /usr/bin/python3 docs/draw_data_flow.py

With --check it writes nothing and fails when the committed picture is out of date.
"""

import math
import sys
from dataclasses import dataclass
from pathlib import Path
from xml.sax.saxutils import escape

OUT_FILE = Path(__file__).resolve().parent / "data-flow.svg"

WIDTH, HEIGHT = 760, 250
NAVY, RED, TEAL, INK, PAPER = "#000080", "#c00000", "#008080", "#202020", "#ffffff"
GREY, FACE = "#808080", "#e0e0e0"
HEAD_LENGTH, HEAD_HALF_WIDTH = 10, 5
FONT = "font-family='DejaVu Sans, Liberation Sans, Arial, sans-serif'"


@dataclass(frozen=True)
class Box:
    x: int
    y: int
    width: int
    height: int
    title: str
    lines: tuple
    colour: str

    @property
    def left(self):
        return self.x, self.y + self.height // 2

    @property
    def right(self):
        return self.x + self.width, self.y + self.height // 2

    @property
    def top(self):
        return self.x + self.width // 2, self.y

    @property
    def bottom(self):
        return self.x + self.width // 2, self.y + self.height

    def svg(self):
        cx = self.x + self.width // 2
        parts = [
            f"<rect x='{self.x}' y='{self.y}' width='{self.width}' height='{self.height}' "
            f"rx='8' fill='{PAPER}' stroke='{self.colour}' stroke-width='2'/>",
            text(cx, self.y + 24, self.title, size=15, weight="bold", colour=self.colour),
        ]
        parts += [text(cx, self.y + 44 + 16 * i, line, size=12) for i, line in enumerate(self.lines)]
        return parts


def field_rows(window, first_y, count):
    """A few text boxes, each with its "!" button at the right, inside the window."""
    left, right = window.x + 16, window.x + window.width - 16
    rows = []
    for i in range(count):
        y = first_y + 24 * i
        rows += [
            f"<rect x='{left}' y='{y}' width='{right - left - 22}' height='16' fill='{PAPER}' "
            f"stroke='{GREY}'/>",
            f"<rect x='{right - 18}' y='{y}' width='18' height='16' fill='{FACE}' "
            f"stroke='{GREY}'/>",
            text(right - 9, y + 12, "!", size=11, weight="bold"),
        ]
    return rows


def text(x, y, words, size, weight="normal", colour=INK, anchor="middle"):
    return (f"<text x='{x}' y='{y}' {FONT} font-size='{size}' font-weight='{weight}' "
            f"fill='{colour}' text-anchor='{anchor}'>{escape(words)}</text>")


def arrow(start, end, label, colour=INK, dashed=False):
    """A straight arrow with its head drawn as a triangle (no SVG markers, which some
    viewers ignore) and its label beside the middle of the shaft."""
    (x1, y1), (x2, y2) = start, end
    length = math.hypot(x2 - x1, y2 - y1)
    ux, uy = (x2 - x1) / length, (y2 - y1) / length
    base_x, base_y = x2 - ux * HEAD_LENGTH, y2 - uy * HEAD_LENGTH
    corners = [(x2, y2), (base_x + uy * HEAD_HALF_WIDTH, base_y - ux * HEAD_HALF_WIDTH),
               (base_x - uy * HEAD_HALF_WIDTH, base_y + ux * HEAD_HALF_WIDTH)]
    dash = " stroke-dasharray='6 4'" if dashed else ""
    mid_x, mid_y = (x1 + x2) / 2, (y1 + y2) / 2
    # Above a level shaft, to the right of an upright one.
    label_at, anchor = ((mid_x, mid_y - 8), "middle") if abs(ux) > abs(uy) else \
        ((mid_x + 10, mid_y + 4), "start")
    return [
        f"<line x1='{x1}' y1='{y1}' x2='{base_x:g}' y2='{base_y:g}' stroke='{colour}' "
        f"stroke-width='2'{dash}/>",
        "<polygon points='" + " ".join(f"{x:g},{y:g}" for x, y in corners) + f"' fill='{colour}'/>",
        text(*(round(v) for v in label_at), label, size=12, colour=colour, anchor=anchor),
    ]


def offset(point, dx=0, dy=0):
    return point[0] + dx, point[1] + dy


def picture():
    # The window is drawn tall and narrow, as it stands beside the browser.
    window = Box(300, 15, 170, 220, "Quillpad window", ("23 fields,", "above the browser"), RED)
    profile = Box(20, 85, 180, 80, "Profile", ("23 fields and the", "window's place"), NAVY)
    clipboard = Box(570, 15, 170, 70, "Clipboard", ("one field",), TEAL)
    browser = Box(570, 165, 170, 70, "Browser", ("catalogue site, its form",), TEAL)
    to_clipboard_y, to_browser_y = clipboard.left[1], browser.left[1]
    shapes = [
        f"<rect width='{WIDTH}' height='{HEIGHT}' fill='{PAPER}'/>",
        *profile.svg(), *window.svg(), *clipboard.svg(), *browser.svg(),
        *field_rows(window, 95, 5),
        *arrow(offset(profile.right, 0, -15), offset(window.left, 0, -15), "read at start"),
        *arrow(offset(window.left, 0, 15), offset(profile.right, 0, 15), "written at exit"),
        *arrow((window.right[0], to_clipboard_y), clipboard.left, "click \u201c!\u201d"),
        *arrow((window.right[0], to_browser_y), browser.left,
               "\u201c\u041f\u0435\u0440\u0435\u0439\u0442\u0438!\u201d"),
        *arrow(clipboard.bottom, browser.top, "paste", dashed=True),
    ]
    body = "\n  ".join(shapes)
    return (f"<svg xmlns='http://www.w3.org/2000/svg' width='{WIDTH}' height='{HEIGHT}' "
            f"viewBox='0 0 {WIDTH} {HEIGHT}'>\n  {body}\n</svg>\n")


def main(argv):
    drawn = picture()
    if "--check" in argv:
        if OUT_FILE.read_text(encoding="utf-8") != drawn:
            sys.exit(f"{OUT_FILE} is out of date: rerun {Path(__file__).name}")
        return
    OUT_FILE.write_text(drawn, encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv[1:])
