"""Reads a screenshot of a desktop of one plain colour, for scripts/check-wayland.

    python3 screen.py box FILE COLOUR [TOLERANCE]
                                             the box of everything that is not the
                                             desktop: "x y width height", or "none";
                                             with TOLERANCE, colours that differ from
                                             the desktop's by no more than it in each
                                             channel (faint shadows) count as desktop
    python3 screen.py desktop FILE COLOUR X,Y...
                                             for each point, "desktop" where the
                                             desktop shows, "window" elsewhere

COLOUR is the desktop's colour as #rrggbb. ImageMagick's convert reads the file.
The bottom-right 32 x 32 pixels are left out: the pointer waits there.
"""

import subprocess
import sys

POINTER = 32


def read(path):
    size = subprocess.check_output(["convert", path, "-format", "%w %h", "info:"])
    width, height = map(int, size.split())
    pixels = subprocess.check_output(["convert", path, "-depth", "8", "rgb:-"])
    return width, height, pixels


def colour(text):
    return bytes.fromhex(text.lstrip("#"))


def box(path, desktop, tolerance=0):
    width, height, pixels = read(path)
    if tolerance:
        pixels = bytes(desktop[i % 3] if abs(v - desktop[i % 3]) <= tolerance else v
                       for i, v in enumerate(pixels))
    plain = desktop * width
    left, right, top, bottom = width, -1, None, None
    for y in range(height):
        row = pixels[y * width * 3:(y + 1) * width * 3]
        if y >= height - POINTER:
            row = row[:(width - POINTER) * 3] + desktop * POINTER
        if row == plain:
            continue
        # only the columns outside the box so far can widen it
        for x in (*range(0, left), *range(width - 1, right, -1)):
            if row[x * 3:x * 3 + 3] != desktop:
                left, right = min(left, x), max(right, x)
        top = y if top is None else top
        bottom = y
    if top is None:
        return "none"
    return "%d %d %d %d" % (left, top, right - left + 1, bottom - top + 1)


def desktop_at(path, desktop, points):
    width, _, pixels = read(path)
    answers = []
    for point in points:
        x, y = map(int, point.split(","))
        at = (y * width + x) * 3
        answers.append("desktop" if pixels[at:at + 3] == desktop else "window")
    return " ".join(answers)


def main():
    what, path, desktop = sys.argv[1], sys.argv[2], colour(sys.argv[3])
    if what == "box":
        print(box(path, desktop, *map(int, sys.argv[4:5])))
    elif what == "desktop":
        print(desktop_at(path, desktop, sys.argv[4:]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
