"""Draw the About window's icon and banner from simple shapes.

A companion to draw_artwork.py (the application icon and the hand pointer),
whose shapes, rasteriser and file writers it reuses. Writes, next to this
script:
  about.ico     three 32x32 images: two 16-colour ones with transparency
                masks, then a black-and-white one with its mask
  banner.jpg    451x60 red line art on black, shown under the About texts

The icon is the application's spiral-bound note sheet with a round
information badge on its corner. The banner is a ruled page drawn in thin
red lines: a margin line, a quill standing in an inkwell at the right of the
part the window shows, and beyond it a faint handwritten word and the page's
turned-down corner. The icon needs only the
standard library; regenerating the banner needs ImageMagick, whose
/usr/bin/convert encodes the JPEG and sets its lettering in DejaVu Serif
(fonts-dejavu-core). Every output is byte-identical on every run. Rerun from
any directory with:

    /usr/bin/python3 resources/draw_about_artwork.py
"""

import subprocess
from dataclasses import dataclass

from draw_artwork import (
    BLACK, DARK_RED, GREY, NAVY, OUT_DIR, RED, SILVER, TEAL, WHITE,
    Capsule, Fill, Line, Polygon, dib, icon_file,
    point_on, quill_vane, rect, render_pixels,
)

# The two-colour icon's palette: ink and paper.
MONO_PALETTE = [(0, 0, 0), (255, 255, 255)]
INK, PAPER = 0, 1

CONVERT = "/usr/bin/convert"
DEJAVU = "/usr/share/fonts/truetype/dejavu/"


# --- The icon ----------------------------------------------------------------------

BADGE_CENTRE, BADGE_RADIUS = (22.5, 22.5), 8.9


def sheet(paper, ink, binding, rings, rule):
    """The application's note sheet, a little to the left to make room for the badge."""
    return [
        Fill((rect(2, 5, 20, 29),), paper, ink),
        Fill((rect(2, 4, 20, 10),), binding, ink),
        Fill(tuple(Capsule((x, 2.5), (x, 5.5), 1.5) for x in (5.5, 9.5, 13.5, 17.5)), rings, ink),
        *(Line(((4.5, y), (17.5, y)), rule) for y in (12.5, 16.5, 20.5, 24.5)),
    ]


def information_badge(disc, rim, letter):
    """A round badge holding a serif "i", centred on the sheet's lower right corner."""
    cx, cy = BADGE_CENTRE
    return [
        Fill((Capsule(BADGE_CENTRE, BADGE_CENTRE, BADGE_RADIUS),), disc, rim),
        Fill((
            rect(cx - 1.5, cy - 7.5, cx + 1.5, cy - 4.5),     # the dot
            rect(cx - 1.5, cy - 2.5, cx + 1.5, cy + 5.5),     # the stem
            rect(cx - 3.5, cy - 2.5, cx - 1.5, cy - 1.5),     # its top serif
            rect(cx - 3.5, cy + 4.5, cx + 3.5, cy + 5.5),     # its foot
        ), letter),
    ]


def about_icon():
    """The first image: a red badge, as red as the application icon's quill."""
    return [
        Fill((rect(4, 7, 22, 31),), GREY),                    # shadow lifts the sheet
        *sheet(WHITE, BLACK, NAVY, SILVER, TEAL),
        *information_badge(RED, DARK_RED, WHITE),
    ]


def about_icon_navy():
    """The second image: the same sheet with the colours turned round, a navy
    badge and a red binding, for places where a red badge would not stand out."""
    return [
        Fill((rect(4, 7, 22, 31),), GREY),
        *sheet(WHITE, BLACK, DARK_RED, SILVER, TEAL),
        *information_badge(NAVY, BLACK, WHITE),
    ]


def about_icon_mono():
    """The black-and-white image: ink outlines on paper and a solid ink badge."""
    return [
        *sheet(PAPER, INK, INK, PAPER, INK),
        Fill((Capsule(BADGE_CENTRE, BADGE_CENTRE, BADGE_RADIUS + 1),), PAPER),  # a paper gap
        *information_badge(INK, INK, PAPER),
    ]


# --- The banner ----------------------------------------------------------------------

BANNER_WIDTH, BANNER_HEIGHT = 451, 60

# Shades of pure red on the black ground: bright for the drawing, middle for
# its details, dim for the paper's rules and lettering so they stay behind
# the texts laid over the banner.
BRIGHT, MIDDLE, DIM = 255, 170, 90
INKWELL_HEIGHT = 20


@dataclass(frozen=True)
class Stroke:
    """A shape's outline (or a segment's length) traced with a pen `width` pixels wide."""
    shape: object
    width: float
    red: int


def segments(points, width, red):
    """An open polyline as strokes along each of its segments."""
    return [Stroke(Capsule(a, b, 0), width, red) for a, b in zip(points, points[1:])]


def ruled_paper():
    """Rules across the whole banner and a margin line down its left edge."""
    return [
        *(Stroke(Capsule((0, y), (BANNER_WIDTH, y), 0), 1, DIM) for y in (34.5, 59.5)),
        Stroke(Capsule((3.5, 0), (3.5, BANNER_HEIGHT), 0), 1, MIDDLE),
    ]


