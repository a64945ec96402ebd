"""Draw Quillpad's application icon and hand pointer from simple shapes.

Writes, next to this script:
  quillpad.ico      32x32 and 16x16 icon images, 16 colours, with transparency masks
  quillpad-32.png   the 32x32 icon image as RGBA
  quillpad-16.png   the 16x16 icon image as RGBA
  quillpad-48.png, quillpad-64.png, quillpad-128.png, quillpad-256.png
                    the 32x32 design scaled up with smooth edges, for desktop menus
  hand.cur          32x32 pointing-hand pointer, hot spot at x=12, y=1
  hand.png          the pointer image as RGBA

The icon shows a spiral-bound ruled note sheet with a red quill pen lying
across it, its nib on the sheet; the pointer is a white hand with a black
outline, index finger straight up. Only the standard library is used and the
output is byte-identical on every run. Rerun from any directory with:

    /usr/bin/python3 resources/draw_artwork.py

The About window's icon and banner are drawn by draw_about_artwork.py beside
this script, which reuses its shapes, rasteriser and file writers.
"""

import math
import struct
import zlib
from dataclasses import dataclass
from pathlib import Path

OUT_DIR = Path(__file__).resolve().parent

# The standard 16-colour Windows palette, in its usual order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_RED, NAVY, TEAL, SILVER, GREY, RED, WHITE = 0, 1, 4, 6, 7, 8, 9, 15

# Desktop menus and launchers ask the icon theme for these sizes beside 16 and 32.
SMOOTH_ICON_SIZES = (48, 64, 128, 256)


# --- Shapes: each gives a signed distance (negative inside) in design units ---

@dataclass(frozen=True)
class Polygon:
    points: tuple

    def distance(self, x, y):
        # Distance to the nearest edge, signed by the even-odd inside test.
        pts = self.points
        best = math.inf
        inside = False
        for (ax, ay), (bx, by) in zip(pts, pts[1:] + pts[:1]):
            best = min(best, _segment_distance(x, y, ax, ay, bx, by))
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -best if inside else best

    def bounds(self):
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        return min(xs), min(ys), max(xs), max(ys)


@dataclass(frozen=True)
class Capsule:
    """A segment thickened by a radius: fingers, strokes, round dots."""
    a: tuple
    b: tuple
    radius: float

    def distance(self, x, y):
        return _segment_distance(x, y, *self.a, *self.b) - self.radius

    def bounds(self):
        r = self.radius
        return (min(self.a[0], self.b[0]) - r, min(self.a[1], self.b[1]) - r,
                max(self.a[0], self.b[0]) + r, max(self.a[1], self.b[1]) + r)


def _segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def rect(x0, y0, x1, y1):
    return Polygon(((x0, y0), (x1, y0), (x1, y1), (x0, y1)))


# --- Scene layers, painted in order --------------------------------------------

@dataclass(frozen=True)
class Fill:
    """The union of some shapes, filled, optionally with a one-pixel border."""
    shapes: tuple
    colour: int
    border: int | None = None

    def distance(self, x, y):
        return min(s.distance(x, y) for s in self.shapes)

    def bounds(self):
        boxes = [s.bounds() for s in self.shapes]
        return (min(b[0] for b in boxes), min(b[1] for b in boxes),
                max(b[2] for b in boxes), max(b[3] for b in boxes))


@dataclass(frozen=True)
class Line:
    """A one-pixel polyline through pixel centres (x + 0.5, y + 0.5)."""
    points: tuple
    colour: int


# --- The pictures ----------------------------------------------------------------

def quill_vane(nib, tip, start, widths):
    """Feather outline along the nib-to-tip axis.

    The vane begins at fraction `start` of the axis, is fullest a little
    below its middle and tapers to a long point, the left side wider than
    the right, as on a real quill; `widths` are those two half-widths.
    """
    ux, uy = unit(nib, tip)
    px, py = uy, -ux  # the normal pointing up-left of the axis
    steps = 16
    left, right = [], []
    for i in range(steps + 1):
        s = i / steps
        swell = math.sin(math.pi * s ** 0.75) ** 0.7
        cx, cy = point_on(nib, tip, start + (1 - start) * s)
        left.append((cx + px * widths[0] * swell, cy + py * widths[0] * swell))
        right.append((cx - px * widths[1] * swell, cy - py * widths[1] * swell))
    return Polygon(tuple(left + right[::-1]))


def quill_nib(nib, tip, length, width):
    """The cut point of the shaft: a slim diamond lying along the axis."""
    nx, ny = nib
    ux, uy = unit(nib, tip)
    mx, my = nx + ux * length * 0.6, ny + uy * length * 0.6
    return Polygon(((nx, ny), (mx + uy * width, my - ux * width),
                    (nx + ux * length, ny + uy * length), (mx - uy * width, my + ux * width)))


