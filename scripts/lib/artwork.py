"""Draws every picture of Vastrel as SVG and renders it to PNG.

    python3 artwork.py REPO_ROOT

Writes the SVG sources to resources/src/ (the scalable program icon to
resources/icons/vastrel.svg) and the PNG files to resources/. Rendering is
done by rsvg-convert; ImageMagick then rewrites each PNG without metadata, so
that the same sources always give the same bytes. Everything that looks
random (groove spacing, record spines) comes from a fixed-seed generator.
"""

import math
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from ttf_outline import Font, _num  # noqa: E402

FONT_DIR_DEJAVU = "/usr/share/fonts/truetype/dejavu"
SERIF_BOLD = FONT_DIR_DEJAVU + "/DejaVuSerif-Bold.ttf"
SANS_BOLD = FONT_DIR_DEJAVU + "/DejaVuSans-Bold.ttf"
SANS = FONT_DIR_DEJAVU + "/DejaVuSans.ttf"

# -- palette ------------------------------------------------------------------

INK = "#0b3438"        # outline of every shape
TEAL_DK = "#123f44"    # deep teal
TEAL = "#1f6e6e"       # teal
TEAL_LT = "#3f9a92"    # light teal
TEAL_PALE = "#a9d3cb"  # pale teal fill
LINE = "#6a9f98"       # text lines on a sheet
CREAM = "#f7efd9"      # sheets, label
CREAM_DK = "#e4d4ad"   # shaded cream
AMBER = "#e8a33a"      # accent
AMBER_DK = "#b9771f"   # shaded amber
RUST = "#b8583a"       # rare accent (record spines)
VINYL = "#0f2b2e"      # the record
VINYL_BG = "#0b2225"   # around and inside the record


# -- small SVG helpers --------------------------------------------------------

def fmt(v):
    return _num(v) if isinstance(v, float) else str(v)


def el(tag, **attrs):
    body = attrs.pop("_body", None)
    parts = []
    for k, v in attrs.items():
        if v is None:
            continue
        k = k.rstrip("_").replace("_", "-")
        parts.append('%s="%s"' % (k, fmt(v)))
    a = (" " + " ".join(parts)) if parts else ""
    if body is None:
        return "<%s%s/>" % (tag, a)
    return "<%s%s>%s</%s>" % (tag, a, body, tag)


def svg_doc(w, h, items, view=None):
    view = view or (0, 0, w, h)
    head = ('<svg xmlns="http://www.w3.org/2000/svg" width="%s" height="%s" '
            'viewBox="%s">' % (fmt(w), fmt(h), " ".join(fmt(v) for v in view)))
    note = "<!-- Drawn by scripts/draw-artwork: change the script, not this file. -->"
    return head + "\n" + note + "\n" + "\n".join(items) + "\n</svg>\n"


def rect(x, y, w, h, fill="none", stroke=None, sw=1, rx=None, **kw):
    return el("rect", x=x, y=y, width=w, height=h, rx=rx, fill=fill,
              stroke=stroke, stroke_width=sw if stroke else None, **kw)


def circle(cx, cy, r, fill="none", stroke=None, sw=1, **kw):
    return el("circle", cx=cx, cy=cy, r=r, fill=fill, stroke=stroke,
              stroke_width=sw if stroke else None, **kw)


def path(d, fill="none", stroke=None, sw=1, cap="round", join="round", **kw):
    return el("path", d=d, fill=fill, stroke=stroke,
              stroke_width=sw if stroke else None,
              stroke_linecap=cap if stroke else None,
              stroke_linejoin=join if stroke else None, **kw)


def poly(points, closed=False):
    d = "M" + " L".join("%s %s" % (fmt(float(x)), fmt(float(y))) for x, y in points)
    return d + ("Z" if closed else "")


def cased(d, color, width, case=CREAM, extra=2, cap="round", join="round"):
    """A stroke with a light casing around it, so that a dark line keeps its
    contrast on a dark window background."""
    return [path(d, stroke=case, sw=width + extra, cap=cap, join=join),
            path(d, stroke=color, sw=width, cap=cap, join=join)]


