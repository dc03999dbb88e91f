"""Glyph outlines of a TrueType font file as SVG path data.

Only what the artwork needs: the character map (format 4), the horizontal
metrics and the quadratic outlines of the 'glyf' table, simple and composite.
Text is set without kerning or hinting; the caller places every glyph, so the
pictures depend on nothing but the font file named by its path.
"""

import struct


class Font:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = data = f.read()
        num_tables = struct.unpack_from(">H", data, 4)[0]
        self.tables = {}
        for i in range(num_tables):
            tag, _sum, off, length = struct.unpack_from(">4sIII", data, 12 + 16 * i)
            self.tables[tag.decode("latin-1")] = (off, length)
        head = self.tables["head"][0]
        self.units_per_em = struct.unpack_from(">H", data, head + 18)[0]
        self.loca_long = struct.unpack_from(">h", data, head + 50)[0] == 1
        self.num_glyphs = struct.unpack_from(">H", data, self.tables["maxp"][0] + 4)[0]
        hhea = self.tables["hhea"][0]
        self.ascender, self.descender = struct.unpack_from(">hh", data, hhea + 4)
        self.num_hmetrics = struct.unpack_from(">H", data, hhea + 34)[0]
        self._cmap = self._read_cmap()
        self._cache = {}

    # -- tables -------------------------------------------------------------

    def _read_cmap(self):
        data = self.data
        base = self.tables["cmap"][0]
        count = struct.unpack_from(">H", data, base + 2)[0]
        chosen = None
        for i in range(count):
            pid, eid, off = struct.unpack_from(">HHI", data, base + 4 + 8 * i)
            fmt = struct.unpack_from(">H", data, base + off)[0]
            if fmt == 4 and (pid, eid) in ((3, 1), (0, 3), (0, 4), (0, 1)):
                chosen = base + off
                if (pid, eid) == (3, 1):
                    break
        if chosen is None:
            raise ValueError("no Unicode BMP character map")
        seg2 = struct.unpack_from(">H", data, chosen + 6)[0]
        n = seg2 // 2
        ends = struct.unpack_from(">%dH" % n, data, chosen + 14)
        starts = struct.unpack_from(">%dH" % n, data, chosen + 16 + seg2)
        deltas = struct.unpack_from(">%dh" % n, data, chosen + 16 + 2 * seg2)
        ro_pos = chosen + 16 + 3 * seg2
        ranges = struct.unpack_from(">%dH" % n, data, ro_pos)
        cmap = {}
        for s in range(n):
            for c in range(starts[s], ends[s] + 1):
                if c == 0xFFFF:
                    continue
                if ranges[s] == 0:
                    g = (c + deltas[s]) & 0xFFFF
                else:
                    pos = ro_pos + 2 * s + ranges[s] + 2 * (c - starts[s])
                    g = struct.unpack_from(">H", data, pos)[0]
                    if g:
                        g = (g + deltas[s]) & 0xFFFF
                if g:
                    cmap[c] = g
        return cmap

    def glyph_index(self, ch):
        return self._cmap.get(ord(ch), 0)

    def advance(self, gid):
        hmtx = self.tables["hmtx"][0]
        i = min(gid, self.num_hmetrics - 1)
        return struct.unpack_from(">H", self.data, hmtx + 4 * i)[0]

    def _glyph_range(self, gid):
        loca = self.tables["loca"][0]
        if self.loca_long:
            a, b = struct.unpack_from(">II", self.data, loca + 4 * gid)
        else:
            a, b = struct.unpack_from(">HH", self.data, loca + 2 * gid)
            a, b = 2 * a, 2 * b
        glyf = self.tables["glyf"][0]
        return glyf + a, b - a

    def contours(self, gid):
        """List of contours; each a list of (x, y, on_curve) in font units."""
        if gid in self._cache:
            return self._cache[gid]
        data = self.data
        pos, length = self._glyph_range(gid)
        result = []
        if length > 0:
            ncont = struct.unpack_from(">h", data, pos)[0]
            p = pos + 10
            if ncont >= 0:
                result = self._simple(p, ncont)
            else:
                result = self._composite(p)
        self._cache[gid] = result
        return result

    def _simple(self, p, ncont):
        data = self.data
        ends = struct.unpack_from(">%dH" % ncont, data, p)
        p += 2 * ncont
        ninstr = struct.unpack_from(">H", data, p)[0]
        p += 2 + ninstr
        npts = ends[-1] + 1 if ends else 0
        flags = []
        while len(flags) < npts:
            f = data[p]
            p += 1
            flags.append(f)
            if f & 8:
                r = data[p]
                p += 1
                flags.extend([f] * r)
        xs = []
        v = 0
        for f in flags:
            if f & 2:
                d = data[p]
                p += 1
                v += d if f & 16 else -d
            elif not f & 16:
                v += struct.unpack_from(">h", data, p)[0]
                p += 2
            xs.append(v)
        ys = []
        v = 0
        for f in flags:
            if f & 4:
                d = data[p]
                p += 1
                v += d if f & 32 else -d
            elif not f & 32:
                v += struct.unpack_from(">h", data, p)[0]
                p += 2
            ys.append(v)
        out = []
        start = 0
        for e in ends:
            out.append([(xs[i], ys[i], bool(flags[i] & 1)) for i in range(start, e + 1)])
            start = e + 1
        return out

    def _composite(self, p):
        data = self.data
        out = []
        while True:
            flags, gid = struct.unpack_from(">HH", data, p)
            p += 4
            if flags & 1:
                a1, a2 = struct.unpack_from(">hh", data, p)
                p += 4
            else:
                a1, a2 = struct.unpack_from(">bb", data, p)
                p += 2
            xx, xy, yx, yy = 1.0, 0.0, 0.0, 1.0
            if flags & 8:
                xx = yy = struct.unpack_from(">h", data, p)[0] / 16384.0
                p += 2
            elif flags & 0x40:
                xx, yy = (v / 16384.0 for v in struct.unpack_from(">hh", data, p))
                p += 4
            elif flags & 0x80:
                xx, xy, yx, yy = (v / 16384.0 for v in struct.unpack_from(">hhhh", data, p))
                p += 8
            dx, dy = (a1, a2) if flags & 2 else (0, 0)
            for c in self.contours(gid):
                out.append([(xx * x + yx * y + dx, xy * x + yy * y + dy, on) for x, y, on in c])
            if not flags & 0x20:
                break
        return out

    # -- SVG ----------------------------------------------------------------

    def glyph_path(self, ch, size, x=0.0, y=0.0):
        """SVG path data of one character, baseline at (x, y), em = size px.
        Returns (path data, advance in px)."""
        gid = self.glyph_index(ch)
        s = size / self.units_per_em

        def pt(px, py):
            return "%s %s" % (_num(x + px * s), _num(y - py * s))

        parts = []
        for c in self.contours(gid):
            if not c:
                continue
            n = len(c)
            # Start on an on-curve point, or on the midpoint of two off ones.
            k = next((i for i in range(n) if c[i][2]), None)
            if k is None:
                sx = (c[0][0] + c[1 % n][0]) / 2.0
                sy = (c[0][1] + c[1 % n][1]) / 2.0
                seq = c[1:] + c[:1]
            else:
                sx, sy = c[k][0], c[k][1]
                seq = c[k + 1:] + c[:k]
            parts.append("M" + pt(sx, sy))
            ctrl = None
            for px, py, on in seq + [(sx, sy, True)]:
                if on:
                    if ctrl is None:
                        parts.append("L" + pt(px, py))
                    else:
                        parts.append("Q" + pt(*ctrl) + " " + pt(px, py))
                        ctrl = None
                else:
                    if ctrl is not None:
                        mx, my = (ctrl[0] + px) / 2.0, (ctrl[1] + py) / 2.0
                        parts.append("Q" + pt(*ctrl) + " " + pt(mx, my))
                    ctrl = (px, py)
            parts.append("Z")
        return "".join(parts), self.advance(gid) * s

    def text_width(self, text, size, tracking=0.0):
        s = size / self.units_per_em
        w = sum(self.advance(self.glyph_index(ch)) * s for ch in text)
        return w + tracking * max(len(text) - 1, 0)

    def text_path(self, text, size, x, y, tracking=0.0, kern=None):
        """Path data of a line of text with its baseline starting at (x, y)."""
        kern = kern or {}
        d = []
        for i, ch in enumerate(text):
            g, adv = self.glyph_path(ch, size, x, y)
            d.append(g)
            x += adv + tracking + kern.get(text[i:i + 2], 0.0) * size
        return "".join(d)


def _num(v):
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s