def quill(nib, tip, glass_top):
    """A quill in outline, its nib in a bottle whose mouth is at height `glass_top`.

    Inside the bottle the shaft is dim, as if seen through the glass.
    """
    vane_start = 0.43
    vane = split_vane(nib, tip, vane_start, quill_vane(nib, tip, vane_start, (8.0, 4.0)))
    base = point_on(nib, tip, vane_start)
    mouth = point_on(nib, tip, (nib[1] - glass_top) / (nib[1] - tip[1]))
    return [
        Stroke(vane, 1.2, BRIGHT),
        *segments((base, point_on(nib, tip, 0.97)), 1, BRIGHT),   # the spine
        *segments((mouth, base), 1.4, BRIGHT),                    # the bare shaft
        *segments((nib, mouth), 1, DIM),
    ]


def split_vane(nib, tip, vane_start, vane):
    """The vane with splits cut into its edges, which mark it as a feather.

    `vane` is the polygon from quill_vane: its left side's points followed
    by its right side's in reverse, one per step along the axis. A split
    pulls an edge point halfway back to the spine, slanting towards the nib.
    """
    points = list(vane.points)
    steps = len(points) // 2 - 1
    for step, on_left in ((6, True), (11, True), (8, False)):
        i = step if on_left else len(points) - 1 - step
        root = point_on(nib, tip, vane_start + (1 - vane_start) * (step - 2) / steps)
        points[i] = point_on(points[i], root, 0.5)
    return Polygon(tuple(points))


def inkwell(left, bottom):
    """A squat ink bottle in outline, 38 px wide, its mouth 19 px in from `left`."""
    l, b, top = left, bottom, bottom - INKWELL_HEIGHT
    bottle = Polygon((
        (l + 2, b), (l + 36, b), (l + 38, b - 2), (l + 38, b - 9), (l + 33, b - 13),
        (l + 27, b - 13), (l + 27, b - 17), (l + 29, b - 17), (l + 29, top),
        (l + 9, top), (l + 9, b - 17), (l + 11, b - 17), (l + 11, b - 13),
        (l + 5, b - 13), (l, b - 9), (l, b - 2),
    ))
    return [
        Stroke(bottle, 1, BRIGHT),
        *segments(((l + 3, b - 6), (l + 35, b - 6)), 1, MIDDLE),   # the ink's level
    ]


def page_corner(right, top, size, bottom):
    """The page's top right corner turned down: the flap, its fold and the
    page's right edge below it, down to `bottom`."""
    fold_start, fold_end = (right - size, top), (right, top + size)
    flap = (fold_start, fold_end, (right - size, top + size))
    return [*segments(flap + (fold_start,), 1, MIDDLE),
            *segments((fold_end, (right, bottom)), 1, MIDDLE)]


def banner():
    """The banner's strokes.

    The inkwell sits in the one corner of the window's 312 px that no text
    covers, and the quill's feather rises beside the e-mail text.
    """
    left, bottom = 250.5, 58.5
    return [
        *ruled_paper(),
        *quill((252.5, 55.5), (309.5, 1.5), glass_top=bottom - INKWELL_HEIGHT),
        *inkwell(left, bottom),
        *page_corner(449.5, 0, 28, BANNER_HEIGHT),
    ]


def render_strokes(strokes, width, height):
    """Red intensities, one per pixel, with anti-aliased pen edges.

    Where strokes cross, the brighter one shows, so crossings never
    burn out into blobs.
    """
    red = [[0.0] * width for _ in range(height)]
    for stroke in strokes:
        half = stroke.width / 2
        x0, y0, x1, y1 = stroke.shape.bounds()
        for py in range(max(0, int(y0 - half) - 1), min(height, int(y1 + half) + 2)):
            row = red[py]
            for px in range(max(0, int(x0 - half) - 1), min(width, int(x1 + half) + 2)):
                d = abs(stroke.shape.distance(px + 0.5, py + 0.5)) - half
                cover = max(0.0, min(1.0, 0.5 - d))
                row[px] = max(row[px], stroke.red * cover)
    return red


def lettering():
    """ImageMagick options writing a dim word in italics on the bottom rule,
    past the part of the banner that the window shows."""
    return ["-font", DEJAVU + "DejaVuSerif-Italic.ttf", "-pointsize", "26",
            "-fill", "rgb(%d,0,0)" % DIM, "-annotate", "+326+55", "Quillpad"]


def jpeg_bytes(red_rows, extra_options):
    """Encode red intensities as a JPEG with ImageMagick.

    Full-resolution colour (no chroma subsampling) keeps thin red lines
    sharp; a fixed quality and stripped metadata keep the file the same on
    every run.
    """
    height, width = len(red_rows), len(red_rows[0])
    ppm = b"P6 %d %d 255\n" % (width, height) + bytes(
        v for row in red_rows for r in row for v in (round(r), 0, 0))
    command = [CONVERT, "ppm:-", *extra_options,
               "-sampling-factor", "1x1", "-quality", "92", "-strip", "jpg:-"]
    return subprocess.run(command, input=ppm, capture_output=True, check=True).stdout


# --- Main -----------------------------------------------------------------------------

def main():
    images = [
        (32, dib(render_pixels(about_icon(), 32))),
        (32, dib(render_pixels(about_icon_navy(), 32))),
        (32, dib(render_pixels(about_icon_mono(), 32), MONO_PALETTE)),
    ]
    art = render_strokes(banner(), BANNER_WIDTH, BANNER_HEIGHT)
    outputs = {
        "about.ico": icon_file(images, kind=1),
        "banner.jpg": jpeg_bytes(art, lettering()),
    }
    for name, data in outputs.items():
        (OUT_DIR / name).write_bytes(data)


if __name__ == "__main__":
    main()