def arc_d(cx, cy, r, a0, a1):
    """Arc path from angle a0 to a1 (degrees, 0 = up, clockwise)."""
    x0 = cx + r * math.sin(math.radians(a0))
    y0 = cy - r * math.cos(math.radians(a0))
    x1 = cx + r * math.sin(math.radians(a1))
    y1 = cy - r * math.cos(math.radians(a1))
    large = 1 if abs(a1 - a0) > 180 else 0
    sweep = 1 if a1 > a0 else 0
    return "M%s %s A%s %s 0 %d %d %s %s" % (
        fmt(x0), fmt(y0), fmt(r), fmt(r), large, sweep, fmt(x1), fmt(y1))


def annular_sector(cx, cy, r0, r1, a0, a1):
    def p(r, a):
        return (cx + r * math.sin(math.radians(a)), cy - r * math.cos(math.radians(a)))
    (x0, y0), (x1, y1) = p(r1, a0), p(r1, a1)
    (x2, y2), (x3, y3) = p(r0, a1), p(r0, a0)
    return ("M%s %s A%s %s 0 0 1 %s %s L%s %s A%s %s 0 0 0 %s %s Z" % tuple(
        fmt(v) for v in (x0, y0, r1, r1, x1, y1, x2, y2, r0, r0, x3, y3)))