def point_on(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def unit(a, b):
    length = math.hypot(b[0] - a[0], b[1] - a[1])
    return ((b[0] - a[0]) / length, (b[1] - a[1]) / length)


def notepad_rings(xs, top, bottom, radius):
    """Wire rings standing above the binding, one per x."""
    return Fill(tuple(Capsule((x, top), (x, bottom), radius) for x in xs), SILVER, BLACK)


def icon_32():
    """The 32x32 icon; also the design the 256x256 rendering is scaled from."""
    # The quill lies at 45 degrees so its pixel lines step evenly.
    nib, tip, vane_start = (9.0, 25.0), (30.0, 4.0), 0.36
    vane_base = point_on(nib, tip, vane_start)
    return [
        Fill((rect(5, 7, 24, 31),), GREY),                     # shadow lifts the sheet
        Fill((rect(3, 5, 22, 30),), WHITE, BLACK),             # the sheet
        Fill((rect(3, 4, 22, 10),), NAVY, BLACK),              # the binding
        notepad_rings((6.5, 10.5, 14.5, 18.5), 2.5, 5.5, 1.5),
        *(Line(((5.5, y), (19.5, y)), TEAL) for y in (12.5, 16.5, 20.5)),
        Line(((5.5, 24.5), (8.5, 24.5)), TEAL),                # a line still being written
        Fill((quill_vane(nib, tip, vane_start, (4.0, 2.4)),), RED, DARK_RED),
        Line((vane_base, point_on(nib, tip, 0.95)), DARK_RED),  # the feather's spine
        Fill((Capsule(nib, vane_base, 0.7),), GREY),           # the bare shaft
        Fill((quill_nib(nib, tip, 3.5, 1.0),), BLACK),
    ]


def icon_16():
    """The 16x16 icon, laid out on its own grid so every stroke stays a pixel."""
    nib, tip, vane_start = (4.0, 13.0), (16.0, 1.0), 0.36
    vane_base = point_on(nib, tip, vane_start)
    return [
        Fill((rect(2, 3, 13, 16),), GREY),
        Fill((rect(1, 2, 12, 15),), WHITE, BLACK),
        Fill((rect(1, 1, 12, 4),), NAVY, BLACK),
        *(Line(((3.5, y), (9.5, y)), TEAL) for y in (6.5, 8.5, 10.5)),
        Fill((quill_vane(nib, tip, vane_start, (2.2, 1.3)),), RED, DARK_RED),
        Line((nib, vane_base), BLACK),
    ]


def hand_pointer():
    """A white pointing hand with a black outline, fingertip at pixel (12, 1)."""
    return [
        Fill((
            Capsule((12.5, 3.5), (12.5, 16.0), 2.5),    # index finger, straight up
            Capsule((16.5, 10.5), (16.5, 18.0), 2.5),   # folded middle finger
            Capsule((20.5, 11.5), (20.5, 18.0), 2.5),   # folded ring finger
            Capsule((24.5, 13.5), (24.5, 19.0), 2.5),   # folded little finger
            Capsule((6.5, 16.5), (11.5, 21.5), 2.5),    # thumb, reaching up-left
            Polygon(((10, 14), (27, 14), (27, 23), (24, 29), (12, 29), (10, 24))),  # palm
        ), WHITE, BLACK),
        # Creases between the folded fingers, down from each notch.
        Line(((14.5, 8.5), (14.5, 15.5)), BLACK),
        Line(((18.5, 9.5), (18.5, 15.5)), BLACK),
        Line(((22.5, 11.5), (22.5, 16.5)), BLACK),
    ]


# --- Rasterising ------------------------------------------------------------------

def render_pixels(layers, size):
    """Paint layers on a size x size grid of palette indices, None = transparent.

    A pixel belongs to a shape when its centre is inside; the border is the
    shape's own pixels that touch the outside, so it is always one pixel wide.
    """
    grid = [[None] * size for _ in range(size)]
    for layer in layers:
        if isinstance(layer, Line):
            for x, y in _polyline_pixels(layer.points):
                if 0 <= x < size and 0 <= y < size:
                    grid[y][x] = layer.colour
            continue
        inside = [[layer.distance(x + 0.5, y + 0.5) < 0 for x in range(size)] for y in range(size)]
        for y in range(size):
            for x in range(size):
                if inside[y][x]:
                    edge = layer.border is not None and not all(
                        0 <= nx < size and 0 <= ny < size and inside[ny][nx]
                        for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))
                    grid[y][x] = layer.border if edge else layer.colour
    return grid


def _polyline_pixels(points):
    """Bresenham's line through the pixels holding each point."""
    pixels = []
    for (ax, ay), (bx, by) in zip(points, points[1:]):
        x, y, x1, y1 = int(ax), int(ay), int(bx), int(by)
        dx, dy = abs(x1 - x), -abs(y1 - y)
        sx, sy = (1 if x1 > x else -1), (1 if y1 > y else -1)
        err = dx + dy
        while True:
            pixels.append((x, y))
            if (x, y) == (x1, y1):
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x += sx
            if e2 <= dx:
                err += dx
                y += sy
    return pixels