class Rng:
    """Small linear congruential generator: the same numbers on every
    Python version."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state / 4294967296.0

    def uniform(self, a, b):
        return a + (b - a) * self.next()

    def choice(self, seq):
        return seq[int(self.next() * len(seq)) % len(seq)]


def arc_text(font, text, size, cx, cy, r, top=True, tracking=0.0, center=0.0, kern=None):
    """Path data of text set along a circle. On the top arc the baseline lies
    on radius r and the letters point outwards; on the bottom arc the baseline
    lies on radius r and the letters point towards the centre. center is the
    angle (degrees) of the middle of the text, measured from the top (or the
    bottom) of the circle."""
    kern = kern or {}
    pairs = [kern.get(text[i:i + 2], 0.0) * size for i in range(len(text))]
    total = font.text_width(text, size, tracking) + sum(pairs)
    pos = -total / 2.0
    items = []
    for i, ch in enumerate(text):
        g, adv = font.glyph_path(ch, size, -font.text_width(ch, size) / 2.0, 0.0)
        mid = pos + adv / 2.0
        ang = math.degrees(mid / r) + center
        if top:
            tr = "translate(%s %s) rotate(%s) translate(0 %s)" % (
                fmt(float(cx)), fmt(float(cy)), fmt(ang), fmt(-float(r)))
        else:
            tr = "translate(%s %s) rotate(%s) translate(0 %s)" % (
                fmt(float(cx)), fmt(float(cy)), fmt(-ang), fmt(float(r)))
        if g:
            items.append((g, tr))
        pos += adv + tracking + pairs[i]
    return items


# -- button pictures (22 x 22, glyph about 20 x 20) ---------------------------

def sheet(x, y, w, h, fill=CREAM):
    return rect(x + 0.5, y + 0.5, w - 1, h - 1, fill=fill, stroke=INK, rx=1.5)


def list_rows(checked):
    items = [sheet(2, 1, 18, 20)]
    for y, x1 in ((5, 17), (11, 16), (17, 17)):
        items.append(rect(11, y - 1, x1 - 11, 3, fill=LINE))
        if checked:
            items.append(path(poly([(4.7, y + 0.1), (6.6, y + 2), (10, y - 2.2)]),
                              stroke=TEAL_DK, sw=2))
        else:
            items.append(rect(4.5, y - 1.5, 4, 4, fill="#ffffff", stroke=TEAL))
    return items


def btn_seleziona():
    return svg_doc(22, 22, list_rows(True))


def btn_deseleziona():
    items = list_rows(False)
    return svg_doc(22, 22, items)


def magnifier(cx, cy, r, hx, hy):
    """Lens centred at (cx, cy), handle towards (hx, hy)."""
    ang = math.atan2(hy - cy, hx - cx)
    sx, sy = cx + (r + 0.6) * math.cos(ang), cy + (r + 0.6) * math.sin(ang)
    handle = "M%s %s L%s %s" % (fmt(sx), fmt(sy), fmt(float(hx)), fmt(float(hy)))
    return [
        path(handle, stroke=INK, sw=4.2),
        path(handle, stroke=AMBER, sw=2.2),
        circle(cx, cy, r + 1.1, stroke=CREAM, sw=1, stroke_opacity=0.9),
        circle(cx, cy, r, fill=CREAM, stroke=TEAL_DK, sw=1.8, fill_opacity=0.8),
        path(arc_d(cx, cy, r - 1.9, 250, 335), stroke="#ffffff", sw=1.1),
    ]


def btn_cerca():
    items = [sheet(1, 1, 15, 17)]
    for y, x1 in ((5, 13), (8, 13), (11, 10), (14, 11)):
        items.append(rect(3, y - 1, x1 - 3, 2, fill=LINE))
    items += magnifier(12, 12, 4.6, 19.6, 19.6)
    return svg_doc(22, 22, items)


def right_arrow(x0, x1, y, half):
    """A filled arrow pointing right, shaft 3 px, head half-height `half`."""
    hx = x1 - half
    pts = [(x0, y - 1.5), (hx, y - 1.5), (hx, y - half), (x1, y), (hx, y + half),
           (hx, y + 1.5), (x0, y + 1.5)]
    return path(poly(pts, True), fill=AMBER, stroke=INK, sw=1)


def down_arrow(x, y0, y1, half):
    hy = y1 - half
    pts = [(x - 1.5, y0), (x + 1.5, y0), (x + 1.5, hy), (x + half, hy), (x, y1),
           (x - half, hy), (x - 1.5, hy)]
    return path(poly(pts, True), fill=AMBER, stroke=INK, sw=1)


def btn_avanti():
    items = magnifier(8, 8, 4.6, 13, 13)
    items.append(right_arrow(8.5, 20.5, 17, 4))
    return svg_doc(22, 22, items)


def btn_copia():
    items = [sheet(2, 1, 11, 14, fill=TEAL_PALE)]
    for y in (4.5, 7.5):
        items.append(path("M4 %s H9" % fmt(y), stroke=TEAL, sw=1, cap="butt"))
    items.append(sheet(8, 6, 12, 15))
    for y, x1 in ((10.5, 17), (13.5, 17), (16.5, 14)):
        items.append(path("M10 %s H%d" % (fmt(y), x1), stroke=TEAL, sw=1, cap="butt"))
    return svg_doc(22, 22, items)


def btn_ordina_az():
    items = [sheet(1, 0, 11, 22)]
    items.append(path("M3.3 9.6 L6.5 2.2 L9.7 9.6 M4.4 7.1 H8.6", stroke=TEAL_DK, sw=1.6,
                      join="miter"))
    items.append(path("M3.6 12.8 H9.4 L3.6 19.2 H9.4", stroke=TEAL_DK, sw=1.6, cap="square",
                      join="miter"))
    items.append(down_arrow(17, 1.5, 20.5, 4))
    return svg_doc(22, 22, items)


def btn_ordina_cron():
    items = [circle(7, 11, 6.5, fill=CREAM, stroke=INK, sw=1)]
    for a in range(0, 360, 90):
        x = 7 + 5 * math.sin(math.radians(a))
        y = 11 - 5 * math.cos(math.radians(a))
        items.append(circle(x, y, 0.7, fill=TEAL))
    items.append(path("M7 11 V6.6 M7 11 L9.9 12.6", stroke=TEAL_DK, sw=1.5))
    items.append(circle(7, 11, 1.1, fill=AMBER, stroke=INK, sw=0.6))
    items.append(down_arrow(17, 1.5, 20.5, 4))
    return svg_doc(22, 22, items)


def note(x, y):
    """An eighth note: its head's centre at (x, y), stem up on the right."""
    head = dict(cx=0, cy=0, rx=3.1, ry=2.3,
                transform="translate(%s %s) rotate(-22)" % (fmt(float(x)), fmt(float(y))))
    stem_x = x + 2.6
    d = "M%s %s V%s" % (fmt(stem_x), fmt(y - 0.6), fmt(y - 12.5))
    flag = "M%s %s C%s %s %s %s %s %s" % (
        fmt(stem_x), fmt(y - 12.5), fmt(stem_x + 0.6), fmt(y - 9.5),
        fmt(stem_x + 4.6), fmt(y - 9), fmt(stem_x + 3.6), fmt(y - 4.6))
    return ([el("ellipse", fill=CREAM, stroke=CREAM, stroke_width=3, **head)]
            + cased(d, TEAL_DK, 1.6) + cased(flag, TEAL_DK, 1.6)
            + [el("ellipse", fill=TEAL_DK, stroke=TEAL_DK, stroke_width=1, **head)])


def btn_suona():
    items = note(6.5, 16.5)
    items.append(path(poly([(15.5, 2.5), (15.5, 19.5), (30.5, 11)], True),
                      fill=AMBER, stroke=INK, sw=1))
    items.append(path("M17.5 6 V16", stroke="#f6c977", sw=1.2))
    return svg_doc(34, 22, items)


def btn_copertina():
    items = [sheet(2, 2, 12, 18)]
    for y, x1 in ((6.5, 12), (9.5, 12), (12.5, 12), (15.5, 9)):
        items.append(path("M4 %s H%d" % (fmt(y), x1), stroke=TEAL, sw=1, cap="butt"))
    items.append(rect(17.5, 3.5, 14, 15, fill=TEAL_PALE, stroke=INK))
    items.append(circle(27.5, 7.5, 2, fill=AMBER, stroke=AMBER_DK, sw=0.6))
    items.append(path("M18 18 L22 11.5 L25 15 L28 11 L31 16 V18 Z", fill=TEAL, stroke=None))
    items.append(rect(17.5, 3.5, 14, 15, stroke=INK))
    return svg_doc(34, 22, items)


# -- 16 x 16 pictures ----------------------------------------------------------

def ec(double):
    items = [rect(1.5, 6.5, 13, 3, fill=AMBER, stroke=INK)]
    if double:
        up = [(8, 0.5), (12.5, 4.5), (3.5, 4.5)]
        down = [(8, 15.5), (12.5, 11.5), (3.5, 11.5)]
    else:
        up = [(8, 4.5), (12.5, 0.5), (3.5, 0.5)]     # points down, onto the bar
        down = [(8, 11.5), (12.5, 15.5), (3.5, 15.5)]
    for tri in (up, down):
        items.append(path(poly(tri, True), fill="#56aaa0", stroke=INK, sw=1))
    return svg_doc(16, 16, items)


def info():
    items = [circle(8, 8, 7.3, fill=TEAL, stroke=INK, sw=1.2),
             circle(8, 8, 6.2, stroke=TEAL_LT, sw=0.8),
             circle(8, 4.6, 1.25, fill=CREAM),
             path("M6.4 7 H8.9 V11.6 H9.9 V12.6 H6.2 V11.6 H7.2 V8 H6.4 Z", fill=CREAM)]
    return svg_doc(16, 16, items)


# -- the program icon ----------------------------------------------------------