def render_smooth(layers, design_size, size):
    """Paint layers scaled from design_size up to size with anti-aliased edges.

    Coverage comes from each shape's signed distance, which gives smooth
    edges without supersampling; borders and lines keep their design width.
    Returns premultiplied RGBA floats in rows.
    """
    scale = size / design_size
    canvas = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]
    for layer in layers:
        if isinstance(layer, Line):
            shapes = tuple(Capsule(a, b, 0.5) for a, b in zip(layer.points, layer.points[1:]))
            layer = Fill(shapes, layer.colour)
        x0, y0, x1, y1 = layer.bounds()
        for py in range(max(0, int(y0 * scale) - 2), min(size, int(y1 * scale) + 3)):
            for px in range(max(0, int(x0 * scale) - 2), min(size, int(x1 * scale) + 3)):
                d = layer.distance((px + 0.5) / scale, (py + 0.5) / scale) * scale
                outer = _coverage(d)
                if outer == 0:
                    continue
                row = canvas[py]
                if layer.border is None:
                    row[px] = _over(row[px], layer.colour, outer)
                else:
                    row[px] = _over(row[px], layer.border, outer)
                    row[px] = _over(row[px], layer.colour, _coverage(d + scale))
    return canvas


def _coverage(distance_px):
    return max(0.0, min(1.0, 0.5 - distance_px))


def _over(dest, colour, alpha):
    r, g, b = PALETTE[colour]
    keep = 1 - alpha
    return (r * alpha + dest[0] * keep, g * alpha + dest[1] * keep,
            b * alpha + dest[2] * keep, alpha + dest[3] * keep)


def pixels_to_rgba(grid):
    return [[(0, 0, 0, 0) if c is None else (*PALETTE[c], 255) for c in row] for row in grid]


def smooth_to_rgba(canvas):
    """Undo the premultiplication and round to bytes."""
    rows = []
    for row in canvas:
        out = []
        for r, g, b, a in row:
            if a <= 0:
                out.append((0, 0, 0, 0))
            else:
                out.append((round(r / a), round(g / a), round(b / a), round(a * 255)))
        rows.append(out)
    return rows


# --- File formats -----------------------------------------------------------------

def png_bytes(rgba_rows):
    """A minimal 8-bit RGBA PNG: IHDR, one IDAT, IEND."""
    height, width = len(rgba_rows), len(rgba_rows[0])
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rgba_rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib(grid, palette=PALETTE):
    """An icon/cursor image: BITMAPINFOHEADER, palette, colour rows, AND mask.

    The grid holds indices into `palette`, whose 2 or 16 entries make the
    image 1 or 4 bits a pixel. Rows run bottom-up and are padded to 32 bits;
    the header height counts both the colour and the mask bitmaps, as icon
    resources require. Transparent pixels are index 0 in colour and set in
    the mask.
    """
    size = len(grid)
    bpp = {2: 1, 16: 4}[len(palette)]
    colour_rows, mask_rows = [], []
    for row in reversed(grid):
        colour_rows.append(_pad32(_pack_bits([0 if c is None else c for c in row], bpp)))
        mask_rows.append(_pad32(_pack_bits([int(c is None) for c in row], 1)))
    bits = b"".join(colour_rows) + b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0, len(bits), 0, 0,
                         len(palette), 0)
    entries = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + entries + bits


def _pack_bits(values, bpp):
    """Pack a row of small values, leftmost pixel in the high bits."""
    packed = 0
    for value in values:
        packed = (packed << bpp) | value
    return packed.to_bytes(len(values) * bpp // 8, "big")


def _pad32(row):
    return row + b"\0" * (-len(row) % 4)


def icon_file(images, kind, hotspot=(0, 0)):
    """An .ico (kind 1) or .cur (kind 2) holding the given (size, dib) images.

    The directory's colour count and bit count are read from each image's
    header. In a cursor the two directory words that an icon uses for planes
    and bit count hold the hot spot's x and y instead.
    """
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for size, image in images:
        bpp = struct.unpack_from("<H", image, 14)[0]
        words = (1, bpp) if kind == 1 else hotspot
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 1 << bpp, 0, *words,
                           len(image), offset)
        offset += len(image)
    return out + b"".join(image for _, image in images)


# --- Main -----------------------------------------------------------------------------

def main():
    icon32 = render_pixels(icon_32(), 32)
    icon16 = render_pixels(icon_16(), 16)
    hand = render_pixels(hand_pointer(), 32)

    outputs = {
        "quillpad.ico": icon_file([(32, dib(icon32)), (16, dib(icon16))], kind=1),
        "quillpad-32.png": png_bytes(pixels_to_rgba(icon32)),
        "quillpad-16.png": png_bytes(pixels_to_rgba(icon16)),
        **{f"quillpad-{size}.png": png_bytes(smooth_to_rgba(render_smooth(icon_32(), 32, size)))
           for size in SMOOTH_ICON_SIZES},
        "hand.cur": icon_file([(32, dib(hand))], kind=2, hotspot=(12, 1)),
        "hand.png": png_bytes(pixels_to_rgba(hand)),
    }
    for name, data in outputs.items():
        (OUT_DIR / name).write_bytes(data)


if __name__ == "__main__":
    main()