def icon(n):
    """The program icon at n x n pixels: a record sliding out of a folder.
    Coordinates are fitted to the pixel grid of each size."""
    u = n / 16.0
    sw = max(1, round(n / 32.0))
    h = (sw % 2) / 2.0

    def px(f):  # grid line for an edge at fraction f of the 16-unit design
        return round(f * u) + h

    items = []
    # folder back with its tab
    bx0, bx1, by0, by1 = px(0.5), px(13), px(4.5), px(15.5)
    tab1, taby = px(4.6), px(2.5)
    r = max(0.5, u * 0.6)
    back = ("M%s %s V%s H%s L%s %s H%s V%s Z" % tuple(fmt(float(v)) for v in (
        bx0, by1, taby, tab1 - u, tab1, by0, bx1, by1)))
    items.append(path(back, fill=AMBER_DK, stroke=INK, sw=sw))
    # the record
    cx, cy, rr = 9.9 * u, 6.1 * u, 5.6 * u
    items.append(circle(cx, cy, rr, fill=VINYL, stroke=INK, sw=sw))
    rim = max(1.0, n / 40.0)
    items.append(circle(cx, cy, rr - sw / 2.0 - rim / 2.0, stroke="#4c8c86", sw=rim))
    if n >= 32:
        k = 4 if n < 64 else 7
        for i in range(k):
            gr = rr * (0.5 + 0.44 * (i + 0.5) / k)
            items.append(circle(cx, cy, gr, stroke=TEAL_LT, sw=max(0.6, n / 160.0),
                                stroke_opacity=0.55))
        items.append(path(annular_sector(cx, cy, rr * 0.45, rr * 0.94, 20, 60),
                          fill=CREAM, fill_opacity=0.18))
    else:
        items.append(circle(cx, cy, rr * 0.66, stroke=TEAL_LT, sw=1, stroke_opacity=0.8))
    items.append(circle(cx, cy, rr * 0.36, fill=AMBER, stroke=INK if n >= 32 else None,
                        sw=max(1, n / 64.0)))
    items.append(circle(cx, cy, max(0.8, rr * 0.09), fill=VINYL))
    # folder front, a little lower than the back
    fx0, fx1, fy0, fy1 = px(0.5), px(13), px(8.5), px(15.5)
    front = rect(fx0, fy0, fx1 - fx0, fy1 - fy0, fill=AMBER, stroke=INK, sw=sw,
                 rx=r if n >= 32 else None)
    items.append(front)
    if n >= 32:
        # a music note printed on the folder
        nx, ny = 5.2 * u, 13.2 * u
        s = u / 1.5
        items.append(el("ellipse", cx=0, cy=0, rx=1.55 * s, ry=1.15 * s, fill=CREAM,
                        transform="translate(%s %s) rotate(-22)" % (fmt(nx), fmt(ny))))
        stem, top = nx + 1.35 * s, ny - 4.9 * s
        items.append(path("M%s %s V%s C%s %s %s %s %s %s" % (
            fmt(stem), fmt(ny), fmt(top), fmt(stem + 0.4 * s), fmt(top + 1.9 * s),
            fmt(stem + 2.9 * s), fmt(top + 1.7 * s), fmt(stem + 2.3 * s), fmt(top + 4.0 * s)),
            stroke=CREAM, sw=0.75 * s))
        items.append(path("M%s %s H%s" % (fmt(px(1.5) + sw), fmt(fy0 + 0.5 * sw + 0.9 * u),
                                           fmt(px(12) - sw)),
                          stroke="#f6c977", sw=max(1, sw / 2.0), cap="butt"))
    return svg_doc(n, n, items)


# -- start-up disc and its centre picture --------------------------------------

C = 240  # centre of the start-up window
LABEL_R = 74


def label_items(cx, cy, hole_fill):
    """The record label, centred on (cx, cy); the window cuts a 60 px hole
    into its middle, which a dark spindle ring borders."""
    sans = Font(SANS_BOLD)
    items = [
        circle(cx, cy, LABEL_R, fill=AMBER, stroke=INK, sw=1.5),
        circle(cx, cy, LABEL_R - 7, fill=CREAM, stroke=AMBER_DK, sw=1),
        circle(cx, cy, LABEL_R - 10.5, stroke=TEAL, sw=1),
        circle(cx, cy, 39.5, stroke=TEAL, sw=0.8, stroke_dasharray="2 2.5"),
    ]
    for g, tr in arc_text(sans, "VASTREL", 11.5, cx, cy, 47, top=True, tracking=2.2):
        items.append(path(g, fill=TEAL_DK, transform=tr))
    for g, tr in arc_text(sans, "LATO A", 9.5, cx, cy, 54.5, top=False, tracking=2.2):
        items.append(path(g, fill=TEAL, transform=tr))
    for a in (-90, 90):
        x = cx + 50.5 * math.sin(math.radians(a))
        items.append(circle(x, cy, 2.2, fill=AMBER, stroke=AMBER_DK, sw=0.8))
    items += [
        circle(cx, cy, 35.5, fill=TEAL_DK, stroke=INK, sw=1),
        circle(cx, cy, 33, stroke=TEAL_LT, sw=1.2, stroke_opacity=0.8),
        circle(cx, cy, 30.5, fill=hole_fill),
    ]
    return items


def startup_disc():
    rng = Rng(20240611)
    items = [rect(0, 0, 480, 480, fill=VINYL_BG),
             circle(C, C, 239.5, fill=VINYL)]
    # grooves: fine rings, brighter and darker, with a few quiet track gaps
    gaps = [96, 124, 158, 188, 214]
    r = 80.0
    while r < 234:
        in_gap = any(abs(r - g) < 2.2 for g in gaps)
        if not in_gap:
            shade = rng.uniform(0, 1)
            col = "#5f9690" if shade > 0.5 else "#03171a"
            op = rng.uniform(0.10, 0.28)
            items.append(circle(C, C, round(r, 2), stroke=col, sw=0.8, stroke_opacity=round(op, 3)))
        r += rng.uniform(1.3, 2.1)
    for g in gaps:
        items.append(circle(C, C, g, stroke="#07191b", sw=3.2, stroke_opacity=0.7))
    # sheen: two soft wedges of light across the grooves
    for a in (-58, 122):
        for k in range(20):
            half = 30.0 - 1.45 * k
            items.append(path(annular_sector(C, C, 78, 236, a - half, a + half),
                              fill=CREAM, fill_opacity=0.007))
    # edge of the record
    items.append(circle(C, C, 237, stroke="#2d5f5d", sw=2))
    items.append(circle(C, C, 233.5, stroke="#07191b", sw=1.2))
    items.append(circle(C, C, 207, stroke=AMBER, sw=1.2, stroke_opacity=0.55))
    items.append(circle(C, C, 108, stroke=AMBER, sw=1.2, stroke_opacity=0.55))
    # the name along the upper arc, and the maker along the lower arc
    serif = Font(SERIF_BOLD)
    glyphs = arc_text(serif, "Vastrel", 64, C, C, 148, top=True, tracking=2,
                      kern={"Va": -0.06})
    for g, tr in glyphs:
        items.append(path(g, fill="none", stroke=VINYL_BG, sw=7, transform=tr))
    for g, tr in glyphs:
        items.append(path(g, fill=CREAM, stroke="#fff8e6", sw=0.6, transform=tr))
    sans = Font(SANS)
    small = arc_text(sans, "by Korvi", 19, C, C, 158, top=False, tracking=3)
    for g, tr in small:
        items.append(path(g, fill="none", stroke=VINYL_BG, sw=4, transform=tr))
    for g, tr in small:
        items.append(path(g, fill=AMBER, transform=tr))
    for a in (-22, 22):
        x = C + 166 * math.sin(math.radians(a))
        y = C + 166 * math.cos(math.radians(a))
        items.append(circle(x, y, 2.4, fill=AMBER))
    items += label_items(C, C, VINYL_BG)
    return svg_doc(480, 480, items)


def startup_buco():
    # The 151 x 151 picture sits at (164, 164): the label's centre, the
    # window's (240, 240), is its (76, 76). The window's 60 px hole is cut out
    # of the picture, so that the desktop shows through it.
    hole = ("M0,0 H151 V151 H0 Z M46,76 a30,30 0 1,0 60,0 a30,30 0 1,0 -60,0 Z")
    cut = el("clipPath", id="open", _body=el("path", d=hole, clip_rule="evenodd"))
    group = el("g", clip_path="url(#open)", _body="\n".join(label_items(76, 76, TEAL_DK)))
    return svg_doc(151, 151, [el("defs", _body=cut), group])


# -- the maker's picture -------------------------------------------------------

def korvi():
    rng = Rng(1979)
    items = [rect(0, 0, 480, 480, fill="#efe2c4")]
    # wall stripes
    for x in range(0, 480, 40):
        items.append(rect(x, 0, 20, 480, fill="#f3e8cf"))
    spine_cols = [TEAL, TEAL_DK, TEAL_LT, AMBER, AMBER_DK, CREAM_DK, RUST, "#2c5c63",
                  "#7fb3aa", "#d9c08a", TEAL, TEAL_DK]
    shelves = [(28, 150), (178, 300), (328, 450)]
    for top, bottom in shelves:
        x = 4.0
        while x < 476:
            if rng.next() < 0.07 and x < 400:
                # a sleeve turned face out, with its record peeking out
                s = bottom - top - 26
                sx, sy = x + 4, bottom - s
                items.append(circle(sx + s * 0.72, sy + s / 2.0, s * 0.46, fill=VINYL, stroke=INK, sw=2))
                items.append(circle(sx + s * 0.72, sy + s / 2.0, s * 0.15, fill=AMBER))
                col = rng.choice([TEAL_LT, RUST, AMBER, "#2c5c63"])
                items.append(rect(sx, sy, s * 0.62, s, fill=col, stroke=INK, sw=2))
                items.append(circle(sx + s * 0.31, sy + s * 0.42, s * 0.18, fill=CREAM, fill_opacity=0.85))
                items.append(rect(sx + s * 0.1, sy + s * 0.78, s * 0.42, 4, fill=CREAM, fill_opacity=0.85))
                x += s * 1.2 + 10
                continue
            w = round(rng.uniform(6, 13))
            h = round(rng.uniform(bottom - top - 34, bottom - top - 8))
            col = rng.choice(spine_cols)
            if rng.next() < 0.12 and x > 10:
                # a record leaning on its neighbours
                items.append(rect(x, bottom - h, w, h, fill=col, stroke=INK, sw=1.5,
                                  transform="rotate(-9 %s %d)" % (fmt(x + w), bottom)))
                x += w + 12
                continue
            items.append(rect(x, bottom - h, w, h, fill=col, stroke=INK, sw=1.5))
            if w >= 9:
                items.append(rect(x + 2.5, bottom - h + 8, w - 5, 3, fill=CREAM, fill_opacity=0.7))
            x += w
        items.append(rect(-2, bottom, 484, 12, fill=TEAL_DK, stroke=INK, sw=2))
        items.append(rect(-2, bottom + 12, 484, 4, fill=INK, fill_opacity=0.25))
    # warm light behind the figure
    items.append(circle(240, 262, 170, fill=AMBER))
    items.append(circle(240, 262, 170, stroke=INK, sw=3))
    items.append(circle(240, 262, 150, stroke="#f6c977", sw=3, stroke_opacity=0.8))
    # the figure: shoulders, neck, head, hair
    body = ("M62 480 C70 402 120 368 190 352 L214 346 L214 318 L266 318 L266 346 "
            "L290 352 C360 368 410 402 418 480 Z")
    items.append(path(body, fill=TEAL_DK, stroke=INK, sw=3))
    items.append(path("M206 350 L240 410 L274 350", fill="none", stroke=TEAL_LT, sw=6,
                      join="round"))
    items.append(path("M214 330 Q240 346 266 330 L266 318 L214 318 Z", fill=INK, fill_opacity=0.6))
    items.append(el("ellipse", cx=240, cy=252, rx=58, ry=72, fill=TEAL, stroke=INK, stroke_width=3))
    hair = ("M184 246 C176 196 204 170 244 170 C286 170 306 200 298 246 "
            "C292 220 276 206 250 204 C226 202 204 212 196 230 Z")
    items.append(path(hair, fill=TEAL_DK, stroke=INK, sw=3))
    # headphones
    band = "M179 252 C172 190 206 162 240 162 C274 162 308 190 301 252"
    items.append(path(band, stroke=INK, sw=17))
    items.append(path(band, stroke=TEAL_DK, sw=11))
    items.append(path("M186 226 C186 188 212 170 240 170 C268 170 294 188 294 226",
                      stroke="#2c5c63", sw=2.5, stroke_opacity=0.9))
    for x in (166, 286):
        items.append(rect(x, 228, 28, 58, rx=12, fill=AMBER, stroke=INK, sw=3))
        items.append(rect(x + 7, 240, 14, 34, rx=6, fill=AMBER_DK))
    # the cable
    items.append(path("M180 286 C176 320 150 340 150 380 C150 420 176 440 196 480",
                      stroke=INK, sw=4))
    return svg_doc(480, 480, items)


# -- rendering -----------------------------------------------------------------

def tool(name):
    path_ = "/usr/bin/" + name
    if os.path.exists(path_):
        return path_
    found = shutil.which(name)
    if not found:
        sys.exit("artwork: %s not found" % name)
    return found


def render(svg, src, out, w, h, palette=False):
    """Writes the SVG source and renders it to a PNG of w x h pixels. Pictures
    without transparency may be stored with a palette of 256 colours."""
    os.makedirs(os.path.dirname(src), exist_ok=True)
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(src, "w", encoding="utf-8", newline="\n") as f:
        f.write(svg)
    with tempfile.TemporaryDirectory() as tmp:
        raw = os.path.join(tmp, "raw.png")
        subprocess.run([tool("rsvg-convert"), "-f", "png", "-w", str(w), "-h", str(h),
                        "-o", raw, src], check=True)
        if palette:
            colour = ["-alpha", "off", "-dither", "None", "-colors", "256"]
            target = "PNG8:" + out
        else:
            colour = []
            target = "PNG32:" + out
        subprocess.run([tool("convert"), raw] + colour + [
            "-strip", "-define", "png:exclude-chunks=date,time",
            "-define", "png:compression-level=9", "-define", "png:compression-filter=5",
            target], check=True)


QRC_HEAD = """<!DOCTYPE RCC>
<!-- Written by scripts/draw-artwork. -->
<RCC version="1.0">
    <qresource prefix="/">
"""
QRC_TAIL = """    </qresource>
</RCC>
"""


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else ".")
    res = os.path.join(root, "resources")
    src = os.path.join(res, "src")
    jobs = [
        ("btn-seleziona", btn_seleziona(), 22, 22),
        ("btn-deseleziona", btn_deseleziona(), 22, 22),
        ("btn-cerca", btn_cerca(), 22, 22),
        ("btn-avanti", btn_avanti(), 22, 22),
        ("btn-copia", btn_copia(), 22, 22),
        ("btn-ordina-az", btn_ordina_az(), 22, 22),
        ("btn-ordina-cron", btn_ordina_cron(), 22, 22),
        ("btn-suona", btn_suona(), 34, 22),
        ("btn-copertina", btn_copertina(), 34, 22),
        ("ec-dimezza", ec(False), 16, 16),
        ("ec-raddoppia", ec(True), 16, 16),
        ("info", info(), 16, 16),
        ("startup-buco", startup_buco(), 151, 151),
    ]
    pictures = []
    # every picture the windows show comes at twice its size too, for dense screens
    for name, svg, w, h in jobs:
        for scale, suffix in ((1, ""), (2, "@2x")):
            render(svg, os.path.join(src, name + ".svg"),
                   os.path.join(res, name + suffix + ".png"), w * scale, h * scale)
            pictures.append(name + suffix + ".png")
    # the two opaque 480 x 480 pictures
    for name, svg in (("startup-disc", startup_disc()), ("korvi", korvi())):
        for scale, suffix in ((1, ""), (2, "@2x")):
            render(svg, os.path.join(src, name + ".svg"),
                   os.path.join(res, name + suffix + ".png"), 480 * scale, 480 * scale,
                   palette=True)
            pictures.append(name + suffix + ".png")
    # the program icon: one drawing per size, fitted to its pixel grid; the
    # largest is also the scalable icon
    for n in (16, 22, 24, 32, 48, 64, 128, 256):
        if n == 256:
            s = os.path.join(res, "icons", "vastrel.svg")
        else:
            s = os.path.join(src, "icon-%d.svg" % n)
        render(icon(n), s, os.path.join(res, "icons", "vastrel-%d.png" % n), n, n)
        pictures.append("icons/vastrel-%d.png" % n)
    shutil.copyfile(os.path.join(res, "icons", "vastrel-256.png"), os.path.join(res, "icon.png"))
    pictures.append("icon.png")
    with open(os.path.join(res, "vastrel.qrc"), "w", encoding="utf-8", newline="\n") as f:
        f.write(QRC_HEAD)
        for p in sorted(pictures):
            f.write("        <file>%s</file>\n" % p)
        f.write(QRC_TAIL)


if __name__ == "__main__":
    main()
